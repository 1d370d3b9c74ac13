// The Day/Night movie's map: the committed bitmap is what the movie needs,
// and the reader refuses what it cannot draw.

#include "movies/world_map.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

int WhiteInRect(const MonoBitmap& m, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            n += m.White(x, y);
        }
    }
    return n;
}

// Pixel of a longitude and latitude on the 640 x 350 equirectangular map.
int Column(double lon) {
    return static_cast<int>((lon + 180.0) / 360.0 * 640);
}
int Row(double lat) {
    return static_cast<int>((90.0 - lat) / 180.0 * 350);
}

TEST(WorldMap, IsA640By350CoastlineMap) {
    const std::vector<uint8_t>& bytes = WorldMapBytes();
    MonoBitmap m;
    ASSERT_TRUE(WorldMapFromBitmapBytes(bytes.data(), bytes.size(), m));
    EXPECT_EQ(m.width, 640);
    EXPECT_EQ(m.height, 350);
    EXPECT_EQ(m.rowBytes, 80);
    EXPECT_TRUE(m.bottomUp);
    const int white = WhiteInRect(m, 0, 0, 640, 350);
    EXPECT_NEAR(white / (640.0 * 350.0), 0.055, 0.015);
    // Open ocean has no coast: the middle of the Pacific and of the South
    // Atlantic.
    EXPECT_EQ(WhiteInRect(m, Column(-150), Row(10), Column(-130), Row(-10)), 0);
    EXPECT_EQ(WhiteInRect(m, Column(-25), Row(-20), Column(-10), Row(-35)), 0);
    // Coasts where they are: the Strait of Gibraltar and the Nile delta's
    // coast, the west coast of Africa near the equator, Cape Horn.
    EXPECT_GT(WhiteInRect(m, Column(-7), Row(37), Column(-4), Row(35)), 0);
    EXPECT_GT(WhiteInRect(m, Column(29), Row(32), Column(33), Row(30.5)), 0);
    EXPECT_GT(WhiteInRect(m, Column(8), Row(2), Column(11), Row(-2)), 0);
    EXPECT_GT(WhiteInRect(m, Column(-70), Row(-54), Column(-66), Row(-57)), 0);
}

TEST(WorldMap, ReaderTakesTheResourceFormWithoutTheFileHeader) {
    const std::vector<uint8_t>& bytes = WorldMapBytes();
    MonoBitmap file, resource;
    ASSERT_TRUE(WorldMapFromBitmapBytes(bytes.data(), bytes.size(), file));
    ASSERT_TRUE(WorldMapFromBitmapBytes(bytes.data() + 14, bytes.size() - 14, resource));
    EXPECT_EQ(resource.bits, file.bits);
    EXPECT_EQ(resource.width, 640);
}

TEST(WorldMap, ReaderRefusesWhatItCannotDraw) {
    std::vector<uint8_t> bytes = WorldMapBytes();
    MonoBitmap m;
    EXPECT_FALSE(WorldMapFromBitmapBytes(bytes.data(), bytes.size() - 1, m)); // a row short
    EXPECT_FALSE(WorldMapFromBitmapBytes(bytes.data(), 20, m));
    std::vector<uint8_t> fourBit = bytes;
    fourBit[14 + 14] = 4; // bits per pixel
    EXPECT_FALSE(WorldMapFromBitmapBytes(fourBit.data(), fourBit.size(), m));
    std::vector<uint8_t> packed = bytes;
    packed[14 + 16] = 1; // run-length compressed
    EXPECT_FALSE(WorldMapFromBitmapBytes(packed.data(), packed.size(), m));
    std::vector<uint8_t> offset = bytes;
    offset[10] = 0xFF;
    offset[11] = 0xFF; // bits beyond the end
    EXPECT_FALSE(WorldMapFromBitmapBytes(offset.data(), offset.size(), m));
}

} // namespace
