// Which menu items the main window offers in each state: the kind of a
// command, the menus greyed while a command runs, and the items enabled or
// greyed each time a menu opens. Pure decisions; the shell applies them.
#pragma once

#include "settings/commands.h"

// What the refresh looks at when a menu is about to open.
struct MenuView {
    int currentCommand = 0;       // the main window's current command
    bool reportPresent = false;   // the report buffer holds lines
    bool screenImageHeld = false; // a snapshot of the window is held
    bool busy = false;            // a command is being carried out (a graph drawing)
    int timeSpeed = 0;            // movie time speed, -64 .. 64
    double viewAngle = 0.0;       // movie view angle in degrees
    int dayNightStep = 0;         // Day/Night step, 0 .. 5
};

struct MenuItemState {
    int id;
    bool enabled;
};

constexpr int kRefreshedItemCount = 19;

struct MenuRefresh {
    MenuItemState items[kRefreshedItemCount];
    // State of command id; an id the refresh does not decide is the internal
    // error of module MENUFCNS.
    bool Enabled(int id) const;
};

// The enable/grey decision of every item the refresh touches.
MenuRefresh ComputeMenuRefresh(const MenuView& view);

// Top-level menus by position.
constexpr int kTopLevelMenuCount = 8;

struct MenuLockPlan {
    bool act = false;      // false: leave the menu bar as it is
    int positionCount = 0; // entries used in positions/enabled
    int positions[5] = {};
    bool enabled[5] = {};
};

// Greys (enable false) or enables the top-level menus Edit .. Movies for a
// command of kind; disabling with kind 3 does nothing, and disabling for a
// movie keeps "&Movies" enabled. Whenever it acts, "P&ause" is unchecked.
MenuLockPlan PlanMenuLock(int kind, bool enable);
