// Rising and setting times and the observer's topocentric corrections.
#pragma once

#include "engine/location.h"
#include "engine/time.h"

// A rise or a set on a local date: whether it happens that day, and when.
struct EventTime {
    bool happens;
    double hours; // local standard time, hours [0, 24]; 0 when it does not happen
};

struct RiseSetTimes {
    EventTime rise;
    EventTime set;
};

// The rise and set of a body (kSun, kMoon or a planet) on the local date
// (day, month, year) at the place, in the place's standard time. Method:
// apparent places a day apart around the date's local midnight, interpolated
// in three points, the event found by iterating on the hour angle against
// apparent sidereal time. Altitudes: the Sun -0.8333, the planets -0.5667
// degrees, the Moon 0.7275 parallax - 0.5667. An event does not happen when
// the body stays above or below that altitude all day, when its time falls
// outside the date, or when the iteration does not settle.
RiseSetTimes RiseSet(int body, int day, int month, int year, Location loc);

// The observer's geocentric coordinates rho sin(phi'), rho cos(phi') from the
// elevation in metres and the signed latitude in degrees.
void GeocentricObserver(double elevation, double phi, double& rhoSinPhi, double& rhoCosPhi);

// Corrects a geocentric place of date (alpha hours, delta degrees) in place
// to the observer's place at the UT moment ut. distance in AU; parallax in
// degrees, used only for the Moon (otherwise derived from the distance).
void Topocentric(Location loc, bool isMoon, double distance, double parallax,
                 const CalendarTime& ut, double& alpha, double& delta);
