// The Binary Star movie dialog.

#include "resources/dialog_ids.h"
#include "resources/string_table.h"
#include "settings/dialog_rules.h"
#include "shell/dialog_controls.h"
#include "shell/input_dialogs.h"

namespace {

// False when a star's name cannot be put in the list.
bool Init(HWND dialog) {
    const DialogParams& p = CurrentDialogParams;
    SetControlText(dialog, IDC_BS_YEAR, FormatYearField(p.binaryStarYear), kDialogModule);
    SetControlText(dialog, IDC_TIME_SPEED, FormatTimeSpeed(p.timeSpeed), kDialogModule);
    SetControlText(dialog, IDC_VIEW_ANGLE, FormatViewAngle(p.viewAngle), kDialogModule);
    for (int star = 0; star < kBinaryStarCount; ++star) {
        char name[kTextSize];
        LoadText(BinaryStarNameId(star), name, sizeof name);
        if (!AddListItem(dialog, IDC_BS_STAR_LIST, name, star, kDialogModule)) {
            return false;
        }
    }
    SelectListItem(dialog, IDC_BS_STAR_LIST, p.binaryStar, kDialogModule);
    return true;
}

} // namespace

INT_PTR CALLBACK BinaryStarMovieDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        if (!Init(dialog)) {
            EndDialog(dialog, -1);
        }
        return TRUE;
    }
    return HandleInputDialogMessage(dialog, message, wParam, AcceptBinaryStarMovieDialog,
                                    kHelpBinaryStarMovie)
               ? TRUE
               : FALSE;
}
