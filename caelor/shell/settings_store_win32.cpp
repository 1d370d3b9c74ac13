#include "shell/settings_store_win32.h"

#include "shell/errors.h"

#include <windows.h>

#include <cstring>

bool RegistrySettingsStore::Write(const char* name, const char* value) {
    const std::string path = RegistrySettingPath(name);
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, &disposition) != ERROR_SUCCESS) {
        return false;
    }
    const DWORD size = static_cast<DWORD>(std::strlen(value) + 1);
    const bool set = RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                                    size) == ERROR_SUCCESS;
    const bool closed = RegCloseKey(key) == ERROR_SUCCESS;
    return set && closed;
}

std::string RegistrySettingsStore::Read(const char* name) {
    const std::string path = RegistrySettingPath(name);
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return std::string();
    }
    char value[kSettingValueMax + 1] = {};
    DWORD type = 0;
    DWORD size = sizeof value;
    std::string result;
    if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
            ERROR_SUCCESS &&
        type == REG_SZ) {
        // A stored string need not carry its terminating zero.
        value[size < sizeof value ? size : sizeof value - 1] = '\0';
        result = value;
    }
    if (RegCloseKey(key) != ERROR_SUCCESS) {
        ErrorBox(nullptr, IDS_REGISTRY_ERROR, false);
    }
    return result;
}

bool IniSettingsStore::Write(const char* name, const char* value) {
    // The write's own result is kept, so a file that cannot be written is
    // reported instead of being taken for a save.
    return WritePrivateProfileStringA(kSettingsIniSection, name, value, kSettingsIniFile) != 0;
}

std::string IniSettingsStore::Read(const char* name) {
    char value[kSettingValueMax + 1] = {};
    GetPrivateProfileStringA(kSettingsIniSection, name, "", value, sizeof value, kSettingsIniFile);
    return value;
}

SettingsStore& ActiveSettingsStore() {
    static RegistrySettingsStore registry;
    static IniSettingsStore profile;
    static SettingsStore* const active =
        IsLegacyWin32Platform() ? static_cast<SettingsStore*>(&profile) : &registry;
    return *active;
}
