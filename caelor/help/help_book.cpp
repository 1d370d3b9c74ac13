#include "help/help_book.h"

#include "help/help_encoding.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>

namespace {

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

bool IsName(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
    });
}

std::vector<std::string> SplitList(const std::string& list, char separator) {
    std::vector<std::string> items;
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(separator, start);
        if (end == std::string::npos) {
            end = list.size();
        }
        const std::string item = Trim(list.substr(start, end - start));
        if (!item.empty()) {
            items.push_back(item);
        }
        start = end + 1;
    }
    return items;
}

// "directive rest" when line is ".directive rest" or ".directive" alone.
bool SplitDirective(const std::string& line, std::string& directive, std::string& rest) {
    if (line.size() < 2 || line[0] != '.' || !std::islower(static_cast<unsigned char>(line[1]))) {
        return false;
    }
    size_t end = 1;
    while (end < line.size() && std::islower(static_cast<unsigned char>(line[end]))) {
        ++end;
    }
    if (end < line.size() && line[end] != ' ') {
        return false;
    }
    directive = line.substr(1, end - 1);
    rest = end < line.size() ? Trim(line.substr(end)) : std::string();
    return true;
}

// The text of a paragraph or heading being read: its source lines joined by
// blanks, with the line each character came from for the messages.
struct PendingText {
    std::string text;
    std::vector<int> lineAt;

    void Add(const std::string& line, int lineNumber) {
        if (!text.empty()) {
            text += ' ';
            lineAt.push_back(lineNumber);
        }
        text += line;
        lineAt.insert(lineAt.end(), line.size(), lineNumber);
    }
};

void AddPlain(std::vector<HelpSpan>& spans, const std::string& text, int line) {
    if (text.empty()) {
        return;
    }
    if (!spans.empty() && spans.back().link.empty()) {
        spans.back().text += text;
    } else {
        spans.push_back(HelpSpan{text, "", line});
    }
}

// Splits text into plain stretches and links.
std::vector<HelpSpan> ParseSpans(const PendingText& pending, const std::string& file,
                                 std::vector<HelpError>& errors) {
    std::vector<HelpSpan> spans;
    const std::string& text = pending.text;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t open = text.find_first_of("{}", pos);
        if (open == std::string::npos) {
            AddPlain(spans, text.substr(pos), pending.lineAt[pos]);
            break;
        }
        const int line = pending.lineAt[open];
        AddPlain(spans, text.substr(pos, open - pos), pending.lineAt[pos]);
        if (text[open] == '}') {
            errors.push_back({file, line, "'}' without '{'"});
            pos = open + 1;
            continue;
        }
        const size_t close = text.find_first_of("{}", open + 1);
        if (close == std::string::npos || text[close] == '{') {
            errors.push_back({file, line, "'{' without '}'"});
            pos = open + 1;
            continue;
        }
        const std::string inside = text.substr(open + 1, close - open - 1);
        const size_t bar = inside.rfind('|');
        const std::string shown = bar == std::string::npos ? "" : Trim(inside.substr(0, bar));
        const std::string name = Trim(bar == std::string::npos ? inside : inside.substr(bar + 1));
        if (!IsName(name)) {
            errors.push_back(
                {file, line, "link {" + inside + "}: \"" + name + "\" is no topic name"});
        } else if (bar != std::string::npos && shown.empty()) {
            errors.push_back({file, line, "link {" + inside + "} shows no text"});
        } else {
            spans.push_back(HelpSpan{shown, name, line});
        }
        pos = close + 1;
    }
    return spans;
}

class SourceReader {
  public:
    SourceReader(const std::string& file, HelpBook& book, std::vector<HelpError>& errors)
        : file_(file), book_(book), errors_(errors) {}

