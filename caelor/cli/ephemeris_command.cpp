// caelor-cli ephemeris: a table of one body's place, one row per instant.

#include "cli/commands.h"
#include "cli/data_files.h"
#include "cli/options.h"

#include "engine/angles.h"
#include "engine/frames.h"
#include "engine/moon.h"
#include "engine/planets.h"
#include "engine/riseset.h"
#include "engine/sun.h"
#include "engine/time.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int kMaxRows = 1000000;

int ParseBody(const std::string& text) {
    std::string lower = text;
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    for (int body = kSun; body <= kPluto; ++body) {
        if (body != kEarth && lower == kCliBodyNames[body]) {
            return body;
        }
    }
    throw UsageError{"BODY: '" + text + "' is not one of sun, moon, mercury .. pluto"};
}

// The values of one row; NAN marks a column that does not apply.
struct Row {
    double ra = NAN, dec = NAN, distance = NAN, fraction = NAN, elongation = NAN, magnitude = NAN,
           diameter = NAN, altitude = NAN, azimuth = NAN, rise = NAN, set = NAN;
};

Row ComputeRow(int body, const CalendarTime& ut, const Location& loc) {
    Row row;
    double alpha = 0;
    double delta = 0;
    if (body == kSun) {
        const SunPlace sun = SunPosition(ut, true);
        alpha = sun.alpha;
        delta = sun.delta;
        row.distance = sun.R;
        row.diameter = 2 * sun.semidiameter * 3600;
    } else if (body == kMoon) {
        const MoonPlace moon = MoonPosition(ut);
        alpha = moon.alpha;
        delta = moon.delta;
        const double sLambda = SunPosition(ut, true).lambda;
        row.distance = 6378.14 / SinDeg(moon.parallax);
        row.fraction = moon.k;
        row.elongation = AcosDeg(CosDeg(moon.lambda - sLambda) * CosDeg(moon.beta));
        row.diameter = 2 * moon.semidiameter * 3600;
        // Altitude as seen from the observer's place, a degree off the
        // geocentric one for the Moon.
        double topoAlpha = alpha;
        double topoDelta = SignedLatitude(delta);
        Topocentric(loc, true, 0.0, moon.parallax, ut, topoAlpha, topoDelta);
        EquatorialToHorizontal(ut, topoAlpha, topoDelta, loc, row.azimuth, row.altitude);
    } else {
        const PlanetPlace planet = PlanetPosition(body, ut, true);
        alpha = planet.alpha;
        delta = planet.delta;
        row.distance = planet.distance;
        row.fraction = planet.k;
        row.elongation = planet.elongation;
        row.magnitude = PlanetMagnitude(body, ut);
        row.diameter = PlanetDiameter(body, ut);
    }
    row.ra = alpha;
    row.dec = SignedLatitude(delta);
    if (body != kMoon) {
        EquatorialToHorizontal(ut, alpha, delta, loc, row.azimuth, row.altitude);
    }
    return row;
}

void PrintValue(double value, const char* format) {
    std::putchar(',');
    if (!std::isnan(value)) {
        std::printf(format, value);
    }
}

// Each {option} is written from the option table.
constexpr char kEphemerisHelp[] =
    "usage: caelor-cli ephemeris BODY {--from} {--to}\n"
    "           [{--step}] [{--time}] [{--lat} {--lon} {--tz} {--elev}\n"
    "           {--name} | {--place} [{--cities}]]\n"
    "BODY: sun, moon, mercury, venus, mars, jupiter, saturn, uranus, neptune,\n"
    "pluto. Latitude and longitude in signed decimal degrees, North and East\n"
    "positive; times in the place's local standard time. CSV on stdout:\n"
    "distance in AU (the Moon's in km); rise and set in local hours of the\n"
    "date, empty when the body does not rise or set that day; the altitude of\n"
    "the Moon is topocentric.\n";

} // namespace

