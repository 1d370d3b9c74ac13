// caelor-cli graph, run as a user would run it, and the Cairo surface it
// draws on.

#include "cli/cairo_surface.h"
#include "graphs/recording_surface.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct GraphRun {
    int exitCode;
    std::string err;
};

GraphRun RunGraph(const std::string& arguments) {
    // A file of its own: the tests of this suite may run side by side.
    std::string errFile = ::testing::TempDir() + "cli_graph_err_XXXXXX";
    const int fd = mkstemp(errFile.data());
    if (fd >= 0) {
        close(fd);
    }
    const std::string command =
        std::string(CAELOR_CLI_PATH) + " graph " + arguments + " 2>" + errFile;
    const int status = std::system(command.c_str());
    std::ifstream err(errFile);
    std::ostringstream text;
    text << err.rdbuf();
    std::remove(errFile.c_str());
    return GraphRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1, text.str()};
}

std::string FileStart(const std::string& path, size_t n) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(n, '\0');
    in.read(&bytes[0], static_cast<std::streamsize>(n));
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

// An RGB24 picture read back from a PNG file.
struct Picture {
    explicit Picture(const std::string& path)
        : image(cairo_image_surface_create_from_png(path.c_str())) {}
    ~Picture() { cairo_surface_destroy(image); }
    bool Ok() const { return cairo_surface_status(image) == CAIRO_STATUS_SUCCESS; }
    int Width() const { return cairo_image_surface_get_width(image); }
    int Height() const { return cairo_image_surface_get_height(image); }
    // As a colour value (red in the low byte).
    ColorRef At(int x, int y) const {
        const unsigned char* row =
            cairo_image_surface_get_data(image) + y * cairo_image_surface_get_stride(image);
        uint32_t pixel = 0;
        std::memcpy(&pixel, row + 4 * x, 4);
        return MakeColor((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
    cairo_surface_t* image;
};

TEST(CliGraph, WritesPngSvgAndPdf) {
    const std::string dir = ::testing::TempDir();
    const std::string base = "day-length --year 2026 --lat 60 --lon 10 --tz 1 -o " + dir;
    ASSERT_EQ(RunGraph(base + "g.png").exitCode, 0);
    ASSERT_EQ(RunGraph(base + "g.svg").exitCode, 0);
    ASSERT_EQ(RunGraph(base + "g.pdf").exitCode, 0);
    EXPECT_EQ(FileStart(dir + "g.png", 8), "\x89PNG\r\n\x1a\n");
    EXPECT_NE(FileStart(dir + "g.svg", 200).find("<svg"), std::string::npos);
    EXPECT_EQ(FileStart(dir + "g.pdf", 5), "%PDF-");
    ASSERT_EQ(RunGraph("sunrise --year 2026 --size 640x480 -o " + dir + "small.png").exitCode, 0);
    const Picture small(dir + "small.png");
    ASSERT_TRUE(small.Ok());
    EXPECT_EQ(small.Width(), 640);
    EXPECT_EQ(small.Height(), 480);
    for (const char* name : {"g.png", "g.svg", "g.pdf", "small.png"}) {
        std::remove((dir + name).c_str());
    }
}

TEST(CliGraph, EquationOfTime2026RunsFromAboutMinus14ToPlus16Minutes) {
    const std::string path = ::testing::TempDir() + "eot.png";
    ASSERT_EQ(RunGraph("equation-of-time --year 2026 -o " + path).exitCode, 0);
    const Picture picture(path);
    ASSERT_TRUE(picture.Ok());
    // The frame's top and bottom edges are the outermost rows that are black
    // across most of the page; -20 and +20 minutes lie on them.
    int top = -1, bottom = -1, highest = -1, lowest = -1;
    const ColorRef sun = DefaultColor(0);
    for (int y = 0; y < picture.Height(); ++y) {
        int black = 0;
        for (int x = 0; x < picture.Width(); ++x) {
            const ColorRef c = picture.At(x, y);
            black += c == 0 ? 1 : 0;
            if (c == sun) {
                highest = highest < 0 ? y : highest;
                lowest = y;
            }
        }
        if (black > picture.Width() * 3 / 4) {
            top = top < 0 ? y : top;
            bottom = y;
        }
    }
    ASSERT_GT(bottom - top, 300);
    ASSERT_GE(highest, 0);
    auto minutes = [&](int y) { return 20.0 - 40.0 * (y - top) / (bottom - top); };
    EXPECT_NEAR(minutes(highest), 16.4, 0.6);
    EXPECT_NEAR(minutes(lowest), -14.2, 0.6);
    std::remove(path.c_str());
}

TEST(CliGraph, RefusesWhatTheDialogsWouldRefuse) {
    const std::string out = " -o " + ::testing::TempDir() + "refused.png";
    GraphRun r = RunGraph("no-such-graph" + out);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("is not a graph"), std::string::npos);
    r = RunGraph("eclipses --year 2026" + out);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("--year: the eclipses graph does not take it"), std::string::npos);
    EXPECT_EQ(RunGraph("eclipses --years 3000-1000" + out).exitCode, 2);
    EXPECT_EQ(RunGraph("planet-magnitude --bodies earth" + out).exitCode, 2);
    EXPECT_EQ(RunGraph("jupiter-moons --moons io,titan" + out).exitCode, 2);
    EXPECT_EQ(RunGraph("moon-illumination --month 13" + out).exitCode, 2);
    EXPECT_EQ(RunGraph("analemma -o picture.gif").exitCode, 2);
    EXPECT_EQ(RunGraph("analemma").exitCode, 2);
    r = RunGraph("analemma -o /no/such/folder/a.png");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("cannot write"), std::string::npos);
}

