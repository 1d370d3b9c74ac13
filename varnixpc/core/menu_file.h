// The program menu and its file varnixpc.mnu: one program per line, four
// double-quoted fields separated by commas (title, file, command line,
// starting directory). Pure splitting, sorting and formatting; the file
// handling goes through FileStore so that every failure can be tested.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct ProgramItem {
    std::string title;
    std::string file;
    std::string commandLine;
    std::string directory;
};

// The built-in first item and the separator text used in every menu.
extern const char kAboutTitle[];
extern const char kLineText[];

constexpr int kMenuFileFields = 4;

// Longest line read from the file; the rest of a longer line is discarded.
constexpr std::size_t kMenuLineMax = 1023;

// Field limits of the menu properties dialog. With the eleven quotes and
// commas of the line format, a saved line never exceeds kMenuLineMax.
constexpr int kTitleMax = 63;
constexpr int kFileMax = 259;
constexpr int kCommandLineMax = 431;
constexpr int kDirectoryMax = 259;
static_assert(kTitleMax + kFileMax + kCommandLineMax + kDirectoryMax + 11 <= int(kMenuLineMax),
              "a saved line must fit the reader's line length");

// Splits one line (without its line end) into fields by the reader's rules:
// a quote outside a field opens one; inside, a quote followed by a comma or
// ending the line closes it; a quote followed by anything else stops the
// split with the fields found so far; characters outside fields are ignored.
// A field still open at the end of the line runs to the next-to-last
// character (empty when that span is empty or negative).
std::vector<std::string> SplitMenuLine(const std::string& line);

// Splits a line the way FormatMenuLine wrote it: a leading quote, the first
// two '","' after the title and the file, the last '","' before the
// directory, and a closing quote. Quotes inside the command line survive.
// False when the line does not have that shape.
bool SplitWrittenMenuLine(const std::string& line, std::vector<std::string>& fields);

// One line to an item: the reader's split, and when that does not give four
// fields, the writer's split. False for a line to be skipped.
bool ParseMenuLine(const std::string& line, ProgramItem& item);

// The lines of a menu file's contents: line ends (LF or CR LF) removed, the
// rest of a line longer than kMenuLineMax discarded, empty lines dropped.
std::vector<std::string> MenuFileLines(const std::string& text);

// The About item (file = program directory + "VARNIXPC.EXE") and the
// separator that begin every program menu.
std::vector<ProgramItem> BuiltInProgramItems(const std::string& programDirectory);

// Orders the items after the About item and the separator by title without
// regard to ASCII letter case: each item in turn moves to just before the
// first item from the third position on whose title is greater.
void SortProgramMenu(std::vector<ProgramItem>& items);

// True for an item the file keeps: title and file non-empty, and not the
// About item (compared with regard to letter case).
bool IsSavedProgramItem(const ProgramItem& item);

// One line of the file, CR LF included.
std::string FormatMenuLine(const ProgramItem& item);

// The whole file: one line per saved item, in menu order.
std::string FormatMenuFile(const std::vector<ProgramItem>& items);

// The file operations the menu needs. Paths are the platform's.
class FileStore {
  public:
    virtual ~FileStore() = default;
    // The whole file; false when it cannot be opened or read.
    virtual bool ReadAll(const std::string& path, std::string& contents) = 0;
    // Creates or truncates the file and writes the contents; false when any
    // write, the flush or the close fails.
    virtual bool WriteAll(const std::string& path, const std::string& contents) = 0;
    // Replaces `to` by `from` in one step; false on failure (both stay).
    virtual bool MoveReplacing(const std::string& from, const std::string& to) = 0;
    virtual void Remove(const std::string& path) = 0;
};

// The built-in items followed by every good line of the file; only the
// built-in items when the file cannot be read.
std::vector<ProgramItem> LoadProgramMenu(FileStore& store, const std::string& path,
                                         const std::string& programDirectory);

// Sorts the items in place, then writes them to path + ".new" and replaces
// the file with it. On failure the old file stays, the partial new file is
// removed, and false is returned.
bool SaveProgramMenu(FileStore& store, const std::string& path, std::vector<ProgramItem>& items);
