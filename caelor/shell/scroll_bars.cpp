#include "shell/scroll_bars.h"

#include "shell/errors.h"

#include <initializer_list>

namespace {

constexpr int kShownRange = 360;

// Sets the range (and, when shown, the position) of each chosen bar; the
// platform sets one bar per call.
void SetBars(HWND window, int which, int range, const int* position) {
    if (which != kHorizontalScrollBar && which != kVerticalScrollBar && which != kBothScrollBars) {
        ShellFatalError(IDS_INTERNAL_ERROR, "SET", __LINE__);
    }
    for (int bar : {SB_HORZ, SB_VERT}) {
        if (which != kBothScrollBars && which != bar) {
            continue;
        }
        if (!SetScrollRange(window, bar, 0, range, TRUE)) {
            ShellFatalError(IDS_WINDOW_ERROR, "SET", __LINE__);
        }
        if (position != nullptr) {
            // Returns the previous position, so success and failure look alike.
            SetScrollPos(window, bar, *position, TRUE);
        }
    }
}

} // namespace

void HideScrollBars(HWND window, int which) {
    SetBars(window, which, 0, nullptr);
}

void ShowScrollBars(HWND window, int which, int position) {
    SetBars(window, which, kShownRange, &position);
}
