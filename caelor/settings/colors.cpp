#include "settings/colors.h"

#include "reports/host_hooks.h"
#include "resources/string_ids.h"

#include <cstdio>

namespace {

struct ColorItem {
    const char* name;
    ColorRef defaultColor;
};

// The setting names are the stored keys of earlier runs; they never change.
constexpr ColorItem kColorItems[kAssignableColorCount] = {
    {"Sun", MakeColor(255, 0, 0)},          {"Moon", MakeColor(192, 192, 192)},
    {"Earth", MakeColor(192, 192, 192)},    {"Mercury", MakeColor(128, 0, 0)},
    {"Venus", MakeColor(0, 255, 0)},        {"Mars", MakeColor(255, 0, 0)},
    {"Jupiter", MakeColor(0, 255, 255)},    {"Saturn", MakeColor(255, 0, 255)},
    {"Uranus", MakeColor(0, 0, 255)},       {"Neptune", MakeColor(128, 128, 0)},
    {"Pluto", MakeColor(128, 128, 128)},    {"Stars", MakeColor(0, 0, 0)},
    {"Main Star", MakeColor(255, 0, 0)},    {"Companion", MakeColor(0, 0, 255)},
    {"Penumbra", MakeColor(192, 192, 192)}, {"Umbra", MakeColor(128, 128, 128)},
    {"Io", MakeColor(255, 0, 0)},           {"Europa", MakeColor(0, 255, 0)},
    {"Ganymede", MakeColor(0, 0, 255)},     {"Callisto", MakeColor(255, 0, 255)},
};

void CheckAssignable(int index, int line) {
    if (index < 0 || index >= kAssignableColorCount) {
        FatalError(IDS_INTERNAL_ERROR, "COLORS", line);
    }
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// One number 0 .. 255 after optional blanks; advances text past it.
bool ParseComponent(const char*& text, int* value) {
    while (IsBlank(*text)) {
        ++text;
    }
    if (*text < '0' || *text > '9') {
        return false;
    }
    int number = 0;
    while (*text >= '0' && *text <= '9') {
        number = number * 10 + (*text - '0');
        if (number > 255) {
            return false;
        }
        ++text;
    }
    *value = number;
    return true;
}

} // namespace

void CheckColorItem(int index) {
    if (index < 0 || index >= kColorItemCount) {
        FatalError(IDS_INTERNAL_ERROR, "COLORS", __LINE__);
    }
}

const char* ColorItemName(int index) {
    CheckAssignable(index, __LINE__);
    return kColorItems[index].name;
}

ColorRef DefaultColor(int index) {
    CheckAssignable(index, __LINE__);
    return kColorItems[index].defaultColor;
}

bool ParseColorSetting(const char* text, ColorRef* color) {
    int rgb[3];
    for (int k = 0; k < 3; ++k) {
        if (k > 0) {
            if (*text != ',') {
                return false;
            }
            ++text;
        }
        if (!ParseComponent(text, &rgb[k])) {
            return false;
        }
    }
    while (IsBlank(*text)) {
        ++text;
    }
    if (*text != '\0') {
        return false;
    }
    *color = MakeColor(rgb[0], rgb[1], rgb[2]);
    return true;
}

void FormatColorSetting(ColorRef color, char* text, std::size_t size) {
    std::snprintf(text, size, "%d,%d,%d", RedOf(color), GreenOf(color), BlueOf(color));
}

ColorTable::ColorTable() {
    for (int i = 0; i < kAssignableColorCount; ++i) {
        current_[i] = kColorItems[i].defaultColor;
        opening_[i] = kColorItems[i].defaultColor;
    }
}

ColorRef ColorTable::Current(int index) const {
    CheckAssignable(index, __LINE__);
    return current_[index];
}

void ColorTable::SetCurrent(int index, ColorRef color) {
    CheckAssignable(index, __LINE__);
    current_[index] = color;
}

ColorRef ColorTable::Opening(int index) const {
    CheckAssignable(index, __LINE__);
    return opening_[index];
}

void ColorTable::BeginDialog() {
    for (int i = 0; i < kAssignableColorCount; ++i) {
        opening_[i] = current_[i];
    }
}

bool ColorTable::ChangedSinceOpening() const {
    for (int i = 0; i < kAssignableColorCount; ++i) {
        if (current_[i] != opening_[i]) {
            return true;
        }
    }
    return false;
}

void ColorTable::AcceptDialog() {
    if (ChangedSinceOpening()) {
        modified_ = true;
    }
}

void ColorTable::CancelDialog() {
    for (int i = 0; i < kAssignableColorCount; ++i) {
        current_[i] = opening_[i];
    }
}

void LoadColorSettings(ColorTable& table, SettingsStore& store,
                       const NearestColorFunction& nearest) {
    for (int i = 0; i < kAssignableColorCount; ++i) {
        const std::string value = store.Read(kColorItems[i].name);
        ColorRef color;
        if (ParseColorSetting(value.c_str(), &color)) {
            table.SetCurrent(i, nearest(color));
        }
    }
}

bool ColorSaveWanted(const ColorTable& table, bool forced, const std::function<bool()>& askUser) {
    if (forced) {
        return true;
    }
    return table.Modified() && askUser();
}

bool SaveColorSettings(ColorTable& table, SettingsStore& store) {
    for (int i = 0; i < kAssignableColorCount; ++i) {
        char value[kSettingValueMax + 1];
        FormatColorSetting(table.Current(i), value, sizeof value);
        if (!store.Write(kColorItems[i].name, value)) {
            return false;
        }
    }
    table.ClearModified();
    return true;
}
