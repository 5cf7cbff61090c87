// Owners of the two automation value types the browser code passes around:
// BSTR strings and VARIANTs, freed on every path out of their scope.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <utility>

namespace fw {

class Bstr {
public:
    Bstr() = default;
    // A copy of text; null text gives a null string.
    explicit Bstr(const wchar_t* text) : value_(text ? SysAllocString(text) : nullptr) {}
    explicit Bstr(const std::wstring& text)
        : value_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { SysFreeString(value_); }

    BSTR Get() const { return value_; }
    // Address for an out-parameter; frees what was held first.
    BSTR* Put() {
        SysFreeString(std::exchange(value_, nullptr));
        return &value_;
    }
    // Hands the string over to a new owner.
    BSTR Release() { return std::exchange(value_, nullptr); }
    const wchar_t* Text() const { return value_ ? value_ : L""; }

private:
    BSTR value_ = nullptr;
};

class Variant {
public:
    Variant() { VariantInit(&value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(&value_); }

    VARIANT* Get() { return &value_; }
    const VARIANT& Value() const { return value_; }

    // Holds a copy of text as a string value.
    void SetText(const wchar_t* text) {
        VariantClear(&value_);
        value_.vt = VT_BSTR;
        value_.bstrVal = Bstr(text).Release();
    }
    void SetLong(LONG number) {
        VariantClear(&value_);
        value_.vt = VT_I4;
        value_.lVal = number;
    }

private:
    VARIANT value_;
};

} // namespace fw
