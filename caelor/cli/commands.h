// The commands of caelor-cli. Each takes the arguments after its name and
// returns the exit code: 0 done, 1 failed, 2 bad arguments.
#pragma once

int StringsCommand(int argc, char** argv);
int EphemerisCommand(int argc, char** argv);
int ReportCommand(int argc, char** argv);
int GraphCommand(int argc, char** argv);
int MovieCommand(int argc, char** argv);
