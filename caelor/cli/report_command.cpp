// caelor-cli report: any text report, or the whole Almanac, on stdout.

#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/data_files.h"
#include "cli/data_formats.h"
#include "cli/options.h"
#include "version.h"

#include "engine/frames.h"
#include "engine/time.h"
#include "reports/almanac.h"
#include "reports/calendar.h"
#include "reports/eclipses.h"
#include "reports/moon_reports.h"
#include "reports/planet_reports.h"
#include "reports/sky_events.h"
#include "reports/records.h"
#include "reports/report_buffer.h"
#include "reports/reports.h"
#include "settings/bit_set.h"
#include "settings/commands.h"
#include "settings/dialog_checks.h"

#include <cstdio>
#include <ctime>
#include <sstream>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

namespace {

// What a report asks for, as its dialog does.
enum class Inputs {
    None,          // Introduction, Planet Data
    YearRange,     // Seasons, Easter, the eclipse reports
    YearMonths,    // Calendar, Moon reports, meteor showers, twilight, Almanac
    PlanetsMonths, // Planet View Info, Planet Conj/Opp: Mercury .. Pluto
    PlanetsYears,  // Planet Apsides: Earth .. Saturn
};

struct ReportKind {
    const char* name;
    int command; // its row of the command table holds the generator
    Inputs inputs;
    RecordsGenerator records; // its results as data
    bool events;              // whether it lists events (iCalendar takes only those)
};

constexpr ReportKind kReports[] = {
    {"introduction", IDM_REPORT_INTRODUCTION, Inputs::None, IntroductionRecords, false},
    {"calendar", IDM_REPORT_CALENDAR, Inputs::YearMonths, CalendarRecords, true},
    {"seasons", IDM_REPORT_SEASONS, Inputs::YearRange, SeasonsRecords, true},
    {"easter", IDM_REPORT_DATES_OF_EASTER, Inputs::YearRange, EasterRecords, true},
    {"lunar-eclipses", IDM_REPORT_LUNAR_ECLIPSES, Inputs::YearRange, LunarEclipsesRecords, true},
    {"solar-eclipses", IDM_REPORT_SOLAR_ECLIPSES, Inputs::YearRange, SolarEclipsesRecords, true},
    {"local-eclipses", IDM_REPORT_LOCAL_ECLIPSES, Inputs::YearRange, LocalEclipsesRecords, true},
    {"planet-view", IDM_REPORT_PLANET_VIEW_INFO, Inputs::PlanetsMonths, PlanetViewInfoRecords, false},
    {"planet-apsides", IDM_REPORT_PLANET_APSIDES, Inputs::PlanetsYears, PlanetApsidesRecords, true},
    {"planet-conjunctions", IDM_REPORT_PLANET_CONJ_OPP, Inputs::PlanetsMonths, PlanetConjOppRecords, true},
    {"planet-data", IDM_REPORT_PLANET_DATA, Inputs::None, PlanetDataRecords, false},
    {"moon-apsides", IDM_REPORT_MOON_APSIDES, Inputs::YearMonths, MoonApsidesRecords, true},
    {"moon-nodes", IDM_REPORT_MOON_NODES, Inputs::YearMonths, MoonNodesRecords, true},
    {"meteor-showers", IDM_REPORT_METEOR_SHOWERS, Inputs::YearMonths, MeteorShowersRecords, true},
    {"twilight", IDM_REPORT_TWILIGHT, Inputs::YearMonths, TwilightRecords, false},
    {"almanac", IDM_REPORT_ALMANAC, Inputs::YearMonths, AlmanacRecords, true},
};

// Each {option} is written from the option table.
constexpr char kReportHelp[] =
    "usage: caelor-cli report NAME [{--year}] [{--months}] [{--years}]\n"
    "           [{--bodies}] [{--format}]\n"
    "           [location options] [regional options]\n"
    "NAME: introduction, calendar, seasons, easter, lunar-eclipses, solar-eclipses,\n"
    "local-eclipses, planet-view, planet-apsides, planet-conjunctions, planet-data,\n"
    "moon-apsides, moon-nodes, meteor-showers, twilight, almanac.\n"
    "Location: {--lat} {--lon} {--tz} {--elev} {--name} (North and East\n"
    "positive) or {--place} [{--cities}]; default Greenwich.\n"
    "Regional: {--decimal} {--date-format} {--time-sep} {--leading-zero}\n"
    "{--time-leading-zero}. The report's lines go to stdout; a page break is a\n"
    "form feed alone on its line. Ctrl-C stops: the lines so far are printed and\n"
    "the exit code is 130.\n"
    "Data: {--format} (text by default); csv, json and ics write the\n"
    "report's results as data (UTF-8, times in UT and in local standard time,\n"
    "numbers with a dot, whatever the regional options); ics takes the reports of\n"
    "events, not planet-view, planet-data, twilight or introduction.\n";

enum class DataFormat { Text, Csv, Json, Ics };

DataFormat ParseFormat(const std::string& option, const std::string& value) {
    static const std::pair<const char*, DataFormat> kFormats[] = {
        {"text", DataFormat::Text},
        {"csv", DataFormat::Csv},
        {"json", DataFormat::Json},
        {"ics", DataFormat::Ics},
    };
    for (const auto& [formatName, format] : kFormats) {
        if (value == formatName) {
            return format;
        }
    }
    throw UsageError{option + ": '" + value + "' is not text, csv, json or ics"};
}

// "20261207T193000Z": now, for the calendar's DTSTAMP.
std::string NowUtcStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &utc);
    return text;
}

