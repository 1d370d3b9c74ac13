// The launcher's help: topics parsed from a text compiled into the program.
//
// A topic starts with a line ".topic <id> <title>"; the lines up to the next
// such line are its text. Ids are single words; "index" is the topic help
// opens at.
#pragma once

#include <string>
#include <vector>

struct LauncherHelpTopic {
    std::string id;
    std::string title;
    std::string text; // lines joined by '\n', no trailing blank lines
};

// Parses the whole text. Returns false, with one message per fault
// ("line N: ..."), on text before the first topic, a topic line without id
// or title, a repeated id or a topic without text; the topics that did parse
// are still returned.
bool ParseLauncherHelpTopics(const std::string& source, std::vector<LauncherHelpTopic>& topics,
                             std::vector<std::string>& errors);

// Position of the topic with this id; -1 when there is none.
int FindLauncherHelpTopic(const std::vector<LauncherHelpTopic>& topics, const std::string& id);

// The topic help opens at.
int IndexLauncherHelpTopic(const std::vector<LauncherHelpTopic>& topics);

// The text with "\r\n" line ends, as multi-line edit controls need.
std::string HelpTextForDisplay(const std::string& text);
