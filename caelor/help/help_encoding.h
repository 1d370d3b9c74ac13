// The help source is typed in UTF-8 and the programs' resources hold
// Windows-1252 text: the code points of the one and the bytes of the other.
#pragma once

#include <cstddef>
#include <string>

// A UTF-8 sequence's code point, or -1 for a broken sequence; advances pos.
long NextCodePoint(const std::string& text, size_t& pos);

// The Windows-1252 byte of a code point; -1 when there is none.
int Windows1252Byte(long code);

// "U+00E9", as messages name a character.
std::string CodePointName(long code);
