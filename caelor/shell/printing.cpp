#include "shell/printing.h"

#include "reports/print_layout.h"
#include "resources/string_table.h"
#include "shell/errors.h"

#include <commdlg.h>

#include <cstdio>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr int kProgressText = 101;
constexpr int kDefaultPointSize = 100; // tenths of a point

constexpr const char* kPrinterModule = "PRINTER";

// The printer state kept for the whole run.
struct PrinterState {
    HGLOBAL devMode = nullptr;
    HGLOBAL devNames = nullptr;
    LOGFONTA font = {};
    int pointSize = 0; // tenths of a point from the font dialog; 0 unset
    int printouts = 0;
    bool userAbort = false;
    HWND cancelDialog = nullptr;
    HWND owner = nullptr;
};

PrinterState g_printer;

[[noreturn]] void Fatal(int messageId, long line) {
    ShellFatalError(messageId, kPrinterModule, line);
}

void CheckGdi(bool succeeded, long line) {
    if (!succeeded) {
        Fatal(IDS_GDI_ERROR, line);
    }
}

void FreeHandle(HGLOBAL& handle) {
    if (handle != nullptr) {
        GlobalFree(handle);
        handle = nullptr;
    }
}

// Keeps what a printer dialog returned as the selection for the next one;
// the dialog may have replaced the handles it was given.
void KeepSelection(const PRINTDLGA& request) {
    if (g_printer.devMode != request.hDevMode) {
        FreeHandle(g_printer.devMode);
    }
    if (g_printer.devNames != request.hDevNames) {
        FreeHandle(g_printer.devNames);
    }
    g_printer.devMode = request.hDevMode;
    g_printer.devNames = request.hDevNames;
}

std::string DocumentName() {
    char format[kReportSlot];
    LoadText(IDS_PRINTOUT_NAME, format, sizeof format);
    char name[kReportSlot];
    std::snprintf(name, sizeof name, format, g_printer.printouts);
    return name;
}

