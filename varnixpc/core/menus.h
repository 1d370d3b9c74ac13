// The bar's titles, the menus behind them and what choosing an entry does.
#pragma once

#include "core/menu_file.h"

#include <string>
#include <vector>

enum MenuKind {
    kNoMenu = 0,
    kProgramsMenu = 1,
    kSetupMenu = 2,
    kExitMenu = 3,
    kHelpMenu = 4,
    kTaskMenu = 5,
};

struct MenuTitle {
    std::string text;
    int kind;
    int left;
    int right;
};

// The six titles in bar order; those beginning with '_' are hot spots over
// the bar's bitmaps with fixed positions, the others are placed when drawn.
std::vector<MenuTitle> MakeMenuTitles(int screenWidth);

// A title drawn as text: not empty and not beginning with '_'.
bool IsDrawnTitle(const MenuTitle& title);

// Places the drawn titles from x = 41, each (length + 2) average character
// widths after the previous one, and sets their left and right x. Returns
// the x just right of the last drawn title.
int LayoutMenuTitles(std::vector<MenuTitle>& titles, int avgCharWidth);

// The kind of the first title whose left x <= x <= right x; kNoMenu if none.
int MenuKindAt(const std::vector<MenuTitle>& titles, int x);

// Index of the first title of a kind; -1 when there is none.
int FindMenuTitle(const std::vector<MenuTitle>& titles, int kind);

// The fixed entries of the setup, exit and help menus.
std::vector<std::string> SetupMenuTexts();
std::vector<std::string> ExitMenuTexts();
std::vector<std::string> HelpMenuTexts();

// What choosing entry n (1-based) of a menu kind does.
enum class MenuAction {
    kNone,
    kAbout,
    kLaunch, // program-menu item n - 1 (0-based)
    kMenuEditor,
    kOptions,
    kClose,
    kLogout,
    kHelp,
    kTask, // task-menu entry n
};

// kNone for kind 0, entry 0, a separator, or an entry the menu lacks.
// entryCount is the number of entries the open menu shows.
MenuAction ResolveMenuAction(int kind, int entry, int entryCount);
