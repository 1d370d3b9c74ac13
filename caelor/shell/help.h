// The help layer: the program's own help window over the topics compiled
// into its resources, opened with the commands of the platform's help call
// (HELP_CONTEXT, HELP_KEY, HELP_PARTIALKEY, HELP_INDEX, HELP_CONTENTS,
// HELP_HELPONHELP, HELP_QUIT).
#pragma once

#include <windows.h>

// Opens (or brings forward) the help window at the topic the command names,
// or closes it for HELP_QUIT. helpFile is the help file's path, shown in the
// window's caption; data is the context number (HELP_CONTEXT) or the keyword
// text (HELP_KEY, HELP_PARTIALKEY). Returns FALSE when help cannot be shown
// (the topics cannot be loaded, the window cannot be made, or there is no
// such topic); HELP_QUIT always succeeds.
BOOL ShowHelp(HWND owner, const char* helpFile, UINT command, ULONG_PTR data);
