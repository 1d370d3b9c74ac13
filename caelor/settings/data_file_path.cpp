#include "settings/data_file_path.h"

#include <cstring>

DataFilePathResult JoinDataFilePath(const char* modulePath, const char* fileName, char* path,
                                    std::size_t capacity) {
    if (capacity > 0) {
        path[0] = '\0';
    }
    const char* lastBackslash = std::strrchr(modulePath, '\\');
    if (lastBackslash == nullptr) {
        return DataFilePathResult::kNoDirectory;
    }
    const std::size_t directoryLength = static_cast<std::size_t>(lastBackslash - modulePath) + 1;
    const std::size_t nameLength = std::strlen(fileName);
    if (directoryLength + nameLength + 1 > capacity) {
        return DataFilePathResult::kTooLong;
    }
    std::memcpy(path, modulePath, directoryLength);
    std::memcpy(path + directoryLength, fileName, nameLength + 1);
    return DataFilePathResult::kOk;
}
