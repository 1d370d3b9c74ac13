#include "shell/city_database_file.h"

#include "resources/string_table.h"
#include "settings/city_file.h"
#include "settings/dialog_messages.h"
#include "shell/dialog_controls.h"
#include "shell/dialog_support.h"

#include <cstdio>
#include <string>

namespace {

CityDatabase g_database;

// The new file replaces the old one in one step, flushed to the disc before
// the call returns, so a crash leaves one whole file or the other.
class Win32CityFileSystem : public CityFileSystem {
  public:
    std::FILE* Create(const std::string& path) override { return std::fopen(path.c_str(), "w"); }
    bool Close(std::FILE* file) override { return std::fclose(file) == 0; }
    bool Replace(const std::string& from, const std::string& to) override {
        return MoveFileExA(from.c_str(), to.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }
    void Remove(const std::string& path) override { DeleteFileA(path.c_str()); }
};

bool ReadWholeFile(std::FILE* file, std::string& text) {
    char block[1024];
    size_t n = 0;
    while ((n = std::fread(block, 1, sizeof block, file)) > 0) {
        text.append(block, n);
    }
    return std::ferror(file) == 0;
}

CitySaveResult WriteBesideTheProgram() {
    char name[kTextSize];
    char newName[kTextSize];
    LoadText(IDS_CITIES_FILE_NAME, name, sizeof name);
    LoadText(IDS_CITIES_NEW_FILE_NAME, newName, sizeof newName);
    char path[MAX_PATH];
    char newPath[MAX_PATH];
    // A path that does not fit is the internal error, never a cut path.
    DataFilePath(name, path, sizeof path);
    DataFilePath(newName, newPath, sizeof newPath);
    Win32CityFileSystem files;
    return WriteCityDatabaseFile(g_database, newPath, path, files);
}

} // namespace

CityDatabase& ProgramCityDatabase() {
    return g_database;
}

void LoadCityDatabase(HWND owner, Location& observer) {
    char name[kTextSize];
    LoadText(IDS_CITIES_FILE_NAME, name, sizeof name);
    std::string text;
    bool read = false;
    if (std::FILE* file = OpenDataFile(name, "r")) {
        read = ReadWholeFile(file, text);
        std::fclose(file);
    }
    if (!read) {
        ShowDialogMessage(owner, DialogMessage::kCannotLoadCityDatabase);
    }
    LoadCityDatabaseText(read ? &text : nullptr, g_database, observer);
}

bool SaveCityDatabase(HWND owner) {
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    const CitySaveResult result = WriteBesideTheProgram();
    SetCursor(previous);
    switch (result) {
    case CitySaveResult::kSaved:
        return true;
    case CitySaveResult::kCannotClose:
        ShowDialogMessage(owner, DialogMessage::kCannotCloseCityDatabase);
        return false;
    case CitySaveResult::kCannotSave:
    default:
        ShowDialogMessage(owner, DialogMessage::kCannotSaveCityDatabase);
        return false;
    }
}

void AskToSaveCityDatabase(HWND owner) {
    if (!CityDatabaseNeedsSaving(g_database)) {
        return;
    }
    char title[kTextSize];
    LoadText(IDS_APP_NAME, title, sizeof title);
    char question[kTextSize];
    LoadText(IDS_SAVE_CITY_DATABASE_QUESTION, question, sizeof question);
    if (MessageBoxA(owner, question, title, MB_YESNO | MB_ICONQUESTION) == IDYES) {
        SaveCityDatabase(owner);
    }
}

void FreeCityDatabase() {
    g_database = CityDatabase{};
}
