// The planet dialogs: the shared planet list (DIAL_PLANETS), Planet Angle
// and Planet Apsides.

#include "engine/frames.h"
#include "resources/dialog_ids.h"
#include "settings/dialog_rules.h"
#include "shell/dialog_controls.h"
#include "shell/input_dialogs.h"

namespace {

// The main planet shown while Planet Angle is open; its box is unchecked and
// disabled.
int g_angleMainPlanet = kMercury;

INT_PTR Handle(HWND dialog, UINT message, WPARAM wParam, DialogAcceptRule accept, int helpTopic) {
    return HandleInputDialogMessage(dialog, message, wParam, accept, helpTopic) ? TRUE : FALSE;
}

bool Clicked(UINT message, WPARAM wParam, int first, int last) {
    return message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) >= first &&
           LOWORD(wParam) <= last;
}

// The Earth box is usable only while distances are taken from the Sun.
void ShowEarthBoxState(HWND dialog, bool fromSun) {
    const bool enabled = PlanetsEarthBoxEnabled(CurrentDialogParams, fromSun);
    if (!enabled) {
        CheckControl(dialog, IDC_PLANETS_EARTH, false, kDialogModule);
    }
    EnableControl(dialog, IDC_PLANETS_EARTH, enabled, kDialogModule);
}

void InitPlanets(HWND dialog) {
    DialogParams& p = CurrentDialogParams;
    OrderMonthRange(p);
    SetDialogTitle(dialog, p.titleId, kDialogModule);
    SetControlText(dialog, IDC_YEAR, FormatYearField(p.year), kDialogModule);
    SetControlText(dialog, IDC_START_MONTH, FormatMonthField(p.month), kDialogModule);
    SetControlText(dialog, IDC_STOP_MONTH, FormatMonthField(p.stopMonth), kDialogModule);
    const int first = PlanetsFirstBody(p);
    SetToCheckBoxes(dialog, p.planetSet, first, kPluto, IDC_PLANETS_EARTH + first - kEarth,
                    kDialogModule);
    if (p.includeEarth == 0) {
        ShowControl(dialog, IDC_PLANETS_EARTH, false, kDialogModule);
    }
    if (p.showDistance == 0) {
        ShowControl(dialog, IDC_PLANETS_DISTANCE_GROUP, false, kDialogModule);
        ShowControl(dialog, IDC_PLANETS_FROM_EARTH, false, kDialogModule);
        ShowControl(dialog, IDC_PLANETS_FROM_SUN, false, kDialogModule);
    } else {
        const bool fromSun = p.distanceFromSun != 0;
        CheckRadio(dialog, IDC_PLANETS_FROM_EARTH, IDC_PLANETS_FROM_SUN,
                   fromSun ? IDC_PLANETS_FROM_SUN : IDC_PLANETS_FROM_EARTH, kDialogModule);
        ShowEarthBoxState(dialog, fromSun);
    }
    if (p.showMonthFields == 0) {
        for (int control = IDC_PLANETS_START_MONTH_LABEL; control <= IDC_STOP_MONTH; ++control) {
            ShowControl(dialog, control, false, kDialogModule);
        }
    }
}

void InitPlanetAngle(HWND dialog) {
    const DialogParams& p = CurrentDialogParams;
    SetControlText(dialog, IDC_YEAR, FormatYearField(p.year), kDialogModule);
    SetControlText(dialog, IDC_START_MONTH, FormatMonthField(p.month), kDialogModule);
    g_angleMainPlanet =
        p.mainPlanet >= kMercury && p.mainPlanet <= kPluto ? p.mainPlanet : kMercury;
    CheckRadio(dialog, IDC_ANGLE_FIRST_MAIN, IDC_ANGLE_LAST_MAIN,
               PlanetAngleMainButton(g_angleMainPlanet), kDialogModule);
    SetToCheckBoxes(dialog, p.planetSet, kMercury, kPluto, IDC_ANGLE_FIRST_OTHER, kDialogModule);
    CheckControl(dialog, PlanetAngleOtherBox(g_angleMainPlanet), false, kDialogModule);
    EnableControl(dialog, PlanetAngleOtherBox(g_angleMainPlanet), false, kDialogModule);
}

void ChooseMainPlanet(HWND dialog, int body) {
    if (body == g_angleMainPlanet) {
        return;
    }
    EnableControl(dialog, PlanetAngleOtherBox(g_angleMainPlanet), true, kDialogModule);
    CheckControl(dialog, PlanetAngleOtherBox(body), false, kDialogModule);
    EnableControl(dialog, PlanetAngleOtherBox(body), false, kDialogModule);
    g_angleMainPlanet = body;
}

} // namespace

INT_PTR CALLBACK PlanetsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        InitPlanets(dialog);
        return TRUE;
    }
    if (Clicked(message, wParam, IDC_PLANETS_FROM_EARTH, IDC_PLANETS_FROM_SUN)) {
        ShowEarthBoxState(dialog, LOWORD(wParam) == IDC_PLANETS_FROM_SUN);
        return TRUE;
    }
    return Handle(dialog, message, wParam, AcceptPlanetsDialog, kHelpPlanets);
}

INT_PTR CALLBACK PlanetAngleDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        InitPlanetAngle(dialog);
        return TRUE;
    }
    if (Clicked(message, wParam, IDC_ANGLE_FIRST_MAIN, IDC_ANGLE_LAST_MAIN)) {
        ChooseMainPlanet(dialog, kMercury + LOWORD(wParam) - IDC_ANGLE_FIRST_MAIN);
        return TRUE;
    }
    return Handle(dialog, message, wParam, AcceptPlanetAngleDialog, kHelpPlanetAngle);
}

INT_PTR CALLBACK PlanetApsidesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        DialogParams& p = CurrentDialogParams;
        OrderYearRange(p);
        SetControlText(dialog, IDC_APSIDES_START_YEAR, FormatYearField(p.year), kDialogModule);
        SetControlText(dialog, IDC_APSIDES_STOP_YEAR, FormatYearField(p.stopYear), kDialogModule);
        SetToCheckBoxes(dialog, p.planetSet, kEarth, kSaturn, IDC_APSIDES_FIRST_BOX, kDialogModule);
        return TRUE;
    }
    return Handle(dialog, message, wParam, AcceptPlanetApsidesDialog, kHelpPlanetApsides);
}
