#include "app/menu_properties_dialog.h"

#include "app/resource.h"
#include "core/menu_file.h"
#include "framework/application.h"
#include "framework/file_dialog.h"

CMenuPropertiesDlg::CMenuPropertiesDlg(HWND parent) : Dialog(IDD_MENU_PROPERTIES, parent) {}

void CMenuPropertiesDlg::DoDataExchange(DataExchange& dx) {
    dx.Text(IDC_TITLE, title, kTitleMax);
    dx.Text(IDC_FILE, file, kFileMax);
    dx.Text(IDC_COMMAND_LINE, commandLine, kCommandLineMax);
    dx.Text(IDC_DIRECTORY, directory, kDirectoryMax);
}

bool CMenuPropertiesDlg::OnInitDialog() {
    SetFontWeight(500);
    return Dialog::OnInitDialog();
}

bool CMenuPropertiesDlg::OnCommand(WORD id, WORD code) {
    if (id == IDC_BROWSE && code == BN_CLICKED) {
        Browse();
        return true;
    }
    return false;
}

void CMenuPropertiesDlg::Browse() {
    FileDialog dialog(LoadResourceString(IDS_BROWSE_TITLE),
                      {{"Executables", "*.EXE"},
                       {"PIF Files", "*.PIF"},
                       {"Batch Files", "*.BAT"},
                       {"All Files", "*.*"}},
                      IDD_FILE_OPEN, IDC_MAKE_CURRENT, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    if (dialog.DoModal(Handle()) != IDOK) {
        return;
    }
    // Only the File field changes: what was typed into the others stays.
    file = dialog.PathName();
    SetDlgItemTextA(Handle(), IDC_FILE, file.c_str());
}
