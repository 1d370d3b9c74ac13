// The manual as the build writes it into the build tree: the man page and
// the HTML manual name every option that caelor-cli's --help texts name,
// with the same range, and every link of the HTML manual leads to a page
// (and a place on it) that exists.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << path;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string RunCli(const std::string& arguments) {
    std::string out;
    FILE* pipe = popen((CAELOR_CLI_PATH " " + arguments).c_str(), "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << arguments;
        return out;
    }
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        out.append(buffer, n);
    }
    EXPECT_EQ(pclose(pipe), 0) << arguments;
    return out;
}

void ReplaceAll(std::string& text, const std::string& what, const std::string& with) {
    for (size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + with.size())) {
        text.replace(at, what.size(), with);
    }
}

// An option as a manual lists it: its form and what it says of it.
using Entries = std::multimap<std::string, std::string>;

// The .TP entries of the man page, groff's escapes read back.
Entries ManEntries(std::string page) {
    ReplaceAll(page, "\\-", "-");
    ReplaceAll(page, "\\e", "\\");
    for (const char* font : {"\\fB", "\\fI", "\\fR", "\\fP"}) {
        ReplaceAll(page, font, "");
    }
    Entries entries;
    std::istringstream lines(page);
    std::string line;
    std::getline(lines, line);
    while (lines) {
        if (line != ".TP" || !std::getline(lines, line)) {
            std::getline(lines, line);
            continue;
        }
        const std::string form = line;
        std::string text;
        while (std::getline(lines, line) && (line.empty() || line[0] != '.')) {
            text += line + "\n";
        }
        entries.emplace(form, text);
    }
    return entries;
}

// The <dt>/<dd> pairs of the HTML manual of caelor-cli.
Entries HtmlEntries(std::string page) {
    ReplaceAll(page, "&lt;", "<");
    ReplaceAll(page, "&gt;", ">");
    ReplaceAll(page, "&quot;", "\"");
    ReplaceAll(page, "&amp;", "&");
    Entries entries;
    const std::regex entry(R"(<dt><code>([^<]*)</code></dt>\n<dd>([^<]*)</dd>)");
    for (std::sregex_iterator it(page.begin(), page.end(), entry), end; it != end; ++it) {
        entries.emplace((*it)[1], (*it)[2]);
    }
    return entries;
}

// Whether an entry for the option (its name first in the form) says range.
bool Lists(const Entries& entries, const std::string& name, const std::string& range) {
    for (const auto& [form, text] : entries) {
        if ((form == name || form.rfind(name + " ", 0) == 0) &&
            (range.empty() || text.find(range) != std::string::npos)) {
            return true;
        }
    }
    return false;
}

TEST(HelpManual, EveryOptionOfEveryHelpIsInTheManPageAndTheHtmlWithItsRange) {
    const std::string man = ReadFile(CAELOR_MAN_PAGE);
    const Entries manEntries = ManEntries(man);
    const Entries htmlEntries = HtmlEntries(ReadFile(CAELOR_MANUAL_DIR "/caelor-cli.html"));
    ASSERT_GT(manEntries.size(), 40u);
    EXPECT_EQ(manEntries.size(), htmlEntries.size());
    std::string manText = man;
    ReplaceAll(manText, "\\-", "-");

    const std::regex option(R"((?:^|[\s\[(,|])(--?[a-z][a-z-]*))");
    const std::regex ranged(R"(^\s+(--?[a-z][a-z-]*)\s[^\n]*?(-?[0-9.]+ \.\. -?[0-9.]+))");
    int options = 0;
    int ranges = 0;
    for (const char* command : {"", "report", "graph", "movie", "ephemeris"}) {
        const std::string help = RunCli(std::string(command) + " --help");
        std::set<std::string> names;
        for (std::sregex_iterator it(help.begin(), help.end(), option), end; it != end; ++it) {
            names.insert((*it)[1]);
        }
        for (const std::string& name : names) {
            ++options;
            if (name == "--help") {
                // Every command takes it; the synopsis says so.
                EXPECT_NE(manText.find("COMMAND --help"), std::string::npos);
                continue;
            }
            if (name == "--version") {
                // The program's, not a command's; in the synopsis too.
                EXPECT_NE(manText.find("caelor-cli --version"), std::string::npos);
                continue;
            }
            EXPECT_TRUE(Lists(manEntries, name, "")) << command << ": man page lacks " << name;
            EXPECT_TRUE(Lists(htmlEntries, name, "")) << command << ": HTML lacks " << name;
        }
        std::istringstream lines(help);
        for (std::string line; std::getline(lines, line);) {
            std::smatch match;
            if (std::regex_search(line, match, ranged)) {
                ++ranges;
                EXPECT_TRUE(Lists(manEntries, match[1], match[2]))
                    << command << ": man page lacks " << match[1] << " " << match[2];
                EXPECT_TRUE(Lists(htmlEntries, match[1], match[2]))
                    << command << ": HTML lacks " << match[1] << " " << match[2];
            }
        }
    }
    EXPECT_GT(options, 50);
    EXPECT_GE(ranges, 4);
}

