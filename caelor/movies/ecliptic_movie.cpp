#include "movies/ecliptic_movie.h"

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/planets.h"
#include "engine/sun.h"
#include "engine/time.h"
#include "graphs/zodiac.h"
#include "reports/format.h"
#include "resources/string_table.h"

#include <cstdio>

namespace {

ScreenPoint TopPoint(double radius, double angle, int half) {
    double dx = 0, dy = 0;
    PolarToRect(radius, angle, dx, dy);
    return {half + RoundHalfUp(dx), half + RoundHalfUp(-dy)};
}

int StripX(const EclipticStrip& strip, double longitude) {
    return strip.x0 + RoundHalfUp(longitude * kOneOver360 * strip.w);
}

void DrawTopBackground(MovieFrame& f) {
    Surface& s = f.Draw();
    const int half = f.side / 2;
    DrawBox(s, 0, 0, f.side, f.side, true, s.SystemColorValue(SystemColor::WindowText));
    char text[kTextSize];
    for (const ZodiacMark& row : kZodiac) {
        const ScreenPoint edge = TopPoint(half, -row.boundary - 90.0, half);
        DrawLine(s, half, half, edge.x, edge.y);
        const ScreenPoint label =
            TopPoint(half - 3 * f.charWidth, -(row.boundary - row.halfWidth) - 90.0, half);
        LoadText(IDS_CONSTELLATION_FIRST + row.constellation, text, sizeof text);
        CenteredText(s, label.x, label.y, text);
    }
    DrawCircle(s, half, half, half);
    DrawBody(f, 0, half, half, 2 * f.charWidth, false);
}

void DrawSideBackground(MovieFrame& f, const EclipticStrip& st) {
    Surface& s = f.Draw();
    DrawBox(s, st.x0, st.y0, st.x0 + st.w, st.y0 - st.h, false,
            s.SystemColorValue(SystemColor::WindowText));
    DrawLine(s, st.x0, st.y0 - st.h / 2, st.x0 + st.w, st.y0 - st.h / 2);
    const int x = st.x0 + st.w + f.charWidth;
    char value[kFormatSize];
    char text[kFormatSize + 4];
    FormatFixed(18.0, 3, 1, value);
    std::snprintf(text, sizeof text, "%s%c", value, 176);
    s.Text(x, st.y0 + f.lineHeight / 2, text);
    FormatFixed(-18.0, 3, 1, value);
    std::snprintf(text, sizeof text, "%s%c", value, 176);
    s.Text(x, st.y0 - st.h + f.lineHeight / 2, text);
    FormatFixed(0.0, 3, 1, value);
    std::snprintf(text, sizeof text, "%s%c%c", value, 176, 223);
    s.Text(x, st.y0 - st.h / 2 + f.lineHeight / 2, text);
    char name[kTextSize];
    for (const ZodiacMark& row : kZodiac) {
        const int bx = StripX(st, row.boundary);
        DrawLine(s, bx, st.y0, bx, st.y0 - st.h);
        LoadText(IDS_CONSTELLATION_FIRST + row.constellation, name, sizeof name);
        VerticalText(s, StripX(st, row.boundary - row.halfWidth), st.y0 - st.h - 2 * f.lineHeight,
                     name);
    }
}

} // namespace

EclipticStrip EclipticSideStrip(int charWidth, int lineHeight) {
    const int x0 = 9 * charWidth;
    return {x0, (500 - x0) * 2, 750 - 12 * lineHeight, 750 - 16 * lineHeight};
}

void EclipticPositions(int mode, unsigned bodySet, double viewAngle, int side,
                       const EclipticStrip& strip, double jd, ScreenPoint points[11]) {
    const CalendarTime t = SplitJulianDay(jd);
    const int half = side / 2;
    const double scale = 0.02 * (90.0 / viewAngle) * half;
    const bool top = mode == kEclipticTopMode;
    for (int b = 3; b <= 10; ++b) {
        if (!((bodySet >> b) & 1u)) {
            continue;
        }
        const PlanetPlace planet = PlanetPosition(b, t, false);
        if (top) {
            points[b] = TopPoint(planet.r * scale, -90.0 - planet.l, half);
        } else {
            const double y = (TanDeg(-planet.b) / TanDeg(18.0) + 1.0) * strip.h / 2.0;
            points[b] = {StripX(strip, NormalizeDegrees(planet.l)), strip.y0 - RoundHalfUp(y)};
        }
    }
    if ((bodySet >> 2) & 1u) {
        const SunPlace sun = SunPosition(t, false);
        double eclLongitude = 0, eclLatitude = 0;
        EquatorialToEcliptic(sun.alpha, sun.delta, t, eclLongitude, eclLatitude);
        if (top) {
            points[2] = TopPoint(sun.R * scale, 90.0 - eclLongitude, half);
        } else {
            points[2] = {StripX(strip, NormalizeDegrees(eclLongitude + 180.0)),
                         strip.y0 - strip.h / 2};
        }
    }
}

void EclipticFrame(int mode, unsigned bodySet, const MovieObserver& observer,
                   const MovieStart& start, EclipticState& state, Surface& window, int width,
                   int height, int frame, bool labelled, bool jetTrails, bool paused,
                   MovieSurfaces& surfaces) {
    if (frame == 0) {
        state.clock = StartJulianDay(start, observer.timeZone);
    } else {
        state.clock += observer.timeSpeed;
    }
    MovieFrame f = BeginFrame(window, mode, width, height, jetTrails, surfaces);
    const EclipticStrip strip = EclipticSideStrip(f.charWidth, f.lineHeight);
    if (mode == kEclipticTopMode) {
        DrawTopBackground(f);
    } else {
        DrawSideBackground(f, strip);
    }
    StatusValues values;
    values.jd = state.clock;
    values.paused = paused;
    DrawStatusPanel(f, observer, values);
    if (mode == kEclipticTopMode) {
        SelectMovieClip(f.Draw(), f.side);
    }
    ScreenPoint points[11] = {};
    EclipticPositions(mode, bodySet, observer.viewAngle, f.side, strip, state.clock, points);
    for (int b = 2; b <= 10; ++b) {
        if ((bodySet >> b) & 1u) {
            DrawBody(f, b, points[b].x, points[b].y, f.charWidth / 2, labelled);
        }
    }
    EndFrame(window, f);
}
