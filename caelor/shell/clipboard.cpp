#include "shell/clipboard.h"

#include "reports/host_hooks.h"
#include "reports/report_view.h"
#include "shell/bitmaps.h"
#include "shell/errors.h"

#include <cstring>

namespace {

// Opens and empties the clipboard for window; another program holding it is
// no reason to end this one.
bool OpenEmptyClipboard(HWND window) {
    if (!OpenClipboard(window)) {
        ErrorBox(window, IDS_CLIPBOARD_ERROR, false);
        return false;
    }
    if (!EmptyClipboard()) {
        CloseClipboard();
        ErrorBox(window, IDS_CLIPBOARD_ERROR, false);
        return false;
    }
    return true;
}

void CopyPicture(HWND window, int source) {
    SnapshotClient(window, source);
    HBITMAP picture = Bitmaps().Release(0);
    if (picture == nullptr) {
        FatalError(IDS_NO_MEMORY_TO_COPY_SCREEN, "CLIPBRD", __LINE__);
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
        FatalError(IDS_NO_MEMORY_TO_COPY_REPORT, "CLIPBRD", __LINE__);
    }
    void* memory = GlobalLock(block);
    if (memory == nullptr) {
        GlobalFree(block);
        FatalError(IDS_NO_MEMORY_TO_COPY_REPORT, "CLIPBRD", __LINE__);
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
