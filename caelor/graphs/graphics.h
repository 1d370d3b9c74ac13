// The drawing layer every graph and movie shares (module GRAPHICS): text
// placement, lines and shapes with their pen, brush and background rules,
// the value-to-page mappings, and the axis machinery of the year graphs
// (rules or ticks, month axis, season markers, staggered planet legend).
// Everything is in logical units of the 1000 x 750 page, y up.
#pragma once

#include "graphs/surface.h"

// Tick Marks (true) or Grid Lines (false), as the Options menu last chose;
// read at each drawing.
void SetTickMarks(bool on);
bool TickMarksOn();

// Text with its left edge at x - TextWidth/2 and its top at y.
void CenteredText(Surface& s, int x, int y, const char* text);
// One character per line, the column centred on y: the first character's
// top at y + LineHeight * (n - 1) / 2, each next one LineHeight lower.
void VerticalText(Surface& s, int x, int y, const char* text);
// Name of body index body (BodyName), centred at x, its top at y +
// TextHeight / 2.
void BodyNameText(Surface& s, int body, int x, int y);

// A two-point polyline in the current pen.
void DrawLine(Surface& s, int x1, int y1, int x2, int y2);
// The closed outline of the box in a one-pixel pen of colour; with nudge,
// (x1, y1) is moved up one device pixel first.
void DrawBox(Surface& s, int x1, int y1, int x2, int y2, bool nudge, ColorRef colour);
// A hollow circle in the current pen.
void DrawCircle(Surface& s, int x, int y, int r);
// A rectangle with a one-pixel pen of penColour and a solid brush of
// brushColour.
void FillRect(Surface& s, int x1, int y1, int x2, int y2, ColorRef penColour, ColorRef brushColour);
// A disc in colour item's pen and brush (solid when hatch is -1, else that
// hatch style), background transparent or opaque; its centre pixel is always
// set, so even a disc too small to draw shows.
void DrawDisc(Surface& s, int x, int y, int r, int item, int hatch, bool transparent);
void DrawStarDisc(Surface& s, int x, int y, int r);

// x0 + RoundHalfUp((jd - jdStart) / days * W).
int DateToX(int x0, int W, double days, double jd, double jdStart);
// B + RoundHalfUp((v - vBottom) / (vTop - vBottom) * H).
int ValueToY(double vBottom, double vTop, double v, int H, int B);

// Grid mode: the full line; tick mode: a CharWidth tick at each end.
void VerticalRule(Surface& s, int x, int y0, int length);
void HorizontalRule(Surface& s, int y, int x0, int length);
// The segment only when |y2 - y1| < span / 2, so a quantity that wraps round
// is not joined across the plot.
void LineIfNoJump(Surface& s, int x1, int y1, int x2, int y2, int span);
// A rule and the month number at the first of each month of the year.
void MonthAxis(Surface& s, int year, double days, int L, int B, int W, int H, double jdStart);
// Full-height lines at the equinoxes and solstices (local time) labelled MEQ,
// JSO, SEQ, DSO above the plot.
void SeasonMarkers(Surface& s, int year, int L, int B, int W, int H, double days, double jdStart,
                   double timeZoneHours);

// A planet name's place above the plot; placed once its curve reaches it.
struct LegendSlot {
    int x = 0;
    int y = 0;
    bool placed = false;
};
// Slot of body k at index k - 2 (bodies 2 .. 10); without Earth the slots of
// bodies 3 .. 10 share the width; two staggered rows, LineHeight and (odd
// bodies) twice that above the plot.
constexpr int kLegendSlotCount = 9;
void PlanetLegendLayout(int W, int H, int L, int B, int lineHeight, bool withEarth,
                        LegendSlot slots[kLegendSlotCount]);
// At the first point at or right of the slot: a leader from (x, y) up to the
// slot's height and the body's name there.
void LegendLeader(Surface& s, int body, int x, int y, LegendSlot& slot);
