// The thirteen constellations along the ecliptic, as the Planet Orbit graph
// and the Ecliptic movies mark them.
#pragma once

// The constellation's number in STARS.DAT (its abbreviation is string
// IDS_CONSTELLATION_FIRST + constellation); its eastern boundary and
// half-width in whole degrees of ecliptic longitude.
struct ZodiacMark {
    int constellation;
    int boundary;
    int halfWidth;
};

constexpr ZodiacMark kZodiac[13] = {
    {6, 52, 12},   // Ari
    {77, 89, 18},  // Tau
    {37, 117, 14}, // Gem
    {11, 137, 10}, // Cnc
    {45, 173, 18}, // Leo
    {85, 217, 22}, // Vir
    {48, 240, 11}, // Lib
    {72, 247, 3},  // Sco
    {58, 266, 9},  // Oph
    {71, 299, 16}, // Sgr
    {15, 327, 14}, // Cap
    {3, 351, 12},  // Aqr
    {65, 28, 18},  // Psc
};
