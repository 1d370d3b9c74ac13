// The drawing surface's arithmetic (the isotropic page, the drawing size) and
// the bookkeeping of the four bitmap slots.

#include "report_test_support.h"

#include "graphs/bitmap_slots.h"
#include "graphs/page_mapping.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(PageMapping, ThePageIsMappedYUpFromTheBottomLeft) {
    const PageMapping mapping = IsotropicPageMapping(640, 480);
    EXPECT_EQ(mapping.windowExtentX, 1000);
    EXPECT_EQ(mapping.windowExtentY, 750);
    EXPECT_EQ(mapping.viewportExtentX, 640);
    EXPECT_EQ(mapping.viewportExtentY, -480);
    EXPECT_EQ(mapping.viewportOriginX, 0);
    EXPECT_EQ(mapping.viewportOriginY, 480);
}

TEST(PageMapping, ASurfaceWithoutAreaStillGetsAValidMapping) {
    const PageMapping mapping = IsotropicPageMapping(0, 0);
    EXPECT_EQ(mapping.viewportExtentX, 1);
    EXPECT_EQ(mapping.viewportExtentY, -1);
    EXPECT_EQ(mapping.viewportOriginY, 0);
}

TEST(PageMapping, AFourByThreeSurfaceIsFilled) {
    const PageExtent extent = IsotropicPageExtent(800, 600);
    EXPECT_EQ(extent.width, 800);
    EXPECT_EQ(extent.height, 600);
    EXPECT_EQ(PageToDevice(800, 600, 0, 0).x, 0);
    EXPECT_EQ(PageToDevice(800, 600, 0, 0).y, 600);
    EXPECT_EQ(PageToDevice(800, 600, 1000, 750).x, 800);
    EXPECT_EQ(PageToDevice(800, 600, 1000, 750).y, 0);
    EXPECT_EQ(PageToDevice(800, 600, 500, 375).x, 400);
    EXPECT_EQ(PageToDevice(800, 600, 500, 375).y, 300);
}

TEST(PageMapping, AWideWindowLeavesABandAtTheRight) {
    const PageExtent extent = IsotropicPageExtent(1600, 600);
    EXPECT_EQ(extent.width, 800);
    EXPECT_EQ(extent.height, 600);
    EXPECT_EQ(PageToDevice(1600, 600, 1000, 750).x, 800);
    EXPECT_EQ(PageToDevice(1600, 600, 1000, 750).y, 0);
}

TEST(PageMapping, ATallWindowLeavesABandAtTheTop) {
    const PageExtent extent = IsotropicPageExtent(800, 1200);
    EXPECT_EQ(extent.width, 800);
    EXPECT_EQ(extent.height, 600);
    EXPECT_EQ(PageToDevice(800, 1200, 0, 0).y, 1200);
    EXPECT_EQ(PageToDevice(800, 1200, 1000, 750).y, 600);
}

TEST(PageMapping, OddSizesRoundAndNeverVanish) {
    const PageExtent extent = IsotropicPageExtent(1001, 100);
    EXPECT_EQ(extent.width, 133); // 100 * 4 / 3 = 133.3
    EXPECT_EQ(extent.height, 100);
    const PageExtent tiny = IsotropicPageExtent(0, 0);
    EXPECT_EQ(tiny.width, 1);
    EXPECT_EQ(tiny.height, 1);
}

TEST(DrawingSize, AWindowSmallerThanItsFirstSizeClipsThePage) {
    DrawingSize size;
    EXPECT_FALSE(size.Known());
    size.OnClientSize(800, 600);
    EXPECT_TRUE(size.Known());
    size.OnClientSize(400, 300);
    EXPECT_EQ(size.Width(), 800);
    EXPECT_EQ(size.Height(), 600);
    size.OnClientSize(0, 0); // minimised
    EXPECT_EQ(size.Width(), 800);
    EXPECT_EQ(size.Height(), 600);
}

