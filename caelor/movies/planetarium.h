// The Planetarium movie: a square window onto the sky from the observer's
// place, with the Sun, the Moon and the Earth's shadow near full Moon, the
// planets and the catalogue's stars, tracking a body or a star or steered by
// the scroll bars.
#pragma once

#include "movies/movie_clock.h"
#include "movies/movie_frame.h"
#include "movies/star_catalogue.h"

// Tracking states: follow the target every frame, centre on it once, free.
constexpr int kTrackEveryFrame = 0;
constexpr int kCentreOnce = 1;
constexpr int kFreeView = 2;
constexpr int kStarTarget = 11;
constexpr int kViewStarsBit = 11;

// What the dialog chose.
struct PlanetariumSettings {
    int target = 0;        // body 0 .. 10, or 11 the selected star
    int star = -1;         // catalogue index of the selected star
    unsigned viewSet = 0;  // bit 0 Sun, 1 Moon, 3 .. 10 planets, 11 stars
    bool labelled = false; // "Label Planets"
};

// A body's frame record, kept between frames.
struct SkyBody {
    double radius = 0; // logical units
    double k = 0;      // illuminated fraction
    double u = 0;      // the Moon's eclipse quantity
    double v[3] = {0, 0, 0};
    int x = 0;
    int y = 0;
    int r = 0;
    bool inView = false;
    bool computed = false;
};

struct PlanetariumState {
    double clock = 0;         // UT Julian day
    double jdStart = 0;       // the clock at the first frame
    double lastWallClock = 0; // the wall clock's Julian day at the last tick
    int tracking = kFreeView; // in/out
    SkyBody body[11];
    SkyBody penumbra;
    SkyBody umbra;
    double moonParallax = 0; // degrees
    double moonSemidiameter = 0;
    double sunSemidiameter = 0;
    // The view actually drawn this frame (free view: turned with the sky).
    double drawHorizontal = 0;
    double drawVertical = 0;
};

// The projection of the view: the square's half side R, the threshold c of
// the component along the view axis, the screen scale K, and the two angles.
struct SkyProjection {
    double R;
    double c;
    double K;
    double sinH, cosH, sinV, cosV;
};
SkyProjection MakeProjection(int side, double viewAngle, double horizontal, double vertical);

// Turns unit vector v onto the view: true when it is in view (its component
// along the axis at least c); (x, y) its screen point either way.
bool ProjectDirection(const SkyProjection& p, const double v[3], int& x, int& y);

// The view angles (degrees) that bring the unit vector to the centre:
// horizontal about the pole axis, vertical about the x axis.
void ViewAnglesOf(const double v[3], double& horizontal, double& vertical);

// Right ascension (hours) and declination (degrees, -90 .. 90) of the
// centre of the view with those angles.
void ViewCentre(double horizontal, double vertical, double& ra, double& dec);

// The stars of frame f: slice f mod 4 of n stars in slices of n/4 + 1,
// the last slice ending at the last star. first > last when it is empty.
void StarSlice(int n, int frame, int& first, int& last);

// The body recomputed in rotation on frame f (the Moon on odd frames, the
// Sun and the planets in turn on even ones).
int RotationBody(int frame);

// One tick: advances the clock (wallClock the PC clock's Julian day, which
// the host reads), recomputes the bodies and stars due, sets the view and
// draws the frame onto window. observer carries the view angles in and out;
// catalogue may be null.
void PlanetariumFrame(MovieObserver& observer, const MovieStart& start,
                      const PlanetariumSettings& settings, PlanetariumState& state,
                      StarCatalogue* catalogue, Surface& window, int width, int height, int frame,
                      double wallClock, bool jetTrails, bool paused, MovieSurfaces& surfaces);

// The computation of one tick without drawing (for the benchmark and the
// tests): clock, bodies, stars, view, shadows. charWidth sizes the discs.
void PlanetariumCompute(MovieObserver& observer, const MovieStart& start,
                        const PlanetariumSettings& settings, PlanetariumState& state,
                        StarCatalogue* catalogue, int side, int charWidth, int frame,
                        double wallClock);

// The scroll bars of the free view: message 0 horizontal, 1 vertical; code
// the platform's scroll code (0 line up/left, 1 line down/right, 2 page
// up/left, 3 page down/right, 4 thumb released at position, 5 thumb
// dragged). Returns true when the timer is to be stopped (dragging).
bool ScrollPlanetariumView(MovieObserver& observer, int message, int code, int position);
