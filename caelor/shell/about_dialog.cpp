#include "shell/about_dialog.h"

#include "shell/errors.h"

namespace {
constexpr int kAboutHelpContext = 907;
} // namespace

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    case kHelpRequestMessage:
        if (!ShowHelpContext(dialog, kAboutHelpContext)) {
            ShellFatalError(IDS_HELP_ERROR, "HELP", __LINE__);
        }
        return TRUE;
    default:
        return FALSE;
    }
}
