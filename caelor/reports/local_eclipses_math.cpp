#include "reports/local_eclipses_math.h"

#include "engine/angles.h"
#include "engine/besselian.h"
#include "engine/moon.h"
#include "engine/time.h"

namespace {

// The new or full Moon an eclipse of EclipsesOfYear came from: the one of
// its kind whose elements give that very instant of maximum.
const MoonPhaseEntry* PhaseOfEclipse(const MoonPhaseList& phases, const EclipseEntry& eclipse) {
    const int phase = eclipse.kind == kSolarEclipse ? kNewMoon : kFullMoon;
    for (int n = 0; n < phases.count; ++n) {
        const MoonPhaseEntry& entry = phases.entries[n];
        if (entry.phase == phase &&
            EclipseElements(entry.F, entry.M, entry.M1, entry.T, entry.meanInstant).maximum ==
                eclipse.maximum) {
            return &entry;
        }
    }
    return nullptr;
}

// Local standard hours of the maximum, as the eclipse reports take them.
double LocalHoursOf(double jdUt, const Location& location) {
    double day = 0;
    int month = 0;
    int year = 0;
    JulianDayToCalendar(jdUt + location.timeZone / 24, day, month, year);
    return FractionalPart(day) * 24;
}

// Hours brought into [0, 24), the way the Lunar Eclipse report shows its
// contact times.
double WrapHours(double hours) {
    return NormalizeDegrees(hours * 15) * 0.06666666666666667;
}

LunarContact LunarContactAt(double jdUtMaximum, double localHoursOfMaximum, double offsetHours,
                            const Location& location) {
    LunarContact contact{};
    contact.happens = true;
    contact.jdUt = jdUtMaximum + offsetHours / 24;
    contact.localHours = WrapHours(localHoursOfMaximum + offsetHours);
    contact.moonAltitude = MoonAltitudeAt(contact.jdUt, location);
    contact.aboveHorizon = contact.moonAltitude > 0;
    return contact;
}

} // namespace

GlobalSolarKind GlobalSolarKindOf(const EclipseElementsResult& elements) {
    switch (SolarEclipseType(elements.gamma, elements.u)) {
    case 835:
        return GlobalSolarKind::kTotal;
    case 836:
        return GlobalSolarKind::kAnnular;
    case 837:
        return GlobalSolarKind::kAnnularTotal;
    default:
        return GlobalSolarKind::kPartial;
    }
}

double MoonAltitudeAt(double jdUt, const Location& location) {
    const SunMoonPlaces places = SunMoonPlacesAt(jdUt);
    const double trueAltitude =
        TopocentricAltitude(places.moonAlpha, places.moonDelta, places.moonDistance, places.gast,
                            EclipseObserverAt(location));
    return RefractedAltitude(trueAltitude);
}

LocalLunarEclipse LocalLunarEclipseOf(const MoonPhaseEntry& fullMoon, const Location& location) {
    LocalLunarEclipse eclipse{};
    eclipse.elements =
        EclipseElements(fullMoon.F, fullMoon.M, fullMoon.M1, fullMoon.T, fullMoon.meanInstant);
    eclipse.shadow = LunarEclipseShadow(eclipse.elements, fullMoon.M1);
    const double jdUt = eclipse.elements.maximum;
    const double hours = LocalHoursOf(jdUt, location);
    eclipse.partialBegins = LunarContactAt(jdUt, hours, -eclipse.shadow.partial, location);
    eclipse.maximum = LunarContactAt(jdUt, hours, 0, location);
    eclipse.partialEnds = LunarContactAt(jdUt, hours, eclipse.shadow.partial, location);
    // The report prints the total phase only when it lasts.
    if (eclipse.shadow.total > 0) {
        eclipse.totalBegins = LunarContactAt(jdUt, hours, -eclipse.shadow.total, location);
        eclipse.totalEnds = LunarContactAt(jdUt, hours, eclipse.shadow.total, location);
    }
    return eclipse;
}

LocalSolarEclipse LocalSolarEclipseOf(const MoonPhaseEntry& newMoon, const Location& location) {
    LocalSolarEclipse eclipse{};
    eclipse.elements =
        EclipseElements(newMoon.F, newMoon.M, newMoon.M1, newMoon.T, newMoon.meanInstant);
    eclipse.globalKind = GlobalSolarKindOf(eclipse.elements);
    eclipse.globalMagnitude =
        eclipse.globalKind == GlobalSolarKind::kPartial
            ? SolarEclipseMagnitude(eclipse.elements.gamma, eclipse.elements.u)
            : 0;
    const BesselianSeries series = BesselianSeriesAround(eclipse.elements.maximum);
    eclipse.local = LocalSolarCircumstancesAt(series, location);
    return eclipse;
}

void LocalEclipsesOfYear(int year, const MoonPhaseList& phases, const Location& location,
                         LocalEclipsesYear& eclipses) {
    EclipseList found;
    EclipsesOfYear(year, phases, true, found, location, false, nullptr);
    eclipses.lunarCount = 0;
    eclipses.solarCount = 0;
    for (int n = 0; n < found.count; ++n) {
        const MoonPhaseEntry* phase = PhaseOfEclipse(phases, found.entries[n]);
        if (phase == nullptr) {
            continue;
        }
        if (found.entries[n].kind == kLunarEclipse) {
            eclipses.lunar[eclipses.lunarCount++] = LocalLunarEclipseOf(*phase, location);
            continue;
        }
        const LocalSolarEclipse solar = LocalSolarEclipseOf(*phase, location);
        if (solar.local.kind != LocalSolarKind::kNone && solar.local.visible) {
            eclipses.solar[eclipses.solarCount++] = solar;
        }
    }
}
