// What driver.cpp lends to the commands kept in files of their own.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

// The first top-level window, in z-order, whose title is exactly the given
// one, of the class when one is named. Unlike FindWindowA the case counts:
// the launcher's drop-down "RUZARADIDI" is not its menu editor "RuzaraDidi".
HWND DriverFindWindow(const char* title, const char* className = nullptr);

// The visible top-level window with the exact title, waited for; none when
// the time runs out.
HWND DriverWaitForWindow(const char* title, DWORD timeoutMs);

// Control id of that window; says on stdout what was missing.
HWND DriverWaitForControl(const char* title, int id, DWORD timeoutMs);

// The client area's pixels as the screen shows them now (0x00RRGGBB, top row
// first), and how many of them are not the window colour.
std::vector<unsigned> DriverClientPixels(HWND hwnd);
size_t DriverDrawnPixels(const std::vector<unsigned>& pixels);
