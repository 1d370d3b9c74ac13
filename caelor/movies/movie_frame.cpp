#include "movies/movie_frame.h"

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/time.h"
#include "graphs/drawing_module.h"
#include "reports/format.h"
#include "reports/host_hooks.h"
#include "resources/string_table.h"

#include <cstdio>
#include <cstring>

namespace {

// By movie mode; Day/Night (5) draws its own title.
constexpr int kTitleIds[7] = {IDS_PLANETARIUM_MOVIE_TITLE,   IDS_ECLIPTIC_MOVIE_TITLE,
                              IDS_ECLIPTIC_MOVIE_TITLE,      IDS_JUPITER_MOONS_MOVIE_TITLE,
                              IDS_JUPITER_MOONS_MOVIE_TITLE, 0,
                              IDS_BINARY_STAR_MOVIE_TITLE};
// What every movie draws through this file is the shared frame's.
constexpr const char* kFrameModule = "MOVIES";

// failure: the message when there is no memory for the page's bitmap.
std::unique_ptr<Surface> PreparedPage(Surface& window, int width, int height, int failure) {
    std::unique_ptr<Surface> page = window.CreateOffscreen(width, height);
    if (!page) {
        FatalError(failure, DrawingModule(), __LINE__);
    }
    page->Prepare(kPageMapping, width, height, true);
    const ColorRef background = page->SystemColorValue(SystemColor::Window);
    FillRect(*page, 0, 0, kPageWidth, kPageHeight, background, background);
    return page;
}

// Text of string id with one %s filled.
void Fill(char* out, int size, int id, const char* value) {
    char format[kTextSize];
    LoadText(id, format, sizeof format);
    std::snprintf(out, size, format, value);
}

void Load(char* out, int size, int id) {
    LoadText(id, out, size);
}

} // namespace

MovieFrame BeginFrame(Surface& window, int mode, int width, int height, bool jetTrails,
                      MovieSurfaces& surfaces) {
    const DrawingModuleScope shared(kFrameModule);
    MovieFrame frame;
    frame.mode = mode;
    frame.surface = PreparedPage(window, width, height, IDS_GDI_ERROR);
    frame.charWidth = frame.surface->CharWidth();
    frame.lineHeight = frame.surface->LineHeight();
    frame.side = MovieSquareSide(frame.charWidth);
    surfaces.status.clear();
    frame.status = &surfaces.status;
    if (jetTrails && !surfaces.jetTrails) {
        surfaces.jetTrails = PreparedPage(window, width, height, IDS_NO_MEMORY_FOR_JET_TRAILS);
        if (mode != kEclipticSideMode) {
            SelectMovieClip(*surfaces.jetTrails, frame.side);
        }
    }
    if (jetTrails) {
        frame.trails = surfaces.jetTrails.get();
        frame.surface->Blit(0, 0, kPageWidth, kPageHeight, *frame.trails, 0, 0,
                            RasterOp::SourceCopy);
    }
    return frame;
}

void EndFrame(Surface& window, MovieFrame& frame, RasterOp op) {
    const DrawingModuleScope shared(kFrameModule);
    window.Blit(0, 0, kPageWidth, kPageHeight, *frame.surface, 0, 0, op);
    frame.surface.reset();
    frame.trails = nullptr;
}

void SelectMovieClip(Surface& surface, int side) {
    surface.SetClipRect(1, side - 1, side - 1, 1);
}

void DrawTrailRing(MovieFrame& frame, int item, int x, int y, int r) {
    if (frame.trails == nullptr) {
        return;
    }
    frame.trails->SelectItemPen(item);
    DrawCircle(*frame.trails, x, y, r);
}

void DrawBody(MovieFrame& frame, int item, int x, int y, int r, bool labelled) {
    const DrawingModuleScope shared(kFrameModule);
    Surface& s = frame.Draw();
    if (item == 0 || item == 1) {
        DrawDisc(s, x, y, r, item, kSolidBrush, false);
        BodyNameText(s, item, x, y);
    } else if (item >= 2 && item <= 10) {
        DrawDisc(s, x, y, r, item, kSolidBrush, false);
        if (labelled) {
            BodyNameText(s, item, x + frame.charWidth, y + frame.lineHeight);
        }
    } else if (item == 14 || item == 15) {
        DrawDisc(s, x, y, r, item, item == 14 ? 0 : 1, true);
        return;
    }
    DrawTrailRing(frame, item, x, y, r);
}

