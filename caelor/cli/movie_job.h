// A movie as caelor-cli plays it, once its command line is read and checked,
// and the rendering of its frames into PNG files or a GIF.
#pragma once

#include "cli/options.h"
#include "movies/movie_run.h"
#include "movies/star_catalogue.h"

#include <string>

// A movie as MovieRun is to play it, and where its frames go.
struct MovieJob {
    int command = 0;
    MovieObserver observer{};
    MovieParams params;
    bool jetTrails = false;
    int frames = 0;
    int width = 0;
    int height = 0;
    std::string output;
    StarCatalogue catalogue;
    bool haveCatalogue = false;
};

// A movie that could not be made (exit code 1), with the reason.
struct MovieFailure {
    std::string message;
};

// Writes the frames as PNG files into the directory job.output names, or
// into a frame folder that convert turns into the GIF job.output names.
// Returns the exit code (130 when Ctrl-C stopped it); throws MovieFailure.
int RenderMovie(MovieJob& job, RegionalOptions& regional);
