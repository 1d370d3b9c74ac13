// The colour table: the colours in which graphs and movies draw each body,
// assignable by the user and kept in the settings store as "%d,%d,%d".
// Pure bookkeeping; the shell owns the pens and the platform's colours.
#pragma once

#include "settings/settings_store.h"

#include <cstddef>
#include <cstdint>
#include <functional>

// An RGB colour as the platform packs it: red in the low byte, then green,
// then blue.
using ColorRef = uint32_t;

constexpr ColorRef MakeColor(int red, int green, int blue) {
    return static_cast<ColorRef>(red & 0xFF) | (static_cast<ColorRef>(green & 0xFF) << 8) |
           (static_cast<ColorRef>(blue & 0xFF) << 16);
}
constexpr int RedOf(ColorRef color) {
    return static_cast<int>(color & 0xFF);
}
constexpr int GreenOf(ColorRef color) {
    return static_cast<int>((color >> 8) & 0xFF);
}
constexpr int BlueOf(ColorRef color) {
    return static_cast<int>((color >> 16) & 0xFF);
}

// Items 0 .. 19 are assignable; item 20 is the system's window-text colour,
// which the shell reads live.
constexpr int kColorItemCount = 21;
constexpr int kAssignableColorCount = 20;
constexpr int kWindowTextColorItem = 20;

// Items the drawings name. The Sun, the Moon and the planets draw in the item
// of their body code; Jupiter's moons in kIoItem + 0 .. 3.
constexpr int kSunItem = 0;
constexpr int kMoonItem = 1;
constexpr int kJupiterItem = 6;
constexpr int kIoItem = 16;

// The Assign Colors dialog: button 200 + i chooses the colour of item i,
// control 300 + i shows it.
constexpr int kColorButtonFirst = 200;
constexpr int kColorSwatchFirst = 300;

// Ends the program with the internal error of module COLORS unless index is a
// colour item (0 .. 20).
void CheckColorItem(int index);

// Name of assignable item index (also its setting name) and its default.
// An index outside 0 .. 19 is the internal error.
const char* ColorItemName(int index);
ColorRef DefaultColor(int index);

// Reads a stored colour: three decimal numbers separated by ",", each present
// and 0 .. 255. Blanks may precede each number and follow the last. Returns
// false (color untouched) for anything else.
bool ParseColorSetting(const char* text, ColorRef* color);

// Writes "%d,%d,%d" of red, green and blue into text (size bytes).
void FormatColorSetting(ColorRef color, char* text, std::size_t size);

class ColorTable {
  public:
    // Every item at its default, nothing modified.
    ColorTable();

    // Current colour of assignable item index (0 .. 19; else internal error).
    ColorRef Current(int index) const;
    void SetCurrent(int index, ColorRef color);
    // Colour of item index when the dialog last opened.
    ColorRef Opening(int index) const;

    // The Assign Colors dialog opens: remembers every current colour.
    void BeginDialog();
    // Any current colour differs from its opening colour.
    bool ChangedSinceOpening() const;
    // "&OK" or "&Save": marks the table modified when a colour changed.
    void AcceptDialog();
    // "&Cancel": every current colour goes back to its opening colour.
    void CancelDialog();

    // Set by an accepted change, cleared by a successful save.
    bool Modified() const { return modified_; }
    void ClearModified() { modified_ = false; }

  private:
    ColorRef current_[kAssignableColorCount];
    ColorRef opening_[kAssignableColorCount];
    bool modified_ = false;
};

// Maps a colour to the nearest one the display can show.
using NearestColorFunction = std::function<ColorRef(ColorRef)>;

// Reads the setting of each assignable item; a well-formed value becomes the
// nearest displayable colour, anything else leaves the item as it is.
void LoadColorSettings(ColorTable& table, SettingsStore& store,
                       const NearestColorFunction& nearest);

// Whether the colours are to be written: always when forced; when asking,
// only if modified and askUser (called only then) answers yes.
bool ColorSaveWanted(const ColorTable& table, bool forced, const std::function<bool()>& askUser);

// Writes items 0 .. 19 in order, stopping at the first failure. Success
// clears the modified flag; a failure leaves it set.
bool SaveColorSettings(ColorTable& table, SettingsStore& store);
