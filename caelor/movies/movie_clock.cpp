#include "movies/movie_clock.h"

#include "engine/angles.h"
#include "engine/time.h"
#include "settings/commands.h"

int MovieModeOfCommand(int command) {
    const CommandRow* row = FindCommand(command);
    return row != nullptr ? row->movieMode : -1;
}

double StartHours(const MovieStart& start) {
    return start.hour + start.minute * kOneOver60;
}

double StartJulianDay(const MovieStart& start, double timeZone) {
    return CalendarToJulianDay(start.day, start.month, start.year) +
           (StartHours(start) - timeZone) / 24.0;
}

int ChangeTimeSpeed(int speed, bool up) {
    int s;
    if (speed == 0) {
        s = up ? 1 : -1;
    } else if ((up && speed > 0) || (!up && speed < 0)) {
        s = speed * 2;
    } else {
        s = speed / 2;
    }
    if (s >= kFastestTimeSpeed) {
        return kFastestTimeSpeed;
    }
    if (s < -63) {
        return kSlowestTimeSpeed;
    }
    return s;
}

int ChangeDayNightStep(int step, bool up) {
    if (up) {
        return step < kDayNightLastStep ? step + 1 : step;
    }
    return step >= 1 ? step - 1 : step;
}

double ZoomViewAngle(double angle, bool in) {
    if (in) {
        return MaxOf(kNarrowestViewAngle, angle * 0.6666666666666666);
    }
    return MinOf(kWidestViewAngle, angle * 1.5);
}

void SetPaused(MovieObserver& observer, bool paused) {
    if (paused) {
        observer.savedTimeSpeed = observer.timeSpeed;
        observer.savedDayNightStep = observer.dayNightStep;
        observer.timeSpeed = 0;
        observer.dayNightStep = kDayNightPaused;
    } else {
        observer.timeSpeed = observer.savedTimeSpeed;
        observer.dayNightStep = observer.savedDayNightStep;
    }
}

int MovieSquareSide(int charWidth) {
    const int side = 1000 - 22 * charWidth;
    return side < 750 ? side : 750;
}

int StatusRowY(int lineHeight, int top, int row) {
    return top + lineHeight * (1 - row);
}
