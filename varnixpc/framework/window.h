// A native window wrapped by an object. Messages reach the object through
// one window procedure and are dispatched to virtual handlers; a message no
// handler takes goes to the platform's default procedure.
#pragma once

#include <windows.h>

class Window {
  public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }

    // Registers a class whose windows are dispatched to their objects; the
    // class's window procedure is the framework's.
    static bool RegisterWindowClass(WNDCLASSA wc);

    bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                  int y, int width, int height, HWND parent);
    void DestroyWindow();

  protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Return -1 to fail the creation.
    virtual int OnCreate() { return 0; }
    virtual void OnPaint();
    virtual void OnLButtonDown(UINT, int, int) {}
    virtual void OnLButtonUp(UINT, int, int) {}
    virtual void OnMouseMove(UINT, int, int) {}
    virtual void OnRButtonDown(UINT, int, int) {}
    virtual void OnTimer(UINT_PTR) {}
    virtual void OnDropFiles(HDROP) {}
    // True when the command was handled.
    virtual bool OnCommand(WORD) { return false; }
    virtual void OnActivateApp(bool) {}
    virtual void OnDestroy() {}
    // After the native window is gone; the object may delete itself here.
    virtual void PostNcDestroy() {}

  private:
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};
