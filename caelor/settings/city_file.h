// Saving the city database without ever losing the old file: the text is
// written to CITIES.NEW, every write, the flush and the close are checked,
// and only then does CITIES.NEW replace CITIES.DAT in one step. On any
// failure CITIES.DAT stays as it was and a partial CITIES.NEW is removed.
#pragma once

#include "settings/city_database.h"

#include <cstdio>
#include <string>

// The file operations the save needs. The Windows shell replaces with
// MoveFileEx (replace existing, write through); the standard one below
// with rename, which replaces in one step on POSIX systems.
class CityFileSystem {
  public:
    virtual ~CityFileSystem() = default;
    // Creates (or truncates) the file for writing as text; nullptr on failure.
    virtual std::FILE* Create(const std::string& path) = 0;
    // Closes a file Create returned; false when the close failed.
    virtual bool Close(std::FILE* file) = 0;
    // Puts from in the place of to, in one step; false on failure.
    virtual bool Replace(const std::string& from, const std::string& to) = 0;
    // Removes the file; failures are not reported.
    virtual void Remove(const std::string& path) = 0;
};

// fopen, fclose, std::rename and std::remove. For native builds: on Windows
// std::rename does not replace an existing file.
class StdioCityFileSystem : public CityFileSystem {
  public:
    std::FILE* Create(const std::string& path) override;
    bool Close(std::FILE* file) override;
    bool Replace(const std::string& from, const std::string& to) override;
    void Remove(const std::string& path) override;
};

enum class CitySaveResult {
    kSaved,
    kCannotSave,  // "Cannot save city location database"
    kCannotClose, // "Cannot close city location database"
};

// Writes the database (current name, then every entry) to newPath and moves
// it over path. Success clears the modified flag; a failure leaves the flag
// and the file at path as they were and removes newPath.
CitySaveResult WriteCityDatabaseFile(CityDatabase& db, const std::string& newPath,
                                     const std::string& path, CityFileSystem& files);
