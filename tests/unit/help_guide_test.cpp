// The user's guide as shipped: its sources keep the rules, every link
// leads somewhere, every context and keyword the programs ask for has its
// topic, and the topics describe what the program really shows: every
// field of every dialog, every column and label of every report, every
// message a dialog gives, every key.

#include "help/help_book.h"
#include "help/help_text.h"
#include "help/help_topics.h"

#include "menu_resource.h"
#include "report_test_support.h"
#include "settings/commands.h"
#include "settings/dialog_messages.h"
#include "settings/dialog_rules.h"
#include "settings/location_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace {

std::string SourceFile(const std::string& path) {
    std::ifstream in(std::string(CAELOR_SOURCE_DIR "/") + path, std::ios::binary);
    EXPECT_TRUE(in.good()) << path;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> SplitList(const std::string& list) {
    std::vector<std::string> items;
    std::istringstream in(list);
    for (std::string item; std::getline(in, item, ',');) {
        items.push_back(item);
    }
    return items;
}

// A guide read as the build reads it; every fault fails the test.
HelpBook Guide(const std::vector<std::string>& paths) {
    std::vector<std::pair<std::string, std::string>> sources;
    std::vector<HelpError> errors;
    for (const std::string& path : paths) {
        sources.emplace_back(path, SourceFile(path));
        LintHelpSource(sources.back().second, path, errors);
    }
    HelpBook book = ReadHelpBook(sources, errors);
    for (const HelpError& error : errors) {
        ADD_FAILURE() << HelpErrorText(error);
    }
    return book;
}

const HelpBook& CaelorGuide() {
    static const HelpBook book = Guide(SplitList(CAELOR_HELP_SOURCES));
    return book;
}

// Lower case, every run of blanks one blank: how the checks compare text.
std::string Folded(const std::string& text) {
    std::string out;
    for (char c : text) {
        const bool blank = std::isspace(static_cast<unsigned char>(c)) != 0;
        if (blank && (out.empty() || out.back() == ' ')) {
            continue;
        }
        out += blank ? ' ' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string TopicText(const HelpBook& book, const HelpTopic& topic) {
    std::string text;
    for (const std::string& line : HelpTopicLines(book, topic, 1000)) {
        text += line + "\n";
    }
    return Folded(text);
}

bool IsWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

// The phrase as a whole (not inside a longer word), folded.
bool HasPhrase(const std::string& folded, const std::string& phrase) {
    const std::string key = Folded(phrase);
    for (size_t at = folded.find(key); at != std::string::npos; at = folded.find(key, at + 1)) {
        const bool startOk = at == 0 || !IsWordChar(key.front()) || !IsWordChar(folded[at - 1]);
        const size_t end = at + key.size();
        const bool endOk =
            end == folded.size() || !IsWordChar(key.back()) || !IsWordChar(folded[end]);
        if (startOk && endOk) {
            return true;
        }
    }
    return false;
}

// The text of the topic and of the topics whose names start with prefix
// that it links to (through links and "See also", and from those on).
std::string TopicFamilyText(const HelpBook& book, const HelpTopic& topic,
                            const std::string& prefix) {
    std::set<std::string> seen = {topic.name};
    std::vector<const HelpTopic*> todo = {&topic};
    std::string text;
    while (!todo.empty()) {
        const HelpTopic* next = todo.back();
        todo.pop_back();
        text += TopicText(book, *next) + "\n";
        std::vector<std::string> targets = next->see;
        for (const HelpBlock& block : next->blocks) {
            for (const HelpSpan& span : block.spans) {
                if (!span.link.empty()) {
                    targets.push_back(span.link);
                }
            }
        }
        for (const std::string& name : targets) {
            const HelpTopic* target = FindHelpTopic(book, name);
            if (target != nullptr && name.rfind(prefix, 0) == 0 && seen.insert(name).second) {
                todo.push_back(target);
            }
        }
    }
    return text;
}

// Windows-1252 text, such as the string table's, as UTF-8 like the guide.
std::string Utf8(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c == 0x96 || c == 0x97) {
            out += c == 0x96 ? "\xE2\x80\x93" : "\xE2\x80\x94";
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

TEST(HelpGuide, EveryGuideKeepsTheRulesAndEveryLinkLeadsToATopic) {
    // The caelor book is every source of caelor/help but the command-line
    // tool's, in the order the build gives them.
    std::set<std::string> listed;
    for (const std::string& path : SplitList(CAELOR_HELP_SOURCES)) {
        listed.insert(std::filesystem::path(path).filename().string());
    }
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(CAELOR_SOURCE_DIR) + "/caelor/help")) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() == ".txt" && name != "cli.txt") {
            EXPECT_EQ(listed.count(name), 1u) << name << " is not part of the guide's build";
        }
    }
    EXPECT_GT(CaelorGuide().topics.size(), 100u);
    EXPECT_GT(Guide({"varnixpc/app/help/guide.txt"}).topics.size(), 10u);
    EXPECT_GT(Guide({"caelor/help/cli.txt"}).topics.size(), 5u);
}

