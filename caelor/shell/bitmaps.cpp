#include "shell/bitmaps.h"

#include "shell/errors.h"
#include "shell/movie_player.h"
#include "shell/surface.h"

namespace {

void Check(bool succeeded, long line) {
    if (!succeeded) {
        ShellFatalError(IDS_GDI_ERROR, "BITMAPS", line);
    }
}

HGDIOBJ Select(HDC dc, HGDIOBJ object, long line) {
    HGDIOBJ previous = SelectObject(dc, object);
    Check(previous != nullptr && previous != HGDI_ERROR, line);
    return previous;
}

int g_snapshotSource = 0;

} // namespace

GdiBitmapSlots& Bitmaps() {
    static GdiBitmapSlots slots;
    return slots;
}

void FreeBitmaps() {
    // The running movie's jet trails and world map are bitmaps of the window
    // too: freeing the bitmaps erases the trails.
    FreeMovieSurfaces();
    Bitmaps().FreeAll();
}

int SnapshotSource() {
    return Bitmaps().Empty(kSnapshotSlot) ? 0 : g_snapshotSource;
}

void SnapshotClient(HWND window, int source) {
    FreeBitmaps();
    g_snapshotSource = source;
    RECT client;
    Check(GetClientRect(window, &client) != 0, __LINE__);
    // A minimised window has no client area; keep a one-pixel picture.
    const int width = client.right > 0 ? client.right : 1;
    const int height = client.bottom > 0 ? client.bottom : 1;

    HDC windowDc = GetDC(window);
    Check(windowDc != nullptr, __LINE__);
    HGDIOBJ windowPen = GetCurrentObject(windowDc, OBJ_PEN);
    HFONT windowFont = PrepareSurface(windowDc, kDeviceMapping, width, height, true);

    HBITMAP bitmap = CreateCompatibleBitmap(windowDc, width, height);
    Check(bitmap != nullptr, __LINE__);
    Bitmaps().Store(kSnapshotSlot, bitmap);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    Check(memoryDc != nullptr, __LINE__);
    HGDIOBJ memoryBitmap = Select(memoryDc, bitmap, __LINE__);
    Check(PatBlt(memoryDc, 0, 0, width, height, BLACKNESS) != 0, __LINE__);
    HFONT memoryFont = PrepareSurface(memoryDc, kDeviceMapping, width, height, false);
    Check(BitBlt(memoryDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY) != 0, __LINE__);

    Select(memoryDc, memoryFont, __LINE__);
    Select(memoryDc, memoryBitmap, __LINE__);
    Check(DeleteDC(memoryDc) != 0, __LINE__);
    Select(windowDc, windowFont, __LINE__);
    Select(windowDc, windowPen, __LINE__);
    ReleaseDC(window, windowDc);
}

bool PaintSnapshot(HDC paintDc, int width, int height) {
    HBITMAP snapshot = Bitmaps().Get(kSnapshotSlot);
    if (snapshot == nullptr) {
        return false;
    }
    HGDIOBJ paintPen = GetCurrentObject(paintDc, OBJ_PEN);
    HFONT paintFont = PrepareSurface(paintDc, kPageMapping, width, height, true);
    HDC memoryDc = CreateCompatibleDC(paintDc);
    Check(memoryDc != nullptr, __LINE__);
    HGDIOBJ memoryBitmap = Select(memoryDc, snapshot, __LINE__);
    HGDIOBJ memoryPen = GetCurrentObject(memoryDc, OBJ_PEN);
    HFONT memoryFont = PrepareSurface(memoryDc, kPageMapping, width, height, true);
    Check(BitBlt(paintDc, 0, 0, kPageWidth, kPageHeight, memoryDc, 0, 0, SRCCOPY) != 0, __LINE__);

    Select(memoryDc, memoryFont, __LINE__);
    Select(memoryDc, memoryPen, __LINE__);
    Select(memoryDc, memoryBitmap, __LINE__);
    Check(DeleteDC(memoryDc) != 0, __LINE__);
    Select(paintDc, paintFont, __LINE__);
    Select(paintDc, paintPen, __LINE__);
    return true;
}
