// The Jupiter Moons Orbit graph dialog and the Jupiter moons movie dialog.

#include "resources/dialog_ids.h"
#include "settings/dialog_rules.h"
#include "shell/dialog_controls.h"
#include "shell/input_dialogs.h"

namespace {

constexpr int kCallisto = 3;

INT_PTR Handle(HWND dialog, UINT message, WPARAM wParam, DialogAcceptRule accept, int helpTopic) {
    return HandleInputDialogMessage(dialog, message, wParam, accept, helpTopic) ? TRUE : FALSE;
}

void ShowMoons(HWND dialog) {
    SetToCheckBoxes(dialog, CurrentDialogParams.moonSet, 0, kCallisto, IDC_JM_FIRST_MOON,
                    kDialogModule);
    CheckControl(dialog, IDC_JM_LABEL_MOONS, CurrentDialogParams.labelMoons != 0, kDialogModule);
}

} // namespace

INT_PTR CALLBACK JupiterMoonsGraphDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        const DialogParams& p = CurrentDialogParams;
        SetControlText(dialog, IDC_YEAR, FormatYearField(p.year), kDialogModule);
        SetControlText(dialog, IDC_JM_GRAPH_MONTH, FormatMonthField(p.month), kDialogModule);
        ShowMoons(dialog);
        return TRUE;
    }
    return Handle(dialog, message, wParam, AcceptJupiterMoonsGraphDialog, kHelpJupiterMoonsGraph);
}

INT_PTR CALLBACK JupiterMoonsMovieDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    const DialogParams& p = CurrentDialogParams;
    if (message == WM_INITDIALOG) {
        SetDialogTitle(dialog, p.titleId, kDialogModule);
        ShowDateFields(dialog, p.day, p.month, p.year, p.hour, p.minute, kDialogModule);
        SetControlText(dialog, IDC_TIME_SPEED, FormatTimeSpeed(p.timeSpeed), kDialogModule);
        ShowMoons(dialog);
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDC_DATE_NOW) {
        ShowDateFieldsNow(dialog, kDialogModule);
        return TRUE;
    }
    return Handle(dialog, message, wParam, AcceptJupiterMoonsMovieDialog, kHelpJupiterMoonsMovies);
}
