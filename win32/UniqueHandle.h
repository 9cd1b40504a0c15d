#pragma once

#include <windows.h>

#include <utility>

namespace tal::win32 {

// Owns one handle of type T and closes it with Close. Move-only.
template <typename T, auto Close, T Invalid = T{}>
class UniqueAny {
public:
    UniqueAny() = default;
    explicit UniqueAny(T value) : value_(value) {}
    ~UniqueAny() { reset(); }

    UniqueAny(const UniqueAny&) = delete;
    UniqueAny& operator=(const UniqueAny&) = delete;
    UniqueAny(UniqueAny&& other) noexcept : value_(other.release()) {}
    UniqueAny& operator=(UniqueAny&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }

    T get() const { return value_; }
    explicit operator bool() const { return value_ != Invalid; }

    T release() { return std::exchange(value_, Invalid); }
    void reset(T value = Invalid) {
        if (value_ != Invalid) {
            // A close on the way out of a failed call must not replace the error that the caller
            // reads next.
            const DWORD error = ::GetLastError();
            Close(value_);
            ::SetLastError(error);
        }
        value_ = value;
    }
    // For out-parameters: closes what is held and hands out the slot.
    T* put() {
        reset();
        return &value_;
    }

private:
    T value_ = Invalid;
};

using UniqueHkey = UniqueAny<HKEY, &::RegCloseKey>;
using UniqueHandle = UniqueAny<HANDLE, &::CloseHandle>;
using UniqueFont = UniqueAny<HFONT, &::DeleteObject>;
using UniqueWindow = UniqueAny<HWND, &::DestroyWindow>;

}  // namespace tal::win32