int EphemerisCommand(int argc, char** argv) {
    try {
        if (argc >= 1 && (std::strcmp(argv[0], "--help") == 0 || std::strcmp(argv[0], "-h") == 0)) {
            std::fputs(CommandHelp(kCliEphemeris, kEphemerisHelp).c_str(), stdout);
            return 0;
        }
        int body = -1;
        bool haveFrom = false;
        bool haveTo = false;
        CalendarDate from{};
        CalendarDate to{};
        double step = 1.0;
        double time = 0.0;
        LocationOptions location;
        const auto take = [&](const CliOption& option, const std::string& value) {
            if (location.Take(option, value)) {
                return;
            }
            switch (option.id) {
            case OptionId::From:
                from = ParseDateArgument(option.name, value);
                haveFrom = true;
                break;
            case OptionId::To:
                to = ParseDateArgument(option.name, value);
                haveTo = true;
                break;
            case OptionId::Step:
                step = NumberValue(option, value);
                break;
            case OptionId::Time:
                time = ParseTimeArgument(option.name, value);
                break;
            default:
                break;
            }
        };
        const auto positional = [&](const std::string& arg) {
            if (body >= 0) {
                throw UsageError{arg + ": unexpected argument"};
            }
            body = ParseBody(arg);
        };
        // A BODY of "-5" is refused as no body rather than as an option.
        ParseCommandLine(kCliEphemeris, argc, argv, take, positional, true);
        if (body < 0) {
            throw UsageError{"BODY: missing (sun, moon, mercury .. pluto)"};
        }
        if (!haveFrom) {
            throw UsageError{"--from: missing"};
        }
        if (!haveTo) {
            throw UsageError{"--to: missing"};
        }
        const Location loc = location.Resolve(DataDirectory("CITIES.DAT"));
        const double first = CalendarToJulianDay(from.day + time / 24, from.month, from.year);
        const double last = CalendarToJulianDay(to.day + time / 24, to.month, to.year);
        if (last < first) {
            throw UsageError{"--to: comes before --from"};
        }
        if ((last - first) / step >= kMaxRows) {
            throw UsageError{"--step: more than a million rows; use a larger step"};
        }

        std::printf("date,time,jd_ut,ra_hours,dec_degrees,distance,illuminated_fraction,"
                    "elongation_degrees,magnitude,diameter_arcsec,altitude_degrees,"
                    "azimuth_degrees,rise,set\n");
        const long rows = static_cast<long>(std::floor((last - first) / step + 1e-9)) + 1;
        for (long n = 0; n < rows; ++n) {
            const double jdLocal = first + n * step;
            // Read the clock to the nearest minute, so that 23:59.99 never
            // prints as 24:00.
            double day = 0;
            int month = 0;
            int year = 0;
            JulianDayToCalendar(jdLocal + 0.5 / 1440, day, month, year);
            const long minutes = static_cast<long>(FractionalPart(day) * 1440);
            const double jdUt = jdLocal - loc.timeZone / 24;
            Row row = ComputeRow(body, SplitJulianDay(jdUt), loc);
            const RiseSetTimes times = RiseSet(body, static_cast<int>(day), month, year, loc);
            row.rise = times.rise.happens ? times.rise.hours : NAN;
            row.set = times.set.happens ? times.set.hours : NAN;

            std::printf("%s%04d-%02d-%02d,%02ld:%02ld,%.6f", year < 0 ? "-" : "", std::abs(year),
                        month, static_cast<int>(day), minutes / 60, minutes % 60, jdUt);
            PrintValue(row.ra, "%.6f");
            PrintValue(row.dec, "%.5f");
            PrintValue(row.distance, body == kMoon ? "%.1f" : "%.8f");
            PrintValue(row.fraction, "%.4f");
            PrintValue(row.elongation, "%.3f");
            PrintValue(row.magnitude, "%.2f");
            PrintValue(row.diameter, "%.2f");
            PrintValue(row.altitude, "%.3f");
            PrintValue(row.azimuth, "%.3f");
            PrintValue(row.rise, "%.4f");
            PrintValue(row.set, "%.4f");
            std::putchar('\n');
        }
        return 0;
    } catch (const UsageError& error) {
        std::fprintf(stderr, "caelor-cli ephemeris: %s\n", error.message.c_str());
        return 2;
    }
}
