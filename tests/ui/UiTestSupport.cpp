#include "tests/ui/UiTestSupport.h"

#include "framework/Dc.h"
#include "framework/Handles.h"

#include <gtest/gtest.h>
#include <commctrl.h>
#include <shlwapi.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace uitest {

namespace {

class UiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&icc);
        Gdiplus::GdiplusStartupInput input;
        ASSERT_EQ(Gdiplus::Ok, Gdiplus::GdiplusStartup(&token_, &input, nullptr));
    }
    void TearDown() override { Gdiplus::GdiplusShutdown(token_); }

private:
    ULONG_PTR token_ = 0;
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new UiEnvironment);

uint32_t Channel(uint32_t colour, int shift) {
    return (colour >> shift) & 0xFF;
}

int Blend(double source, int alpha, uint32_t under) {
    double value = (source * alpha + static_cast<double>(under) * (255 - alpha)) / 255.0;
    return static_cast<int>(std::lround(value));
}

int Brighten(int channel) {
    return std::min(255, static_cast<int>(std::lround(channel * 1.05 + 0.05 * 255)));
}

void PumpWith(DWORD milliseconds, bool preTranslate) {
    DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (preTranslate && fw::CWnd::WalkPreTranslateTree(nullptr, &msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (GetTickCount() - start >= milliseconds)
            break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

bool PngEncoder(CLSID* clsid) {
    UINT count = 0;
    UINT size = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0)
        return false;
    std::vector<BYTE> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, size, codecs) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i) {
        if (std::wstring(codecs[i].MimeType) == L"image/png") {
            *clsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

} // namespace

Pixels Pixels::Crop(const RECT& rect) const {
    Pixels result;
    result.width = rect.right - rect.left;
    result.height = rect.bottom - rect.top;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            result.data.push_back(At(x, y));
    return result;
}

void PrintTo(const Pixels& pixels, std::ostream* out) {
    *out << pixels.width << " x " << pixels.height << " pixels";
}

int ChannelDistance(uint32_t a, uint32_t b) {
    int worst = 0;
    for (int shift : {0, 8, 16})
        worst = std::max(worst, std::abs(static_cast<int>(Channel(a, shift)) -
                                         static_cast<int>(Channel(b, shift))));
    return worst;
}

int MaxDistance(const Pixels& a, const Pixels& b) {
    if (a.width != b.width || a.height != b.height)
        return 256;
    int worst = 0;
    for (size_t i = 0; i < a.data.size(); ++i)
        worst = std::max(worst, ChannelDistance(a.data[i], b.data[i]));
    return worst;
}

void Pump(DWORD milliseconds) {
    PumpWith(milliseconds, true);
}

void PumpRaw(DWORD milliseconds) {
    PumpWith(milliseconds, false);
}

Pixels CaptureClient(HWND window) {
    Pixels pixels;
    RECT client{};
    GetClientRect(window, &client);
    pixels.width = client.right;
    pixels.height = client.bottom;
    pixels.data.assign(static_cast<size_t>(pixels.width) * pixels.height, 0);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = pixels.width;
    info.bmiHeader.biHeight = -pixels.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    fw::WindowDc windowDc(window);
    fw::UniqueGdiObject section(
        CreateDIBSection(windowDc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    fw::UniqueMemoryDc memory(CreateCompatibleDC(windowDc.Get()));
    if (!section || !memory || !bits)
        return pixels;
    {
        fw::ScopedSelect select(memory.Get(), section.Get());
        BitBlt(memory.Get(), 0, 0, pixels.width, pixels.height, windowDc.Get(), 0, 0, SRCCOPY);
        GdiFlush();
    }
    const auto* source = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < pixels.data.size(); ++i)
        pixels.data[i] = source[i] & 0xFFFFFF;
    return pixels;
}

std::unique_ptr<Gdiplus::Bitmap> DecodePng(WORD id) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), L"PNG");
    if (!resource)
        return nullptr;
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
    fw::ComPtr<IStream> stream =
        fw::ComPtr<IStream>::Attach(SHCreateMemStream(bytes, SizeofResource(module, resource)));
    if (!stream)
        return nullptr;
    std::unique_ptr<Gdiplus::Bitmap> bitmap(Gdiplus::Bitmap::FromStream(stream.Get()));
    if (!bitmap || bitmap->GetLastStatus() != Gdiplus::Ok)
        return nullptr;
    // Decode now, while the stream is alive.
    Gdiplus::Color probe;
    bitmap->GetPixel(0, 0, &probe);
    std::unique_ptr<Gdiplus::Bitmap> copy(bitmap->Clone(0, 0, static_cast<INT>(bitmap->GetWidth()),
                                                        static_cast<INT>(bitmap->GetHeight()),
                                                        PixelFormat32bppARGB));
    return copy;
}

