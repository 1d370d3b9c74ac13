// The task menu: which windows are listed, how they are kept clear of the
// bar, and hiding and showing them.

#include "core/task_list.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// A desktop of windows in z-order that records what the bar does to them.
class FakeDesktop : public WindowSystem {
  public:
    struct Win {
        WindowId id;
        std::string title;
        bool enabled = true;
        bool visible = true;
        WindowState state{{100, 100, 300, 300}, false, false};
        WindowId parent = 0;
    };
    std::vector<Win> windows; // top of the z-order first
    std::vector<std::string> log;

    Win& Add(WindowId id, const std::string& title) {
        windows.push_back(Win{id, title});
        return windows.back();
    }
    Win* Find(WindowId id) {
        for (Win& w : windows) {
            if (w.id == id) {
                return &w;
            }
        }
        return nullptr;
    }
    void Close(WindowId id) {
        for (auto it = windows.begin(); it != windows.end(); ++it) {
            if (it->id == id) {
                windows.erase(it);
                return;
            }
        }
    }

    std::vector<TopLevelWindow> TopLevelWindows() override {
        std::vector<TopLevelWindow> list;
        for (const Win& w : windows) {
            list.push_back(TopLevelWindow{w.id, w.title, w.enabled, w.visible});
        }
        return list;
    }
    bool Exists(WindowId id) override { return Find(id) != nullptr; }
    WindowId Parent(WindowId id) override {
        Win* w = Find(id);
        return w != nullptr ? w->parent : 0;
    }
    bool State(WindowId id, WindowState& state) override {
        Win* w = Find(id);
        if (w == nullptr) {
            return false;
        }
        state = w->state;
        return true;
    }
    void Move(WindowId id, int x, int y, int width, int height) override {
        log.push_back("move " + std::to_string(id));
        Win* w = Find(id);
        if (w != nullptr) {
            w->state.rect = Rect{x, y, x + width, y + height};
        }
    }
    void Hide(WindowId id) override {
        log.push_back("hide " + std::to_string(id));
        if (Win* w = Find(id)) {
            w->visible = false;
        }
    }
    void Show(WindowId id, bool restore) override {
        log.push_back((restore ? "restore " : "show ") + std::to_string(id));
        if (Win* w = Find(id)) {
            w->visible = true;
            w->state.minimized = false;
        }
    }
};

std::vector<std::string> Titles(const TaskList& list) {
    std::vector<std::string> titles;
    for (const TaskEntry& e : list.entries) {
        titles.push_back(e.title);
    }
    return titles;
}

PlacementContext Screen() {
    PlacementContext ctx;
    ctx.screenWidth = 1024;
    ctx.screenHeight = 768;
    ctx.borderWidth = 1;
    ctx.borderHeight = 1;
    return ctx;
}

using Strings = std::vector<std::string>;

TEST(VarnixTaskList, ListsQualifyingWindowsAfterTheFixedEntries) {
    FakeDesktop desk;
    desk.Add(1, "VarnixPC");
    desk.Add(2, "Notes");
    desk.Add(3, "").visible = true;
    desk.Add(4, "Hidden").visible = false;
    desk.Add(5, "Disabled").enabled = false;
    desk.Add(6, "RUZARADIDI");
    desk.Add(7, "Calc");
    TaskList list;
    RefreshTaskList(list, desk, Screen(), true);
    EXPECT_EQ(Titles(list),
              (Strings{"Hide Notes", "Hide Others", "Show All", "_LINE_", "Notes", "Calc"}));
    EXPECT_EQ(list.entries[0].window, 2u);
    EXPECT_EQ(list.foremostTitle, "Notes");
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(list.entries[i].special);
    }
}

TEST(VarnixTaskList, WithTopmostOffNothingIsListedOrMoved) {
    FakeDesktop desk;
    desk.Add(2, "Notes").state.rect = Rect{0, 0, 100, 100};
    TaskList list;
    RefreshTaskList(list, desk, Screen(), false);
    EXPECT_EQ(Titles(list), (Strings{"Hide ", "Hide Others", "Show All", "_LINE_"}));
    EXPECT_TRUE(desk.log.empty());
    // "Hide " with no window seen does nothing.
    RunTaskMenuAction(list, list.entries, 1, desk, Screen());
    EXPECT_TRUE(desk.log.empty());
}

TEST(VarnixTaskList, WindowsKeepTheOrderInWhichTheyWereFirstSeen) {
    FakeDesktop desk;
    desk.Add(2, "B");
    desk.Add(3, "A");
    TaskList list;
    RefreshTaskList(list, desk, Screen(), true);
    std::swap(desk.windows[0], desk.windows[1]);
    RefreshTaskList(list, desk, Screen(), true);
    EXPECT_EQ(Titles(list), (Strings{"Hide A", "Hide Others", "Show All", "_LINE_", "B", "A"}));
}

