// Apparent places of Io, Europa, Ganymede and Callisto relative to Jupiter.
#pragma once

#include "engine/time.h"

// x along Jupiter's equator and y perpendicular to it, in Jupiter radii as
// seen from the Earth; z toward or away from the observer (negative on the far
// side); visible 0 while hidden behind the disk. With u the moon's angle from
// its inferior conjunction, x = -r sin u and y = r cos u sin De (De the
// Earth's jovicentric declination): a moon in front of the disk moves toward
// -x, one behind it toward +x.
struct MoonOfJupiter {
    double x;
    double y;
    double z;
    int visible;
};

// The four moons, in the order Io, Europa, Ganymede, Callisto, at a moment;
// the theory runs on its terrestrial time jdTt.
void JupiterMoons(Instant at, MoonOfJupiter records[4]);
