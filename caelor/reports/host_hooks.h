// What the report generators need from the program around them: a message
// pump that also tells whether the user asked to stop, the progress line, and
// the fatal-error exit. The Windows shell, caelor-cli and the tests each
// install their own.
#pragma once

// Set by the Stop command (Esc) and by generators that poll the Esc key;
// cleared when a report, graph or movie command starts. Generators return
// early once it is set.
extern bool StopFlag;

class ReportHost {
  public:
    virtual ~ReportHost() = default;
    // Lets the program handle waiting input; mode 1 (graphs) also ends when
    // the window was resized. Returns 1 to stop (StopFlag set, or resized in
    // mode 1), else 0.
    virtual int PumpMessages(int mode) = 0;
    // Shows progress of report index (1 .. 15) at fraction 0 .. 1 of that
    // report, inside the Almanac or on its own.
    virtual void ReportProgress(int index, bool insideAlmanac, double fraction) = 0;
    // Called after each line is appended, so the host can draw it at once.
    virtual void ReportLineAdded(int lineIndex, const char* line) = 0;
    // Ends the program after an internal failure; does not return.
    [[noreturn]] virtual void FatalError(int messageId, const char* module, int line) = 0;
};

// Installs the host (nullptr restores the default: no drawing, pumping only
// reports StopFlag, a fatal error prints to stderr and aborts).
void SetReportHost(ReportHost* host);
ReportHost& CurrentReportHost();

// The calls generators make; they forward to the installed host.
int PumpMessages(int mode);
void ReportProgress(int index, bool insideAlmanac, double fraction);
[[noreturn]] void FatalError(int messageId, const char* module, int line);
