// The year, year-and-month, month-range and year-range dialogs.

#include "resources/dialog_ids.h"
#include "settings/dialog_rules.h"
#include "shell/dialog_controls.h"
#include "shell/input_dialogs.h"

namespace {

INT_PTR Handle(HWND dialog, UINT message, WPARAM wParam, DialogAcceptRule accept, int helpTopic) {
    return HandleInputDialogMessage(dialog, message, wParam, accept, helpTopic) ? TRUE : FALSE;
}

void ShowTitleAndYear(HWND dialog, int yearControl) {
    SetDialogTitle(dialog, CurrentDialogParams.titleId, kDialogModule);
    SetControlText(dialog, yearControl, FormatYearField(CurrentDialogParams.year), kDialogModule);
}

} // namespace

INT_PTR CALLBACK YearDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        ShowTitleAndYear(dialog, IDC_YEAR);
        return TRUE;
    }
    return Handle(dialog, message, wParam, AcceptYearDialog, kHelpYear);
}

INT_PTR CALLBACK YearMonthDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        ShowTitleAndYear(dialog, IDC_YEAR);
        SetControlText(dialog, IDC_START_MONTH, FormatMonthField(CurrentDialogParams.month),
                       kDialogModule);
        return TRUE;
    }
    return Handle(dialog, message, wParam, AcceptYearMonthDialog, kHelpYearMonth);
}

INT_PTR CALLBACK YearMonthRangeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        OrderMonthRange(CurrentDialogParams);
        ShowTitleAndYear(dialog, IDC_YEAR);
        SetControlText(dialog, IDC_START_MONTH, FormatMonthField(CurrentDialogParams.month),
                       kDialogModule);
        SetControlText(dialog, IDC_STOP_MONTH, FormatMonthField(CurrentDialogParams.stopMonth),
                       kDialogModule);
        return TRUE;
    }
    return Handle(dialog, message, wParam, AcceptYearMonthRangeDialog, kHelpYearMonthRange);
}

INT_PTR CALLBACK YearRangeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        OrderYearRange(CurrentDialogParams);
        SetDialogTitle(dialog, CurrentDialogParams.titleId, kDialogModule);
        SetControlText(dialog, IDC_RANGE_START_YEAR, FormatYearField(CurrentDialogParams.year),
                       kDialogModule);
        SetControlText(dialog, IDC_RANGE_STOP_YEAR, FormatYearField(CurrentDialogParams.stopYear),
                       kDialogModule);
        return TRUE;
    }
    return Handle(dialog, message, wParam, AcceptYearRangeDialog, kHelpYearRange);
}
