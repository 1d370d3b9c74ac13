// The dialog of the two ecliptic movies (top and side view).

#include "engine/frames.h"
#include "resources/dialog_ids.h"
#include "settings/dialog_rules.h"
#include "shell/dialog_controls.h"
#include "shell/input_dialogs.h"

namespace {

void Init(HWND dialog) {
    const DialogParams& p = CurrentDialogParams;
    SetDialogTitle(dialog, p.titleId, kDialogModule);
    ShowDateFields(dialog, p.day, p.month, p.year, p.hour, p.minute, kDialogModule);
    SetControlText(dialog, IDC_TIME_SPEED, FormatTimeSpeed(p.timeSpeed), kDialogModule);
    SetControlText(dialog, IDC_VIEW_ANGLE, FormatViewAngle(p.viewAngle), kDialogModule);
    SetToCheckBoxes(dialog, p.planetSet, kEarth, kPluto, IDC_EC_FIRST_BOX, kDialogModule);
    CheckControl(dialog, IDC_EC_LABEL_PLANETS, p.labelPlanets != 0, kDialogModule);
    if (EclipticMovieHidesViewAngle(p)) {
        ShowControl(dialog, IDC_VIEW_ANGLE_LABEL, false, kDialogModule);
        ShowControl(dialog, IDC_VIEW_ANGLE, false, kDialogModule);
        ShowControl(dialog, IDC_VIEW_ANGLE_DEGREES, false, kDialogModule);
    }
}

} // namespace

INT_PTR CALLBACK EclipticMovieDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        Init(dialog);
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDC_DATE_NOW) {
        ShowDateFieldsNow(dialog, kDialogModule);
        return TRUE;
    }
    return HandleInputDialogMessage(dialog, message, wParam, AcceptEclipticMovieDialog,
                                    kHelpEclipticMovies)
               ? TRUE
               : FALSE;
}
