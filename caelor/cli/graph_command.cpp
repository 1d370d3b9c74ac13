// caelor-cli graph: any graph of the Graphs menu as a PNG, SVG or PDF file.

#include "cli/cairo_surface.h"
#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/data_files.h"
#include "cli/options.h"

#include "engine/frames.h"
#include "engine/time.h"
#include "graphs/graphics.h"
#include "graphs/graphs.h"
#include "settings/dialog_checks.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

namespace {

// What a graph asks for, as its dialog does.
enum class GraphInputs {
    YearMonthMoons, // Jupiter Moons
    YearPlanets,    // Orbit, Magnitude, Illum. Frac., Diameter: Mercury .. Pluto
    YearDistance,   // Distance: Earth .. Pluto and from the Sun or the Earth
    MonthPlanets,   // Planet Angle: a main planet and the others
    Year,           // the Sun and Moon year graphs
    YearMonth,      // Moon Illum. Frac.
    YearRange,      // Eclipses
};

struct GraphKind {
    const char* name;
    int id;
    GraphInputs inputs;
};

constexpr GraphKind kGraphs[] = {
    {"jupiter-moons", IDM_GRAPH_JUPITER_MOONS_ORBIT, GraphInputs::YearMonthMoons},
    {"planet-orbit", IDM_GRAPH_PLANET_ORBIT, GraphInputs::YearPlanets},
    {"planet-magnitude", IDM_GRAPH_PLANET_MAGNITUDE, GraphInputs::YearPlanets},
    {"planet-illumination", IDM_GRAPH_PLANET_ILLUM_FRAC, GraphInputs::YearPlanets},
    {"planet-diameter", IDM_GRAPH_PLANET_DIAMETER, GraphInputs::YearPlanets},
    {"planet-distance", IDM_GRAPH_PLANET_DISTANCE, GraphInputs::YearDistance},
    {"planet-angle", IDM_GRAPH_PLANET_ANGLE, GraphInputs::MonthPlanets},
    {"equation-of-time", IDM_GRAPH_EQUATION_OF_TIME, GraphInputs::Year},
    {"day-length", IDM_GRAPH_DAY_LENGTH, GraphInputs::Year},
    {"sun-angle", IDM_GRAPH_SUN_ANGLE, GraphInputs::Year},
    {"analemma", IDM_GRAPH_ANALEMMA, GraphInputs::Year},
    {"sunrise", IDM_GRAPH_SUNRISE, GraphInputs::Year},
    {"moon-speed", IDM_GRAPH_MOON_ANGULAR_SPEED, GraphInputs::Year},
    {"moon-illumination", IDM_GRAPH_MOON_ILLUM_FRAC, GraphInputs::YearMonth},
    {"eclipses", IDM_GRAPH_ECLIPSES, GraphInputs::YearRange},
};

enum class FileKind { Png, Svg, Pdf };

FileKind KindOfFile(const std::string& path) {
    auto endsWith = [&](const char* suffix) {
        const size_t n = std::strlen(suffix);
        if (path.size() < n) {
            return false;
        }
        std::string tail = path.substr(path.size() - n);
        std::transform(tail.begin(), tail.end(), tail.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return tail == suffix;
    };
    if (endsWith(".png")) {
        return FileKind::Png;
    }
    if (endsWith(".svg")) {
        return FileKind::Svg;
    }
    if (endsWith(".pdf")) {
        return FileKind::Pdf;
    }
    throw UsageError{"-o: '" + path + "' does not end in .png, .svg or .pdf"};
}

void ParseSize(const std::string& text, int& width, int& height) {
    int w = 0;
    int h = 0;
    char extra = 0;
    if (std::sscanf(text.c_str(), "%dx%d%c", &w, &h, &extra) != 2 || w < 100 || h < 75 ||
        w > 10000 || h > 10000) {
        throw UsageError{"--size: '" + text + "' is not WxH with 100 <= W, 75 <= H, both <= 10000"};
    }
    width = w;
    height = h;
}

// Each {option} and {option:help} is written from the option table.
constexpr char kGraphHelp[] =
    "usage: caelor-cli graph NAME [options] {-o} [{--size}]\n"
    "NAME: jupiter-moons, planet-orbit, planet-magnitude, planet-illumination,\n"
    "planet-diameter, planet-distance, planet-angle, equation-of-time, day-length,\n"
    "sun-angle, analemma, sunrise, moon-speed, moon-illumination, eclipses.\n"
    "Options as the graph's dialog takes them: {--year}, {--month} ({--month:help}),"
    " {--years} ({--years:help}), {--bodies}\n"
    "({--bodies:help}),\n"
    "{--main-planet} ({--main-planet:help}), {--distance} ({--distance:help}),\n"
    "{--moons} and {--number-moons} ({--number-moons:help}),\n"
    "{--tick-marks} ({--tick-marks:help}).\n"
    "Location: {--lat} {--lon} {--tz} {--elev} {--name} (North and East positive)\n"
    "or {--place} [{--cities}]; default Greenwich.\n"
    "Regional: {--decimal} {--date-format} {--time-sep} {--leading-zero}\n"
    "{--time-leading-zero}. --size {--size:help}. Ctrl-C stops: the graph\n"
    "drawn so far is written and the exit code is 130.\n";

// Draws the graph onto a white page of the file's kind and writes it.
bool WriteGraph(const std::string& path, FileKind kind, int width, int height, int id,
                const GraphParams& params) {
    cairo_surface_t* target = nullptr;
    switch (kind) {
    case FileKind::Png:
        target = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
        break;
    case FileKind::Svg:
        target = cairo_svg_surface_create(path.c_str(), width, height);
        break;
    case FileKind::Pdf:
        target = cairo_pdf_surface_create(path.c_str(), width, height);
        break;
    }
    if (cairo_surface_status(target) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(target);
        return false;
    }
    const PageExtent page = IsotropicPageExtent(width, height);
    // The fixed font keeps its share of the page whatever the size, so the
    // margins measured in it lay the graph out alike.
    const double fontPixels = std::max(6.0, 15.0 * page.width / kPageWidth);
    bool written = true;
    {
        CairoSurface surface(target, width, height, fontPixels);
        surface.Prepare(kPageMapping, width, height, true);
        surface.SaveState();
        surface.SelectNullPen();
        surface.SelectSolidBrush(surface.SystemColorValue(SystemColor::Window));
        surface.PatBlt(0, 0, kPageWidth, kPageHeight, RasterOp::PatternCopy);
        surface.RestoreState();
        CliHost host;
        DrawGraph(surface, id, params);
        surface.Finish();
    }
    if (kind == FileKind::Png) {
        written = cairo_surface_write_to_png(target, path.c_str()) == CAIRO_STATUS_SUCCESS;
    } else {
        cairo_surface_finish(target);
        written = cairo_surface_status(target) == CAIRO_STATUS_SUCCESS;
    }
    cairo_surface_destroy(target);
    return written;
}

} // namespace

int GraphCommand(int argc, char** argv) {
    try {
        if (argc >= 1 && (std::strcmp(argv[0], "--help") == 0 || std::strcmp(argv[0], "-h") == 0)) {
            std::fputs(CommandHelp(kCliGraph, kGraphHelp).c_str(), stdout);
            return 0;
        }
        double today = 0;
        int thisMonth = 0;
        int thisYear = 0;
        JulianDayToCalendar(ClockJulianDay(), today, thisMonth, thisYear);

        const GraphKind* kind = nullptr;
        GraphParams p;
        p.year = thisYear;
        p.month = thisMonth;
        p.stopYear = thisYear;
        std::string bodies, moons, output;
        int width = 1000;
        int height = 750;
        bool haveBodies = false, haveMoons = false;
        bool tickMarks = false;
        std::string mainPlanet = "mars";
        std::string distance = "sun";
        std::string numberMoons = "1";
        std::vector<std::string> used; // options given, to refuse those the graph does not take
        LocationOptions location;
        RegionalOptions regional;
        const auto take = [&](const CliOption& option, const std::string& value) {
            if (location.Take(option, value) || regional.Take(option, value)) {
                return;
            }
            switch (option.id) {
            case OptionId::Year:
                p.year = ParseYear(option.name, value);
                break;
            case OptionId::Month:
                p.month = ParseYear(option.name, value);
                break;
            case OptionId::Years:
                ParseRange(option.name, value, p.year, p.stopYear);
                break;
            case OptionId::Bodies:
                bodies = value;
                haveBodies = true;
                break;
            case OptionId::Moons:
                moons = value;
                haveMoons = true;
                break;
            case OptionId::NumberMoons:
                numberMoons = value;
                break;
            case OptionId::MainPlanet:
                mainPlanet = value;
                break;
            case OptionId::Distance:
                distance = value;
                break;
            case OptionId::TickMarks:
                tickMarks = true;
                break;
            case OptionId::Output:
                output = value;
                return;
            case OptionId::Size:
                ParseSize(value, width, height);
                return;
            default:
                break;
            }
            used.push_back(option.name);
        };
        const auto positional = [&](const std::string& arg) {
            if (kind != nullptr) {
                throw UsageError{arg + ": unexpected argument"};
            }
            kind = &FindNamedRow(kGraphs, arg, "graph");
        };
        ParseCommandLine(kCliGraph, argc, argv, take, positional);
        if (kind == nullptr) {
            throw UsageError{"NAME: missing (see caelor-cli graph --help)"};
        }
        if (output.empty()) {
            throw UsageError{"-o: missing (FILE.png, FILE.svg or FILE.pdf)"};
        }
        const FileKind fileKind = KindOfFile(output);
        const GraphInputs in = kind->inputs;
        // Options each kind of graph takes besides the location.
        std::string takes = " --tick-marks ";
        switch (in) {
        case GraphInputs::YearMonthMoons:
            takes += " --year  --month  --moons  --number-moons ";
            break;
        case GraphInputs::YearPlanets:
            takes += " --year  --bodies ";
            break;
        case GraphInputs::YearDistance:
            takes += " --year  --bodies  --distance ";
            break;
        case GraphInputs::MonthPlanets:
            takes += " --year  --month  --bodies  --main-planet ";
            break;
        case GraphInputs::Year:
            takes += " --year ";
            break;
        case GraphInputs::YearMonth:
            takes += " --year  --month ";
            break;
        case GraphInputs::YearRange:
            takes += " --years ";
            break;
        }
        for (const std::string& option : used) {
            if (takes.find(" " + option + " ") == std::string::npos) {
                throw UsageError{option + ": the " + std::string(kind->name) +
                                 " graph does not take it"};
            }
        }
        if (in == GraphInputs::YearRange) {
            CheckOption("--years", CheckYearRange(p.year, p.stopYear));
        } else {
            CheckOption("--year", CheckYear(p.year));
            p.stopYear = p.year;
        }
        if (in == GraphInputs::YearMonthMoons || in == GraphInputs::MonthPlanets ||
            in == GraphInputs::YearMonth) {
            CheckOption("--month", CheckMonth(p.month));
        }
        if (in == GraphInputs::YearMonthMoons) {
            p.moonSet = haveMoons ? ParseNameList("--moons", moons, kCliMoonNames, 0, 3) : 0xF;
            if (numberMoons != "0" && numberMoons != "1") {
                throw UsageError{"--number-moons: '" + numberMoons + "' is not 0 or 1"};
            }
            p.numberMoons = numberMoons == "1";
        }
        const int firstBody = in == GraphInputs::YearDistance ? kEarth : kMercury;
        if (in == GraphInputs::YearPlanets || in == GraphInputs::YearDistance ||
            in == GraphInputs::MonthPlanets) {
            if (haveBodies) {
                p.bodySet = ParseBodies(bodies, firstBody, kPluto);
            } else {
                for (int body = firstBody; body <= kPluto; ++body) {
                    SetAdd(body, p.bodySet);
                }
            }
            CheckOption("--bodies", CheckPlanetChosen(p.bodySet, firstBody, kPluto));
        }
        if (in == GraphInputs::YearDistance) {
            if (distance != "sun" && distance != "earth") {
                throw UsageError{"--distance: '" + distance + "' is not sun or earth"};
            }
            p.distanceFromSun = distance == "sun" ? 1 : 0;
        }
        if (in == GraphInputs::MonthPlanets) {
            const BitSet main =
                ParseNameList("--main-planet", mainPlanet, kCliBodyNames, kMercury, kPluto);
            for (int body = kMercury; body <= kPluto; ++body) {
                if (SetTest(body, main)) {
                    p.mainPlanet = body;
                }
            }
            if (mainPlanet.find(',') != std::string::npos) {
                throw UsageError{"--main-planet: one planet only"};
            }
        }
        p.location = location.Resolve(DataDirectory("CITIES.DAT"));
        const RegionalScope regionalScope(regional);
        SetTickMarks(tickMarks);
        const bool written = WriteGraph(output, fileKind, width, height, kind->id, p);
        if (!written) {
            std::fprintf(stderr, "caelor-cli graph: cannot write '%s'\n", output.c_str());
            return 1;
        }
        return CliHost::Interrupted() ? 130 : 0;
    } catch (const UsageError& error) {
        std::fprintf(stderr, "caelor-cli graph: %s\n", error.message.c_str());
        return 2;
    }
}
