// The running movie in the main window: started when a movie dialog is
// accepted, advanced by timer 1, steered by F2 .. F8 and the Planetarium's
// scroll bars, stopped by Stop or another command. Its frame, jet-trail and
// world-map surfaces count as the window's bitmaps: FreeBitmaps frees them.
#pragma once

#include "engine/location.h"
#include "settings/menu_state.h"

#include <windows.h>

// After the dialog of command 61 .. 67 was accepted: the run starts from the
// dialog's values and the current place.
void StartMovie(int command, const Location& place);

// No movie runs any more.
void StopMovie();

// One tick of the running movie into the window's client area (the drawing
// size width x height). Failures to get or release the window's surface are
// fatal 693.
void MovieTick(HWND window, int width, int height);

// Commands 68 .. 74; the check marks of Pause (74) and Jet Trails (72) are
// set on menu (fatal 860 when they cannot be).
void MovieKeyCommand(HWND window, HMENU menu, int id);

// A scroll message while the Planetarium runs without tracking; returns true
// when the timer is to stand still (the thumb is being dragged).
bool MovieScroll(int message, int code, int position);

// Erases the jet trails and the prepared world map.
void FreeMovieSurfaces();

// The time speed, view angle and Day/Night step the menu refresh looks at.
void MovieMenuView(MenuView& view);

// The end-to-end tests' window onto the running movie, answered for the
// registered message "CaelorMovieProbe": what = 0 frame counter (-1 when no
// movie runs), 1 time speed, 2 view angle x 100, 3 Day/Night step, 4 Pause
// checked, 5 Jet Trails checked, 6 the items 68 .. 74 the menu rules enable
// (bit id - 68), 7 GDI objects of the process, 8 current command given,
// 100 + n a global atom holding the n-th status line of the last frame
// (0 past the last; the asker deletes it).
UINT MovieProbeMessage();
LRESULT MovieProbe(HWND window, WPARAM what, int currentCommand);
