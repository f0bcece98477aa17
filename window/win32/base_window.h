#pragma once

#include <windows.h>

namespace lumora {

// Routes a window's messages to Derived::HandleMessage, keeping `this` in the
// window's user data from WM_NCCREATE on.
template <typename Derived>
class BaseWindow {
  public:
    HWND Window() const { return hwnd_; }

  protected:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        Derived* self = nullptr;
        if (message == WM_NCCREATE) {
            self = static_cast<Derived*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            self->hwnd_ = hwnd;
        } else {
            self = reinterpret_cast<Derived*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        }
        if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            const LRESULT result = self->HandleMessage(message, wParam, lParam);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
            return result;
        }
        return self->HandleMessage(message, wParam, lParam);
    }

    HWND hwnd_ = nullptr;
};

}  // namespace lumora
