// The running movie in the main window: started when a movie dialog is
// accepted, advanced by timer 1, steered by F2 .. F8 and the Planetarium's
// scroll bars, stopped by Stop or another command. Its frame, jet-trail and
// world-map surfaces count as the window's bitmaps: FreeBitmaps frees them.
#pragma once

#include "engine/location.h"
#include "settings/menu_state.h"

#include <windows.h>

// After the dialog of a movie command (IDM_MOVIE_*) was accepted: the run starts from the
// dialog's values and the current place.
void StartMovie(int command, const Location& place);

// No movie runs any more.
void StopMovie();

// One tick of the running movie into the window's client area (the drawing
// size width x height). Failures to get or release the window's surface are
// fatal IDS_GDI_ERROR.
void MovieTick(HWND window, int width, int height);

// The keys IDM_MOVIE_KEY_FIRST .. IDM_MOVIE_KEY_LAST; the check marks of
// Pause and Jet Trails are set on menu (fatal IDS_MENU_ERROR when they cannot be).
void MovieKeyCommand(HWND window, HMENU menu, int id);

// A scroll message while the Planetarium runs without tracking; returns true
// when the timer is to stand still (the thumb is being dragged).
bool MovieScroll(int message, int code, int position);

// Erases the jet trails and the prepared world map.
void FreeMovieSurfaces();

// The time speed, view angle and Day/Night step the menu refresh looks at.
void MovieMenuView(MenuView& view);

// The end-to-end tests' window onto the running movie, answered for the
// registered message "CaelorMovieProbe" with wParam one of these: the frame
// counter (-1 when no movie runs), the time speed, the view angle x 100, the
// Day/Night step, whether Pause and Jet Trails are checked, the movie keys
// the menu rules enable (bit id - IDM_MOVIE_KEY_FIRST), the GDI objects of
// the process, the current command given; and kProbeStatusLineFirst + n, a
// global atom holding the n-th status line of the last frame (0 past the
// last; the asker deletes it).
enum MovieProbeQuery : WPARAM {
    kProbeFrame = 0,
    kProbeTimeSpeed = 1,
    kProbeViewAngle = 2,
    kProbeDayNightStep = 3,
    kProbePauseChecked = 4,
    kProbeJetTrailsChecked = 5,
    kProbeMovieKeysEnabled = 6,
    kProbeGdiObjects = 7,
    kProbeCurrentCommand = 8,
    kProbeStatusLineFirst = 100,
};
UINT MovieProbeMessage();
LRESULT MovieProbe(HWND window, WPARAM what, int currentCommand);
