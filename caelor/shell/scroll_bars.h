// The main window's scroll bars as the movies use them: hidden, or shown with
// the range 0 .. 360 steering the Planetarium's view.
#pragma once

#include <windows.h>

// Which bars: the platform's SB_HORZ, SB_VERT and SB_BOTH.
constexpr int kHorizontalScrollBar = 0;
constexpr int kVerticalScrollBar = 1;
constexpr int kBothScrollBars = 3;

// Range 0 .. 0, which hides the bars, redrawn. A which outside 0, 1, 3 is the
// internal error; a range that cannot be set is fatal IDS_WINDOW_ERROR (module SET).
void HideScrollBars(HWND window, int which);

// Range 0 .. 360 and the given position, redrawn.
void ShowScrollBars(HWND window, int which, int position);