TEST(DrawingSize, EachAxisFollowsALargerWindowAndComesBackToTheFirstSize) {
    DrawingSize size;
    size.OnClientSize(800, 600);
    size.OnClientSize(1200, 500);
    EXPECT_EQ(size.Width(), 1200);
    EXPECT_EQ(size.Height(), 600);
    size.OnClientSize(900, 900);
    EXPECT_EQ(size.Width(), 900);
    EXPECT_EQ(size.Height(), 900);
    size.OnClientSize(100, 100);
    EXPECT_EQ(size.Width(), 800);
    EXPECT_EQ(size.Height(), 600);
}

// Handles are small integers; deletions are recorded in order.
struct FakeGdi {
    using Bitmap = int;
    using Surface = long;
    using Region = short;
    std::vector<std::string>* log;
    bool failDeletes = false;
    bool DeleteBitmap(Bitmap b) {
        log->push_back("bitmap " + std::to_string(b));
        return !failDeletes;
    }
    bool DeleteSurface(Surface s) {
        log->push_back("surface " + std::to_string(s));
        return !failDeletes;
    }
    bool DeleteRegion(Region r) {
        log->push_back("region " + std::to_string(r));
        return !failDeletes;
    }
};

TEST(BitmapSlots, FreeingEmptiesEverySlotOnceAndTheTrailsSurfaceGoesFirst) {
    std::vector<std::string> log;
    BitmapSlots<FakeGdi> slots(FakeGdi{&log});
    slots.Store(kSnapshotSlot, 10);
    slots.Store(kMovieFrameSlot, 12);
    slots.Store(kJetTrailsSlot, 13);
    slots.SetJetTrails(20, 30);
    slots.FreeAll();
    EXPECT_EQ(log, (std::vector<std::string>{"surface 20", "region 30", "bitmap 10", "bitmap 12",
                                             "bitmap 13"}));
    for (int slot = 0; slot < kBitmapSlotCount; ++slot) {
        EXPECT_TRUE(slots.Empty(slot)) << slot;
    }
    EXPECT_EQ(slots.JetTrailsSurface(), 0);
    EXPECT_EQ(slots.JetTrailsClip(), 0);
    log.clear();
    slots.FreeAll();
    EXPECT_TRUE(log.empty());
}

TEST(BitmapSlots, ReplacingABitmapOrTheTrailsSurfaceDeletesTheOldOne) {
    std::vector<std::string> log;
    BitmapSlots<FakeGdi> slots(FakeGdi{&log});
    slots.Store(kWorldMapSlot, 5);
    slots.Store(kWorldMapSlot, 6);
    EXPECT_EQ(log, (std::vector<std::string>{"bitmap 5"}));
    EXPECT_EQ(slots.Get(kWorldMapSlot), 6);
    log.clear();
    slots.SetJetTrails(20, 30);
    slots.SetJetTrails(21, 30);
    EXPECT_EQ(log, (std::vector<std::string>{"surface 20"}));
    EXPECT_EQ(slots.JetTrailsSurface(), 21);
    EXPECT_EQ(slots.JetTrailsClip(), 30);
}

TEST(BitmapSlots, AReleasedBitmapBelongsToTheCaller) {
    std::vector<std::string> log;
    BitmapSlots<FakeGdi> slots(FakeGdi{&log});
    slots.Store(kSnapshotSlot, 7);
    EXPECT_EQ(slots.Release(kSnapshotSlot), 7);
    EXPECT_TRUE(slots.Empty(kSnapshotSlot));
    slots.FreeAll();
    EXPECT_TRUE(log.empty());
}

TEST(BitmapSlots, AFailedDeletionIsTheGdiErrorAndASlotOutsideIsInternal) {
    ScopedHost scope;
    std::vector<std::string> log;
    BitmapSlots<FakeGdi> slots(FakeGdi{&log, true});
    slots.Store(kSnapshotSlot, 1);
    try {
        slots.FreeAll();
        FAIL() << "no fatal error";
    } catch (const FatalErrorRaised& error) {
        EXPECT_EQ(error.messageId, 693);
    }
    try {
        slots.Get(4);
        FAIL() << "no fatal error";
    } catch (const FatalErrorRaised& error) {
        EXPECT_EQ(error.messageId, 690);
    }
}

} // namespace
