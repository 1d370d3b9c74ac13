// Starting a program from the program menu.
#pragma once

#include <string>

// The program's path as the command's first word: put in double quotes when
// it holds a blank and is not quoted already, so that the platform does not
// cut it at the blank.
std::string QuoteProgramPath(const std::string& file);

// The command handed to the platform: the (quoted) file, one blank and the
// command line, which may be empty.
std::string LaunchCommandLine(const std::string& file, const std::string& commandLine);

// The message of a failed start: the prefix text, the item's title, a
// newline and the code the program-start call returned, in decimal.
std::string LaunchFailureText(const std::string& prefix, const std::string& title,
                              unsigned long code);

// The program-start call reports failure with a result below 32.
constexpr bool IsLaunchFailure(unsigned long result) {
    return result < 32;
}
