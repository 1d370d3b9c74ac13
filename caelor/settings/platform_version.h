// Which kind of Windows the program runs on, decided from the platform's
// packed version number so that the decision can be tested without it.
#pragma once

#include <cstdint>

struct PlatformVersion {
    bool nt;   // an NT system (the high bit of the packed value is clear)
    int major; // major version
    int minor; // minor version
};

// Unpacks the value GetVersion returns: low byte the major version, next byte
// the minor version, high bit set on systems that are not NT.
PlatformVersion DecodePlatformVersion(uint32_t packed);

// True on a system that is not NT with a major version below 4: 16-bit
// Windows running 32-bit programs, where settings go to an INI file instead of
// the registry.
bool IsLegacyWin32Version(const PlatformVersion& version);
