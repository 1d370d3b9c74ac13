// Which menus and items the main window offers in each of its states.

#include "report_test_support.h"

#include "settings/menu_state.h"

#include <gtest/gtest.h>

namespace {

using namespace MenuCommand;

MenuView Movie(int command, int timeSpeed, double viewAngle, int dayNightStep = 2) {
    MenuView view;
    view.currentCommand = command;
    view.timeSpeed = timeSpeed;
    view.viewAngle = viewAngle;
    view.dayNightStep = dayNightStep;
    view.screenImageHeld = true;
    return view;
}

TEST(CommandKind, ReportsGraphsMoviesAndTheRest) {
    for (int id : {80, 85, 93, 141}) {
        EXPECT_EQ(CommandKind(id), kReportCommand) << id;
    }
    for (int id : {11, 18, 25}) {
        EXPECT_EQ(CommandKind(id), kGraphCommand) << id;
    }
    for (int id : {61, 64, 67}) {
        EXPECT_EQ(CommandKind(id), kMovieCommand) << id;
    }
    for (int id : {0, 10, 26, 60, 68, 79, 94, 100, 110, 140, 142, -80}) {
        EXPECT_EQ(CommandKind(id), kOtherCommand) << id;
    }
}

TEST(MenuRefresh, AnEmptyWindowOffersCommandsButNoMovieControls) {
    const MenuRefresh refresh = ComputeMenuRefresh(MenuView{});
    for (int id :
         {kSpeedUp, kSlowDown, kReverseTimeSpeed, kPause, kZoomIn, kZoomOut, kCopy, kStop}) {
        EXPECT_FALSE(refresh.Enabled(id)) << id;
    }
    for (int id = kDayNight; id <= kBinaryStar; ++id) {
        EXPECT_TRUE(refresh.Enabled(id)) << id;
    }
    for (int id : {kJetTrails, kPrint, kPrintSetup, kSetFont}) {
        EXPECT_TRUE(refresh.Enabled(id)) << id;
    }
}

TEST(MenuRefresh, CopyNeedsAReportOrAScreenImage) {
    MenuView view;
    view.reportPresent = true;
    EXPECT_TRUE(ComputeMenuRefresh(view).Enabled(kCopy));
    view.reportPresent = false;
    view.screenImageHeld = true;
    EXPECT_TRUE(ComputeMenuRefresh(view).Enabled(kCopy));
}

TEST(MenuRefresh, PlanetariumAtTopSpeedAndNarrowestView) {
    const MenuRefresh refresh = ComputeMenuRefresh(Movie(kPlanetarium, 64, 5.0));
    EXPECT_FALSE(refresh.Enabled(kSpeedUp));
    EXPECT_TRUE(refresh.Enabled(kSlowDown));
    EXPECT_FALSE(refresh.Enabled(kZoomIn));
    EXPECT_TRUE(refresh.Enabled(kZoomOut));
    EXPECT_TRUE(refresh.Enabled(kPause));
    EXPECT_TRUE(refresh.Enabled(kReverseTimeSpeed));
    EXPECT_TRUE(refresh.Enabled(kJetTrails));
    EXPECT_TRUE(refresh.Enabled(kStop));
    for (int id = kDayNight; id <= kBinaryStar; ++id) {
        EXPECT_FALSE(refresh.Enabled(id)) << id;
    }
    for (int id : {kPrint, kPrintSetup, kSetFont}) {
        EXPECT_FALSE(refresh.Enabled(id)) << id;
    }
}

TEST(MenuRefresh, SlowestReverseSpeedAndWidestView) {
    const MenuRefresh refresh = ComputeMenuRefresh(Movie(kBinaryStar, -64, 90.0));
    EXPECT_TRUE(refresh.Enabled(kSpeedUp));
    EXPECT_FALSE(refresh.Enabled(kSlowDown));
    EXPECT_TRUE(refresh.Enabled(kZoomIn));
    EXPECT_FALSE(refresh.Enabled(kZoomOut));

    const MenuRefresh between = ComputeMenuRefresh(Movie(kBinaryStar, 32, 89.9));
    EXPECT_TRUE(between.Enabled(kSpeedUp));
    EXPECT_TRUE(between.Enabled(kSlowDown));
    EXPECT_TRUE(between.Enabled(kZoomOut));
    EXPECT_TRUE(ComputeMenuRefresh(Movie(kBinaryStar, 1, 5.1)).Enabled(kZoomIn));
}

TEST(MenuRefresh, DayNightHasNoZoomReverseOrJetTrails) {
    const MenuRefresh refresh = ComputeMenuRefresh(Movie(kDayNight, 64, 45.0, 2));
    EXPECT_FALSE(refresh.Enabled(kZoomIn));
    EXPECT_FALSE(refresh.Enabled(kZoomOut));
    EXPECT_FALSE(refresh.Enabled(kReverseTimeSpeed));
    EXPECT_FALSE(refresh.Enabled(kJetTrails));
    // Its speed keys follow the Day/Night step, not the time speed.
    EXPECT_TRUE(refresh.Enabled(kSpeedUp));
    EXPECT_TRUE(refresh.Enabled(kSlowDown));
    EXPECT_TRUE(refresh.Enabled(kPause));
}

TEST(MenuRefresh, DayNightStepLimits) {
    EXPECT_FALSE(ComputeMenuRefresh(Movie(kDayNight, 0, 45.0, 4)).Enabled(kSpeedUp));
    EXPECT_TRUE(ComputeMenuRefresh(Movie(kDayNight, 0, 45.0, 4)).Enabled(kSlowDown));
    EXPECT_TRUE(ComputeMenuRefresh(Movie(kDayNight, 64, 45.0, 0)).Enabled(kSpeedUp));
    EXPECT_FALSE(ComputeMenuRefresh(Movie(kDayNight, -64, 45.0, 0)).Enabled(kSlowDown));
}

TEST(MenuRefresh, SideViewsCannotZoom) {
    for (int id : {kEclipticSide, kJupiterMoonsSide, kJupiterMoonsTop}) {
        const MenuRefresh refresh = ComputeMenuRefresh(Movie(id, 8, 45.0));
        EXPECT_FALSE(refresh.Enabled(kZoomIn)) << id;
        EXPECT_FALSE(refresh.Enabled(kZoomOut)) << id;
        EXPECT_TRUE(refresh.Enabled(kReverseTimeSpeed)) << id;
    }
    const MenuRefresh top = ComputeMenuRefresh(Movie(kEclipticTop, 8, 45.0));
    EXPECT_TRUE(top.Enabled(kZoomIn));
    EXPECT_TRUE(top.Enabled(kZoomOut));
}

TEST(MenuRefresh, AReportBeingGeneratedCanBeStoppedButNotPrinted) {
    MenuView view;
    view.currentCommand = 86;
    view.reportPresent = true;
    const MenuRefresh refresh = ComputeMenuRefresh(view);
    EXPECT_TRUE(refresh.Enabled(kStop));
    EXPECT_FALSE(refresh.Enabled(kPrint));
    EXPECT_FALSE(refresh.Enabled(kPrintSetup));
    EXPECT_FALSE(refresh.Enabled(kSetFont));
}

TEST(MenuRefresh, AGraphBeingDrawnCanBeStoppedButNotPrinted) {
    MenuView view;
    view.busy = true; // the current command is 0 while a graph draws
    const MenuRefresh refresh = ComputeMenuRefresh(view);
    EXPECT_TRUE(refresh.Enabled(kStop));
    EXPECT_FALSE(refresh.Enabled(kPrint));
}

TEST(MenuRefresh, AFinishedGraphOrReportCanBePrinted) {
    MenuView graph;
    graph.currentCommand = 18;
    graph.screenImageHeld = true;
    const MenuRefresh shown = ComputeMenuRefresh(graph);
    EXPECT_TRUE(shown.Enabled(kPrint));
    EXPECT_FALSE(shown.Enabled(kStop));
    EXPECT_TRUE(shown.Enabled(kCopy));

    MenuView report; // a finished report: command back to 0, lines present
    report.reportPresent = true;
    EXPECT_TRUE(ComputeMenuRefresh(report).Enabled(kPrint));
    EXPECT_FALSE(ComputeMenuRefresh(report).Enabled(kStop));
}

TEST(MenuRefresh, AnItemItDoesNotDecideIsTheInternalError) {
    ScopedHost scope;
    const MenuRefresh refresh = ComputeMenuRefresh(MenuView{});
    try {
        refresh.Enabled(120);
        FAIL() << "no fatal error";
    } catch (const FatalErrorRaised& error) {
        EXPECT_EQ(error.messageId, 690);
    }
}

TEST(MenuLock, AReportOrGraphGreysEditToMovies) {
    for (int kind : {kReportCommand, kGraphCommand}) {
        const MenuLockPlan plan = PlanMenuLock(kind, false);
        ASSERT_TRUE(plan.act);
        ASSERT_EQ(plan.positionCount, 5);
        for (int k = 0; k < 5; ++k) {
            EXPECT_EQ(plan.positions[k], k + 1);
            EXPECT_FALSE(plan.enabled[k]);
        }
    }
}

TEST(MenuLock, AMovieKeepsTheMoviesMenu) {
    const MenuLockPlan plan = PlanMenuLock(kMovieCommand, false);
    ASSERT_TRUE(plan.act);
    ASSERT_EQ(plan.positionCount, 5);
    for (int k = 0; k < 4; ++k) {
        EXPECT_FALSE(plan.enabled[k]);
    }
    EXPECT_EQ(plan.positions[4], 5);
    EXPECT_TRUE(plan.enabled[4]);
}

TEST(MenuLock, DisablingForNoCommandDoesNothingAndEnablingRestoresAll) {
    EXPECT_FALSE(PlanMenuLock(kOtherCommand, false).act);
    const MenuLockPlan plan = PlanMenuLock(kOtherCommand, true);
    ASSERT_TRUE(plan.act);
    ASSERT_EQ(plan.positionCount, 5);
    for (int k = 0; k < 5; ++k) {
        EXPECT_TRUE(plan.enabled[k]);
    }
}

} // namespace
