// One running movie as the main window (or caelor-cli) drives it: the
// observer record, what the dialog chose, the frame counter, each scene's
// clock, the jet trails and the keys F2 .. F8. The host calls Tick once per
// timer message with the window's surface prepared on the page.
#pragma once

#include "movies/binary_star_movie.h"
#include "movies/day_night.h"
#include "movies/ecliptic_movie.h"
#include "movies/jupiter_moons_movie.h"
#include "movies/movie_clock.h"
#include "movies/movie_frame.h"
#include "movies/planetarium.h"

// What the movie dialogs leave for the run.
struct MovieParams {
    MovieStart start{};
    PlanetariumSettings planetarium{};
    bool trackBody = true; // Planetarium: "Track Body"
    unsigned bodySet = 0;  // Ecliptic: bits 2 .. 10
    unsigned moonSet = 0;  // Jupiter: bit i for moon i
    bool labelPlanets = false;
    bool labelMoons = false;
    int binaryStar = 0; // 0 .. 9
    int binaryYear = 0;
};

class MovieRun {
  public:
    // Starts command 61 .. 67 with the observer (place, speed, step, view
    // angle, Turbo from the dialog); the frame counter starts at 0 and any
    // trail is erased.
    void Start(int command, const MovieObserver& observer, const MovieParams& params);
    // No movie runs any more (Stop, another command); the trails are erased.
    void Stop();
    bool Running() const { return command_ != 0; }
    int Command() const { return command_; }
    int Frame() const { return frame_; }

    // One tick onto window (prepared on the page, width x height pixels).
    // wallClock is the PC clock's Julian day, worldMap the Day/Night map
    // (needed only by that movie), catalogue the stars (may be null).
    void Tick(Surface& window, int width, int height, double wallClock, const MonoBitmap* worldMap,
              StarCatalogue* catalogue);

    // F2 / F3: the time speed and the Day/Night step move together.
    void ChangeSpeed(bool up);
    // F4.
    void ReverseSpeed();
    // F5: returns the new state of the "Pause" check.
    bool TogglePause();
    // The menus were re-enabled: the check goes, the saved values stay.
    void ClearPauseMark() { paused_ = false; }
    bool Paused() const { return paused_; }
    // F6 / F7 (erasing the trails first when they are on).
    void Zoom(bool in);
    // F8: erases any trail and turns them on or off; returns the new state.
    bool ToggleJetTrails();
    bool JetTrails() const { return jetTrails_; }
    // Erases the trails and the prepared map (the bitmaps are freed).
    void FreeSurfaces() { surfaces_.Free(); }
    bool HoldsSurfaces() const { return surfaces_.jetTrails || surfaces_.worldMap; }

    // Planetarium scroll bars (0 horizontal, 1 vertical); true while the
    // thumb is dragged (the timer is to stand still).
    bool Scroll(int message, int code, int position);

    // The status lines of the last frame, top to bottom.
    const std::vector<StatusRow>& LastStatus() const { return surfaces_.status; }

    const MovieObserver& Observer() const { return observer_; }
    MovieObserver& Observer() { return observer_; }
    const PlanetariumState& Planetarium() const { return planetarium_; }
    double Clock() const;

  private:
    int command_ = 0;
    int frame_ = 0;
    bool paused_ = false;
    bool jetTrails_ = false;
    MovieObserver observer_{};
    MovieParams params_{};
    MovieSurfaces surfaces_;
    PlanetariumState planetarium_;
    JupiterMoonsState jupiter_;
    EclipticState ecliptic_;
    DayNightState dayNight_;
    BinaryStarState binary_;
};
