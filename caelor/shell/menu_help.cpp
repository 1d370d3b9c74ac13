// The main window's help: the help file beside the program, the Help menu's
// topics, and F1 on a menu item or in a dialog.

#include "shell/main_window.h"

#include "help/help_topics.h"
#include "resources/string_table.h"
#include "shell/errors.h"
#include "shell/help.h"

namespace {

char g_helpFile[MAX_PATH] = {};
// F1 was pressed in the menu that is open; a help request never outlives
// its menu, so it cannot turn a later command into help.
bool g_helpOnMenu = false;
// The command of the highlighted menu item, 0 for a popup or none.
int g_highlightedItem = 0;

bool ShowContextHelp(HWND owner, int context) {
    return ShowHelp(owner, g_helpFile, HELP_CONTEXT, static_cast<ULONG_PTR>(context)) != FALSE;
}

} // namespace

void StartHelp() {
    char fileName[kTitleSize];
    LoadText(IDS_HELP_FILE_NAME, fileName, sizeof fileName);
    DataFilePath(fileName, g_helpFile, sizeof g_helpFile);
    SetHelpContextHandler(ShowContextHelp);
}

// Closing help never fails the exit.
void QuitHelp() {
    ShowHelp(g_main.window, g_helpFile, HELP_QUIT, 0);
}

// Help through the program's help window; a failure to show it is fatal.
void OpenHelp(UINT command, ULONG_PTR data) {
    if (!ShowHelp(g_main.window, g_helpFile, command, data)) {
        MainWindowFatal(IDS_HELP_ERROR, __LINE__);
    }
}

void OpenHelpKeyword(const char* keyword) {
    OpenHelp(HELP_KEY, reinterpret_cast<ULONG_PTR>(keyword));
}

void OnEnterIdle(WPARAM source, LPARAM owner) {
    if ((GetAsyncKeyState(VK_F1) & 0x8001) == 0) {
        return;
    }
    if (source == MSGF_DIALOGBOX) {
        if (!CommonDialogOpen()) {
            PostMessageA(reinterpret_cast<HWND>(owner), kHelpRequestMessage, 0, 0);
        }
    } else if (source == MSGF_MENU && !g_helpOnMenu) {
        // The highlighted item is shown as help, not chosen: choosing a
        // greyed item would send nothing. The menu closes first and the
        // topic opens once its loop has ended.
        const int context = HelpContextOf(g_highlightedItem);
        if (context >= 0) {
            g_helpOnMenu = true;
            EndMenu();
            PostMessageA(g_main.window, kMenuHelpMessage, static_cast<WPARAM>(context), 0);
        }
    }
}

void OnMenuSelect(UINT item, UINT flags, HMENU menu) {
    if (flags == 0xFFFF && menu == nullptr) {
        // The menu has closed.
        g_helpOnMenu = false;
        g_highlightedItem = 0;
        RestartTimer();
        return;
    }
    g_highlightedItem = (flags & (MF_POPUP | MF_SEPARATOR)) != 0 ? 0 : static_cast<int>(item);
}

void ForgetMenuHelp() {
    g_helpOnMenu = false;
    g_highlightedItem = 0;
}
