// Every option of caelor-cli report, graph, movie and ephemeris in one table:
// each command's parser reads it, and each command's --help takes the
// options' forms and help lines from it.
#pragma once

#include <functional>
#include <string>

// The commands that read the table, as bits of CliOption::commands.
enum CliCommand : unsigned {
    kCliReport = 1u << 0,
    kCliGraph = 1u << 1,
    kCliMovie = 1u << 2,
    kCliEphemeris = 1u << 3,
};

enum OptionGroup {
    kOwnOption,      // the command's own
    kLocationOption, // the observing place, read by LocationOptions
    kRegionalOption, // the regional settings, read by RegionalOptions
};

// What an option sets; rows of different commands may set the same.
enum class OptionId {
    // clang-format off
    Lat, Lon, Tz, Elev, Name, Place, Cities,
    Decimal, DateFormat, TimeSep, LeadingZero, TimeLeadingZero,
    Year, Month, Months, Years, Bodies, Moons, NumberMoons, MainPlanet, Distance, TickMarks,
    Output, Size, Start, Speed, ViewAngle, Track, Star, Turbo, Labels, JetTrails, Step, Binary,
    Frames, Stars, From, To, Time, Format,
    // clang-format on
};

struct CliOption {
    unsigned commands; // CliCommand bits of the commands that take it
    OptionGroup group;
    OptionId id;
    const char* name;     // as typed: "--speed"
    const char* argument; // its value as --help shows it ("N"); nullptr for a switch
    // What --help says of it: "{range}" stands for lo .. hi, and a line
    // break is where --help breaks the line. "" when --help shows only the
    // form; nullptr when --help leaves the option out (a second name).
    const char* help;
    // The range its value, one number, must lie in; lo == hi when the value
    // is something else (its command checks it).
    double lo = 0, hi = 0;
};

constexpr unsigned kCliAll = kCliReport | kCliGraph | kCliMovie | kCliEphemeris;
constexpr unsigned kCliRegional = kCliReport | kCliGraph | kCliMovie;