TEST(VarnixTaskList, RenamedWindowIsListedAnewAndItsOldEntryGoes) {
    FakeDesktop desk;
    desk.Add(2, "Old");
    TaskList list;
    RefreshTaskList(list, desk, Screen(), true);
    desk.windows[0].title = "New";
    RefreshTaskList(list, desk, Screen(), true);
    EXPECT_EQ(Titles(list), (Strings{"Hide New", "Hide Others", "Show All", "_LINE_", "New"}));
}

TEST(VarnixTaskList, OwnedWindowOfAListedWindowIsDropped) {
    FakeDesktop desk;
    desk.Add(2, "Main");
    desk.Add(3, "Find").parent = 2;
    TaskList list;
    RefreshTaskList(list, desk, Screen(), true);
    EXPECT_EQ(Titles(list), (Strings{"Hide Main", "Hide Others", "Show All", "_LINE_", "Main"}));
}

TEST(VarnixTaskList, HideOthersThenShowAllBringsEveryWindowBack) {
    FakeDesktop desk;
    desk.Add(2, "Front");
    desk.Add(3, "Second");
    desk.Add(4, "Third");
    TaskList list;
    RefreshTaskList(list, desk, Screen(), true);
    RunTaskMenuAction(list, list.entries, 2, desk, Screen());
    EXPECT_FALSE(desk.Find(3)->visible);
    EXPECT_FALSE(desk.Find(4)->visible);
    EXPECT_TRUE(desk.Find(2)->visible);
    // Hidden windows are not seen but keep their entries.
    RefreshTaskList(list, desk, Screen(), true);
    ASSERT_EQ(list.entries.size(), 7u);
    const std::vector<TaskEntry> shown = list.entries;
    RunTaskMenuAction(list, shown, 3, desk, Screen());
    EXPECT_TRUE(desk.Find(3)->visible);
    EXPECT_TRUE(desk.Find(4)->visible);
    for (const TaskEntry& e : list.entries) {
        EXPECT_FALSE(e.hidden) << e.title;
    }
}

TEST(VarnixTaskList, HideForemostThenChooseItsEntryShowsItAgain) {
    FakeDesktop desk;
    desk.Add(2, "Only");
    TaskList list;
    RefreshTaskList(list, desk, Screen(), true);
    RunTaskMenuAction(list, list.entries, 1, desk, Screen());
    EXPECT_FALSE(desk.Find(2)->visible);
    RefreshTaskList(list, desk, Screen(), true);
    ASSERT_EQ(Titles(list), (Strings{"Hide Only", "Hide Others", "Show All", "_LINE_", "Only"}));
    RunTaskMenuAction(list, list.entries, 5, desk, Screen());
    EXPECT_TRUE(desk.Find(2)->visible);
    EXPECT_FALSE(list.entries[4].hidden);
}

TEST(VarnixTaskList, EntryOfAClosedHiddenWindowIsDropped) {
    FakeDesktop desk;
    desk.Add(2, "Front");
    desk.Add(3, "Gone soon");
    TaskList list;
    RefreshTaskList(list, desk, Screen(), true);
    RunTaskMenuAction(list, list.entries, 2, desk, Screen());
    ASSERT_TRUE(list.entries.back().hidden);
    desk.Close(3);
    RefreshTaskList(list, desk, Screen(), true);
    EXPECT_EQ(Titles(list), (Strings{"Hide Front", "Hide Others", "Show All", "_LINE_", "Front"}));
}

TEST(VarnixTaskList, BarEndShowsAgainTheHiddenWindowsThatStillExist) {
    FakeDesktop desk;
    desk.Add(2, "Front");
    desk.Add(3, "Kept");
    desk.Add(4, "Closed");
    TaskList list;
    RefreshTaskList(list, desk, Screen(), true);
    RunTaskMenuAction(list, list.entries, 2, desk, Screen());
    desk.Close(4);
    desk.log.clear();
    ShowHiddenWindows(list, desk);
    EXPECT_TRUE(desk.Find(3)->visible);
    EXPECT_EQ(desk.log, (Strings{"show 3"}));
}

TEST(VarnixTaskList, ChoosingAMinimisedWindowRestoresIt) {
    FakeDesktop desk;
    desk.Add(2, "Front");
    FakeDesktop::Win& small = desk.Add(3, "Small");
    small.state.minimized = true;
    small.state.rect = Rect{-32000, -32000, -31840, -31970};
    TaskList list;
    RefreshTaskList(list, desk, Screen(), true);
    EXPECT_EQ(desk.log, Strings{}); // a minimised window is never moved
    RunTaskMenuAction(list, list.entries, 6, desk, Screen());
    EXPECT_EQ(desk.log.front(), "restore 3");
}

