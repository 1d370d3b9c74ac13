// STARS.DAT lies beside the program where a user can replace it, so the
// reader meets any bytes at all. It must never fault, the stream reader and
// the image decoder must agree, a catalogue it accepts must survive being
// written and read again, and the planetarium and its star list must be able
// to use every star it accepts.
//
// Almost every input has the wrong length, and the reader stops there. So
// each input is also fitted to the one length it accepts (cut or padded with
// zeros) and given its two marks: the mutator then works on the star count
// and the records themselves.
#include "movies/planetarium.h"
#include "movies/star_catalogue.h"
#include "settings/star_list.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "star catalogue: %s\n", what);
    std::abort();
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool SameStars(const StarCatalogue& a, const StarCatalogue& b) {
    if (a.stars.size() != b.stars.size()) {
        return false;
    }
    for (size_t i = 0; i < a.stars.size(); ++i) {
        const StarRecord& x = a.stars[i];
        const StarRecord& y = b.stars[i];
        if (!SameBits(x.rightAscension, y.rightAscension) ||
            !SameBits(x.declination, y.declination) || x.nameNumber != y.nameNumber ||
            x.radius != y.radius || x.constellation != y.constellation) {
            return false;
        }
    }
    return true;
}

// The file read through a stream, in the reader's pieces, as at start-up.
void CheckStreamAgrees(const uint8_t* data, size_t size, StarCatalogueStatus status,
                       const StarCatalogue& decoded) {
    if (size == 0) {
        return; // fmemopen takes no empty buffer
    }
    std::FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "r");
    if (file == nullptr) {
        return;
    }
    StarCatalogue read;
    const StarCatalogueStatus streamed = ReadStarCatalogue(file, read);
    std::fclose(file);
    if (streamed != status || !SameStars(read, decoded)) {
        Fail("the stream reader and the image decoder disagree");
    }
}

// What the program does with a catalogue it accepted.
void UseCatalogue(StarCatalogue& catalogue, const unsigned char* image) {
    std::int32_t count;
    std::memcpy(&count, image + 4, sizeof count);
    if (catalogue.stars.size() > static_cast<size_t>(kStarSlots) ||
        catalogue.stars.size() != static_cast<size_t>(count)) {
        Fail("the number of stars is not the file's count");
    }

    const std::vector<unsigned char> written = EncodeStarCatalogue(catalogue);
    StarCatalogue again;
    if (ParseStarCatalogue(written.data(), written.size(), again) != StarCatalogueStatus::kLoaded ||
        !SameStars(again, catalogue)) {
        Fail("a catalogue written out does not read back the same");
    }

    // The Planetarium dialog's list of named stars.
    std::vector<StarNameRecord> names;
    int named = -1;
    for (const StarRecord& star : catalogue.stars) {
        names.push_back(StarNameRecord{star.nameNumber, star.constellation});
        if (named < 0 && star.nameNumber != 0) {
            named = static_cast<int>(names.size()) - 1;
        }
    }
    const std::vector<StarListEntry> list =
        PlanetariumStarList(names.data(), static_cast<int>(names.size()));
    for (const StarListEntry& entry : list) {
        if (entry.star < 0 || entry.star >= static_cast<int>(names.size())) {
            Fail("the star list names a star the catalogue does not hold");
        }
    }

    // The first frame of the planetarium, which places every star: once with
    // the view held still, once following a star of the file.
    constexpr int kSide = 750;
    const MovieStart start{2026, 1, 10, 22, 0};
    for (int target : {0, kStarTarget}) {
        MovieObserver observer{};
        observer.location.latitude = 51.5;
        observer.location.latitudeHemisphere = kNorth;
        observer.viewAngle = 90.0;
        observer.timeSpeed = 1;
        PlanetariumSettings settings;
        settings.target = target;
        settings.star = named >= 0 ? named : 0;
        settings.viewSet = 1u << kViewStarsBit;
        PlanetariumState state;
        state.tracking = target == kStarTarget ? kTrackEveryFrame : kFreeView;
        PlanetariumCompute(observer, start, settings, state, &catalogue, kSide, 10, 0, 2461000.0);
        for (const StarRecord& star : catalogue.stars) {
            if (star.inView && (star.screenX < 0 || star.screenX > kSide || star.screenY < 0 ||
                                star.screenY > kSide)) {
                Fail("a star in view lies outside the view");
            }
        }
    }
}

void PutMark(unsigned char* p) {
    const std::uint32_t mark = static_cast<std::uint32_t>(kStarFileMark);
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<unsigned char>(mark >> (8 * i));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The bytes as the file would hold them.
    StarCatalogue decoded;
    const StarCatalogueStatus status = ParseStarCatalogue(data, size, decoded);
    if (status != StarCatalogueStatus::kLoaded && !decoded.stars.empty()) {
        Fail("a refused file left stars behind");
    }
    CheckStreamAgrees(data, size, status, decoded);
    if (status == StarCatalogueStatus::kLoaded) {
        UseCatalogue(decoded, data);
        return 0; // the fitted image below would be these same bytes
    }

    // The bytes fitted to the file's length, with both marks.
    std::vector<unsigned char> image(data, data + (size < kStarFileSize ? size : kStarFileSize));
    image.resize(kStarFileSize, 0);
    PutMark(image.data());
    PutMark(image.data() + kStarTrailerOffset);
    StarCatalogue fitted;
    if (ParseStarCatalogue(image.data(), image.size(), fitted) == StarCatalogueStatus::kLoaded) {
        UseCatalogue(fitted, image.data());
    }
    return 0;
}
