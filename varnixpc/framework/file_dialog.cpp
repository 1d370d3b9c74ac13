#include "framework/file_dialog.h"

#include <commdlg.h>

namespace {

constexpr DWORD kFileBufferSize = 512;

} // namespace

FileDialog::FileDialog(std::string title, std::vector<std::pair<std::string, std::string>> filters,
                       int templateId, int hiddenControl, DWORD flags)
    : title_(std::move(title)), filters_(std::move(filters)), templateId_(templateId),
      hiddenControl_(hiddenControl), flags_(flags) {}

UINT_PTR CALLBACK FileDialog::HookProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* ofn = reinterpret_cast<const OPENFILENAMEA*>(lParam);
        const auto* self = reinterpret_cast<const FileDialog*>(ofn->lCustData);
        HWND control = GetDlgItem(dialog, self->hiddenControl_);
        if (control != nullptr) {
            CheckDlgButton(dialog, self->hiddenControl_, BST_UNCHECKED);
            ShowWindow(control, SW_HIDE);
        }
        return TRUE;
    }
    return FALSE;
}

INT_PTR FileDialog::DoModal(HWND owner) {
    // "name (pattern)\0pattern\0" for each filter, and a closing "\0".
    std::string filter;
    for (const auto& f : filters_) {
        filter += f.first + " (" + f.second + ")";
        filter.push_back('\0');
        filter += f.second;
        filter.push_back('\0');
    }
    filter.push_back('\0');

    char file[kFileBufferSize] = "";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.hInstance = GetModuleHandleA(nullptr);
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = kFileBufferSize;
    ofn.lpstrTitle = title_.c_str();
    ofn.Flags = flags_ | OFN_ENABLETEMPLATE | OFN_ENABLEHOOK;
    ofn.lCustData = reinterpret_cast<LPARAM>(this);
    ofn.lpfnHook = HookProc;
    ofn.lpTemplateName = MAKEINTRESOURCEA(templateId_);
    if (!GetOpenFileNameA(&ofn)) {
        return IDCANCEL;
    }
    path_ = file;
    return IDOK;
}