TEST(VarnixTaskList, ChoosingAVanishedWindowDoesNothing) {
    FakeDesktop desk;
    desk.Add(2, "Front");
    desk.Add(3, "Brief");
    TaskList list;
    RefreshTaskList(list, desk, Screen(), true);
    const std::vector<TaskEntry> shown = list.entries;
    desk.Close(3);
    desk.log.clear();
    RunTaskMenuAction(list, shown, 6, desk, Screen());
    EXPECT_TRUE(desk.log.empty());
}

// Window placement.

WindowState Normal(int left, int top, int right, int bottom) {
    return WindowState{{left, top, right, bottom}, false, false};
}

TEST(VarnixPlacement, WindowAtTheTopEdgeMovesBelowTheBar) {
    const Placement p = ComputePlacement(Screen(), Normal(50, 0, 250, 200), "W", nullptr);
    ASSERT_TRUE(p.move);
    EXPECT_EQ(p.x, 50);
    EXPECT_EQ(p.y, 19);
    EXPECT_EQ(p.width, 200);
    EXPECT_EQ(p.height, 200);
}

TEST(VarnixPlacement, WindowJustBelowTheBarStays) {
    EXPECT_FALSE(ComputePlacement(Screen(), Normal(50, 19, 250, 200), "W", nullptr).move);
}

TEST(VarnixPlacement, TallWindowIsCutToTheUsableHeight) {
    const Placement p = ComputePlacement(Screen(), Normal(0, 5, 100, 900), "W", nullptr);
    EXPECT_EQ(p.y, 19);
    EXPECT_EQ(p.height, 768 - 19);
}

TEST(VarnixPlacement, WindowBelowTheScreenMovesUpButNotAboveTheBar) {
    Placement p = ComputePlacement(Screen(), Normal(0, 700, 100, 800), "W", nullptr);
    EXPECT_EQ(p.y, 668);
    EXPECT_EQ(p.height, 100);
    p = ComputePlacement(Screen(), Normal(0, 100, 100, 900), "W", nullptr);
    EXPECT_EQ(p.y, 19);
    EXPECT_EQ(p.height, 768 - 19);
}

TEST(VarnixPlacement, TaskbarHeightCountsOnlyWithCompensation) {
    PlacementContext ctx = Screen();
    ctx.shellDetected = true;
    ctx.taskbarHeight = 28;
    EXPECT_EQ(UsableHeight(ctx), 768 - 28);
    EXPECT_TRUE(ComputePlacement(ctx, Normal(0, 100, 100, 750), "W", nullptr).move);
    ctx.compensate = false;
    EXPECT_EQ(UsableHeight(ctx), 768);
    EXPECT_FALSE(ComputePlacement(ctx, Normal(0, 100, 100, 750), "W", nullptr).move);
}

TEST(VarnixPlacement, ProgramManagerShellDesktopIsLeftAlone) {
    PlacementContext ctx = Screen();
    ctx.programManagerShell = true;
    EXPECT_FALSE(ComputePlacement(ctx, Normal(0, 0, 1024, 768), "Program Manager", nullptr).move);
    EXPECT_TRUE(ComputePlacement(ctx, Normal(0, 0, 1024, 768), "Other", nullptr).move);
}

TEST(VarnixPlacement, MaximisedWindowIsPlacedOnceBelowTheBar) {
    FakeDesktop desk;
    FakeDesktop::Win& big = desk.Add(2, "Big");
    big.state = WindowState{{-1, -1, 1025, 769}, true, false};
    TaskList list;
    RefreshTaskList(list, desk, Screen(), true);
    ASSERT_EQ(desk.log, (Strings{"move 2"}));
    EXPECT_EQ(desk.Find(2)->state.rect, (Rect{-3, 17, -3 + 1024 + 6, 17 + 768 + 2 - 16}));
    EXPECT_TRUE(list.entries[4].maximizedAdjusted);
    RefreshTaskList(list, desk, Screen(), true);
    RefreshTaskList(list, desk, Screen(), true);
    EXPECT_EQ(desk.log.size(), 1u);
}

TEST(VarnixPlacement, MovingANormalWindowClearsTheMaximisedMark) {
    FakeDesktop desk;
    FakeDesktop::Win& w = desk.Add(2, "W");
    w.state = WindowState{{-1, -1, 1025, 769}, true, false};
    TaskList list;
    RefreshTaskList(list, desk, Screen(), true);
    ASSERT_TRUE(list.entries[4].maximizedAdjusted);
    desk.Find(2)->state = Normal(0, 0, 100, 100);
    RefreshTaskList(list, desk, Screen(), true);
    EXPECT_FALSE(list.entries[4].maximizedAdjusted);
}

} // namespace