INT_PTR CALLBACK PrintCancelDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        EnableMenuItem(GetSystemMenu(dialog, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            g_printer.userAbort = true;
            EnableWindow(g_printer.owner, TRUE);
            DestroyWindow(dialog);
            g_printer.cancelDialog = nullptr;
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

// Called by the printing system, and by the printing loops after every page
// so that Cancel can arrive however the system spools: keeps the windows
// going and says whether to go on.
BOOL CALLBACK PrintAbortProc(HDC, int) {
    MSG message;
    while (!g_printer.userAbort && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (g_printer.cancelDialog == nullptr ||
            !IsDialogMessageA(g_printer.cancelDialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return g_printer.userAbort ? FALSE : TRUE;
}

// The "Printing" dialog is up and the main window disabled until it closes;
// false when the abort procedure cannot be installed (a print failure).
bool OpenCancelDialog(HWND owner, HDC dc) {
    g_printer.userAbort = false;
    g_printer.owner = owner;
    g_printer.cancelDialog =
        CreateDialogA(GetModuleHandleA(nullptr), "DIAL_PRINT_CANCEL", owner, PrintCancelDialogProc);
    if (g_printer.cancelDialog == nullptr) {
        Fatal(IDS_CANNOT_CREATE_DIALOG, __LINE__);
    }
    EnableWindow(owner, FALSE);
    return SetAbortProc(dc, PrintAbortProc) > 0;
}

void CloseCancelDialog() {
    if (g_printer.cancelDialog == nullptr) {
        return;
    }
    EnableWindow(g_printer.owner, TRUE);
    if (!DestroyWindow(g_printer.cancelDialog)) {
        Fatal(IDS_WINDOW_ERROR, __LINE__);
    }
    g_printer.cancelDialog = nullptr;
}

void ShowProgress(int index, int lineCount) {
    if (g_printer.cancelDialog == nullptr) {
        return;
    }
    char text[kReportSlot];
    FormatPrintProgress(index, lineCount, text);
    SetDlgItemTextA(g_printer.cancelDialog, kProgressText, text);
}

// A failure the user did not cause by Cancel is reported; either way the
// job on the printer is dropped.
void EndFailedJob(HWND owner, HDC dc, bool failed) {
    if (failed && !g_printer.userAbort) {
        ErrorBox(owner, IDS_CANNOT_PRINT, false);
    }
    if (failed || g_printer.userAbort) {
        AbortDoc(dc);
    }
}

// One report page; false when the printer refused it.
bool PrintReportPage(HDC dc, HFONT font, int x, const ReportPage& page,
                     const ReportBuffer& buffer) {
    if (StartPage(dc) <= 0) {
        return false;
    }
    HGDIOBJ previous = SelectObject(dc, font);
    CheckGdi(previous != nullptr && previous != HGDI_ERROR, __LINE__);
    size_t drawn = 0;
    for (int index = page.firstLine; index < page.nextLine; ++index) {
        ShowProgress(index, buffer.lineCount);
        if (drawn < page.lines.size() && page.lines[drawn].index == index) {
            const std::string text = PrintedLineText(buffer.Line(index));
            TextOutA(dc, x, page.lines[drawn].y, text.c_str(), static_cast<int>(text.size()));
            ++drawn;
        }
    }
    ShowProgress(page.nextLine, buffer.lineCount);
    const bool ended = EndPage(dc) > 0;
    CheckGdi(SelectObject(dc, previous) != nullptr, __LINE__);
    return ended;
}

// The report font on the job's printer: the chosen font at its point size,
// or a fixed-pitch font of the default size when none was chosen.
HFONT CreateReportFont(HDC dc) {
    LOGFONTA font = g_printer.font;
    if (font.lfPitchAndFamily == 0) {
        font.lfPitchAndFamily = FIXED_PITCH;
    }
    const int pointSize = g_printer.pointSize > 0 ? g_printer.pointSize : kDefaultPointSize;
    font.lfHeight = -MulDiv(pointSize, GetDeviceCaps(dc, LOGPIXELSY), 720);
    HFONT handle = CreateFontIndirectA(&font);
    if (handle == nullptr) {
        Fatal(IDS_CANNOT_CREATE_FONT, __LINE__);
    }
    return handle;
}

struct FontMetrics {
    int lineHeight = 0;
    int charWidth = 0;
};

FontMetrics MeasureFont(HDC dc, HFONT font) {
    HGDIOBJ previous = SelectObject(dc, font);
    CheckGdi(previous != nullptr && previous != HGDI_ERROR, __LINE__);
    TEXTMETRICA metrics;
    CheckGdi(GetTextMetricsA(dc, &metrics) != 0, __LINE__);
    CheckGdi(SelectObject(dc, previous) != nullptr, __LINE__);
    return {metrics.tmHeight + metrics.tmExternalLeading, metrics.tmMaxCharWidth};
}

// The client area as one-bit rows: the window colour white, every other
// colour black. The pixels are compared by their colour alone; a straight
// colour-to-monochrome blit would also compare the byte a window surface may
// keep above the colour, and take pictures blitted from images for black.
std::vector<unsigned char> MonochromeCopy(HDC windowDc, int w, int h) {
    std::vector<unsigned> pixels;
    try {
        pixels.resize(static_cast<size_t>(w) * h);
    } catch (const std::bad_alloc&) {
        Fatal(IDS_OUT_OF_MEMORY, __LINE__);
    }
    HDC copyDc = CreateCompatibleDC(windowDc);
    CheckGdi(copyDc != nullptr, __LINE__);
    HBITMAP copy = CreateCompatibleBitmap(windowDc, w, h);
    CheckGdi(copy != nullptr, __LINE__);
    HGDIOBJ previous = SelectObject(copyDc, copy);
    CheckGdi(previous != nullptr && previous != HGDI_ERROR, __LINE__);
    CheckGdi(BitBlt(copyDc, 0, 0, w, h, windowDc, 0, 0, SRCCOPY) != 0, __LINE__);
    CheckGdi(SelectObject(copyDc, previous) != nullptr, __LINE__);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    CheckGdi(
        GetDIBits(copyDc, copy, 0, static_cast<UINT>(h), pixels.data(), &info, DIB_RGB_COLORS) == h,
        __LINE__);
    CheckGdi(DeleteObject(copy) != 0, __LINE__);
    CheckGdi(DeleteDC(copyDc) != 0, __LINE__);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const unsigned background =
        (GetRValue(window) << 16) | (GetGValue(window) << 8) | GetBValue(window);
    return MonochromePicture(pixels, w, h, background);
}

// Paints the picture into the target at its printer size.
void PaintScaledPicture(HDC targetDc, const std::vector<unsigned char>& mono, int w, int h,
                        PrintSize size) {
    CheckGdi(PatBlt(targetDc, 0, 0, size.width, size.height, WHITENESS) != 0, __LINE__);
    for (const PrintRect& r : BlackRectangles(mono, w, h, size.width, size.height)) {
        PatBlt(targetDc, r.left, r.top, r.right - r.left + 1, r.bottom - r.top + 1, BLACKNESS);
    }
}

// The band-information escape's record (the platform headers lack it).
struct BandInformation {
    BOOL graphics;
    BOOL text;
    RECT graphicsRect;
};

bool HasEscape(HDC dc, int escape) {
    return Escape(dc, QUERYESCSUPPORT, sizeof escape, reinterpret_cast<LPCSTR>(&escape), nullptr) >
           0;
}

// One copy of the picture as one document, band by band where the printer
// bands, else as one page; false when the printer refused it.
bool PrintPictureDocument(HDC dc, HDC targetDc, PrintSize size, const std::string& name) {
    DOCINFOA doc = {};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = name.c_str();
    if (StartDocA(dc, &doc) <= 0) {
        return false;
    }
    if (!HasEscape(dc, NEXTBAND)) {
        if (StartPage(dc) <= 0) {
            return false;
        }
        BitBlt(dc, 0, 0, size.width, size.height, targetDc, 0, 0, SRCCOPY);
        if (EndPage(dc) <= 0) {
            return false;
        }
    } else {
        const bool askGraphics = HasEscape(dc, BANDINFO);
        const RECT target = {0, 0, size.width, size.height};
        for (;;) {
            RECT band;
            if (Escape(dc, NEXTBAND, 0, nullptr, &band) <= 0) {
                return false;
            }
            if (IsRectEmpty(&band)) {
                break;
            }
            BandInformation info = {};
            info.graphics = TRUE;
            if (askGraphics) {
                Escape(dc, BANDINFO, 0, nullptr, &info);
            }
            RECT part;
            if (info.graphics && IntersectRect(&part, &band, &target)) {
                BitBlt(dc, part.left, part.top, part.right - part.left, part.bottom - part.top,
                       targetDc, part.left, part.top, SRCCOPY);
            }
        }
    }
    if (PrintAbortProc(dc, 0) == FALSE) {
        return true;
    }
    return EndDoc(dc) > 0;
}

} // namespace

PrinterContext GetPrinterContext(HWND owner, bool forGraphics, bool useDefault) {
    PRINTDLGA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.nCopies = 1;
    if (useDefault) {
        request.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    } else {
        request.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION;
        request.hDevMode = g_printer.devMode;
        request.hDevNames = g_printer.devNames;
    }
    BOOL chosen;
    {
        CommonDialogScope open;
        chosen = PrintDlgA(&request);
    }
    if (useDefault) {
        // The default printer's handles are not a choice of the user's.
        FreeHandle(request.hDevMode);
        FreeHandle(request.hDevNames);
    } else {
        KeepSelection(request);
    }
    PrinterContext context;
    if (!chosen) {
        // A dialog that failed (rather than being cancelled) names no usable
        // printer; the default printer's absence is the caller's to report.
        if (!useDefault && CommDlgExtendedError() != 0) {
            ErrorBox(owner, IDS_PRINTER_NOT_SELECTED, false);
        }
        return context;
    }
    if (request.hDC == nullptr) {
        ErrorBox(owner, IDS_PRINTER_NOT_SELECTED, false);
        return context;
    }
    if (forGraphics && (GetDeviceCaps(request.hDC, RASTERCAPS) & RC_BITBLT) == 0) {
        ErrorBox(owner, IDS_CANNOT_PRINT_GRAPHICS, false);
        CheckGdi(DeleteDC(request.hDC) != 0, __LINE__);
        return context;
    }
    context.dc = request.hDC;
    context.copies = request.nCopies > 0 ? request.nCopies : 1;
    return context;
}

void PrintSetup(HWND owner) {
    PRINTDLGA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.Flags = PD_PRINTSETUP;
    request.hDevMode = g_printer.devMode;
    request.hDevNames = g_printer.devNames;
    {
        CommonDialogScope open;
        PrintDlgA(&request);
    }
    KeepSelection(request);
}

void ChooseReportFont(HWND owner) {
    const PrinterContext printer = GetPrinterContext(owner, false, true);
    if (printer.dc == nullptr) {
        ErrorBox(owner, IDS_NO_DEFAULT_PRINTER, false);
        return;
    }
    LOGFONTA font = g_printer.font;
    CHOOSEFONTA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.hDC = printer.dc;
    request.lpLogFont = &font;
    request.Flags = CF_PRINTERFONTS | CF_INITTOLOGFONTSTRUCT | CF_NOSIMULATIONS |
                    CF_FIXEDPITCHONLY | CF_FORCEFONTEXIST;
    request.nFontType = PRINTER_FONTTYPE;
    BOOL chosen;
    {
        CommonDialogScope open;
        chosen = ChooseFontA(&request);
    }
    if (chosen) {
        g_printer.font = font;
        g_printer.pointSize = request.iPointSize;
    }
    CheckGdi(DeleteDC(printer.dc) != 0, __LINE__);
}

void PrintReport(HWND owner, const ReportBuffer& buffer) {
    ++g_printer.printouts;
    const std::string name = DocumentName();
    const PrinterContext printer = GetPrinterContext(owner, false, false);
    if (printer.dc == nullptr) {
        return;
    }
    HDC dc = printer.dc;
    HFONT font = CreateReportFont(dc);

    bool failed = !OpenCancelDialog(owner, dc);
    DOCINFOA doc = {};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = name.c_str();
    if (!failed && StartDocA(dc, &doc) <= 0) {
        failed = true;
    }
    if (!failed) {
        const FontMetrics metrics = MeasureFont(dc, font);
        const std::vector<ReportPage> document = LayoutReportDocument(
            buffer, printer.copies, metrics.lineHeight, GetDeviceCaps(dc, VERTRES));
        // A page that cannot hold one line would never end the job.
        failed = document.empty() && buffer.lineCount > 0;
        for (const ReportPage& page : document) {
            if (!PrintReportPage(dc, font, metrics.charWidth, page, buffer)) {
                failed = true;
                break;
            }
            if (PrintAbortProc(dc, 0) == FALSE) {
                break;
            }
        }
        if (!failed && !g_printer.userAbort && EndDoc(dc) <= 0) {
            failed = true;
        }
    }
    EndFailedJob(owner, dc, failed);
    CloseCancelDialog();
    CheckGdi(DeleteObject(font) != 0, __LINE__);
    CheckGdi(DeleteDC(dc) != 0, __LINE__);
}

void PrintWindowPicture(HWND owner, bool inverted) {
    RECT client;
    CheckGdi(GetClientRect(owner, &client) != 0, __LINE__);
    const int w = client.right;
    const int h = client.bottom;
    if (w <= 0 || h <= 0) {
        return;
    }
    HDC windowDc = GetDC(owner);
    CheckGdi(windowDc != nullptr, __LINE__);
    std::vector<unsigned char> mono = MonochromeCopy(windowDc, w, h);

    const PrinterContext printer = GetPrinterContext(owner, true, false);
    if (printer.dc == nullptr) {
        ReleaseDC(owner, windowDc);
        return;
    }
    HDC dc = printer.dc;
    const PrintSize size =
        ScalePictureToPage(w, h, GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES));
    HDC targetDc = nullptr;
    HBITMAP target = nullptr;
    HGDIOBJ targetPrevious = nullptr;
    {
        HourglassCursor hourglass;
        targetDc = CreateCompatibleDC(dc);
        CheckGdi(targetDc != nullptr, __LINE__);
        // A page-sized bitmap can be more than the machine holds: a failed
        // job, not a failed program.
        target = CreateCompatibleBitmap(dc, size.width, size.height);
        if (target != nullptr) {
            targetPrevious = SelectObject(targetDc, target);
            CheckGdi(targetPrevious != nullptr && targetPrevious != HGDI_ERROR, __LINE__);
            PaintScaledPicture(targetDc, mono, w, h, size);
            // Inverted here rather than by the copy to the printer: printer
            // drivers need not carry out raster operations other than a
            // plain copy.
            if (inverted) {
                CheckGdi(PatBlt(targetDc, 0, 0, size.width, size.height, DSTINVERT) != 0, __LINE__);
            }
        }
        mono = std::vector<unsigned char>();
    }

    bool failed = target == nullptr;
    if (failed) {
        ErrorBox(owner, IDS_CANNOT_PRINT, false);
    } else {
        failed = !OpenCancelDialog(owner, dc);
        ++g_printer.printouts;
        const std::string name = DocumentName();
        for (int copy = 0; copy < printer.copies && !failed && !g_printer.userAbort; ++copy) {
            failed = !PrintPictureDocument(dc, targetDc, size, name);
        }
        EndFailedJob(owner, dc, failed);
        CloseCancelDialog();
    }
    ReleaseDC(owner, windowDc);
    if (targetPrevious != nullptr) {
        CheckGdi(SelectObject(targetDc, targetPrevious) != nullptr, __LINE__);
    }
    CheckGdi(DeleteDC(dc) != 0, __LINE__);
    CheckGdi(DeleteDC(targetDc) != 0, __LINE__);
    if (target != nullptr) {
        CheckGdi(DeleteObject(target) != 0, __LINE__);
    }
}
