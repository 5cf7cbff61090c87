// Owning wrappers for the COM and OLE automation values the stand-in passes
// around: interface pointers, BSTRs and VARIANTs.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <utility>

namespace standin {

template <class T> class ComPtr {
public:
    ComPtr() = default;
    ComPtr(T* p) : p_(p) {
        if (p_)
            p_->AddRef();
    }
    ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }
    ~ComPtr() { Reset(); }

    // Takes over a reference that the caller already owns.
    static ComPtr Adopt(T* p) {
        ComPtr result;
        result.p_ = p;
        return result;
    }

    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    // For out-parameters: drops the current reference first.
    T** Receive() {
        Reset();
        return &p_;
    }

    void Reset() { ReleaseCount(); }

    // Drops the reference and returns the count the object reported, so the
    // log can show what the other side still holds.
    ULONG ReleaseCount() {
        ULONG count = 0;
        if (p_)
            count = std::exchange(p_, nullptr)->Release();
        return count;
    }

    // Hands the reference to an out-parameter.
    T* Detach() { return std::exchange(p_, nullptr); }

    template <class U> ComPtr<U> As(REFIID iid) const {
        ComPtr<U> result;
        if (p_)
            p_->QueryInterface(iid, reinterpret_cast<void**>(result.Receive()));
        return result;
    }

private:
    T* p_ = nullptr;
};

class BStr {
public:
    BStr() = default;
    explicit BStr(const std::wstring& text)
        : s_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    BStr(const BStr&) = delete;
    BStr& operator=(const BStr&) = delete;
    ~BStr() { SysFreeString(s_); }

    BSTR Get() const { return s_; }
    BSTR Detach() { return std::exchange(s_, nullptr); }
    BSTR* Receive() {
        SysFreeString(std::exchange(s_, nullptr));
        return &s_;
    }
    std::wstring Text() const { return s_ ? std::wstring(s_, SysStringLen(s_)) : std::wstring(); }

private:
    BSTR s_ = nullptr;
};

class Variant {
public:
    Variant() { VariantInit(&v_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(&v_); }

    VARIANT* Get() { return &v_; }

private:
    VARIANT v_;
};

// Copies a string into a freshly allocated BSTR for an out-parameter.
inline HRESULT ReturnString(const std::wstring& text, BSTR* out) {
    if (!out)
        return E_POINTER;
    *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

// The text of a variant that holds or refers to a string; empty otherwise.
std::wstring VariantText(const VARIANT* value);

// "{xxxxxxxx-...}" for the log.
std::wstring GuidText(REFGUID guid);

} // namespace standin