// The NAMEs a command's --help lists after "NAME:", up to the sentence's end
// or the first option line.
std::set<std::string> HelpNames(const std::string& help) {
    std::set<std::string> names;
    const size_t start = help.find("NAME:");
    if (start == std::string::npos) {
        return names;
    }
    std::istringstream lines(help.substr(start + 5));
    const std::regex name(R"([a-z]+(?:-[a-z]+)*)");
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("  -", 0) == 0) {
            break;
        }
        for (std::sregex_iterator it(line.begin(), line.end(), name), end; it != end; ++it) {
            names.insert((*it)[0]);
        }
        if (!line.empty() && line.back() == '.') {
            break;
        }
    }
    return names;
}

TEST(HelpManual, EveryNameACommandTakesIsInTheManPageAndTheHtml) {
    std::string man = ReadFile(CAELOR_MAN_PAGE);
    ReplaceAll(man, "\\-", "-");
    const std::string html = ReadFile(CAELOR_MANUAL_DIR "/caelor-cli.html");
    const auto words = [](const std::string& text) {
        const std::regex word(R"([a-z]+(?:-[a-z]+)*)");
        std::set<std::string> found;
        for (std::sregex_iterator it(text.begin(), text.end(), word), end; it != end; ++it) {
            found.insert((*it)[0]);
        }
        return found;
    };
    const std::set<std::string> manWords = words(man);
    const std::set<std::string> htmlWords = words(html);
    for (const char* command : {"report", "graph", "movie"}) {
        const std::set<std::string> names = HelpNames(RunCli(std::string(command) + " --help"));
        EXPECT_GE(names.size(), 7u) << command;
        for (const std::string& name : names) {
            EXPECT_EQ(manWords.count(name), 1u) << command << ": man page lacks " << name;
            EXPECT_EQ(htmlWords.count(name), 1u) << command << ": HTML lacks " << name;
        }
    }
}

TEST(HelpManual, EveryLinkOfTheHtmlManualLeadsToAPageThatExists) {
    namespace fs = std::filesystem;
    const fs::path root = CAELOR_MANUAL_DIR;
    const std::regex href(R"(href="([^"#]*)(?:#([^"]*))?")");
    int pages = 0;
    int links = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.path().extension() != ".html") {
            continue;
        }
        ++pages;
        const std::string page = ReadFile(entry.path().string());
        for (std::sregex_iterator it(page.begin(), page.end(), href), end; it != end; ++it) {
            ++links;
            const std::string file = (*it)[1];
            const fs::path target = file.empty() ? entry.path() : entry.path().parent_path() / file;
            ASSERT_TRUE(fs::exists(target)) << entry.path() << " links to " << file;
            if ((*it)[2].matched) {
                const std::string anchor = "id=\"" + (*it)[2].str() + "\"";
                EXPECT_NE(ReadFile(target.string()).find(anchor), std::string::npos)
                    << entry.path() << " links to " << file << "#" << (*it)[2];
            }
        }
    }
    EXPECT_GT(pages, 120);
    EXPECT_GT(links, 1000);
}

// Report text in Windows-1252 as UTF-8 (its characters above 127 are
// Latin-1 ones: the degree sign).
std::string Latin1ToUtf8(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// The lines of a text without the page break and the empty lines at its
// end.
std::vector<std::string> ShownLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line != "\f") {
            lines.push_back(line);
        }
    }
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    return lines;
}

// The README shows examples of caelor-cli with their output: they still
// print that.
TEST(HelpManual, TheReadmeExamplesPrintWhatTheReadmeShows) {
    const std::string readme = ReadFile(CAELOR_SOURCE_DIR "/README.md");
    const size_t start = readme.find("\n## Using the programs");
    ASSERT_NE(start, std::string::npos);
    const std::string section = readme.substr(start, readme.find("\n## ", start + 1) - start);
    const std::regex block("```text\n\\$ caelor-cli ([^\n]*)\n([^`]*)```");
    int examples = 0;
    for (std::sregex_iterator it(section.begin(), section.end(), block), end; it != end; ++it) {
        ++examples;
        EXPECT_EQ(ShownLines(Latin1ToUtf8(RunCli((*it)[1]))), ShownLines((*it)[2]))
            << "caelor-cli " << (*it)[1];
    }
    EXPECT_EQ(examples, 5);
}

} // namespace
