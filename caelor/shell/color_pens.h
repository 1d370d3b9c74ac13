// The program's colour table with a one-pixel solid pen per colour item, as
// graphs and movies use them. Loaded while the main window is created, saved
// (after asking) at exit, pens deleted at exit.
#pragma once

#include "settings/colors.h"

#include <windows.h>

// The one colour table of the program.
ColorTable& Colors();

// Main window creation: reads the stored colours (the nearest the display
// shows) from the platform's settings store, then creates the 21 pens; a pen
// that cannot be made is fatal IDS_GDI_ERROR (module COLORS).
void LoadColors();

// Colour of item index 0 .. 20; item 20 is the system window-text colour,
// read now. Any other index is the internal error.
COLORREF ColorOf(int index);

// The nearest colour the display can show.
COLORREF NearestDisplayColor(COLORREF color);

// Selects the null pen into dc, then the pen of item index (item 20's pen is
// made anew first when the window-text colour changed since it was made).
// Failures are fatal IDS_GDI_ERROR, a bad index the internal error (module COLORS).
void SelectColorPen(HDC dc, int index);

// Replaces the pen of item index with one of its current colour.
void RecreateColorPen(int index);

// Saves the colours: forced, at once; otherwise, when they were modified,
// after "Save assigned colors?" was answered Yes. A failed save shows
// "Cannot save color information in file CAELOR.INI" and stays modified.
void SaveColors(HWND owner, bool forced);

// Exit: deletes every pen that exists.
void DeleteColorPens();
