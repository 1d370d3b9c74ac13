// The help topics and the help context of each command.

#include "help/help_topics.h"

#include "menu_resource.h"
#include "settings/commands.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>

namespace {

std::string SourceFile(const char* path) {
    std::ifstream in(std::string(CAELOR_SOURCE_DIR "/") + path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<HelpTopic> ShippedTopics(std::vector<std::string>& errors) {
    return ParseHelpTopics(SourceFile("caelor/help/topics.txt"), errors);
}

// The block of resource script text from the line that starts with header
// to its END.
std::string ResourceBlock(const std::string& script, const std::string& header) {
    const size_t start = script.find("\n" + header);
    EXPECT_NE(start, std::string::npos) << header;
    if (start == std::string::npos) {
        return {};
    }
    const size_t end = script.find("\nEND", start);
    return script.substr(start, end - start);
}

TEST(HelpTopics, ParsesTopicsKeywordsAndText) {
    std::vector<std::string> errors;
    const auto topics = ParseHelpTopics(".topic 10 First\n"
                                        ".keywords alpha; Beta Gamma ;\n"
                                        "\n"
                                        "Line one.\n"
                                        "\n"
                                        "Line two.\n"
                                        "\n"
                                        ".topic 20 Second\r\n"
                                        ".keywords alphabet\r\n"
                                        "Text\r\n",
                                        errors);
    EXPECT_TRUE(errors.empty());
    ASSERT_EQ(topics.size(), 2u);
    EXPECT_EQ(topics[0].context, 10);
    EXPECT_EQ(topics[0].title, "First");
    ASSERT_EQ(topics[0].keywords.size(), 2u);
    EXPECT_EQ(topics[0].keywords[1], "Beta Gamma");
    EXPECT_EQ(topics[0].text, "Line one.\n\nLine two.");
    EXPECT_EQ(topics[1].text, "Text");
    EXPECT_EQ(FindHelpKeyword(topics, "BETA gamma"), &topics[0]);
    EXPECT_EQ(FindHelpContext(topics, 20), &topics[1]);
    EXPECT_EQ(FindHelpContext(topics, 30), nullptr);
    const auto hits = FindHelpPartialKey(topics, "al");
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].keyword, "alpha");
    EXPECT_EQ(hits[1].keyword, "alphabet");
    EXPECT_EQ(hits[1].context, 20);
}

TEST(HelpTopics, FaultsInTheSourceAreReported) {
    std::vector<std::string> errors;
    const auto topics = ParseHelpTopics("stray text\n.topic x Bad\n.topic 5 Good\n", errors);
    EXPECT_EQ(topics.size(), 1u);
    EXPECT_EQ(errors.size(), 2u);
}

TEST(HelpTopics, EveryContextAndKeywordTheProgramOpensExists) {
    std::vector<std::string> errors;
    const auto topics = ShippedTopics(errors);
    EXPECT_TRUE(errors.empty()) << errors.front();
    for (int k = 0; k < kCommandRowCount; ++k) {
        const HelpTopic* topic = FindHelpContext(topics, kCommandRows[k].helpContext);
        ASSERT_NE(topic, nullptr) << "no topic for command " << kCommandRows[k].command;
        EXPECT_FALSE(topic->text.empty()) << kCommandRows[k].helpContext;
    }
    for (int i = 0; i < kHelpContextsInUseCount; ++i) {
        const HelpTopic* topic = FindHelpContext(topics, kHelpContextsInUse[i]);
        ASSERT_NE(topic, nullptr) << "no topic " << kHelpContextsInUse[i];
        EXPECT_FALSE(topic->text.empty()) << kHelpContextsInUse[i];
    }
    for (int i = 0; i < kHelpKeywordsInUseCount; ++i) {
        EXPECT_NE(FindHelpKeyword(topics, kHelpKeywordsInUse[i]), nullptr) << kHelpKeywordsInUse[i];
    }
    // Context numbers are unique, so a lookup is never ambiguous.
    for (size_t i = 0; i < topics.size(); ++i) {
        for (size_t j = i + 1; j < topics.size(); ++j) {
            EXPECT_NE(topics[i].context, topics[j].context) << topics[i].title;
        }
    }
}

// F1 on a menu item opens the topic about that item: its title is the
// item's own name, apart from the topics two items share and the contents
// that Help > Index opens.
TEST(HelpTopics, EachMenuItemOpensTheTopicOfItsName) {
    std::vector<std::string> errors;
    const auto topics = ShippedTopics(errors);
    const std::map<std::string, std::string> otherTitles = {
        {"Index", "Contents"},
        {"Stop Command", "Stop"},
        {"Ecliptic Top", "Ecliptic movies"},
        {"Ecliptic Side", "Ecliptic movies"},
        {"Jupiter Moons Side", "Jupiter Moons movies"},
        {"Jupiter Moons Top", "Jupiter Moons movies"},
    };
    int items = 0;
    for (const MenuItem& item : MenuBarItems()) {
        ++items;
        const std::string label = PlainLabel(item.label);
        const HelpTopic* topic = FindHelpContext(topics, HelpContextOf(item.id));
        ASSERT_NE(topic, nullptr) << label;
        const auto other = otherTitles.find(label);
        EXPECT_EQ(topic->title, other == otherTitles.end() ? label : other->second) << label;
    }
    EXPECT_EQ(items, 62);
    EXPECT_EQ(HelpContextOf(0), -1);
    EXPECT_EQ(HelpContextOf(999), -1);
}

// The help must name what the program really offers: every key of the
// accelerator table in the Keyboard topic, every button of the Assign Colors
// dialog in its topic.
TEST(HelpTopics, KeyboardAndColorTopicsNameWhatTheResourcesHold) {
    std::vector<std::string> errors;
    const auto topics = ShippedTopics(errors);
    const HelpTopic* keyboard = FindHelpContext(topics, 901);
    const HelpTopic* colors = FindHelpContext(topics, 301);
    ASSERT_NE(keyboard, nullptr);
    ASSERT_NE(colors, nullptr);

    const std::string accelerators =
        ResourceBlock(SourceFile("caelor/resources/menus.rc"), "\"ACCELERATORS\" ACCELERATORS");
    const std::regex key(R"(\n\s*(VK_F(\d)|VK_ESCAPE|VK_INSERT|3),)");
    int keys = 0;
    for (std::sregex_iterator it(accelerators.begin(), accelerators.end(), key), end; it != end;
         ++it) {
        const std::string vk = (*it)[1];
        const std::string name = vk == "VK_ESCAPE"   ? "Esc"
                                 : vk == "VK_INSERT" ? "Ctrl+Ins"
                                 : vk == "3"         ? "Ctrl+C"
                                                     : "F" + (*it)[2].str();
        EXPECT_NE(keyboard->text.find(name), std::string::npos) << name;
        ++keys;
    }
    EXPECT_EQ(keys, 10);

    const std::string dialog =
        ResourceBlock(SourceFile("caelor/resources/colors.rc"), "DIAL_ASSIGN_COLORS DIALOG");
    const std::regex button(R"(PUSHBUTTON\s+"&?([^".&]+))");
    int buttons = 0;
    for (std::sregex_iterator it(dialog.begin(), dialog.end(), button), end; it != end; ++it) {
        const std::regex word("\\b" + (*it)[1].str() + "\\b", std::regex::icase);
        EXPECT_TRUE(std::regex_search(colors->text, word)) << (*it)[1];
        ++buttons;
    }
    EXPECT_EQ(buttons, 23); // twenty colours, OK, Save and Cancel
}

} // namespace
