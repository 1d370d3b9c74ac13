// The names of the program's numbered strings, made from strings.def: one
// enumerator per named string, with its number. C++ only (the resource
// compiler needs only the numbers, which strings.rc takes from the same
// file). A string of a range is reached as its range's first name plus an
// offset, as the comment above the range in strings.def says.
#pragma once

enum StringId : int {
#define STR(name, id, text) name = id,
#define STR_IN_RANGE(id, text)
#include "resources/strings.def"
#undef STR_IN_RANGE
#undef STR
};
