// The user's guide as a book of topics, read from its plain-text source. The
// same reader serves the build (which checks the source and makes the help
// resources, the HTML manual and the man page from it) and both programs'
// help windows (which read the resource the build made).
//
// Source, one topic after another:
//   .topic CONTEXT Title of the topic     CONTEXT: a number, or - for none
//   .name NAME                            lowercase letters, digits, dashes
//   .keywords first; second; a phrase     index entries (optional)
//   .see NAME, NAME                       "See also" (optional)
//   body
// Body: paragraphs of text lines, ended by a blank line; "== Heading"; lines
// that start with two blanks are preformatted and kept as typed. In
// paragraphs and headings {text|name} links "text" to topic NAME and {name}
// shows that topic's title as the link.
#pragma once

#include <string>
#include <utility>
#include <vector>

constexpr int kNoHelpContext = -1;
// The widest source line, so that preformatted lines fit the help window,
// the printed page and a terminal.
constexpr int kHelpSourceWidth = 76;

// A stretch of text, a link when link names a topic.
struct HelpSpan {
    std::string text;
    std::string link;
    int line = 0; // of the source, for messages
};

enum class HelpBlockKind { Paragraph, Heading, Preformatted };

struct HelpBlock {
    HelpBlockKind kind = HelpBlockKind::Paragraph;
    // Paragraph and heading: the text, its lines joined by single blanks.
    std::vector<HelpSpan> spans;
    // Preformatted: the lines as typed, leading blanks included.
    std::vector<std::string> lines;
};

struct HelpTopic {
    int context = kNoHelpContext;
    std::string name;
    std::string title;
    std::vector<std::string> keywords;
    std::vector<std::string> see; // topic names
    std::vector<HelpBlock> blocks;
    std::string file; // where the topic's .topic line is
    int line = 0;
    int seeLine = 0; // where its .see line is
};

struct HelpBook {
    std::vector<HelpTopic> topics; // in the order of the sources
};

// A fault of the source, at a line of a file (line 0: the file as a whole).
struct HelpError {
    std::string file;
    int line = 0;
    std::string message;
};

// "file:line: message", as compilers write it.
std::string HelpErrorText(const HelpError& error);

// Reads one source text and appends its topics to book; each fault is
// reported and skipped (the rest is still read). Link targets are checked by
// CheckHelpBook once every source is read.
void ParseHelpSource(const std::string& text, const std::string& file, HelpBook& book,
                     std::vector<HelpError>& errors);

// The checks across sources: names and context numbers unique, every link
// and "See also" naming a topic. Gives {name} links their topic's title.
void CheckHelpBook(HelpBook& book, std::vector<HelpError>& errors);

// ParseHelpSource over (file, text) pairs in order, then CheckHelpBook.
HelpBook ReadHelpBook(const std::vector<std::pair<std::string, std::string>>& sources,
                      std::vector<HelpError>& errors);

// The rules for the source as typed (UTF-8): no tabs, no line wider than
// kHelpSourceWidth characters, no character Windows-1252 lacks, valid UTF-8.
void LintHelpSource(const std::string& text, const std::string& file,
                    std::vector<HelpError>& errors);

// UTF-8 text in Windows-1252, as the programs' resources hold it; a
// character without a Windows-1252 code becomes '?' and is reported.
std::string HelpTextToWindows1252(const std::string& text, const std::string& file,
                                  std::vector<HelpError>& errors);

// The topic with the context number, the name, or the keyword (compared
// without regard to case; the first topic that has it); nullptr when none.
const HelpTopic* FindHelpContext(const HelpBook& book, int context);
const HelpTopic* FindHelpTopic(const HelpBook& book, const std::string& name);
const HelpTopic* FindHelpKeyword(const HelpBook& book, const std::string& keyword);

// Position of the topic in book.topics.
int HelpTopicIndex(const HelpBook& book, const HelpTopic& topic);

// One line of the keyword index: every keyword and every title leads to its
// topic. A text that leads to several topics has a line for each, the
// topic's title in parentheses after it.
struct HelpIndexEntry {
    std::string text; // as the index shows it
    std::string key;  // the keyword or title alone
    int topic = 0;    // position in book.topics
};

// The whole index, sorted without regard to case.
std::vector<HelpIndexEntry> HelpIndex(const HelpBook& book);

// The entries whose keyword or title starts with prefix (without regard to
// case or to repeated blanks); all of them for an empty prefix.
std::vector<HelpIndexEntry> SearchHelpIndex(const std::vector<HelpIndexEntry>& index,
                                            const std::string& prefix);
