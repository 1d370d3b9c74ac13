#include "framework/window.h"

#include <windowsx.h>

Window::~Window() {
    if (hwnd_ != nullptr) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        ::DestroyWindow(hwnd_);
    }
}

bool Window::RegisterWindowClass(WNDCLASSA wc) {
    wc.lpfnWndProc = StaticWindowProc;
    WNDCLASSA existing;
    if (GetClassInfoA(wc.hInstance, wc.lpszClassName, &existing)) {
        return true;
    }
    return RegisterClassA(&wc) != 0;
}

bool Window::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                      int y, int width, int height, HWND parent) {
    HWND hwnd = CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent,
                                nullptr, GetModuleHandleA(nullptr), this);
    return hwnd != nullptr;
}

void Window::DestroyWindow() {
    if (hwnd_ != nullptr) {
        ::DestroyWindow(hwnd_);
    }
}

void Window::OnPaint() {
    PAINTSTRUCT ps;
    BeginPaint(hwnd_, &ps);
    EndPaint(hwnd_, &ps);
}

LRESULT Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    const UINT flags = static_cast<UINT>(wParam);
    switch (message) {
    case WM_CREATE:
        return OnCreate();
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: // the class takes double clicks; the second press is a press too
        OnLButtonDown(flags, x, y);
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(flags, x, y);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(flags, x, y);
        return 0;
    case WM_RBUTTONDOWN:
        OnRButtonDown(flags, x, y);
        return 0;
    case WM_TIMER:
        OnTimer(static_cast<UINT_PTR>(wParam));
        return 0;
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_COMMAND:
        if (OnCommand(LOWORD(wParam))) {
            return 0;
        }
        break;
    case WM_ACTIVATEAPP:
        OnActivateApp(wParam != FALSE);
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<Window*>(create->lpCreateParams);
        if (self != nullptr) {
            self->hwnd_ = hwnd;
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        const LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
        self->PostNcDestroy(); // may delete the object: nothing touches it after this
        return result;
    }
    // A handler may destroy the window and with it the object: the result
    // is returned without touching the object again.
    return self->WindowProc(message, wParam, lParam);
}
