// A help topic as plain text: what Print Topic prints (through the report
// printing, so in lines of a report's width) and what the help window's
// topic view says it shows.
#pragma once

#include "help/help_book.h"

#include <string>
#include <vector>

// The title, an empty line, then the blocks with an empty line between them:
// paragraphs filled to width columns, headings as they are, preformatted
// lines as typed (cut at width), and a "See also:" paragraph naming the
// topics' titles.
std::vector<std::string> HelpTopicLines(const HelpBook& book, const HelpTopic& topic, int width);

// The words of a paragraph or heading filled into lines of at most width
// columns; a word longer than width has a line of its own.
std::vector<std::string> FillHelpText(const std::string& text, int width);

// The spans' text run together.
std::string HelpSpansText(const std::vector<HelpSpan>& spans);

// The "See also" targets that exist, as spans ("Title", link) separated by
// ", " spans.
std::vector<HelpSpan> HelpSeeAlsoSpans(const HelpBook& book, const HelpTopic& topic);
