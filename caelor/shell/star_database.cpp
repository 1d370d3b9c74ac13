#include "shell/star_database.h"

#include "movies/star_catalogue.h"
#include "resources/string_table.h"
#include "settings/star_list.h"
#include "shell/errors.h"
#include "shell/input_dialogs.h"

#include <vector>

namespace {

// What the Planetarium dialog reads of each star; lives as long as the
// catalogue.
std::vector<StarNameRecord> g_names;

} // namespace

bool LoadStarDatabase(HWND owner) {
    char fileName[kTextSize];
    LoadText(IDS_STARS_FILE_NAME, fileName, sizeof fileName);
    char path[MAX_PATH];
    DataFilePath(fileName, path, sizeof path);
    if (LoadStarCatalogue(path) != StarCatalogueStatus::kLoaded) {
        FreeStarDatabase();
        ErrorBox(owner, IDS_CANNOT_LOAD_STARS, false);
        return false;
    }
    g_names.clear();
    for (const StarRecord& star : LoadedStarCatalogue()->stars) {
        g_names.push_back(StarNameRecord{star.nameNumber, star.constellation});
    }
    // The Planetarium dialog's list needs every named star; a replaced file
    // without them is a bad file now, not the end of the program later.
    if (static_cast<int>(
            PlanetariumStarList(g_names.data(), static_cast<int>(g_names.size())).size()) !=
        kNamedStarCount) {
        FreeStarDatabase();
        ErrorBox(owner, IDS_CANNOT_LOAD_STARS, false);
        return false;
    }
    SetPlanetariumStars(g_names.data(), static_cast<int>(g_names.size()));
    return true;
}

void FreeStarDatabase() {
    SetPlanetariumStars(nullptr, 0);
    g_names.clear();
    FreeStarCatalogue();
}
