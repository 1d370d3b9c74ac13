// The graphs drawn onto a recording surface: where their frames, labels,
// legends and curves land on the page, and the values the curves plot.
// The recording surface's font is 10 units wide and 20 high, so CW = 10 and
// LH = 20 in every layout below.

#include "report_test_support.h"

#include "engine/time.h"
#include "graphs/graphics.h"
#include "graphs/graphs.h"
#include "graphs/recording_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int CW = 10;
constexpr int LH = 20;
constexpr int kSun = 0;
constexpr int kMoonItem = 1;

Location Place(double latitude, double longitude, double timeZone) {
    Location loc{};
    std::snprintf(loc.name, sizeof loc.name, "Test");
    loc.latitudeHemisphere = latitude >= 0 ? kNorth : kSouth;
    loc.latitude = std::fabs(latitude);
    loc.longitudeHemisphere = longitude >= 0 ? kEast : kWest;
    loc.longitude = std::fabs(longitude);
    loc.timeZone = timeZone;
    return loc;
}

// A recording surface prepared as the main window prepares it, with grid
// lines unless a test asks for ticks.
struct Page {
    Page() {
        SetTickMarks(false);
        s.Prepare(kPageMapping, 1000, 750, true);
    }
    ~Page() { SetTickMarks(false); }
    RecordingSurface s;
    ScopedHost scoped;
};

// Texts drawn with their top at y.
std::vector<RecordedCall> TextsWithTop(const RecordingSurface& s, int y) {
    std::vector<RecordedCall> found;
    for (const RecordedCall& call : s.CallsOf(CallKind::Text)) {
        if (call.points[0].y == y) {
            found.push_back(call);
        }
    }
    return found;
}

// A legend leader: straight up from the curve to a name above the plot.
bool IsLeader(const RecordingSurface::Segment& segment) {
    return segment.from.x == segment.to.x && segment.to.y >= 650 && segment.from.y < segment.to.y;
}

// Segments of the curve drawn in item's pen, without legend leaders.
std::vector<RecordingSurface::Segment> CurveSegments(const RecordingSurface& s, int item) {
    std::vector<RecordingSurface::Segment> segments;
    for (const RecordingSurface::Segment& segment : s.SegmentsInItemPen(item)) {
        if (!IsLeader(segment)) {
            segments.push_back(segment);
        }
    }
    return segments;
}

// The points of the curve drawn in item's pen, in order, joined where
// segments meet.
std::vector<SurfacePoint> CurvePoints(const RecordingSurface& s, int item) {
    std::vector<SurfacePoint> points;
    for (const RecordingSurface::Segment& segment : CurveSegments(s, item)) {
        if (points.empty() || !(points.back() == segment.from)) {
            points.push_back(segment.from);
        }
        points.push_back(segment.to);
    }
    return points;
}

bool HasSegment(const RecordingSurface& s, SurfacePoint a, SurfacePoint b) {
    for (const RecordedCall& call : s.CallsOf(CallKind::Polyline)) {
        for (size_t i = 1; i < call.points.size(); ++i) {
            if (call.points[i - 1] == a && call.points[i] == b) {
                return true;
            }
        }
    }
    return false;
}

