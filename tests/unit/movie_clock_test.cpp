// The keys every movie shares: the time-speed ladder, the Day/Night step,
// pause, zoom, and the geometry of the movie square.

#include "engine/time.h"
#include "graphs/recording_surface.h"
#include "movies/movie_clock.h"
#include "movies/movie_run.h"
#include "resources/command_ids.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Ladder(int speed, bool up, int presses) {
    std::vector<int> seen;
    for (int i = 0; i < presses; ++i) {
        speed = ChangeTimeSpeed(speed, up);
        seen.push_back(speed);
    }
    return seen;
}

TEST(TimeSpeed, SpeedUpFromZeroDoublesAndStopsAt64) {
    EXPECT_EQ(Ladder(0, true, 9), (std::vector<int>{1, 2, 4, 8, 16, 32, 64, 64, 64}));
}

TEST(TimeSpeed, SlowDownFromOnePassesZeroAndStopsAtMinus64) {
    EXPECT_EQ(Ladder(1, false, 9), (std::vector<int>{0, -1, -2, -4, -8, -16, -32, -64, -64}));
}

TEST(TimeSpeed, MovingTowardZeroHalvesWithTruncation) {
    EXPECT_EQ(ChangeTimeSpeed(-64, true), -32);
    EXPECT_EQ(ChangeTimeSpeed(-1, true), 0);
    EXPECT_EQ(ChangeTimeSpeed(3, false), 1); // a dialog speed off the ladder
    EXPECT_EQ(ChangeTimeSpeed(-3, true), -1);
    EXPECT_EQ(ChangeTimeSpeed(40, true), 64); // 80 clamps
    EXPECT_EQ(ChangeTimeSpeed(-40, false), -64);
}

TEST(DayNightStep, MovesWithinRealTimeToOneMonth) {
    EXPECT_EQ(ChangeDayNightStep(0, true), 1);
    EXPECT_EQ(ChangeDayNightStep(3, true), 4);
    EXPECT_EQ(ChangeDayNightStep(4, true), 4);
    EXPECT_EQ(ChangeDayNightStep(1, false), 0);
    EXPECT_EQ(ChangeDayNightStep(0, false), 0);
}

TEST(Zoom, InFrom90StepsByTwoThirdsAndNeverBelow5) {
    double angle = 90.0;
    angle = ZoomViewAngle(angle, true);
    EXPECT_DOUBLE_EQ(angle, 60.0);
    angle = ZoomViewAngle(angle, true);
    EXPECT_DOUBLE_EQ(angle, 40.0);
    angle = ZoomViewAngle(angle, true);
    EXPECT_NEAR(angle, 26.67, 0.005);
    for (int i = 0; i < 10; ++i) {
        angle = ZoomViewAngle(angle, true);
        EXPECT_GE(angle, 5.0);
    }
    EXPECT_DOUBLE_EQ(angle, 5.0);
}

TEST(Zoom, OutStopsAt90) {
    EXPECT_DOUBLE_EQ(ZoomViewAngle(80.0, false), 90.0);
    EXPECT_DOUBLE_EQ(ZoomViewAngle(40.0, false), 60.0);
    EXPECT_DOUBLE_EQ(ZoomViewAngle(90.0, false), 90.0);
}

// F5, F4, F5 on a running movie: paused it stands still at speed 0 and
// Reverse finds nothing to turn; un-paused it runs on at the speed it had,
// forward as before, and only a Reverse now turns it back.
TEST(Pause, ReverseWhilePausedKeepsTheSpeedUnpausingRestores) {
    RecordingSurface window(10, 20, 800, 600);
    window.Prepare(kPageMapping, 800, 600, true);
    MovieRun run;
    MovieObserver o{};
    o.viewAngle = 20;
    o.timeSpeed = 8;
    o.dayNightStep = 2;
    MovieParams params;
    params.binaryYear = 2000;
    run.Start(IDM_MOVIE_BINARY_STAR, o, params); // the Binary Star: one tick is speed years
    auto tickYear = [&] {
        run.Tick(window, 800, 600, 0, nullptr, nullptr);
        double day = 0;
        int month = 0, year = 0;
        JulianDayToCalendar(run.Clock(), day, month, year);
        return year;
    };
    EXPECT_EQ(tickYear(), 2000);
    EXPECT_EQ(tickYear(), 2008);

    EXPECT_TRUE(run.TogglePause());
    run.ReverseSpeed();
    EXPECT_EQ(run.Observer().timeSpeed, 0);
    EXPECT_EQ(run.Observer().dayNightStep, kDayNightPaused);
    EXPECT_EQ(tickYear(), 2008);
    EXPECT_STREQ(run.LastStatus().back().text, "Time Speed: Paused");

    EXPECT_FALSE(run.TogglePause());
    EXPECT_EQ(run.Observer().timeSpeed, 8);
    EXPECT_EQ(run.Observer().dayNightStep, 2);
    EXPECT_EQ(tickYear(), 2016);
    EXPECT_STREQ(run.LastStatus().back().text, "Time Speed:   8");

    run.ReverseSpeed();
    EXPECT_EQ(run.Observer().timeSpeed, -8);
    EXPECT_EQ(tickYear(), 2008);
}

TEST(MovieSquare, ShrinksOnlyForAWideFont) {
    EXPECT_EQ(MovieSquareSide(8), 750);  // 1000 - 176 > 750
    EXPECT_EQ(MovieSquareSide(12), 736); // the 22-character column is kept
    EXPECT_EQ(StatusRowY(20, 700, 1), 700);
    EXPECT_EQ(StatusRowY(20, 700, 3), 660);
}

TEST(MovieStart, IsLocalStandardTime) {
    // 2026-06-21 12:30 at time zone +2 is 10:30 UT.
    const MovieStart start{2026, 6, 21, 12, 30};
    EXPECT_NEAR(StartJulianDay(start, 2.0), CalendarToJulianDay(21.0 + 10.5 / 24.0, 6, 2026), 1e-9);
    const CalendarTime local = LocalTimeOf(StartJulianDay(start, 2.0), 2.0);
    EXPECT_EQ(local.day, 21);
    EXPECT_EQ(local.month, 6);
    EXPECT_NEAR(local.hours, 12.5, 1e-6);
}

} // namespace