// A command's rows are in the order its --help lists them; a name has a row
// for each command that means something else by it.
inline constexpr CliOption kCliOptions[] = {
    // {commands, group, id, name, argument, help, lo, hi}
    {kCliAll, kLocationOption, OptionId::Lat, "--lat", "D", "", -90, 90},
    {kCliAll, kLocationOption, OptionId::Lon, "--lon", "D", "", -180, 180},
    {kCliAll, kLocationOption, OptionId::Tz, "--tz", "H", "", -12, 12},
    {kCliAll, kLocationOption, OptionId::Elev, "--elev", "M", "", -400, 8900},
    {kCliAll, kLocationOption, OptionId::Name, "--name", "TEXT", ""},
    {kCliAll, kLocationOption, OptionId::Place, "--place", "NAME", ""},
    {kCliAll, kLocationOption, OptionId::Cities, "--cities", "FILE", ""},
    {kCliRegional, kRegionalOption, OptionId::Decimal, "--decimal", "C", ""},
    {kCliRegional, kRegionalOption, OptionId::DateFormat, "--date-format", "PATTERN", ""},
    {kCliRegional, kRegionalOption, OptionId::TimeSep, "--time-sep", "C", ""},
    {kCliRegional, kRegionalOption, OptionId::LeadingZero, "--leading-zero", "0|1", ""},
    {kCliRegional, kRegionalOption, OptionId::TimeLeadingZero, "--time-leading-zero", "0|1", ""},

    {kCliReport | kCliGraph, kOwnOption, OptionId::Year, "--year", "Y", ""},
    {kCliReport, kOwnOption, OptionId::Months, "--months", "A-B", ""},
    {kCliReport, kOwnOption, OptionId::Years, "--years", "A-B", ""},
    {kCliReport, kOwnOption, OptionId::Bodies, "--bodies", "mercury,venus,...", ""},
    {kCliReport, kOwnOption, OptionId::Format, "--format", "text|csv|json|ics",
     "the report as text (the default) or its results as data"},

    {kCliGraph, kOwnOption, OptionId::Month, "--month", "M",
     "jupiter-moons,\nplanet-angle, moon-illumination"},
    {kCliGraph, kOwnOption, OptionId::Years, "--years", "A-B", "eclipses"},
    {kCliGraph, kOwnOption, OptionId::Bodies, "--bodies", "mercury,venus,...",
     "planet graphs; planet-distance also earth; planet-angle: the other planets"},
    {kCliGraph, kOwnOption, OptionId::MainPlanet, "--main-planet", "NAME", "planet-angle"},
    {kCliGraph, kOwnOption, OptionId::Distance, "--distance", "sun|earth", "planet-distance"},
    {kCliGraph, kOwnOption, OptionId::Moons, "--moons", "io,europa,ganymede,callisto",
     "jupiter-moons"},
    {kCliGraph, kOwnOption, OptionId::NumberMoons, "--number-moons", "0|1", "jupiter-moons"},
    {kCliGraph, kOwnOption, OptionId::TickMarks, "--tick-marks", nullptr,
     "ticks at the plot's edges instead of grid lines"},
    {kCliGraph, kOwnOption, OptionId::Output, "-o", "FILE.png|svg|pdf", ""},
    {kCliGraph, kOwnOption, OptionId::Size, "--size", "WxH", "defaults to 1000x750"},

    {kCliMovie, kOwnOption, OptionId::Start, "--start", "YYYY-MM-DDTHH:MM",
     "local standard time of the first frame (now)"},
    {kCliMovie, kOwnOption, OptionId::Speed, "--speed", "N", "time speed {range}", -64, 64},
    {kCliMovie, kOwnOption, OptionId::ViewAngle, "--view-angle", "N", "{range} degrees", 5, 90},
    {kCliMovie, kOwnOption, OptionId::Bodies, "--bodies", "LIST",
     "planetarium: sun-moon,planets,stars or bodies;\necliptic: earth,mercury .. pluto or all"},
    {kCliMovie, kOwnOption, OptionId::Moons, "--moons", "LIST",
     "io,europa,ganymede,callisto (or 1 .. 4)"},
    {kCliMovie, kOwnOption, OptionId::Track, "--track", "BODY|star",
     "planetarium: follow a body or the --star"},
    {kCliMovie, kOwnOption, OptionId::Star, "--star", "NAME",
     "a named catalogue star (Sirius, CMa/Sirius)"},
    {kCliMovie, kOwnOption, OptionId::Turbo, "--turbo", nullptr, "planetarium: 1000 times faster"},
    {kCliMovie, kOwnOption, OptionId::Labels, "--labels", "0|1", "label planets or moons", 0, 1},
    {kCliMovie, kOwnOption, OptionId::JetTrails, "--jet-trails", nullptr, "leave trails"},
    {kCliMovie, kOwnOption, OptionId::Step, "--step", "real|hour|day|week|month", "Day/Night step"},
    {kCliMovie, kOwnOption, OptionId::Binary, "--binary", "NAME",
     "binary star (Sirius, Castor, ... or 0 .. 9)"},
    {kCliMovie, kOwnOption, OptionId::Size, "--size", "WxH", "picture size in pixels (800x600)"},
    {kCliMovie, kOwnOption, OptionId::Stars, "--stars", "FILE",
     "star catalogue (STARS.DAT beside the program)"},
    {kCliMovie, kOwnOption, OptionId::Frames, "--frames", "N", "number of frames ({range})", 1,
     100000},
    {kCliMovie, kOwnOption, OptionId::Output, "-o", "DIR", "writes DIR/frame-0001.png ..."},
    {kCliMovie, kOwnOption, OptionId::Output, "-o", "FILE.gif",
     "an animated GIF (needs ImageMagick's convert)"},
    {kCliMovie, kOwnOption, OptionId::Output, "--output", "DIR", nullptr},

    {kCliEphemeris, kOwnOption, OptionId::From, "--from", "YYYY-MM-DD", ""},
    {kCliEphemeris, kOwnOption, OptionId::To, "--to", "YYYY-MM-DD", ""},
    {kCliEphemeris, kOwnOption, OptionId::Step, "--step", "DAYS", "", 1.0 / 1440, 36500},
    {kCliEphemeris, kOwnOption, OptionId::Time, "--time", "HH:MM", ""},
};

// Reads a command's arguments in the order given: an option of the table
// that the command takes goes to take with its value (the next argument,
// whatever it looks like); any other argument that does not start with '-'
// (nor, when numbersAreArguments, with '-' and a digit) goes to positional.
// Throws UsageError for an option the command does not take and for a
// missing value.
void ParseCommandLine(unsigned command, int argc, char** argv,
                      const std::function<void(const CliOption&, const std::string&)>& take,
                      const std::function<void(const std::string&)>& positional,
                      bool numbersAreArguments = false);

// The value of a numeric option, refused outside the option's range.
double NumberValue(const CliOption& option, const std::string& text);
int WholeValue(const CliOption& option, const std::string& text);

// "--speed N", or the name alone for a switch.
std::string OptionForm(const CliOption& option);
// The help line with its range written in.
std::string OptionHelp(const CliOption& option);

// A command's --help from its layout: "{--year}" stands for the form of the
// command's --year, "{--year:help}" for its help, "{options}" for its own
// options listed one to a line with their help, "{location}" and
// "{regional}" for the names of those groups.
std::string CommandHelp(unsigned command, const char* layout);
