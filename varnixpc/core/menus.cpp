#include "core/menus.h"

std::vector<MenuTitle> MakeMenuTitles(int screenWidth) {
    return {
        {"_RUZARADIDI", kProgramsMenu, 10, 34},
        {"File", kNoMenu, 0, 0},
        {"Edit", kSetupMenu, 0, 0},
        {"Stuff", kExitMenu, 0, 0},
        {"_HELPMENU", kHelpMenu, screenWidth - 63, screenWidth - 39},
        {"_TASKMENU", kTaskMenu, screenWidth - 37, screenWidth - 13},
    };
}

bool IsDrawnTitle(const MenuTitle& title) {
    return !title.text.empty() && title.text[0] != '_';
}

int LayoutMenuTitles(std::vector<MenuTitle>& titles, int avgCharWidth) {
    int x = 41;
    for (MenuTitle& title : titles) {
        if (!IsDrawnTitle(title)) {
            continue;
        }
        const int length = static_cast<int>(title.text.size());
        title.left = x;
        title.right = x + length * avgCharWidth;
        x += (length + 2) * avgCharWidth;
    }
    return x;
}

int MenuKindAt(const std::vector<MenuTitle>& titles, int x) {
    for (const MenuTitle& title : titles) {
        if (title.left <= x && x <= title.right) {
            return title.kind;
        }
    }
    return kNoMenu;
}

int FindMenuTitle(const std::vector<MenuTitle>& titles, int kind) {
    for (std::size_t i = 0; i < titles.size(); ++i) {
        if (titles[i].kind == kind) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::vector<std::string> SetupMenuTexts() {
    return {"Varnix Menu", "VarnixPC"};
}
std::vector<std::string> ExitMenuTexts() {
    return {"Close VarnixPC", kLineText, "Logout"};
}
std::vector<std::string> HelpMenuTexts() {
    return {"Help"};
}

MenuAction ResolveMenuAction(int kind, int entry, int entryCount) {
    if (kind == kNoMenu || entry < 1 || entry > entryCount) {
        return MenuAction::kNone;
    }
    switch (kind) {
    case kProgramsMenu:
        if (entry == 1) {
            return MenuAction::kAbout;
        }
        return entry == 2 ? MenuAction::kNone : MenuAction::kLaunch;
    case kSetupMenu:
        return entry == 1 ? MenuAction::kMenuEditor : MenuAction::kOptions;
    case kExitMenu:
        if (entry == 1) {
            return MenuAction::kClose;
        }
        return entry == 3 ? MenuAction::kLogout : MenuAction::kNone;
    case kHelpMenu:
        return MenuAction::kHelp;
    case kTaskMenu:
        return MenuAction::kTask;
    default:
        return MenuAction::kNone;
    }
}
