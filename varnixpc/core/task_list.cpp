#include "core/task_list.h"

#include <algorithm>

const char kHidePrefix[] = "Hide ";
const char kHideOthersText[] = "Hide Others";
const char kShowAllText[] = "Show All";

namespace {

constexpr int kSpecialEntries = 4;
constexpr int kBarBottom = 19;

} // namespace

int UsableHeight(const PlacementContext& ctx) {
    if (ctx.shellDetected && ctx.compensate && ctx.taskbarHeight > 0) {
        return ctx.screenHeight - ctx.taskbarHeight;
    }
    return ctx.screenHeight;
}

Placement ComputePlacement(const PlacementContext& ctx, const WindowState& state,
                           const std::string& title, const TaskEntry* entry) {
    const int H = UsableHeight(ctx);
    const int bx = ctx.borderWidth;
    const int by = ctx.borderHeight;
    const Rect& r = state.rect;
    Placement p;
    if (state.maximized) {
        const bool settled = entry != nullptr && entry->maximizedAdjusted && r.top >= 18 - by &&
                             r.top + H + 2 * by - 16 >= r.bottom;
        if (!settled && (r.top < 18 - by || r.bottom > H)) {
            p.move = true;
            p.maximized = true;
            p.x = -2 - bx;
            p.y = 18 - by;
            p.width = ctx.screenWidth + 2 * bx + 4;
            p.height = H + 2 * by - 16;
        }
        return p;
    }
    if (r.top >= kBarBottom && r.bottom <= H) {
        return p;
    }
    if (state.minimized || (ctx.programManagerShell && title == "Program Manager")) {
        return p;
    }
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    p.move = true;
    p.x = r.left;
    p.width = w;
    if (r.top < kBarBottom) {
        p.y = kBarBottom;
    } else {
        p.y = std::max(r.top - (r.bottom - H), kBarBottom);
    }
    p.height = p.y + h > H ? H - p.y : h;
    return p;
}

int FindTaskEntry(const TaskList& list, WindowId window, const std::string& title) {
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        if (list.entries[i].window == window && list.entries[i].title == title) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void PlaceWindow(TaskList& list, WindowSystem& windows, const PlacementContext& ctx,
                 WindowId window, const std::string& title) {
    WindowState state;
    if (!windows.State(window, state)) {
        return;
    }
    const int index = FindTaskEntry(list, window, title);
    TaskEntry* entry = index >= 0 ? &list.entries[index] : nullptr;
    const Placement p = ComputePlacement(ctx, state, title, entry);
    if (!p.move) {
        return;
    }
    windows.Move(window, p.x, p.y, p.width, p.height);
    if (entry != nullptr) {
        entry->maximizedAdjusted = p.maximized;
    }
}

void RefreshTaskList(TaskList& list, WindowSystem& windows, const PlacementContext& ctx,
                     bool topmost) {
    list.seenTitles.clear();
    if (list.entries.empty()) {
        for (const char* text : {kHidePrefix, kHideOthersText, kShowAllText, "_LINE_"}) {
            TaskEntry special;
            special.title = text;
            special.special = true;
            list.entries.push_back(special);
        }
    }
    bool first = true;
    for (const TopLevelWindow& w : windows.TopLevelWindows()) {
        if (!w.enabled || !w.visible || w.title.empty() || !topmost) {
            continue;
        }
        if (w.title == "VarnixPC" || w.title == "RUZARADIDI") {
            continue;
        }
        if (first) {
            list.entries[0].title = kHidePrefix + w.title;
            list.entries[0].window = w.id;
            list.foremostTitle = w.title;
            first = false;
        }
        if (FindTaskEntry(list, w.id, w.title) < 0) {
            TaskEntry entry;
            entry.window = w.id;
            entry.title = w.title;
            list.entries.push_back(entry);
        }
        list.seenTitles.push_back(w.title);
        PlaceWindow(list, windows, ctx, w.id, w.title);
    }
    // Parents are looked up among the entries as they were before removal.
    std::vector<WindowId> listed;
    for (const TaskEntry& e : list.entries) {
        listed.push_back(e.window);
    }
    auto stale = [&](const TaskEntry& e) {
        if (e.special) {
            return false;
        }
        // A window that is gone cannot be shown again: its entry goes even
        // when the bar hid it.
        if (!windows.Exists(e.window)) {
            return true;
        }
        const WindowId parent = windows.Parent(e.window);
        if (parent != 0 && std::find(listed.begin(), listed.end(), parent) != listed.end()) {
            return true;
        }
        const bool seen = std::find(list.seenTitles.begin(), list.seenTitles.end(), e.title) !=
                          list.seenTitles.end();
        return !seen && !e.hidden;
    };
    list.entries.erase(std::remove_if(list.entries.begin(), list.entries.end(), stale),
                       list.entries.end());
}

void HideTaskWindow(TaskList& list, WindowSystem& windows, WindowId window) {
    if (window == 0) {
        return;
    }
    windows.Hide(window);
    for (TaskEntry& e : list.entries) {
        if (e.window == window) {
            e.hidden = true;
        }
    }
}

void ShowTaskWindow(TaskList& list, WindowSystem& windows, const PlacementContext& ctx,
                    WindowId window, const std::string& title) {
    if (window == 0) {
        return;
    }
    WindowState state;
    if (windows.State(window, state)) {
        windows.Show(window, state.minimized);
        PlaceWindow(list, windows, ctx, window, title);
    }
    for (TaskEntry& e : list.entries) {
        if (e.window == window) {
            e.hidden = false;
        }
    }
}

void RunTaskMenuAction(TaskList& list, const std::vector<TaskEntry>& shown, int n,
                       WindowSystem& windows, const PlacementContext& ctx) {
    if (n < 1 || n > static_cast<int>(shown.size())) {
        return;
    }
    const WindowId foremost = shown[0].window;
    switch (n) {
    case 1:
        HideTaskWindow(list, windows, foremost);
        return;
    case 2:
    case 3:
        for (const TaskEntry& e : shown) {
            if (e.special || e.window == foremost) {
                continue;
            }
            if (n == 2) {
                HideTaskWindow(list, windows, e.window);
            } else {
                ShowTaskWindow(list, windows, ctx, e.window, e.title);
            }
        }
        return;
    case kSpecialEntries:
        return;
    default:
        ShowTaskWindow(list, windows, ctx, shown[n - 1].window, shown[n - 1].title);
        return;
    }
}

void ShowHiddenWindows(TaskList& list, WindowSystem& windows) {
    for (TaskEntry& e : list.entries) {
        if (e.hidden && !e.special && windows.Exists(e.window)) {
            windows.Show(e.window, false);
            e.hidden = false;
        }
    }
}
