// The launcher reads varnixpc.mnu as the user or another program left it, so
// the reader must never fault; and an item it accepted must come back the
// same after a save, or a save would quietly change a program's command.
#include "core/menu_file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// What the properties dialog lets a user type: within the field limits and,
// outside the command line, no quotes.
bool Writable(const ProgramItem& item) {
    const auto plain = [](const std::string& s) { return s.find('"') == std::string::npos; };
    return item.title.size() <= kTitleMax && item.file.size() <= kFileMax &&
           item.commandLine.size() <= kCommandLineMax && item.directory.size() <= kDirectoryMax &&
           plain(item.title) && plain(item.file) && plain(item.directory);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const std::string& line : MenuFileLines(text)) {
        ProgramItem item;
        if (!ParseMenuLine(line, item) || !IsSavedProgramItem(item) || !Writable(item)) {
            continue;
        }
        const std::string written = FormatMenuLine(item);
        const std::vector<std::string> lines = MenuFileLines(written);
        ProgramItem again;
        if (lines.size() != 1 || !ParseMenuLine(lines[0], again) || again.title != item.title ||
            again.file != item.file || again.commandLine != item.commandLine ||
            again.directory != item.directory) {
            std::fprintf(stderr, "menu line round trip failed:\n%s", written.c_str());
            std::abort();
        }
    }
    return 0;
}
