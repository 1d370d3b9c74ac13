#include "movies/star_catalogue.h"

#include <cstring>
#include <memory>

namespace {

constexpr std::size_t kReadPiece = 1024;

// Record field offsets.
constexpr std::size_t kRaOffset = 0;
constexpr std::size_t kDecOffset = 8;
constexpr std::size_t kNameOffset = 40;
constexpr std::size_t kRadiusOffset = 52;
constexpr std::size_t kConstellationOffset = 64;

std::uint32_t GetU32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::int32_t GetI32(const unsigned char* p) {
    return static_cast<std::int32_t>(GetU32(p));
}

double GetDouble(const unsigned char* p) {
    const std::uint64_t bits =
        static_cast<std::uint64_t>(GetU32(p)) | static_cast<std::uint64_t>(GetU32(p + 4)) << 32;
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void PutU32(unsigned char* p, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

void PutDouble(unsigned char* p, double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    PutU32(p, static_cast<std::uint32_t>(bits));
    PutU32(p + 4, static_cast<std::uint32_t>(bits >> 32));
}

// Name numbers 1 .. 277 have names in the string table, constellations 0 .. 88
// abbreviations (88 "XXX": none).
constexpr int kLastNameNumber = 277;
constexpr int kLastConstellation = 88;

// A star the program can use: its place a point of the sky (NaN fails every
// comparison) and its numbers those of the string table. The planetarium
// turns the place into screen coordinates, and the dialog adds the numbers to
// string ids, so anything else would be undefined there.
bool StarInRange(const StarRecord& star) {
    return star.rightAscension >= 0.0 && star.rightAscension <= 24.0 && star.declination >= -90.0 &&
           star.declination <= 90.0 && star.nameNumber >= 0 && star.nameNumber <= kLastNameNumber &&
           star.constellation >= 0 && star.constellation <= kLastConstellation;
}

std::unique_ptr<StarCatalogue> g_catalogue;

} // namespace

StarCatalogueStatus ParseStarCatalogue(const unsigned char* bytes, std::size_t size,
                                       StarCatalogue& out) {
    out.stars.clear();
    if (size != kStarFileSize) {
        return StarCatalogueStatus::kWrongSize;
    }
    if (GetI32(bytes) != kStarFileMark || GetI32(bytes + kStarTrailerOffset) != kStarFileMark) {
        return StarCatalogueStatus::kBadMark;
    }
    // A count beyond the slots would read past the records into the mark.
    const std::int32_t count = GetI32(bytes + 4);
    if (count < 0 || count > kStarSlots) {
        return StarCatalogueStatus::kBadCount;
    }
    out.stars.resize(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        const unsigned char* r = bytes + kStarRecordsOffset + kStarRecordSize * i;
        StarRecord& star = out.stars[static_cast<std::size_t>(i)];
        star.rightAscension = GetDouble(r + kRaOffset);
        star.declination = GetDouble(r + kDecOffset);
        star.nameNumber = GetI32(r + kNameOffset);
        star.radius = r[kRadiusOffset];
        star.constellation = GetI32(r + kConstellationOffset);
        if (!StarInRange(star)) {
            out.stars.clear();
            return StarCatalogueStatus::kBadStar;
        }
    }
    return StarCatalogueStatus::kLoaded;
}

StarCatalogueStatus ReadStarCatalogue(std::FILE* file, StarCatalogue& out) {
    out.stars.clear();
    std::vector<unsigned char> image(kStarFileSize);
    std::size_t total = 0;
    unsigned char piece[kReadPiece];
    for (;;) {
        const std::size_t got = std::fread(piece, 1, sizeof piece, file);
        if (got == 0) {
            break;
        }
        if (got > kStarFileSize - total) {
            return StarCatalogueStatus::kWrongSize;
        }
        std::memcpy(image.data() + total, piece, got);
        total += got;
    }
    if (std::ferror(file)) {
        return StarCatalogueStatus::kCannotOpen;
    }
    return ParseStarCatalogue(image.data(), total, out);
}

std::vector<unsigned char> EncodeStarCatalogue(const StarCatalogue& catalogue) {
    std::vector<unsigned char> image(kStarFileSize, 0);
    const std::size_t count = catalogue.stars.size() < static_cast<std::size_t>(kStarSlots)
                                  ? catalogue.stars.size()
                                  : kStarSlots;
    PutU32(image.data(), static_cast<std::uint32_t>(kStarFileMark));
    PutU32(image.data() + 4, static_cast<std::uint32_t>(count));
    PutU32(image.data() + kStarTrailerOffset, static_cast<std::uint32_t>(kStarFileMark));
    for (std::size_t i = 0; i < count; ++i) {
        unsigned char* r = image.data() + kStarRecordsOffset + kStarRecordSize * i;
        const StarRecord& star = catalogue.stars[i];
        PutDouble(r + kRaOffset, star.rightAscension);
        PutDouble(r + kDecOffset, star.declination);
        PutU32(r + kNameOffset, static_cast<std::uint32_t>(star.nameNumber));
        r[kRadiusOffset] = static_cast<unsigned char>(star.radius);
        PutU32(r + kConstellationOffset, static_cast<std::uint32_t>(star.constellation));
    }
    return image;
}

StarCatalogueStatus LoadStarCatalogue(const char* path) {
    g_catalogue.reset();
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return StarCatalogueStatus::kCannotOpen;
    }
    auto catalogue = std::make_unique<StarCatalogue>();
    const StarCatalogueStatus status = ReadStarCatalogue(file, *catalogue);
    std::fclose(file);
    if (status == StarCatalogueStatus::kLoaded) {
        g_catalogue = std::move(catalogue);
    }
    return status;
}

void FreeStarCatalogue() {
    g_catalogue.reset();
}

StarCatalogue* LoadedStarCatalogue() {
    return g_catalogue.get();
}
