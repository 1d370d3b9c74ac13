#include "movies/movie_run.h"

#include "graphs/drawing_module.h"

namespace {

// The source module each movie's scene belongs to; the shared frame names
// its own (MOVIES) around what it draws for every movie.
const char* SceneModule(int mode) {
    switch (mode) {
    case kEclipticTopMode:
    case kEclipticSideMode:
        return "EC_MOVIE";
    case kJupiterSideMode:
    case kJupiterTopMode:
        return "JM_MOVIE";
    case kDayNightMode:
        return "DN_MOVIE";
    case kBinaryStarMode:
        return "BS_MOVIE";
    default:
        return "MOVIES"; // the planetarium
    }
}

} // namespace

void MovieRun::Start(int command, const MovieObserver& observer, const MovieParams& params) {
    surfaces_.Free();
    command_ = MovieModeOfCommand(command) < 0 ? 0 : command;
    frame_ = 0;
    observer_ = observer;
    params_ = params;
    paused_ = false;
    planetarium_ = PlanetariumState{};
    // Without "Track Body" the view is centred on the target once, then
    // left free for the scroll bars.
    planetarium_.tracking = params.trackBody ? kTrackEveryFrame : kCentreOnce;
}

void MovieRun::Stop() {
    command_ = 0;
    surfaces_.Free();
}

void MovieRun::Tick(Surface& window, int width, int height, double wallClock,
                    const MonoBitmap* worldMap, StarCatalogue* catalogue) {
    const int mode = MovieModeOfCommand(command_);
    const DrawingModuleScope scene(SceneModule(mode));
    switch (mode) {
    case kPlanetariumMode:
        PlanetariumFrame(observer_, params_.start, params_.planetarium, planetarium_, catalogue,
                         window, width, height, frame_, wallClock, jetTrails_, paused_, surfaces_);
        break;
    case kEclipticTopMode:
    case kEclipticSideMode:
        EclipticFrame(mode, params_.bodySet, observer_, params_.start, ecliptic_, window, width,
                      height, frame_, params_.labelPlanets, jetTrails_, paused_, surfaces_);
        break;
    case kJupiterSideMode:
    case kJupiterTopMode:
        JupiterMoonsFrame(observer_, params_.start, params_.moonSet, params_.labelMoons, mode,
                          jupiter_, window, width, height, frame_, jetTrails_, paused_, surfaces_);
        break;
    case kDayNightMode:
        if (worldMap == nullptr) {
            return;
        }
        DayNightFrame(observer_, params_.start, *worldMap, dayNight_, window, width, height, frame_,
                      wallClock, surfaces_);
        break;
    case kBinaryStarMode:
        BinaryStarFrame(observer_, params_.binaryStar, params_.binaryYear, binary_, window, width,
                        height, frame_, jetTrails_, paused_, surfaces_);
        break;
    default:
        return;
    }
    ++frame_;
}

void MovieRun::ChangeSpeed(bool up) {
    observer_.timeSpeed = ChangeTimeSpeed(observer_.timeSpeed, up);
    observer_.dayNightStep = ChangeDayNightStep(observer_.dayNightStep, up);
}

void MovieRun::ReverseSpeed() {
    observer_.timeSpeed = -observer_.timeSpeed;
}

bool MovieRun::TogglePause() {
    paused_ = !paused_;
    SetPaused(observer_, paused_);
    return paused_;
}

void MovieRun::Zoom(bool in) {
    if (jetTrails_) {
        surfaces_.Free();
    }
    observer_.viewAngle = ZoomViewAngle(observer_.viewAngle, in);
}

bool MovieRun::ToggleJetTrails() {
    surfaces_.Free();
    jetTrails_ = !jetTrails_;
    return jetTrails_;
}

bool MovieRun::Scroll(int message, int code, int position) {
    if (jetTrails_) {
        surfaces_.Free();
    }
    return ScrollPlanetariumView(observer_, message, code, position);
}

double MovieRun::Clock() const {
    switch (MovieModeOfCommand(command_)) {
    case kPlanetariumMode:
        return planetarium_.clock;
    case kEclipticTopMode:
    case kEclipticSideMode:
        return ecliptic_.clock;
    case kJupiterSideMode:
    case kJupiterTopMode:
        return jupiter_.clock;
    case kDayNightMode:
        return dayNight_.clock;
    case kBinaryStarMode:
        return binary_.clock;
    default:
        return 0;
    }
}