    void Line(const std::string& line, int number) {
        std::string directive;
        std::string rest;
        if (SplitDirective(line, directive, rest)) {
            Directive(directive, rest, number);
            return;
        }
        if (state_ == kOutside) {
            if (!Trim(line).empty()) {
                Error(number, "text outside a topic");
            }
            return;
        }
        if (state_ == kSkipping) {
            return;
        }
        if (Trim(line).empty()) {
            EndBlock();
            return;
        }
        state_ = kBody;
        if (line.compare(0, 2, "  ") == 0) {
            EndText();
            if (!inPreformatted_) {
                Topic().blocks.push_back(HelpBlock{HelpBlockKind::Preformatted, {}, {}});
                inPreformatted_ = true;
            }
            std::string kept = line;
            while (!kept.empty() && kept.back() == ' ') {
                kept.pop_back();
            }
            Topic().blocks.back().lines.push_back(kept);
        } else if (line.compare(0, 3, "== ") == 0) {
            EndBlock();
            pendingKind_ = HelpBlockKind::Heading;
            pending_.Add(Trim(line.substr(3)), number);
            EndText();
        } else {
            inPreformatted_ = false;
            pendingKind_ = HelpBlockKind::Paragraph;
            pending_.Add(Trim(line), number);
        }
    }

    void End() { EndTopic(); }

  private:
    enum State { kOutside, kSkipping, kHeader, kBody };

    HelpTopic& Topic() { return book_.topics.back(); }

    void Error(int line, const std::string& message) {
        errors_.push_back(HelpError{file_, line, message});
    }

    void Directive(const std::string& directive, const std::string& rest, int number) {
        if (directive == "topic") {
            EndTopic();
            StartTopic(rest, number);
            return;
        }
        if (directive != "name" && directive != "keywords" && directive != "see") {
            Error(number, "unknown line ." + directive);
            return;
        }
        if (state_ == kOutside || state_ == kSkipping) {
            if (state_ == kOutside) {
                Error(number, "." + directive + " outside a topic");
            }
            return;
        }
        if (state_ == kBody) {
            Error(number, "." + directive + " after the topic's text");
            return;
        }
        HelpTopic& topic = Topic();
        if (directive == "name") {
            if (!topic.name.empty()) {
                Error(number, "a second .name");
            } else if (!IsName(rest)) {
                Error(number, "name \"" + rest + "\" is not lowercase letters, digits and dashes");
            } else {
                topic.name = rest;
            }
        } else if (directive == "keywords") {
            const std::vector<std::string> keywords = SplitList(rest, ';');
            if (keywords.empty()) {
                Error(number, ".keywords without a keyword");
            }
            topic.keywords.insert(topic.keywords.end(), keywords.begin(), keywords.end());
        } else {
            for (const std::string& name : SplitList(rest, ',')) {
                if (IsName(name)) {
                    topic.see.push_back(name);
                    topic.seeLine = number;
                } else {
                    Error(number, ".see: \"" + name + "\" is no topic name");
                }
            }
        }
    }

    void StartTopic(const std::string& rest, int number) {
        const size_t blank = rest.find(' ');
        const std::string context = rest.substr(0, blank);
        const std::string title = blank == std::string::npos ? "" : Trim(rest.substr(blank));
        int value = kNoHelpContext;
        if (context != "-") {
            char* end = nullptr;
            const long parsed = std::strtol(context.c_str(), &end, 10);
            if (context.empty() || *end != '\0' || parsed <= 0 || parsed > 99999) {
                Error(number, ".topic needs a context number or -, then the title");
                state_ = kSkipping;
                return;
            }
            value = static_cast<int>(parsed);
        }
        if (title.empty()) {
            Error(number, ".topic without a title");
            state_ = kSkipping;
            return;
        }
        HelpTopic topic;
        topic.context = value;
        topic.title = title;
        topic.file = file_;
        topic.line = number;
        book_.topics.push_back(topic);
        state_ = kHeader;
    }

    void EndText() {
        if (pending_.text.empty()) {
            return;
        }
        HelpBlock block{pendingKind_, ParseSpans(pending_, file_, errors_), {}};
        if (!block.spans.empty()) {
            Topic().blocks.push_back(block);
        }
        pending_ = PendingText{};
    }

    void EndBlock() {
        EndText();
        inPreformatted_ = false;
    }

