#include "html_manual.h"

#include "cli_manual.h"
#include "help/help_text.h"

#include <cctype>

namespace {

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// Where a link to the topic goes; a fragment within one page when toPage
// is empty.
using Target = std::string (*)(const std::string& name, const std::string& contents);

std::string PageOf(const std::string& name, const std::string& contents) {
    return (name == contents ? std::string("index") : name) + ".html";
}

std::string AnchorOf(const std::string& name, const std::string&) {
    return "#" + name;
}

std::string Spans(const std::vector<HelpSpan>& spans, Target target, const std::string& contents) {
    std::string out;
    for (const HelpSpan& span : spans) {
        if (span.link.empty()) {
            out += Escape(span.text);
        } else {
            out += "<a href=\"" + target(span.link, contents) + "\">" + Escape(span.text) + "</a>";
        }
    }
    return out;
}

std::string Blocks(const HelpBook& book, const HelpTopic& topic, Target target,
                   const std::string& contents, const char* heading) {
    std::string out;
    for (const HelpBlock& block : topic.blocks) {
        switch (block.kind) {
        case HelpBlockKind::Paragraph:
            out += "<p>" + Spans(block.spans, target, contents) + "</p>\n";
            break;
        case HelpBlockKind::Heading:
            out += std::string("<") + heading + ">" + Spans(block.spans, target, contents) + "</" +
                   heading + ">\n";
            break;
        case HelpBlockKind::Preformatted:
            out += "<pre>";
            for (const std::string& line : block.lines) {
                out += Escape(line) + "\n";
            }
            out += "</pre>\n";
            break;
        }
    }
    const std::vector<HelpSpan> see = HelpSeeAlsoSpans(book, topic);
    if (!see.empty()) {
        out += "<p class=\"see\"><b>See also:</b> " + Spans(see, target, contents) + "</p>\n";
    }
    return out;
}

std::string Nav(const std::vector<HtmlNavLink>& links) {
    std::string out = "<div class=\"nav\">";
    for (size_t i = 0; i < links.size(); ++i) {
        out += i == 0 ? "" : " | ";
        out += "<a href=\"" + Escape(links[i].href) + "\">" + Escape(links[i].label) + "</a>";
    }
    return out + "</div>\n";
}

std::string Page(const std::string& title, const std::string& styleSheet,
                 const std::vector<HtmlNavLink>& nav, const std::string& body) {
    return "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\" "
           "\"http://www.w3.org/TR/html4/strict.dtd\">\n"
           "<html lang=\"en\">\n<head>\n"
           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
           "<title>" +
           Escape(title) +
           "</title>\n"
           "<link rel=\"stylesheet\" type=\"text/css\" href=\"" +
           Escape(styleSheet) + "\">\n</head>\n<body>\n" + Nav(nav) + body + "</body>\n</html>\n";
}

std::vector<HtmlNavLink> BookNav(const HtmlBook& book) {
    std::vector<HtmlNavLink> nav = {{"Contents", "index.html"}, {"Index", "keywords.html"}};
    nav.insert(nav.end(), book.nav.begin(), book.nav.end());
    return nav;
}

char IndexLetter(const std::string& text) {
    const unsigned char c = text.empty() ? ' ' : static_cast<unsigned char>(text[0]);
    return std::isalpha(c) ? static_cast<char>(std::toupper(c)) : '#';
}

} // namespace

