// The observing place shared by every engine, report, graph and movie call.
#pragma once

enum Hemisphere : int {
    kNorth = 0,
    kSouth = 1,
    kWest = 2,
    kEast = 3,
};

// Latitude and longitude are magnitudes in decimal degrees; their signs are
// carried by the hemisphere codes. Time zone: hours of local standard time
// ahead of UT (-12 .. 12). Elevation in metres.
struct Location {
    char name[21];
    int latitudeHemisphere;  // kNorth or kSouth
    int longitudeHemisphere; // kWest or kEast
    double latitude;
    double longitude;
    double timeZone;
    int elevation;
};
