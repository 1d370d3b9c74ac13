// The Assign Colors dialog (template "DIAL_ASSIGN_COLORS"): the user picks
// the colour of each item with the platform's colour chooser. Run it with
// RunDialog(mainWindow, "DIAL_ASSIGN_COLORS", AssignColorsDialogProc).
#pragma once

#include <windows.h>

INT_PTR CALLBACK AssignColorsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
