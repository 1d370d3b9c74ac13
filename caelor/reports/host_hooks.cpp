#include "reports/host_hooks.h"

#include <cstdio>
#include <cstdlib>

bool StopFlag = false;

namespace {

class DefaultHost : public ReportHost {
  public:
    int PumpMessages(int) override { return StopFlag ? 1 : 0; }
    void ReportProgress(int, bool, double) override {}
    void ReportLineAdded(int, const char*) override {}
    [[noreturn]] void FatalError(int messageId, const char* module, int line) override {
        std::fprintf(stderr, "fatal error %d in %s/%d\n", messageId, module, line);
        std::abort();
    }
};

DefaultHost g_defaultHost;
ReportHost* g_host = &g_defaultHost;

} // namespace

void SetReportHost(ReportHost* host) {
    g_host = host != nullptr ? host : &g_defaultHost;
}

ReportHost& CurrentReportHost() {
    return *g_host;
}

int PumpMessages(int mode) {
    return g_host->PumpMessages(mode);
}

void ReportProgress(int index, bool insideAlmanac, double fraction) {
    g_host->ReportProgress(index, insideAlmanac, fraction);
}

void FatalError(int messageId, const char* module, int line) {
    g_host->FatalError(messageId, module, line);
    std::abort(); // a host must not return; never carry on after an internal failure
}
