// The four bitmap slots of the main window (see graphs/bitmap_slots.h) over
// GDI handles, and the snapshot of the client area that repaints, Copy and
// Print reuse. Failures are fatal IDS_GDI_ERROR (module BITMAPS).
#pragma once

#include "graphs/bitmap_slots.h"

#include <windows.h>

struct GdiBitmapHandles {
    using Bitmap = HBITMAP;
    using Surface = HDC;
    using Region = HRGN;
    bool DeleteBitmap(HBITMAP bitmap) { return DeleteObject(bitmap) != 0; }
    bool DeleteSurface(HDC surface) { return DeleteDC(surface) != 0; }
    bool DeleteRegion(HRGN region) { return DeleteObject(region) != 0; }
};

using GdiBitmapSlots = BitmapSlots<GdiBitmapHandles>;

// The program's slots; movies store their world map, frame and jet trails
// here, the clipboard releases the snapshot from slot 0.
GdiBitmapSlots& Bitmaps();

// Empties every slot (and deletes the jet-trails surface and clip region).
void FreeBitmaps();

// Frees every slot, then fills slot 0 with a copy of window's client area
// drawn by command source (0 for none), which the snapshot remembers.
void SnapshotClient(HWND window, int source);

// The command that drew the picture in slot 0; 0 when the slot is empty.
int SnapshotSource();

// Paints slot 0 into paintDc as the 1000 x 750 page of a drawing surface of
// width x height; false (nothing painted) when slot 0 is empty.
bool PaintSnapshot(HDC paintDc, int width, int height);
