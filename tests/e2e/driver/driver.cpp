// End-to-end test driver: runs inside Wine next to the programs under test
// and works their windows the way a person would. Each command prints what it
// saw and exits 0 when its check holds.
//
//   e2e_driver wait-window TITLE TIMEOUT_MS
//   e2e_driver close TITLE TIMEOUT_MS
//   e2e_driver dump-strings MODULE

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr DWORD kPollMs = 50;

// Polls for a top-level window with the exact title until it is visible or
// the time runs out.
HWND WaitForWindow(const char* title, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND hwnd = FindWindowA(nullptr, title);
        if (hwnd != nullptr && IsWindowVisible(hwnd)) {
            return hwnd;
        }
        if (GetTickCount() - start >= timeoutMs) {
            return nullptr;
        }
        Sleep(kPollMs);
    }
}

int WaitWindowCommand(const char* title, DWORD timeoutMs) {
    HWND hwnd = WaitForWindow(title, timeoutMs);
    if (hwnd == nullptr) {
        std::printf("no window \"%s\" within %lu ms\n", title,
                    static_cast<unsigned long>(timeoutMs));
        return 1;
    }
    // An answered message means the window's thread is idle in its loop,
    // so its first paint is done.
    DWORD_PTR result = 0;
    SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_BLOCK, timeoutMs, &result);
    RECT rect;
    GetWindowRect(hwnd, &rect);
    std::printf("window \"%s\" at %ld,%ld size %ldx%ld\n", title, rect.left, rect.top,
                rect.right - rect.left, rect.bottom - rect.top);
    return 0;
}

int CloseCommand(const char* title, DWORD timeoutMs) {
    HWND hwnd = WaitForWindow(title, timeoutMs);
    if (hwnd == nullptr) {
        std::printf("no window \"%s\" to close\n", title);
        return 1;
    }
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid);
    if (process == nullptr) {
        std::printf("cannot open process %lu\n", static_cast<unsigned long>(pid));
        return 1;
    }
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
    const DWORD waited = WaitForSingleObject(process, timeoutMs);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process, &code);
    CloseHandle(process);
    if (waited != WAIT_OBJECT_0) {
        std::printf("process %lu still running %lu ms after WM_CLOSE\n",
                    static_cast<unsigned long>(pid), static_cast<unsigned long>(timeoutMs));
        return 1;
    }
    std::printf("process %lu ended with exit code %lu\n", static_cast<unsigned long>(pid),
                static_cast<unsigned long>(code));
    return code == 0 ? 0 : 1;
}

// Writes every string of the module's string table as "id<TAB>text" lines,
// bytes outside printable ASCII as \xHH, so that the dump compares exactly.
int DumpStringsCommand(const char* module) {
    HMODULE handle = LoadLibraryExA(module, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (handle == nullptr) {
        std::printf("cannot load %s\n", module);
        return 1;
    }
    static char text[4096];
    for (int id = 0; id < 65536; ++id) {
        const int length = LoadStringA(handle, static_cast<UINT>(id), text, sizeof text);
        if (length <= 0) {
            continue;
        }
        std::printf("%d\t", id);
        for (int i = 0; i < length; ++i) {
            const auto c = static_cast<unsigned char>(text[i]);
            if (c >= 32 && c < 127 && c != '\\') {
                std::putchar(c);
            } else {
                std::printf("\\x%02X", c);
            }
        }
        std::putchar('\n');
    }
    FreeLibrary(handle);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Plain newlines: the output is compared byte for byte with native text.
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc == 4 && std::strcmp(argv[1], "wait-window") == 0) {
        return WaitWindowCommand(argv[2], std::strtoul(argv[3], nullptr, 10));
    }
    if (argc == 4 && std::strcmp(argv[1], "close") == 0) {
        return CloseCommand(argv[2], std::strtoul(argv[3], nullptr, 10));
    }
    if (argc == 3 && std::strcmp(argv[1], "dump-strings") == 0) {
        return DumpStringsCommand(argv[2]);
    }
    std::fprintf(stderr, "usage: e2e_driver wait-window|close TITLE TIMEOUT_MS | "
                         "dump-strings MODULE\n");
    return 2;
}
