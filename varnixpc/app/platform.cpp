#include "app/platform.h"

#include "framework/application.h"

namespace {

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
    return TRUE;
}

} // namespace

std::vector<TopLevelWindow> DesktopWindows::TopLevelWindows() {
    std::vector<HWND> handles;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&handles));
    std::vector<TopLevelWindow> windows;
    windows.reserve(handles.size());
    for (HWND hwnd : handles) {
        char title[256] = "";
        // Only the listed windows' titles are needed. For another program's
        // window the text is read without asking the window, so a hung
        // program does not hold the bar up.
        const bool enabled = IsWindowEnabled(hwnd) != FALSE;
        const bool visible = IsWindowVisible(hwnd) != FALSE;
        if (enabled && visible) {
            GetWindowTextA(hwnd, title, sizeof title);
        }
        windows.push_back(TopLevelWindow{ToWindowId(hwnd), title, enabled, visible});
    }
    return windows;
}

bool DesktopWindows::Exists(WindowId window) {
    return IsWindow(ToHwnd(window)) != FALSE;
}

WindowId DesktopWindows::Parent(WindowId window) {
    return ToWindowId(GetParent(ToHwnd(window)));
}

bool DesktopWindows::State(WindowId window, WindowState& state) {
    HWND hwnd = ToHwnd(window);
    RECT r;
    if (!IsWindow(hwnd) || !GetWindowRect(hwnd, &r)) {
        return false;
    }
    state.rect = Rect{r.left, r.top, r.right, r.bottom};
    state.maximized = IsZoomed(hwnd) != FALSE;
    state.minimized = IsIconic(hwnd) != FALSE;
    return true;
}

void DesktopWindows::Move(WindowId window, int x, int y, int width, int height) {
    SetWindowPos(ToHwnd(window), nullptr, x, y, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
}

void DesktopWindows::Hide(WindowId window) {
    ShowWindowAsync(ToHwnd(window), SW_HIDE);
}

void DesktopWindows::Show(WindowId window, bool restore) {
    HWND hwnd = ToHwnd(window);
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_ASYNCWINDOWPOS);
    ShowWindowAsync(hwnd, restore ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(hwnd);
}

bool DiskFiles::ReadAll(const std::string& path, std::string& contents) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    contents.clear();
    char buffer[4096];
    DWORD got = 0;
    bool ok = true;
    for (;;) {
        if (!::ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
            ok = false;
            break;
        }
        if (got == 0) {
            break;
        }
        contents.append(buffer, got);
    }
    CloseHandle(file);
    return ok;
}

bool DiskFiles::WriteAll(const std::string& path, const std::string& contents) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < contents.size()) {
        const std::size_t left = contents.size() - done;
        const DWORD chunk = left > 65536 ? 65536 : static_cast<DWORD>(left);
        DWORD written = 0;
        ok =
            ::WriteFile(file, contents.data() + done, chunk, &written, nullptr) && written == chunk;
        done += written;
    }
    ok = ok && FlushFileBuffers(file);
    ok = CloseHandle(file) && ok;
    return ok;
}

bool DiskFiles::MoveReplacing(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

void DiskFiles::Remove(const std::string& path) {
    DeleteFileA(path.c_str());
}

int AppProfile::ReadInt(const std::string& section, const std::string& key, int fallback) {
    return Application::Instance()->GetProfileInt(section.c_str(), key.c_str(), fallback);
}

bool AppProfile::WriteInt(const std::string& section, const std::string& key, int value) {
    return Application::Instance()->WriteProfileInt(section.c_str(), key.c_str(), value);
}

// The mirrored flags must be the platform's own.
static_assert(kLogOffFlag == EWX_LOGOFF, "log-off flag differs from the platform's");
static_assert(kForceFlag == EWX_FORCE, "force flag differs from the platform's");

bool DesktopSession::LogOff(unsigned flags) {
    return ExitWindowsEx(flags, 0) != FALSE;
}
