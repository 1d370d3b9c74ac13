// The launcher's settings in its profile file, and the start-up check for a
// desktop shell with a taskbar of its own.
#pragma once

#include "core/geometry.h"

#include <string>

struct LauncherSettings {
    int onTop = 1;      // "Display" "OnTop"
    int useIcons = 1;   // "Display" "UseIcons"
    int smallFont = 1;  // "Display" "SmallFont": the 3D look
    int twelveHour = 1; // "Clock" "12HourTime"
    int compensate = 1; // "NewShell" "Compensate"
};

// Private-profile access: integers read with a default, written as decimal
// text.
class ProfileStore {
  public:
    virtual ~ProfileStore() = default;
    virtual int ReadInt(const std::string& section, const std::string& key, int fallback) = 0;
    // False when the value could not be written.
    virtual bool WriteInt(const std::string& section, const std::string& key, int value) = 0;
};

// Each value from its key, or its default when the file or key is missing.
LauncherSettings ReadSettings(ProfileStore& profile);

// Writes the five values; false when any write failed.
bool WriteSettings(ProfileStore& profile, const LauncherSettings& settings);

// "NewShell" "DontShowWarning": skip the Shell Verification dialog.
bool ReadDontShowWarning(ProfileStore& profile);
bool WriteDontShowWarning(ProfileStore& profile);

// What the start-up check found on the desktop.
struct ShellProbe {
    bool taskbarFound = false; // a visible "Shell_TaskWnd" or "Shell_TrayWnd"
    Rect taskbarRect{0, 0, 0, 0};
    bool programManagerFound = false; // a window titled "Program Manager"
    Rect programManagerRect{0, 0, 0, 0};
};

struct ShellState {
    bool detected = false;
    bool programManagerShell = false;
    int taskbarHeight = 0;
};

// A taskbar window means a shell with its height; otherwise a Program
// Manager window covering exactly the screen means a shell whose taskbar is
// taken as 30 pixels high.
ShellState DetectShell(const ShellProbe& probe, int screenWidth, int screenHeight);

// Whether the Shell Verification dialog is shown at start-up.
bool ShouldWarnAboutShell(const ShellState& shell, bool dontShowWarning);
