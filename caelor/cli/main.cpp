// caelor-cli: the engine, reports, graphs and movie scenes of caelor, headless.

#include "cli/commands.h"

#include "version.h"

#include <cstdio>
#include <cstring>

namespace {

struct Command {
    const char* name;
    int (*run)(int argc, char** argv);
    const char* synopsis;
};

constexpr Command kCommands[] = {
    {"ephemeris", EphemerisCommand,
     "ephemeris BODY --from DATE --to DATE ...  CSV table of a body's place (--help)"},
    {"graph", GraphCommand,
     "graph NAME [options] -o FILE.png|svg|pdf [--size WxH]  a graph as a picture (--help)"},
    {"report", ReportCommand,
     "report NAME [--year Y] [--months A-B] [--years A-B] ...  a text report (--help)"},
    {"movie", MovieCommand,
     "movie NAME --frames N -o DIR|FILE.gif ...  a movie's frames as PNG or a GIF (--help)"},
    {"strings", StringsCommand, "strings                  the numbered string table"},
};

void Usage(FILE* out) {
    std::fprintf(out, "usage: caelor-cli COMMAND [options]\ncommands:\n");
    for (const Command& command : kCommands) {
        std::fprintf(out, "  %s\n", command.synopsis);
    }
    std::fprintf(out, "  --version                the program's name and version\n");
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        Usage(stderr);
        return 2;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("caelor-cli (%s) %s\n", CAELOR_PRODUCT_NAME, CAELOR_VERSION_TEXT);
        return 0;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "help") == 0) {
        Usage(stdout);
        return 0;
    }
    for (const Command& command : kCommands) {
        if (std::strcmp(argv[1], command.name) == 0) {
            return command.run(argc - 2, argv + 2);
        }
    }
    std::fprintf(stderr, "caelor-cli: unknown command '%s'\n", argv[1]);
    Usage(stderr);
    return 2;
}
