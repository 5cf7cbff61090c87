#include "ui/GdiPlusBitmap.h"

#include "framework/Handles.h"

#include <cstring>

CGdiPlusBitmapResource::~CGdiPlusBitmapResource() {
    Release();
}

void CGdiPlusBitmapResource::Release() {
    // The bitmap reads from the block, so it goes first.
    bitmap_.reset();
    if (buffer_) {
        GlobalUnlock(buffer_);
        GlobalFree(buffer_);
        buffer_ = nullptr;
    }
}

bool CGdiPlusBitmapResource::LoadFromResource(WORD id) {
    Release();

    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), L"PNG");
    if (!resource)
        return false;
    DWORD size = SizeofResource(module, resource);
    if (size == 0)
        return false;
    HGLOBAL loaded = LoadResource(module, resource);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return false;

    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block)
        return false;
    void* copy = GlobalLock(block);
    if (!copy) {
        GlobalFree(block);
        return false;
    }
    std::memcpy(copy, bytes, size);
    buffer_ = block;

    fw::ComPtr<IStream> stream;
    if (SUCCEEDED(CreateStreamOnHGlobal(block, FALSE, stream.Put())) && stream) {
        bitmap_.reset(Gdiplus::Bitmap::FromStream(stream.Get()));
        stream.Reset();
        if (bitmap_ && bitmap_->GetLastStatus() == Gdiplus::Ok)
            return true;
    }
    Release();
    return false;
}
