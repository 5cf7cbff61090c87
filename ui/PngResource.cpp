#include "ui/PngResource.h"

#include <objbase.h>

#include <cstring>

std::unique_ptr<Gdiplus::Image> LoadPngResourceImage(WORD id) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), L"PNG");
    if (!resource)
        return nullptr;
    DWORD size = SizeofResource(module, resource);
    HGLOBAL loaded = LoadResource(module, resource);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (size == 0 || !bytes)
        return nullptr;

    HGLOBAL block = GlobalAlloc(GMEM_FIXED, size);
    if (!block)
        return nullptr;
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(block, FALSE, &stream)) || !stream) {
        GlobalFree(block);
        return nullptr;
    }
    void* copy = GlobalLock(block);
    if (!copy) {
        stream->Release();
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(copy, bytes, size);
    GlobalUnlock(block);

    std::unique_ptr<Gdiplus::Image> image(Gdiplus::Image::FromStream(stream));
    if (!image) {
        stream->Release();
        GlobalFree(block);
        return nullptr;
    }
    // GDI+ may read the stream again whenever it draws the image, and images
    // can be handed anywhere, so the stream and its block are kept for the
    // rest of the process.
    return image;
}
