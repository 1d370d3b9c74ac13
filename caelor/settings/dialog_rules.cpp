#include "settings/dialog_rules.h"

#include "engine/frames.h"
#include "resources/dialog_ids.h"
#include "resources/string_ids.h"

namespace {

constexpr int kLastMoon = 3;

// The five fields of the date dialogs, in their checking order.
struct DateTimeTable {
    IntegerField fields[5] = {
        {IDC_DATE_YEAR, kYearRange, 0},     {IDC_DATE_MONTH, kMonthRange, 0},
        {IDC_DATE_DAY, kDayRange, 0},       {IDC_DATE_HOUR, kHourRange, 0},
        {IDC_DATE_MINUTE, kMinuteRange, 0},
    };
    int Year() const { return fields[0].value; }
    int Month() const { return fields[1].value; }
    int Day() const { return fields[2].value; }

    FieldError CheckDate() const {
        return IsValidDialogDate(Day(), Month(), Year())
                   ? NoFieldError()
                   : TextFieldError(IDC_DATE_DAY, DialogMessage::kInvalidDate);
    }
    void Store(DialogParams& params) const {
        params.year = fields[0].value;
        params.month = fields[1].value;
        params.day = fields[2].value;
        params.hour = fields[3].value;
        params.minute = fields[4].value;
    }
};

bool AnyInSet(BitSet set, int first, int last) {
    for (int n = first; n <= last; ++n) {
        if (SetTest(n, set)) {
            return true;
        }
    }
    return false;
}

// The checked button of a group first .. last (value = control - first), or
// the fallback when none is checked.
int CheckedButton(const DialogFields& fields, int first, int last, int fallback) {
    for (int control = first; control <= last; ++control) {
        if (fields.Checked(control)) {
            return control - first;
        }
    }
    return fallback;
}

// The year and month-range fields shared by the month-range dialogs, checked
// in their order, then the order of the two months.
FieldError CheckMonthRangeFields(const DialogFields& fields, int& year, int& startMonth,
                                 int& stopMonth) {
    IntegerField table[] = {{IDC_YEAR, kYearRange, 0},
                            {IDC_START_MONTH, kMonthRange, 0},
                            {IDC_STOP_MONTH, kMonthRange, 0}};
    if (FieldError error = CheckIntegerFields(fields, table)) {
        return error;
    }
    if (table[2].value < table[1].value) {
        return TextFieldError(IDC_STOP_MONTH, DialogMessage::kStopMonthBeforeStart);
    }
    year = table[0].value;
    startMonth = table[1].value;
    stopMonth = table[2].value;
    return NoFieldError();
}

// The start and stop year fields of the year-range dialogs, then their order.
FieldError CheckYearRangeFields(const DialogFields& fields, int startControl, int stopControl,
                                int& startYear, int& stopYear) {
    IntegerField table[] = {{startControl, kYearRange, 0}, {stopControl, kYearRange, 0}};
    if (FieldError error = CheckIntegerFields(fields, table)) {
        return error;
    }
    if (table[1].value < table[0].value) {
        return TextFieldError(stopControl, DialogMessage::kStopYearBeforeStart);
    }
    startYear = table[0].value;
    stopYear = table[1].value;
    return NoFieldError();
}

} // namespace

BitSet ChecksToSet(const DialogFields& fields, BitSet set, int firstBit, int lastBit,
                   int firstControl) {
    for (int bit = firstBit; bit <= lastBit; ++bit) {
        if (fields.Checked(firstControl + bit - firstBit)) {
            SetAdd(bit, set);
        } else {
            SetRemove(bit, set);
        }
    }
    return set;
}

FieldError AcceptYearDialog(const DialogFields& fields, DialogParams& params) {
    IntegerField table[] = {{IDC_YEAR, kYearRange, 0}};
    if (FieldError error = CheckIntegerFields(fields, table)) {
        return error;
    }
    params.year = table[0].value;
    RepairDialogDay(params);
    return NoFieldError();
}

FieldError AcceptYearMonthDialog(const DialogFields& fields, DialogParams& params) {
    IntegerField table[] = {{IDC_YEAR, kYearRange, 0}, {IDC_START_MONTH, kMonthRange, 0}};
    if (FieldError error = CheckIntegerFields(fields, table)) {
        return error;
    }
    params.year = table[0].value;
    params.month = table[1].value;
    RepairDialogDay(params);
    return NoFieldError();
}

