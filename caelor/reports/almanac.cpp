#include "reports/almanac.h"

#include "reports/host_hooks.h"
#include "reports/reports.h"

void AlmanacReport(int year, int startMonth, int stopMonth, Location location,
                   ReportBuffer& buffer) {
    const BitSet planets = kAllBodies;
    const int stopYear = year;
    for (int index = kReportIntroduction; index <= kReportTwilight; ++index) {
        if (StopFlag) {
            return;
        }
        switch (index) {
        case kReportIntroduction:
            IntroductionReport(buffer, index, true);
            break;
        case kReportCalendar:
            CalendarReport(year, startMonth, stopMonth, location, buffer, index, true);
            break;
        case kReportSeasons:
            SeasonsReport(year, stopYear, location, buffer, index, true);
            break;
        case kReportEaster:
            EasterReport(year, stopYear, buffer, index, true);
            break;
        case kReportLunarEclipses:
            EclipseReport(location, true, year, stopYear, buffer, index, true);
            break;
        case kReportSolarEclipses:
            EclipseReport(location, false, year, stopYear, buffer, index, true);
            break;
        case kReportPlanetViewInfo:
            PlanetViewInfoReport(year, startMonth, stopMonth, location, planets, buffer, index,
                                 true);
            break;
        case kReportPlanetApsides:
            PlanetApsidesReport(year, stopYear, location, planets, buffer, index, true);
            break;
        case kReportPlanetConjOpp:
            PlanetConjOppReport(year, startMonth, stopMonth, location, planets, buffer, index,
                                true);
            break;
        case kReportPlanetData:
            PlanetDataReport(buffer, index, true);
            break;
        case kReportMoonApsides:
            MoonApsidesReport(location, year, startMonth, stopMonth, buffer, index, true);
            break;
        case kReportMoonNodes:
            MoonNodesReport(location, year, startMonth, stopMonth, buffer, index, true);
            break;
        case kReportMeteorShowers:
            MeteorShowersReport(location, year, startMonth, stopMonth, buffer, index, true);
            break;
        case kReportTwilight:
            TwilightReport(location, year, startMonth, stopMonth, buffer, index, true);
            break;
        default:
            break;
        }
    }
}
