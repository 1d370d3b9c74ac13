// Rising and setting times and the observer's topocentric corrections.
#pragma once

#include "engine/location.h"
#include "engine/time.h"

// Local standard times (hours) of the rise and set of a body on the local
// date, by interpolation in three positions a day apart; -1.0 for an event
// that does not happen that day. body: kSun, kMoon or a planet.
void RiseSet(int body, int day, int month, int year, double& rise, double& set, Location loc);

// The observer's geocentric coordinates rho sin(phi'), rho cos(phi') from the
// elevation in metres and the signed latitude in degrees.
void GeocentricObserver(double elevation, double phi, double& rhoSinPhi, double& rhoCosPhi);

// Corrects a geocentric place of date (alpha hours, delta degrees) in place
// to the observer's place at the UT moment ut. distance in AU; parallax in
// degrees, used only for the Moon (otherwise derived from the distance).
void Topocentric(Location loc, bool isMoon, double distance, double parallax, CalendarTime ut,
                 double& alpha, double& delta);
