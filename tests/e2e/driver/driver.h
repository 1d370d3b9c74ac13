// What driver.cpp lends to the commands kept in files of their own.
#pragma once

#include <windows.h>

// The visible top-level window with the exact title, waited for; none when
// the time runs out.
HWND DriverWaitForWindow(const char* title, DWORD timeoutMs);

// Control id of that window; says on stdout what was missing.
HWND DriverWaitForControl(const char* title, int id, DWORD timeoutMs);
