// Holders of GDI+ bitmaps for the skinned controls. The resource holder keeps
// the encoded PNG bytes that its bitmap reads from for as long as the bitmap
// exists.
#pragma once

#include <windows.h>
#include <gdiplus.h>

#include <memory>

class CGdiPlusBitmap {
public:
    CGdiPlusBitmap() = default;
    CGdiPlusBitmap(const CGdiPlusBitmap&) = delete;
    CGdiPlusBitmap& operator=(const CGdiPlusBitmap&) = delete;
    virtual ~CGdiPlusBitmap() = default;

    // Null when nothing usable was loaded.
    Gdiplus::Bitmap* Get() const { return bitmap_.get(); }

protected:
    std::unique_ptr<Gdiplus::Bitmap> bitmap_;
};

class CGdiPlusBitmapResource : public CGdiPlusBitmap {
public:
    CGdiPlusBitmapResource() = default;
    ~CGdiPlusBitmapResource() override;

    // Loads the "PNG" resource id of the executable; true when the holder then
    // has a usable bitmap. Whatever was held before is released first.
    bool LoadFromResource(WORD id);

private:
    void Release();

    // Movable block holding a copy of the PNG bytes, locked while in use.
    HGLOBAL buffer_ = nullptr;
};
