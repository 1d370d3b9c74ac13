#include "graphs/graphics.h"

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/sun.h"
#include "engine/time.h"
#include "reports/names.h"
#include "resources/string_table.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool g_tickMarks = false;

} // namespace

void SetTickMarks(bool on) {
    g_tickMarks = on;
}

bool TickMarksOn() {
    return g_tickMarks;
}

void CenteredText(Surface& s, int x, int y, const char* text) {
    s.Text(x - s.TextWidth(text) / 2, y, text);
}

void VerticalText(Surface& s, int x, int y, const char* text) {
    const unsigned n = static_cast<unsigned>(std::strlen(text));
    if (n == 0) {
        return;
    }
    const int lineHeight = s.LineHeight();
    int top = y + static_cast<int>((static_cast<unsigned>(lineHeight) * (n - 1)) >> 1);
    for (unsigned i = 0; i < n; ++i) {
        const char one[2] = {text[i], '\0'};
        s.Text(x, top, one);
        top -= lineHeight;
    }
}

void BodyNameText(Surface& s, int body, int x, int y) {
    char name[kTextSize];
    BodyName(body, name);
    CenteredText(s, x, y + s.TextHeight(name) / 2, name);
}

void DrawLine(Surface& s, int x1, int y1, int x2, int y2) {
    const SurfacePoint points[2] = {{x1, y1}, {x2, y2}};
    s.Polyline(points, 2);
}

void DrawBox(Surface& s, int x1, int y1, int x2, int y2, bool nudge, ColorRef colour) {
    if (nudge) {
        SurfacePoint device = s.LogicalToDevice({x1, y1});
        device.y -= 1;
        const SurfacePoint moved = s.DeviceToLogical(device);
        x1 = moved.x;
        y1 = moved.y;
    }
    const SurfacePoint outline[5] = {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}, {x1, y1}};
    s.SaveState();
    s.SelectColorPen(colour);
    s.Polyline(outline, 5);
    s.RestoreState();
}

void DrawCircle(Surface& s, int x, int y, int r) {
    s.SaveState();
    s.SelectHollowBrush();
    s.Ellipse(x - r, y + r, x + r, y - r);
    s.RestoreState();
}

void FillRect(Surface& s, int x1, int y1, int x2, int y2, ColorRef penColour,
              ColorRef brushColour) {
    s.SaveState();
    s.SelectColorPen(penColour);
    s.SelectSolidBrush(brushColour);
    s.Rectangle(x1, y1, x2, y2);
    s.RestoreState();
}

void DrawDisc(Surface& s, int x, int y, int r, int item, int hatch, bool transparent) {
    const ColorRef colour = s.ItemColor(item);
    // The brush made here goes when the state is restored, so a movie that
    // draws thousands of discs does not run out of drawing objects.
    s.SaveState();
    if (hatch == -1) {
        s.SelectSolidBrush(colour);
    } else {
        s.SelectHatchBrush(static_cast<HatchStyle>(hatch), colour);
    }
    s.SelectItemPen(item);
    s.SetBackgroundTransparent(transparent);
    if (!s.Ellipse(x - r, y + r, x + r, y - r)) {
        s.SetPixel(x, y, colour);
    }
    const SurfacePoint centre = s.DeviceToLogical(s.LogicalToDevice({x, y}));
    s.SetPixel(centre.x, centre.y, colour);
    s.RestoreState();
}

void DrawStarDisc(Surface& s, int x, int y, int r) {
    DrawDisc(s, x, y, r, 11, -1, false);
}

int DateToX(int x0, int W, double days, double jd, double jdStart) {
    return x0 + RoundHalfUp((jd - jdStart) / days * W);
}

int ValueToY(double vBottom, double vTop, double v, int H, int B) {
    return B + RoundHalfUp((v - vBottom) / (vTop - vBottom) * H);
}

void VerticalRule(Surface& s, int x, int y0, int length) {
    if (!TickMarksOn()) {
        DrawLine(s, x, y0, x, y0 + length);
        return;
    }
    const int tick = s.CharWidth();
    DrawLine(s, x, y0 + length, x, y0 + length - tick);
    DrawLine(s, x, y0, x, y0 + tick);
}

void HorizontalRule(Surface& s, int y, int x0, int length) {
    if (!TickMarksOn()) {
        DrawLine(s, x0, y, x0 + length, y);
        return;
    }
    const int tick = s.CharWidth();
    DrawLine(s, x0, y, x0 + tick, y);
    DrawLine(s, x0 + length - tick, y, x0 + length, y);
}

void LineIfNoJump(Surface& s, int x1, int y1, int x2, int y2, int span) {
    if (std::abs(y2 - y1) < span / 2) {
        DrawLine(s, x1, y1, x2, y2);
    }
}

void MonthAxis(Surface& s, int year, double days, int L, int B, int W, int H, double jdStart) {
    for (int m = 1; m <= 12; ++m) {
        const int x = DateToX(L, W, days, CalendarToJulianDay(1.0, m, year), jdStart);
        VerticalRule(s, x, B, H);
        char label[16];
        std::snprintf(label, sizeof label, "%d", m);
        CenteredText(s, x, B - s.LineHeight() / 2, label);
    }
}

void SeasonMarkers(Surface& s, int year, int L, int B, int W, int H, double days, double jdStart,
                   double timeZoneHours) {
    double instants[4];
    Seasons(year, instants);
    for (int k = 0; k < 4; ++k) {
        const double jd = instants[k] + timeZoneHours / 24.0;
        const int x = DateToX(L, W, days, jd, jdStart);
        DrawLine(s, x, B, x, B + H);
        char label[kTextSize];
        LoadText(IDS_SEASON_ABBREV_FIRST + k, label, sizeof label);
        CenteredText(s, x, B + H + s.LineHeight() * 3 / 2, label);
    }
}

void PlanetLegendLayout(int W, int H, int L, int B, int lineHeight, bool withEarth,
                        LegendSlot slots[kLegendSlotCount]) {
    const int first = withEarth ? 2 : 3;
    const int slotWidth = W / (11 - first);
    // Without the Earth its slot counts as placed: no name is ever drawn there.
    slots[0] = LegendSlot{0, 0, true};
    for (int k = first; k <= 10; ++k) {
        LegendSlot& slot = slots[k - 2];
        slot.x = L + slotWidth / 2 + (k - first) * slotWidth;
        slot.y = B + H + lineHeight + (k % 2 == 1 ? lineHeight : 0);
        slot.placed = false;
    }
}

void LegendLeader(Surface& s, int body, int x, int y, LegendSlot& slot) {
    if (slot.placed || x < slot.x) {
        return;
    }
    DrawLine(s, x, y, x, slot.y);
    BodyNameText(s, body, x, slot.y);
    slot.placed = true;
}
