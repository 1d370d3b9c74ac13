#include "shell/location_dialog.h"

#include "reports/locale.h"
#include "resources/dialog_ids.h"
#include "settings/dialog_params.h"
#include "settings/location_rules.h"
#include "shell/city_database_file.h"
#include "shell/dialog_controls.h"
#include "shell/dialog_support.h"

#include <string>

namespace {

constexpr int kNameTextSize = 81;

Location g_workingCopy;
// The name whose fields are shown, so that repeated notifications for the
// same name do not overwrite what the user typed in the fields.
std::string g_lastShown;

char DecimalSeparator() {
    return LocaleDecimalSeparator(false);
}

void ShowFields(HWND dialog, const LocationFieldTexts& t) {
    const char* m = kLocationModule;
    SetControlText(dialog, IDC_LOC_LAT_DEGREES, t.latitudeDegrees, m);
    SetControlText(dialog, IDC_LOC_LAT_MINUTES, t.latitudeMinutes, m);
    SetControlText(dialog, IDC_LOC_LAT_SECONDS, t.latitudeSeconds, m);
    SetControlText(dialog, IDC_LOC_LON_DEGREES, t.longitudeDegrees, m);
    SetControlText(dialog, IDC_LOC_LON_MINUTES, t.longitudeMinutes, m);
    SetControlText(dialog, IDC_LOC_LON_SECONDS, t.longitudeSeconds, m);
    SetControlText(dialog, IDC_LOC_ELEVATION, t.elevation, m);
    SetControlText(dialog, IDC_LOC_TIME_ZONE, t.timeZone, m);
    CheckRadio(dialog, IDC_LOC_NORTH, IDC_LOC_SOUTH,
               t.latitudeHemisphere == kSouth ? IDC_LOC_SOUTH : IDC_LOC_NORTH, m);
    CheckRadio(dialog, IDC_LOC_WEST, IDC_LOC_EAST,
               t.longitudeHemisphere == kEast ? IDC_LOC_EAST : IDC_LOC_WEST, m);
}

// False when a name cannot be added to the list.
bool Init(HWND dialog) {
    const CityDatabase& db = ProgramCityDatabase();
    g_lastShown.clear();
    HWND box = DialogControl(dialog, IDC_LOC_NAME, kLocationModule);
    SendMessageA(box, CB_LIMITTEXT, kCityNameMax, 0);
    for (const CityEntry& entry : db.entries) {
        if (SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.name)) < 0) {
            return false;
        }
    }
    // The search ignores letter case, as the current name's lookup does.
    const LRESULT current = SendMessageA(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(db.currentName.c_str()));
    SendMessageA(box, CB_SETCURSEL, current == CB_ERR ? 0 : static_cast<WPARAM>(current), 0);
    ShowFields(dialog, ClearedLocationFields(DecimalSeparator()));
    // The focus notification that follows fills the fields.
    SetFocus(box);
    return true;
}

// The name a notification of the location box refers to. false: nothing to
// read (no list item is selected, so the text typed in the box stands and
// the fields the user filled in are kept).
bool NotifiedName(HWND box, int code, std::string& name) {
    char text[kNameTextSize] = "";
    if (code == CBN_EDITCHANGE) {
        GetWindowTextA(box, text, sizeof text);
        name = text;
        return true;
    }
    const LRESULT index = SendMessageA(box, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) {
        return false;
    }
    const LRESULT length = SendMessageA(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length >= 0 && length < kNameTextSize &&
        SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(text)) != CB_ERR) {
        name = text;
    } else {
        name.clear();
    }
    return true;
}

void LocationBoxNotification(HWND dialog, int code) {
    if (code == CBN_EDITUPDATE || code == CBN_KILLFOCUS) {
        return;
    }
    std::string name;
    if (!NotifiedName(DialogControl(dialog, IDC_LOC_NAME, kLocationModule), code, name) ||
        !TakeShownLocationName(g_lastShown, name)) {
        return;
    }
    const CityDatabase& db = ProgramCityDatabase();
    const int found = FindCityEntry(db, g_lastShown);
    ShowFields(dialog, found >= 0 ? LocationFieldsFromEntry(db.entries[found], DecimalSeparator())
                                  : ClearedLocationFields(DecimalSeparator()));
}

void Close(HWND dialog) {
    if (!EndDialog(dialog, 0)) {
        FatalError(IDS_DIALOG_BOX_ERROR, kLocationModule, __LINE__);
    }
}

void Accept(HWND dialog, bool save) {
    DialogCancelled = 0;
    CityEntry entry{};
    const FieldError error =
        AcceptLocationDialog(DialogControls(dialog, kLocationModule), DecimalSeparator(), entry);
    if (error) {
        ShowFieldError(dialog, error, kLocationModule);
        return;
    }
    g_workingCopy = ApplyLocationDialog(ProgramCityDatabase(), entry);
    if (save) {
        SaveCityDatabase(dialog);
    }
    Close(dialog);
}

} // namespace

void RunSetLocationDialog(HWND owner, Location& observer) {
    g_workingCopy = observer;
    RunDialog(owner, "DIAL_SET_LOCATION", SetLocationDialogProc);
    observer = g_workingCopy;
}

INT_PTR CALLBACK SetLocationDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        if (!Init(dialog)) {
            EndDialog(dialog, -1);
        }
        return FALSE; // the focus is set
    case kHelpRequestMessage:
        AnswerHelpRequest(dialog, kHelpSetLocation, kLocationModule);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_LOC_NAME:
            LocationBoxNotification(dialog, HIWORD(wParam));
            return TRUE;
        case IDOK:
            Accept(dialog, false);
            return TRUE;
        case IDC_LOC_SAVE:
            Accept(dialog, true);
            return TRUE;
        case IDCANCEL:
            DialogCancelled = 1;
            Close(dialog);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}
