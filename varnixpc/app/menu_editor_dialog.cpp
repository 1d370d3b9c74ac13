#include "app/menu_editor_dialog.h"

#include "app/menu_properties_dialog.h"
#include "app/resource.h"
#include "framework/message_box.h"

CMenuEditorDlg::CMenuEditorDlg(HWND parent, std::vector<ProgramItem>& menu)
    : Dialog(IDD_MENU_EDITOR, parent), menu_(menu) {}

bool CMenuEditorDlg::OnInitDialog() {
    SetFontWeight(500);
    Dialog::OnInitDialog();
    FillList();
    return true;
}

void CMenuEditorDlg::FillList() {
    HWND list = GetDlgItem(Handle(), IDC_PROGRAM_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (std::size_t i = 0; i < menu_.size(); ++i) {
        const std::string& title = menu_[i].title;
        if (title.empty() || title == kAboutTitle || title == kLineText) {
            continue;
        }
        // Rows are not items by position: each row carries its item's index.
        const LRESULT row =
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.c_str()));
        if (row >= 0) {
            SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(row), static_cast<LPARAM>(i));
        }
    }
}

int CMenuEditorDlg::SelectedItem() const {
    HWND list = GetDlgItem(Handle(), IDC_PROGRAM_LIST);
    const LRESULT row = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (row == LB_ERR) {
        return -1;
    }
    const LRESULT index = SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(row), 0);
    if (index == LB_ERR || index < 0 || static_cast<std::size_t>(index) >= menu_.size()) {
        return -1;
    }
    return static_cast<int>(index);
}

void CMenuEditorDlg::Add() {
    CMenuPropertiesDlg properties(Handle());
    if (properties.DoModal() == IDOK) {
        if (properties.title.empty()) {
            ShowMessage(IDS_NO_TITLE);
        } else {
            menu_.push_back(ProgramItem{properties.title, properties.file, properties.commandLine,
                                        properties.directory});
        }
    }
    FillList();
}

void CMenuEditorDlg::Edit() {
    const int index = SelectedItem();
    if (index < 0) {
        return;
    }
    ProgramItem& item = menu_[static_cast<std::size_t>(index)];
    CMenuPropertiesDlg properties(Handle());
    properties.title = item.title;
    properties.file = item.file;
    properties.commandLine = item.commandLine;
    properties.directory = item.directory;
    if (properties.DoModal() == IDOK) {
        if (properties.title.empty()) {
            ShowMessage(IDS_NO_TITLE);
        } else {
            item = ProgramItem{properties.title, properties.file, properties.commandLine,
                               properties.directory};
        }
    }
    FillList();
}

void CMenuEditorDlg::Delete() {
    const int index = SelectedItem();
    if (index < 0) {
        return;
    }
    menu_.erase(menu_.begin() + index);
    FillList();
}

bool CMenuEditorDlg::OnCommand(WORD id, WORD code) {
    switch (id) {
    case IDC_ADD:
        Add();
        return true;
    case IDC_EDIT:
        Edit();
        return true;
    case IDC_DELETE:
        Delete();
        return true;
    case IDC_PROGRAM_LIST:
        if (code == LBN_DBLCLK) {
            Edit();
        }
        return true;
    default:
        return false;
    }
}
