// The parts of a movie that are plain arithmetic: the observer record the
// scenes receive, the start of a run, the time-speed ladder, the Day/Night
// step, pause, zoom, and the geometry of the movie square and status rows.
#pragma once

#include "engine/location.h"

// Modes of the seven movies; the frame and the status panel branch on them.
enum MovieMode : int {
    kPlanetariumMode = 0,
    kEclipticTopMode = 1,
    kEclipticSideMode = 2,
    kJupiterSideMode = 3,
    kJupiterTopMode = 4,
    kDayNightMode = 5,
    kBinaryStarMode = 6,
};

// The mode of a movie command (IDM_MOVIE_*, the command table's); -1 for
// any other id.
int MovieModeOfCommand(int command);

constexpr int kFastestTimeSpeed = 64;
constexpr int kSlowestTimeSpeed = -64;
constexpr int kDayNightLastStep = 4; // "1 Month"
constexpr int kDayNightPaused = 5;
constexpr double kNarrowestViewAngle = 5.0;
constexpr double kWidestViewAngle = 90.0;

// The observer record handed by value to every scene: the place first, then
// the movie settings. The two planetarium view angles (degrees) persist
// between frames of one run.
struct MovieObserver {
    Location location;
    double viewAngle;      // degrees, 5 .. 90
    double timeZone;       // hours, the place's
    int timeSpeed;         // -64 .. 64
    int savedTimeSpeed;    // while paused
    int dayNightStep;      // 0 .. 5
    int savedDayNightStep; // while paused
    int turbo;
    double horizontalAngle; // planetarium view centre
    double verticalAngle;
};

// The start of a run as the movie dialogs take it: local standard time.
struct MovieStart {
    int year;
    int month;
    int day;
    int hour;
    int minute;
};

// hour + minute / 60.
double StartHours(const MovieStart& start);

// The UT Julian day of the start: JD of the date + (hours - time zone) / 24.
double StartJulianDay(const MovieStart& start, double timeZone);

// F2 (up) and F3 (down): 0 becomes +-1; moving away from zero doubles,
// moving toward it halves (truncating, so +-1 becomes 0); clamped to
// -64 .. 64.
int ChangeTimeSpeed(int speed, bool up);

// F2/F3 for the Day/Night movie: up while below 4, down while at least 1.
int ChangeDayNightStep(int step, bool up);

// F6 (in): max(5, angle * 2/3); F7 (out): min(90, angle * 1.5).
double ZoomViewAngle(double angle, bool in);

// F5: pausing saves the speed and the step and sets them to 0 and 5
// ("Paused"); un-pausing restores both.
void SetPaused(MovieObserver& observer, bool paused);

// Side of the movie square: min(750, 1000 - 22 * charWidth).
int MovieSquareSide(int charWidth);

// top + lineHeight * (1 - row): row 1 at top, each further row a line lower.
int StatusRowY(int lineHeight, int top, int row);
