// The star list of the Planetarium dialog: every named star of the star
// catalogue, as "constellation/name". The catalogue itself belongs to the
// movies; the dialog only needs each star's name number and constellation
// number, which the caller passes in catalogue order.
#pragma once

#include <string>
#include <vector>

// What the list needs of one catalogue star. nameNumber 0: the star has no
// name, else its name is string
// IDS_STAR_NAME_FIRST + nameNumber - 1; its constellation's
// abbreviation is string IDS_CONSTELLATION_FIRST + constellation (0 .. 87).
struct StarNameRecord {
    int nameNumber;
    int constellation;
};

// The catalogue holds exactly this many named stars; a list of another
// length is an internal error of the dialog.
constexpr int kNamedStarCount = 284;

struct StarListEntry {
    int star; // index into the catalogue
    std::string text;
};

// The named stars ordered by constellation 0 .. 87 and, within one, in
// catalogue order; each text "%s/%s" of the abbreviation and the name.
// Stars without a name or outside those constellations are left out.
std::vector<StarListEntry> PlanetariumStarList(const StarNameRecord* stars, int count);

// Position of a catalogue star in the list, -1 when it is not there.
int StarListPosition(const std::vector<StarListEntry>& list, int star);