TEST(GraphFrame, PlanetMagnitudeLaysOutFrameTitlesAndAxes) {
    Page page;
    PlanetMagnitudeGraph(page.s, 2024, SetBit(3));
    // L = 6 CW, B = 5 LH, W = (500 - L) * 2, H = (375 - B) * 2.
    const int L = 60, B = 100, W = 880, H = 550;
    const RecordedCall frame = page.s.CallsOf(CallKind::Polyline).at(0);
    EXPECT_EQ(frame.penItem, kColorPen);
    EXPECT_EQ(frame.penColor, page.s.SystemColorValue(SystemColor::WindowText));
    EXPECT_EQ(frame.points,
              (std::vector<SurfacePoint>{{L, B}, {L + W, B}, {L + W, B + H}, {L, B + H}, {L, B}}));

    // Title centred over the plot at the top line; "Month" two lines up.
    const std::string title = "Planet Magnitude Graph for 2024";
    ASSERT_EQ(page.s.TextsEqual(title).size(), 1u);
    EXPECT_EQ(page.s.TextsEqual(title)[0].points[0],
              (SurfacePoint{L + W / 2 - static_cast<int>(title.size()) * CW / 2, 750 - LH}));
    EXPECT_EQ(page.s.TextsEqual("Month").at(0).points[0], (SurfacePoint{500 - 25, 2 * LH}));
    // "Magnitude" stands one letter per line at L - 5 CW, centred on the plot.
    const std::vector<RecordedCall> m = page.s.TextsEqual("M");
    ASSERT_FALSE(m.empty());
    EXPECT_EQ(m[0].points[0], (SurfacePoint{L - 5 * CW, B + H / 2 + LH * 8 / 2}));

    // Brighter is higher: -6 labels the top rule, 20 the bottom one; odd
    // values are ruled but not labelled.
    EXPECT_EQ(page.s.TextsEqual("-6").at(0).points[0],
              (SurfacePoint{L - 2 * CW - CW, B + H + LH / 2}));
    EXPECT_EQ(page.s.TextsEqual("20").at(0).points[0], (SurfacePoint{L - 2 * CW - CW, B + LH / 2}));
    EXPECT_TRUE(page.s.TextsEqual("-5").empty());
    EXPECT_TRUE(HasSegment(page.s, {L, B + H}, {L + W, B + H}));

    // Months at the first of each month of the leap year, below the plot.
    const std::vector<RecordedCall> months = TextsWithTop(page.s, B - LH / 2);
    ASSERT_EQ(months.size(), 12u);
    EXPECT_EQ(months[0].points[0].x, L - 5);
    const int march = L + static_cast<int>(60.0 / 366 * W + 0.5); // 1 March is day 60
    EXPECT_EQ(months[2].points[0].x, march - 5);
    EXPECT_TRUE(HasSegment(page.s, {march, B}, {march, B + H}));
}

TEST(GraphFrame, PlanetCurvesRunFromFirstJanuaryToThirtyFirstDecember) {
    Page page;
    PlanetMagnitudeGraph(page.s, 2024, SetBit(3) | SetBit(5));
    const int L = 60, W = 880;
    for (int body : {3, 5}) {
        const std::vector<SurfacePoint> curve = CurvePoints(page.s, body);
        // Every 7 days from 1 January and once more at 31 December: 53 + 1.
        ASSERT_EQ(curve.size(), 54u) << body;
        EXPECT_EQ(curve.front().x, L);
        EXPECT_EQ(curve.back().x, L + static_cast<int>(365.0 / 366 * W + 0.5));
        EXPECT_EQ(curve[1].x, L + static_cast<int>(7.0 / 366 * W + 0.5));
    }
    EXPECT_TRUE(CurvePoints(page.s, 4).empty());
}

TEST(GraphFrame, EachPlanetNameIsPlacedOnceAtItsSlotWithALeader) {
    Page page;
    PlanetMagnitudeGraph(page.s, 2024, SetBit(3) | SetBit(4));
    const int L = 60, B = 100, W = 880, H = 550;
    // Without the Earth eight slots of W / 8; Mercury (odd) stands a line
    // higher than Venus.
    const int slot = W / 8;
    const int mercurySlotX = L + slot / 2;
    const int venusSlotX = L + slot / 2 + slot;
    const std::vector<RecordedCall> mercury = page.s.TextsEqual("Mercury");
    const std::vector<RecordedCall> venus = page.s.TextsEqual("Venus");
    ASSERT_EQ(mercury.size(), 1u);
    ASSERT_EQ(venus.size(), 1u);
    // The leader goes up from the first sample at or right of the slot.
    const std::vector<SurfacePoint> curve = CurvePoints(page.s, 3);
    const auto first = std::find_if(curve.begin(), curve.end(),
                                    [&](SurfacePoint p) { return p.x >= mercurySlotX; });
    ASSERT_NE(first, curve.end());
    const int mercuryY = B + H + 2 * LH;
    EXPECT_TRUE(HasSegment(page.s, *first, {first->x, mercuryY}));
    EXPECT_EQ(mercury[0].points[0], (SurfacePoint{first->x - 35, mercuryY + LH / 2}));
    EXPECT_GE(venus[0].points[0].x + 25, venusSlotX);
    EXPECT_EQ(venus[0].points[0].y, B + H + LH + LH / 2);
    EXPECT_TRUE(page.s.TextsEqual("Mars").empty());
}

