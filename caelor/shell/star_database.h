// The program's star catalogue STARS.DAT beside the executable: loaded while
// the main window is created, handed to the Planetarium dialog's star list,
// freed at exit.
#pragma once

#include <windows.h>

// Loads STARS.DAT (IDS_STARS_FILE_NAME). A missing or malformed file shows the error
// box 685 "Cannot load star database" once, owned by owner, and leaves the
// program without a catalogue; the Planetarium then stays unavailable.
// True when the catalogue was loaded.
bool LoadStarDatabase(HWND owner);

// Drops the catalogue and the dialog's view of it.
void FreeStarDatabase();
