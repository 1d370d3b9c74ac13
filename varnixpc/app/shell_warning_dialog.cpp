#include "app/shell_warning_dialog.h"

#include "app/resource.h"

CShellWarningDlg::CShellWarningDlg(HWND parent) : Dialog(IDD_SHELL_WARNING, parent) {}

void CShellWarningDlg::DoDataExchange(DataExchange& dx) {
    dx.Check(IDC_DONT_SHOW_WARNING, dontShowAgain);
}

bool CShellWarningDlg::OnInitDialog() {
    SetFontWeight(500);
    return Dialog::OnInitDialog();
}
