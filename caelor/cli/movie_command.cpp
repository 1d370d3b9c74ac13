// caelor-cli movie: the frames of a movie as PNG files, or an animated GIF.
// The wall clock is simulated (250 ms a frame), so the same options always
// give the same pictures.

#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/data_files.h"
#include "cli/cairo_surface.h"
#include "cli/options.h"

#include "engine/frames.h"
#include "engine/time.h"
#include "movies/movie_run.h"
#include "movies/star_catalogue.h"
#include "movies/world_map.h"
#include "resources/string_table.h"
#include "settings/dialog_params.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr double kTickDays = 0.25 / 86400.0;

struct MovieKind {
    const char* name;
    int command;
};

constexpr MovieKind kMovies[] = {
    {"planetarium", 64},  {"jupiter-moons-side", 65}, {"jupiter-moons-top", 66},
    {"ecliptic-top", 62}, {"ecliptic-side", 63},      {"day-night", 61},
    {"binary-star", 67},
};

constexpr const char* kBodyNames[] = {"sun",     "moon",   "earth",  "mercury", "venus", "mars",
                                      "jupiter", "saturn", "uranus", "neptune", "pluto"};
constexpr const char* kMoonNames[] = {"io", "europa", "ganymede", "callisto"};
constexpr const char* kSteps[] = {"real", "hour", "day", "week", "month"};

std::string Lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

std::vector<std::string> SplitList(const std::string& text) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : text + ",") {
        if (c == ',') {
            if (!part.empty()) {
                parts.push_back(Lower(part));
            }
            part.clear();
        } else if (c != ' ') {
            part += c;
        }
    }
    return parts;
}

int BodyIndex(const std::string& option, const std::string& name) {
    for (int b = 0; b <= kPluto; ++b) {
        if (Lower(name) == kBodyNames[b]) {
            return b;
        }
    }
    throw UsageError{option + ": '" + name +
                     "' is not a body (sun, moon, earth, mercury .. pluto)"};
}

const MovieKind& FindMovie(const std::string& name) {
    std::string names;
    for (const MovieKind& kind : kMovies) {
        if (name == kind.name) {
            return kind;
        }
        names += names.empty() ? "" : ", ";
        names += kind.name;
    }
    throw UsageError{"NAME: '" + name + "' is not a movie (" + names + ")"};
}

int ParseWhole(const std::string& option, const std::string& text, int lo, int hi) {
    return static_cast<int>(ParseNumberArgument(option, text, lo, hi));
}

// "YYYY-MM-DDTHH:MM" (or a blank instead of the T).
MovieStart ParseStart(const std::string& option, const std::string& text) {
    size_t t = text.find('T');
    if (t == std::string::npos) {
        t = text.find(' ', 1);
    }
    if (t == std::string::npos) {
        throw UsageError{option + ": expected YYYY-MM-DDTHH:MM, got '" + text + "'"};
    }
    const CalendarDate date = ParseDateArgument(option, text.substr(0, t));
    const double hours = ParseTimeArgument(option, text.substr(t + 1));
    const int minutes = static_cast<int>(hours * 60.0 + 0.5);
    return {date.year, date.month, date.day, minutes / 60, minutes % 60};
}

// Planetarium: sun-moon (or sun, moon), planets, stars, or single planets.
unsigned ParsePlanetariumView(const std::string& option, const std::string& text) {
    unsigned set = 0;
    for (const std::string& part : SplitList(text)) {
        if (part == "sun-moon") {
            set |= 3u;
        } else if (part == "planets") {
            set |= 0x7F8u;
        } else if (part == "stars") {
            set |= 1u << kViewStarsBit;
        } else if (part == "all") {
            set |= 0xFFBu;
        } else {
            const int b = BodyIndex(option, part);
            if (b == kEarth) {
                throw UsageError{option + ": the planetarium does not show the Earth"};
            }
            set |= 1u << b;
        }
    }
    return set;
}

unsigned ParseEclipticBodies(const std::string& option, const std::string& text) {
    unsigned set = 0;
    for (const std::string& part : SplitList(text)) {
        if (part == "all") {
            set |= 0x7FCu;
            continue;
        }
        const int b = BodyIndex(option, part);
        if (b < kEarth) {
            throw UsageError{option + ": the ecliptic movies show the Earth and the planets"};
        }
        set |= 1u << b;
    }
    return set;
}

unsigned ParseMoons(const std::string& option, const std::string& text) {
    unsigned set = 0;
    for (const std::string& part : SplitList(text)) {
        bool found = false;
        for (int i = 0; i < 4; ++i) {
            if (part == kMoonNames[i] || part == std::to_string(i + 1)) {
                set |= 1u << i;
                found = true;
            }
        }
        if (part == "all") {
            set = 15;
            found = true;
        }
        if (!found) {
            throw UsageError{option + ": '" + part + "' is not a moon (io, europa, ganymede, " +
                             "callisto or 1 .. 4)"};
        }
    }
    return set;
}