// Every topic can be found from the Contents by following links and "See
// also" lines, as a reader of the HTML manual or the help window would.
TEST(HelpGuide, EveryTopicIsReachedFromTheContents) {
    for (const auto& [paths, contents] :
         std::vector<std::pair<std::vector<std::string>, std::string>>{
             {SplitList(CAELOR_HELP_SOURCES), "contents"},
             {{"varnixpc/app/help/guide.txt"}, "index"},
         }) {
        const HelpBook book = Guide(paths);
        const HelpTopic* start = FindHelpTopic(book, contents);
        ASSERT_NE(start, nullptr) << contents;
        std::set<std::string> reached = {contents};
        std::vector<const HelpTopic*> todo = {start};
        while (!todo.empty()) {
            const HelpTopic* topic = todo.back();
            todo.pop_back();
            std::vector<std::string> targets = topic->see;
            for (const HelpBlock& block : topic->blocks) {
                for (const HelpSpan& span : block.spans) {
                    targets.push_back(span.link);
                }
            }
            for (const std::string& name : targets) {
                const HelpTopic* target = FindHelpTopic(book, name);
                if (target != nullptr && reached.insert(name).second) {
                    todo.push_back(target);
                }
            }
        }
        for (const HelpTopic& topic : book.topics) {
            EXPECT_EQ(reached.count(topic.name), 1u)
                << topic.file << ":" << topic.line << ": no way leads to " << topic.name;
        }
    }
}

TEST(HelpGuide, EveryContextAndKeywordTheProgramAsksForHasItsTopic) {
    const HelpBook& book = CaelorGuide();
    std::set<int> contexts;
    for (int k = 0; k < kCommandRowCount; ++k) {
        contexts.insert(kCommandRows[k].helpContext);
    }
    contexts.insert(kHelpContextsInUse, kHelpContextsInUse + kHelpContextsInUseCount);
    // The dialogs' own: F1 in each opens one of these.
    for (int context :
         {kHelpYear, kHelpYearMonth, kHelpYearMonthRange, kHelpYearRange, kHelpPlanets,
          kHelpPlanetAngle, kHelpPlanetApsides, kHelpJupiterMoonsGraph, kHelpEclipticMovies,
          kHelpJupiterMoonsMovies, kHelpDayNightMovie, kHelpBinaryStarMovie, kHelpPlanetariumMovie,
          kHelpSetLocation, 301, 907, kHelpIndexContext, kHelpOnHelpContext}) {
        contexts.insert(context);
    }
    for (int context : contexts) {
        EXPECT_NE(FindHelpContext(book, context), nullptr) << "no topic for context " << context;
    }
    // A keyword the Help menu opens leads to one topic only, so that help
    // need not ask which.
    const std::map<std::string, int> keywords = {
        {"keys", 901}, {"commands", 902}, {"User's Guide", 905}};
    ASSERT_EQ(static_cast<int>(keywords.size()), kHelpKeywordsInUseCount);
    const std::vector<HelpIndexEntry> index = HelpIndex(book);
    for (int i = 0; i < kHelpKeywordsInUseCount; ++i) {
        const std::string keyword = kHelpKeywordsInUse[i];
        const HelpTopic* topic = FindHelpKeyword(book, keyword);
        ASSERT_NE(topic, nullptr) << keyword;
        EXPECT_EQ(topic->context, keywords.at(keyword)) << keyword;
        int topics = 0;
        for (const HelpIndexEntry& entry : index) {
            topics += Folded(entry.key) == Folded(keyword) ? 1 : 0;
        }
        EXPECT_EQ(topics, 1) << keyword;
    }
}

