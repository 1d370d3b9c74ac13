// Star catalogue places carried to the date: rigorous precession, nutation
// and annual aberration.
#pragma once

// Precession angles zeta, z, theta in degrees from the equinox of jd0 to that
// of jd.
void PrecessionAngles(double jd0, double jd, double& zeta, double& z, double& theta);

// Apparent place of date of a star given for the equinox of January 1.0 of
// the epoch year (alpha0 hours, delta0 degrees) at the UT Julian day jdUt:
// alpha in hours, not brought back into [0, 24), delta in degrees. Takes the
// Sun of jdUt for the aberration, so one planetarium frame's stars are
// answered by the Sun's cache.
void StarApparentPlace(int epochYear, double alpha0, double delta0, double jdUt, double& alpha,
                       double& delta);
