#include "shell/clipboard.h"

#include "reports/host_hooks.h"
#include "reports/report_view.h"
#include "shell/bitmaps.h"
#include "shell/errors.h"

#include <cstring>

namespace {

constexpr int kTextMemoryError = 851;
constexpr int kBitmapMemoryError = 852;
constexpr int kClipboardError = 697;

// Opens and empties the clipboard for window; another program holding it is
// no reason to end this one.
bool OpenEmptyClipboard(HWND window) {
    if (!OpenClipboard(window)) {
        ErrorBox(window, kClipboardError, false);
        return false;
    }
    if (!EmptyClipboard()) {
        CloseClipboard();
        ErrorBox(window, kClipboardError, false);
        return false;
    }
    return true;
}

void CopyPicture(HWND window, int source) {
    SnapshotClient(window, source);
    HBITMAP picture = Bitmaps().Release(0);
    if (picture == nullptr) {
        FatalError(kBitmapMemoryError, "CLIPBRD", __LINE__);
    }
    // The window keeps a picture of its own for repainting.
    FreeBitmaps();
    SnapshotClient(window, source);
    if (!OpenEmptyClipboard(window)) {
        DeleteObject(picture);
        return;
    }
    if (SetClipboardData(CF_BITMAP, picture) == nullptr) {
        DeleteObject(picture);
    }
    CloseClipboard();
}

void CopyText(HWND window, const ReportBuffer& buffer) {
    const std::string text = ReportClipboardText(buffer);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
    if (block == nullptr) {
        FatalError(kTextMemoryError, "CLIPBRD", __LINE__);
    }
    void* memory = GlobalLock(block);
    if (memory == nullptr) {
        GlobalFree(block);
        FatalError(kTextMemoryError, "CLIPBRD", __LINE__);
    }
    std::memcpy(memory, text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    if (!OpenEmptyClipboard(window)) {
        GlobalFree(block);
        return;
    }
    if (SetClipboardData(CF_TEXT, block) == nullptr) {
        GlobalFree(block);
    }
    CloseClipboard();
}

} // namespace

void CopyToClipboard(HWND window, const ReportBuffer& buffer, int pictureSource) {
    if (buffer.lineCount <= 0) {
        CopyPicture(window, pictureSource);
    } else {
        CopyText(window, buffer);
    }
}
