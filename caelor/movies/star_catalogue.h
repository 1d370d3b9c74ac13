// The star catalogue STARS.DAT: read once at start-up, kept for the whole
// run, and used by the Planetarium movie (star places) and its dialog (the
// named stars).
//
// File layout (binary, little-endian, exactly kStarFileSize bytes):
//   0   int32  kStarFileMark
//   4   int32  star count n, 0 .. kStarSlots
//   8   8 bytes not used
//   16  kStarSlots records of kStarRecordSize bytes; the first n hold stars
//   83,464 int32 kStarFileMark again; the last 4 bytes are not used
// Record (offsets inside the 72 bytes):
//   0 double right ascension, equinox and epoch 2000.0, hours
//   8 double declination, 2000.0, degrees
//   16 3 doubles, 44 int32, 48 int32, 56 int32, 60 int32: run-time fields,
//      whatever the file holds there is ignored
//   40 int32 name number: 0 none, else the name is string
//      IDS_STAR_NAME_FIRST + number - 1
//   52 uint8 drawing radius in logical units (the brightness class)
//   64 int32 constellation number 0 .. 87, abbreviation string
//      IDS_CONSTELLATION_FIRST + number
//      (88, "XXX", is read as no constellation)
// A file is bad when any of its n stars has a right ascension outside
// 0 .. 24 hours, a declination outside -90 .. 90 degrees (or either is not a
// number), a name number outside 0 .. 277 or a constellation outside 0 .. 88.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

constexpr std::size_t kStarFileSize = 83472;
constexpr std::int32_t kStarFileMark = 302630100; // 0x1209C4D4
constexpr int kStarSlots = 1159;
constexpr std::size_t kStarRecordSize = 72;
constexpr std::size_t kStarRecordsOffset = 16;
constexpr std::size_t kStarTrailerOffset = 83464;

// One catalogue star: the fields from the file, then the run-time fields
// the planetarium keeps between frames (zero after loading).
struct StarRecord {
    double rightAscension = 0.0; // hours, J2000
    double declination = 0.0;    // degrees, J2000
    int nameNumber = 0;          // 0: no name; else 1 .. 277 (names.h)
    int radius = 0;              // drawing radius, logical units
    int constellation = 0;       // 0 .. 87, 88 none

    double direction[3] = {0.0, 0.0, 0.0}; // unit vector of the apparent place
    int screenX = 0;
    int screenY = 0;
    bool placeComputed = false; // direction holds this run's apparent place
    bool inView = false;
};

struct StarCatalogue {
    std::vector<StarRecord> stars; // the n stars, in file order
};

enum class StarCatalogueStatus {
    kLoaded,
    kCannotOpen, // the file cannot be opened or read
    kWrongSize,  // shorter or longer than kStarFileSize
    kBadMark,    // either mark is not kStarFileMark
    kBadCount,   // star count outside 0 .. kStarSlots
    kBadStar,    // one of the n stars lies outside the ranges above
};

// Decodes a whole file image. Anything but kLoaded leaves out empty.
StarCatalogueStatus ParseStarCatalogue(const unsigned char* bytes, std::size_t size,
                                       StarCatalogue& out);

// Reads an open file in pieces of 1,024 bytes and decodes it; stops at once
// when the file grows past kStarFileSize, so an oversized file is never
// read whole.
StarCatalogueStatus ReadStarCatalogue(std::FILE* file, StarCatalogue& out);

// The file image of a catalogue: the inverse of ParseStarCatalogue, with
// the run-time fields written as zero. At most kStarSlots stars are written.
std::vector<unsigned char> EncodeStarCatalogue(const StarCatalogue& catalogue);

// The program's one catalogue, loaded from the file at path (opened "rb").
// On any failure there is no catalogue. A second load replaces the first.
StarCatalogueStatus LoadStarCatalogue(const char* path);

// Drops the program's catalogue (at exit).
void FreeStarCatalogue();

// The loaded catalogue, or nullptr when there is none. The planetarium
// writes the run-time fields of its stars; nothing is written back.
StarCatalogue* LoadedStarCatalogue();
