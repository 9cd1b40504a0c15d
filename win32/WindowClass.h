#pragma once

#include <windows.h>

namespace tal::win32 {

// Window procedure glue: the object of type T that created the window receives its messages
// through T::handleMessage. The object is passed in lpCreateParams and kept in GWLP_USERDATA, and
// no exception crosses the procedure.
template <typename T>
LRESULT CALLBACK ObjectWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* object = reinterpret_cast<T*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (object == nullptr) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    try {
        return object->handleMessage(window, message, wParam, lParam);
    } catch (...) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace tal::win32
