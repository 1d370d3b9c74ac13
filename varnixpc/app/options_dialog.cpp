#include "app/options_dialog.h"

#include "app/resource.h"

COptionsDlg::COptionsDlg(HWND parent) : Dialog(IDD_OPTIONS, parent) {}

void COptionsDlg::DoDataExchange(DataExchange& dx) {
    dx.Check(IDC_12_HOUR, twelveHour);
    dx.Check(IDC_ON_TOP, onTop);
    dx.Check(IDC_USE_ICONS, useIcons);
    dx.Check(IDC_ADJUST_TASKBAR, compensate);
    dx.Check(IDC_3D_DISPLAY, threeD);
}

bool COptionsDlg::OnInitDialog() {
    SetFontWeight(500);
    Dialog::OnInitDialog();
    if (shellDetected == 0) {
        EnableWindow(GetDlgItem(Handle(), IDC_ADJUST_TASKBAR), FALSE);
    }
    return true;
}
