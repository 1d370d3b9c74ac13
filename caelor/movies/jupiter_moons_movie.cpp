#include "movies/jupiter_moons_movie.h"

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/jupiter_moons.h"
#include "engine/time.h"
#include "reports/names.h"
#include "resources/string_table.h"

#include <cstdio>

JupiterSystemLayout LayOutJupiterSystem(double jd, int mode, unsigned moonSet, int side) {
    JupiterSystemLayout l;
    l.cx = side / 2;
    l.cy = side / 2;
    l.k = side * 0.03333333333333333;
    l.rJ = RoundHalfUp(l.k);
    MoonOfJupiter moons[4];
    JupiterMoons(InstantOfUt(jd), moons);
    const bool top = mode == kJupiterTopMode;
    for (int i = 0; i < 4; ++i) {
        JupiterMoonMark& m = l.moon[i];
        m.x = RoundHalfUp(l.cx - moons[i].x * l.k);
        m.y = l.cy - RoundHalfUp(l.k * (top ? moons[i].z : moons[i].y));
        m.drawn = ((moonSet >> i) & 1u) && (moons[i].visible || top);
        m.below = moons[i].z > 0;
    }
    return l;
}

void JupiterMoonsFrame(const MovieObserver& observer, const MovieStart& start, unsigned moonSet,
                       bool labelled, int mode, JupiterMoonsState& state, Surface& window,
                       int width, int height, int frame, bool jetTrails, bool paused,
                       MovieSurfaces& surfaces) {
    if (frame == 0) {
        state.clock = StartJulianDay(start, observer.timeZone);
    } else {
        state.clock += observer.timeSpeed * 0.0006944444444444445;
    }
    MovieFrame f = BeginFrame(window, mode, width, height, jetTrails, surfaces);
    Surface& s = f.Draw();
    StatusValues values;
    values.jd = state.clock;
    values.paused = paused;
    DrawStatusPanel(f, observer, values);
    DrawBox(s, 0, 0, f.side, f.side, true, s.SystemColorValue(SystemColor::WindowText));
    SelectMovieClip(s, f.side);

    const JupiterSystemLayout l = LayOutJupiterSystem(state.clock, mode, moonSet, f.side);
    const bool top = mode == kJupiterTopMode;
    if (top) {
        char name[kTextSize];
        BodyName(2, name);
        CenteredText(s, f.side / 2, MulDivInt(f.lineHeight, 5, 4), name);
    }
    DrawDisc(s, l.cx, l.cy, l.rJ, 6, kSolidBrush, false);
    for (int i = 0; i < 4; ++i) {
        const JupiterMoonMark& m = l.moon[i];
        if (!m.drawn) {
            continue;
        }
        if (labelled) {
            char number[8];
            std::snprintf(number, sizeof number, "%1d", i + 1);
            int y = m.y - f.lineHeight;
            if (top && m.below) {
                y = m.y + f.lineHeight;
            }
            s.Text(m.x + f.charWidth, y, number);
        }
        DrawDisc(s, m.x, m.y, l.rJ / 3, 16 + i, kSolidBrush, false);
        DrawTrailRing(f, 16 + i, m.x, m.y, l.rJ / 3);
    }
    EndFrame(window, f);
}
