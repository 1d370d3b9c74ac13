// The command table, checked against what a person sees: every item of the
// menu bar has its row, of the kind its menu says; the dialogs are templates
// of the resources titled as their items; each report command writes the
// report its item names. And the latitude refusal.
#include "settings/commands.h"

#include "menu_resource.h"
#include "report_test_support.h"

#include "resources/string_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The caption of every dialog template in dialogs.rc, by template name.
std::map<std::string, std::string> DialogCaptions() {
    std::istringstream rc(ResourceText("dialogs.rc"));
    std::map<std::string, std::string> captions;
    std::string dialog;
    for (std::string line; std::getline(rc, line);) {
        const size_t keyword = line.find(" DIALOG ");
        if (keyword != std::string::npos && line.find('"') == std::string::npos) {
            dialog = line.substr(0, keyword);
            captions[dialog] = "";
        } else if (!dialog.empty() && line.rfind("CAPTION ", 0) == 0) {
            captions[dialog] = Quoted(line);
        }
    }
    return captions;
}

bool IsCommandPopup(const std::string& popup) {
    return popup == "Reports" || popup == "Graphs" || popup == "Movies";
}

// What the dialog of a command shows in its title bar: the string the main
// window hands it, or else the template's own caption.
std::string ShownTitle(const CommandDialog& dialog,
                       const std::map<std::string, std::string>& captions) {
    if (dialog.titleId != 0) {
        const char* text = StringText(dialog.titleId);
        return text == nullptr ? "<no string " + std::to_string(dialog.titleId) + ">" : text;
    }
    const auto it = captions.find(dialog.templateName);
    return it == captions.end() ? "" : it->second;
}

// The dialog of a command that asks before it runs; false for any other.
bool DialogOf(int id, CommandDialog& dialog) {
    const CommandRow* row = FindCommand(id);
    if (row == nullptr || row->dialog.templateName == nullptr) {
        return false;
    }
    dialog = row->dialog;
    return true;
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

std::string TrimmedLine(const std::string& line) {
    const size_t first = line.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : line.substr(first);
}

// The title of the report a Reports menu item writes, as the report itself
// spells it.
std::string ReportTitle(const std::string& label) {
    if (label == "Introduction" || label == "Almanac") {
        return "Introduction to Reports"; // the Almanac opens with it
    }
    if (label == "Lunar Eclipses" || label == "Solar Eclipses" || label == "Local Eclipses") {
        return label.substr(0, label.size() - 1) + " Report";
    }
    if (label == "Planet Conj/Opp") {
        return "Planet Conjunction/Opposition Report";
    }
    return label + " Report";
}

} // namespace

// Every item of the menu bar does something when chosen: it has one row,
// and no row stands for a command the menus do not offer.
TEST(CommandTable, EveryMenuItemHasOneRowAndEveryRowAnItem) {
    const std::vector<MenuItem> items = MenuBarItems();
    std::set<int> offered;
    for (const MenuItem& item : items) {
        EXPECT_TRUE(offered.insert(item.id).second) << item.label << ": an id used twice";
        const CommandRow* row = FindCommand(item.id);
        ASSERT_NE(row, nullptr) << item.popup << " > " << item.label;
        EXPECT_EQ(row->command, item.id);
    }
    EXPECT_EQ(kCommandRowCount, static_cast<int>(items.size()));
    for (int k = 0; k < kCommandRowCount; ++k) {
        EXPECT_EQ(offered.count(kCommandRows[k].command), 1u) << kCommandRows[k].command;
    }
    EXPECT_EQ(FindCommand(0), nullptr);
}

// The menu a command sits in says what it is: everything in Reports writes
// a report, the items of Graphs and Movies that ask first draw a graph or
// play a movie (the others there steer them), the rest of the menus start
// no work. A report has a generator, a movie a mode of its own.
TEST(CommandTable, EachCommandIsOfTheKindItsMenuSays) {
    std::set<int> movieModes;
    for (const MenuItem& item : MenuBarItems()) {
        int kind = kOtherCommand;
        if (item.popup == "Reports") {
            kind = kReportCommand;
        } else if (item.popup == "Graphs" && AsksFirst(item)) {
            kind = kGraphCommand;
        } else if (item.popup == "Movies" && AsksFirst(item)) {
            kind = kMovieCommand;
        }
        EXPECT_EQ(CommandKind(item.id), kind) << item.label;
        const CommandRow& row = *FindCommand(item.id);
        EXPECT_EQ(row.generator != nullptr, kind == kReportCommand) << item.label;
        EXPECT_EQ(row.movieMode != kNoMovie, kind == kMovieCommand) << item.label;
        if (kind == kMovieCommand) {
            EXPECT_TRUE(movieModes.insert(row.movieMode).second) << item.label;
        }
    }
    EXPECT_EQ(movieModes.size(), 7u);
    EXPECT_EQ(CommandKind(0), kOtherCommand);
}

