#include "shell/dialog_controls.h"

#include "engine/time.h"
#include "resources/dialog_ids.h"
#include "resources/string_table.h"
#include "shell/dialog_support.h"

namespace {

constexpr int kFieldTextSize = 81; // 80 characters and the terminator

bool HasClass(HWND window, const char* className) {
    char name[32];
    return GetClassNameA(window, name, sizeof name) > 0 && lstrcmpiA(name, className) == 0;
}

} // namespace

HWND DialogControl(HWND dialog, int control, const char* module) {
    HWND window = GetDlgItem(dialog, control);
    if (window == nullptr) {
        FatalError(IDS_DIALOG_BOX_ERROR, module, __LINE__);
    }
    return window;
}

std::string DialogControls::Text(int control) const {
    HWND window = DialogControl(dialog_, control, module_);
    char text[kFieldTextSize];
    const int length = GetWindowTextA(window, text, sizeof text);
    return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

bool DialogControls::Checked(int control) const {
    DialogControl(dialog_, control, module_);
    return IsDlgButtonChecked(dialog_, control) == BST_CHECKED;
}

int DialogControls::SelectedItem(int control) const {
    HWND window = DialogControl(dialog_, control, module_);
    const bool combo = HasClass(window, "ComboBox");
    const LRESULT index = SendMessageA(window, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
    if (index < 0) {
        return -1;
    }
    const LRESULT data = SendMessageA(window, combo ? CB_GETITEMDATA : LB_GETITEMDATA,
                                      static_cast<WPARAM>(index), 0);
    return data < 0 ? -1 : static_cast<int>(data);
}

void SetControlText(HWND dialog, int control, const std::string& text, const char* module) {
    if (!SetWindowTextA(DialogControl(dialog, control, module), text.c_str())) {
        FatalError(IDS_DIALOG_BOX_ERROR, module, __LINE__);
    }
}

void SetDialogTitle(HWND dialog, int stringId, const char* module) {
    char title[kTextSize];
    LoadText(stringId, title, sizeof title);
    if (!SetWindowTextA(dialog, title)) {
        FatalError(IDS_DIALOG_BOX_ERROR, module, __LINE__);
    }
}

void ShowControl(HWND dialog, int control, bool show, const char* module) {
    ShowWindow(DialogControl(dialog, control, module), show ? SW_SHOW : SW_HIDE);
}

void EnableControl(HWND dialog, int control, bool enable, const char* module) {
    EnableWindow(DialogControl(dialog, control, module), enable ? TRUE : FALSE);
}

void CheckControl(HWND dialog, int control, bool checked, const char* module) {
    DialogControl(dialog, control, module);
    if (!CheckDlgButton(dialog, control, checked ? BST_CHECKED : BST_UNCHECKED)) {
        FatalError(IDS_DIALOG_BOX_ERROR, module, __LINE__);
    }
}

void CheckRadio(HWND dialog, int first, int last, int checked, const char* module) {
    DialogControl(dialog, checked, module);
    if (!CheckRadioButton(dialog, first, last, checked)) {
        FatalError(IDS_DIALOG_BOX_ERROR, module, __LINE__);
    }
}

void SetToCheckBoxes(HWND dialog, BitSet set, int firstBit, int lastBit, int firstControl,
                     const char* module) {
    for (int bit = firstBit; bit <= lastBit; ++bit) {
        CheckControl(dialog, firstControl + bit - firstBit, SetTest(bit, set), module);
    }
}

bool AddListItem(HWND dialog, int control, const std::string& text, int data, const char* module) {
    HWND list = DialogControl(dialog, control, module);
    const LRESULT index =
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (index < 0) {
        return false;
    }
    return SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), data) != LB_ERR;
}

void SelectListItem(HWND dialog, int control, int data, const char* module) {
    HWND list = DialogControl(dialog, control, module);
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        if (SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0) == data) {
            SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
            return;
        }
    }
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

void ShowDialogMessage(HWND owner, DialogMessage message) {
    ErrorBox(owner, DialogMessageStringId(message), false);
}

void ShowFieldError(HWND dialog, const FieldError& error, const char* module) {
    ShowDialogMessage(dialog, error.message);
    HWND control = DialogControl(dialog, error.control, module);
    SetFocus(control);
    // A combo box hands the focus to its edit field.
    HWND focus = GetFocus();
    if (focus != control && (focus == nullptr || GetParent(focus) != control)) {
        FatalError(IDS_DIALOG_BOX_ERROR, module, __LINE__);
    }
    if (error.selectText) {
        if (HasClass(control, "ComboBox")) {
            SendMessageA(control, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        } else {
            SendMessageA(control, EM_SETSEL, 0, -1);
        }
    }
}

void ShowDateFields(HWND dialog, int day, int month, int year, int hour, int minute,
                    const char* module) {
    const DateFieldTexts texts = FormatDateFields(day, month, year, hour, minute);
    SetControlText(dialog, IDC_DATE_YEAR, texts.year, module);
    SetControlText(dialog, IDC_DATE_MONTH, texts.month, module);
    SetControlText(dialog, IDC_DATE_DAY, texts.day, module);
    SetControlText(dialog, IDC_DATE_HOUR, texts.hour, module);
    SetControlText(dialog, IDC_DATE_MINUTE, texts.minute, module);
}

void ShowDateFieldsNow(HWND dialog, const char* module) {
    const DialogDateTime now = DateTimeFromJulianDay(ClockJulianDay());
    ShowDateFields(dialog, now.day, now.month, now.year, now.hour, now.minute, module);
}

void AnswerHelpRequest(HWND dialog, int topic, const char* module) {
    if (!ShowHelpContext(dialog, topic)) {
        FatalError(IDS_HELP_ERROR, module, __LINE__);
    }
}

bool HandleInputDialogMessage(HWND dialog, UINT message, WPARAM wParam, DialogAcceptRule accept,
                              int helpTopic) {
    if (message == kHelpRequestMessage) {
        AnswerHelpRequest(dialog, helpTopic, kDialogModule);
        return true;
    }
    if (message != WM_COMMAND) {
        return false;
    }
    switch (LOWORD(wParam)) {
    case IDOK: {
        DialogCancelled = 0;
        const FieldError error = accept(DialogControls(dialog, kDialogModule), CurrentDialogParams);
        if (error) {
            ShowFieldError(dialog, error, kDialogModule);
        } else if (!EndDialog(dialog, 0)) {
            FatalError(IDS_DIALOG_BOX_ERROR, kDialogModule, __LINE__);
        }
        return true;
    }
    case IDCANCEL:
        DialogCancelled = 1;
        if (!EndDialog(dialog, 0)) {
            FatalError(IDS_DIALOG_BOX_ERROR, kDialogModule, __LINE__);
        }
        return true;
    default:
        return false;
    }
}
