// The small store in which settings persist between runs: a setting is a name
// and a text value of at most 80 characters. The Windows shell keeps it in
// the user's registry branch or, on 16-bit Windows hosts, in CAELOR.INI.
#pragma once

#include <string>

constexpr int kSettingValueMax = 80;

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // Stores value under name; false when the store refused it.
    virtual bool Write(const char* name, const char* value) = 0;
    // The value stored under name, at most 80 characters; empty when there is
    // none or it cannot be read.
    virtual std::string Read(const char* name) = 0;
};

// Registry key under the current user's branch that holds the setting name:
// "Software\Quillfen\Skyloom 2\2.02\" followed by the name. A path longer than
// 1024 characters is the fatal IDS_REGISTRY_ERROR of module REGISTRY.
std::string RegistrySettingPath(const char* name);

// The profile file and its section, used on 16-bit Windows hosts.
constexpr const char* kSettingsIniFile = "CAELOR.INI";
constexpr const char* kSettingsIniSection = "Skyloom 2";
