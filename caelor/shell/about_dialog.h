// Help > About ("DIAL_ABOUT"): run it with
// RunDialog(mainWindow, "DIAL_ABOUT", AboutDialogProc).
#pragma once

#include <windows.h>

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
