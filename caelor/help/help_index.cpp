#include "help/help_book.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace {

// Lower case (ASCII letters only) with runs of blanks made one blank and
// leading blanks dropped: how the index compares keywords.
std::string IndexKey(const std::string& s) {
    std::string out;
    for (char c : s) {
        const bool blank = std::isspace(static_cast<unsigned char>(c)) != 0;
        if (blank && (out.empty() || out.back() == ' ')) {
            continue;
        }
        out += blank ? ' ' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

} // namespace

const HelpTopic* FindHelpContext(const HelpBook& book, int context) {
    for (const HelpTopic& topic : book.topics) {
        if (topic.context == context && context != kNoHelpContext) {
            return &topic;
        }
    }
    return nullptr;
}

const HelpTopic* FindHelpTopic(const HelpBook& book, const std::string& name) {
    for (const HelpTopic& topic : book.topics) {
        if (topic.name == name) {
            return &topic;
        }
    }
    return nullptr;
}

const HelpTopic* FindHelpKeyword(const HelpBook& book, const std::string& keyword) {
    std::string key = IndexKey(keyword);
    if (!key.empty() && key.back() == ' ') {
        key.pop_back(); // "moon " finds "Moon"
    }
    for (const HelpTopic& topic : book.topics) {
        for (const std::string& k : topic.keywords) {
            if (IndexKey(k) == key) {
                return &topic;
            }
        }
    }
    return nullptr;
}

int HelpTopicIndex(const HelpBook& book, const HelpTopic& topic) {
    return static_cast<int>(&topic - book.topics.data());
}

std::vector<HelpIndexEntry> HelpIndex(const HelpBook& book) {
    // Every (key, topic) once, in the order of the book.
    struct Item {
        std::string key;
        std::string shown;
        int topic;
    };
    std::vector<Item> items;
    std::map<std::string, std::vector<int>> topicsOfKey;
    for (size_t t = 0; t < book.topics.size(); ++t) {
        const HelpTopic& topic = book.topics[t];
        std::vector<std::string> texts = topic.keywords;
        texts.insert(texts.begin(), topic.title);
        for (const std::string& text : texts) {
            const std::string key = IndexKey(text);
            std::vector<int>& topics = topicsOfKey[key];
            if (std::find(topics.begin(), topics.end(), static_cast<int>(t)) != topics.end()) {
                continue;
            }
            topics.push_back(static_cast<int>(t));
            items.push_back(Item{key, text, static_cast<int>(t)});
        }
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const Item& a, const Item& b) { return a.key < b.key; });
    std::vector<HelpIndexEntry> index;
    std::map<std::string, std::string> firstSpelling;
    for (const Item& item : items) {
        firstSpelling.emplace(item.key, item.shown);
    }
    for (const Item& item : items) {
        const std::string& shown = firstSpelling[item.key];
        const std::vector<int>& topics = topicsOfKey[item.key];
        if (topics.size() == 1) {
            index.push_back(HelpIndexEntry{shown, shown, item.topic});
            continue;
        }
        const HelpTopic& topic = book.topics[static_cast<size_t>(item.topic)];
        std::string which = topic.title;
        // Two topics of one title (a graph and the glossary's word) are told
        // apart by the first part of the name: "glossary".
        const bool sameTitle = std::any_of(topics.begin(), topics.end(), [&](int other) {
            return other != item.topic &&
                   IndexKey(book.topics[static_cast<size_t>(other)].title) == IndexKey(topic.title);
        });
        const size_t dash = topic.name.find('-');
        if (sameTitle && dash != std::string::npos) {
            which += ", " + topic.name.substr(0, dash);
        }
        index.push_back(HelpIndexEntry{shown + " (" + which + ")", shown, item.topic});
    }
    return index;
}

std::vector<HelpIndexEntry> SearchHelpIndex(const std::vector<HelpIndexEntry>& index,
                                            const std::string& prefix) {
    const std::string key = IndexKey(prefix);
    std::vector<HelpIndexEntry> found;
    for (const HelpIndexEntry& entry : index) {
        if (IndexKey(entry.key).compare(0, key.size(), key) == 0) {
            found.push_back(entry);
        }
    }
    return found;
}
