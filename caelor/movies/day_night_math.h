// The arithmetic of the Day/Night movie: the clock's step, the subsolar
// column, the table of half-widths traced along the terminator, and the
// bands painted from it. The picture itself is day_night.h.
#pragma once

#include <cstdint>

constexpr int kTerminatorRows = 175;
constexpr int kMapColumns = 320;
constexpr int kMapWrapColumns = 321;
constexpr int32_t kEmptyEntry = -1; // all bits set
constexpr int32_t kFullBand = 160;

// One entry per latitude band from the south (0) to the north (174): a
// half-width in map columns (1 .. 160) or kEmptyEntry.
struct TerminatorTableData {
    int32_t entry[kTerminatorRows];
};

// The clock after one tick of Day/Night step: 0 real time (jd + now - last,
// the wall clock's Julian days), 1 an hour, 2 a day, 3 a week, 4 a month
// (day and fraction kept; a day the month lacks carries into the next
// month), 5 paused.
double NextDayNightTime(double jd, double lastWallClock, int step, double wallClockNow);

// Map column of the subsolar point at the UT Julian day, 0 .. 321 from the
// map's left edge (longitude 180 W), eastward; also the Sun's declination
// (degrees, [0, 360) form) for the table.
struct SubsolarPoint {
    double column;
    double declination;
};
SubsolarPoint SubsolarPointAt(double jdUt);

// Traces the terminator for the Sun's declination delta (degrees): 100
// points a = -90 + 1.8 k (k = 0 .. 99) give a latitude row and a half-width
// in columns; rows between consecutive points are interpolated. Entries
// outside 0 .. 174 are never written.
void TerminatorTable(TerminatorTableData& table, double delta);

// From the pole the table starts at (south for delta >= 0), fills the empty
// entries and three more with 160; stops at the table's end.
void FillPolarNight(TerminatorTableData& table, double delta);

// A band of map columns on one row as a rectangle of the logical page
// (x, y bottom-left, width, height, y up).
struct PageRect {
    int x;
    int y;
    int width;
    int height;
};

// The rectangles of a band of width columns from column x0 on row (counted
// as the table's 175 - entry): one, or two when the band passes column 321
// and wraps to the left edge. Returns how many were written (1 or 2).
int PaintBandRects(int x0, int row, int width, PageRect rects[2]);

// Rectangle of columns a .. b on row.
PageRect BandRect(int a, int b, int row);

// Start column of the band for entry value v around the subsolar column.
int BandStartColumn(double subsolarColumn, int32_t value);
