// The help topics of caelor: a user's guide compiled into the program's
// resources, found by context number (the menu commands' and dialogs'
// help), by keyword, or by the start of a keyword (the search).
//
// Source format, one topic after another:
//   .topic CONTEXT Title of the topic
//   .keywords first keyword; second keyword
//   text lines (kept as written; an empty line separates paragraphs)
#pragma once

#include <string>
#include <vector>

struct HelpTopic {
    int context;
    std::string title;
    std::vector<std::string> keywords;
    std::string text; // lines joined with "\n"
};

// Parses the topics; a line that starts a topic without a number, and text
// before the first topic, are reported in errors (one message per fault).
std::vector<HelpTopic> ParseHelpTopics(const std::string& source, std::vector<std::string>& errors);

// The topic with the context number, or nullptr.
const HelpTopic* FindHelpContext(const std::vector<HelpTopic>& topics, int context);

// The first topic with the keyword, compared without regard to case.
const HelpTopic* FindHelpKeyword(const std::vector<HelpTopic>& topics, const std::string& keyword);

// Every keyword that starts with prefix (without regard to case), sorted,
// each once, with the context of the first topic that has it. An empty prefix
// lists them all.
struct HelpKeywordHit {
    std::string keyword;
    int context;
};
std::vector<HelpKeywordHit> FindHelpPartialKey(const std::vector<HelpTopic>& topics,
                                               const std::string& prefix);

// The help context of a menu command (the command table's), or -1 for an
// id no menu item has.
int HelpContextOf(int commandId);

// Contexts and keywords the program opens help at besides the menu
// commands' (the input dialogs that have no command of their own, the help
// menu's keywords); every one must have a topic.
extern const int kHelpContextsInUse[];
extern const int kHelpContextsInUseCount;
extern const char* const kHelpKeywordsInUse[];
extern const int kHelpKeywordsInUseCount;

// Topics opened by the help menu's fixed entries.
constexpr int kHelpIndexContext = 900;
constexpr int kHelpOnHelpContext = 904;
