// The pure layer's interfaces served by the platform: the desktop's
// windows, files, and the profile file.
#pragma once

#include "core/menu_file.h"
#include "core/session.h"
#include "core/settings.h"
#include "core/task_list.h"

#include <windows.h>

// Other programs' windows are moved, shown and hidden asynchronously, so
// that a hung program cannot freeze the bar.
class DesktopWindows : public WindowSystem {
  public:
    std::vector<TopLevelWindow> TopLevelWindows() override;
    bool Exists(WindowId window) override;
    WindowId Parent(WindowId window) override;
    bool State(WindowId window, WindowState& state) override;
    void Move(WindowId window, int x, int y, int width, int height) override;
    void Hide(WindowId window) override;
    void Show(WindowId window, bool restore) override;
};

class DiskFiles : public FileStore {
  public:
    bool ReadAll(const std::string& path, std::string& contents) override;
    bool WriteAll(const std::string& path, const std::string& contents) override;
    bool MoveReplacing(const std::string& from, const std::string& to) override;
    void Remove(const std::string& path) override;
};

// The application's profile file.
class AppProfile : public ProfileStore {
  public:
    int ReadInt(const std::string& section, const std::string& key, int fallback) override;
    bool WriteInt(const std::string& section, const std::string& key, int value) override;
};

class DesktopSession : public SessionControl {
  public:
    bool LogOff(unsigned flags) override;
};

inline HWND ToHwnd(WindowId id) {
    return reinterpret_cast<HWND>(id);
}
inline WindowId ToWindowId(HWND hwnd) {
    return reinterpret_cast<WindowId>(hwnd);
}
