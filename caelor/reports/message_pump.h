// The rules of the message pump that long reports (mode 0) and graphs
// (mode 1) call between steps. The shell drains the queue; these decide when
// it stops draining and what it answers.
#pragma once

constexpr int kReportPump = 0;
constexpr int kGraphPump = 1;

// Whether the pump may take another waiting message: a graph's pump stops as
// soon as the main window has been resized.
bool PumpKeepsDraining(int mode, bool resized);

// The pump's answer: 1 when StopFlag is set; a graph's pump also 1 when the
// window was resized; otherwise 0.
int PumpVerdict(int mode, bool stopFlag, bool resized);