// An image surface of w x h prepared in device units.
struct ImageSurface {
    ImageSurface(int w, int h)
        : image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h)), s(image, w, h, 12) {
        s.Prepare(kDeviceMapping, w, h, true);
    }
    ~ImageSurface() { cairo_surface_destroy(image); }
    uint32_t Pixel(int x, int y) {
        cairo_surface_flush(image);
        uint32_t p = 0;
        std::memcpy(&p,
                    cairo_image_surface_get_data(image) +
                        y * cairo_image_surface_get_stride(image) + 4 * x,
                    4);
        return p & 0xFFFFFF;
    }
    cairo_surface_t* image;
    CairoSurface s;
};

TEST(CairoSurface, RasterOperationsCombinePixelsAsTheScreenDoes) {
    ImageSurface window(40, 30);
    window.s.PatBlt(0, 0, 40, 30, RasterOp::Whiteness);
    std::unique_ptr<Surface> frame = window.s.CreateOffscreen(40, 30);
    frame->Prepare(kDeviceMapping, 40, 30, false);
    // A fresh off-screen surface is black; paint its left half white.
    frame->PatBlt(0, 0, 20, 30, RasterOp::Whiteness);
    window.s.Blit(0, 0, 40, 30, *frame, 0, 0, RasterOp::SourceInvert);
    EXPECT_EQ(window.Pixel(5, 5), 0x000000u);  // white ^ white
    EXPECT_EQ(window.Pixel(30, 5), 0xFFFFFFu); // white ^ black
    window.s.Blit(0, 0, 40, 30, *frame, 0, 0, RasterOp::SourcePaint);
    EXPECT_EQ(window.Pixel(5, 5), 0xFFFFFFu);
    window.s.Blit(0, 0, 40, 30, *frame, 0, 0, RasterOp::SourceAnd);
    EXPECT_EQ(window.Pixel(30, 5), 0x000000u);
    window.s.Blit(0, 0, 40, 30, *frame, 0, 0, RasterOp::NotSourceCopy);
    EXPECT_EQ(window.Pixel(5, 5), 0x000000u);
    EXPECT_EQ(window.Pixel(30, 5), 0xFFFFFFu);
}

TEST(CairoSurface, AMonoBitmapKeepsItsTopRowAtTheTopOfThePage) {
    ImageSurface window(100, 75);
    window.s.Prepare(kPageMapping, 100, 75, false);
    window.s.PatBlt(0, 0, 1000, 750, RasterOp::Blackness);
    // 8 x 2, bottom-up rows: the bottom row white, the top row black.
    const uint8_t bits[2 * 4] = {0xFF, 0, 0, 0, 0x00, 0, 0, 0};
    MonoBitmap map;
    map.width = 8;
    map.height = 2;
    map.rowBytes = 4;
    map.bottomUp = true;
    map.bits = bits;
    window.s.StretchMonoBitmap(map, 0, 0, 1000, 750, RasterOp::SourceInvert);
    EXPECT_EQ(window.Pixel(50, 10), 0x000000u);
    EXPECT_EQ(window.Pixel(50, 65), 0xFFFFFFu);
}

TEST(CairoSurface, MetricsComeFromTheFixedFontInLogicalUnits) {
    ImageSurface window(500, 375);
    const int pixels = window.s.CharWidth();
    EXPECT_GT(pixels, 3);
    EXPECT_EQ(window.s.TextWidth("abcd"), 4 * pixels);
    window.s.Prepare(kPageMapping, 500, 375, true);
    // Half a pixel per logical unit: twice as many units.
    EXPECT_NEAR(window.s.CharWidth(), 2 * pixels, 1);
    EXPECT_EQ(window.s.LogicalToDevice({1000, 750}), (SurfacePoint{500, 0}));
    EXPECT_EQ(window.s.DeviceToLogical({250, 375}), (SurfacePoint{500, 0}));
    EXPECT_FALSE(window.s.Ellipse(10, 10, 11, 11));
    EXPECT_TRUE(window.s.Ellipse(10, 30, 30, 10));
    EXPECT_EQ(Utf8FromWindows1252("20\260"), "20\xC2\xB0");
}

} // namespace
