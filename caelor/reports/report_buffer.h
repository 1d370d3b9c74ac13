// The one buffer every text report is written into: fixed 81-byte line slots
// (80 characters and the terminating NUL) in a block that grows by 100 lines
// at a time, so line i is addressed directly. The same buffer is shown,
// printed and copied.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr int kReportLineMax = 80;
constexpr int kReportSlot = 81;
constexpr int kReportBlockLines = 100;

// The page-break line: a single form feed.
constexpr char kPageBreakLine[] = "\f";

struct ReportBuffer {
    int lineCount = 0;      // 0: no report is shown
    int topLine = 0;        // first line shown in the view
    int sectionLines = 0;   // lines appended since the current report began
    int firstColumn = 0;    // first character shown of every line, 0 .. 79
    std::vector<char> text; // lineCount lines at 81 bytes each, zero-filled
    int complete = 0;       // 1 once the command has finished

    int CapacityLines() const { return static_cast<int>(text.size()) / kReportSlot; }
    const char* Line(int index) const { return &text[static_cast<size_t>(index) * kReportSlot]; }
};

// Report index of each report, also its row of the Almanac's progress table;
// Local Eclipses, which the Almanac does not run, comes after its rows.
enum ReportIndex : int {
    kReportIntroduction = 1,
    kReportCalendar,
    kReportSeasons,
    kReportEaster,
    kReportLunarEclipses,
    kReportSolarEclipses,
    kReportPlanetViewInfo,
    kReportPlanetApsides,
    kReportPlanetConjOpp,
    kReportPlanetData,
    kReportMoonApsides,
    kReportMoonNodes,
    kReportMeteorShowers,
    kReportTwilight,
    kReportLocalEclipses,
};

void ReportBeginSection(ReportBuffer& buffer);

// Appends one line of 0 .. 80 characters; a longer line is an internal error
// (fatal IDS_INTERNAL_ERROR). The block grows by 100 lines while one slot is still free.
void ReportAddLine(const char* line, ReportBuffer& buffer);

void ReportAddPageBreak(ReportBuffer& buffer);

struct Location;

// The two location lines and an empty line that head every report whose
// results depend on the place.
void ReportHeader(const Location& location, ReportBuffer& buffer);

// Appends the title string titleId filled with text (a date or year range),
// centred.
void ReportTitle(int titleId, const char* text, ReportBuffer& buffer);

// Appends string id as it stands.
void ReportText(int id, ReportBuffer& buffer);

// Discards the lines and resets the positions; the complete flag stays.
void ReportFree(ReportBuffer& buffer);

// (current - first) / (last - first); 1.0 when last <= first.
double ReportFraction(int first, int last, int current);

// Fraction done of three nested counted loops, i outermost.
double ReportNestedFraction(int i, int iFirst, int iLast, int j, int jFirst, int jLast, int k,
                            int kFirst, int kLast);

// Rewrites line in place centred in 80 columns: (80 - length) / 2 blanks, at
// least one, then the text. line must hold kReportSlot bytes.
void CenterLine(char* line);

// The overall fraction of a report's progress: inside the Almanac it is
// placed in the report's share of the whole.
double AlmanacFraction(int index, bool insideAlmanac, double fraction);

// The progress line (IDS_REPORT_PROGRESS) for an overall fraction and the time since
// the report started; out holds kReportSlot bytes.
void FormatProgressText(double fraction, uint32_t elapsedMs, char* out);

// Keeps the start time of the running report for the progress estimate.
struct ProgressClock {
    uint32_t startTick = 0;
    // Formats the progress line for the hook call ReportProgress(index,
    // insideAlmanac, fraction) at tick count now (milliseconds, may wrap);
    // a fraction of exactly 0 restarts the clock.
    void Update(int index, bool insideAlmanac, double fraction, uint32_t now, char* out);
};

// The string-list reports: the first id's text centred as the title, then
// every later id up to last as a line ("!" skipped, a missing id an empty
// line, '#' as the decimal separator), then the page break.
void StringListReport(int firstId, int lastId, ReportBuffer& buffer, int index, bool insideAlmanac);
