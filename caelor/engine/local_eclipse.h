// What an observer sees of a solar eclipse: the local circumstances from
// the eclipse's Besselian elements by the classical iteration (contacts
// where the observer's distance from the shadow axis equals the radius of
// the penumbra or the umbra at the observer, maximum where that distance is
// least), and the altitude of a body above the observer's horizon.
#pragma once

#include "engine/besselian.h"
#include "engine/location.h"

// Altitude of the centre of a body seen through the standard atmosphere
// (10 C, 1010 hPa), degrees, from its airless altitude: Saemundsson's
// refraction, 1.02' / tan(h + 10.3 / (h + 5.11)). Below -1 degree the body
// is out of sight and its airless altitude is given unchanged.
double RefractedAltitude(double trueAltitude);

// Topocentric airless altitude of a body, degrees, from its geocentric place
// (alpha hours, delta degrees, distance in Earth radii) at Greenwich
// apparent sidereal time gast (hours): the observer's geocentric vector is
// taken off the body's, then the hour angle gives the altitude above the
// plane of the observer's geodetic horizon.
double TopocentricAltitude(double alpha, double delta, double distance, double gast,
                           const EclipseObserver& observer);

enum class LocalSolarKind : int {
    kNone,    // the place is never inside the penumbra
    kPartial, // inside the penumbra only
    kAnnular, // inside the antumbra: the Moon's whole disc on the Sun
    kTotal,   // inside the umbra
};

// Where the Sun stands at a contact, as a report says it: above the
// horizon, or below it before rising or after setting (hour angle east or
// west of the meridian).
enum class SunSky : int {
    kAboveHorizon,
    kBelowRising,
    kBelowSetting,
};

// One contact or the maximum. happens is false for the second and third
// contacts of a partial eclipse and for every contact where the place is
// never eclipsed; the other fields are then zero.
struct SolarContact {
    bool happens;
    double jdUt;            // Julian day of UT
    double sunAltitude;     // apparent (refracted) altitude of the Sun's centre, degrees
    double sunTrueAltitude; // the same without refraction
    SunSky sky;             // above the horizon when sunAltitude > 0
};

struct LocalSolarCircumstances {
    LocalSolarKind kind;
    // Some part of the eclipse, from the first to the last contact, has the
    // Sun above the horizon (at a contact, at the maximum or at the Sun's
    // culmination between the contacts).
    bool visible;
    SolarContact first;   // C1
    SolarContact second;  // C2, annular or total only
    SolarContact maximum; // least distance from the shadow axis
    SolarContact third;   // C3, annular or total only
    SolarContact last;    // C4
    double magnitude;     // fraction of the Sun's diameter covered at maximum (above 1 when total)
    double obscuration;   // fraction of the Sun's disc covered at maximum, 0 .. 1
};

// The Sun at the UT Julian day jdUt during the eclipse of series, seen from
// the place: its altitude and where it stands against the horizon (happens
// is set). The contacts of LocalSolarCircumstancesAt are these at their
// instants.
SolarContact SolarContactAt(const BesselianSeries& series, const Location& location, double jdUt);

// The circumstances of the eclipse described by series at the place
// (latitude, longitude, elevation of location). Method: from the series'
// instant, Newton-type rounds on the elements' cubics, t += -(u u' + v v') /
// n^2 for the maximum and t += (-(u u' + v v') -/+ sqrt(n^2 L^2 - (u v' -
// u' v)^2)) / n^2 for the contacts, with u = x - xi, v = y - eta and L the
// penumbral or umbral radius at the observer's height zeta; until a round
// moves less than a millisecond.
LocalSolarCircumstances LocalSolarCircumstancesAt(const BesselianSeries& series,
                                                  const Location& location);
