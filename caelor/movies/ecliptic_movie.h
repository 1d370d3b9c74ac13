// The Ecliptic movies: the Sun and the chosen planets from above the plane
// of the ecliptic (top) or along a strip of longitude against latitude
// (side), days per tick.
#pragma once

#include "movies/movie_clock.h"
#include "movies/movie_frame.h"

struct EclipticState {
    double clock = 0; // UT Julian day
};

// The side view's strip: left edge x0, width w, top y0, height h.
struct EclipticStrip {
    int x0;
    int w;
    int y0;
    int h;
};
EclipticStrip EclipticSideStrip(int charWidth, int lineHeight);

// Screen points of bodies 2 .. 10 of bodySet at the UT Julian day (others
// untouched): top view in the square of side S zoomed by the view angle,
// side view on the strip.
void EclipticPositions(int mode, unsigned bodySet, double viewAngle, int side,
                       const EclipticStrip& strip, double jd, ScreenPoint points[11]);

// One tick.
void EclipticFrame(int mode, unsigned bodySet, const MovieObserver& observer,
                   const MovieStart& start, EclipticState& state, Surface& window, int width,
                   int height, int frame, bool labelled, bool jetTrails, bool paused,
                   MovieSurfaces& surfaces);
