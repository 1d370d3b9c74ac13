// Helpers of the planet reports (Planet View Info, Planet Apsides, Planet
// Conj/Opp; the generators themselves are declared in reports.h). Planet Data
// is the string-list report of report_buffer.h.
#pragma once

// Place of the Sun (body 0) or of a planet (kMercury .. kPluto) at the UT
// Julian day jd: alpha in hours [0, 24), delta in degrees ([0, 360) form),
// lambda the ecliptic longitude (degrees, (-180, 180]) of that equatorial
// place on the mean ecliptic of date. The Sun gives its apparent place and
// semidiameter (degrees) with k = 0; a planet its apparent place and
// illuminated fraction k with semidiameter = 0.
void BodyEclipticPlace(double jd, int body, double& alpha, double& delta, double& lambda,
                       double& semidiameter, double& k);

// Angular distance, degrees in [0, 180], between two longitudes (degrees)
// less than 540 apart: min(|a - b|, |360 - |a - b||).
double LongitudeSeparation(double a, double b);

// Local standard date and hour (truncated) of the event found at the UT
// Julian day jd, for a place timeZone hours ahead of UT.
void EventLocalTime(double jd, double timeZone, int& day, int& month, int& year, int& hour);

// Perihelion (k an integer) or aphelion (k an integer + 0.5) of Earth ..
// Saturn (body codes 2 .. 7) by the linear-in-k mean-element table:
// ephemeris Julian day a + b k + c k^2.
double ApsisJulianEphemerisDay(int body, double k);

// How many apsis counts k advance in a year for the body (Earth .. Saturn).
double ApsisCountsPerYear(int body);
