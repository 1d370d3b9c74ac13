#include "help/help_text.h"

namespace {

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (c == ' ') {
            if (!word.empty()) {
                words.push_back(word);
            }
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) {
        words.push_back(word);
    }
    return words;
}

} // namespace

std::vector<std::string> FillHelpText(const std::string& text, int width) {
    std::vector<std::string> lines;
    std::string line;
    for (const std::string& word : Words(text)) {
        if (!line.empty() && static_cast<int>(line.size() + 1 + word.size()) > width) {
            lines.push_back(line);
            line.clear();
        }
        line += line.empty() ? word : " " + word;
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

std::string HelpSpansText(const std::vector<HelpSpan>& spans) {
    std::string text;
    for (const HelpSpan& span : spans) {
        text += span.text;
    }
    return text;
}

std::vector<HelpSpan> HelpSeeAlsoSpans(const HelpBook& book, const HelpTopic& topic) {
    std::vector<HelpSpan> spans;
    for (const std::string& name : topic.see) {
        const HelpTopic* target = FindHelpTopic(book, name);
        if (target == nullptr) {
            continue;
        }
        if (!spans.empty()) {
            spans.push_back(HelpSpan{", ", "", 0});
        }
        spans.push_back(HelpSpan{target->title, name, 0});
    }
    return spans;
}

std::vector<std::string> HelpTopicLines(const HelpBook& book, const HelpTopic& topic, int width) {
    std::vector<std::string> lines = FillHelpText(topic.title, width);
    auto addBlock = [&](const std::vector<std::string>& block) {
        lines.emplace_back();
        lines.insert(lines.end(), block.begin(), block.end());
    };
    for (const HelpBlock& block : topic.blocks) {
        if (block.kind == HelpBlockKind::Preformatted) {
            std::vector<std::string> cut;
            for (const std::string& line : block.lines) {
                cut.push_back(line.substr(0, static_cast<size_t>(width)));
            }
            addBlock(cut);
        } else {
            addBlock(FillHelpText(HelpSpansText(block.spans), width));
        }
    }
    const std::vector<HelpSpan> see = HelpSeeAlsoSpans(book, topic);
    if (!see.empty()) {
        addBlock(FillHelpText("See also: " + HelpSpansText(see), width));
    }
    return lines;
}