int ParseStep(const std::string& option, const std::string& text) {
    for (int i = 0; i < 5; ++i) {
        if (Lower(text) == kSteps[i]) {
            return i;
        }
    }
    throw UsageError{option + ": expected real, hour, day, week or month"};
}

int ParseBinary(const std::string& option, const std::string& text) {
    char name[kTextSize];
    for (int i = 0; i < kBinaryStarRows; ++i) {
        LoadText(BinaryStarElements(i).nameId, name, sizeof name);
        if (Lower(text) == Lower(name) || text == std::to_string(i)) {
            return i;
        }
    }
    throw UsageError{option + ": '" + text + "' is not one of the ten binary stars"};
}

// Catalogue index of the named star ("Sirius", or "CMa/Sirius").
int FindNamedStar(const StarCatalogue* catalogue, const std::string& text) {
    if (catalogue == nullptr) {
        throw UsageError{"--star: the star catalogue STARS.DAT could not be loaded"};
    }
    const std::string wanted = Lower(text);
    char name[kTextSize];
    char constellation[kTextSize];
    for (size_t i = 0; i < catalogue->stars.size(); ++i) {
        const StarRecord& star = catalogue->stars[i];
        if (star.nameNumber == 0) {
            continue;
        }
        LoadText(200 + star.nameNumber, name, sizeof name);
        LoadText(500 + star.constellation, constellation, sizeof constellation);
        if (wanted == Lower(name) || wanted == Lower(std::string(constellation) + "/" + name)) {
            return static_cast<int>(i);
        }
    }
    throw UsageError{"--star: no star named '" + text + "' in the catalogue"};
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The directory and any parents it lacks, as mkdir -p does.
bool MakeDirectory(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) == 0) {
        return S_ISDIR(info.st_mode);
    }
    const size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !MakeDirectory(path.substr(0, slash))) {
        return false;
    }
    return mkdir(path.c_str(), 0777) == 0 ||
           (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode));
}

bool HaveConvert() {
    return std::system("command -v convert >/dev/null 2>&1") == 0;
}

std::string Quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

void PrintHelp() {
    std::printf("usage: caelor-cli movie NAME [options] --frames N -o DIR|FILE.gif\n"
                "NAME: planetarium, jupiter-moons-side, jupiter-moons-top, ecliptic-top,\n"
                "      ecliptic-side, day-night, binary-star\n"
                "  --start YYYY-MM-DDTHH:MM  local standard time of the first frame (now)\n"
                "  --speed N                 time speed -64 .. 64\n"
                "  --view-angle N            5 .. 90 degrees\n"
                "  --bodies LIST             planetarium: sun-moon,planets,stars or bodies;\n"
                "                            ecliptic: earth,mercury .. pluto or all\n"
                "  --moons LIST              io,europa,ganymede,callisto (or 1 .. 4)\n"
                "  --track BODY|star         planetarium: follow a body or the --star\n"
                "  --star NAME               a named catalogue star (Sirius, CMa/Sirius)\n"
                "  --turbo                   planetarium: 1000 times faster\n"
                "  --labels 0|1              label planets or moons\n"
                "  --jet-trails              leave trails\n"
                "  --step real|hour|day|week|month   Day/Night step\n"
                "  --binary NAME             binary star (Sirius, Castor, ... or 0 .. 9)\n"
                "  --size WxH                picture size in pixels (800x600)\n"
                "  --stars FILE              star catalogue (STARS.DAT beside the program)\n"
                "  --frames N                number of frames (1 .. 100000)\n"
                "  -o DIR                    writes DIR/frame-0001.png ...\n"
                "  -o FILE.gif               an animated GIF (needs ImageMagick's convert)\n"
                "  --lat --lon --tz --elev --name --place --cities   the observing place\n"
                "  --decimal --date-format --time-sep --leading-zero --time-leading-zero\n");
}

} // namespace

