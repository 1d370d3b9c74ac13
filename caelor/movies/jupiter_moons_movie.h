// The Jupiter moons movies: Jupiter and its four large moons seen from the
// Earth (side) or from above their orbital plane (top), minutes per tick.
#pragma once

#include "movies/movie_clock.h"
#include "movies/movie_frame.h"

struct JupiterMoonsState {
    double clock = 0; // UT Julian day
};

// A moon's place in the picture, and whether it is drawn.
struct JupiterMoonMark {
    int x;
    int y;
    bool drawn;
    bool below; // top view: z > 0, the moon is on the Earth's side
};

// Centre, scale and Jupiter's radius for a square of side S, and the four
// moons at jd (mode 3 side, 4 top; moonSet bit i for moon i).
struct JupiterSystemLayout {
    int cx;
    int cy;
    double k;
    int rJ;
    JupiterMoonMark moon[4];
};
JupiterSystemLayout LayOutJupiterSystem(double jd, int mode, unsigned moonSet, int side);

// One tick.
void JupiterMoonsFrame(const MovieObserver& observer, const MovieStart& start, unsigned moonSet,
                       bool labelled, int mode, JupiterMoonsState& state, Surface& window,
                       int width, int height, int frame, bool jetTrails, bool paused,
                       MovieSurfaces& surfaces);
