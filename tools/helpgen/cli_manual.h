// The manual of caelor-cli: the topics of its prose source in the order of
// the man page's sections, each with the options of the table it lists.
#pragma once

#include "cli/option_table.h"
#include "help/help_book.h"

#include <string>
#include <vector>

struct CliManualPart {
    const char* topic;   // name of the prose topic
    const char* section; // the man page's section (.SH)
    bool subsection;     // the topic's title heads a subsection (.SS)
    unsigned commands;   // CliCommand bits whose options follow the prose; 0: none
    OptionGroup group;
};

extern const CliManualPart kCliManualParts[];
extern const int kCliManualPartCount;

// An option as the manual lists it: the form as --help writes it, and what
// it does with its range written in (a range --help leaves out is added).
struct CliManualOption {
    const CliOption* option;
    std::string form;
    std::string text;
};

// The options a part lists, in the table's order.
std::vector<CliManualOption> CliManualOptions(const CliManualPart& part);

// Every topic of the prose must have a part, and every part a topic.
void CheckCliManual(const HelpBook& cli, std::vector<HelpError>& errors);

// The man page caelor-cli.1 (groff, man macros, ASCII).
std::string CliManPage(const HelpBook& cli);
