#include "movies/day_night.h"

#include "engine/angles.h"
#include "engine/time.h"
#include "graphs/drawing_module.h"
#include "reports/format.h"
#include "reports/host_hooks.h"
#include "resources/string_table.h"

#include <cstdio>

namespace {

void PrepareWorldMap(Surface& window, const MonoBitmap& map, int width, int height,
                     MovieSurfaces& surfaces) {
    surfaces.worldMap = window.CreateOffscreen(width, height);
    if (!surfaces.worldMap) {
        FatalError(IDS_GDI_ERROR, DrawingModule(), __LINE__);
    }
    Surface& b = *surfaces.worldMap;
    b.Prepare(kPageMapping, width, height, false);
    b.PatBlt(0, 0, kPageWidth, kPageHeight, RasterOp::Blackness);
    b.StretchMonoBitmap(map, 0, 0, kPageWidth, kPageHeight, RasterOp::SourceInvert);
}

} // namespace

void PaintNight(const TerminatorTableData& table, double subsolarColumn, Surface& surface) {
    surface.SaveState();
    surface.SelectSolidBrush(surface.SystemColorValue(SystemColor::WindowText));
    for (int k = 0; k < kTerminatorRows; ++k) {
        const int32_t v = table.entry[k];
        if (v == kEmptyEntry) {
            continue;
        }
        PageRect rects[2];
        const int n =
            PaintBandRects(BandStartColumn(subsolarColumn, v), kTerminatorRows - k, 2 * v, rects);
        for (int i = 0; i < n; ++i) {
            surface.PatBlt(rects[i].x, rects[i].y, rects[i].width, rects[i].height,
                           RasterOp::PatternCopy);
        }
    }
    surface.RestoreState();
}

void DayNightFrame(const MovieObserver& observer, const MovieStart& start,
                   const MonoBitmap& worldMap, DayNightState& state, Surface& window, int width,
                   int height, int frame, double wallClock, MovieSurfaces& surfaces) {
    if (!surfaces.worldMap) {
        PrepareWorldMap(window, worldMap, width, height, surfaces);
    }
    MovieFrame f = BeginFrame(window, kDayNightMode, width, height, false, surfaces);
    if (frame == 0) {
        state.clock = StartJulianDay(start, observer.timeZone);
    } else {
        state.clock =
            NextDayNightTime(state.clock, state.lastWallClock, observer.dayNightStep, wallClock);
    }
    state.lastWallClock = wallClock;

    const SubsolarPoint sun = SubsolarPointAt(state.clock);
    TerminatorTableData table;
    TerminatorTable(table, sun.declination);
    FillPolarNight(table, sun.declination);
    Surface& s = f.Draw();
    PaintNight(table, sun.column, s);

    char title[kTextSize];
    LoadText(IDS_DAY_NIGHT_MOVIE_TITLE, title, sizeof title);
    s.Text(f.charWidth, 2 * f.lineHeight, title);
    const CalendarTime local = LocalTimeOf(state.clock, observer.timeZone);
    char date[kFormatSize];
    char time[kFormatSize];
    char step[kTextSize];
    char format[kTextSize];
    char line[2 * kTextSize];
    FormatDate(local.day, local.month, local.year, date);
    FormatHoursMinutes(local.hours, time);
    const int stepIndex = observer.dayNightStep >= 0 && observer.dayNightStep <= kDayNightPaused
                              ? observer.dayNightStep
                              : kDayNightPaused;
    LoadText(IDS_DAY_NIGHT_STEP_FIRST + stepIndex, step, sizeof step);
    LoadText(IDS_DAY_NIGHT_STATUS, format, sizeof format);
    std::snprintf(line, sizeof line, format, date, time, step);
    s.Text(f.charWidth, f.lineHeight, line);
    StatusRow rows[2] = {{1, {}}, {2, {}}};
    std::snprintf(rows[0].text, sizeof rows[0].text, "%.95s", title);
    std::snprintf(rows[1].text, sizeof rows[1].text, "%.95s", line);
    f.status->assign(rows, rows + 2);

    s.Blit(0, 0, kPageWidth, kPageHeight, *surfaces.worldMap, 0, 0, RasterOp::SourceInvert);
    EndFrame(window, f, RasterOp::NotSourceCopy);
}
