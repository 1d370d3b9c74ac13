// The Day/Night movie: the world map over the whole page with the daylit
// part of the Earth shown light and the night dark, composed with raster
// operations against the prepared map.
#pragma once

#include "movies/day_night_math.h"
#include "movies/movie_clock.h"
#include "movies/movie_frame.h"

struct DayNightState {
    double clock = 0;         // UT Julian day
    double lastWallClock = 0; // the PC clock's Julian day at the last tick
};

// Paints the bands of the table around the subsolar column onto surface in
// the current brush.
void PaintNight(const TerminatorTableData& table, double subsolarColumn, Surface& surface);

// One tick. worldMap is the "WORLDMAP" picture; it is prepared once into
// surfaces.worldMap at the window's size.
void DayNightFrame(const MovieObserver& observer, const MovieStart& start,
                   const MonoBitmap& worldMap, DayNightState& state, Surface& window, int width,
                   int height, int frame, double wallClock, MovieSurfaces& surfaces);
