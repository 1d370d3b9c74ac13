// The Day/Night movie dialog.

#include "resources/dialog_ids.h"
#include "settings/dialog_rules.h"
#include "shell/dialog_controls.h"
#include "shell/input_dialogs.h"

INT_PTR CALLBACK DayNightMovieDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        const DialogParams& p = CurrentDialogParams;
        ShowDateFields(dialog, p.day, p.month, p.year, p.hour, p.minute, kDialogModule);
        const int speed = p.dayNightSpeed >= 0 && p.dayNightSpeed <= 4 ? p.dayNightSpeed : 4;
        CheckRadio(dialog, IDC_DN_FIRST_SPEED, IDC_DN_LAST_SPEED, IDC_DN_FIRST_SPEED + speed,
                   kDialogModule);
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDC_DATE_NOW) {
        ShowDateFieldsNow(dialog, kDialogModule);
        return TRUE;
    }
    return HandleInputDialogMessage(dialog, message, wParam, AcceptDayNightMovieDialog,
                                    kHelpDayNightMovie)
               ? TRUE
               : FALSE;
}
