// The thirteen constellations along the ecliptic, as the Planet Orbit graph
// and the Ecliptic movies mark them.
#pragma once

// String id of the constellation's abbreviation; its eastern boundary and
// half-width in whole degrees of ecliptic longitude.
struct ZodiacMark {
    int id;
    int boundary;
    int halfWidth;
};

constexpr ZodiacMark kZodiac[13] = {
    {506, 52, 12},  {577, 89, 18},  {537, 117, 14}, {511, 137, 10}, {545, 173, 18},
    {585, 217, 22}, {548, 240, 11}, {572, 247, 3},  {558, 266, 9},  {571, 299, 16},
    {515, 327, 14}, {503, 351, 12}, {565, 28, 18},
};
