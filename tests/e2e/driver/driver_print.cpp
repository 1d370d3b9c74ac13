// Driver commands for printing: what printers Wine offers, the "Printing"
// dialog's progress and its Cancel, the main window coming back afterwards,
// and how much of the client area is drawn (to compare with a printed page).
//
//   e2e_driver printers                        every printer and the default one
//   e2e_driver cancel-printing PERCENT TIMEOUT_MS
//                                              Cancel once the progress reaches PERCENT
//   e2e_driver wait-enabled TITLE TIMEOUT_MS   the window takes input again
//   e2e_driver drawn-fraction TITLE            share of client pixels not in the window colour

#include "driver.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr DWORD kPollMs = 1;
constexpr const char* kPrintingDialog = "Printing";
constexpr int kProgressText = 101;

HWND FindVisibleWindow(const char* title) {
    HWND hwnd = DriverFindWindow(title);
    return hwnd != nullptr && IsWindowVisible(hwnd) ? hwnd : nullptr;
}

bool TimeUp(DWORD start, DWORD timeoutMs) {
    return GetTickCount() - start >= timeoutMs;
}

int PrintersCommand() {
    DWORD needed = 0;
    DWORD count = 0;
    const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    EnumPrintersA(flags, nullptr, 4, nullptr, 0, &needed, &count);
    std::vector<BYTE> data(needed > 0 ? needed : 1);
    if (!EnumPrintersA(flags, nullptr, 4, data.data(), needed, &needed, &count)) {
        count = 0;
    }
    const auto* printers = reinterpret_cast<const PRINTER_INFO_4A*>(data.data());
    for (DWORD i = 0; i < count; ++i) {
        std::printf("printer %s\n", printers[i].pPrinterName);
    }
    char name[256] = "";
    DWORD size = sizeof name;
    const bool hasDefault = GetDefaultPrinterA(name, &size) != 0;
    std::printf("default %s\n", hasDefault ? name : "(none)");
    return count > 0 && hasDefault ? 0 : 1;
}

// The percentage the "Printing" dialog shows, or -1 when it shows none.
double ShownPercent(HWND dialog) {
    char text[256] = "";
    GetWindowTextA(GetDlgItem(dialog, kProgressText), text, sizeof text);
    const char* colon = std::strchr(text, ':');
    return colon != nullptr ? std::atof(colon + 1) : -1;
}

int CancelPrintingCommand(double percent, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    double shown = -1;
    for (;;) {
        HWND dialog = FindVisibleWindow(kPrintingDialog);
        if (dialog != nullptr) {
            shown = ShownPercent(dialog);
            if (shown >= percent) {
                PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
                std::printf("Cancel at %.2f%%\n", shown);
                return 0;
            }
        }
        if (TimeUp(start, timeoutMs)) {
            std::printf("no \"%s\" dialog at %.2f%% within %lu ms (last seen %.2f%%)\n",
                        kPrintingDialog, percent, static_cast<unsigned long>(timeoutMs), shown);
            return 1;
        }
        Sleep(kPollMs);
    }
}

int WaitEnabledCommand(const char* title, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND hwnd = FindVisibleWindow(title);
        if (hwnd != nullptr && IsWindowEnabled(hwnd) &&
            FindVisibleWindow(kPrintingDialog) == nullptr) {
            DWORD_PTR result = 0;
            SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_BLOCK, timeoutMs, &result);
            std::printf("window \"%s\" enabled\n", title);
            return 0;
        }
        if (TimeUp(start, timeoutMs)) {
            std::printf("window \"%s\" not enabled within %lu ms\n", title,
                        static_cast<unsigned long>(timeoutMs));
            return 1;
        }
        Sleep(kPollMs);
    }
}

int DrawnFractionCommand(const char* title) {
    HWND hwnd = FindVisibleWindow(title);
    if (hwnd == nullptr) {
        std::printf("no window \"%s\"\n", title);
        return 1;
    }
    RECT client;
    GetClientRect(hwnd, &client);
    const int w = client.right;
    const int h = client.bottom;
    if (w <= 0 || h <= 0) {
        std::printf("empty client area\n");
        return 1;
    }
    const std::vector<unsigned> pixels = DriverClientPixels(hwnd);
    const size_t drawn = DriverDrawnPixels(pixels);
    std::printf("%.4f %dx%d\n", static_cast<double>(drawn) / pixels.size(), w, h);
    return 0;
}

} // namespace

// -1 when argv names none of these commands.
int PrintDriverCommand(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "printers") == 0) {
        return PrintersCommand();
    }
    if (argc == 4 && std::strcmp(argv[1], "cancel-printing") == 0) {
        return CancelPrintingCommand(std::atof(argv[2]), std::strtoul(argv[3], nullptr, 10));
    }
    if (argc == 4 && std::strcmp(argv[1], "wait-enabled") == 0) {
        return WaitEnabledCommand(argv[2], std::strtoul(argv[3], nullptr, 10));
    }
    if (argc == 3 && std::strcmp(argv[1], "drawn-fraction") == 0) {
        return DrawnFractionCommand(argv[2]);
    }
    return -1;
}
