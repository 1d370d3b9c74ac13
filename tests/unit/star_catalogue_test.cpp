// STARS.DAT: the exact file image is accepted, every malformed one refused;
// the shipped catalogue has the stars the Planetarium dialog relies on.

#include "movies/star_catalogue.h"
#include "settings/star_list.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

// Statuses by name in failure messages.
void PrintTo(StarCatalogueStatus status, std::ostream* out) {
    static const char* const kNames[] = {"kLoaded",  "kCannotOpen", "kWrongSize",
                                         "kBadMark", "kBadCount",   "kBadStar"};
    const auto index = static_cast<std::size_t>(status);
    *out << (index < sizeof kNames / sizeof kNames[0] ? kNames[index] : "?");
}

namespace {

StarCatalogue TwoStars() {
    StarCatalogue catalogue;
    StarRecord sirius;
    sirius.rightAscension = 6.7525;
    sirius.declination = -16.7161;
    sirius.nameNumber = 229;
    sirius.radius = 5;
    sirius.constellation = 13;
    StarRecord faint;
    faint.rightAscension = 23.9999;
    faint.declination = 89.5;
    faint.radius = 1;
    faint.constellation = 87;
    catalogue.stars = {sirius, faint};
    return catalogue;
}

// Writes bytes to a temporary file and reads it back through the stream
// reader, as start-up does.
StarCatalogueStatus ReadImage(const std::vector<unsigned char>& bytes, StarCatalogue& out) {
    std::FILE* file = std::tmpfile();
    EXPECT_NE(file, nullptr);
    if (!bytes.empty()) {
        EXPECT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
    }
    std::rewind(file);
    const StarCatalogueStatus status = ReadStarCatalogue(file, out);
    std::fclose(file);
    return status;
}

TEST(StarCatalogue, TheExactImageDecodesToItsStars) {
    const std::vector<unsigned char> image = EncodeStarCatalogue(TwoStars());
    ASSERT_EQ(image.size(), 83472u);
    // Marks at both ends, little-endian 0x1209C4D4.
    EXPECT_EQ(image[0], 0xD4);
    EXPECT_EQ(image[3], 0x12);
    EXPECT_EQ(image[83464], 0xD4);
    EXPECT_EQ(image[83467], 0x12);
    EXPECT_EQ(image[4], 2);
    // Record 0: radius byte at 16 + 52, name number at 16 + 40.
    EXPECT_EQ(image[16 + 52], 5);
    EXPECT_EQ(image[16 + 40], 229);
    EXPECT_EQ(image[16 + 64], 13);

    StarCatalogue read;
    ASSERT_EQ(ReadImage(image, read), StarCatalogueStatus::kLoaded);
    ASSERT_EQ(read.stars.size(), 2u);
    EXPECT_DOUBLE_EQ(read.stars[0].rightAscension, 6.7525);
    EXPECT_DOUBLE_EQ(read.stars[0].declination, -16.7161);
    EXPECT_EQ(read.stars[0].nameNumber, 229);
    EXPECT_EQ(read.stars[0].radius, 5);
    EXPECT_EQ(read.stars[0].constellation, 13);
    EXPECT_EQ(read.stars[1].nameNumber, 0);
    EXPECT_EQ(read.stars[1].constellation, 87);
    EXPECT_FALSE(read.stars[1].placeComputed);
    EXPECT_FALSE(read.stars[1].inView);
}

TEST(StarCatalogue, RunTimeBytesOfTheFileAreIgnored) {
    std::vector<unsigned char> image = EncodeStarCatalogue(TwoStars());
    for (std::size_t offset : {16u, 44u, 48u, 56u, 60u}) {
        image[16 + offset] = 0xFF; // direction, screen x/y, both flags
    }
    StarCatalogue read;
    ASSERT_EQ(ParseStarCatalogue(image.data(), image.size(), read), StarCatalogueStatus::kLoaded);
    EXPECT_EQ(read.stars[0].screenX, 0);
    EXPECT_FALSE(read.stars[0].inView);
    EXPECT_FALSE(read.stars[0].placeComputed);
    EXPECT_EQ(read.stars[0].direction[0], 0.0);
}

TEST(StarCatalogue, FilesOfAnyOtherSizeAreRefused) {
    const std::vector<unsigned char> image = EncodeStarCatalogue(TwoStars());
    StarCatalogue read;

    std::vector<unsigned char> shorter(image.begin(), image.end() - 1); // 83,471 bytes
    EXPECT_EQ(ReadImage(shorter, read), StarCatalogueStatus::kWrongSize);
    EXPECT_TRUE(read.stars.empty());

    std::vector<unsigned char> longer = image; // 83,473 bytes
    longer.push_back(0);
    EXPECT_EQ(ReadImage(longer, read), StarCatalogueStatus::kWrongSize);
    EXPECT_TRUE(read.stars.empty());

    std::vector<unsigned char> huge = image; // far too long: refused while reading
    huge.resize(200000, 0x41);
    EXPECT_EQ(ReadImage(huge, read), StarCatalogueStatus::kWrongSize);

    EXPECT_EQ(ReadImage({}, read), StarCatalogueStatus::kWrongSize);
}

TEST(StarCatalogue, EitherMarkWrongIsRefused) {
    const std::vector<unsigned char> image = EncodeStarCatalogue(TwoStars());
    StarCatalogue read;

    std::vector<unsigned char> trailing = image;
    trailing[83464] ^= 1;
    EXPECT_EQ(ReadImage(trailing, read), StarCatalogueStatus::kBadMark);
    EXPECT_TRUE(read.stars.empty());

    std::vector<unsigned char> leading = image;
    leading[3] = 0;
    EXPECT_EQ(ReadImage(leading, read), StarCatalogueStatus::kBadMark);

    // The bytes after the trailing mark are free.
    std::vector<unsigned char> tail = image;
    tail[83468] = 0x7F;
    tail[83471] = 0x7F;
    EXPECT_EQ(ReadImage(tail, read), StarCatalogueStatus::kLoaded);
}

TEST(StarCatalogue, StarCountsOutsideTheSlotsAreRefused) {
    std::vector<unsigned char> image = EncodeStarCatalogue(TwoStars());
    StarCatalogue read;

    image[4] = 0x88; // 1160 = 0x488
    image[5] = 0x04;
    EXPECT_EQ(ParseStarCatalogue(image.data(), image.size(), read), StarCatalogueStatus::kBadCount);
    image[4] = 0x87; // 1159: every slot
    EXPECT_EQ(ParseStarCatalogue(image.data(), image.size(), read), StarCatalogueStatus::kLoaded);
    EXPECT_EQ(read.stars.size(), 1159u);
    image[4] = image[5] = image[6] = image[7] = 0xFF; // -1
    EXPECT_EQ(ParseStarCatalogue(image.data(), image.size(), read), StarCatalogueStatus::kBadCount);
    image[4] = image[5] = image[6] = image[7] = 0; // an empty catalogue is a catalogue
    EXPECT_EQ(ParseStarCatalogue(image.data(), image.size(), read), StarCatalogueStatus::kLoaded);
    EXPECT_TRUE(read.stars.empty());
}

// A replaced STARS.DAT may hold anything in a record. A star whose place is
// not a number on the sky, or whose name or constellation is none of the
// string table's, makes the file bad: the planetarium would turn a NaN place
// into screen coordinates, and 200 + a huge name number overflows.
TEST(StarCatalogue, AStarOutsideItsRangesMakesTheFileBad) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const auto statusWith = [](const std::function<void(StarRecord&)>& change) {
        StarCatalogue catalogue = TwoStars();
        change(catalogue.stars[1]);
        const std::vector<unsigned char> image = EncodeStarCatalogue(catalogue);
        StarCatalogue read;
        const StarCatalogueStatus status = ParseStarCatalogue(image.data(), image.size(), read);
        EXPECT_EQ(read.stars.empty(), status != StarCatalogueStatus::kLoaded);
        return status;
    };
    const StarCatalogueStatus bad = StarCatalogueStatus::kBadStar;
    for (double ra : {nan, inf, -inf, 1e308, -0.001, 24.001}) {
        EXPECT_EQ(statusWith([ra](StarRecord& s) { s.rightAscension = ra; }), bad) << ra;
    }
    for (double dec : {nan, inf, -90.001, 90.001}) {
        EXPECT_EQ(statusWith([dec](StarRecord& s) { s.declination = dec; }), bad) << dec;
    }
    for (int name : {-1, 278, INT_MAX}) {
        EXPECT_EQ(statusWith([name](StarRecord& s) { s.nameNumber = name; }), bad) << name;
    }
    for (int constellation : {-1, 89, INT_MAX}) {
        EXPECT_EQ(statusWith([constellation](StarRecord& s) { s.constellation = constellation; }),
                  bad)
            << constellation;
    }
    // The ends of each range are stars like any other; constellation 88 is
    // the string table's "XXX", no constellation.
    EXPECT_EQ(statusWith([](StarRecord& s) {
                  s.rightAscension = 24.0;
                  s.declination = -90.0;
                  s.nameNumber = 277;
                  s.constellation = 88;
              }),
              StarCatalogueStatus::kLoaded);
    EXPECT_EQ(statusWith([](StarRecord& s) {
                  s.rightAscension = 0.0;
                  s.declination = 90.0;
              }),
              StarCatalogueStatus::kLoaded);
    // Only the n stars of the count are read: a bad record past them is
    // an unused slot.
    StarCatalogue three = TwoStars();
    three.stars.push_back(three.stars[0]);
    three.stars[2].rightAscension = nan;
    std::vector<unsigned char> image = EncodeStarCatalogue(three);
    image[4] = 2;
    StarCatalogue read;
    EXPECT_EQ(ParseStarCatalogue(image.data(), image.size(), read), StarCatalogueStatus::kLoaded);
}

