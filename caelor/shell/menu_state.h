// The main window's menu bar kept in step with what the window shows: the
// top-level menus greyed while a command runs, and the items enabled or
// greyed each time a menu is about to open. Failures are fatal
// IDS_MENU_ERROR (module MENUFCNS).
#pragma once

#include "settings/menu_state.h"

#include <windows.h>

// Greys (enable false) or enables the menus that could start another command,
// for a command of kind (CommandKind); unchecks "P&ause" and redraws the bar.
// Disabling with kind 3 does nothing.
void LockMenus(HWND mainWindow, int kind, bool enable);

// Sets every item the refresh decides (WM_INITMENU) from the current view.
void RefreshMenuState(HMENU menu, const MenuView& view);
