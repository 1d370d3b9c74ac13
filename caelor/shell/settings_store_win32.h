// The settings store's two back ends: one registry key per setting under the
// current user's branch, or the "Skyloom 2" section of CAELOR.INI on 16-bit
// Windows hosts.
#pragma once

#include "settings/settings_store.h"

// Each setting is the key "Software\Quillfen\Skyloom 2\2.02\<name>" of the
// current user; its value the key's default value, a string.
class RegistrySettingsStore : public SettingsStore {
  public:
    bool Write(const char* name, const char* value) override;
    // A key that cannot be closed after reading shows error IDS_REGISTRY_ERROR.
    std::string Read(const char* name) override;
};

// The profile file CAELOR.INI in the Windows directory.
class IniSettingsStore : public SettingsStore {
  public:
    bool Write(const char* name, const char* value) override;
    std::string Read(const char* name) override;
};

// The back end of this platform (IsLegacyWin32Platform), chosen on first use.
SettingsStore& ActiveSettingsStore();