FieldError AcceptYearMonthRangeDialog(const DialogFields& fields, DialogParams& params) {
    int year = 0;
    int startMonth = 0;
    int stopMonth = 0;
    if (FieldError error = CheckMonthRangeFields(fields, year, startMonth, stopMonth)) {
        return error;
    }
    params.year = year;
    params.month = startMonth;
    params.stopMonth = stopMonth;
    RepairDialogDay(params);
    return NoFieldError();
}

FieldError AcceptYearRangeDialog(const DialogFields& fields, DialogParams& params) {
    int startYear = 0;
    int stopYear = 0;
    if (FieldError error = CheckYearRangeFields(fields, IDC_RANGE_START_YEAR, IDC_RANGE_STOP_YEAR,
                                                startYear, stopYear)) {
        return error;
    }
    params.year = startYear;
    params.stopYear = stopYear;
    RepairDialogDay(params);
    return NoFieldError();
}

int PlanetsFirstBody(const DialogParams& params) {
    return params.includeEarth != 0 ? kEarth : kMercury;
}

bool PlanetsEarthBoxEnabled(const DialogParams& params, bool fromSunChosen) {
    return params.includeEarth != 0 && (params.showDistance == 0 || fromSunChosen);
}

FieldError AcceptPlanetsDialog(const DialogFields& fields, DialogParams& params) {
    int year = 0;
    int startMonth = 0;
    int stopMonth = 0;
    if (FieldError error = CheckMonthRangeFields(fields, year, startMonth, stopMonth)) {
        return error;
    }
    const int first = PlanetsFirstBody(params);
    BitSet planets =
        ChecksToSet(fields, params.planetSet, first, kPluto, IDC_PLANETS_EARTH + first - kEarth);
    const bool fromSun = fields.Checked(IDC_PLANETS_FROM_SUN);
    if (params.showDistance != 0 && !fromSun) {
        SetRemove(kEarth, planets);
    }
    if (!AnyInSet(planets, first, kPluto)) {
        const int focus =
            PlanetsEarthBoxEnabled(params, fromSun) ? IDC_PLANETS_EARTH : IDC_PLANETS_MERCURY;
        return ButtonFieldError(focus, DialogMessage::kSelectPlanet);
    }
    params.year = year;
    params.month = startMonth;
    params.stopMonth = stopMonth;
    params.planetSet = planets;
    if (params.showDistance != 0) {
        params.distanceFromSun = fromSun ? 1 : 0;
    }
    RepairDialogDay(params);
    return NoFieldError();
}

int PlanetAngleMainButton(int body) {
    return IDC_ANGLE_FIRST_MAIN + body - kMercury;
}

int PlanetAngleOtherBox(int body) {
    return IDC_ANGLE_FIRST_OTHER + body - kMercury;
}

FieldError AcceptPlanetAngleDialog(const DialogFields& fields, DialogParams& params) {
    IntegerField table[] = {{IDC_YEAR, kYearRange, 0}, {IDC_START_MONTH, kMonthRange, 0}};
    if (FieldError error = CheckIntegerFields(fields, table)) {
        return error;
    }
    const int mainPlanet =
        kMercury + CheckedButton(fields, IDC_ANGLE_FIRST_MAIN, IDC_ANGLE_LAST_MAIN,
                                 params.mainPlanet - kMercury);
    BitSet planets = ChecksToSet(fields, params.planetSet, kMercury, kPluto, IDC_ANGLE_FIRST_OTHER);
    // The main planet's box is unchecked and disabled: it is never one of the
    // others.
    SetRemove(mainPlanet, planets);
    if (!AnyInSet(planets, kMercury, kPluto)) {
        const int focus = mainPlanet == kMercury ? PlanetAngleOtherBox(kMercury + 1)
                                                 : PlanetAngleOtherBox(kMercury);
        return ButtonFieldError(focus, DialogMessage::kSelectPlanet);
    }
    params.year = table[0].value;
    params.month = table[1].value;
    params.planetSet = planets;
    params.mainPlanet = mainPlanet;
    RepairDialogDay(params);
    return NoFieldError();
}

