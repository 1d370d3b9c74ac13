// Size, position, rows and hit testing of a drop-down menu window.
#pragma once

#include <cstddef>

// Rows per entry: the font's character height, plus 2 in the 3D look.
int PopupItemHeight(int charHeight, bool threeD);

// (longest entry in characters x average character width + 25) x 1.1, cut.
int PopupWidth(std::size_t longestChars, int avgCharWidth);

// Client height for a number of entries: the entries and a 5-pixel frame.
int PopupHeight(int entries, int itemHeight);

struct PopupPosition {
    int left;
    bool rightAligned;
};

// Below the title at its left x; when it would reach the screen's right
// edge, right-aligned to the title's right x instead.
PopupPosition PlacePopup(int titleLeft, int titleRight, int width, int screenWidth);

// The x at which entry texts start.
int PopupTextX(bool rightAligned);

struct EntryRows {
    int top;
    int bottom;
};

// Rows of entry n (1-based): 2 + (n-1) x h to 2 + n x h; the last entry
// takes the one pixel that would otherwise remain above the bottom frame.
EntryRows PopupEntryRows(int n, int entries, int itemHeight, int clientHeight);

// The entry at client row y: the first whose rows hold y (a shared edge
// belongs to the upper entry, the top margin to entry 1); 0 outside.
int PopupHitTest(int y, int entries, int itemHeight, int clientHeight);
