// Besselian elements of a solar eclipse and the observer's place in the
// fundamental plane (the plane through the Earth's centre perpendicular to
// the axis of the Moon's shadow), after the classical treatment of eclipses:
// x, y the axis in the plane, d and mu the axis' declination and Greenwich
// hour angle, l1 and l2 the radii of the penumbral and umbral cones in the
// plane, f1 and f2 their half-angles. Lengths are equatorial radii of the
// Earth, angles degrees, times hours of UT.
#pragma once

#include "engine/location.h"

// Geocentric apparent places of the Sun and the Moon at one instant, both
// referred to the true equator and equinox of date.
struct SunMoonPlaces {
    double sunAlpha;     // right ascension, hours [0, 24)
    double sunDelta;     // declination, degrees [-90, 90]
    double sunDistance;  // Earth radii
    double moonAlpha;    // right ascension, hours [0, 24)
    double moonDelta;    // declination, degrees [-90, 90]
    double moonDistance; // Earth radii
    double gast;         // Greenwich apparent sidereal time, hours
};

// The engine's Sun (apparent) and Moon at the UT Julian day jdUt, with the
// engine's Delta T. The Moon's longitude is moved by the nutation in
// longitude, so that both bodies stand in the equinox of date the Sun's
// apparent longitude is given in.
SunMoonPlaces SunMoonPlacesAt(double jdUt);

// The elements at one instant.
struct BesselianElements {
    double x;     // Earth radii, toward the east of the axis' meridian
    double y;     // Earth radii, toward the north
    double d;     // declination of the axis, degrees
    double mu;    // Greenwich hour angle of the axis, degrees [0, 360)
    double l1;    // penumbral radius in the fundamental plane, Earth radii
    double l2;    // umbral radius, Earth radii; negative where the umbra reaches past the plane
    double tanF1; // tangent of the penumbral cone's half-angle
    double tanF2; // tangent of the umbral cone's half-angle
};

// The elements from the two places (the Moon's radius 0.2725076 Earth radii
// for the penumbra, 0.272281 for the umbra; the Sun's from its semidiameter
// of 959.63" at 1 AU). Method: the Sun-Moon axis from the two geocentric
// vectors, the Moon projected on the plane perpendicular to it.
BesselianElements BesselianFromPlaces(const SunMoonPlaces& places);

// One element as a cubic in t, hours from the series' instant.
struct BesselianCubic {
    double c[4];
};

// The elements of one eclipse as cubics fitted by least squares to their
// values at hourly steps from 4 hours before to 4 hours after jdUt0 (mu
// made continuous first). Good for contacts within about 4 hours of jdUt0.
struct BesselianSeries {
    double jdUt0;
    BesselianCubic x, y, d, mu, l1, l2, tanF1, tanF2;
};

BesselianSeries BesselianSeriesAround(double jdUt0);

// The elements and the rates the contact iteration needs, at t hours from
// the series' instant. Rates per hour; dDot and muDot in degrees per hour.
struct BesselianState {
    BesselianElements elements;
    double xDot;
    double yDot;
    double dDot;
    double muDot;
};

BesselianState EvaluateBesselian(const BesselianSeries& series, double t);

// The observer: geocentric coordinates (Earth radii) from the geodetic
// latitude and the elevation, and the longitude.
struct EclipseObserver {
    double latitude;      // geodetic, degrees, positive north
    double eastLongitude; // degrees, positive east
    double rhoSinPhi;     // rho sin(phi'), Earth radii
    double rhoCosPhi;     // rho cos(phi'), Earth radii
};

EclipseObserver EclipseObserverAt(const Location& location);

// The observer's coordinates in the fundamental plane (xi east, eta north,
// zeta toward the Sun; Earth radii), their rates per hour as the Earth
// turns, and the local hour angle of the axis (degrees).
struct FundamentalPlacePoint {
    double xi;
    double eta;
    double zeta;
    double xiDot;
    double etaDot;
    double hourAngle;
};

FundamentalPlacePoint ObserverInPlane(const BesselianState& state, const EclipseObserver& observer);
