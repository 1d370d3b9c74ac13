#include "shell/menu_state.h"

#include "shell/errors.h"

namespace {

void EnableItem(HMENU menu, UINT item, UINT by, bool enabled) {
    if (EnableMenuItem(menu, item, by | (enabled ? MF_ENABLED : MF_GRAYED)) ==
        static_cast<BOOL>(-1)) {
        ShellFatalError(IDS_MENU_ERROR, "MENUFCNS", __LINE__);
    }
}

} // namespace

void LockMenus(HWND mainWindow, int kind, bool enable) {
    const MenuLockPlan plan = PlanMenuLock(kind, enable);
    if (!plan.act) {
        return;
    }
    HMENU menu = GetMenu(mainWindow);
    if (menu == nullptr) {
        ShellFatalError(IDS_MENU_ERROR, "MENUFCNS", __LINE__);
    }
    for (int k = 0; k < plan.positionCount; ++k) {
        EnableItem(menu, static_cast<UINT>(plan.positions[k]), MF_BYPOSITION, plan.enabled[k]);
    }
    if (CheckMenuItem(menu, IDM_PAUSE, MF_BYCOMMAND | MF_UNCHECKED) == static_cast<DWORD>(-1)) {
        ShellFatalError(IDS_MENU_ERROR, "MENUFCNS", __LINE__);
    }
    if (!DrawMenuBar(mainWindow)) {
        ShellFatalError(IDS_MENU_ERROR, "MENUFCNS", __LINE__);
    }
}

void RefreshMenuState(HMENU menu, const MenuView& view) {
    if (menu == nullptr) {
        ShellFatalError(IDS_MENU_ERROR, "MENUFCNS", __LINE__);
    }
    const MenuRefresh refresh = ComputeMenuRefresh(view);
    for (const MenuItemState& item : refresh.items) {
        EnableItem(menu, static_cast<UINT>(item.id), MF_BYCOMMAND, item.enabled);
    }
}