    void EndTopic() {
        if (state_ == kHeader || state_ == kBody) {
            EndBlock();
            HelpTopic& topic = Topic();
            if (topic.name.empty()) {
                Error(topic.line, "topic \"" + topic.title + "\" has no .name");
                book_.topics.pop_back();
            } else if (topic.blocks.empty()) {
                Error(topic.line, "topic \"" + topic.title + "\" has no text");
            }
        }
        state_ = kOutside;
    }

    const std::string& file_;
    HelpBook& book_;
    std::vector<HelpError>& errors_;
    State state_ = kOutside;
    PendingText pending_;
    HelpBlockKind pendingKind_ = HelpBlockKind::Paragraph;
    bool inPreformatted_ = false;
};

// Calls take(line, number) for each line of text, numbered from 1, without
// its line end (LF or CR LF).
template <typename Take> void ForEachLine(const std::string& text, Take take) {
    size_t pos = 0;
    int number = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        take(line, ++number);
        pos = end + 1;
    }
}

} // namespace

std::string HelpErrorText(const HelpError& error) {
    return error.file + ":" + std::to_string(error.line) + ": " + error.message;
}

void ParseHelpSource(const std::string& text, const std::string& file, HelpBook& book,
                     std::vector<HelpError>& errors) {
    SourceReader reader(file, book, errors);
    ForEachLine(text, [&](const std::string& line, int number) { reader.Line(line, number); });
    reader.End();
}

void CheckHelpBook(HelpBook& book, std::vector<HelpError>& errors) {
    std::map<std::string, const HelpTopic*> byName;
    std::map<int, const HelpTopic*> byContext;
    for (const HelpTopic& topic : book.topics) {
        const auto named = byName.emplace(topic.name, &topic);
        if (!named.second) {
            const HelpTopic& first = *named.first->second;
            errors.push_back({topic.file, topic.line,
                              "name \"" + topic.name + "\" is also the name of the topic at " +
                                  first.file + ":" + std::to_string(first.line)});
        }
        if (topic.context != kNoHelpContext) {
            const auto numbered = byContext.emplace(topic.context, &topic);
            if (!numbered.second) {
                const HelpTopic& first = *numbered.first->second;
                errors.push_back({topic.file, topic.line,
                                  "context " + std::to_string(topic.context) +
                                      " is also the context of the topic at " + first.file + ":" +
                                      std::to_string(first.line)});
            }
        }
    }
    for (HelpTopic& topic : book.topics) {
        for (HelpBlock& block : topic.blocks) {
            for (HelpSpan& span : block.spans) {
                if (span.link.empty()) {
                    continue;
                }
                const auto target = byName.find(span.link);
                if (target == byName.end()) {
                    errors.push_back({topic.file, span.line,
                                      "link to \"" + span.link + "\", which no topic is named"});
                } else if (span.text.empty()) {
                    span.text = target->second->title;
                }
            }
        }
        for (const std::string& name : topic.see) {
            if (byName.count(name) == 0) {
                errors.push_back({topic.file, topic.seeLine,
                                  ".see names \"" + name + "\", which no topic is named"});
            }
        }
    }
}

HelpBook ReadHelpBook(const std::vector<std::pair<std::string, std::string>>& sources,
                      std::vector<HelpError>& errors) {
    HelpBook book;
    for (const auto& source : sources) {
        ParseHelpSource(source.second, source.first, book, errors);
    }
    CheckHelpBook(book, errors);
    return book;
}

void LintHelpSource(const std::string& text, const std::string& file,
                    std::vector<HelpError>& errors) {
    ForEachLine(text, [&](const std::string& line, int number) {
        int width = 0;
        for (size_t at = 0; at < line.size();) {
            const long code = NextCodePoint(line, at);
            if (code < 0) {
                errors.push_back({file, number, "not UTF-8"});
                break;
            }
            if (code == '\t') {
                errors.push_back({file, number, "a tab (use blanks)"});
            } else if (Windows1252Byte(code) < 0) {
                errors.push_back(
                    {file, number, "character " + CodePointName(code) + " is not in Windows-1252"});
            }
            ++width;
        }
        if (width > kHelpSourceWidth) {
            errors.push_back({file, number,
                              "line of " + std::to_string(width) + " characters, more than " +
                                  std::to_string(kHelpSourceWidth)});
        }
    });
}