// Choosing a report writes the report its menu item names, for the place
// given.
TEST(CommandTable, EachReportCommandWritesTheReportItsItemNames) {
    ScopedHost scope;
    FixedLocale locale;
    const Location place = TestPlace("Sydney", 33.87, kSouth, 151.21, kEast, 10, 58);
    int reports = 0;
    for (const MenuItem& item : MenuBarItems()) {
        if (item.popup != "Reports") {
            continue;
        }
        ++reports;
        const std::string label = PlainLabel(item.label);
        ReportBuffer buffer;
        FindCommand(item.id)->generator(MonthsRequest(2026, 1, 1, kAllBodies), buffer, place);
        const std::vector<std::string> lines = BufferLines(buffer);
        const std::string title = ReportTitle(label);
        bool titled = false;
        bool placed = false;
        for (const std::string& line : lines) {
            titled = titled || StartsWith(TrimmedLine(line), title);
            placed = placed || StartsWith(line, place.name);
        }
        EXPECT_TRUE(titled) << label << " wrote no \"" << title << "\"";
        if (label != "Introduction" && label != "Planet Data" && label != "Dates of Easter") {
            EXPECT_TRUE(placed) << label << " names no place";
        }
        if (label == "Almanac") {
            EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
                return StartsWith(TrimmedLine(line), "Twilight Report");
            })) << "the Almanac ends without its Twilight report";
        }
    }
    EXPECT_EQ(reports, 16);
}

// A report, graph or movie whose menu item ends in "..." opens a dialog
// template the resources hold, titled with the command's own name (the
// eclipse graph adds "Graph" to tell it from the eclipse reports); one
// without asks nothing, and the commands of the other menus have no input
// dialog here.
TEST(CommandDialogs, EachCommandOpensATemplateTitledAsItsMenuItem) {
    const std::map<std::string, std::string> captions = DialogCaptions();
    ASSERT_GE(captions.size(), 13u);
    const std::vector<MenuItem> items = MenuBarItems();
    int asking = 0;
    for (const MenuItem& item : items) {
        CommandDialog dialog;
        const bool known = DialogOf(item.id, dialog);
        if (!IsCommandPopup(item.popup) || !AsksFirst(item)) {
            EXPECT_FALSE(known) << item.popup << " > " << item.label;
            continue;
        }
        ++asking;
        ASSERT_TRUE(known) << item.label;
        ASSERT_NE(dialog.templateName, nullptr) << item.label;
        EXPECT_EQ(captions.count(dialog.templateName), 1u)
            << item.label << ": no template " << dialog.templateName << " in dialogs.rc";
        const std::string name = PlainLabel(item.label);
        const std::string title = ShownTitle(dialog, captions);
        EXPECT_EQ(title.substr(0, name.size()), name)
            << item.label << " opens a dialog titled \"" << title << "\"";
    }
    // 14 reports, 15 graphs and 7 movies ask before they run.
    EXPECT_EQ(asking, 36);

    // Nothing outside the menu's report, graph and movie commands has one.
    std::set<int> commands;
    for (const MenuItem& item : items) {
        if (IsCommandPopup(item.popup)) {
            commands.insert(item.id);
        }
    }
    for (int k = 0; k < kCommandRowCount; ++k) {
        CommandDialog dialog;
        const int id = kCommandRows[k].command;
        if (DialogOf(id, dialog)) {
            EXPECT_EQ(commands.count(id), 1u) << id << " has a dialog but no menu item";
        }
    }
}

// The one Planets template serves reports over a span of months and graphs
// of a whole year; only the distance graph asks from where distances are
// taken, and only there does the Earth itself have a curve (its distance
// from the Sun).
TEST(CommandDialogs, ThePlanetsDialogShowsWhatItsCommandTakes) {
    const std::map<std::string, std::string> captions = DialogCaptions();
    int planetsDialogs = 0;
    for (const MenuItem& item : MenuBarItems()) {
        CommandDialog dialog;
        if (!IsCommandPopup(item.popup) || !DialogOf(item.id, dialog) ||
            std::string(dialog.templateName) != "DIAL_PLANETS") {
            continue;
        }
        ++planetsDialogs;
        const bool distance = ShownTitle(dialog, captions).find("Distance") != std::string::npos;
        EXPECT_EQ(dialog.showMonthFields, item.popup == "Reports" ? 1 : 0) << item.label;
        EXPECT_EQ(dialog.showDistance, distance ? 1 : 0) << item.label;
        EXPECT_EQ(dialog.includeEarth, distance ? 1 : 0) << item.label;
    }
    EXPECT_EQ(planetsDialogs, 7); // 2 reports, 5 graphs
}

TEST(RefusedAtLatitude, OnlySunriseAnalemmaAndTwilightAboveSixtyDegrees) {
    EXPECT_TRUE(RefusedAtLatitude(IDM_REPORT_TWILIGHT, 61.0));
    EXPECT_TRUE(RefusedAtLatitude(IDM_GRAPH_ANALEMMA, 60.5));
    EXPECT_TRUE(RefusedAtLatitude(IDM_GRAPH_SUNRISE, 89.0));
    EXPECT_FALSE(RefusedAtLatitude(IDM_REPORT_TWILIGHT, 60.0));
    EXPECT_FALSE(RefusedAtLatitude(IDM_GRAPH_DAY_LENGTH, 75.0));
    EXPECT_FALSE(RefusedAtLatitude(IDM_REPORT_CALENDAR, 75.0));
}
