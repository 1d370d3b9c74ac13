// The HTML manual: a page per topic, a contents page, the keyword index and
// the manual of caelor-cli, in plain HTML 4.01 with one style sheet.
#pragma once

#include "help/help_book.h"

#include <string>
#include <vector>

// A link of every page's navigation line.
struct HtmlNavLink {
    std::string label;
    std::string href; // relative to the book's directory
};

struct HtmlBook {
    const HelpBook* book = nullptr;
    std::string title;            // "Skyloom 2 Help"
    std::string contents;         // the topic that is index.html
    std::string styleSheet;       // href of manual.css from the book's directory
    std::vector<HtmlNavLink> nav; // after Contents and Index
};

// A file the manual consists of, its path relative to the manual's
// directory.
struct HtmlFile {
    std::string path;
    std::string text;
};

// index.html (the contents topic, then every topic), NAME.html for every
// other topic and keywords.html, each path under directory ("" or
// "varnixpc/").
void AddHtmlBook(const HtmlBook& book, const std::string& directory, std::vector<HtmlFile>& files);

// caelor-cli.html: the command-line tool's manual, the same as its man page.
void AddHtmlCliManual(const HelpBook& cli, const std::vector<HtmlNavLink>& nav,
                      std::vector<HtmlFile>& files);

// manual.css.
void AddHtmlStyleSheet(std::vector<HtmlFile>& files);
