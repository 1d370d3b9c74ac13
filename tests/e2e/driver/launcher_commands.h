// Driver commands for the launcher bar's end-to-end tests.
#pragma once

// Runs the launcher command named by argv[1]; returns -1 when argv names
// none of them, so the caller can go on with its own commands.
int LauncherCommand(int argc, char** argv);