// F1 on a menu item opens the topic about that item: its title is the
// item's own name, apart from the topics two items share and the contents
// that Help > Index opens.
TEST(HelpGuide, EachMenuItemOpensTheTopicOfItsName) {
    const HelpBook& book = CaelorGuide();
    const std::map<std::string, std::string> otherTitles = {
        {"Index", "Contents"},
        {"Stop Command", "Stop"},
        {"Ecliptic Top", "Ecliptic movies"},
        {"Ecliptic Side", "Ecliptic movies"},
        {"Jupiter Moons Side", "Jupiter Moons movies"},
        {"Jupiter Moons Top", "Jupiter Moons movies"},
        {"About", "About Skyloom 2"},
    };
    int items = 0;
    for (const MenuItem& item : MenuBarItems()) {
        ++items;
        const std::string label = PlainLabel(item.label);
        const HelpTopic* topic = FindHelpContext(book, HelpContextOf(item.id));
        ASSERT_NE(topic, nullptr) << label;
        const auto other = otherTitles.find(label);
        EXPECT_EQ(topic->title, other == otherTitles.end() ? label : other->second) << label;
    }
    EXPECT_EQ(items, 62);
    EXPECT_EQ(HelpContextOf(0), -1);
    EXPECT_EQ(HelpContextOf(999), -1);
}

// The Keyboard topic names every key of the accelerator table.
TEST(HelpGuide, KeyboardTopicNamesEveryAcceleratorKey) {
    const HelpBook& book = CaelorGuide();
    const HelpTopic* keyboard = FindHelpContext(book, 901);
    ASSERT_NE(keyboard, nullptr);
    const std::string text = TopicText(book, *keyboard);
    const std::string script = ResourceText("menus.rc");
    const size_t start = script.find("\"ACCELERATORS\" ACCELERATORS");
    ASSERT_NE(start, std::string::npos);
    const std::string accelerators = script.substr(start, script.find("\nEND", start) - start);
    const std::regex key(R"(\n\s*(VK_F(\d)|VK_ESCAPE|VK_INSERT|3),)");
    int keys = 0;
    for (std::sregex_iterator it(accelerators.begin(), accelerators.end(), key), end; it != end;
         ++it) {
        const std::string vk = (*it)[1];
        const std::string name = vk == "VK_ESCAPE"   ? "Esc"
                                 : vk == "VK_INSERT" ? "Ctrl+Ins"
                                 : vk == "3"         ? "Ctrl+C"
                                                     : "F" + (*it)[2].str();
        EXPECT_TRUE(HasPhrase(text, name)) << name;
        ++keys;
    }
    EXPECT_EQ(keys, 10);
}