// The report's results as data on stdout. The regional settings are left
// as they are: data is written the same whatever they say.
int WriteReportData(const ReportKind& kind, DataFormat format, const ReportRequest& request,
                    const Location& place, const DataRequest& asked) {
    if (format == DataFormat::Ics && !kind.events) {
        throw UsageError{"--format: the " + asked.report +
                         " report is a table without events; iCalendar takes only events (use "
                         "csv or json)"};
    }
    const Records records = kind.records(request, place);
    std::ostringstream out;
    if (format == DataFormat::Csv) {
        WriteCsv(records, place, out);
    } else if (format == DataFormat::Json) {
        WriteJson(records, place, asked, CAELOR_VERSION_TEXT, out);
    } else {
        WriteIcs(records, place, asked, CAELOR_VERSION_TEXT, NowUtcStamp(), out);
    }
    std::fputs(out.str().c_str(), stdout);
    std::fflush(stdout);
    return 0;
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
            std::fputs(CommandHelp(kCliReport, kReportHelp).c_str(), stdout);
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
        DataFormat format = DataFormat::Text;
        LocationOptions location;
        RegionalOptions regional;
        const auto take = [&](const CliOption& option, const std::string& value) {
            if (location.Take(option, value) || regional.Take(option, value)) {
                return;
            }
            switch (option.id) {
            case OptionId::Year:
                year = ParseYear(option.name, value);
                haveYear = true;
                break;
            case OptionId::Months:
                ParseRange(option.name, value, startMonth, stopMonth);
                haveMonths = true;
                break;
            case OptionId::Years:
                ParseRange(option.name, value, startYear, stopYear);
                haveYears = true;
                break;
            case OptionId::Bodies:
                bodies = value;
                haveBodies = true;
                break;
            case OptionId::Format:
                format = ParseFormat(option.name, value);
                break;
            default:
                break;
            }
        };
        const auto positional = [&](const std::string& arg) {
            if (kind != nullptr) {
                throw UsageError{arg + ": unexpected argument"};
            }
            kind = &FindNamedRow(kReports, arg, "report");
        };
        ParseCommandLine(kCliReport, argc, argv, take, positional);
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
            CheckOption("--year", CheckYear(year));
            CheckOption("--months", CheckMonthRange(startMonth, stopMonth));
        }
        if (yearly) {
            CheckOption("--years", CheckYearRange(startYear, stopYear));
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
            CheckOption("--bodies", CheckPlanetChosen(chosen, firstBody, lastBody));
        }
        const Location place = location.Resolve(DataDirectory("CITIES.DAT"));

        ReportRequest request;
        request.year = monthly ? year : startYear;
        request.stopYear = stopYear;
        request.startMonth = startMonth;
        request.stopMonth = stopMonth;
        request.planets = chosen;
        if (format != DataFormat::Text) {
            DataRequest asked;
            asked.report = name;
            asked.dates = monthly  ? DataRequest::Dates::Months
                          : yearly ? DataRequest::Dates::Years
                                   : DataRequest::Dates::None;
            asked.firstYear = startYear;
            asked.lastYear = stopYear;
            asked.year = year;
            asked.firstMonth = startMonth;
            asked.lastMonth = stopMonth;
            for (int body = firstBody; planets && body <= lastBody; ++body) {
                if (SetTest(body, chosen)) {
                    asked.bodies.push_back(kCliBodyNames[body]);
                }
            }
            return WriteReportData(*kind, format, request, place, asked);
        }
        ReportBuffer buffer;
        {
            const RegionalScope regionalScope(regional);
            CliHost host;
            FindCommand(kind->command)->generator(request, buffer, place);
        }
        PrintBuffer(buffer);
        return CliHost::Interrupted() ? 130 : 0;
    } catch (const UsageError& error) {
        std::fprintf(stderr, "caelor-cli report: %s\n", error.message.c_str());
        return 2;
    }
}
