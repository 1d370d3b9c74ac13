#include "cli/commands.h"

#include "resources/string_table.h"

#include <cstdio>

// Prints "id<TAB>text" per string, bytes outside printable ASCII as \xHH:
// the same form the end-to-end driver reads out of caelor.exe.
int StringsCommand(int argc, char**) {
    if (argc != 0) {
        std::fprintf(stderr, "caelor-cli strings: takes no arguments\n");
        return 2;
    }
    for (const StringEntry* it = StringTableBegin(); it != StringTableEnd(); ++it) {
        if (it->text[0] == '\0') {
            continue;
        }
        std::printf("%d\t", it->id);
        for (const char* p = it->text; *p != '\0'; ++p) {
            const auto c = static_cast<unsigned char>(*p);
            if (c >= 32 && c < 127 && c != '\\') {
                std::putchar(c);
            } else {
                std::printf("\\x%02X", c);
            }
        }
        std::putchar('\n');
    }
    return 0;
}
