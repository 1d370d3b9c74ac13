// How long work runs headless: progress on stderr when it is a terminal,
// Ctrl-C as the Stop command, internal errors as a message and exit code 1.
#pragma once

#include "reports/host_hooks.h"
#include "reports/report_buffer.h"

class CliHost : public ReportHost {
  public:
    // Installs itself and the Ctrl-C handler; progress is drawn only when
    // stderr is a terminal.
    CliHost();
    ~CliHost() override;

    int PumpMessages(int mode) override;
    void ReportProgress(int index, bool insideAlmanac, double fraction) override;
    void ReportLineAdded(int, const char*) override {}
    [[noreturn]] void FatalError(int messageId, const char* module, int line) override;

    // True once Ctrl-C was pressed.
    static bool Interrupted();

  private:
    void ClearProgress();
    bool showProgress_;
    bool progressShown_ = false;
    ProgressClock clock_;
};
