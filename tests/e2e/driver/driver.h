// What driver.cpp lends to the commands kept in files of their own.
#pragma once

#include <windows.h>

// The first top-level window, in z-order, whose title is exactly the given
// one, of the class when one is named. Unlike FindWindowA the case counts:
// the launcher's drop-down "RUZARADIDI" is not its menu editor "RuzaraDidi".
HWND DriverFindWindow(const char* title, const char* className = nullptr);

// The visible top-level window with the exact title, waited for; none when
// the time runs out.
HWND DriverWaitForWindow(const char* title, DWORD timeoutMs);

// Control id of that window; says on stdout what was missing.
HWND DriverWaitForControl(const char* title, int id, DWORD timeoutMs);
