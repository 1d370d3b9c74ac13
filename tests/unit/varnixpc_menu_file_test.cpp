// The program menu file: reading its lines, sorting, and saving safely.

#include "core/menu_file.h"
#include "core/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

namespace {

using Fields = std::vector<std::string>;

TEST(VarnixMenuLine, FourQuotedFieldsMakeAnItem) {
    ProgramItem item;
    ASSERT_TRUE(ParseMenuLine("\"Editor\",\"D:\\TOOLS\\ED.EXE\",\"/n\",\"D:\\TOOLS\"", item));
    EXPECT_EQ(item.title, "Editor");
    EXPECT_EQ(item.file, "D:\\TOOLS\\ED.EXE");
    EXPECT_EQ(item.commandLine, "/n");
    EXPECT_EQ(item.directory, "D:\\TOOLS");
}

TEST(VarnixMenuLine, BlanksBetweenFieldsAndEmptyFieldsAreAccepted) {
    EXPECT_EQ(SplitMenuLine("\"A\", \"B\",  \"\", \"\""), (Fields{"A", "B", "", ""}));
}

TEST(VarnixMenuLine, MalformedLinesAreSkipped) {
    ProgramItem item;
    EXPECT_FALSE(ParseMenuLine("\"Editor\",\"D:\\ED.EXE\",\"/n\"", item));   // three fields
    EXPECT_FALSE(ParseMenuLine("\"Edi\"tor\",\"D:\\ED.EXE\",\"/n\"", item)); // stray quote
    EXPECT_FALSE(ParseMenuLine("\"A\",\"B\",\"C\",\"D\" ", item)); // text after the last quote
    EXPECT_FALSE(ParseMenuLine("no quotes at all", item));
}

TEST(VarnixMenuLine, LineInTheWritersShapeKeepsQuotesInsideItsFields) {
    // The reader's rules stop at the quote after "Edi"; the writer's shape
    // still gives four fields.
    ProgramItem item;
    ASSERT_TRUE(ParseMenuLine("\"Edi\"tor\",\"\"D:\\My Ed\\ED.EXE\"\",\"/n\",\"D:\\\"", item));
    EXPECT_EQ(item.title, "Edi\"tor");
    EXPECT_EQ(item.file, "\"D:\\My Ed\\ED.EXE\"");
    EXPECT_EQ(item.commandLine, "/n");
    EXPECT_EQ(item.directory, "D:\\");
    // Five quoted fields read as a command line holding '","'.
    ASSERT_TRUE(ParseMenuLine("\"A\",\"B\",\"C\",\"D\",\"E\"", item));
    EXPECT_EQ(item.commandLine, "C\",\"D");
    EXPECT_EQ(item.directory, "E");
}

TEST(VarnixMenuLine, StrayQuoteStopsTheSplitWithTheFieldsSoFar) {
    EXPECT_EQ(SplitMenuLine("\"A\",\"B\"x,\"C\""), (Fields{"A"}));
}

TEST(VarnixMenuLine, FieldOpenAtLineEndRunsToTheNextToLastCharacter) {
    EXPECT_EQ(SplitMenuLine("\"A\",\"B\",\"C\",\"Dir?"), (Fields{"A", "B", "C", "Dir"}));
}

TEST(VarnixMenuLine, FieldOpenAtLineEndWithNoRoomIsEmpty) {
    // The field opens on the last character: its span would be negative.
    EXPECT_EQ(SplitMenuLine("\"A\",\"B\",\"C\",\""), (Fields{"A", "B", "C", ""}));
    EXPECT_EQ(SplitMenuLine("\"A\",\"B\",\"C\",\"x"), (Fields{"A", "B", "C", ""}));
    EXPECT_EQ(SplitMenuLine("\""), (Fields{""}));
}

TEST(VarnixMenuLine, CommandLineWithQuotesSurvivesSaveAndReload) {
    ProgramItem written{"Viewer", "C:\\BIN\\VIEW.EXE", "/open \"C:\\My Docs\\a.txt\",\"b\"",
                        "C:\\BIN"};
    std::string line = FormatMenuLine(written);
    line.resize(line.size() - 2); // the reader sees the line without its end
    ProgramItem read;
    ASSERT_TRUE(ParseMenuLine(line, read));
    EXPECT_EQ(read.title, written.title);
    EXPECT_EQ(read.file, written.file);
    EXPECT_EQ(read.commandLine, written.commandLine);
    EXPECT_EQ(read.directory, written.directory);
}

TEST(VarnixMenuLine, WriterShapeNeedsOpeningAndClosingQuotesAndThreeSeparators) {
    Fields fields;
    EXPECT_FALSE(SplitWrittenMenuLine("\"A\",\"B\",\"C\"", fields));
    EXPECT_FALSE(SplitWrittenMenuLine("A\",\"B\",\"C\",\"D\"", fields));
    EXPECT_FALSE(SplitWrittenMenuLine("\"A\",\"B\",\"C\",\"D", fields));
    EXPECT_FALSE(SplitWrittenMenuLine("\"", fields));
    ASSERT_TRUE(SplitWrittenMenuLine("\"A\",\"B\",\"\",\"D\"", fields));
    EXPECT_EQ(fields, (Fields{"A", "B", "", "D"}));
}

TEST(VarnixMenuFile, LinesLoseTheirEndsAndEmptyLinesAreDropped) {
    EXPECT_EQ(MenuFileLines("a\r\n\r\n\nb\nc"), (Fields{"a", "b", "c"}));
}

TEST(VarnixMenuFile, RestOfAnOverlongLineIsDiscarded) {
    const std::string longLine(kMenuLineMax + 40, 'x');
    const Fields lines = MenuFileLines(longLine + "\nnext\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), kMenuLineMax);
    EXPECT_EQ(lines[1], "next");
}

TEST(VarnixMenuFile, LongestDialogFieldsStillMakeALineTheReaderTakesWhole) {
    ProgramItem item{std::string(kTitleMax, 't'), std::string(kFileMax, 'f'),
                     std::string(kCommandLineMax, 'c'), std::string(kDirectoryMax, 'd')};
    const Fields lines = MenuFileLines(FormatMenuLine(item));
    ASSERT_EQ(lines.size(), 1u);
    ProgramItem read;
    ASSERT_TRUE(ParseMenuLine(lines[0], read));
    EXPECT_EQ(read.directory, item.directory);
}

// An in-memory file system that can be told to fail at each step.
class FakeFiles : public FileStore {
  public:
    std::map<std::string, std::string> files;
    bool failWrite = false;
    bool failReplace = false;
    std::vector<std::string> removed;

    bool ReadAll(const std::string& path, std::string& contents) override {
        auto it = files.find(path);
        if (it == files.end()) {
            return false;
        }
        contents = it->second;
        return true;
    }
    bool WriteAll(const std::string& path, const std::string& contents) override {
        // A failed write leaves a partial file, as a full disk would.
        files[path] = failWrite ? contents.substr(0, contents.size() / 2) : contents;
        return !failWrite;
    }
    bool MoveReplacing(const std::string& from, const std::string& to) override {
        if (failReplace || files.count(from) == 0) {
            return false;
        }
        files[to] = files[from];
        files.erase(from);
        return true;
    }
    void Remove(const std::string& path) override {
        removed.push_back(path);
        files.erase(path);
    }
};

const char kMenuPath[] = "C:\\VX\\varnixpc.mnu";

TEST(VarnixMenuFile, MissingFileGivesOnlyTheAboutItemAndTheSeparator) {
    FakeFiles fs;
    const std::vector<ProgramItem> items = LoadProgramMenu(fs, kMenuPath, "C:\\VX\\");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].title, "About VarnixPC");
    EXPECT_EQ(items[0].file, "C:\\VX\\VARNIXPC.EXE");
    EXPECT_EQ(items[1].title, "_LINE_");
    EXPECT_EQ(items[1].file, "");
}

