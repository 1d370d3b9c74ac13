// Program entry and the main window.

#include "resources/string_table.h"

#include <windows.h>

namespace {

constexpr int kTitleSize = 81;

HINSTANCE g_instance;
char g_appName[kTitleSize];

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

// The window is sized in widths of the system fixed font so that reports of
// 80 columns fit at their natural size.
int FixedFontCharWidth() {
    int width = 8;
    HDC dc = GetDC(nullptr);
    if (dc == nullptr) {
        return width;
    }
    HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FIXED_FONT));
    TEXTMETRICA metrics;
    if (GetTextMetricsA(dc, &metrics)) {
        width = metrics.tmAveCharWidth;
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return width;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    g_instance = instance;
    LoadText(52, g_appName, kTitleSize);

    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "ICON");
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = g_appName;
    if (!RegisterClassA(&wc)) {
        return 1;
    }

    const int charWidth = FixedFontCharWidth();
    HWND hwnd = CreateWindowA(g_appName, g_appName, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                              CW_USEDEFAULT, CW_USEDEFAULT, 72 * charWidth, 54 * charWidth, nullptr,
                              nullptr, instance, nullptr);
    if (hwnd == nullptr) {
        return 1;
    }
    ShowWindow(hwnd, showCommand);
    UpdateWindow(hwnd);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
