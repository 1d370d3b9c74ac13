// caelor-cli's --help texts and its refusals of bad arguments, word for word
// as a user sees them, from data/cli_usage.txt.

#include "cli/option_table.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

struct Invocation {
    std::string arguments;
    int exitCode = -1;
    std::string out;
    std::string err;
};

// "$ ARGUMENTS", "? EXIT", then "1> " lines of stdout and "2> " of stderr.
std::vector<Invocation> ReadInvocations(const std::string& path) {
    std::vector<Invocation> invocations;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("$ ", 0) == 0 || line == "$") {
            invocations.emplace_back();
            invocations.back().arguments = line.size() > 2 ? line.substr(2) : "";
        } else if (!invocations.empty() && line.rfind("? ", 0) == 0) {
            invocations.back().exitCode = std::stoi(line.substr(2));
        } else if (!invocations.empty() && line.rfind("1> ", 0) == 0) {
            invocations.back().out += line.substr(3) + "\n";
        } else if (!invocations.empty() && line.rfind("2> ", 0) == 0) {
            invocations.back().err += line.substr(3) + "\n";
        }
    }
    return invocations;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string MakeFolder(const char* name) {
    std::string folder = ::testing::TempDir() + name;
    return mkdtemp(folder.data()) != nullptr ? folder : std::string();
}

TEST(CliUsage, HelpTextsAndRefusalsAreWordForWord) {
    const std::vector<Invocation> invocations =
        ReadInvocations(CAELOR_SOURCE_DIR "/tests/unit/data/cli_usage.txt");
    ASSERT_GT(invocations.size(), 100u);
    const std::string work = MakeFolder("cli_usage_work_XXXXXX"); // stays empty
    const std::string output = MakeFolder("cli_usage_out_XXXXXX");
    ASSERT_FALSE(work.empty());
    ASSERT_FALSE(output.empty());
    for (const Invocation& expected : invocations) {
        const std::string command = "cd '" + work + "' && " CAELOR_CLI_PATH " " +
                                    expected.arguments + " >'" + output + "/out' 2>'" + output +
                                    "/err' </dev/null";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << expected.arguments;
        EXPECT_EQ(WEXITSTATUS(status), expected.exitCode) << expected.arguments;
        EXPECT_EQ(ReadFile(output + "/out"), expected.out) << expected.arguments;
        EXPECT_EQ(ReadFile(output + "/err"), expected.err) << expected.arguments;
        // Refused arguments make no file or folder.
        EXPECT_TRUE(std::filesystem::is_empty(work)) << expected.arguments;
    }
    std::filesystem::remove_all(work);
    std::filesystem::remove_all(output);
}

TEST(CliUsage, EachHelpShowsEveryOptionItsCommandTakes) {
    const std::string output = MakeFolder("cli_usage_help_XXXXXX");
    ASSERT_FALSE(output.empty());
    const struct {
        const char* name;
        unsigned command;
    } commands[] = {{"report", kCliReport},
                    {"graph", kCliGraph},
                    {"movie", kCliMovie},
                    {"ephemeris", kCliEphemeris}};
    for (const auto& c : commands) {
        const std::string command =
            CAELOR_CLI_PATH " " + std::string(c.name) + " --help >'" + output + "/help'";
        ASSERT_EQ(std::system(command.c_str()), 0) << c.name;
        const std::string help = ReadFile(output + "/help");
        for (const CliOption& option : kCliOptions) {
            if ((option.commands & c.command) == 0 || option.help == nullptr) {
                continue;
            }
            // The place and the regional settings may be listed by name alone.
            const std::string shown = option.argument == nullptr || option.group != kOwnOption
                                          ? option.name
                                          : std::string(option.name) + " " + option.argument;
            EXPECT_NE(help.find(shown), std::string::npos) << c.name << ": " << shown;
        }
    }
    std::filesystem::remove_all(output);
}

} // namespace
