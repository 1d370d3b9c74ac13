#include "settings/city_file.h"

#include <cstdio>

std::FILE* StdioCityFileSystem::Create(const std::string& path) {
    return std::fopen(path.c_str(), "w");
}

bool StdioCityFileSystem::Close(std::FILE* file) {
    return std::fclose(file) == 0;
}

bool StdioCityFileSystem::Replace(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

void StdioCityFileSystem::Remove(const std::string& path) {
    std::remove(path.c_str());
}

namespace {

bool WriteText(std::FILE* file, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), file) == text.size();
}

bool WriteAll(std::FILE* file, const CityDatabase& db) {
    if (!WriteText(file, db.currentName + "\n")) {
        return false;
    }
    for (const CityEntry& entry : db.entries) {
        if (!WriteText(file, FormatCityLine(entry))) {
            return false;
        }
    }
    return std::fflush(file) == 0 && std::ferror(file) == 0;
}

} // namespace

CitySaveResult WriteCityDatabaseFile(CityDatabase& db, const std::string& newPath,
                                     const std::string& path, CityFileSystem& files) {
    std::FILE* file = files.Create(newPath);
    if (file == nullptr) {
        return CitySaveResult::kCannotSave;
    }
    if (!WriteAll(file, db)) {
        files.Close(file);
        files.Remove(newPath);
        return CitySaveResult::kCannotSave;
    }
    if (!files.Close(file)) {
        files.Remove(newPath);
        return CitySaveResult::kCannotClose;
    }
    if (!files.Replace(newPath, path)) {
        files.Remove(newPath);
        return CitySaveResult::kCannotSave;
    }
    db.modified = false;
    return CitySaveResult::kSaved;
}
