#include "settings/star_list.h"

#include "resources/string_table.h"

#include <cstdio>

namespace {

constexpr int kConstellationCount = 88;

} // namespace

std::vector<StarListEntry> PlanetariumStarList(const StarNameRecord* stars, int count) {
    std::vector<StarListEntry> list;
    for (int constellation = 0; constellation < kConstellationCount; ++constellation) {
        char abbreviation[kTextSize];
        LoadText(IDS_CONSTELLATION_FIRST + constellation, abbreviation, kTextSize);
        for (int i = 0; i < count; ++i) {
            if (stars[i].nameNumber == 0 || stars[i].constellation != constellation) {
                continue;
            }
            char name[kTextSize];
            LoadText(IDS_STAR_NAME_FIRST + stars[i].nameNumber - 1, name, kTextSize);
            char text[2 * kTextSize];
            std::snprintf(text, sizeof text, "%s/%s", abbreviation, name);
            list.push_back(StarListEntry{i, text});
        }
    }
    return list;
}

int StarListPosition(const std::vector<StarListEntry>& list, int star) {
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].star == star) {
            return static_cast<int>(i);
        }
    }
    return -1;
}