TEST(GraphFrame, TickMarksReplaceGridLinesButNotSeasonMarkers) {
    const int L = 70, B = 80, W = 860, H = 590;
    const Location greenwich = Place(51.5, 0, 0);
    {
        Page page;
        EquationOfTimeGraph(page.s, 2026, greenwich);
        const int y0 = B + H / 2; // the 0 minutes rule
        EXPECT_TRUE(HasSegment(page.s, {L, y0}, {L + W, y0}));
    }
    Page page;
    SetTickMarks(true);
    EquationOfTimeGraph(page.s, 2026, greenwich);
    const int y0 = B + H / 2;
    EXPECT_FALSE(HasSegment(page.s, {L, y0}, {L + W, y0}));
    EXPECT_TRUE(HasSegment(page.s, {L, y0}, {L + CW, y0}));
    EXPECT_TRUE(HasSegment(page.s, {L + W - CW, y0}, {L + W, y0}));
    // The month rule of 1 February: two ticks at the plot's edges.
    const int feb = L + static_cast<int>(31.0 / 365 * W + 0.5);
    EXPECT_TRUE(HasSegment(page.s, {feb, B + H}, {feb, B + H - CW}));
    EXPECT_TRUE(HasSegment(page.s, {feb, B}, {feb, B + CW}));
    EXPECT_FALSE(HasSegment(page.s, {feb, B}, {feb, B + H}));
    // Season markers stay full height, labelled above the plot.
    const std::vector<RecordedCall> meq = page.s.TextsEqual("MEQ");
    ASSERT_EQ(meq.size(), 1u);
    EXPECT_EQ(meq[0].points[0].y, B + H + LH * 3 / 2);
    const int x = meq[0].points[0].x + 15;
    EXPECT_TRUE(HasSegment(page.s, {x, B}, {x, B + H}));
}

TEST(CurveGraphs, EquationOfTimeOf2026SpansMinus14ToPlus16Minutes) {
    // The familiar curve: about -14.2 min in mid-February, +16.4 min early
    // in November (the almanacs' values, within the series' precision).
    EXPECT_NEAR(EquationOfTimeMinutes(CalendarToJulianDay(11.0, 2, 2026)), -14.2, 0.3);
    EXPECT_NEAR(EquationOfTimeMinutes(CalendarToJulianDay(3.0, 11, 2026)), 16.4, 0.3);
    EXPECT_NEAR(EquationOfTimeMinutes(CalendarToJulianDay(15.0, 4, 2026)), 0.0, 0.6);

    Page page;
    EquationOfTimeGraph(page.s, 2026, Place(51.5, 0, 0));
    const int L = 70, B = 80, W = 860, H = 590;
    const std::vector<SurfacePoint> curve = CurvePoints(page.s, kSun);
    // Samples on 1, 7, 13 January ... (six days apart); the last at 31
    // December only when the final gap is over three days (360 -> 364 is).
    ASSERT_EQ(curve.size(), 62u);
    EXPECT_EQ(curve[0].x, L);
    EXPECT_EQ(curve[1].x, L + static_cast<int>(6.0 / 365 * W + 0.5));
    EXPECT_EQ(curve[2].x, L + static_cast<int>(12.0 / 365 * W + 0.5));
    EXPECT_EQ(curve[60].x, L + static_cast<int>(360.0 / 365 * W + 0.5));
    EXPECT_EQ(curve.back().x, L + static_cast<int>(364.0 / 365 * W + 0.5));
    int lowest = 10000, highest = -10000;
    for (SurfacePoint p : curve) {
        lowest = std::min(lowest, p.y);
        highest = std::max(highest, p.y);
    }
    auto minutes = [&](int y) { return (static_cast<double>(y - B) / H * 2 - 1) * 20; };
    EXPECT_NEAR(minutes(lowest), -14.2, 0.5);
    EXPECT_NEAR(minutes(highest), 16.4, 0.5);
}