FieldError AcceptPlanetApsidesDialog(const DialogFields& fields, DialogParams& params) {
    int startYear = 0;
    int stopYear = 0;
    if (FieldError error = CheckYearRangeFields(fields, IDC_APSIDES_START_YEAR,
                                                IDC_APSIDES_STOP_YEAR, startYear, stopYear)) {
        return error;
    }
    const BitSet planets =
        ChecksToSet(fields, params.planetSet, kEarth, kSaturn, IDC_APSIDES_FIRST_BOX);
    if (!AnyInSet(planets, kEarth, kSaturn)) {
        return ButtonFieldError(IDC_APSIDES_FIRST_BOX, DialogMessage::kSelectPlanet);
    }
    params.year = startYear;
    params.stopYear = stopYear;
    params.planetSet = planets;
    RepairDialogDay(params);
    return NoFieldError();
}

FieldError AcceptJupiterMoonsGraphDialog(const DialogFields& fields, DialogParams& params) {
    IntegerField table[] = {{IDC_YEAR, kYearRange, 0}, {IDC_JM_GRAPH_MONTH, kMonthRange, 0}};
    if (FieldError error = CheckIntegerFields(fields, table)) {
        return error;
    }
    const BitSet moons = ChecksToSet(fields, params.moonSet, 0, kLastMoon, IDC_JM_FIRST_MOON);
    if (!AnyInSet(moons, 0, kLastMoon)) {
        return ButtonFieldError(IDC_JM_FIRST_MOON, DialogMessage::kSelectMoon);
    }
    params.year = table[0].value;
    params.month = table[1].value;
    params.moonSet = moons;
    params.labelMoons = fields.Checked(IDC_JM_LABEL_MOONS) ? 1 : 0;
    RepairDialogDay(params);
    return NoFieldError();
}

bool EclipticMovieHidesViewAngle(const DialogParams& params) {
    return params.titleId == IDS_ECLIPTIC_SIDE;
}

FieldError AcceptEclipticMovieDialog(const DialogFields& fields, DialogParams& params) {
    DateTimeTable date;
    IntegerField movie[] = {{IDC_TIME_SPEED, kTimeSpeedRange, 0},
                            {IDC_VIEW_ANGLE, kViewAngleRange, 0}};
    if (FieldError error = CheckIntegerFields(fields, date.fields)) {
        return error;
    }
    if (FieldError error = CheckIntegerFields(fields, movie)) {
        return error;
    }
    const BitSet planets = ChecksToSet(fields, params.planetSet, kEarth, kPluto, IDC_EC_FIRST_BOX);
    if (!AnyInSet(planets, kEarth, kPluto)) {
        return ButtonFieldError(IDC_EC_FIRST_BOX, DialogMessage::kSelectPlanet);
    }
    if (FieldError error = date.CheckDate()) {
        return error;
    }
    date.Store(params);
    params.timeSpeed = movie[0].value;
    params.viewAngle = movie[1].value;
    params.planetSet = planets;
    params.labelPlanets = fields.Checked(IDC_EC_LABEL_PLANETS) ? 1 : 0;
    return NoFieldError();
}

FieldError AcceptJupiterMoonsMovieDialog(const DialogFields& fields, DialogParams& params) {
    DateTimeTable date;
    IntegerField movie[] = {{IDC_TIME_SPEED, kTimeSpeedRange, 0}};
    if (FieldError error = CheckIntegerFields(fields, date.fields)) {
        return error;
    }
    if (FieldError error = CheckIntegerFields(fields, movie)) {
        return error;
    }
    const BitSet moons = ChecksToSet(fields, params.moonSet, 0, kLastMoon, IDC_JM_FIRST_MOON);
    if (!AnyInSet(moons, 0, kLastMoon)) {
        return ButtonFieldError(IDC_JM_FIRST_MOON, DialogMessage::kSelectMoon);
    }
    if (FieldError error = date.CheckDate()) {
        return error;
    }
    date.Store(params);
    params.timeSpeed = movie[0].value;
    params.moonSet = moons;
    params.labelMoons = fields.Checked(IDC_JM_LABEL_MOONS) ? 1 : 0;
    return NoFieldError();
}

FieldError AcceptDayNightMovieDialog(const DialogFields& fields, DialogParams& params) {
    DateTimeTable date;
    if (FieldError error = CheckIntegerFields(fields, date.fields)) {
        return error;
    }
    if (FieldError error = date.CheckDate()) {
        return error;
    }
    date.Store(params);
    params.dayNightSpeed =
        CheckedButton(fields, IDC_DN_FIRST_SPEED, IDC_DN_LAST_SPEED, params.dayNightSpeed);
    return NoFieldError();
}

