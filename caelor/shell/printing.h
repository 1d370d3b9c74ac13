// File > Print, Print Setup and Set Font: the printer choice and the report
// font kept for the whole run, the report printed page by page, the window's
// picture printed scaled onto the page, and the modeless "Printing" dialog
// whose Cancel aborts the job. Printing is synchronous; the abort procedure
// keeps the windows responsive meanwhile.
#pragma once

#include "reports/report_buffer.h"

#include <windows.h>

// A printer device context and the number of copies asked for; dc is null
// when there is none (the dialog was cancelled or the printer is unusable,
// which has been reported already).
struct PrinterContext {
    HDC dc = nullptr;
    int copies = 1;
};

// The printer dialog (or, with useDefault, the default printer without a
// dialog), owned by owner. forGraphics refuses printers that cannot copy
// bitmaps (IDS_CANNOT_PRINT_GRAPHICS). The dialog's choice is kept for the next dialogs.
PrinterContext GetPrinterContext(HWND owner, bool forGraphics, bool useDefault);

// Prints every line of buffer in the report font, copies times, as one
// document named "CAELOR Printout #n".
void PrintReport(HWND owner, const ReportBuffer& buffer);

// Prints the client area of owner reduced to black and white, scaled to the
// page; inverted swaps black and white (the Day/Night movie).
void PrintWindowPicture(HWND owner, bool inverted);

// The printer-setup dialog; its choice replaces the kept one.
void PrintSetup(HWND owner);

// The font dialog over the default printer's fonts; OK keeps the choice as the
// report font. Without a default printer it says so (IDS_NO_DEFAULT_PRINTER) and changes
// nothing.
void ChooseReportFont(HWND owner);
