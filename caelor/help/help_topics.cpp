#include "help/help_topics.h"

#include "settings/commands.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

std::string Lower(const std::string& s) {
    std::string out = s;
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string Trim(const std::string& s) {
    size_t begin = 0;
    size_t end = s.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(s[begin]))) {
        ++begin;
    }
    while (end > begin && std::isspace(static_cast<unsigned char>(s[end - 1]))) {
        --end;
    }
    return s.substr(begin, end - begin);
}

} // namespace

const int kHelpContextsInUse[] = {1008, 1015, 1016, 1017, 1018};
const int kHelpContextsInUseCount = static_cast<int>(std::size(kHelpContextsInUse));

const char* const kHelpKeywordsInUse[] = {"keys", "commands", "User's Guide"};
const int kHelpKeywordsInUseCount = static_cast<int>(std::size(kHelpKeywordsInUse));

std::vector<HelpTopic> ParseHelpTopics(const std::string& source,
                                       std::vector<std::string>& errors) {
    std::vector<HelpTopic> topics;
    size_t pos = 0;
    int lineNumber = 0;
    while (pos < source.size()) {
        size_t end = source.find('\n', pos);
        if (end == std::string::npos) {
            end = source.size();
        }
        std::string line = source.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.rfind(".topic", 0) == 0) {
            const std::string rest = Trim(line.substr(6));
            char* after = nullptr;
            const long context = std::strtol(rest.c_str(), &after, 10);
            if (after == rest.c_str() || context <= 0) {
                errors.push_back("line " + std::to_string(lineNumber) + ": topic without a number");
                continue;
            }
            topics.push_back(HelpTopic{static_cast<int>(context), Trim(after), {}, ""});
            continue;
        }
        if (topics.empty()) {
            if (!Trim(line).empty()) {
                errors.push_back("line " + std::to_string(lineNumber) + ": text before any topic");
            }
            continue;
        }
        HelpTopic& topic = topics.back();
        if (line.rfind(".keywords", 0) == 0) {
            std::string list = line.substr(9);
            size_t start = 0;
            while (start <= list.size()) {
                size_t semi = list.find(';', start);
                if (semi == std::string::npos) {
                    semi = list.size();
                }
                const std::string keyword = Trim(list.substr(start, semi - start));
                if (!keyword.empty()) {
                    topic.keywords.push_back(keyword);
                }
                start = semi + 1;
            }
            continue;
        }
        if (!topic.text.empty() || !Trim(line).empty()) {
            topic.text += line;
            topic.text += '\n';
        }
    }
    for (HelpTopic& topic : topics) {
        while (!topic.text.empty() && (topic.text.back() == '\n' || topic.text.back() == ' ')) {
            topic.text.pop_back();
        }
    }
    return topics;
}

const HelpTopic* FindHelpContext(const std::vector<HelpTopic>& topics, int context) {
    for (const HelpTopic& topic : topics) {
        if (topic.context == context) {
            return &topic;
        }
    }
    return nullptr;
}

const HelpTopic* FindHelpKeyword(const std::vector<HelpTopic>& topics, const std::string& keyword) {
    const std::string key = Lower(Trim(keyword));
    for (const HelpTopic& topic : topics) {
        for (const std::string& k : topic.keywords) {
            if (Lower(k) == key) {
                return &topic;
            }
        }
    }
    return nullptr;
}

std::vector<HelpKeywordHit> FindHelpPartialKey(const std::vector<HelpTopic>& topics,
                                               const std::string& prefix) {
    const std::string key = Lower(Trim(prefix));
    std::vector<HelpKeywordHit> hits;
    for (const HelpTopic& topic : topics) {
        for (const std::string& k : topic.keywords) {
            const std::string lower = Lower(k);
            if (lower.compare(0, key.size(), key) != 0) {
                continue;
            }
            const bool seen = std::any_of(hits.begin(), hits.end(), [&](const HelpKeywordHit& h) {
                return Lower(h.keyword) == lower;
            });
            if (!seen) {
                hits.push_back(HelpKeywordHit{k, topic.context});
            }
        }
    }
    std::sort(hits.begin(), hits.end(), [](const HelpKeywordHit& a, const HelpKeywordHit& b) {
        return Lower(a.keyword) < Lower(b.keyword);
    });
    return hits;
}

int HelpContextOf(int commandId) {
    const CommandRow* row = FindCommand(commandId);
    return row != nullptr ? row->helpContext : -1;
}
