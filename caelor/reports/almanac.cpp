#include "reports/almanac.h"

#include "reports/host_hooks.h"

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

} // namespace

void AlmanacReport(const ReportRequest& request, ReportBuffer& buffer, Location location) {
    ReportRequest each;
    each.year = request.year;
    each.stopYear = request.year;
    each.startMonth = request.startMonth;
    each.stopMonth = request.stopMonth;
    each.planets = kAllBodies;
    each.insideAlmanac = true;
    for (ReportGenerator generator : kAlmanacReports) {
        if (StopFlag) {
            return;
        }
        generator(each, buffer, location);
    }
}