void AddHtmlBook(const HtmlBook& html, const std::string& directory, std::vector<HtmlFile>& files) {
    const HelpBook& book = *html.book;
    const std::vector<HtmlNavLink> nav = BookNav(html);
    for (const HelpTopic& topic : book.topics) {
        std::string body = "<h1>" + Escape(topic.title) + "</h1>\n" +
                           Blocks(book, topic, PageOf, html.contents, "h2");
        if (topic.name == html.contents) {
            body += "<h2>All topics</h2>\n<ul class=\"topics\">\n";
            for (const HelpTopic& other : book.topics) {
                body += "<li><a href=\"" + PageOf(other.name, html.contents) + "\">" +
                        Escape(other.title) + "</a></li>\n";
            }
            body += "</ul>\n";
        }
        files.push_back(
            HtmlFile{directory + PageOf(topic.name, html.contents),
                     Page(topic.title + " - " + html.title, html.styleSheet, nav, body)});
    }

    std::string body = "<h1>Index</h1>\n";
    char letter = 0;
    for (const HelpIndexEntry& entry : HelpIndex(book)) {
        if (IndexLetter(entry.text) != letter) {
            body += letter == 0 ? "" : "</ul>\n";
            letter = IndexLetter(entry.text);
            body += "<h2>" + std::string(1, letter) + "</h2>\n<ul class=\"index\">\n";
        }
        const HelpTopic& topic = book.topics[static_cast<size_t>(entry.topic)];
        body += "<li><a href=\"" + PageOf(topic.name, html.contents) + "\">" + Escape(entry.text) +
                "</a></li>\n";
    }
    body += letter == 0 ? "" : "</ul>\n";
    files.push_back(HtmlFile{directory + "keywords.html",
                             Page("Index - " + html.title, html.styleSheet, nav, body)});
}

void AddHtmlCliManual(const HelpBook& cli, const std::vector<HtmlNavLink>& nav,
                      std::vector<HtmlFile>& files) {
    const HelpTopic* main = FindHelpTopic(cli, "cli");
    const std::string title = main != nullptr ? main->title : "caelor-cli";
    std::string body = "<h1>" + Escape(title) + "</h1>\n";
    std::string section;
    for (int k = 0; k < kCliManualPartCount; ++k) {
        const CliManualPart& part = kCliManualParts[k];
        const HelpTopic* topic = FindHelpTopic(cli, part.topic);
        if (topic == nullptr) {
            continue;
        }
        if (section != part.section) {
            section = part.section;
            std::string heading = section;
            for (size_t i = 1; i < heading.size(); ++i) {
                heading[i] =
                    static_cast<char>(std::tolower(static_cast<unsigned char>(heading[i])));
            }
            body += "<h2>" + Escape(heading) + "</h2>\n";
        }
        body += "<div id=\"" + topic->name + "\">\n";
        if (part.subsection) {
            body += "<h3>" + Escape(topic->title) + "</h3>\n";
        }
        body += Blocks(cli, *topic, AnchorOf, "", "h4");
        const std::vector<CliManualOption> options = CliManualOptions(part);
        if (!options.empty()) {
            body += "<dl class=\"options\">\n";
            for (const CliManualOption& option : options) {
                body += "<dt><code>" + Escape(option.form) + "</code></dt>\n<dd>" +
                        Escape(option.text) + "</dd>\n";
            }
            body += "</dl>\n";
        }
        body += "</div>\n";
    }
    files.push_back(HtmlFile{"caelor-cli.html", Page(title, "manual.css", nav, body)});
}

void AddHtmlStyleSheet(std::vector<HtmlFile>& files) {
    files.push_back(HtmlFile{"manual.css",
                             "body { font-family: sans-serif; max-width: 46em; margin: 1em auto;\n"
                             "       padding: 0 1em; line-height: 1.4; color: #222; }\n"
                             "h1 { font-size: 1.6em; border-bottom: 1px solid #ccc; }\n"
                             "h2 { font-size: 1.2em; margin-top: 1.4em; }\n"
                             "pre { background: #f4f4f0; padding: 0.4em 0.6em; overflow: auto; }\n"
                             "a { color: #1a4f9c; }\n"
                             ".nav { font-size: 0.9em; padding: 0.3em 0;\n"
                             "       border-bottom: 1px solid #ccc; }\n"
                             ".see { border-top: 1px solid #ddd; padding-top: 0.5em; }\n"
                             "ul.index, ul.topics { columns: 2; }\n"
                             "dl.options dt { margin-top: 0.5em; }\n"});
}
