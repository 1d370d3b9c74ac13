// The Windows shell's side of the report hooks: the message pump that long
// reports and graphs call between steps, and the fatal-error exit. Install an
// object of a class derived from this one with SetReportHost as early as
// possible, so that every fatal error of the pure layers shows its boxes.
#pragma once

#include "reports/host_hooks.h"

#include <windows.h>

class ShellReportHost : public ReportHost {
  public:
    // The main window, whose accelerator table turns Esc into the Stop command
    // inside the pump, and its resized flag (set by size messages and focus
    // gain), which ends a graph's pump. Until attached, the pump dispatches
    // every message and never sees a resize.
    void Attach(HWND mainWindow, HACCEL accelerators, const bool* resizedFlag);

    // Handles every waiting message (a graph's pump stops taking them once the
    // window was resized). Returns 1 when StopFlag is set, or for a graph when
    // the window was resized; else 0. A quit request met here is left in the
    // queue for the main loop and stops the running work.
    int PumpMessages(int mode) override;

    // Ends the program through ShellFatalError.
    [[noreturn]] void FatalError(int messageId, const char* module, int line) override;

    // ReportProgress and ReportLineAdded draw in the report view, which
    // derives from this class.

  private:
    bool Resized() const { return resizedFlag_ != nullptr && *resizedFlag_; }

    HWND mainWindow_ = nullptr;
    HACCEL accelerators_ = nullptr;
    const bool* resizedFlag_ = nullptr;
};