TEST(CurveGraphs, DayLengthBeyondThePolarCircleIs24AtMidsummerAnd0AtMidwinter) {
    const Location tromso = Place(69.65, 18.96, 1);
    EXPECT_EQ(DayLengthHours(CalendarToJulianDay(21.0, 6, 2026), tromso), 24.0);
    EXPECT_EQ(DayLengthHours(CalendarToJulianDay(21.0, 12, 2026), tromso), 0.0);
    Page page;
    DayLengthGraph(page.s, 2026, tromso);
    const int B = 80, H = 590;
    const std::vector<SurfacePoint> curve = CurvePoints(page.s, kSun);
    ASSERT_EQ(curve.size(), 53u);
    bool top = false, bottom = false;
    for (SurfacePoint p : curve) {
        EXPECT_GE(p.y, B);
        EXPECT_LE(p.y, B + H);
        top = top || p.y == B + H;
        bottom = bottom || p.y == B;
    }
    EXPECT_TRUE(top);
    EXPECT_TRUE(bottom);
    EXPECT_EQ(page.s.TextsEqual("Day Length Graph for 2026 ( 69\26039'00\" N)").size(), 1u);
}

TEST(CurveGraphs, DayLengthCountsASunsetAfterLocalMidnight) {
    // Iceland kept on a clock five hours ahead of its meridian: the summer
    // sunset falls after local midnight and reads earlier than the sunrise.
    const double jd = CalendarToJulianDay(1.0, 6, 2026);
    const double onItsMeridian = DayLengthHours(jd, Place(64.1, -21.9, -1.5));
    const double shifted = DayLengthHours(jd, Place(64.1, -21.9, 5.0));
    EXPECT_GT(onItsMeridian, 20.0);
    EXPECT_NEAR(shifted, onItsMeridian, 0.2);
}

TEST(CurveGraphs, SunAngleIsTakenAtLocalNoonAndNeverNegative) {
    // 40 N, 120 W at the March equinox: the noon Sun stands 50 degrees high
    // (90 - latitude), though at 12:00 UT it is still below the horizon there.
    const Location west = Place(40, -120, -8);
    EXPECT_NEAR(SunAngleAtNoon(CalendarToJulianDay(20.0, 3, 2026), west), 50.0, 1.0);
    const Location north = Place(80, 15, 1);
    EXPECT_EQ(SunAngleAtNoon(CalendarToJulianDay(21.0, 12, 2026), north), 0.0);
    Page page;
    SunAngleGraph(page.s, 2026, north);
    const int B = 80;
    const std::vector<SurfacePoint> curve = CurvePoints(page.s, kSun);
    ASSERT_EQ(curve.size(), 74u); // every 5 days, the last at 31 December
    int atZero = 0;
    for (SurfacePoint p : curve) {
        EXPECT_GE(p.y, B);
        atZero += p.y == B ? 1 : 0;
    }
    EXPECT_GT(atZero, 10);
}

TEST(CurveGraphs, SunriseAzimuthIsTakenAtTheRiseInUniversalTime) {
    // At the equinox the Sun rises close to due east wherever the clock's
    // zone puts the place.
    EXPECT_NEAR(SunriseAzimuth(CalendarToJulianDay(20.0, 3, 2026), Place(40, -75, -5)), 90.0, 2.0);
    EXPECT_NEAR(SunriseAzimuth(CalendarToJulianDay(20.0, 3, 2026), Place(-33.9, 151.2, 10)), 90.0,
                2.0);
}

TEST(CurveGraphs, PlanetDistanceFromTheEarthNeverDrawsTheEarth) {
    Page page;
    PlanetDistanceGraph(page.s, 2026, SetBit(2) | SetBit(5), 0);
    EXPECT_TRUE(page.s.SegmentsInItemPen(2).empty());
    EXPECT_TRUE(page.s.TextsEqual("Earth").empty());
    EXPECT_FALSE(page.s.SegmentsInItemPen(5).empty());
    EXPECT_EQ(page.s.TextsEqual("Planet-Earth Distance Graph for 2026").size(), 1u);

    Page fromSun;
    PlanetDistanceGraph(fromSun.s, 2026, SetBit(2), 1);
    EXPECT_EQ(CurvePoints(fromSun.s, 2).size(), 53u);
    EXPECT_EQ(fromSun.s.TextsEqual("Earth").size(), 1u);
}

