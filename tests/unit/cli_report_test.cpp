// caelor-cli report, run as a user would run it.

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct CliResult {
    int exitCode;
    std::string out;
    std::string err;
};

std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = read(fd, buffer, sizeof buffer)) > 0) {
        text.append(buffer, static_cast<size_t>(n));
    }
    return text;
}

// Runs caelor-cli with the arguments, stdout and stderr kept apart.
CliResult RunReport(const std::vector<std::string>& arguments) {
    std::string command = CAELOR_CLI_PATH;
    command += " report";
    for (const std::string& a : arguments) {
        command += " '" + a + "'";
    }
    // A file of its own: the tests of this suite may run side by side.
    std::string errFile = ::testing::TempDir() + "cli_report_err_XXXXXX";
    const int fd = mkstemp(errFile.data());
    if (fd >= 0) {
        close(fd);
    }
    command += " 2>" + errFile;
    CliResult result{-1, "", ""};
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    result.out = ReadAll(fileno(pipe));
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errFile);
    std::ostringstream s;
    s << err.rdbuf();
    result.err = s.str();
    std::remove(errFile.c_str());
    return result;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(CliReport, SeasonsOf2026) {
    const CliResult r = RunReport({"seasons", "--years", "2026-2026"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "Seasons Report for 2026")) << r.out;
    for (const char* date : {"03/20/2026", "06/21/2026", "09/23/2026", "12/21/2026"}) {
        EXPECT_TRUE(Contains(r.out, date)) << date << "\n" << r.out;
    }
    // Greenwich is the default place; the report ends with its page break.
    EXPECT_TRUE(Contains(r.out, "Greenwich")) << r.out;
    EXPECT_EQ(r.out.substr(r.out.size() - 2), "\f\n");
}

TEST(CliReport, LunarEclipsesOf2025) {
    const CliResult r = RunReport({"lunar-eclipses", "--years", "2025-2025"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "03/14/2025")) << r.out;
    EXPECT_TRUE(Contains(r.out, "09/07/2025")) << r.out;
}

TEST(CliReport, EasterOf1994UnderTwoRegionalSettings) {
    const CliResult r = RunReport({"easter", "--years", "1994-1994"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "04/03/1994")) << r.out;
    const CliResult d =
        RunReport({"easter", "--years", "1994-1994", "--date-format", "dd.MM.yyyy"});
    ASSERT_EQ(d.exitCode, 0) << d.err;
    EXPECT_TRUE(Contains(d.out, "03.04.1994")) << d.out;
}

TEST(CliReport, TheDialogsChecksWithTheirMessages) {
    struct Case {
        std::vector<std::string> arguments;
        const char* message;
    };
    const Case cases[] = {
        {{"seasons", "--years", "999-2000"}, "Year must be between 1000 and 3000"},
        {{"seasons", "--years", "2001-2000"}, "Stop year cannot be less than start year"},
        {{"local-eclipses", "--years", "2999-3001"}, "Year must be between 1000 and 3000"},
        {{"local-eclipses", "--year", "2026"}, "--year"},
        {{"calendar", "--year", "3001"}, "Year must be between 1000 and 3000"},
        {{"calendar", "--months", "5-3"}, "Stop month cannot be less than start month"},
        {{"twilight", "--months", "0-3"}, "Month must be between 1 and 12"},
        {{"planet-view", "--bodies", "earth"}, "--bodies"},
        {{"planet-apsides", "--bodies", "pluto"}, "--bodies"},
        {{"seasons", "--bodies", "mars"}, "--bodies"},
        {{"seasons", "--year", "2000"}, "--year"},
        {{"no-such-report"}, "NAME"},
        {{}, "NAME"},
        {{"easter", "--decimal", "ab"}, "--decimal"},
        {{"easter", "--leading-zero", "2"}, "--leading-zero"},
    };
    for (const Case& c : cases) {
        const CliResult r = RunReport(c.arguments);
        EXPECT_EQ(r.exitCode, 2) << c.message;
        EXPECT_TRUE(Contains(r.err, c.message)) << c.message << " not in: " << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST(CliReport, PlanetsAndMonthsAreTaken) {
    const CliResult r =
        RunReport({"planet-view", "--year", "2026", "--months", "3-3", "--bodies", "mars,venus",
                   "--lat", "-33.8688", "--lon", "151.2093", "--tz", "10", "--name", "Sydney"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "Sydney")) << r.out;
    EXPECT_TRUE(Contains(r.out, "Mars"));
    EXPECT_TRUE(Contains(r.out, "Venus"));
    EXPECT_FALSE(Contains(r.out, "Jupiter"));
}

// True once the process has a handler for SIGINT, read from its status.
bool CatchesInterrupt(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("SigCgt:", 0) == 0) {
            const unsigned long long mask = std::stoull(line.substr(7), nullptr, 16);
            return (mask & (1ull << (SIGINT - 1))) != 0;
        }
    }
    return false;
}

TEST(CliReport, CtrlCStopsAndPrintsTheLinesSoFar) {
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl(CAELOR_CLI_PATH, CAELOR_CLI_PATH, "report", "almanac", "--year", "2026",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    // Wait (bounded) until the handler is in place, then interrupt.
    bool ready = false;
    for (int i = 0; i < 2000 && !ready; ++i) {
        ready = CatchesInterrupt(pid);
        if (!ready) {
            usleep(5000);
        }
    }
    ASSERT_TRUE(ready) << "caelor-cli never installed its Ctrl-C handler";
    kill(pid, SIGINT);
    const std::string text = ReadAll(out[0]);
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 130);
    // Whatever had been generated is printed; the Almanac did not finish.
    EXPECT_FALSE(Contains(text, "Twilight Report")) << text.size();
}

} // namespace
