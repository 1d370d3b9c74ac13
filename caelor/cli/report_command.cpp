// caelor-cli report: any text report, or the whole Almanac, on stdout.

#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/data_files.h"
#include "cli/options.h"

#include "engine/frames.h"
#include "engine/time.h"
#include "reports/almanac.h"
#include "reports/report_buffer.h"
#include "reports/reports.h"
#include "settings/bit_set.h"
#include "settings/dialog_checks.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// What a report asks for, as its dialog does.
enum class Inputs {
    None,          // Introduction, Planet Data
    YearRange,     // Seasons, Easter, eclipses
    YearMonths,    // Calendar, Moon reports, meteor showers, twilight, Almanac
    PlanetsMonths, // Planet View Info, Planet Conj/Opp: Mercury .. Pluto
    PlanetsYears,  // Planet Apsides: Earth .. Saturn
};

struct ReportKind {
    const char* name;
    int index; // 0 for the Almanac
    Inputs inputs;
};

constexpr ReportKind kReports[] = {
    {"introduction", kReportIntroduction, Inputs::None},
    {"calendar", kReportCalendar, Inputs::YearMonths},
    {"seasons", kReportSeasons, Inputs::YearRange},
    {"easter", kReportEaster, Inputs::YearRange},
    {"lunar-eclipses", kReportLunarEclipses, Inputs::YearRange},
    {"solar-eclipses", kReportSolarEclipses, Inputs::YearRange},
    {"planet-view", kReportPlanetViewInfo, Inputs::PlanetsMonths},
    {"planet-apsides", kReportPlanetApsides, Inputs::PlanetsYears},
    {"planet-conjunctions", kReportPlanetConjOpp, Inputs::PlanetsMonths},
    {"planet-data", kReportPlanetData, Inputs::None},
    {"moon-apsides", kReportMoonApsides, Inputs::YearMonths},
    {"moon-nodes", kReportMoonNodes, Inputs::YearMonths},
    {"meteor-showers", kReportMeteorShowers, Inputs::YearMonths},
    {"twilight", kReportTwilight, Inputs::YearMonths},
    {"almanac", 0, Inputs::YearMonths},
};

const ReportKind& FindReport(const std::string& name) {
    for (const ReportKind& kind : kReports) {
        if (name == kind.name) {
            return kind;
        }
    }
    std::string names;
    for (const ReportKind& kind : kReports) {
        names += names.empty() ? "" : ", ";
        names += kind.name;
    }
    throw UsageError{"NAME: '" + name + "' is not a report (" + names + ")"};
}

void Check(const std::string& option, const char* message) {
    if (message != nullptr) {
        throw UsageError{option + ": " + message};
    }
}

void PrintUsage(FILE* out) {
    std::fprintf(out,
                 "usage: caelor-cli report NAME [--year Y] [--months A-B] [--years A-B]\n"
                 "           [--bodies mercury,venus,...] [location options] [regional options]\n"
                 "NAME: introduction, calendar, seasons, easter, lunar-eclipses, solar-eclipses,\n"
                 "planet-view, planet-apsides, planet-conjunctions, planet-data, moon-apsides,\n"
                 "moon-nodes, meteor-showers, twilight, almanac.\n"
                 "Location: --lat D --lon D --tz H --elev M --name TEXT (North and East\n"
                 "positive) or --place NAME [--cities FILE]; default Greenwich.\n"
                 "Regional: --decimal C --date-format PATTERN --time-sep C --leading-zero 0|1\n"
                 "--time-leading-zero 0|1. The report's lines go to stdout; a page break is a\n"
                 "form feed alone on its line. Ctrl-C stops: the lines so far are printed and\n"
                 "the exit code is 130.\n");
}

void PrintBuffer(const ReportBuffer& buffer) {
    for (int i = 0; i < buffer.lineCount; ++i) {
        std::fputs(buffer.Line(i), stdout);
        std::fputc('\n', stdout);
    }
    std::fflush(stdout);
}

} // namespace

