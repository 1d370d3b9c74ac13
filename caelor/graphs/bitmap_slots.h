// The four bitmap slots of the main window: slot 0 the snapshot of the client
// area, slot 1 the Day/Night world map, slot 2 the movie frame, slot 3 the
// jet trails (with its drawing surface and clip region). Each slot is empty
// or owns one bitmap.
//
// Gdi supplies the handle types (Bitmap, Surface, Region; a value-initialised
// handle is "none") and DeleteBitmap/DeleteSurface/DeleteRegion returning
// false on failure, so the bookkeeping is the same for GDI and for tests.
#pragma once

#include "reports/host_hooks.h"
#include "resources/string_ids.h"

constexpr int kSnapshotSlot = 0;
constexpr int kWorldMapSlot = 1;
constexpr int kMovieFrameSlot = 2;
constexpr int kJetTrailsSlot = 3;
constexpr int kBitmapSlotCount = 4;

template <typename Gdi> class BitmapSlots {
  public:
    using Bitmap = typename Gdi::Bitmap;
    using Surface = typename Gdi::Surface;
    using Region = typename Gdi::Region;

    explicit BitmapSlots(Gdi gdi = Gdi{}) : gdi_(gdi) {}

    Gdi& Platform() { return gdi_; }

    Bitmap Get(int slot) const { return bitmaps_[Checked(slot)]; }
    bool Empty(int slot) const { return Get(slot) == Bitmap{}; }

    // The slot takes ownership of bitmap; a bitmap it held before is deleted,
    // so none is ever lost.
    void Store(int slot, Bitmap bitmap) {
        const int index = Checked(slot);
        if (bitmaps_[index] != Bitmap{} && bitmaps_[index] != bitmap) {
            Delete(gdi_.DeleteBitmap(bitmaps_[index]), __LINE__);
        }
        bitmaps_[index] = bitmap;
    }

    // Empties the slot and hands its bitmap to the caller (the clipboard).
    Bitmap Release(int slot) {
        const int index = Checked(slot);
        const Bitmap bitmap = bitmaps_[index];
        bitmaps_[index] = Bitmap{};
        return bitmap;
    }

    // The jet trails' drawing surface (holding slot 3's bitmap) and its clip
    // region; both owned here from now on, and ones held before are deleted.
    void SetJetTrails(Surface surface, Region clip) {
        if (jetSurface_ != Surface{} && jetSurface_ != surface) {
            Delete(gdi_.DeleteSurface(jetSurface_), __LINE__);
        }
        if (jetClip_ != Region{} && jetClip_ != clip) {
            Delete(gdi_.DeleteRegion(jetClip_), __LINE__);
        }
        jetSurface_ = surface;
        jetClip_ = clip;
    }
    Surface JetTrailsSurface() const { return jetSurface_; }
    Region JetTrailsClip() const { return jetClip_; }

    // Deletes the jet-trails surface first (it holds slot 3's bitmap), then
    // its clip region, then every bitmap; every slot is empty afterwards.
    void FreeAll() {
        if (jetSurface_ != Surface{}) {
            Delete(gdi_.DeleteSurface(jetSurface_), __LINE__);
            jetSurface_ = Surface{};
        }
        if (jetClip_ != Region{}) {
            Delete(gdi_.DeleteRegion(jetClip_), __LINE__);
            jetClip_ = Region{};
        }
        for (Bitmap& bitmap : bitmaps_) {
            if (bitmap != Bitmap{}) {
                Delete(gdi_.DeleteBitmap(bitmap), __LINE__);
                bitmap = Bitmap{};
            }
        }
    }

  private:
    static int Checked(int slot) {
        if (slot < 0 || slot >= kBitmapSlotCount) {
            FatalError(IDS_INTERNAL_ERROR, "BITMAPS", __LINE__);
        }
        return slot;
    }
    static void Delete(bool deleted, int line) {
        if (!deleted) {
            FatalError(IDS_GDI_ERROR, "BITMAPS", line);
        }
    }

    Gdi gdi_;
    Bitmap bitmaps_[kBitmapSlotCount] = {};
    Surface jetSurface_{};
    Region jetClip_{};
};