int BinaryStarNameId(int star) {
    return IDS_BINARY_STAR_NAME_FIRST + star;
}

FieldError AcceptBinaryStarMovieDialog(const DialogFields& fields, DialogParams& params) {
    IntegerField table[] = {{IDC_BS_YEAR, kBinaryStarYearRange, 0},
                            {IDC_TIME_SPEED, kTimeSpeedRange, 0},
                            {IDC_VIEW_ANGLE, kViewAngleRange, 0}};
    if (FieldError error = CheckIntegerFields(fields, table)) {
        return error;
    }
    const int star = fields.SelectedItem(IDC_BS_STAR_LIST);
    if (star < 0 || star >= kBinaryStarCount) {
        return ButtonFieldError(IDC_BS_STAR_LIST, DialogMessage::kSelectBinaryStar);
    }
    params.binaryStarYear = table[0].value;
    params.timeSpeed = table[1].value;
    params.viewAngle = table[2].value;
    params.binaryStar = star;
    return NoFieldError();
}

int PlanetariumBodyButton(int body) {
    return IDC_PL_FIRST_BODY + body;
}

bool PlanetariumHasBodyButton(int body) {
    return body >= 0 && body <= kStarBody && body != kEarth;
}

bool PlanetariumShowsStarList(int body) {
    return body == kStarBody;
}

bool PlanetariumViewsSunMoon(BitSet skySet) {
    return SetTest(0, skySet);
}

bool PlanetariumViewsPlanets(BitSet skySet) {
    return SetTest(kMercury, skySet);
}

bool PlanetariumViewsStars(BitSet skySet) {
    return SetTest(kStarBody, skySet);
}

FieldError AcceptPlanetariumDialog(const DialogFields& fields, DialogParams& params) {
    DateTimeTable date;
    IntegerField movie[] = {{IDC_PL_TIME_SPEED, kTimeSpeedRange, 0},
                            {IDC_PL_VIEW_ANGLE, kViewAngleRange, 0}};
    if (FieldError error = CheckIntegerFields(fields, date.fields)) {
        return error;
    }
    if (FieldError error = CheckIntegerFields(fields, movie)) {
        return error;
    }
    const bool sunMoon = fields.Checked(IDC_PL_VIEW_SUN_MOON);
    const bool planets = fields.Checked(IDC_PL_VIEW_PLANETS);
    const bool stars = fields.Checked(IDC_PL_VIEW_STARS);
    if (!sunMoon && !planets && !stars) {
        return ButtonFieldError(IDC_PL_VIEW_SUN_MOON, DialogMessage::kSelectViewItem);
    }
    const bool turbo = fields.Checked(IDC_PL_TURBO);
    const bool track = fields.Checked(IDC_PL_TRACK_BODY);
    int body = params.trackedBody;
    for (int b = 0; b <= kStarBody; ++b) {
        if (PlanetariumHasBodyButton(b) && fields.Checked(PlanetariumBodyButton(b))) {
            body = b;
            break;
        }
    }
    if (turbo && !track) {
        return ButtonFieldError(IDC_PL_TRACK_BODY, DialogMessage::kTurboNeedsTracking);
    }
    if (turbo && !((body >= kMercury && body <= kPluto) || body == kStarBody)) {
        return ButtonFieldError(PlanetariumBodyButton(body), DialogMessage::kTurboNeedsTracking);
    }
    if (FieldError error = date.CheckDate()) {
        return error;
    }
    const int star = fields.SelectedItem(IDC_PL_STAR_LIST);
    if (star < 0) {
        return ButtonFieldError(IDC_PL_STAR_LIST, DialogMessage::kSelectStar);
    }
    date.Store(params);
    params.timeSpeed = movie[0].value;
    params.viewAngle = movie[1].value;
    params.trackedBody = body;
    params.noTracking = track ? 0 : 1;
    params.turbo = turbo ? 1 : 0;
    params.star = star;
    params.labelPlanets = fields.Checked(IDC_PL_LABEL_PLANETS) ? 1 : 0;
    BitSet sky = 0;
    if (sunMoon) {
        SetAdd(0, sky);
        SetAdd(1, sky);
    }
    if (stars) {
        SetAdd(kStarBody, sky);
    }
    if (planets) {
        for (int b = kMercury; b <= kPluto; ++b) {
            SetAdd(b, sky);
        }
    }
    params.skySet = sky;
    return NoFieldError();
}
