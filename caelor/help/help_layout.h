// A help topic laid out for the help window: its words placed in lines of
// the window's width, in the styles the window draws them in, with the links
// found again by position. The window measures the text; this places it.
#pragma once

#include "help/help_book.h"

#include <string>
#include <vector>

enum class HelpStyle { Title, Heading, Text, Link, Fixed };

// What the layout needs to know of the window's fonts, in pixels.
class HelpMetrics {
  public:
    virtual ~HelpMetrics() = default;
    virtual int TextWidth(HelpStyle style, const std::string& text) const = 0;
    virtual int LineHeight(HelpStyle style) const = 0;
};

// A word (or a preformatted line) drawn at (x, y), its top left corner, w
// by h pixels; link is the position of its link in HelpPage::links, or -1.
struct HelpRun {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    HelpStyle style = HelpStyle::Text;
    std::string text;
    int link = -1;
};

struct HelpPage {
    std::vector<HelpRun> runs;
    std::vector<std::string> links; // target topic names, in reading order
    int height = 0;                 // from the top to below the last line
};

// The title, the blocks and the "See also" line of the topic in lines no
// wider than width (a word wider than that, or a preformatted line, runs
// past it).
HelpPage LayoutHelpTopic(const HelpBook& book, const HelpTopic& topic, int width,
                         const HelpMetrics& metrics);

// The link of the run under the point, or -1.
int HelpLinkAt(const HelpPage& page, int x, int y);

// The margin around the text, from the text's line height.
int HelpPageMargin(const HelpMetrics& metrics);
