#include "core/popup_geometry.h"

int PopupItemHeight(int charHeight, bool threeD) {
    return charHeight + (threeD ? 2 : 0);
}

int PopupWidth(std::size_t longestChars, int avgCharWidth) {
    return static_cast<int>((static_cast<double>(longestChars) * avgCharWidth + 25) * 1.1);
}

int PopupHeight(int entries, int itemHeight) {
    return entries * itemHeight + 5;
}

PopupPosition PlacePopup(int titleLeft, int titleRight, int width, int screenWidth) {
    if (titleLeft + width >= screenWidth) {
        return PopupPosition{titleRight - width, true};
    }
    return PopupPosition{titleLeft, false};
}

int PopupTextX(bool rightAligned) {
    return rightAligned ? 20 : 15;
}

EntryRows PopupEntryRows(int n, int entries, int itemHeight, int clientHeight) {
    EntryRows rows{2 + (n - 1) * itemHeight, 2 + n * itemHeight};
    // The frame takes the two bottom rows.
    if (n == entries && (clientHeight - 2) - rows.bottom == 1) {
        rows.bottom += 1;
    }
    return rows;
}

int PopupHitTest(int y, int entries, int itemHeight, int clientHeight) {
    if (y < 0) {
        return 0;
    }
    for (int n = 1; n <= entries; ++n) {
        if (y <= PopupEntryRows(n, entries, itemHeight, clientHeight).bottom) {
            return n;
        }
    }
    return 0;
}
