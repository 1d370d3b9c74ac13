// The bar: its titles, drop-down geometry, clock, eyes and program launching.

#include "core/clock.h"
#include "core/eyes.h"
#include "core/launch.h"
#include "core/menus.h"
#include "core/popup_geometry.h"

#include <gtest/gtest.h>

namespace {

TEST(VarnixClock, TwelveHourClockAroundNoonAndMidnight) {
    EXPECT_EQ(ClockText(12, 5, true), "      12:05 PM");
    EXPECT_EQ(ClockText(0, 5, true), "      12:05 AM");
    EXPECT_EQ(ClockText(9, 7, true), "      9:07 AM");
    EXPECT_EQ(ClockText(23, 59, true), "      11:59 PM");
}

TEST(VarnixClock, TwentyFourHourClockHasTwoDigitHours) {
    EXPECT_EQ(ClockText(12, 5, false), "      12:05");
    EXPECT_EQ(ClockText(0, 5, false), "      00:05");
    EXPECT_EQ(ClockText(9, 7, false), "      09:07");
    EXPECT_EQ(ClockText(0, 0, false), "      00:00");
    EXPECT_EQ(ClockText(23, 59, false), "      23:59");
}

TEST(VarnixTitles, DrawnTitlesFollowEachOtherFromX41) {
    std::vector<MenuTitle> titles = MakeMenuTitles(1024);
    const int end = LayoutMenuTitles(titles, 7);
    EXPECT_EQ(titles[1].left, 41); // File
    EXPECT_EQ(titles[1].right, 41 + 28);
    EXPECT_EQ(titles[2].left, 41 + 6 * 7);  // Edit
    EXPECT_EQ(titles[3].left, 41 + 12 * 7); // Stuff
    EXPECT_EQ(titles[3].right, 41 + 17 * 7);
    EXPECT_EQ(end, 41 + 19 * 7);
    // The hot spots keep their places.
    EXPECT_EQ(titles[0].left, 10);
    EXPECT_EQ(titles[4].left, 1024 - 63);
    EXPECT_EQ(titles[5].right, 1024 - 13);
}

TEST(VarnixTitles, PressPositionSelectsTheMenu) {
    std::vector<MenuTitle> titles = MakeMenuTitles(1024);
    LayoutMenuTitles(titles, 7);
    EXPECT_EQ(MenuKindAt(titles, 20), kProgramsMenu);
    EXPECT_EQ(MenuKindAt(titles, 50), kNoMenu); // "File" opens nothing
    EXPECT_EQ(MenuKindAt(titles, 41 + 6 * 7), kSetupMenu);
    EXPECT_EQ(MenuKindAt(titles, 41 + 10 * 7), kSetupMenu); // right edge belongs to it
    EXPECT_EQ(MenuKindAt(titles, 41 + 11 * 7), kNoMenu);    // the gap between titles
    EXPECT_EQ(MenuKindAt(titles, 41 + 14 * 7), kExitMenu);
    EXPECT_EQ(MenuKindAt(titles, 1024 - 50), kHelpMenu);
    EXPECT_EQ(MenuKindAt(titles, 1024 - 20), kTaskMenu);
    EXPECT_EQ(MenuKindAt(titles, 600), kNoMenu);
}

TEST(VarnixMenuActions, EntriesDispatchToTheirActions) {
    EXPECT_EQ(ResolveMenuAction(kProgramsMenu, 1, 4), MenuAction::kAbout);
    EXPECT_EQ(ResolveMenuAction(kProgramsMenu, 2, 4), MenuAction::kNone);
    EXPECT_EQ(ResolveMenuAction(kProgramsMenu, 3, 4), MenuAction::kLaunch);
    EXPECT_EQ(ResolveMenuAction(kSetupMenu, 1, 2), MenuAction::kMenuEditor);
    EXPECT_EQ(ResolveMenuAction(kSetupMenu, 2, 2), MenuAction::kOptions);
    EXPECT_EQ(ResolveMenuAction(kExitMenu, 1, 3), MenuAction::kClose);
    EXPECT_EQ(ResolveMenuAction(kExitMenu, 2, 3), MenuAction::kNone);
    EXPECT_EQ(ResolveMenuAction(kExitMenu, 3, 3), MenuAction::kLogout);
    EXPECT_EQ(ResolveMenuAction(kHelpMenu, 1, 1), MenuAction::kHelp);
    EXPECT_EQ(ResolveMenuAction(kTaskMenu, 5, 5), MenuAction::kTask);
}

TEST(VarnixMenuActions, NoMenuNoEntryOrAnEntryBeyondTheMenuDoNothing) {
    EXPECT_EQ(ResolveMenuAction(kNoMenu, 1, 1), MenuAction::kNone);
    EXPECT_EQ(ResolveMenuAction(kSetupMenu, 0, 2), MenuAction::kNone);
    EXPECT_EQ(ResolveMenuAction(kSetupMenu, 3, 2), MenuAction::kNone);
    EXPECT_EQ(ResolveMenuAction(kProgramsMenu, 5, 4), MenuAction::kNone);
}

TEST(VarnixPopup, SizeFollowsTheLongestEntryAndTheEntryCount) {
    EXPECT_EQ(PopupItemHeight(13, true), 15);
    EXPECT_EQ(PopupItemHeight(13, false), 13);
    EXPECT_EQ(PopupWidth(14, 7), 135); // (98 + 25) * 1.1 = 135.3
    EXPECT_EQ(PopupHeight(3, 15), 50);
}

TEST(VarnixPopup, MenuNearTheRightEdgeIsRightAligned) {
    PopupPosition p = PlacePopup(1024 - 37, 1024 - 13, 150, 1024);
    EXPECT_TRUE(p.rightAligned);
    EXPECT_EQ(p.left, 1024 - 13 - 150);
    EXPECT_EQ(PopupTextX(p.rightAligned), 20);
    p = PlacePopup(83, 111, 150, 1024);
    EXPECT_FALSE(p.rightAligned);
    EXPECT_EQ(p.left, 83);
    EXPECT_EQ(PopupTextX(p.rightAligned), 15);
    EXPECT_TRUE(PlacePopup(874, 900, 150, 1024).rightAligned); // reaching the edge exactly
}

TEST(VarnixPopup, LastEntryTakesThePixelAboveTheFrame) {
    const int h = PopupHeight(3, 15);
    EXPECT_EQ(PopupEntryRows(1, 3, 15, h).top, 2);
    EXPECT_EQ(PopupEntryRows(1, 3, 15, h).bottom, 17);
    EXPECT_EQ(PopupEntryRows(3, 3, 15, h).top, 32);
    EXPECT_EQ(PopupEntryRows(3, 3, 15, h).bottom, 48);
}

TEST(VarnixPopup, HitTestGivesSharedEdgesToTheUpperEntry) {
    const int h = PopupHeight(3, 15);
    EXPECT_EQ(PopupHitTest(0, 3, 15, h), 1); // top margin
    EXPECT_EQ(PopupHitTest(17, 3, 15, h), 1);
    EXPECT_EQ(PopupHitTest(18, 3, 15, h), 2);
    EXPECT_EQ(PopupHitTest(32, 3, 15, h), 2);
    EXPECT_EQ(PopupHitTest(48, 3, 15, h), 3);
    EXPECT_EQ(PopupHitTest(49, 3, 15, h), 0); // the frame below the last entry
    EXPECT_EQ(PopupHitTest(-1, 3, 15, h), 0);
}

bool InLeftSocket(Point p) {
    return EllipseContains(kLeftSocket, p);
}

TEST(VarnixEyes, PupilGoesToAPointerInsideTheSocket) {
    EXPECT_EQ(PupilPosition(InLeftSocket, kLeftEyeCentre, Point{285, 11}), (Point{285, 11}));
}

TEST(VarnixEyes, PupilStopsAtTheSocketEdgeTowardsThePointer) {
    // Straight to the right: the first point outside the socket on row 10.
    const Point right = PupilPosition(InLeftSocket, kLeftEyeCentre, Point{600, 10});
    EXPECT_EQ(right, (Point{290, 10}));
    // Far down and to the left: diagonal steps.
    const Point downLeft = PupilPosition(InLeftSocket, kLeftEyeCentre, Point{0, 500});
    EXPECT_EQ(downLeft.x - kLeftEyeCentre.x, -(downLeft.y - kLeftEyeCentre.y));
    EXPECT_FALSE(InLeftSocket(downLeft));
    EXPECT_TRUE(InLeftSocket(Point{downLeft.x + 1, downLeft.y - 1}));
    // Straight up: only y moves.
    EXPECT_EQ(PupilPosition(InLeftSocket, kLeftEyeCentre, Point{283, -40}), (Point{283, 5}));
}

TEST(VarnixEyes, PupilStaysWithinTheDrawnEye) {
    for (int x = 0; x < 640; x += 37) {
        for (int y = -30; y < 60; y += 7) {
            const Point p = PupilPosition(InLeftSocket, kLeftEyeCentre, Point{x, y});
            EXPECT_TRUE(EllipseContains(kLeftEye, p)) << x << "," << y;
        }
    }
}

TEST(VarnixLaunch, PathWithABlankIsQuoted) {
    EXPECT_EQ(LaunchCommandLine("C:\\Program Files\\Ed\\ED.EXE", "/n a.txt"),
              "\"C:\\Program Files\\Ed\\ED.EXE\" /n a.txt");
}

TEST(VarnixLaunch, PlainOrAlreadyQuotedPathIsLeftAsItIs) {
    EXPECT_EQ(LaunchCommandLine("C:\\ED.EXE", "/n"), "C:\\ED.EXE /n");
    EXPECT_EQ(LaunchCommandLine("\"C:\\My Ed\\ED.EXE\"", ""), "\"C:\\My Ed\\ED.EXE\" ");
}

TEST(VarnixLaunch, EmptyCommandLineLeavesOneBlank) {
    EXPECT_EQ(LaunchCommandLine("C:\\ED.EXE", ""), "C:\\ED.EXE ");
}

TEST(VarnixLaunch, FailureNamesTheItemAndTheCode) {
    EXPECT_EQ(LaunchFailureText("Unable to start ", "Editor", 2), "Unable to start Editor\n2");
    EXPECT_TRUE(IsLaunchFailure(0));
    EXPECT_TRUE(IsLaunchFailure(31));
    EXPECT_FALSE(IsLaunchFailure(32));
}

} // namespace
