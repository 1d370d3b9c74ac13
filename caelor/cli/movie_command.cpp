// caelor-cli movie: the command line read into a movie's arguments and held
// against the movie as its dialog would (movie_render.cpp plays it).

#include "cli/commands.h"
#include "cli/data_files.h"
#include "cli/movie_job.h"
#include "cli/options.h"

#include "engine/frames.h"
#include "engine/time.h"
#include "movies/movie_run.h"
#include "movies/star_catalogue.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "settings/dialog_params.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct MovieKind {
    const char* name;
    int command;
};

constexpr MovieKind kMovies[] = {
    {"planetarium", IDM_MOVIE_PLANETARIUM},
    {"jupiter-moons-side", IDM_MOVIE_JUPITER_MOONS_SIDE},
    {"jupiter-moons-top", IDM_MOVIE_JUPITER_MOONS_TOP},
    {"ecliptic-top", IDM_MOVIE_ECLIPTIC_TOP},
    {"ecliptic-side", IDM_MOVIE_ECLIPTIC_SIDE},
    {"day-night", IDM_MOVIE_DAY_NIGHT},
    {"binary-star", IDM_MOVIE_BINARY_STAR},
};

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
        if (Lower(name) == kCliBodyNames[b]) {
            return b;
        }
    }
    throw UsageError{option + ": '" + name +
                     "' is not a body (sun, moon, earth, mercury .. pluto)"};
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
            if (part == kCliMoonNames[i] || part == std::to_string(i + 1)) {
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
        LoadText(IDS_STAR_NAME_FIRST + star.nameNumber - 1, name, sizeof name);
        LoadText(IDS_CONSTELLATION_FIRST + star.constellation, constellation, sizeof constellation);
        if (wanted == Lower(name) || wanted == Lower(std::string(constellation) + "/" + name)) {
            return static_cast<int>(i);
        }
    }
    throw UsageError{"--star: no star named '" + text + "' in the catalogue"};
}

// {options} lists the movie's own options from the option table.
constexpr char kMovieHelp[] =
    "usage: caelor-cli movie NAME [options] {--frames} -o DIR|FILE.gif\n"
    "NAME: planetarium, jupiter-moons-side, jupiter-moons-top, ecliptic-top,\n"
    "      ecliptic-side, day-night, binary-star\n"
    "{options}"
    "  {location}   the observing place\n"
    "  {regional}\n";

// What the command line asks for, read but not yet held against the movie.
struct MovieArguments {
    const MovieKind* kind = nullptr;
    MovieStart start{};
    int speed = 0;
    int viewAngle = 0;
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
};

MovieArguments ParseMovieArguments(int argc, char** argv) {
    // The dialogs' initial values: now, their speed and view angle.
    const DialogParams defaults = DefaultDialogParams(ClockJulianDay());
    MovieArguments a;
    a.start = {defaults.year, defaults.month, defaults.day, defaults.hour, defaults.minute};
    a.speed = defaults.timeSpeed;
    a.viewAngle = defaults.viewAngle;
    const auto take = [&](const CliOption& option, const std::string& value) {
        if (a.location.Take(option, value) || a.regional.Take(option, value)) {
            return;
        }
        switch (option.id) {
        case OptionId::Start:
            a.start = ParseStart(option.name, value);
            break;
        case OptionId::Speed:
            a.speed = WholeValue(option, value);
            break;
        case OptionId::ViewAngle:
            a.viewAngle = WholeValue(option, value);
            break;
        case OptionId::Bodies:
            a.bodies = value;
            a.haveBodies = true;
            break;
        case OptionId::Moons:
            a.moons = value;
            a.haveMoons = true;
            break;
        case OptionId::Track:
            a.track = value;
            break;
        case OptionId::Star:
            a.starName = value;
            break;
        case OptionId::Turbo:
            a.turbo = true;
            break;
        case OptionId::Labels:
            a.labels = WholeValue(option, value);
            break;
        case OptionId::JetTrails:
            a.jetTrails = true;
            break;
        case OptionId::Step:
            a.step = ParseStep(option.name, value);
            break;
        case OptionId::Binary:
            a.binary = value;
            break;
        case OptionId::Frames:
            a.frames = WholeValue(option, value);
            break;
        case OptionId::Size: {
            const size_t x = value.find('x');
            if (x == std::string::npos) {
                throw UsageError{"--size: expected WxH"};
            }
            a.width = ParseWhole(option.name, value.substr(0, x), 64, 4000);
            a.height = ParseWhole(option.name, value.substr(x + 1), 48, 3000);
            break;
        }
        case OptionId::Stars:
            a.starsFile = value;
            break;
        case OptionId::Output:
            a.output = value;
            break;
        default:
            break;
        }
    };
    const auto positional = [&](const std::string& arg) {
        if (a.kind != nullptr) {
            throw UsageError{arg + ": unexpected argument"};
        }
        a.kind = &FindNamedRow(kMovies, arg, "movie");
    };
    ParseCommandLine(kCliMovie, argc, argv, take, positional);
    return a;
}

