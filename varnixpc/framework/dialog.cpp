#include "framework/dialog.h"

#include "framework/message_box.h"

#include <cstdio>
#include <vector>

void DataExchange::Text(int id, std::string& value, int maxLength) {
    if (failed_) {
        return;
    }
    HWND control = GetDlgItem(dialog_, id);
    if (!saving_) {
        SendMessageA(control, EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
        SetWindowTextA(control, value.c_str());
        return;
    }
    const int length = GetWindowTextLengthA(control);
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(control, text.data(), length + 1);
    if (got > maxLength) {
        char message[64];
        std::snprintf(message, sizeof message, "Enter no more than %d characters.", maxLength);
        ShowMessage(message);
        SetFocus(control);
        SendMessageA(control, EM_SETSEL, 0, -1);
        failed_ = true;
        return;
    }
    value.assign(text.data(), static_cast<std::size_t>(got > 0 ? got : 0));
}

void DataExchange::Check(int id, int& value) {
    if (failed_) {
        return;
    }
    if (!saving_) {
        CheckDlgButton(dialog_, id, value != 0 ? BST_CHECKED : BST_UNCHECKED);
        return;
    }
    value = IsDlgButtonChecked(dialog_, id) == BST_CHECKED ? 1 : 0;
}

Dialog::~Dialog() {
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}

INT_PTR Dialog::DoModal() {
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), parent_,
                           StaticDialogProc, reinterpret_cast<LPARAM>(this));
}

bool Dialog::UpdateData(bool save) {
    DataExchange dx(hwnd_, save);
    DoDataExchange(dx);
    return !dx.Failed();
}

bool Dialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void Dialog::OnOK() {
    if (UpdateData(true)) {
        EndDialog(IDOK);
    }
}

void Dialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void Dialog::EndDialog(INT_PTR result) {
    ::EndDialog(hwnd_, result);
}

namespace {

BOOL CALLBACK SetChildFont(HWND child, LPARAM font) {
    SendMessageA(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
    return TRUE;
}

} // namespace

void Dialog::SetFontWeight(int weight) {
    auto current = reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0));
    LOGFONTA lf;
    if (current == nullptr || GetObjectA(current, sizeof lf, &lf) != sizeof lf) {
        return;
    }
    lf.lfWeight = weight;
    HFONT font = CreateFontIndirectA(&lf);
    if (font == nullptr) {
        return;
    }
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    EnumChildWindows(hwnd_, SetChildFont, reinterpret_cast<LPARAM>(font));
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
    font_ = font;
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Dialog::DrawEtchedLine(const DRAWITEMSTRUCT& item) {
    const RECT& r = item.rcItem;
    HPEN grey = CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
    if (grey == nullptr) {
        return;
    }
    HGDIOBJ old = SelectObject(item.hDC, grey);
    MoveToEx(item.hDC, r.left, r.bottom - 2, nullptr);
    LineTo(item.hDC, r.right, r.bottom - 2);
    SelectObject(item.hDC, GetStockObject(WHITE_PEN));
    MoveToEx(item.hDC, r.left, r.bottom - 1, nullptr);
    LineTo(item.hDC, r.right, r.bottom - 1);
    SelectObject(item.hDC, old);
    DeleteObject(grey);
}

INT_PTR CALLBACK Dialog::StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Dialog*>(lParam);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    }
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (self == nullptr) {
        return FALSE;
    }
    return self->DialogProc(message, wParam, lParam);
}

INT_PTR Dialog::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND: {
        const WORD id = LOWORD(wParam);
        const WORD code = HIWORD(wParam);
        if (OnCommand(id, code)) {
            return TRUE;
        }
        if (id == IDOK) {
            OnOK();
            return TRUE;
        }
        if (id == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
        return FALSE;
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlType == ODT_STATIC) {
            DrawEtchedLine(*item);
            return TRUE;
        }
        return FALSE;
    }
    case WM_DESTROY:
        SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
        hwnd_ = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}
