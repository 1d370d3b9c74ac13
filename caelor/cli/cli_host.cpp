#include "cli/cli_host.h"

#include "resources/string_table.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t g_interrupted = 0;

void OnInterrupt(int) {
    g_interrupted = 1;
}

uint32_t TickCount() {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace

CliHost::CliHost() : showProgress_(isatty(STDERR_FILENO) != 0) {
    g_interrupted = 0;
    StopFlag = false;
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    SetReportHost(this);
}

CliHost::~CliHost() {
    ClearProgress();
    SetReportHost(nullptr);
    std::signal(SIGINT, SIG_DFL);
}

bool CliHost::Interrupted() {
    return g_interrupted != 0;
}

int CliHost::PumpMessages(int) {
    if (g_interrupted != 0) {
        StopFlag = true;
    }
    return StopFlag ? 1 : 0;
}

void CliHost::ReportProgress(int index, bool insideAlmanac, double fraction) {
    char text[kReportSlot];
    clock_.Update(index, insideAlmanac, fraction, TickCount(), text);
    if (showProgress_) {
        std::fprintf(stderr, "\r%s\033[K", text);
        std::fflush(stderr);
        progressShown_ = true;
    }
}

void CliHost::ClearProgress() {
    if (progressShown_) {
        std::fprintf(stderr, "\r\033[K");
        std::fflush(stderr);
        progressShown_ = false;
    }
}

void CliHost::FatalError(int messageId, const char* module, int line) {
    ClearProgress();
    char message[kReportSlot];
    LoadText(messageId, message, sizeof message);
    std::fprintf(stderr, "caelor-cli: %s (%s/%d)\n", message, module, line);
    std::exit(1);
}
