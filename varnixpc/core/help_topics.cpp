#include "core/help_topics.h"

namespace {

const char kTopicPrefix[] = ".topic";
const std::size_t kTopicPrefixLength = sizeof(kTopicPrefix) - 1;

bool IsBlank(const std::string& line) {
    return line.find_first_not_of(" \t") == std::string::npos;
}

bool IsTopicLine(const std::string& line) {
    return line.compare(0, kTopicPrefixLength, kTopicPrefix) == 0 &&
           (line.size() == kTopicPrefixLength || line[kTopicPrefixLength] == ' ' ||
            line[kTopicPrefixLength] == '\t');
}

std::string Trim(const std::string& s) {
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::string();
    }
    const std::size_t last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

std::string LineError(int line, const std::string& message) {
    return "line " + std::to_string(line) + ": " + message;
}

// Blank lines after a topic's text separate it from the next topic; they
// are not part of it.
void FinishTopic(std::vector<LauncherHelpTopic>& topics, int topicLine,
                 std::vector<std::string>& errors) {
    if (topics.empty()) {
        return;
    }
    std::string& text = topics.back().text;
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ' || text.back() == '\t')) {
        text.pop_back();
    }
    if (text.empty()) {
        errors.push_back(LineError(topicLine, "topic \"" + topics.back().id + "\" has no text"));
    }
}

} // namespace

bool ParseLauncherHelpTopics(const std::string& source, std::vector<LauncherHelpTopic>& topics,
                             std::vector<std::string>& errors) {
    topics.clear();
    errors.clear();
    bool inTopic = false;
    // The lines of a rejected topic line belong to no topic; they are not
    // reported again one by one.
    bool skipping = false;
    bool atTextStart = true;
    int topicLine = 0;
    int lineNumber = 0;
    std::size_t pos = 0;
    while (pos < source.size()) {
        std::size_t end = source.find('\n', pos);
        if (end == std::string::npos) {
            end = source.size();
        }
        std::string line = source.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (IsTopicLine(line)) {
            if (inTopic) {
                FinishTopic(topics, topicLine, errors);
            }
            inTopic = false;
            skipping = true;
            const std::string rest = Trim(line.substr(kTopicPrefixLength));
            const std::size_t gap = rest.find_first_of(" \t");
            const std::string id = rest.substr(0, gap);
            const std::string title = gap == std::string::npos ? "" : Trim(rest.substr(gap));
            if (id.empty() || title.empty()) {
                errors.push_back(LineError(lineNumber, "a topic needs an id and a title"));
                continue;
            }
            if (FindLauncherHelpTopic(topics, id) >= 0) {
                errors.push_back(LineError(lineNumber, "topic \"" + id + "\" appears twice"));
                continue;
            }
            topics.push_back(LauncherHelpTopic{id, title, std::string()});
            inTopic = true;
            skipping = false;
            atTextStart = true;
            topicLine = lineNumber;
            continue;
        }
        if (!inTopic) {
            if (!skipping && !IsBlank(line)) {
                errors.push_back(LineError(lineNumber, "text outside a topic"));
            }
            continue;
        }
        // Blank lines between the topic line and its text are layout only.
        if (atTextStart && IsBlank(line)) {
            continue;
        }
        atTextStart = false;
        topics.back().text += line;
        topics.back().text += '\n';
    }
    if (inTopic) {
        FinishTopic(topics, topicLine, errors);
    }
    return errors.empty();
}

int FindLauncherHelpTopic(const std::vector<LauncherHelpTopic>& topics, const std::string& id) {
    for (std::size_t i = 0; i < topics.size(); ++i) {
        if (topics[i].id == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int IndexLauncherHelpTopic(const std::vector<LauncherHelpTopic>& topics) {
    return FindLauncherHelpTopic(topics, "index");
}

std::string HelpTextForDisplay(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    return out;
}