int StatusPanelRows(int mode, const MovieObserver& observer, const StatusValues& values,
                    StatusRow rows[20]) {
    int n = 0;
    auto add = [&](int row) -> char* {
        rows[n].row = row;
        rows[n].text[0] = '\0';
        return rows[n++].text;
    };
    constexpr int kSize = sizeof(StatusRow::text);
    char value[kFormatSize];
    char second[kFormatSize];

    if (mode != kDayNightMode) {
        Load(add(1), kSize, kTitleIds[mode]);
    }
    if (mode == kBinaryStarMode) {
        std::snprintf(add(2), kSize, "%s", values.extra);
    }
    const CalendarTime local = LocalTimeOf(values.jd, observer.timeZone);
    FormatDate(local.day, local.month, local.year, value);
    Fill(add(3), kSize, IDS_STATUS_DATE, value);
    FormatHoursMinutes(local.hours, value);
    Fill(add(4), kSize, IDS_STATUS_TIME, value);

    const bool planetarium = mode == kPlanetariumMode;
    if (planetarium) {
        const CalendarTime ut = SplitJulianDay(values.jd);
        const double gst = GreenwichSiderealTime(ut);
        FormatHoursMinutes(gst, value);
        Fill(add(5), kSize, IDS_STATUS_GST, value);
        FormatHoursMinutes(LocalSiderealTime(gst, observer.location), value);
        Fill(add(6), kSize, IDS_STATUS_LST, value);
    }
    Load(add(planetarium ? 7 : 6), kSize, IDS_STATUS_JULIAN_DATE);
    FormatFixed(values.jd, 8, 2, value);
    std::snprintf(add(planetarium ? 8 : 7), kSize, "%s", value);

    if (mode == kBinaryStarMode) {
        FormatFixed(values.theta, 5, 1, value);
        Fill(add(8), kSize, IDS_STATUS_THETA, value);
        FormatFixed(values.rho, 5, 3, value);
        Fill(add(9), kSize, IDS_STATUS_RHO, value);
    }
    if (planetarium) {
        FormatSexagesimal(values.centreRa, 0, value);
        Fill(add(9), kSize, IDS_STATUS_RA, value);
        FormatSexagesimal(values.centreDec, 1, value);
        Fill(add(10), kSize, IDS_STATUS_DEC, value);
        FormatSexagesimal(values.centreAlt, 1, value);
        Fill(add(12), kSize, IDS_STATUS_ALTITUDE, value);
        FormatSexagesimal(values.centreAzimuth, 1, value);
        CompassPoint(values.centreAzimuth, second);
        char format[kTextSize];
        LoadText(IDS_STATUS_AZIMUTH, format, sizeof format);
        std::snprintf(add(13), kSize, format, value, second);
    }
    if (planetarium || mode == kEclipticTopMode || mode == kBinaryStarMode) {
        FormatFixed(observer.viewAngle, 2, 2, value);
        Fill(add(planetarium ? 14 : 11), kSize, IDS_STATUS_VIEW_ANGLE, value);
    }
    if (mode != kDayNightMode) {
        const int row = planetarium ? 15 : (mode == kEclipticTopMode || mode == 6) ? 12 : 9;
        char* text = add(row);
        char format[kTextSize];
        if (values.paused) {
            LoadText(IDS_PAUSED, second, sizeof second);
            LoadText(IDS_TIME_SPEED_PAUSED, format, sizeof format);
            std::snprintf(text, kSize, format, second);
        } else {
            LoadText(IDS_TIME_SPEED_VALUE, format, sizeof format);
            std::snprintf(text, kSize, format, observer.timeSpeed);
        }
    }
    if (planetarium) {
        Load(add(16), kSize, observer.turbo ? IDS_TURBO_ON : IDS_TURBO_OFF);
        Load(add(17), kSize, values.tracking ? IDS_TRACKING_ON : IDS_TRACKING_OFF);
    }
    if (mode == kJupiterSideMode || mode == kJupiterTopMode) {
        for (int i = 0; i < 4; ++i) {
            Load(add(11 + i), kSize, IDS_JUPITER_MOON_LABEL_FIRST + i);
        }
    }
    return n;
}

void DrawStatusPanel(MovieFrame& frame, const MovieObserver& observer, const StatusValues& values) {
    const DrawingModuleScope shared(kFrameModule);
    StatusRow rows[20];
    const int n = StatusPanelRows(frame.mode, observer, values, rows);
    const int top = frame.mode == kEclipticSideMode ? kPageHeight - frame.lineHeight : frame.side;
    const int x = frame.side + frame.charWidth;
    for (int i = 0; i < n; ++i) {
        frame.Draw().Text(x, StatusRowY(frame.lineHeight, top, rows[i].row), rows[i].text);
        if (frame.status != nullptr) {
            frame.status->push_back(rows[i]);
        }
    }
}
