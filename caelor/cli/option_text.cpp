// How an option and its range are written. Kept apart from the parsing so
// that the help generator, which writes the man page and the HTML manual
// from the option table, writes them exactly as --help does.

#include "cli/option_table.h"
#include "cli/options.h"

#include <sstream>

std::string RangeText(double lo, double hi) {
    std::ostringstream s;
    s << lo << " .. " << hi;
    return s.str();
}

std::string OptionForm(const CliOption& option) {
    return option.argument == nullptr ? option.name
                                      : std::string(option.name) + " " + option.argument;
}

std::string OptionHelp(const CliOption& option) {
    std::string help = option.help == nullptr ? "" : option.help;
    const std::string placeholder = "{range}";
    const size_t at = help.find(placeholder);
    if (option.lo < option.hi && at != std::string::npos) {
        help.replace(at, placeholder.size(), RangeText(option.lo, option.hi));
    }
    return help;
}
