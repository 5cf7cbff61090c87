// The framework's device-context object: a drawing context that it owns (and
// deletes), or whose handles a derived class borrows from another context.
#pragma once

#include <windows.h>

namespace fw {

class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    // Deletes the context held in m_hDC; a borrower clears m_hDC first.
    virtual ~CDC();

    bool CreateCompatibleDC(HDC reference);
    HDC GetSafeHdc() const { return m_hDC; }
    bool IsPrinting() const { return m_bPrinting; }

    HDC m_hDC = nullptr;
    // The context that attribute queries go to; the same as m_hDC except for
    // print preview, which the program never uses.
    HDC m_hAttribDC = nullptr;
    bool m_bPrinting = false;
};

// A memory context with a compatible bitmap of its own selected into it, kept
// as long as the object lives.
class CBitmapDC : public CDC {
public:
    CBitmapDC() = default;
    ~CBitmapDC() override;

    // A width x height surface compatible with reference; false leaves the
    // object empty.
    bool Create(HDC reference, int width, int height);

private:
    HGDIOBJ bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

} // namespace fw