TEST(MonthGraphs, MoonIlluminationLabelsOddDaysAndTheNextFirst) {
    const Location greenwich = Place(51.5, 0, 0);
    // L = 7 CW, B = 4 LH; step = trunc((500 - L) * 2 / (days + 1)).
    const int L = 70, B = 80;
    {
        Page page; // April: 30 days
        MoonIllumFracGraph(page.s, 2026, 4, greenwich);
        const int step = 860 / 31;
        std::vector<std::string> labels;
        for (const RecordedCall& call : TextsWithTop(page.s, B - LH / 2)) {
            labels.push_back(call.text);
        }
        ASSERT_EQ(labels.size(), 16u);
        EXPECT_EQ(labels.front(), "1");
        EXPECT_EQ(labels[14], "29");
        EXPECT_EQ(labels.back(), "1");
        const RecordedCall last = TextsWithTop(page.s, B - LH / 2).back();
        EXPECT_EQ(last.points[0].x, L + 30 * step + CW - 5);
        const std::vector<SurfacePoint> curve = CurvePoints(page.s, kMoonItem);
        ASSERT_EQ(curve.size(), 31u);
        EXPECT_EQ(curve.back().x, L + 30 * step);
    }
    Page page; // March: 31 days, no closing "1" (32 is even)
    MoonIllumFracGraph(page.s, 2026, 3, greenwich);
    const std::vector<RecordedCall> labels = TextsWithTop(page.s, B - LH / 2);
    ASSERT_EQ(labels.size(), 16u);
    EXPECT_EQ(labels.back().text, "31");
}

TEST(MonthGraphs, PlanetAngleOfTheMainPlanetWithItselfLiesOnZero) {
    Page page;
    PlanetAngleGraph(page.s, 2026, 3, 5, SetBit(5) | SetBit(6), Place(51.5, 0, 0));
    const int B = 100;
    const std::vector<SurfacePoint> mars = CurvePoints(page.s, 5);
    ASSERT_EQ(mars.size(), 32u);
    for (SurfacePoint p : mars) {
        EXPECT_EQ(p.y, B);
    }
    EXPECT_EQ(page.s.TextsEqual("Planet Angle Graph for Mars, March 2026").size(), 1u);
}

TEST(OrbitGraphs, PlanetOrbitLeavesAGapWhereRightAscensionWraps) {
    Page page;
    PlanetOrbitGraph(page.s, 2026, SetBit(1) | SetBit(2) | SetBit(5) | SetBit(6));
    const int H = 550;
    for (int item = 0; item <= 10; ++item) {
        for (const RecordingSurface::Segment& segment : CurveSegments(page.s, item)) {
            EXPECT_LT(std::abs(segment.to.y - segment.from.y), H / 2) << item;
        }
    }
    // Sun and anti-Sun, each three lines thick, over 52 gaps between 53
    // samples; the anti-Sun wraps once, which costs three segments.
    EXPECT_EQ(page.s.SegmentsInItemPen(kSun).size(), 6u * 52u - 3u);
    // Neither the Moon nor the Earth has a curve.
    EXPECT_TRUE(page.s.SegmentsInItemPen(1).empty());
    EXPECT_TRUE(page.s.SegmentsInItemPen(2).empty());
    EXPECT_EQ(page.s.TextsEqual("Sco").size(), 1u);
    EXPECT_EQ(page.s.TextsEqual("20h").size(), 1u);
}

TEST(OrbitGraphs, JupiterMoonNumbersStandAtGreatestElongationAfterTheFirstDay) {
    Page page;
    JupiterMoonsGraph(page.s, 2026, 3, SetBit(0) | SetBit(1) | SetBit(2), true, Place(51.5, 0, 0));
    // L = 3 CW, B = 5 LH; day width d = trunc((500 - L) * 2 / 31).
    const int L = 30, B = 100, d = 940 / 31;
    EXPECT_TRUE(page.s.SegmentsInItemPen(19).empty()); // Callisto not ticked
    int numbers = 0;
    for (int moon = 0; moon < 3; ++moon) {
        const std::vector<SurfacePoint> curve = CurvePoints(page.s, 16 + moon);
        ASSERT_EQ(curve.size(), 31u * 8u);
        const std::string label = std::to_string(moon + 1);
        for (const RecordedCall& text : page.s.TextsEqual(label)) {
            if (text.points[0].y <= B) {
                continue; // a day label
            }
            ++numbers;
            const SurfacePoint at{text.points[0].x + CW / 2, text.points[0].y - LH};
            EXPECT_GT(at.x, L + d) << label; // after the first day
            const auto it = std::find(curve.begin(), curve.end(), at);
            ASSERT_NE(it, curve.end()) << label;
            ASSERT_GE(it - curve.begin(), 2);
            // The moon turned at the sample before: it moves the other way now.
            const int now = it->y - (it - 1)->y;
            const int before = (it - 1)->y - (it - 2)->y;
            EXPECT_TRUE((now > 0 && before <= 0) || (now < 0 && before >= 0))
                << label << " at " << at.x;
        }
    }
    // Io turns about twice a day and three quarters, Europa and Ganymede
    // less often: dozens of numbers in a month.
    EXPECT_GT(numbers, 40);

    Page quiet;
    JupiterMoonsGraph(quiet.s, 2026, 3, 0xF, false, Place(51.5, 0, 0));
    for (const RecordedCall& text : quiet.s.CallsOf(CallKind::Text)) {
        if (text.points[0].y > B && text.points[0].y < 750 - 2 * LH) {
            EXPECT_TRUE(text.text == "W" || text.text == "E" || text.text.size() != 1 ||
                        !std::isdigit(static_cast<unsigned char>(text.text[0])))
                << text.text;
        }
    }
}

