// The eclipses of a year as an observer at the place sees them: the solar
// eclipses the Solar Eclipse report lists, each with its local
// circumstances from Besselian elements, and the lunar eclipses the Lunar
// Eclipse report lists, each contact with the Moon's altitude there. What a
// Local Eclipses report prints is built from these records.
#pragma once

#include "engine/local_eclipse.h"
#include "engine/location.h"
#include "reports/eclipses.h"
#include "reports/report_buffer.h"
#include "reports/reports.h"

#include <vector>

// The kind of a solar eclipse over the whole Earth, as the Solar Eclipse
// report's type line gives it (from gamma and u of the search).
enum class GlobalSolarKind : int {
    kPartial,
    kAnnular,
    kTotal,
    kAnnularTotal,
};

GlobalSolarKind GlobalSolarKindOf(const EclipseElementsResult& elements);

// A solar eclipse of the search with what the place sees of it.
struct LocalSolarEclipse {
    EclipseElementsResult elements; // the search's: maximum (UT Julian day), gamma, u
    GlobalSolarKind globalKind;
    double globalMagnitude; // the search's magnitude of a partial eclipse, else 0
    LocalSolarCircumstances local;
};

// One contact of a lunar eclipse at the place. jdUt and localHours are the
// instant the Lunar Eclipse report gives: its maximum less or plus a
// semiduration, localHours its local standard time wrapped into [0, 24)
// exactly as that report prints it.
struct LunarContact {
    bool happens;        // false for the total phase of a partial eclipse
    double jdUt;         // Julian day of UT
    double localHours;   // local standard time, hours [0, 24)
    double moonAltitude; // apparent (refracted, topocentric) altitude of the Moon's centre, degrees
    bool aboveHorizon;   // moonAltitude > 0
};

struct LocalLunarEclipse {
    EclipseElementsResult elements; // the search's: maximum (UT Julian day), gamma, u
    LunarShadow shadow;             // umbral magnitude and the semidurations, hours
    LunarContact partialBegins;
    LunarContact totalBegins;
    LunarContact maximum;
    LunarContact totalEnds;
    LunarContact partialEnds;
};

// The eclipses of one local calendar year at the place.
struct LocalEclipsesYear {
    int lunarCount = 0;
    LocalLunarEclipse lunar[kEclipseListLimit - 1];
    int solarCount = 0;
    LocalSolarEclipse solar[kEclipseListLimit - 1];
};

// The Moon's apparent topocentric altitude (degrees, refracted as the Sun's
// at solar contacts) at the UT Julian day, seen from the place.
double MoonAltitudeAt(double jdUt, const Location& location);

// A lunar eclipse of the search, from the full Moon it was found at, with
// its contacts at the place.
LocalLunarEclipse LocalLunarEclipseOf(const MoonPhaseEntry& fullMoon, const Location& location);

// A solar eclipse of the search, from the new Moon it was found at: the
// Besselian elements fitted around the search's maximum, then the local
// circumstances at the place (local.kind is kNone where the place is never
// in the penumbra, local.visible false where the Sun stays below the
// horizon throughout).
LocalSolarEclipse LocalSolarEclipseOf(const MoonPhaseEntry& newMoon, const Location& location);

// The eclipses EclipsesOfYear finds in the phases of the year (the lunar
// and solar lists of the two eclipse reports, in their order), with their
// local circumstances; a solar eclipse is kept only when the place sees some
// of it (local.kind not kNone and local.visible).
void LocalEclipsesOfYear(int year, const MoonPhaseList& phases, const Location& location,
                         LocalEclipsesYear& eclipses);

// One step of the Local Eclipses report: the phases of the year collected
// without progress, then LocalEclipsesOfYear. A stop asked for (StopFlag)
// ends the collection early and leaves the year short.
LocalEclipsesYear LocalEclipsesOf(int year, const Location& location);

// The request's years, first year first. LocalEclipsesRecords (eclipses.h)
// gives them as Records.
std::vector<LocalEclipsesYear> LocalEclipsesResults(const ReportRequest& request,
                                                    const Location& location);

// The report's text: its heading, a year's eclipses in the order they
// happen, and the closing note.
void AddLocalEclipsesHeading(const ReportRequest& request, const Location& location,
                             ReportBuffer& buffer);
void AddLocalEclipsesLines(const LocalEclipsesYear& eclipses, const Location& location,
                           ReportBuffer& buffer);
void AddLocalEclipsesNote(ReportBuffer& buffer);
