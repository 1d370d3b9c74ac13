// Edit > Copy: the report as text, or a picture of the window when no
// report is shown.
#pragma once

#include "reports/report_buffer.h"

#include <windows.h>

// A clipboard held by another program shows "Clipboard error" and leaves
// the clipboard as it was; the program carries on.
// The window's picture keeps pictureSource, the command that drew it.
void CopyToClipboard(HWND window, const ReportBuffer& buffer, int pictureSource);