// The searches the "Search for Help on" topic suggests find something.
TEST(HelpGuide, TheSuggestedSearchesFindTopics) {
    const HelpBook& book = CaelorGuide();
    const HelpTopic* search = FindHelpContext(book, 903);
    ASSERT_NE(search, nullptr);
    const std::vector<HelpIndexEntry> index = HelpIndex(book);
    const std::string text = HelpSpansText(search->blocks.back().spans);
    const std::regex quoted("\"([^\"]+)\"");
    int suggestions = 0;
    for (std::sregex_iterator it(text.begin(), text.end(), quoted), end; it != end; ++it) {
        EXPECT_FALSE(SearchHelpIndex(index, (*it)[1]).empty()) << (*it)[1];
        ++suggestions;
    }
    EXPECT_GE(suggestions, 5);
}

// ---- Dialogs --------------------------------------------------------------

struct DialogControl {
    std::string kind;    // EDITTEXT, CONTROL, PUSHBUTTON, ...
    std::string caption; // "" for fields without one
    std::string id;      // as written: a name, a number or -1
    std::string label;   // the text of the LTEXT before it
};

// The controls of every template of the resource scripts, macros of
// several lines (the movie dialogs' date fields) written out.
std::map<std::string, std::vector<DialogControl>> DialogTemplates() {
    std::map<std::string, std::vector<DialogControl>> templates;
    for (const char* script : {"dialogs.rc", "colors.rc", "menus.rc", "printing.rc"}) {
        std::istringstream in(ResourceText(script));
        std::map<std::string, std::vector<std::string>> macros;
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        std::string current;
        std::string macro;
        std::string label;
        std::vector<std::string> pending;
        for (size_t i = 0; i < lines.size(); ++i) {
            std::string line = lines[i];
            const bool continued = !line.empty() && line.back() == '\\';
            if (continued) {
                line.pop_back();
            }
            std::istringstream words(line);
            std::string first, second;
            words >> first >> second;
            if (!macro.empty()) {
                macros[macro].push_back(line);
                macro = continued ? macro : "";
                continue;
            }
            if (first == "#define" && continued) {
                macro = second;
                continue;
            }
            if (second == "DIALOG") {
                current = first;
                label.clear();
                continue;
            }
            if (current.empty()) {
                continue;
            }
            if (first == "END") {
                current.clear();
                continue;
            }
            std::vector<std::string> expanded = {line};
            if (macros.count(first) != 0) {
                expanded = macros[first];
            }
            for (const std::string& control : expanded) {
                std::istringstream parts(control);
                std::string kind;
                parts >> kind;
                std::string rest;
                std::getline(parts, rest);
                std::string caption;
                if (rest.find('"') != std::string::npos) {
                    caption = Quoted(rest);
                    rest = rest.substr(rest.find('"', rest.find('"') + 1) + 1);
                }
                std::istringstream fields(rest);
                std::string id;
                std::getline(fields, id, ',');
                if (id.find_first_not_of(" ") == std::string::npos) {
                    std::getline(fields, id, ',');
                }
                id.erase(0, id.find_first_not_of(' '));
                id.erase(id.find_last_not_of(' ') + 1);
                if (kind == "LTEXT" || kind == "CTEXT") {
                    if (std::any_of(caption.begin(), caption.end(), [](char c) {
                            return std::isalpha(static_cast<unsigned char>(c));
                        })) {
                        label = caption;
                    }
                    continue;
                }
                if (kind == "CONTROL" && control.find("\"Static\"") != std::string::npos) {
                    continue;
                }
                if (kind.empty() || kind == "GROUPBOX" || kind == "ICON" || kind == "STYLE" ||
                    kind == "CAPTION" || kind == "FONT" || kind == "BEGIN") {
                    continue;
                }
                templates[current].push_back(DialogControl{kind, caption, id, label});
            }
        }
    }
    return templates;
}

// A caption as the guide names it: no "&", no "...", no ':'.
std::string Plain(std::string caption) {
    caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
    while (!caption.empty() && (caption.back() == '.' || caption.back() == ':')) {
        caption.pop_back();
    }
    return caption;
}

