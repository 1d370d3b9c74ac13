// Which menus and items the main window offers in each of its states.

#include "report_test_support.h"

#include "settings/menu_state.h"

#include <gtest/gtest.h>

namespace {

MenuView Movie(int command, int timeSpeed, double viewAngle, int dayNightStep = 2) {
    MenuView view;
    view.currentCommand = command;
    view.timeSpeed = timeSpeed;
    view.viewAngle = viewAngle;
    view.dayNightStep = dayNightStep;
    view.screenImageHeld = true;
    return view;
}

TEST(MenuRefresh, AnEmptyWindowOffersCommandsButNoMovieControls) {
    const MenuRefresh refresh = ComputeMenuRefresh(MenuView{});
    for (int id : {IDM_SPEED_UP, IDM_SLOW_DOWN, IDM_REVERSE_TIME_SPEED, IDM_PAUSE, IDM_ZOOM_IN,
                   IDM_ZOOM_OUT, IDM_COPY, IDM_STOP}) {
        EXPECT_FALSE(refresh.Enabled(id)) << id;
    }
    for (int id = IDM_MOVIE_FIRST; id <= IDM_MOVIE_LAST; ++id) {
        EXPECT_TRUE(refresh.Enabled(id)) << id;
    }
    for (int id : {IDM_JET_TRAILS, IDM_PRINT, IDM_PRINT_SETUP, IDM_SET_FONT}) {
        EXPECT_TRUE(refresh.Enabled(id)) << id;
    }
}

TEST(MenuRefresh, CopyNeedsAReportOrAScreenImage) {
    MenuView view;
    view.reportPresent = true;
    EXPECT_TRUE(ComputeMenuRefresh(view).Enabled(IDM_COPY));
    view.reportPresent = false;
    view.screenImageHeld = true;
    EXPECT_TRUE(ComputeMenuRefresh(view).Enabled(IDM_COPY));
}

TEST(MenuRefresh, PlanetariumAtTopSpeedAndNarrowestView) {
    const MenuRefresh refresh = ComputeMenuRefresh(Movie(IDM_MOVIE_PLANETARIUM, 64, 5.0));
    EXPECT_FALSE(refresh.Enabled(IDM_SPEED_UP));
    EXPECT_TRUE(refresh.Enabled(IDM_SLOW_DOWN));
    EXPECT_FALSE(refresh.Enabled(IDM_ZOOM_IN));
    EXPECT_TRUE(refresh.Enabled(IDM_ZOOM_OUT));
    EXPECT_TRUE(refresh.Enabled(IDM_PAUSE));
    EXPECT_TRUE(refresh.Enabled(IDM_REVERSE_TIME_SPEED));
    EXPECT_TRUE(refresh.Enabled(IDM_JET_TRAILS));
    EXPECT_TRUE(refresh.Enabled(IDM_STOP));
    for (int id = IDM_MOVIE_FIRST; id <= IDM_MOVIE_LAST; ++id) {
        EXPECT_FALSE(refresh.Enabled(id)) << id;
    }
    for (int id : {IDM_PRINT, IDM_PRINT_SETUP, IDM_SET_FONT}) {
        EXPECT_FALSE(refresh.Enabled(id)) << id;
    }
}

TEST(MenuRefresh, SlowestReverseSpeedAndWidestView) {
    const MenuRefresh refresh = ComputeMenuRefresh(Movie(IDM_MOVIE_BINARY_STAR, -64, 90.0));
    EXPECT_TRUE(refresh.Enabled(IDM_SPEED_UP));
    EXPECT_FALSE(refresh.Enabled(IDM_SLOW_DOWN));
    EXPECT_TRUE(refresh.Enabled(IDM_ZOOM_IN));
    EXPECT_FALSE(refresh.Enabled(IDM_ZOOM_OUT));

    const MenuRefresh between = ComputeMenuRefresh(Movie(IDM_MOVIE_BINARY_STAR, 32, 89.9));
    EXPECT_TRUE(between.Enabled(IDM_SPEED_UP));
    EXPECT_TRUE(between.Enabled(IDM_SLOW_DOWN));
    EXPECT_TRUE(between.Enabled(IDM_ZOOM_OUT));
    EXPECT_TRUE(ComputeMenuRefresh(Movie(IDM_MOVIE_BINARY_STAR, 1, 5.1)).Enabled(IDM_ZOOM_IN));
}

TEST(MenuRefresh, DayNightHasNoZoomReverseOrJetTrails) {
    const MenuRefresh refresh = ComputeMenuRefresh(Movie(IDM_MOVIE_DAY_NIGHT, 64, 45.0, 2));
    EXPECT_FALSE(refresh.Enabled(IDM_ZOOM_IN));
    EXPECT_FALSE(refresh.Enabled(IDM_ZOOM_OUT));
    EXPECT_FALSE(refresh.Enabled(IDM_REVERSE_TIME_SPEED));
    EXPECT_FALSE(refresh.Enabled(IDM_JET_TRAILS));
    // Its speed keys follow the Day/Night step, not the time speed.
    EXPECT_TRUE(refresh.Enabled(IDM_SPEED_UP));
    EXPECT_TRUE(refresh.Enabled(IDM_SLOW_DOWN));
    EXPECT_TRUE(refresh.Enabled(IDM_PAUSE));
}

TEST(MenuRefresh, DayNightStepLimits) {
    EXPECT_FALSE(ComputeMenuRefresh(Movie(IDM_MOVIE_DAY_NIGHT, 0, 45.0, 4)).Enabled(IDM_SPEED_UP));
    EXPECT_TRUE(ComputeMenuRefresh(Movie(IDM_MOVIE_DAY_NIGHT, 0, 45.0, 4)).Enabled(IDM_SLOW_DOWN));
    EXPECT_TRUE(ComputeMenuRefresh(Movie(IDM_MOVIE_DAY_NIGHT, 64, 45.0, 0)).Enabled(IDM_SPEED_UP));
    EXPECT_FALSE(
        ComputeMenuRefresh(Movie(IDM_MOVIE_DAY_NIGHT, -64, 45.0, 0)).Enabled(IDM_SLOW_DOWN));
}

TEST(MenuRefresh, SideViewsCannotZoom) {
    for (int id :
         {IDM_MOVIE_ECLIPTIC_SIDE, IDM_MOVIE_JUPITER_MOONS_SIDE, IDM_MOVIE_JUPITER_MOONS_TOP}) {
        const MenuRefresh refresh = ComputeMenuRefresh(Movie(id, 8, 45.0));
        EXPECT_FALSE(refresh.Enabled(IDM_ZOOM_IN)) << id;
        EXPECT_FALSE(refresh.Enabled(IDM_ZOOM_OUT)) << id;
        EXPECT_TRUE(refresh.Enabled(IDM_REVERSE_TIME_SPEED)) << id;
    }
    const MenuRefresh top = ComputeMenuRefresh(Movie(IDM_MOVIE_ECLIPTIC_TOP, 8, 45.0));
    EXPECT_TRUE(top.Enabled(IDM_ZOOM_IN));
    EXPECT_TRUE(top.Enabled(IDM_ZOOM_OUT));
}

TEST(MenuRefresh, AReportBeingGeneratedCanBeStoppedButNotPrinted) {
    MenuView view;
    view.currentCommand = IDM_REPORT_PLANET_VIEW_INFO;
    view.reportPresent = true;
    const MenuRefresh refresh = ComputeMenuRefresh(view);
    EXPECT_TRUE(refresh.Enabled(IDM_STOP));
    EXPECT_FALSE(refresh.Enabled(IDM_PRINT));
    EXPECT_FALSE(refresh.Enabled(IDM_PRINT_SETUP));
    EXPECT_FALSE(refresh.Enabled(IDM_SET_FONT));
}

TEST(MenuRefresh, AGraphBeingDrawnCanBeStoppedButNotPrinted) {
    MenuView view;
    view.busy = true; // the current command is 0 while a graph draws
    const MenuRefresh refresh = ComputeMenuRefresh(view);
    EXPECT_TRUE(refresh.Enabled(IDM_STOP));
    EXPECT_FALSE(refresh.Enabled(IDM_PRINT));
}

TEST(MenuRefresh, AFinishedGraphOrReportCanBePrinted) {
    MenuView graph;
    graph.currentCommand = IDM_GRAPH_EQUATION_OF_TIME;
    graph.screenImageHeld = true;
    const MenuRefresh shown = ComputeMenuRefresh(graph);
    EXPECT_TRUE(shown.Enabled(IDM_PRINT));
    EXPECT_FALSE(shown.Enabled(IDM_STOP));
    EXPECT_TRUE(shown.Enabled(IDM_COPY));

    MenuView report; // a finished report: command back to 0, lines present
    report.reportPresent = true;
    EXPECT_TRUE(ComputeMenuRefresh(report).Enabled(IDM_PRINT));
    EXPECT_FALSE(ComputeMenuRefresh(report).Enabled(IDM_STOP));
}

TEST(MenuRefresh, AnItemItDoesNotDecideIsTheInternalError) {
    ScopedHost scope;
    const MenuRefresh refresh = ComputeMenuRefresh(MenuView{});
    try {
        refresh.Enabled(IDM_ASSIGN_COLORS);
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