TEST(StarCatalogue, ProgramCatalogueIsAbsentAfterAFailedLoad) {
    const std::string path = ::testing::TempDir() + "star_catalogue_test.dat";
    const std::vector<unsigned char> image = EncodeStarCatalogue(TwoStars());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(image.data(), 1, image.size(), file);
    std::fclose(file);

    ASSERT_EQ(LoadStarCatalogue(path.c_str()), StarCatalogueStatus::kLoaded);
    ASSERT_NE(LoadedStarCatalogue(), nullptr);
    EXPECT_EQ(LoadedStarCatalogue()->stars.size(), 2u);

    file = std::fopen(path.c_str(), "ab");
    std::fputc(0, file); // one byte too many
    std::fclose(file);
    EXPECT_EQ(LoadStarCatalogue(path.c_str()), StarCatalogueStatus::kWrongSize);
    EXPECT_EQ(LoadedStarCatalogue(), nullptr);

    std::remove(path.c_str());
    EXPECT_EQ(LoadStarCatalogue(path.c_str()), StarCatalogueStatus::kCannotOpen);
    EXPECT_EQ(LoadedStarCatalogue(), nullptr);
    FreeStarCatalogue();
}

// The catalogue shipped beside the program: the one the Planetarium dialog
// lists, which must hold exactly 284 named stars.
TEST(StarCatalogue, ShippedCatalogueHasItsNamedStars) {
    const std::string path = std::string(CAELOR_SOURCE_DIR) + "/caelor/data/STARS.DAT";
    ASSERT_EQ(LoadStarCatalogue(path.c_str()), StarCatalogueStatus::kLoaded);
    const StarCatalogue& catalogue = *LoadedStarCatalogue();
    ASSERT_EQ(catalogue.stars.size(), 1159u);

    std::vector<StarNameRecord> names;
    int brightest = 0;
    for (const StarRecord& star : catalogue.stars) {
        EXPECT_GE(star.rightAscension, 0.0);
        EXPECT_LT(star.rightAscension, 24.0);
        EXPECT_GE(star.declination, -90.0);
        EXPECT_LE(star.declination, 90.0);
        EXPECT_GE(star.radius, 1);
        EXPECT_LE(star.radius, 5);
        EXPECT_GE(star.constellation, 0);
        EXPECT_LE(star.constellation, 87);
        EXPECT_GE(star.nameNumber, 0);
        EXPECT_LE(star.nameNumber, 277);
        brightest += star.radius == 5 ? 1 : 0;
        names.push_back({star.nameNumber, star.constellation});
    }
    // Magnitude below 0.5: Sirius, Canopus, Arcturus, alpha Centauri A,
    // Vega, Capella, Rigel, Procyon, Achernar.
    EXPECT_EQ(brightest, 9);

    const std::vector<StarListEntry> list =
        PlanetariumStarList(names.data(), static_cast<int>(names.size()));
    EXPECT_EQ(static_cast<int>(list.size()), kNamedStarCount);
    auto find = [&list](const std::string& text) {
        for (const StarListEntry& entry : list) {
            if (entry.text == text) {
                return entry.star;
            }
        }
        return -1;
    };
    // The brightest star comes first in the file; its place is Sirius's.
    EXPECT_EQ(find("CMa/Sirius"), 0);
    const StarRecord& sirius = catalogue.stars[0];
    EXPECT_NEAR(sirius.rightAscension, 6.7525, 1e-9);
    EXPECT_NEAR(sirius.declination, -16.7161, 1e-9);
    const int polaris = find("UMi/Polaris");
    ASSERT_GE(polaris, 0);
    EXPECT_GT(catalogue.stars[polaris].declination, 89.0);
    EXPECT_GE(find("Ori/Betelgeuse"), 0);
    EXPECT_GE(find("Cru/Acrux 1"), 0);
    EXPECT_GE(find("Tau/Pleione (p)"), 0);
    FreeStarCatalogue();
}

} // namespace
