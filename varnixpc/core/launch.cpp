#include "core/launch.h"

std::string QuoteProgramPath(const std::string& file) {
    const bool quoted = !file.empty() && file.front() == '"';
    if (quoted || file.find(' ') == std::string::npos) {
        return file;
    }
    return "\"" + file + "\"";
}

std::string LaunchCommandLine(const std::string& file, const std::string& commandLine) {
    return QuoteProgramPath(file) + " " + commandLine;
}

std::string LaunchFailureText(const std::string& prefix, const std::string& title,
                              unsigned long code) {
    return prefix + title + "\n" + std::to_string(code);
}
