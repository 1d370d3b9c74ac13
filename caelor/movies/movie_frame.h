// What the seven movies share when they draw: the off-screen frame with its
// clip, the jet-trails surface that keeps every ring a body leaves, the body
// marker and the status panel. Shapes and text go through the graph layer's
// primitives (graphs/graphics.h).
#pragma once

#include "graphs/graphics.h"
#include "graphs/surface.h"
#include "movies/movie_clock.h"

#include <memory>
#include <vector>

// A point of the logical page.
struct ScreenPoint {
    int x;
    int y;
};

// One line of the status panel: its row (1 at the top) and its text.
struct StatusRow {
    int row;
    char text[96];
};

// Surfaces that live as long as a run (or until the bitmaps are freed): the
// jet trails with their clip, and the Day/Night movie's prepared map.
struct MovieSurfaces {
    std::unique_ptr<Surface> jetTrails;
    std::unique_ptr<Surface> worldMap;
    // The status lines of the last frame, as drawn.
    std::vector<StatusRow> status;
    // Frees both (erasing any trail); the next tick makes them again.
    void Free() {
        jetTrails.reset();
        worldMap.reset();
    }
};

// One frame being composed.
struct MovieFrame {
    std::unique_ptr<Surface> surface; // the off-screen frame
    Surface* trails = nullptr;        // the jet-trails surface, or none
    int mode = 0;
    int side = 0;       // S, the movie square
    int charWidth = 0;  // of the frame surface
    int lineHeight = 0; // of the frame surface
    std::vector<StatusRow>* status = nullptr;
    Surface& Draw() { return *surface; }
};

// Makes the frame surface (width x height, prepared on the page with
// colours, filled with the window colour) and, when jet trails are on and
// none exists yet, the jet-trails surface, prepared and filled the same way
// and clipped to the movie square except in mode 2; then copies the trails
// onto the frame so they become its background. No memory for the frame's
// bitmap is fatal IDS_GDI_ERROR, for the trails' IDS_NO_MEMORY_FOR_JET_TRAILS
// (module MOVIES: failures of this file's routines are the shared frame's,
// those of a scene its own module).
MovieFrame BeginFrame(Surface& window, int mode, int width, int height, bool jetTrails,
                      MovieSurfaces& surfaces);

// Copies the page from the frame onto the window (op SourceCopy, or
// NotSourceCopy for the Day/Night picture) and deletes the frame.
void EndFrame(Surface& window, MovieFrame& frame, RasterOp op = RasterOp::SourceCopy);

// Limits drawing to the inside of the movie square: (1, S - 1) .. (S - 1, 1).
void SelectMovieClip(Surface& surface, int side);

// The body marker of the planetarium and the ecliptic movies: Sun and Moon
// with their names on them, the Earth and planets with a name beside them
// when labelled, the shadow discs hatched; with jet trails a ring in the
// body's pen on the trail surface (never for the shadows).
void DrawBody(MovieFrame& frame, int item, int x, int y, int r, bool labelled);

// A ring of radius r in item's pen on the trail surface, when there is one.
void DrawTrailRing(MovieFrame& frame, int item, int x, int y, int r);

// The values the status panel shows besides the date and time.
struct StatusValues {
    double jd = 0;            // the movie clock, UT
    bool paused = false;      // "Pause" is checked
    bool tracking = false;    // mode 0
    const char* extra = "";   // mode 6: the star's name
    double theta = 0;         // mode 6
    double rho = 0;           // mode 6
    double centreRa = 0;      // mode 0, hours
    double centreDec = 0;     // mode 0, degrees -90 .. 90
    double centreAlt = 0;     // mode 0
    double centreAzimuth = 0; // mode 0
};

// The rows of mode's status panel, in drawing order; returns how many.
int StatusPanelRows(int mode, const MovieObserver& observer, const StatusValues& values,
                    StatusRow rows[20]);

// Draws the rows at x = S + CharWidth from the panel's top (S, or
// 750 - LineHeight in mode 2).
void DrawStatusPanel(MovieFrame& frame, const MovieObserver& observer, const StatusValues& values);

constexpr int kSolidBrush = -1;