TEST(OrbitGraphs, EclipsesOfASingleYearStandOnTheBottomRow) {
    Page page;
    EclipsesGraph(page.s, 2024, 2024, Place(51.5, 0, 0));
    const int L = 100, B = 80, W = 800;
    const std::vector<RecordedCall> discs = page.s.CallsOf(CallKind::Ellipse);
    // 2024: lunar eclipses of 25 March and 18 September (penumbral and
    // partial), solar of 8 April and 2 October.
    ASSERT_GE(discs.size(), 2u);
    for (const RecordedCall& disc : discs) {
        EXPECT_EQ((disc.points[0].y + disc.points[1].y) / 2, B);
        EXPECT_EQ(disc.brush, BrushKind::Solid);
        EXPECT_TRUE(disc.penItem == kSun || disc.penItem == kMoonItem);
    }
    const double april8 = CalendarToJulianDay(8.0, 4, 2024);
    const int x =
        L + static_cast<int>((april8 - CalendarToJulianDay(1.0, 1, 2024)) / 366 * W + 0.5);
    bool solarFound = false;
    for (const RecordedCall& disc : discs) {
        const int cx = (disc.points[0].x + disc.points[1].x) / 2;
        // Maximum at 18 h UT: two units right of the day's start.
        solarFound = solarFound || (disc.penItem == kSun && cx >= x && cx <= x + 3);
    }
    EXPECT_TRUE(solarFound);
    EXPECT_EQ(page.s.TextsEqual("2024").at(0).points[0],
              (SurfacePoint{L - 3 * CW - 20, B + LH / 2}));
}

TEST(OrbitGraphs, LongRangesThinTheYearLabelsAndStopLeavesWhatWasDrawn) {
    Page page;
    page.scoped.host.stopAfterPumps = 6; // three years' eclipses
    EclipsesGraph(page.s, 1000, 3000, Place(51.5, 0, 0));
    std::vector<int> rows;
    for (const RecordedCall& text : page.s.CallsOf(CallKind::Text)) {
        if (text.text.size() == 4 && std::isdigit(static_cast<unsigned char>(text.text[0]))) {
            rows.push_back(text.points[0].y - LH / 2);
        }
    }
    ASSERT_GT(rows.size(), 10u);
    ASSERT_LT(rows.size(), 40u);
    EXPECT_EQ(page.s.TextsEqual("1000").size(), 1u);
    for (size_t i = 1; i < rows.size(); ++i) {
        EXPECT_GE(rows[i] - rows[i - 1], LH);
    }
    // Stopped after the third year: the first years' discs only, all at
    // the bottom of the plot.
    const std::vector<RecordedCall> discs = page.s.CallsOf(CallKind::Ellipse);
    EXPECT_GE(discs.size(), 4u);
    EXPECT_LE(discs.size(), 15u);
    for (const RecordedCall& disc : discs) {
        EXPECT_LT((disc.points[0].y + disc.points[1].y) / 2, 80 + 3);
    }
}

