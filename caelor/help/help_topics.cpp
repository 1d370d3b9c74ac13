#include "help/help_topics.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

struct CommandContext {
    int command;
    int context;
};

// Menu command -> help context, searched in this order.
constexpr CommandContext kCommandContexts[] = {
    {52, 100}, {53, 101},  {94, 102}, {51, 103},  {110, 200}, {130, 300}, {80, 400}, {81, 401},
    {82, 402}, {83, 403},  {84, 404}, {85, 405},  {86, 406},  {87, 407},  {88, 408}, {89, 409},
    {90, 410}, {141, 411}, {91, 412}, {92, 413},  {93, 414},  {11, 500},  {12, 501}, {13, 502},
    {14, 503}, {15, 504},  {16, 505}, {17, 506},  {18, 507},  {19, 508},  {20, 509}, {21, 510},
    {22, 511}, {23, 512},  {24, 513}, {120, 301}, {121, 515}, {122, 516}, {25, 514}, {64, 600},
    {65, 601}, {66, 601},  {63, 602}, {62, 602},  {61, 603},  {67, 604},  {69, 605}, {68, 606},
    {73, 607}, {74, 611},  {70, 608}, {71, 609},  {72, 610},  {100, 800}, {31, 900}, {32, 901},
    {33, 902}, {140, 903}, {35, 904}, {38, 905},  {36, 907},
};

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

const int kHelpContextsInUse[] = {
    // Menu commands.
    100, 101, 102, 103, 200, 300, 301, 400, 401, 402, 403, 404, 405, 406, 407, 408, 409, 410, 411,
    412, 413, 414, 500, 501, 502, 503, 504, 505, 506, 507, 508, 509, 510, 511, 512, 513, 514, 515,
    516, 600, 601, 602, 603, 604, 605, 606, 607, 608, 609, 610, 611, 800, 900, 901, 902, 903, 904,
    905, 907,
    // Input dialogs that have no menu command of their own.
    1008, 1015, 1016, 1017, 1018};
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
    for (const CommandContext& entry : kCommandContexts) {
        if (entry.command == commandId) {
            return entry.context;
        }
    }
    return -1;
}