// Holds the arguments against the movie as its dialog would, in the order
// the first fault is reported. The Planetarium loads its star catalogue
// here: the stars it names are looked up in it.
MovieJob ValidateMovie(const MovieArguments& a) {
    if (a.kind == nullptr) {
        throw UsageError{"NAME: missing (see caelor-cli movie --help)"};
    }
    if (a.frames < 0) {
        throw UsageError{"--frames: missing"};
    }
    if (a.output.empty()) {
        throw UsageError{"-o: missing (a directory, or a file ending in .gif)"};
    }
    MovieJob job;
    const int command = job.command = a.kind->command;
    const std::string name = a.kind->name;
    const bool planetarium = command == IDM_MOVIE_PLANETARIUM;
    const bool ecliptic = command == IDM_MOVIE_ECLIPTIC_TOP || command == IDM_MOVIE_ECLIPTIC_SIDE;
    const bool jupiter =
        command == IDM_MOVIE_JUPITER_MOONS_SIDE || command == IDM_MOVIE_JUPITER_MOONS_TOP;
    if (a.haveBodies && !planetarium && !ecliptic) {
        throw UsageError{"--bodies: the " + name + " movie takes no bodies"};
    }
    if (a.haveMoons && !jupiter) {
        throw UsageError{"--moons: only the Jupiter moons movies take moons"};
    }
    if ((!a.track.empty() || !a.starName.empty() || a.turbo) && !planetarium) {
        throw UsageError{"--track, --star and --turbo belong to the planetarium"};
    }
    if (!a.binary.empty() && command != IDM_MOVIE_BINARY_STAR) {
        throw UsageError{"--binary: only the binary-star movie takes a star"};
    }

    if (planetarium) {
        const std::string path =
            a.starsFile.empty() ? DataDirectory("STARS.DAT") + "/STARS.DAT" : a.starsFile;
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (file != nullptr) {
            job.haveCatalogue =
                ReadStarCatalogue(file, job.catalogue) == StarCatalogueStatus::kLoaded;
            std::fclose(file);
        }
        if (!job.haveCatalogue) {
            // As caelor.exe refuses its Planetarium without the stars.
            throw MovieFailure{"Star database not loaded (" + path + ")"};
        }
    }

    MovieParams& params = job.params;
    params.start = a.start;
    params.planetarium.viewSet = a.haveBodies && planetarium
                                     ? ParsePlanetariumView("--bodies", a.bodies)
                                     : 0xFFBu; // Sun, Moon, planets, stars
    params.trackBody = !a.track.empty();
    if (!a.track.empty()) {
        params.planetarium.target =
            Lower(a.track) == "star" ? kStarTarget : BodyIndex("--track", a.track);
        if (params.planetarium.target == kEarth) {
            throw UsageError{"--track: the Earth cannot be tracked"};
        }
    }
    if (!a.starName.empty()) {
        params.planetarium.star = FindNamedStar(&job.catalogue, a.starName);
        if (a.track.empty()) {
            params.planetarium.target = kStarTarget;
        }
    } else if (params.planetarium.target == kStarTarget) {
        throw UsageError{"--track star: name the star with --star"};
    }
    params.planetarium.labelled = a.labels != 0;
    params.bodySet = a.haveBodies && ecliptic ? ParseEclipticBodies("--bodies", a.bodies) : 0x7FCu;
    params.moonSet = a.haveMoons ? ParseMoons("--moons", a.moons) : 15u;
    if (ecliptic && params.bodySet == 0) {
        throw UsageError{"--bodies: Select at least one planet"};
    }
    if (jupiter && params.moonSet == 0) {
        throw UsageError{"--moons: Select at least one moon"};
    }
    params.labelPlanets = a.labels != 0;
    params.labelMoons = a.labels != 0;
    params.binaryStar = a.binary.empty() ? 0 : ParseBinary("--binary", a.binary);
    params.binaryYear = params.start.year;

    MovieObserver& observer = job.observer;
    observer.location = a.location.Resolve(DataDirectory("CITIES.DAT"));
    observer.timeZone = observer.location.timeZone;
    observer.viewAngle = a.viewAngle;
    observer.timeSpeed = a.speed;
    observer.dayNightStep = a.step;
    observer.turbo = a.turbo ? 1 : 0;

    job.jetTrails = a.jetTrails;
    job.frames = a.frames;
    job.width = a.width;
    job.height = a.height;
    job.output = a.output;
    return job;
}

} // namespace

int MovieCommand(int argc, char** argv) {
    try {
        if (argc >= 1 && (std::strcmp(argv[0], "--help") == 0)) {
            std::fputs(CommandHelp(kCliMovie, kMovieHelp).c_str(), stdout);
            return 0;
        }
        MovieArguments arguments = ParseMovieArguments(argc, argv);
        MovieJob job = ValidateMovie(arguments);
        return RenderMovie(job, arguments.regional);
    } catch (const UsageError& error) {
        std::fprintf(stderr, "caelor-cli movie: %s\n", error.message.c_str());
        return 2;
    } catch (const MovieFailure& failure) {
        std::fprintf(stderr, "caelor-cli movie: %s\n", failure.message.c_str());
        return 1;
    }
}
