#include "resources/string_table.h"

#include <algorithm>
#include <iterator>
#include <cstring>

namespace {

#define STR(name, id, text) {id, text},
#define STR_IN_RANGE(id, text) {id, text},
constexpr StringEntry kStrings[] = {
#include "resources/strings.def"
};
#undef STR_IN_RANGE
#undef STR

} // namespace

const StringEntry* StringTableBegin() {
    return std::begin(kStrings);
}
const StringEntry* StringTableEnd() {
    return std::end(kStrings);
}

const char* StringText(int id) {
    const StringEntry* it =
        std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                         [](const StringEntry& entry, int key) { return entry.id < key; });
    return (it != std::end(kStrings) && it->id == id) ? it->text : nullptr;
}

int LoadText(int id, char* text, int size) {
    if (size <= 0) {
        return 0;
    }
    const char* source = StringText(id);
    if (source == nullptr) {
        text[0] = '\0';
        return 0;
    }
    const int length = static_cast<int>(std::min<size_t>(std::strlen(source), size - 1));
    std::memcpy(text, source, length);
    text[length] = '\0';
    return length;
}
