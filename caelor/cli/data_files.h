// Where caelor-cli reads the data files it shares with caelor.exe.
#pragma once

#include <string>

// The directory holding the data file `name` (CITIES.DAT, STARS.DAT): the
// program's own directory when the file is there (the build tree, a copied
// folder), else the data directory of an installed copy, found from the
// program's directory (bin/../share/caelor), so that a copy installed or
// unpacked under any prefix or root finds its own files. When neither holds
// it, the program's own directory, where the message then looks.
std::string DataDirectory(const char* name);