// Every field of every dialog is described in the topic its F1 opens (or
// in the dialog topics that one leads to): the caption of a button or box,
// the label before an edit field or list, else the words given here.
TEST(HelpGuide, EveryFieldOfEveryDialogIsDescribed) {
    const HelpBook& book = CaelorGuide();
    // The topic F1 opens in each dialog (the Printing box, which takes no
    // F1, has the Printing topic).
    const std::map<std::string, int> helpOf = {
        {"DIAL_YEAR", kHelpYear},
        {"DIAL_YEAR_MONTH", kHelpYearMonth},
        {"DIAL_YEAR_MR", kHelpYearMonthRange},
        {"DIAL_YEAR_RANGE", kHelpYearRange},
        {"DIAL_PLANETS", kHelpPlanets},
        {"DIAL_PLANET_ANGLE", kHelpPlanetAngle},
        {"DIAL_PLANET_APSIDES", kHelpPlanetApsides},
        {"DIAL_JM_GRAPH", kHelpJupiterMoonsGraph},
        {"DIAL_EC_MOVIES", kHelpEclipticMovies},
        {"DIAL_JM_MOVIES", kHelpJupiterMoonsMovies},
        {"DIAL_DN_MOVIE", kHelpDayNightMovie},
        {"DIAL_BS_MOVIE", kHelpBinaryStarMovie},
        {"DIAL_PL_MOVIE", kHelpPlanetariumMovie},
        {"DIAL_SET_LOCATION", kHelpSetLocation},
        {"DIAL_ASSIGN_COLORS", 301},
        {"DIAL_ABOUT", 907},
        {"DIAL_PRINT_CANCEL", 100},
    };
    // Fields whose own caption or label does not say what they are.
    const std::map<std::string, std::vector<std::string>> wordsOf = {
        {"DIAL_SET_LOCATION/IDC_LOC_LAT_MINUTES", {"minutes"}},
        {"DIAL_SET_LOCATION/IDC_LOC_LAT_SECONDS", {"seconds"}},
        {"DIAL_SET_LOCATION/IDC_LOC_LON_MINUTES", {"minutes"}},
        {"DIAL_SET_LOCATION/IDC_LOC_LON_SECONDS", {"seconds"}},
    };
    const std::map<std::string, std::vector<DialogControl>> templates = DialogTemplates();
    EXPECT_EQ(templates.size(), helpOf.size());
    int fields = 0;
    for (const auto& [name, controls] : templates) {
        const auto help = helpOf.find(name);
        ASSERT_NE(help, helpOf.end()) << name << " has no help topic here";
        const HelpTopic* topic = FindHelpContext(book, help->second);
        ASSERT_NE(topic, nullptr) << name;
        const std::string text = TopicFamilyText(book, *topic, "dialog");
        for (const DialogControl& control : controls) {
            ++fields;
            const auto words = wordsOf.find(name + "/" + control.id);
            std::vector<std::string> expected;
            if (words != wordsOf.end()) {
                expected = words->second;
            } else if (!Plain(control.caption).empty()) {
                expected = {Plain(control.caption)};
            } else {
                expected = {Plain(control.label)};
            }
            for (const std::string& word : expected) {
                EXPECT_TRUE(!word.empty() && HasPhrase(text, Utf8(word)))
                    << name << " field " << control.id << " (" << control.kind << "): \"" << word
                    << "\" is not in " << topic->name;
            }
        }
    }
    EXPECT_GT(fields, 150);
}

// Each message an input dialog or Set Location gives is in the guide as it
// stands.
TEST(HelpGuide, EveryDialogMessageIsQuoted) {
    const HelpBook& book = CaelorGuide();
    std::string text;
    for (const HelpTopic& topic : book.topics) {
        text += TopicText(book, topic);
    }
    for (int m = static_cast<int>(DialogMessage::kInvalidNumber);
         m <= static_cast<int>(DialogMessage::kSaveCityDatabaseQuestion); ++m) {
        const std::string message = Utf8(DialogMessageText(static_cast<DialogMessage>(m)));
        EXPECT_TRUE(HasPhrase(text, message))
            << "message " << m << " \"" << message << "\" is not in the guide";
    }
}

