// The task menu: the running top-level windows, kept out from under the bar,
// switched to, hidden and shown again. Windows are reached through the
// WindowSystem interface so that the logic runs without a desktop.
#pragma once

#include "core/geometry.h"

#include <cstdint>
#include <string>
#include <vector>

using WindowId = std::uintptr_t; // 0 = no window

struct TaskEntry {
    WindowId window = 0;
    std::string title;
    bool maximizedAdjusted = false; // re-placed below the bar while maximised
    bool special = false;           // one of the four fixed entries
    bool hidden = false;            // hidden by the bar
};

struct TopLevelWindow {
    WindowId id;
    std::string title;
    bool enabled;
    bool visible;
};

struct WindowState {
    Rect rect;
    bool maximized;
    bool minimized;
};

class WindowSystem {
  public:
    virtual ~WindowSystem() = default;
    // Top-level windows in z-order, topmost first.
    virtual std::vector<TopLevelWindow> TopLevelWindows() = 0;
    virtual bool Exists(WindowId window) = 0;
    virtual WindowId Parent(WindowId window) = 0;
    // False when the window is gone.
    virtual bool State(WindowId window, WindowState& state) = 0;
    // Moves and sizes without changing the z-order and repaints; never
    // waits for the window's program.
    virtual void Move(WindowId window, int x, int y, int width, int height) = 0;
    virtual void Hide(WindowId window) = 0;
    // To the top of the z-order, shown and activated, neither moved nor
    // sized; restored first when minimised.
    virtual void Show(WindowId window, bool restore) = 0;
};

// What window placement needs to know of the screen, the settings and the
// shell check.
struct PlacementContext {
    int screenWidth = 640;
    int screenHeight = 480;
    int borderWidth = 1;
    int borderHeight = 1;
    bool shellDetected = false;
    bool compensate = true;
    bool programManagerShell = false;
    int taskbarHeight = 0;
};

// The screen height less the taskbar when a shell was detected and
// compensation is on.
int UsableHeight(const PlacementContext& ctx);

struct Placement {
    bool move = false;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool maximized = false; // the move re-places a maximised window
};

// Where a window must go so that it stays clear of the bar (y < 19) and of a
// detected taskbar. entry may be null when the window is not listed.
Placement ComputePlacement(const PlacementContext& ctx, const WindowState& state,
                           const std::string& title, const TaskEntry* entry);

// The fixed entries' texts.
extern const char kHidePrefix[];
extern const char kHideOthersText[];
extern const char kShowAllText[];

struct TaskList {
    std::vector<TaskEntry> entries;
    std::vector<std::string> seenTitles;
    std::string foremostTitle;
};

// Index of the entry with this window and title; -1 when there is none.
int FindTaskEntry(const TaskList& list, WindowId window, const std::string& title);

// Places one window (see ComputePlacement) and keeps its entry's
// maximised-adjusted flag.
void PlaceWindow(TaskList& list, WindowSystem& windows, const PlacementContext& ctx,
                 WindowId window, const std::string& title);

// Lists the enabled, visible, titled top-level windows other than the bar's
// own, the first of them as the foremost window; places each one; drops the
// entries of windows gone, no longer seen (unless hidden by the bar) or owned
// by a listed window. With topmost off no window is listed or moved.
void RefreshTaskList(TaskList& list, WindowSystem& windows, const PlacementContext& ctx,
                     bool topmost);

// Entry n (1-based) of the menu's copy of the list: hide the foremost
// window, hide the others, show all, or show one window.
void RunTaskMenuAction(TaskList& list, const std::vector<TaskEntry>& shown, int n,
                       WindowSystem& windows, const PlacementContext& ctx);

void HideTaskWindow(TaskList& list, WindowSystem& windows, WindowId window);
void ShowTaskWindow(TaskList& list, WindowSystem& windows, const PlacementContext& ctx,
                    WindowId window, const std::string& title);

// At the bar's end: shows again every window the bar hid that still exists.
void ShowHiddenWindows(TaskList& list, WindowSystem& windows);
