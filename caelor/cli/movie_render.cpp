// caelor-cli movie's output: the movie played frame by frame on a simulated
// wall clock (250 ms a frame) into PNG files, joined into a GIF by convert.

#include "cli/movie_job.h"

#include "cli/cairo_surface.h"
#include "cli/cli_host.h"
#include "movies/world_map.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

namespace {

constexpr double kTickDays = 0.25 / 86400.0;

// Whether the name ends in ".gif", in any case.
bool IsGifName(const std::string& name) {
    const std::string tail = ".gif";
    if (name.size() < tail.size()) {
        return false;
    }
    for (size_t k = 0; k < tail.size(); ++k) {
        const char c = name[name.size() - tail.size() + k];
        if (std::tolower(static_cast<unsigned char>(c)) != tail[k]) {
            return false;
        }
    }
    return true;
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

// Plays the movie into directory/frame-0001.png ... until its frames are
// written or Ctrl-C stops it; returns how many were written.
int WriteFrames(MovieJob& job, const MonoBitmap& worldMap, const std::string& directory) {
    const int width = job.width;
    const int height = job.height;
    CliHost host;
    MovieRun run;
    run.Start(job.command, job.observer, job.params);
    if (job.jetTrails) {
        run.ToggleJetTrails();
    }
    cairo_surface_t* target = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    // The fixed font keeps its share of the page, as for the graphs.
    const PageExtent page = IsotropicPageExtent(width, height);
    CairoSurface window(target, width, height, std::max(6.0, 15.0 * page.width / kPageWidth));
    cairo_surface_destroy(target); // the surface holds its own reference
    double wallClock = StartJulianDay(job.params.start, job.observer.timeZone);
    int written = 0;
    for (int f = 0; f < job.frames && !CliHost::Interrupted(); ++f) {
        window.Prepare(kPageMapping, width, height, true);
        run.Tick(window, width, height, wallClock, &worldMap,
                 job.haveCatalogue ? &job.catalogue : nullptr);
        wallClock += kTickDays;
        char file[64];
        std::snprintf(file, sizeof file, "/frame-%04d.png", f + 1);
        cairo_surface_flush(window.Target());
        if (cairo_surface_write_to_png(window.Target(), (directory + file).c_str()) !=
            CAIRO_STATUS_SUCCESS) {
            throw MovieFailure{"cannot write " + directory + file};
        }
        ++written;
    }
    return written;
}

// A folder of its own under TMPDIR (or /tmp) for the GIF's frames, removed
// with all it holds however the movie ends.
class FrameFolder {
  public:
    FrameFolder() {
        const char* base = std::getenv("TMPDIR");
        path_ =
            std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/caelor-movie-XXXXXX";
        if (mkdtemp(path_.data()) == nullptr) {
            throw MovieFailure{std::string("temporary directory: ") + std::strerror(errno)};
        }
    }
    ~FrameFolder() {
        std::error_code ignored; // a frame folder left behind is no reason to fail
        std::filesystem::remove_all(path_, ignored);
    }
    FrameFolder(const FrameFolder&) = delete;
    FrameFolder& operator=(const FrameFolder&) = delete;
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

} // namespace

int RenderMovie(MovieJob& job, RegionalOptions& regional) {
    const std::string& output = job.output;
    const bool gif = IsGifName(output);
    std::optional<FrameFolder> frameFolder;
    if (gif) {
        if (!HaveConvert()) {
            throw MovieFailure{"an animated GIF needs ImageMagick's convert, which is not "
                               "installed; give a directory instead"};
        }
        frameFolder.emplace();
    } else if (!MakeDirectory(output)) {
        throw MovieFailure{"cannot make directory " + output};
    }
    const std::string& directory = gif ? frameFolder->Path() : output;

    const RegionalScope regionalScope(regional);
    MonoBitmap worldMap;
    const std::vector<uint8_t>& mapBytes = WorldMapBytes();
    if (!WorldMapFromBitmapBytes(mapBytes.data(), mapBytes.size(), worldMap)) {
        throw MovieFailure{"the built-in world map is damaged"};
    }
    const int written = WriteFrames(job, worldMap, directory);
    if (gif) {
        const std::string convert =
            "convert -delay 25 -loop 0 " + Quoted(directory) + "/frame-*.png " + Quoted(output);
        if (std::system(convert.c_str()) != 0) {
            throw MovieFailure{"convert failed for " + output};
        }
    }
    std::printf("%s: %d frames\n", output.c_str(), written);
    return CliHost::Interrupted() ? 130 : 0;
}