int MovieCommand(int argc, char** argv) {
    try {
        if (argc >= 1 && (std::strcmp(argv[0], "--help") == 0)) {
            PrintHelp();
            return 0;
        }
        // The dialogs' initial values: now, their speed and view angle.
        const DialogParams defaults = DefaultDialogParams(ClockJulianDay());
        const MovieKind* kind = nullptr;
        MovieParams params;
        params.start = {defaults.year, defaults.month, defaults.day, defaults.hour,
                        defaults.minute};
        int speed = defaults.timeSpeed;
        int viewAngle = defaults.viewAngle;
        int frames = -1;
        int width = 800;
        int height = 600;
        int step = 0;
        bool turbo = false;
        bool jetTrails = false;
        int labels = 1;
        std::string output, bodies, moons, track, starName, binary, starsFile;
        bool haveBodies = false, haveMoons = false;
        LocationOptions location;
        RegionalOptions regional;
        for (int i = 0; i < argc; ++i) {
            const std::string arg = argv[i];
            if (arg == "--start") {
                params.start = ParseStart(arg, OptionValue(argc, argv, i));
            } else if (arg == "--speed") {
                speed = ParseWhole(arg, OptionValue(argc, argv, i), -64, 64);
            } else if (arg == "--view-angle") {
                viewAngle = ParseWhole(arg, OptionValue(argc, argv, i), 5, 90);
            } else if (arg == "--bodies") {
                bodies = OptionValue(argc, argv, i);
                haveBodies = true;
            } else if (arg == "--moons") {
                moons = OptionValue(argc, argv, i);
                haveMoons = true;
            } else if (arg == "--track") {
                track = OptionValue(argc, argv, i);
            } else if (arg == "--star") {
                starName = OptionValue(argc, argv, i);
            } else if (arg == "--turbo") {
                turbo = true;
            } else if (arg == "--labels") {
                labels = ParseWhole(arg, OptionValue(argc, argv, i), 0, 1);
            } else if (arg == "--jet-trails") {
                jetTrails = true;
            } else if (arg == "--step") {
                step = ParseStep(arg, OptionValue(argc, argv, i));
            } else if (arg == "--binary") {
                binary = OptionValue(argc, argv, i);
            } else if (arg == "--frames") {
                frames = ParseWhole(arg, OptionValue(argc, argv, i), 1, 100000);
            } else if (arg == "--size") {
                const std::string size = OptionValue(argc, argv, i);
                const size_t x = size.find('x');
                if (x == std::string::npos) {
                    throw UsageError{"--size: expected WxH"};
                }
                width = ParseWhole(arg, size.substr(0, x), 64, 4000);
                height = ParseWhole(arg, size.substr(x + 1), 48, 3000);
            } else if (arg == "--stars") {
                starsFile = OptionValue(argc, argv, i);
            } else if (arg == "-o" || arg == "--output") {
                output = OptionValue(argc, argv, i);
            } else if (location.Take(argc, argv, i) || regional.Take(argc, argv, i)) {
                continue;
            } else if (arg.size() > 1 && arg[0] == '-') {
                throw UsageError{arg + ": unknown option"};
            } else if (kind == nullptr) {
                kind = &FindMovie(arg);
            } else {
                throw UsageError{arg + ": unexpected argument"};
            }
        }
        if (kind == nullptr) {
            throw UsageError{"NAME: missing (see caelor-cli movie --help)"};
        }
        if (frames < 0) {
            throw UsageError{"--frames: missing"};
        }
        if (output.empty()) {
            throw UsageError{"-o: missing (a directory, or a file ending in .gif)"};
        }
        const int command = kind->command;
        const std::string name = kind->name;
        const bool planetarium = command == 64;
        const bool ecliptic = command == 62 || command == 63;
        const bool jupiter = command == 65 || command == 66;
        if (haveBodies && !planetarium && !ecliptic) {
            throw UsageError{"--bodies: the " + name + " movie takes no bodies"};
        }
        if (haveMoons && !jupiter) {
            throw UsageError{"--moons: only the Jupiter moons movies take moons"};
        }
        if ((!track.empty() || !starName.empty() || turbo) && !planetarium) {
            throw UsageError{"--track, --star and --turbo belong to the planetarium"};
        }
        if (!binary.empty() && command != 67) {
            throw UsageError{"--binary: only the binary-star movie takes a star"};
        }

        StarCatalogue catalogue;
        bool haveCatalogue = false;
        if (planetarium) {
            const std::string path =
                starsFile.empty() ? DataDirectory("STARS.DAT") + "/STARS.DAT" : starsFile;
            std::FILE* file = std::fopen(path.c_str(), "rb");
            if (file != nullptr) {
                haveCatalogue = ReadStarCatalogue(file, catalogue) == StarCatalogueStatus::kLoaded;
                std::fclose(file);
            }
            if (!haveCatalogue) {
                // As caelor.exe refuses its Planetarium without the stars.
                std::fprintf(stderr, "caelor-cli movie: Star database not loaded (%s)\n",
                             path.c_str());
                return 1;
            }
        }

        params.planetarium.viewSet = haveBodies ? ParsePlanetariumView("--bodies", bodies)
                                                : 0xFFBu; // Sun, Moon, planets, stars
        params.trackBody = !track.empty();
        if (!track.empty()) {
            params.planetarium.target =
                Lower(track) == "star" ? kStarTarget : BodyIndex("--track", track);
            if (params.planetarium.target == kEarth) {
                throw UsageError{"--track: the Earth cannot be tracked"};
            }
        }
        if (!starName.empty()) {
            params.planetarium.star = FindNamedStar(&catalogue, starName);
            if (track.empty()) {
                params.planetarium.target = kStarTarget;
            }
        } else if (params.planetarium.target == kStarTarget) {
            throw UsageError{"--track star: name the star with --star"};
        }
        params.planetarium.labelled = labels != 0;
        params.bodySet = haveBodies && ecliptic ? ParseEclipticBodies("--bodies", bodies) : 0x7FCu;
        params.moonSet = haveMoons ? ParseMoons("--moons", moons) : 15u;
        if (ecliptic && params.bodySet == 0) {
            throw UsageError{"--bodies: Select at least one planet"};
        }
        if (jupiter && params.moonSet == 0) {
            throw UsageError{"--moons: Select at least one moon"};
        }
        params.labelPlanets = labels != 0;
        params.labelMoons = labels != 0;
        params.binaryStar = binary.empty() ? 0 : ParseBinary("--binary", binary);
        params.binaryYear = params.start.year;

        MovieObserver observer{};
        observer.location = location.Resolve(DataDirectory("CITIES.DAT"));
        observer.timeZone = observer.location.timeZone;
        observer.viewAngle = viewAngle;
        observer.timeSpeed = speed;
        observer.dayNightStep = step;
        observer.turbo = turbo ? 1 : 0;

        const bool gif = EndsWith(Lower(output), ".gif");
        std::string directory = output;
        char temporary[] = "/tmp/caelor-movie-XXXXXX";
        if (gif) {
            if (!HaveConvert()) {
                std::fprintf(stderr, "caelor-cli movie: an animated GIF needs ImageMagick's "
                                     "convert, which is not installed; give a directory "
                                     "instead\n");
                return 1;
            }
            if (mkdtemp(temporary) == nullptr) {
                std::perror("caelor-cli movie: temporary directory");
                return 1;
            }
            directory = temporary;
        } else if (!MakeDirectory(directory)) {
            std::fprintf(stderr, "caelor-cli movie: cannot make directory %s\n", directory.c_str());
            return 1;
        }

        SetLocaleSource(&regional);
        MonoBitmap worldMap;
        const std::vector<uint8_t>& mapBytes = WorldMapBytes();
        if (!WorldMapFromBitmapBytes(mapBytes.data(), mapBytes.size(), worldMap)) {
            std::fprintf(stderr, "caelor-cli movie: the built-in world map is damaged\n");
            return 1;
        }
        int written = 0;
        {
            CliHost host;
            MovieRun run;
            run.Start(command, observer, params);
            if (jetTrails) {
                run.ToggleJetTrails();
            }
            cairo_surface_t* target = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
            // The fixed font keeps its share of the page, as for the graphs.
            const PageExtent page = IsotropicPageExtent(width, height);
            CairoSurface window(target, width, height,
                                std::max(6.0, 15.0 * page.width / kPageWidth));
            cairo_surface_destroy(target); // the surface holds its own reference
            double wallClock = StartJulianDay(params.start, observer.timeZone);
            for (int f = 0; f < frames && !CliHost::Interrupted(); ++f) {
                window.Prepare(kPageMapping, width, height, true);
                run.Tick(window, width, height, wallClock, &worldMap,
                         haveCatalogue ? &catalogue : nullptr);
                wallClock += kTickDays;
                char file[64];
                std::snprintf(file, sizeof file, "/frame-%04d.png", f + 1);
                cairo_surface_flush(window.Target());
                if (cairo_surface_write_to_png(window.Target(), (directory + file).c_str()) !=
                    CAIRO_STATUS_SUCCESS) {
                    std::fprintf(stderr, "caelor-cli movie: cannot write %s%s\n", directory.c_str(),
                                 file);
                    SetLocaleSource(nullptr);
                    return 1;
                }
                ++written;
            }
        }
        SetLocaleSource(nullptr);
        if (gif) {
            const std::string convert =
                "convert -delay 25 -loop 0 " + Quoted(directory) + "/frame-*.png " + Quoted(output);
            const int status = std::system(convert.c_str());
            std::error_code ignored; // a frame folder left in /tmp is no reason to fail
            std::filesystem::remove_all(directory, ignored);
            if (status != 0) {
                std::fprintf(stderr, "caelor-cli movie: convert failed for %s\n", output.c_str());
                return 1;
            }
            std::printf("%s: %d frames\n", output.c_str(), written);
        } else {
            std::printf("%s: %d frames\n", directory.c_str(), written);
        }
        return CliHost::Interrupted() ? 130 : 0;
    } catch (const UsageError& error) {
        std::fprintf(stderr, "caelor-cli movie: %s\n", error.message.c_str());
        return 2;
    }
}
