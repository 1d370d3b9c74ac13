#include "cli/data_files.h"

#include "cli/options.h"

#include <unistd.h>

#ifndef CAELOR_DATA_DIR_FROM_BIN
#error "CMake names the installed data directory relative to the program's"
#endif

std::string DataDirectory(const char* name) {
    const std::string own = ProgramDirectory();
    const std::string installed = own + "/" CAELOR_DATA_DIR_FROM_BIN;
    for (const std::string& dir : {own, installed}) {
        if (access((dir + "/" + name).c_str(), R_OK) == 0) {
            return dir;
        }
    }
    return own;
}
