// caelor-cli movie, run as a user would run it, and what its pictures show.

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

std::string TempDirectory() {
    std::string dir = ::testing::TempDir() + "cli_movie_XXXXXX";
    return mkdtemp(dir.data()) != nullptr ? dir : std::string();
}

int RunMovie(const std::string& arguments) {
    const std::string command =
        std::string(CAELOR_CLI_PATH) + " movie " + arguments + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool Exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

// A PNG read back; White(x, y) for a light pixel.
class Picture {
  public:
    explicit Picture(const std::string& path)
        : image_(cairo_image_surface_create_from_png(path.c_str())) {}
    ~Picture() { cairo_surface_destroy(image_); }
    bool Ok() const { return cairo_surface_status(image_) == CAIRO_STATUS_SUCCESS; }
    int Width() const { return cairo_image_surface_get_width(image_); }
    int Height() const { return cairo_image_surface_get_height(image_); }
    bool White(int x, int y) const {
        const unsigned char* row =
            cairo_image_surface_get_data(image_) + y * cairo_image_surface_get_stride(image_);
        const uint32_t pixel = reinterpret_cast<const uint32_t*>(row)[x];
        return ((pixel >> 16 & 0xFF) + (pixel >> 8 & 0xFF) + (pixel & 0xFF)) > 3 * 128;
    }
    // Share of light pixels in the rectangle.
    double Lit(int x0, int y0, int x1, int y1) const {
        int lit = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                lit += White(x, y);
            }
        }
        return static_cast<double>(lit) / ((x1 - x0) * (y1 - y0));
    }

  private:
    cairo_surface_t* image_;
};

TEST(CliMovie, DayNightAtTheJuneSolsticeLightsTheNorthernCap) {
    const std::string dir = TempDirectory();
    ASSERT_FALSE(dir.empty());
    ASSERT_EQ(RunMovie("day-night --start 2026-06-21T12:00 --frames 3 -o " + dir), 0);
    for (const char* name : {"/frame-0001.png", "/frame-0002.png", "/frame-0003.png"}) {
        EXPECT_TRUE(Exists(dir + name)) << name;
    }
    EXPECT_FALSE(Exists(dir + "/frame-0004.png"));
    const Picture p(dir + "/frame-0001.png");
    ASSERT_TRUE(p.Ok());
    ASSERT_EQ(p.Width(), 800);
    ASSERT_EQ(p.Height(), 600);
    // The page fills 800 x 600: the map's row y is latitude 90 - 180 y / 600
    // and column x longitude -180 + 360 x / 800. Day is light, night dark.
    // Above the Arctic Circle (north of 70 degrees) it is day all round.
    EXPECT_GT(p.Lit(0, 10, 800, 60), 0.8);
    // South of 70 S it is night all round (the status lines are further down
    // at the left, so the right half is taken).
    EXPECT_LT(p.Lit(400, 540, 800, 560), 0.1);
    // At 12:00 UT the Sun stands over longitude 0 (within the equation of
    // time): along the equator the day spans about 90 degrees either side and
    // the night is centred on the antimeridian, at the map's edges.
    // A column is in daylight when most of its pixels near the equator are
    // light (coasts are dark by day and light by night).
    int dayColumns = 0;
    double sum = 0;
    for (int x = 0; x < 800; ++x) {
        if (p.Lit(x, 280, x + 1, 320) > 0.5) {
            ++dayColumns;
            sum += x;
        }
    }
    ASSERT_GT(dayColumns, 0);
    EXPECT_NEAR(sum / dayColumns, 400.0, 10.0); // day centred on longitude 0
    EXPECT_NEAR(dayColumns, 400, 12);           // 180 degrees of daylight
    EXPECT_LT(p.Lit(0, 280, 60, 320), 0.15);    // night at 180 W
    EXPECT_LT(p.Lit(740, 280, 800, 320), 0.15); // and at 180 E
}

