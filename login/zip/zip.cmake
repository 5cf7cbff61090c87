# The ZIP reader, shared by the program and the tests.
#   lander_zip_core: parsing, decoding, decryption, inflate; no platform headers,
#                    so native builds (unit tests, fuzzing) use it too.
#   lander_zip:      the core plus the Win32 file-system layer (ZipReader).
# zlib is linked statically so the executable ships without a zlib DLL.
include_guard(GLOBAL)

set(LANDER_ZIP_DIR ${CMAKE_CURRENT_LIST_DIR})

find_path(LANDER_ZLIB_INCLUDE_DIR zlib.h REQUIRED)
find_library(LANDER_ZLIB_LIBRARY NAMES libz.a z REQUIRED)

add_library(lander_zip_core STATIC
    ${LANDER_ZIP_DIR}/ZipArchive.cpp
    ${LANDER_ZIP_DIR}/ZipCrypto.cpp
    ${LANDER_ZIP_DIR}/ZipEntryStream.cpp
    ${LANDER_ZIP_DIR}/ZipMetadata.cpp
    ${LANDER_ZIP_DIR}/ZipName.cpp)
target_include_directories(lander_zip_core PUBLIC ${LANDER_ZIP_DIR}/../.. ${LANDER_ZLIB_INCLUDE_DIR})
target_link_libraries(lander_zip_core PUBLIC ${LANDER_ZLIB_LIBRARY})
target_compile_features(lander_zip_core PUBLIC cxx_std_17)

if(WIN32)
    add_library(lander_zip STATIC ${LANDER_ZIP_DIR}/ZipReader.cpp)
    target_link_libraries(lander_zip PUBLIC lander_zip_core)
endif()
