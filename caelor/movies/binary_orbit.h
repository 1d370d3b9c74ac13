// The visual binary stars of the Binary Star movie: their orbital elements,
// the companion's apparent place and the movie's year clock.
#pragma once

struct BinaryElements {
    int nameId;   // string id of the star's name
    double P;     // period, years
    double T;     // time of periastron, year
    double omega; // argument of periastron, degrees
    double e;     // eccentricity
    double a;     // semi-major axis, seconds of arc
    double i;     // inclination, degrees
    double node;  // position angle of the node, degrees
};

constexpr int kBinaryStarRows = 10;

// Row index 0 .. 9 of the table (eta Coronae Bor. .. Antares).
const BinaryElements& BinaryStarElements(int index);

// Position angle theta (degrees [0, 360), from north through east) and
// separation rho (seconds of arc) of the companion at year t.
struct BinaryPlace {
    double theta;
    double rho;
};
BinaryPlace BinaryOrbit(double t, const BinaryElements& el);

// year + speed while that stays strictly inside -4000 .. 32000; otherwise
// -4000 for a year below 1 and 32000 from year 1 on.
int YearStep(int year, int speed);