TEST(CliMovie, EveryMovieWritesItsFrames) {
    for (const char* movie : {"planetarium", "jupiter-moons-side", "jupiter-moons-top",
                              "ecliptic-top", "ecliptic-side", "binary-star"}) {
        const std::string dir = TempDirectory();
        ASSERT_EQ(RunMovie(std::string(movie) +
                           " --start 2026-01-10T22:00 --frames 2 --jet-trails -o " + dir),
                  0)
            << movie;
        EXPECT_TRUE(Exists(dir + "/frame-0002.png")) << movie;
    }
}

TEST(CliMovie, RefusesWhatTheDialogsWouldRefuse) {
    const std::string dir = TempDirectory();
    EXPECT_EQ(RunMovie("no-such-movie --frames 1 -o " + dir), 2);
    EXPECT_EQ(RunMovie("planetarium --frames 1"), 2);                      // no -o
    EXPECT_EQ(RunMovie("planetarium -o " + dir), 2);                       // no --frames
    EXPECT_EQ(RunMovie("planetarium --moons io --frames 1 -o " + dir), 2); // not its option
    EXPECT_EQ(RunMovie("ecliptic-top --speed 65 --frames 1 -o " + dir), 2);
    EXPECT_EQ(RunMovie("ecliptic-top --view-angle 4 --frames 1 -o " + dir), 2);
    EXPECT_EQ(RunMovie("jupiter-moons-top --moons pluto --frames 1 -o " + dir), 2);
    EXPECT_EQ(RunMovie("binary-star --binary Vega --frames 1 -o " + dir), 2);
    EXPECT_EQ(RunMovie("planetarium --track star --frames 1 -o " + dir), 2); // which star?
    EXPECT_EQ(RunMovie("planetarium --star Nonesuch --frames 1 -o " + dir), 2);
    EXPECT_FALSE(Exists(dir + "/frame-0001.png"));
}

// Each movie reads --bodies as its own dialog's choice: the ecliptic views
// show the Earth and the planets, the planetarium the sky without the Earth.
TEST(CliMovie, BodiesAreTheChoiceOfTheMoviesOwnDialog) {
    const std::string dir = TempDirectory();
    EXPECT_EQ(RunMovie("ecliptic-top --bodies earth,mars --frames 1 -o " + dir), 0);
    EXPECT_TRUE(Exists(dir + "/frame-0001.png"));
    EXPECT_EQ(RunMovie("ecliptic-side --bodies sun --frames 1 -o " + dir), 2);
    EXPECT_EQ(RunMovie("planetarium --bodies earth --frames 1 -o " + dir), 2);
}

TEST(CliMovie, AnimatedGifThroughConvert) {
    if (std::system("command -v convert >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "ImageMagick's convert is not installed";
    }
    const std::string dir = TempDirectory();
    ASSERT_EQ(RunMovie("binary-star --binary Sirius --speed 4 --frames 4 -o " + dir + "/s.gif"), 0);
    EXPECT_TRUE(Exists(dir + "/s.gif"));
}

// Names of what the folder holds.
std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

TEST(CliMovie, AGifWhoseFrameCannotBeWrittenLeavesNoFrameFolderBehind) {
    if (std::system("command -v convert >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "ImageMagick's convert is not installed";
    }
    const std::string temporary = TempDirectory(); // TMPDIR: the frame folder is made in here
    const std::string out = TempDirectory();
    ASSERT_FALSE(temporary.empty());
    ASSERT_FALSE(out.empty());
    // Files may grow to one block only, so the first frame cannot be written;
    // with SIGXFSZ ignored the write fails instead of ending the program.
    const std::string command = "trap '' XFSZ; ulimit -f 1; TMPDIR=" + temporary + " " +
                                CAELOR_CLI_PATH +
                                " movie day-night --start 2026-06-21T12:00 --frames 2 -o " + out +
                                "/m.gif 2>" + out + "/err";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    std::ifstream err(out + "/err");
    const std::string message((std::istreambuf_iterator<char>(err)), {});
    EXPECT_NE(message.find("cannot write " + temporary + "/caelor-movie-"), std::string::npos)
        << message;
    EXPECT_EQ(Entries(temporary), std::vector<std::string>{});
    EXPECT_FALSE(Exists(out + "/m.gif"));
    std::filesystem::remove_all(temporary);
    std::filesystem::remove_all(out);
}

} // namespace
