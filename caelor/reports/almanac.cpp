#include "reports/almanac.h"

#include "reports/calendar.h"
#include "reports/eclipses.h"
#include "reports/host_hooks.h"
#include "reports/moon_reports.h"
#include "reports/planet_reports.h"
#include "reports/sky_events.h"

#include <iterator>

namespace {

// The reports of the Almanac in report index order, kReportIntroduction
// first.
constexpr ReportGenerator kAlmanacReports[] = {
    IntroductionReport,  CalendarReport,      SeasonsReport,        EasterReport,
    LunarEclipsesReport, SolarEclipsesReport, PlanetViewInfoReport, PlanetApsidesReport,
    PlanetConjOppReport, PlanetDataReport,    MoonApsidesReport,    MoonNodesReport,
    MeteorShowersReport, TwilightReport,
};
static_assert(std::size(kAlmanacReports) == kReportTwilight - kReportIntroduction + 1,
              "one generator per report index");

// Their results as data, in the same order.
constexpr RecordsGenerator kAlmanacRecords[] = {
    IntroductionRecords,  CalendarRecords,      SeasonsRecords,        EasterRecords,
    LunarEclipsesRecords, SolarEclipsesRecords, PlanetViewInfoRecords, PlanetApsidesRecords,
    PlanetConjOppRecords, PlanetDataRecords,    MoonApsidesRecords,    MoonNodesRecords,
    MeteorShowersRecords, TwilightRecords,
};
static_assert(std::size(kAlmanacRecords) == std::size(kAlmanacReports),
              "the results of every report");

// What each report of the Almanac is asked for: the Almanac's months, or
// its year, with every planet.
ReportRequest EachReportRequest(const ReportRequest& request) {
    ReportRequest each;
    each.year = request.year;
    each.stopYear = request.year;
    each.startMonth = request.startMonth;
    each.stopMonth = request.stopMonth;
    each.planets = kAllBodies;
    each.insideAlmanac = true;
    return each;
}

} // namespace

Records AlmanacRecords(const ReportRequest& request, const Location& location) {
    const ReportRequest each = EachReportRequest(request);
    Records all;
    for (RecordsGenerator records : kAlmanacRecords) {
        const Records some = records(each, location);
        all.insert(all.end(), some.begin(), some.end());
    }
    return all;
}

void AlmanacReport(const ReportRequest& request, ReportBuffer& buffer, Location location) {
    const ReportRequest each = EachReportRequest(request);
    for (ReportGenerator generator : kAlmanacReports) {
        if (StopFlag) {
            return;
        }
        generator(each, buffer, location);
    }
}
