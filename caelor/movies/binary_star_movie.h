// The Binary Star movie: the companion of a visual binary around its main
// star, year by year, north up and east to the left.
#pragma once

#include "movies/binary_orbit.h"
#include "movies/movie_clock.h"
#include "movies/movie_frame.h"

struct BinaryStarState {
    int year = 0;
    double clock = 0; // BinaryStarClock of the year
};

// The instant a frame of year stands for, as a UT Julian day: 1 January 0h
// of the place's standard time, so the status panel dates it on the year's
// first day in every zone (0h UT is still 31 December west of Greenwich).
double BinaryStarClock(int year, double timeZone);

// The companion's offset in the picture from the main star at the centre of
// a square of half side R, for the view angle (the scale).
ScreenPoint BinaryCompanionPoint(const BinaryPlace& place, int R, double viewAngle);

// One tick.
void BinaryStarFrame(const MovieObserver& observer, int starIndex, int startYear,
                     BinaryStarState& state, Surface& window, int width, int height, int frame,
                     bool jetTrails, bool paused, MovieSurfaces& surfaces);
