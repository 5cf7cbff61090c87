// The skin in the built program: every "PNG" resource at its exact size as
// 8-bit RGBA, the popup bitmap, the icon and the dialog templates, read from
// Lander_Q7.exe itself.
#include "framework/Handles.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <gdiplus.h>
#include <shlwapi.h>

#include <set>
#include <string>
#include <vector>

namespace {

struct PngSize {
    WORD id;
    int width;
    int height;
};

// The images the windows size their buttons and pictures to.
const PngSize kPngs[] = {
    {172, 1, 30},  {203, 203, 30}, {206, 92, 30}, {207, 28, 26}, {208, 28, 26}, {227, 28, 26},
    {220, 28, 26}, {213, 28, 26},  {228, 28, 26}, {221, 28, 26}, {217, 28, 26}, {229, 28, 26},
    {209, 28, 26}, {210, 28, 26},  {230, 28, 26}, {211, 59, 24}, {212, 59, 24}, {231, 59, 24},
    {223, 97, 24}, {215, 97, 24},  {233, 97, 24}, {224, 86, 24}, {214, 86, 24}, {234, 86, 24},
    {226, 78, 24}, {219, 78, 24},  {236, 78, 24}, {252, 78, 24}, {253, 78, 24}, {261, 78, 24},
    {275, 1, 1},   {276, 23, 23},  {277, 23, 23}, {278, 23, 23}, {279, 23, 23}, {304, 256, 110},
    {314, 82, 34}, {313, 82, 34},  {312, 82, 34}, {311, 82, 34}, {316, 9, 8},   {319, 1216, 724},
    {320, 27, 30}, {321, 27, 30},  {322, 27, 30}, {323, 28, 31}, {324, 28, 31}, {325, 28, 31},
};

class ProgramResources : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        module_ = new fw::UniqueModule(
            LoadLibraryExW(L"Z:" LANDER_PROGRAM_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE));
    }
    static void TearDownTestSuite() {
        delete module_;
        module_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(module_->Valid()) << "cannot open " LANDER_PROGRAM_EXE; }

    static std::string Bytes(const wchar_t* type, WORD id) {
        HMODULE module = module_->Get();
        HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), type);
        if (!resource)
            return std::string();
        const char* data = static_cast<const char*>(LockResource(LoadResource(module, resource)));
        return data ? std::string(data, SizeofResource(module, resource)) : std::string();
    }

    static fw::UniqueModule* module_;
};

fw::UniqueModule* ProgramResources::module_ = nullptr;

uint32_t BigEndian(const std::string& bytes, size_t at) {
    return (static_cast<uint32_t>(static_cast<unsigned char>(bytes[at])) << 24) |
           (static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 16) |
           (static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 8) |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 3]));
}

TEST_F(ProgramResources, EveryPngHasItsSizeAndIsEightBitRgba) {
    for (const PngSize& png : kPngs) {
        SCOPED_TRACE(png.id);
        std::string bytes = Bytes(L"PNG", png.id);
        ASSERT_GT(bytes.size(), 33u);
        ASSERT_EQ(std::string("\x89PNG\r\n\x1a\n", 8), bytes.substr(0, 8));
        ASSERT_EQ("IHDR", bytes.substr(12, 4));
        EXPECT_EQ(static_cast<uint32_t>(png.width), BigEndian(bytes, 16));
        EXPECT_EQ(static_cast<uint32_t>(png.height), BigEndian(bytes, 20));
        EXPECT_EQ(8, bytes[24]) << "bit depth";
        EXPECT_EQ(6, bytes[25]) << "colour type RGBA";

        fw::ComPtr<IStream> stream = fw::ComPtr<IStream>::Attach(SHCreateMemStream(
            reinterpret_cast<const BYTE*>(bytes.data()), static_cast<UINT>(bytes.size())));
        Gdiplus::Bitmap bitmap(stream.Get());
        ASSERT_EQ(Gdiplus::Ok, bitmap.GetLastStatus());
        EXPECT_EQ(static_cast<UINT>(png.width), bitmap.GetWidth());
        EXPECT_EQ(static_cast<UINT>(png.height), bitmap.GetHeight());
        EXPECT_EQ(PixelFormat32bppARGB, bitmap.GetPixelFormat());
    }
}

