#include "cli/option_table.h"

#include "cli/options.h"

#include <cctype>
#include <cstring>
#include <stdexcept>

namespace {

// Takes the value that follows an option, or throws naming the option.
std::string OptionValue(int argc, char** argv, int& i) {
    if (i + 1 >= argc) {
        throw UsageError{std::string(argv[i]) + " needs a value"};
    }
    return argv[++i];
}

const CliOption* FindOption(unsigned command, const std::string& name) {
    for (const CliOption& option : kCliOptions) {
        if ((option.commands & command) != 0 && name == option.name) {
            return &option;
        }
    }
    return nullptr;
}

bool HasRange(const CliOption& option) {
    return option.lo < option.hi;
}

void Replace(std::string& text, const std::string& what, const std::string& with) {
    for (size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + with.size())) {
        text.replace(at, what.size(), with);
    }
}

// The command's own options one to a line: the form in a column of 26, the
// help beside it; a form too wide for the column keeps three blanks.
std::string OptionList(unsigned command) {
    constexpr size_t kColumn = 26;
    std::string list;
    for (const CliOption& option : kCliOptions) {
        if ((option.commands & command) == 0 || option.group != kOwnOption ||
            option.help == nullptr) {
            continue;
        }
        const std::string form = OptionForm(option);
        const size_t gap = form.size() + 2 <= kColumn ? kColumn - form.size() : 3;
        std::string help = OptionHelp(option);
        Replace(help, "\n", "\n" + std::string(2 + kColumn, ' '));
        list += "  " + form + std::string(gap, ' ') + help + "\n";
    }
    return list;
}

std::string GroupNames(unsigned command, OptionGroup group) {
    std::string names;
    for (const CliOption& option : kCliOptions) {
        if ((option.commands & command) != 0 && option.group == group) {
            names += names.empty() ? "" : " ";
            names += option.name;
        }
    }
    return names;
}

} // namespace

void ParseCommandLine(unsigned command, int argc, char** argv,
                      const std::function<void(const CliOption&, const std::string&)>& take,
                      const std::function<void(const std::string&)>& positional,
                      bool numbersAreArguments) {
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (const CliOption* option = FindOption(command, arg)) {
            take(*option, option->argument == nullptr ? std::string() : OptionValue(argc, argv, i));
        } else if (arg.size() > 1 && arg[0] == '-' &&
                   !(numbersAreArguments && std::isdigit(static_cast<unsigned char>(arg[1])))) {
            throw UsageError{arg + ": unknown option"};
        } else {
            positional(arg);
        }
    }
}

double NumberValue(const CliOption& option, const std::string& text) {
    if (!HasRange(option)) {
        throw std::logic_error(std::string(option.name) + " has no range");
    }
    return ParseNumberArgument(option.name, text, option.lo, option.hi);
}

int WholeValue(const CliOption& option, const std::string& text) {
    return static_cast<int>(NumberValue(option, text));
}

std::string CommandHelp(unsigned command, const char* layout) {
    std::string text;
    for (const char* p = layout; *p != '\0';) {
        const char* close = *p == '{' ? std::strchr(p, '}') : nullptr;
        if (close == nullptr) {
            text += *p++;
            continue;
        }
        const std::string field(p + 1, close);
        p = close + 1;
        const size_t colon = field.find(':');
        const std::string name = field.substr(0, colon);
        if (field == "options") {
            text += OptionList(command);
        } else if (field == "location") {
            text += GroupNames(command, kLocationOption);
        } else if (field == "regional") {
            text += GroupNames(command, kRegionalOption);
        } else if (const CliOption* option = FindOption(command, name);
                   option != nullptr && (colon == std::string::npos || field == name + ":help")) {
            text += colon == std::string::npos ? OptionForm(*option) : OptionHelp(*option);
        } else {
            throw std::logic_error("--help names " + field + ", which is no option of its command");
        }
    }
    return text;
}
