# Test registration: every test executable runs once under Wine, in a prefix
# and an application-data folder of its own inside the build tree.
set(LANDER_WINE_ROOT ${CMAKE_BINARY_DIR}/wine CACHE PATH "Wine prefixes of the tests")
set(LANDER_WINE_TEST ${CMAKE_SOURCE_DIR}/cmake/wine-test.sh)
# Every test that starts Wine learns the prefixes' folder and which Wine runs
# this tree's executables (32-bit for i686, 64-bit for x86_64).
set(LANDER_WINE_TEST_ENV "LANDER_WINE_ROOT=${LANDER_WINE_ROOT}"
    "LANDER_WINE_ARCH=${CMAKE_SYSTEM_PROCESSOR}")

# lander_add_wine_test(<target> [TIMEOUT seconds] [DESKTOP])
# DESKTOP runs the executable inside a 1280 x 1024 Wine virtual desktop, for
# tests that need the taskbar and the notification area.
function(lander_add_wine_test target)
  cmake_parse_arguments(ARG "DESKTOP" "TIMEOUT" "" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  set(environment ${LANDER_WINE_TEST_ENV})
  if(ARG_DESKTOP)
    list(APPEND environment "LANDER_WINE_DESKTOP=1280x1024")
  endif()
  add_test(NAME ${target} COMMAND ${LANDER_WINE_TEST} $<TARGET_FILE:${target}>)
  set_tests_properties(${target} PROPERTIES TIMEOUT ${ARG_TIMEOUT}
    ENVIRONMENT "${environment}")
endfunction()

# lander_add_gtest(<target> SOURCES ... [LIBRARIES ...] [TIMEOUT seconds] [DESKTOP])
# A GoogleTest executable with the program's resources linked in.
function(lander_add_gtest target)
  cmake_parse_arguments(ARG "DESKTOP" "TIMEOUT" "SOURCES;LIBRARIES" ${ARGN})
  lander_track_resources()
  add_executable(${target} ${ARG_SOURCES} ${LANDER_RESOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES} gtest_main)
  set(options)
  if(ARG_TIMEOUT)
    list(APPEND options TIMEOUT ${ARG_TIMEOUT})
  endif()
  if(ARG_DESKTOP)
    list(APPEND options DESKTOP)
  endif()
  lander_add_wine_test(${target} ${options})
endfunction()

# lander_add_sim_gtest(<target> SOURCES ... [LIBRARIES ...])
# A GoogleTest executable run under Wine while the platform stand-in serves on
# a free port (LANDER_SIM_PORT) with its state folder in LANDER_SIM_STATE.
function(lander_add_sim_gtest target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  lander_track_resources()
  add_executable(${target} ${ARG_SOURCES} ${LANDER_RESOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES} gtest_main)
  add_test(NAME ${target}
    COMMAND ${CMAKE_SOURCE_DIR}/cmake/with-platform-sim.sh ${LANDER_WINE_ROOT}/sim/${target}
            ${LANDER_WINE_TEST} $<TARGET_FILE:${target}>)
  set_tests_properties(${target} PROPERTIES TIMEOUT 300
    ENVIRONMENT "${LANDER_WINE_TEST_ENV}")
endfunction()