BOOL CALLBACK CollectId(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR context) {
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::set<WORD>*>(context)->insert(
            static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

TEST_F(ProgramResources, NoOtherPngIsShipped) {
    std::set<WORD> shipped;
    EnumResourceNamesW(module_->Get(), L"PNG", CollectId, reinterpret_cast<LONG_PTR>(&shipped));
    std::set<WORD> listed;
    for (const PngSize& png : kPngs)
        listed.insert(png.id);
    EXPECT_EQ(listed, shipped);
}

TEST_F(ProgramResources, OverlayMaskIsOneBlackPixelAtAlpha230) {
    std::string bytes = Bytes(L"PNG", 275);
    fw::ComPtr<IStream> stream = fw::ComPtr<IStream>::Attach(SHCreateMemStream(
        reinterpret_cast<const BYTE*>(bytes.data()), static_cast<UINT>(bytes.size())));
    Gdiplus::Bitmap bitmap(stream.Get());
    Gdiplus::Color colour;
    ASSERT_EQ(Gdiplus::Ok, bitmap.GetPixel(0, 0, &colour));
    EXPECT_EQ(0xE6000000u, colour.GetValue());
}

TEST_F(ProgramResources, LoginSkinHasRealTransparency) {
    std::string bytes = Bytes(L"PNG", 319);
    fw::ComPtr<IStream> stream = fw::ComPtr<IStream>::Attach(SHCreateMemStream(
        reinterpret_cast<const BYTE*>(bytes.data()), static_cast<UINT>(bytes.size())));
    Gdiplus::Bitmap bitmap(stream.Get());
    Gdiplus::Color corner, centre;
    bitmap.GetPixel(0, 0, &corner);
    bitmap.GetPixel(608, 362, &centre);
    EXPECT_LT(corner.GetA(), 255) << "the corner lets the desktop through";
    EXPECT_EQ(255, centre.GetA());
}

TEST_F(ProgramResources, PopupBitmapIs739By471At24BitsWithGreenHoles) {
    std::string bytes = Bytes(MAKEINTRESOURCEW(2) /* RT_BITMAP */, 318);
    ASSERT_GE(bytes.size(), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header{};
    memcpy(&header, bytes.data(), sizeof(header));
    EXPECT_EQ(739, header.biWidth);
    EXPECT_EQ(471, std::abs(header.biHeight));
    EXPECT_EQ(24, header.biBitCount);
    EXPECT_EQ(static_cast<DWORD>(BI_RGB), header.biCompression);

    size_t stride = (739 * 3 + 3) & ~size_t(3);
    size_t offset = header.biSize + header.biClrUsed * 4;
    ASSERT_EQ(offset + stride * 471, bytes.size());
    size_t green = 0;
    for (size_t row = 0; row < 471; ++row)
        for (size_t x = 0; x < 739; ++x) {
            const char* p = bytes.data() + offset + row * stride + x * 3;
            green += p[0] == 0 && static_cast<unsigned char>(p[1]) == 255 && p[2] == 0;
        }
    EXPECT_GT(green, 739u * 20) << "holes where the panel shows through";
    EXPECT_LT(green, 739u * 471 / 2) << "and a face of its own";
}

TEST_F(ProgramResources, IconComesInSeveralSizes) {
    std::string group = Bytes(MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, 273);
    ASSERT_GE(group.size(), 6u);
    int count = static_cast<unsigned char>(group[4]) | (static_cast<unsigned char>(group[5]) << 8);
    EXPECT_GE(count, 3);
    std::set<int> widths;
    for (int i = 0; i < count && 6 + 14 * (i + 1) <= static_cast<int>(group.size()); ++i)
        widths.insert(static_cast<unsigned char>(group[6 + 14 * i]));
    EXPECT_TRUE(widths.count(16));
    EXPECT_TRUE(widths.count(32));
}

TEST_F(ProgramResources, DialogTemplatesOfTheSkinnedWindowsExist) {
    for (WORD id : {103, 164, 274, 1015})
        EXPECT_FALSE(Bytes(MAKEINTRESOURCEW(5) /* RT_DIALOG */, id).empty()) << id;
}

} // namespace
