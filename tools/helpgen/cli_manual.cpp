#include "cli_manual.h"

#include "cli/options.h"
#include "help/help_text.h"

#include <cstdio>
#include <iterator>
#include <set>

// The man page's order of sections.
const CliManualPart kCliManualParts[] = {
    {"cli-synopsis", "SYNOPSIS", false, 0, kOwnOption},
    {"cli", "DESCRIPTION", false, 0, kOwnOption},
    {"cli-report", "COMMANDS", true, kCliReport, kOwnOption},
    {"cli-data", "COMMANDS", true, 0, kOwnOption},
    {"cli-graph", "COMMANDS", true, kCliGraph, kOwnOption},
    {"cli-movie", "COMMANDS", true, kCliMovie, kOwnOption},
    {"cli-ephemeris", "COMMANDS", true, kCliEphemeris, kOwnOption},
    {"cli-strings", "COMMANDS", true, 0, kOwnOption},
    {"cli-location", "OPTIONS", true, kCliAll, kLocationOption},
    {"cli-regional", "OPTIONS", true, kCliRegional, kRegionalOption},
    {"cli-exit-status", "EXIT STATUS", false, 0, kOwnOption},
    {"cli-examples", "EXAMPLES", false, 0, kOwnOption},
    {"cli-files", "FILES", false, 0, kOwnOption},
    {"cli-see-also", "SEE ALSO", false, 0, kOwnOption},
};
const int kCliManualPartCount = static_cast<int>(std::size(kCliManualParts));

namespace {

// The row --help names for an option that has a second name.
const CliOption* FirstName(const CliOption& alias) {
    for (const CliOption& option : kCliOptions) {
        if (option.id == alias.id && (option.commands & alias.commands) != 0 &&
            option.help != nullptr) {
            return &option;
        }
    }
    return nullptr;
}

// Groff text: backslashes and dashes escaped, the characters beyond ASCII
// by name.
std::string Roff(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-') {
            out += "\\-";
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            // A UTF-8 sequence: its code point as a groff Unicode name.
            int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
            long code = c & (0x3F >> extra);
            while (extra-- > 0 && i + 1 < text.size()) {
                code = (code << 6) | (static_cast<unsigned char>(text[++i]) & 0x3F);
            }
            char name[24];
            std::snprintf(name, sizeof name, "\\[u%04lX]", code);
            out += name;
        }
    }
    return out;
}

// A line of the page: one that would start with a control character is
// made text with the zero-width \&.
std::string RoffLine(const std::string& text) {
    const std::string line = Roff(text);
    return !line.empty() && (line[0] == '.' || line[0] == '\'') ? "\\&" + line : line;
}

std::string RoffForm(const CliOption& option) {
    std::string form = "\\fB" + Roff(option.name) + "\\fR";
    if (option.argument != nullptr) {
        form += " \\fI" + Roff(option.argument) + "\\fR";
    }
    return form;
}

std::string RoffBlocks(const HelpTopic& topic) {
    std::string out;
    bool first = true;
    for (const HelpBlock& block : topic.blocks) {
        if (block.kind == HelpBlockKind::Preformatted) {
            out += first ? "" : ".PP\n";
            out += ".nf\n";
            for (const std::string& line : block.lines) {
                out += RoffLine(line) + "\n";
            }
            out += ".fi\n";
        } else if (block.kind == HelpBlockKind::Heading) {
            out += ".SS " + Roff(HelpSpansText(block.spans)) + "\n";
        } else {
            // One line a paragraph, which groff fills; links in italics.
            out += first ? "" : ".PP\n";
            std::string line;
            for (const HelpSpan& span : block.spans) {
                line += span.link.empty() ? Roff(span.text) : "\\fI" + Roff(span.text) + "\\fR";
            }
            out +=
                (!line.empty() && (line[0] == '.' || line[0] == '\'') ? "\\&" : "") + line + "\n";
        }
        first = false;
    }
    return out;
}

} // namespace

std::vector<CliManualOption> CliManualOptions(const CliManualPart& part) {
    std::vector<CliManualOption> options;
    if (part.commands == 0) {
        return options;
    }
    std::set<std::string> seen;
    for (const CliOption& option : kCliOptions) {
        if ((option.commands & part.commands) == 0 || option.group != part.group) {
            continue;
        }
        const std::string form = OptionForm(option);
        // The place and regional options are the same row for every
        // command; list each once.
        if (!seen.insert(form + "\n" + (option.help == nullptr ? "" : option.help)).second) {
            continue;
        }
        std::string text = OptionHelp(option);
        for (char& c : text) {
            c = c == '\n' ? ' ' : c;
        }
        if (option.help == nullptr) {
            const CliOption* first = FirstName(option);
            text = first != nullptr ? "Another name for " + std::string(first->name) + "." : "";
        }
        if (option.lo < option.hi) {
            const std::string range = RangeText(option.lo, option.hi);
            if (text.find(range) == std::string::npos) {
                text += text.empty() ? "From " + range + "." : " (" + range + ")";
            }
        }
        options.push_back(CliManualOption{&option, form, text});
    }
    return options;
}

void CheckCliManual(const HelpBook& cli, std::vector<HelpError>& errors) {
    for (const CliManualPart& part : kCliManualParts) {
        if (FindHelpTopic(cli, part.topic) == nullptr) {
            errors.push_back({"caelor-cli manual", 0,
                              std::string("no topic \"") + part.topic + "\" for " + part.section});
        }
    }
    for (const HelpTopic& topic : cli.topics) {
        bool placed = false;
        for (const CliManualPart& part : kCliManualParts) {
            placed = placed || topic.name == part.topic;
        }
        if (!placed) {
            errors.push_back({topic.file, topic.line,
                              "topic \"" + topic.name + "\" has no place in the man page"});
        }
    }
}

std::string CliManPage(const HelpBook& cli) {
    std::string page;
    page += ".\\\" The manual page of caelor-cli; generated from caelor/help/cli.txt and the\n";
    page += ".\\\" option table of caelor/cli/option_table.h. Do not edit.\n";
    page += ".TH CAELOR\\-CLI 1 \"\" \"Skyloom 2\" \"User Commands\"\n";
    page += ".nh\n.ad l\n";
    const HelpTopic* main = FindHelpTopic(cli, "cli");
    std::string summary = main != nullptr ? main->title : "caelor-cli";
    const size_t colon = summary.find(": ");
    summary = colon == std::string::npos ? summary : summary.substr(colon + 2);
    page += ".SH NAME\ncaelor\\-cli \\- " + Roff(summary) + "\n";

    std::string section;
    for (const CliManualPart& part : kCliManualParts) {
        const HelpTopic* topic = FindHelpTopic(cli, part.topic);
        if (topic == nullptr) {
            continue;
        }
        if (section != part.section) {
            section = part.section;
            page += ".SH " + section + "\n";
        } else if (!part.subsection) {
            page += ".PP\n";
        }
        if (part.subsection) {
            page += ".SS " + Roff(topic->title) + "\n";
        }
        page += RoffBlocks(*topic);
        // Options without a text of their own, which the prose explains,
        // are listed one under the other without a blank line between.
        bool compact = false;
        for (const CliManualOption& option : CliManualOptions(part)) {
            if (compact && !option.text.empty()) {
                page += ".PD\n";
            }
            page += ".TP\n" + RoffForm(*option.option) + "\n";
            page += option.text.empty() ? "" : RoffLine(option.text) + "\n";
            if (!compact && option.text.empty()) {
                page += ".PD 0\n";
            }
            compact = option.text.empty();
        }
        page += compact ? ".PD\n" : "";
    }
    return page;
}