void CompositeOnto(Pixels& under, Gdiplus::Bitmap& image, int x0, int y0) {
    int width = static_cast<int>(image.GetWidth());
    int height = static_cast<int>(image.GetHeight());
    for (int y = 0; y < height && y0 + y < under.height; ++y) {
        for (int x = 0; x < width && x0 + x < under.width; ++x) {
            Gdiplus::Color colour;
            image.GetPixel(x, y, &colour);
            uint32_t& target = under.data[static_cast<size_t>(y0 + y) * under.width + x0 + x];
            int a = colour.GetA();
            target = Rgb(Blend(colour.GetR(), a, Channel(target, 16)),
                         Blend(colour.GetG(), a, Channel(target, 8)),
                         Blend(colour.GetB(), a, Channel(target, 0)));
        }
    }
}

Pixels Composite(Gdiplus::Bitmap& image, uint32_t background, int width, int height,
                 bool brighten) {
    Pixels pixels;
    pixels.width = width;
    pixels.height = height;
    pixels.data.assign(static_cast<size_t>(width) * height, background);
    if (!brighten) {
        CompositeOnto(pixels, image, 0, 0);
        return pixels;
    }
    Gdiplus::Bitmap bright(static_cast<INT>(image.GetWidth()), static_cast<INT>(image.GetHeight()),
                           PixelFormat32bppARGB);
    for (UINT y = 0; y < image.GetHeight(); ++y) {
        for (UINT x = 0; x < image.GetWidth(); ++x) {
            Gdiplus::Color c;
            image.GetPixel(x, y, &c);
            bright.SetPixel(x, y,
                            Gdiplus::Color(c.GetA(), static_cast<BYTE>(Brighten(c.GetR())),
                                           static_cast<BYTE>(Brighten(c.GetG())),
                                           static_cast<BYTE>(Brighten(c.GetB()))));
        }
    }
    CompositeOnto(pixels, bright, 0, 0);
    return pixels;
}

std::wstring SaveArtifact(const Pixels& pixels, const std::wstring& name) {
    wchar_t scratch[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"LANDER_TEST_SCRATCH", scratch, MAX_PATH))
        return std::wstring();
    std::wstring folder = std::wstring(L"Z:") + scratch + L"/../artifacts";
    CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring path = folder + L"/" + name;

    Gdiplus::Bitmap bitmap(pixels.width, pixels.height, PixelFormat32bppRGB);
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x)
            bitmap.SetPixel(x, y, Gdiplus::Color(0xFF000000 | pixels.At(x, y)));
    CLSID png{};
    if (!PngEncoder(&png) || bitmap.Save(path.c_str(), &png, nullptr) != Gdiplus::Ok)
        return std::wstring();
    return path;
}

bool SolidWindow::Create(const RECT& rect) {
    return CreateEx(0, nullptr, L"", WS_POPUP, rect, nullptr, 0);
}

LRESULT SolidWindow::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(m_hWnd, &client);
        fw::UniqueGdiObject brush(
            CreateSolidBrush(RGB(Channel(colour_, 16), Channel(colour_, 8), Channel(colour_, 0))));
        FillRect(reinterpret_cast<HDC>(wParam), &client, static_cast<HBRUSH>(brush.Get()));
        return TRUE;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            ++clicks;
        else if (HIWORD(wParam) == BN_DOUBLECLICKED)
            ++doubleClicks;
        break;
    default:
        break;
    }
    return fw::CWnd::WindowProc(msg, wParam, lParam);
}

} // namespace uitest
