#include "help/help_encoding.h"

#include "help/help_book.h"

#include <cstdio>

// A UTF-8 sequence's code point, or -1 for a broken sequence; advances pos.
long NextCodePoint(const std::string& text, size_t& pos) {
    const unsigned char first = static_cast<unsigned char>(text[pos++]);
    if (first < 0x80) {
        return first;
    }
    int extra = 0;
    long code = 0;
    if ((first & 0xE0) == 0xC0) {
        extra = 1;
        code = first & 0x1F;
    } else if ((first & 0xF0) == 0xE0) {
        extra = 2;
        code = first & 0x0F;
    } else if ((first & 0xF8) == 0xF0) {
        extra = 3;
        code = first & 0x07;
    } else {
        return -1;
    }
    for (int k = 0; k < extra; ++k) {
        if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) {
            return -1;
        }
        code = (code << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    }
    return code;
}

// Windows-1252 bytes 0x80 .. 0x9F; 0 where the code page has no character.
constexpr long kWindows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The Windows-1252 byte of a code point; -1 when there is none.
int Windows1252Byte(long code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return static_cast<int>(code);
    }
    for (int k = 0; k < 32; ++k) {
        if (kWindows1252High[k] == code && code != 0) {
            return 0x80 + k;
        }
    }
    return -1;
}

std::string CodePointName(long code) {
    char name[24];
    std::snprintf(name, sizeof name, "U+%04lX", code);
    return name;
}

std::string HelpTextToWindows1252(const std::string& text, const std::string& file,
                                  std::vector<HelpError>& errors) {
    std::string out;
    out.reserve(text.size());
    int number = 1;
    for (size_t pos = 0; pos < text.size();) {
        if (text[pos] == '\n') {
            ++number;
        }
        const long code = NextCodePoint(text, pos);
        const int byte = code < 0 ? -1 : Windows1252Byte(code);
        if (byte < 0) {
            errors.push_back(
                {file, number,
                 code < 0 ? std::string("not UTF-8")
                          : "character " + CodePointName(code) + " is not in Windows-1252"});
            out += '?';
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}
