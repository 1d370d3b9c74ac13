#include "movies/binary_star_movie.h"

#include "engine/angles.h"
#include "engine/time.h"
#include "resources/string_table.h"

double BinaryStarClock(int year, double timeZone) {
    return StartJulianDay(MovieStart{year, 1, 1, 0, 0}, timeZone);
}

ScreenPoint BinaryCompanionPoint(const BinaryPlace& place, int R, double viewAngle) {
    const double L = R / viewAngle * place.rho * 2.5;
    double dx = 0, dy = 0;
    PolarToRect(L, place.theta - 90.0, dx, dy);
    return {R - static_cast<int>(dx), R - static_cast<int>(dy)};
}

void BinaryStarFrame(const MovieObserver& observer, int starIndex, int startYear,
                     BinaryStarState& state, Surface& window, int width, int height, int frame,
                     bool jetTrails, bool paused, MovieSurfaces& surfaces) {
    state.year = frame == 0 ? startYear : YearStep(state.year, observer.timeSpeed);
    const BinaryElements& el = BinaryStarElements(starIndex);
    const BinaryPlace place = BinaryOrbit(state.year, el);
    state.clock = BinaryStarClock(state.year, observer.timeZone);

    MovieFrame f = BeginFrame(window, kBinaryStarMode, width, height, jetTrails, surfaces);
    Surface& s = f.Draw();
    const int R = f.side / 2;
    char name[kTextSize];
    LoadText(el.nameId, name, sizeof name);
    StatusValues values;
    values.jd = state.clock;
    values.paused = paused;
    values.extra = name;
    values.theta = place.theta;
    values.rho = place.rho;
    DrawStatusPanel(f, observer, values);

    DrawBox(s, 0, 0, f.side, f.side, true, s.SystemColorValue(SystemColor::WindowText));
    SelectMovieClip(s, f.side);
    s.SelectItemPen(20);
    DrawLine(s, 0, R, f.side, R);
    DrawLine(s, R, 0, R, f.side);
    DrawCircle(s, R, R, R);

    const int cw = f.charWidth;
    const int lh = f.lineHeight;
    const struct {
        int id;
        int x;
        int y;
    } compass[4] = {
        {IDS_COMPASS_NORTH, R - cw / 2, R + R - lh / 2},
        {IDS_COMPASS_SOUTH, R - cw / 2, R - R + (3 * lh) / 2},
        {IDS_COMPASS_EAST, R - R + cw / 2, R + lh / 2},
        {IDS_COMPASS_WEST, R + R - (3 * cw) / 2, R + lh / 2},
    };
    for (const auto& letter : compass) {
        char text[kTextSize];
        LoadText(letter.id, text, sizeof text);
        text[1] = '\0';
        s.Text(letter.x, letter.y, text);
    }

    const ScreenPoint companion = BinaryCompanionPoint(place, R, observer.viewAngle);
    DrawDisc(s, R, R, cw, 12, kSolidBrush, false);
    DrawDisc(s, companion.x, companion.y, cw, 13, kSolidBrush, false);
    DrawTrailRing(f, 13, companion.x, companion.y, cw);
    EndFrame(window, f);
}