TEST(VarnixMenuFile, GoodLinesFollowTheBuiltInItemsAndBadOnesAreSkipped) {
    FakeFiles fs;
    fs.files[kMenuPath] = "\"Notes\",\"C:\\N.EXE\",\"\",\"C:\\\"\r\n"
                          "garbage\r\n"
                          "\r\n"
                          "\"Calc\",\"C:\\CALC.EXE\",\"-x\",\"\"\r\n";
    const std::vector<ProgramItem> items = LoadProgramMenu(fs, kMenuPath, "C:\\VX\\");
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[2].title, "Notes");
    EXPECT_EQ(items[3].title, "Calc");
    EXPECT_EQ(items[3].commandLine, "-x");
}

std::vector<ProgramItem> MenuWith(std::initializer_list<const char*> titles) {
    std::vector<ProgramItem> items = BuiltInProgramItems("C:\\VX\\");
    for (const char* title : titles) {
        items.push_back(ProgramItem{title, std::string("C:\\") + title + ".EXE", "", ""});
    }
    return items;
}

Fields Titles(const std::vector<ProgramItem>& items) {
    Fields titles;
    for (const ProgramItem& item : items) {
        titles.push_back(item.title);
    }
    return titles;
}

TEST(VarnixMenuSort, TitlesSortWithoutRegardToCaseAfterTheBuiltInItems) {
    std::vector<ProgramItem> items = MenuWith({"zebra", "Apple", "mango"});
    SortProgramMenu(items);
    EXPECT_EQ(Titles(items), (Fields{"About VarnixPC", "_LINE_", "Apple", "mango", "zebra"}));
}