int ReportCommand(int argc, char** argv) {
    try {
        if (argc >= 1 && (std::strcmp(argv[0], "--help") == 0 || std::strcmp(argv[0], "-h") == 0)) {
            PrintUsage(stdout);
            return 0;
        }
        double day = 0;
        int month = 0;
        int thisYear = 0;
        JulianDayToCalendar(ClockJulianDay(), day, month, thisYear);

        const ReportKind* kind = nullptr;
        int year = thisYear;
        int startMonth = 1;
        int stopMonth = 12;
        int startYear = thisYear;
        int stopYear = thisYear;
        std::string bodies;
        bool haveYear = false, haveMonths = false, haveYears = false, haveBodies = false;
        LocationOptions location;
        RegionalOptions regional;
        for (int i = 0; i < argc; ++i) {
            const std::string arg = argv[i];
            if (arg == "--year") {
                year = ParseYear(arg, OptionValue(argc, argv, i));
                haveYear = true;
            } else if (arg == "--months") {
                ParseRange(arg, OptionValue(argc, argv, i), startMonth, stopMonth);
                haveMonths = true;
            } else if (arg == "--years") {
                ParseRange(arg, OptionValue(argc, argv, i), startYear, stopYear);
                haveYears = true;
            } else if (arg == "--bodies") {
                bodies = OptionValue(argc, argv, i);
                haveBodies = true;
            } else if (location.Take(argc, argv, i) || regional.Take(argc, argv, i)) {
                continue;
            } else if (arg.size() > 1 && arg[0] == '-') {
                throw UsageError{arg + ": unknown option"};
            } else if (kind == nullptr) {
                kind = &FindReport(arg);
            } else {
                throw UsageError{arg + ": unexpected argument"};
            }
        }
        if (kind == nullptr) {
            throw UsageError{"NAME: missing (see caelor-cli report --help)"};
        }
        const Inputs inputs = kind->inputs;
        const bool monthly = inputs == Inputs::YearMonths || inputs == Inputs::PlanetsMonths;
        const bool yearly = inputs == Inputs::YearRange || inputs == Inputs::PlanetsYears;
        const bool planets = inputs == Inputs::PlanetsMonths || inputs == Inputs::PlanetsYears;
        const std::string name = kind->name;
        if ((haveYear || haveMonths) && !monthly) {
            throw UsageError{std::string(haveYear ? "--year" : "--months") + ": the " + name +
                             " report takes " + (yearly ? "--years" : "no dates")};
        }
        if (haveYears && !yearly) {
            throw UsageError{"--years: the " + name + " report takes " +
                             (monthly ? "--year and --months" : "no dates")};
        }
        if (haveBodies && !planets) {
            throw UsageError{"--bodies: the " + name + " report takes no bodies"};
        }
        if (monthly) {
            Check("--year", CheckYear(year));
            Check("--months", CheckMonthRange(startMonth, stopMonth));
        }
        if (yearly) {
            Check("--years", CheckYearRange(startYear, stopYear));
        }
        // Planet View Info and Conj/Opp offer Mercury .. Pluto; Planet
        // Apsides Earth .. Saturn.
        const int firstBody = inputs == Inputs::PlanetsYears ? kEarth : kMercury;
        const int lastBody = inputs == Inputs::PlanetsYears ? kSaturn : kPluto;
        BitSet chosen = 0;
        if (planets) {
            if (haveBodies) {
                chosen = ParseBodies(bodies, firstBody, lastBody);
            } else {
                for (int body = firstBody; body <= lastBody; ++body) {
                    SetAdd(body, chosen);
                }
            }
            Check("--bodies", CheckPlanetChosen(chosen, firstBody, lastBody));
        }
        const Location place = location.Resolve(DataDirectory("CITIES.DAT"));
        SetLocaleSource(&regional);

        ReportBuffer buffer;
        {
            CliHost host;
            const int index = kind->index;
            switch (index) {
            case 0:
                AlmanacReport(year, startMonth, stopMonth, place, buffer);
                break;
            case kReportIntroduction:
                IntroductionReport(buffer, index, false);
                break;
            case kReportCalendar:
                CalendarReport(year, startMonth, stopMonth, place, buffer, index, false);
                break;
            case kReportSeasons:
                SeasonsReport(startYear, stopYear, place, buffer, index, false);
                break;
            case kReportEaster:
                EasterReport(startYear, stopYear, buffer, index, false);
                break;
            case kReportLunarEclipses:
            case kReportSolarEclipses:
                EclipseReport(place, index == kReportLunarEclipses, startYear, stopYear, buffer,
                              index, false);
                break;
            case kReportPlanetViewInfo:
                PlanetViewInfoReport(year, startMonth, stopMonth, place, chosen, buffer, index,
                                     false);
                break;
            case kReportPlanetApsides:
                PlanetApsidesReport(startYear, stopYear, place, chosen, buffer, index, false);
                break;
            case kReportPlanetConjOpp:
                PlanetConjOppReport(year, startMonth, stopMonth, place, chosen, buffer, index,
                                    false);
                break;
            case kReportPlanetData:
                PlanetDataReport(buffer, index, false);
                break;
            case kReportMoonApsides:
                MoonApsidesReport(place, year, startMonth, stopMonth, buffer, index, false);
                break;
            case kReportMoonNodes:
                MoonNodesReport(place, year, startMonth, stopMonth, buffer, index, false);
                break;
            case kReportMeteorShowers:
                MeteorShowersReport(place, year, startMonth, stopMonth, buffer, index, false);
                break;
            case kReportTwilight:
                TwilightReport(place, year, startMonth, stopMonth, buffer, index, false);
                break;
            default:
                break;
            }
        }
        SetLocaleSource(nullptr);
        PrintBuffer(buffer);
        return CliHost::Interrupted() ? 130 : 0;
    } catch (const UsageError& error) {
        std::fprintf(stderr, "caelor-cli report: %s\n", error.message.c_str());
        return 2;
    }
}