TEST(OrbitGraphs, AnalemmaTakesTheSunAtTheMeanSolarNoonOfThePlace) {
    // At 90 E, 12:00 UT is six in the evening; at mean solar noon the shadow
    // points north, give or take the equation of time.
    double X = 0, Y = 0;
    NoonShadow(CalendarToJulianDay(15.0, 4, 2026), Place(40, 90, 6), X, Y);
    EXPECT_GT(X, 0.5);
    EXPECT_LT(std::fabs(Y), 0.05 * X);
    // Where the noon Sun reaches the zenith the shadow has no length.
    NoonShadow(CalendarToJulianDay(21.0, 6, 2026), Place(23.44, 0, 0), X, Y);
    EXPECT_LT(std::hypot(X, Y), 0.01);

    Page page;
    AnalemmaGraph(page.s, 2026, Place(51.5, 0, 0));
    const std::vector<SurfacePoint> curve = CurvePoints(page.s, kSun);
    ASSERT_EQ(curve.size(), 184u); // every 2 days, the last at 1 January 2027
    // A month is numbered when one of the two-day samples falls on its first.
    std::vector<std::string> expected;
    for (int m = 1; m <= 12; ++m) {
        const double day = CalendarToJulianDay(1.0, m, 2026) - CalendarToJulianDay(1.0, 1, 2026);
        if (static_cast<int>(day) % 2 == 0) {
            expected.push_back(std::to_string(m));
        }
    }
    std::vector<std::string> labels;
    for (const RecordedCall& text : page.s.CallsOf(CallKind::Text)) {
        if (text.transparent && text.text.size() <= 2) {
            labels.push_back(text.text);
        }
    }
    EXPECT_EQ(labels, expected);
}

TEST(GraphsStop, AStopBetweenSamplesLeavesThePartialGraph) {
    Page page;
    page.scoped.host.stopAfterPumps = 10;
    PlanetMagnitudeGraph(page.s, 2026, SetBit(3) | SetBit(4));
    // One pump before the curve, one after each sample but the last.
    EXPECT_EQ(CurvePoints(page.s, 3).size(), 10u);
    EXPECT_TRUE(CurvePoints(page.s, 4).empty());
    EXPECT_EQ(page.s.TextsEqual("Planet Magnitude Graph for 2026").size(), 1u);
}

TEST(DrawingLayer, ADiscTooSmallToDrawStillShowsItsCentreAndRestoresTheSurface) {
    RecordingSurface s(10, 20, 640, 480);
    s.Prepare(kPageMapping, 640, 480, true);
    DrawDisc(s, 500, 300, 0, 4, -1, false);
    const std::vector<RecordedCall> pixels = s.CallsOf(CallKind::SetPixel);
    ASSERT_EQ(pixels.size(), 2u);
    EXPECT_EQ(pixels[0].color, DefaultColor(4));
    EXPECT_EQ(pixels[0].points[0], (SurfacePoint{500, 300}));
    EXPECT_EQ(s.CallsOf(CallKind::SaveState).size(), s.CallsOf(CallKind::RestoreState).size());
    // The surface is back to the window-text pen for what follows.
    DrawLine(s, 0, 0, 1, 1);
    EXPECT_EQ(s.CallsOf(CallKind::Polyline).back().penItem, kWindowTextColorItem);

    DrawDisc(s, 500, 300, 20, 14, static_cast<int>(HatchStyle::Horizontal), true);
    const RecordedCall hatched = s.CallsOf(CallKind::Ellipse).back();
    EXPECT_EQ(hatched.brush, BrushKind::Hatch);
    EXPECT_TRUE(hatched.transparent);
    EXPECT_EQ(hatched.points, (std::vector<SurfacePoint>{{480, 320}, {520, 280}}));
}

TEST(DrawingLayer, VerticalTextIsCentredOnItsHeight) {
    RecordingSurface s;
    VerticalText(s, 100, 400, "RA");
    const std::vector<RecordedCall> texts = s.CallsOf(CallKind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].points[0], (SurfacePoint{100, 410}));
    EXPECT_EQ(texts[1].points[0], (SurfacePoint{100, 390}));
    EXPECT_EQ(ValueToY(20, -6, -6, 550, 100), 650);
    EXPECT_EQ(DateToX(60, 880, 366, 2460310.5 + 183, 2460310.5), 500);
    RecordingSurface t;
    LineIfNoJump(t, 0, 0, 10, 274, 550);
    LineIfNoJump(t, 0, 0, 10, 275, 550);
    EXPECT_EQ(t.CallsOf(CallKind::Polyline).size(), 1u);
}

} // namespace
