// The launcher's help topics: the parser, the lookup and the shipped text.

#include "core/help_topics.h"
#include "core/task_list.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::vector<LauncherHelpTopic> ShippedTopics() {
    std::ifstream in(std::string(CAELOR_SOURCE_DIR) + "/varnixpc/app/help/topics.txt",
                     std::ios::binary);
    EXPECT_TRUE(in) << "varnixpc/app/help/topics.txt is missing";
    std::ostringstream contents;
    contents << in.rdbuf();
    std::vector<LauncherHelpTopic> topics;
    std::vector<std::string> errors;
    EXPECT_TRUE(ParseLauncherHelpTopics(contents.str(), topics, errors))
        << (errors.empty() ? "" : errors[0]);
    return topics;
}

TEST(VarnixHelpTopics, ParsesTopicsWithTitlesAndTrimmedText) {
    std::vector<LauncherHelpTopic> topics;
    std::vector<std::string> errors;
    ASSERT_TRUE(
        ParseLauncherHelpTopics(".topic index Contents\r\n\r\nFirst line\r\n  indented\r\n\r\n"
                                ".topic menus  The menus \nAbout menus\n",
                                topics, errors))
        << (errors.empty() ? "" : errors[0]);
    ASSERT_EQ(topics.size(), 2u);
    EXPECT_EQ(topics[0].id, "index");
    EXPECT_EQ(topics[0].title, "Contents");
    EXPECT_EQ(topics[0].text, "First line\n  indented");
    EXPECT_EQ(topics[1].id, "menus");
    EXPECT_EQ(topics[1].title, "The menus");
    EXPECT_EQ(topics[1].text, "About menus");
}

TEST(VarnixHelpTopics, ReportsEachFaultWithItsLine) {
    std::vector<LauncherHelpTopic> topics;
    std::vector<std::string> errors;
    EXPECT_FALSE(ParseLauncherHelpTopics("stray\n"
                                         ".topic a First\n"
                                         "text\n"
                                         ".topic a Again\n"
                                         "more\n"
                                         ".topic lonely\n"
                                         ".topic empty Empty\n"
                                         "\n",
                                         topics, errors));
    ASSERT_EQ(errors.size(), 4u);
    EXPECT_EQ(errors[0], "line 1: text outside a topic");
    EXPECT_EQ(errors[1], "line 4: topic \"a\" appears twice");
    EXPECT_EQ(errors[2], "line 6: a topic needs an id and a title");
    EXPECT_EQ(errors[3], "line 7: topic \"empty\" has no text");
    // A repeated topic's lines must not be appended to the first one.
    ASSERT_GE(topics.size(), 1u);
    EXPECT_EQ(topics[0].text, "text");
}

TEST(VarnixHelpTopics, WordsMerelyStartingWithTheMarkerAreText) {
    std::vector<LauncherHelpTopic> topics;
    std::vector<std::string> errors;
    ASSERT_TRUE(
        ParseLauncherHelpTopics(".topic index Contents\n.topics are listed\n", topics, errors));
    ASSERT_EQ(topics.size(), 1u);
    EXPECT_EQ(topics[0].text, ".topics are listed");
}

TEST(VarnixHelpTopics, LookupByIdAndIndex) {
    const std::vector<LauncherHelpTopic> topics = {{"menus", "Menus", "m"},
                                                   {"index", "Contents", "c"}};
    EXPECT_EQ(FindLauncherHelpTopic(topics, "menus"), 0);
    EXPECT_EQ(FindLauncherHelpTopic(topics, "index"), 1);
    EXPECT_EQ(FindLauncherHelpTopic(topics, "missing"), -1);
    EXPECT_EQ(IndexLauncherHelpTopic(topics), 1);
    EXPECT_EQ(IndexLauncherHelpTopic({}), -1);
}

TEST(VarnixHelpTopics, DisplayTextHasCarriageReturns) {
    EXPECT_EQ(HelpTextForDisplay("a\nb\n\nc"), "a\r\nb\r\n\r\nc");
    EXPECT_EQ(HelpTextForDisplay(""), "");
}

TEST(VarnixHelpTopics, ShippedTopicsParseAndHaveAnIndex) {
    const std::vector<LauncherHelpTopic> topics = ShippedTopics();
    const int index = IndexLauncherHelpTopic(topics);
    ASSERT_GE(index, 0);
    // Every topic must be reachable from the index by its title.
    for (const LauncherHelpTopic& topic : topics) {
        if (topic.id != "index") {
            EXPECT_NE(topics[static_cast<std::size_t>(index)].text.find(topic.title),
                      std::string::npos)
                << topic.title;
        }
    }
    for (const char* id :
         {"programs", "setup", "exit", "tasks", "menufile", "options", "editor", "drop", "shell"}) {
        EXPECT_GE(FindLauncherHelpTopic(topics, id), 0) << id;
    }
}

// The task topic names every fixed entry the task menu shows, the one that
// hides the window in front ("Hide " and that window's title) included.
TEST(VarnixHelpTopics, TaskTopicNamesEveryFixedEntry) {
    const std::vector<LauncherHelpTopic> topics = ShippedTopics();
    const int tasks = FindLauncherHelpTopic(topics, "tasks");
    ASSERT_GE(tasks, 0);
    const std::string& text = topics[static_cast<std::size_t>(tasks)].text;
    EXPECT_NE(text.find(kHideOthersText), std::string::npos);
    EXPECT_NE(text.find(kShowAllText), std::string::npos);
    bool hideWindow = false;
    for (std::size_t at = text.find(kHidePrefix); at != std::string::npos && !hideWindow;
         at = text.find(kHidePrefix, at + 1)) {
        hideWindow = text.compare(at, std::string(kHideOthersText).size(), kHideOthersText) != 0;
    }
    EXPECT_TRUE(hideWindow) << text;
}

} // namespace