// ---- Reports --------------------------------------------------------------

// The words a report prints to name its columns, rows and marks: the
// fields of the lines without figures (column headings, notes), the labels
// before a colon, and what stands in parentheses. Titles (centred lines),
// the place's heading and lines of one word (a planet's name over its
// table) are left out, and so are sentences.
std::set<std::string> ReportVocabulary(const ReportBuffer& buffer, const ReportBuffer& header) {
    std::set<std::string> headerLines;
    for (const std::string& line : BufferLines(header)) {
        headerLines.insert(line);
    }
    std::set<std::string> words;
    const std::regex separator(R"(\s{2,}|\|)");
    const std::regex parenthesised(R"(\(([A-Za-z][A-Za-z ]+)\))");
    for (const std::string& line : BufferLines(buffer)) {
        if (headerLines.count(line) != 0 || line.find_first_not_of(' ') >= 10) {
            continue;
        }
        const bool figures = line.find_first_of("0123456789") != std::string::npos;
        std::vector<std::string> fields;
        for (std::sregex_token_iterator it(line.begin(), line.end(), separator, -1), end; it != end;
             ++it) {
            std::string field = *it;
            field.erase(0, field.find_first_not_of(' '));
            field.erase(field.find_last_not_of(' ') + 1);
            if (!field.empty()) {
                fields.push_back(field);
            }
        }
        for (const std::string& field : fields) {
            const size_t colon = field.find(':');
            std::vector<std::string> found;
            if (colon != std::string::npos) {
                found.push_back(field.substr(0, colon));
            } else if (!figures && !(fields.size() == 1 && field.find(' ') == std::string::npos)) {
                found.push_back(field);
            }
            for (std::sregex_iterator it(field.begin(), field.end(), parenthesised), end; it != end;
                 ++it) {
                found.push_back((*it)[0]);
            }
            for (const std::string& word : found) {
                const long letters = std::count_if(word.begin(), word.end(), [](char c) {
                    return std::isalpha(static_cast<unsigned char>(c)) != 0;
                });
                if (letters >= 2 && std::count(word.begin(), word.end(), ' ') < 8) {
                    words.insert(word);
                }
            }
        }
    }
    return words;
}

TEST(HelpGuide, EveryReportColumnAndLabelIsInItsTopic) {
    const HelpBook& book = CaelorGuide();
    ScopedHost host;
    FixedLocale locale;
    // A year with both kinds of eclipse, north of 60 degrees nowhere near.
    const Location place = TestPlace("Sydney", 33.87, kSouth, 151.21, kEast, 10, 58);
    ReportBuffer header;
    ReportHeader(place, header);
    int reports = 0;
    int checked = 0;
    for (int k = 0; k < kCommandRowCount; ++k) {
        const CommandRow& row = kCommandRows[k];
        if (row.kind != kReportCommand || row.generator == nullptr ||
            row.command == IDM_REPORT_ALMANAC) {
            continue;
        }
        ++reports;
        const HelpTopic* topic = FindHelpContext(book, row.helpContext);
        ASSERT_NE(topic, nullptr) << row.helpContext;
        ReportRequest request = MonthsRequest(2026, 1, 12, 0x7FF);
        request.stopYear = 2026;
        ReportBuffer buffer;
        row.generator(request, buffer, place);
        const std::string text = TopicText(book, *topic);
        const std::set<std::string> words = ReportVocabulary(buffer, header);
        checked += static_cast<int>(words.size());
        for (const std::string& word : words) {
            EXPECT_TRUE(HasPhrase(text, Utf8(word)))
                << topic->name << ": the report prints \"" << word << "\"";
        }
    }
    EXPECT_EQ(reports, 15);
    EXPECT_GT(checked, 100);
}

} // namespace