TEST(VarnixMenuSort, EveryOrderOfFiveTitlesEndsSorted) {
    Fields titles{"delta", "Alpha", "charlie", "Bravo", "alpha"};
    std::sort(titles.begin(), titles.end());
    int permutations = 0;
    do {
        std::vector<ProgramItem> items = BuiltInProgramItems("");
        for (const std::string& t : titles) {
            items.push_back(ProgramItem{t, "f", "", ""});
        }
        SortProgramMenu(items);
        ASSERT_EQ(items[0].title, "About VarnixPC");
        ASSERT_EQ(items[1].title, "_LINE_");
        for (std::size_t i = 3; i < items.size(); ++i) {
            ASSERT_LE(CompareNoCase(items[i - 1].title, items[i].title), 0)
                << items[i - 1].title << " before " << items[i].title;
        }
        ++permutations;
    } while (std::next_permutation(titles.begin(), titles.end()));
    EXPECT_EQ(permutations, 120);
}

TEST(VarnixMenuSave, WritesSortedItemsWithTitleAndFileButNotTheAboutItem) {
    FakeFiles fs;
    std::vector<ProgramItem> items = MenuWith({"zebra", "Apple", "mango"});
    items.push_back(ProgramItem{"No File", "", "", ""});
    items.push_back(ProgramItem{"", "C:\\UNTITLED.EXE", "", ""});
    items.push_back(ProgramItem{"About VarnixPC", "C:\\OTHER.EXE", "", ""});
    items.push_back(ProgramItem{"about varnixpc", "C:\\LOWER.EXE", "", ""});
    ASSERT_TRUE(SaveProgramMenu(fs, kMenuPath, items));
    EXPECT_EQ(fs.files[kMenuPath], "\"about varnixpc\",\"C:\\LOWER.EXE\",\"\",\"\"\r\n"
                                   "\"Apple\",\"C:\\Apple.EXE\",\"\",\"\"\r\n"
                                   "\"mango\",\"C:\\mango.EXE\",\"\",\"\"\r\n"
                                   "\"zebra\",\"C:\\zebra.EXE\",\"\",\"\"\r\n");
    EXPECT_EQ(fs.files.count(std::string(kMenuPath) + ".new"), 0u);
    // The menu in memory keeps the sorted order and the unsaved item.
    EXPECT_EQ(items[2].title, "");
    EXPECT_EQ(items.size(), 9u);
}

TEST(VarnixMenuSave, SavedMenuLoadsBackTheSame) {
    FakeFiles fs;
    std::vector<ProgramItem> items = MenuWith({"b", "a"});
    items[2].commandLine = "-q \"x y\"";
    items[3].directory = "C:\\Work Dir";
    ASSERT_TRUE(SaveProgramMenu(fs, kMenuPath, items));
    const std::vector<ProgramItem> loaded = LoadProgramMenu(fs, kMenuPath, "C:\\VX\\");
    ASSERT_EQ(loaded.size(), items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(loaded[i].title, items[i].title);
        EXPECT_EQ(loaded[i].file, items[i].file);
        EXPECT_EQ(loaded[i].commandLine, items[i].commandLine);
        EXPECT_EQ(loaded[i].directory, items[i].directory);
    }
}

TEST(VarnixMenuSave, FailedWriteKeepsTheOldFileAndRemovesThePartialOne) {
    FakeFiles fs;
    fs.files[kMenuPath] = "old contents";
    fs.failWrite = true;
    std::vector<ProgramItem> items = MenuWith({"a"});
    EXPECT_FALSE(SaveProgramMenu(fs, kMenuPath, items));
    EXPECT_EQ(fs.files[kMenuPath], "old contents");
    EXPECT_EQ(fs.files.count(std::string(kMenuPath) + ".new"), 0u);
    EXPECT_EQ(fs.removed, (Fields{std::string(kMenuPath) + ".new"}));
}

TEST(VarnixMenuSave, FailedReplaceKeepsTheOldFileAndRemovesTheNewOne) {
    FakeFiles fs;
    fs.files[kMenuPath] = "old contents";
    fs.failReplace = true;
    std::vector<ProgramItem> items = MenuWith({"a"});
    EXPECT_FALSE(SaveProgramMenu(fs, kMenuPath, items));
    EXPECT_EQ(fs.files[kMenuPath], "old contents");
    EXPECT_EQ(fs.files.count(std::string(kMenuPath) + ".new"), 0u);
}

} // namespace
