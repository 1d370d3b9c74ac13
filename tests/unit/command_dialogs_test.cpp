// The dialogs the main window runs for its commands, checked against what a
// person sees: the menu bar and the dialog templates of the resources, and
// the titles of the string table. And the latitude refusal.
#include "settings/command_dialogs.h"

#include "menu_resource.h"

#include "resources/string_table.h"

#include <gtest/gtest.h>

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

} // namespace

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
        const bool known = CommandDialogOf(item.id, dialog);
        if (!IsCommandPopup(item.popup)) {
            EXPECT_FALSE(known) << item.popup << " > " << item.label;
            continue;
        }
        if (!AsksFirst(item)) {
            EXPECT_TRUE(!known || dialog.templateName == nullptr) << item.label;
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
    // 13 reports, 15 graphs and 7 movies ask before they run.
    EXPECT_EQ(asking, 35);

    // Nothing outside the menu's report, graph and movie commands has one.
    std::set<int> commands;
    for (const MenuItem& item : items) {
        if (IsCommandPopup(item.popup)) {
            commands.insert(item.id);
        }
    }
    for (int id = -1; id <= 2000; ++id) {
        CommandDialog dialog;
        if (CommandDialogOf(id, dialog)) {
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
        if (!IsCommandPopup(item.popup) || !CommandDialogOf(item.id, dialog) ||
            dialog.templateName == nullptr || std::string(dialog.templateName) != "DIAL_PLANETS") {
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
    EXPECT_TRUE(RefusedAtLatitude(92, 61.0));
    EXPECT_TRUE(RefusedAtLatitude(21, 60.5));
    EXPECT_TRUE(RefusedAtLatitude(22, 89.0));
    EXPECT_FALSE(RefusedAtLatitude(92, 60.0));
    EXPECT_FALSE(RefusedAtLatitude(19, 75.0));
    EXPECT_FALSE(RefusedAtLatitude(81, 75.0));
}
