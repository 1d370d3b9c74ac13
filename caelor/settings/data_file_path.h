// Where the program's data files (city and star databases, help file) are
// found: in the directory of the running executable.
#pragma once

#include <cstddef>

enum class DataFilePathResult {
    kOk,
    kNoDirectory, // the executable's path holds no backslash
    kTooLong,     // the joined path with its terminating zero does not fit
};

// Joins the directory of modulePath (everything up to and including its last
// backslash) with fileName into path, a buffer of capacity bytes. On any
// failure path is left empty (when capacity allows) and never truncated.
DataFilePathResult JoinDataFilePath(const char* modulePath, const char* fileName, char* path,
                                    std::size_t capacity);
