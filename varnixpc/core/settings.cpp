#include "core/settings.h"

namespace {

const char kDisplay[] = "Display";
const char kClock[] = "Clock";
const char kNewShell[] = "NewShell";

} // namespace

LauncherSettings ReadSettings(ProfileStore& profile) {
    const LauncherSettings defaults;
    LauncherSettings s;
    s.onTop = profile.ReadInt(kDisplay, "OnTop", defaults.onTop);
    s.useIcons = profile.ReadInt(kDisplay, "UseIcons", defaults.useIcons);
    s.smallFont = profile.ReadInt(kDisplay, "SmallFont", defaults.smallFont);
    s.twelveHour = profile.ReadInt(kClock, "12HourTime", defaults.twelveHour);
    s.compensate = profile.ReadInt(kNewShell, "Compensate", defaults.compensate);
    return s;
}

bool WriteSettings(ProfileStore& profile, const LauncherSettings& s) {
    bool ok = profile.WriteInt(kDisplay, "OnTop", s.onTop);
    ok = profile.WriteInt(kDisplay, "UseIcons", s.useIcons) && ok;
    ok = profile.WriteInt(kDisplay, "SmallFont", s.smallFont) && ok;
    ok = profile.WriteInt(kClock, "12HourTime", s.twelveHour) && ok;
    ok = profile.WriteInt(kNewShell, "Compensate", s.compensate) && ok;
    return ok;
}

bool ReadDontShowWarning(ProfileStore& profile) {
    return profile.ReadInt(kNewShell, "DontShowWarning", 0) != 0;
}

bool WriteDontShowWarning(ProfileStore& profile) {
    return profile.WriteInt(kNewShell, "DontShowWarning", 1);
}

ShellState DetectShell(const ShellProbe& probe, int screenWidth, int screenHeight) {
    ShellState shell;
    if (probe.taskbarFound) {
        shell.detected = true;
        shell.taskbarHeight = probe.taskbarRect.bottom - probe.taskbarRect.top;
    } else if (probe.programManagerFound &&
               probe.programManagerRect == Rect{0, 0, screenWidth, screenHeight}) {
        shell.detected = true;
        shell.taskbarHeight = 30;
        shell.programManagerShell = true;
    }
    return shell;
}

bool ShouldWarnAboutShell(const ShellState& shell, bool dontShowWarning) {
    return shell.detected && !dontShowWarning;
}
