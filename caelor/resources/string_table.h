// The program's numbered string table. The texts live in strings.def; the
// Windows build loads them from its STRINGTABLE resource, native builds from
// a table compiled from the same file.
#pragma once

#include "resources/string_ids.h"

// Size of a buffer that holds any text of the table and its terminator.
constexpr int kTextSize = 81;

// Copies string id (a StringId, or a range's first name plus an offset)
// into text (size bytes, always terminated, cut to fit).
// Returns the length copied; 0 and an empty text for an id with no string.
int LoadText(int id, char* text, int size);

struct StringEntry {
    int id;
    const char* text;
};

// The native table in ascending id order (native builds only).
const StringEntry* StringTableBegin();
const StringEntry* StringTableEnd();

// Text of string id, or nullptr when there is none (native builds only).
const char* StringText(int id);
