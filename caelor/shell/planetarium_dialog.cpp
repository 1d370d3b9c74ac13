// The Planetarium movie dialog.

#include "resources/dialog_ids.h"
#include "settings/dialog_rules.h"
#include "shell/dialog_controls.h"
#include "shell/dialog_support.h"
#include "shell/input_dialogs.h"

#include <vector>

namespace {

const StarNameRecord* g_stars = nullptr;
int g_starCount = 0;

void ShowStarList(HWND dialog, int body) {
    const bool show = PlanetariumShowsStarList(body);
    ShowControl(dialog, IDC_PL_STAR_LABEL, show, kDialogModule);
    ShowControl(dialog, IDC_PL_STAR_LIST, show, kDialogModule);
}

// False when a star cannot be put in the list.
bool FillStarList(HWND dialog, int star) {
    const std::vector<StarListEntry> list = PlanetariumStarList(g_stars, g_starCount);
    if (static_cast<int>(list.size()) != kNamedStarCount) {
        FatalError(IDS_INTERNAL_ERROR, kDialogModule, __LINE__);
    }
    for (const StarListEntry& entry : list) {
        if (!AddListItem(dialog, IDC_PL_STAR_LIST, entry.text, entry.star, kDialogModule)) {
            return false;
        }
    }
    if (star < 0) {
        SendMessageA(DialogControl(dialog, IDC_PL_STAR_LIST, kDialogModule), LB_SETCURSEL, 0, 0);
    } else {
        SelectListItem(dialog, IDC_PL_STAR_LIST, star, kDialogModule);
    }
    return true;
}

bool Init(HWND dialog) {
    const DialogParams& p = CurrentDialogParams;
    ShowDateFields(dialog, p.day, p.month, p.year, p.hour, p.minute, kDialogModule);
    SetControlText(dialog, IDC_PL_TIME_SPEED, FormatTimeSpeed(p.timeSpeed), kDialogModule);
    SetControlText(dialog, IDC_PL_VIEW_ANGLE, FormatViewAngle(p.viewAngle), kDialogModule);
    if (!FillStarList(dialog, p.star)) {
        return false;
    }
    const int body = PlanetariumHasBodyButton(p.trackedBody) ? p.trackedBody : 0;
    CheckRadio(dialog, IDC_PL_FIRST_BODY, IDC_PL_LAST_BODY, PlanetariumBodyButton(body),
               kDialogModule);
    ShowStarList(dialog, body);
    CheckControl(dialog, IDC_PL_VIEW_SUN_MOON, PlanetariumViewsSunMoon(p.skySet), kDialogModule);
    CheckControl(dialog, IDC_PL_VIEW_PLANETS, PlanetariumViewsPlanets(p.skySet), kDialogModule);
    CheckControl(dialog, IDC_PL_VIEW_STARS, PlanetariumViewsStars(p.skySet), kDialogModule);
    CheckControl(dialog, IDC_PL_TURBO, p.turbo != 0, kDialogModule);
    CheckControl(dialog, IDC_PL_TRACK_BODY, p.noTracking == 0, kDialogModule);
    CheckControl(dialog, IDC_PL_LABEL_PLANETS, p.labelPlanets != 0, kDialogModule);
    return true;
}

} // namespace

void SetPlanetariumStars(const StarNameRecord* stars, int count) {
    g_stars = stars;
    g_starCount = stars != nullptr && count > 0 ? count : 0;
}

INT_PTR CALLBACK PlanetariumMovieDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        if (!Init(dialog)) {
            EndDialog(dialog, -1);
        }
        return TRUE;
    }
    if (message == WM_COMMAND) {
        const int control = LOWORD(wParam);
        if (control == IDC_DATE_NOW) {
            ShowDateFieldsNow(dialog, kDialogModule);
            return TRUE;
        }
        if (HIWORD(wParam) == BN_CLICKED && control >= IDC_PL_FIRST_BODY &&
            control <= IDC_PL_LAST_BODY) {
            ShowStarList(dialog, control - IDC_PL_FIRST_BODY);
            return TRUE;
        }
    }
    return HandleInputDialogMessage(dialog, message, wParam, AcceptPlanetariumDialog,
                                    kHelpPlanetariumMovie)
               ? TRUE
               : FALSE;
}
