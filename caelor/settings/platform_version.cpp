#include "settings/platform_version.h"

PlatformVersion DecodePlatformVersion(uint32_t packed) {
    PlatformVersion version;
    version.nt = (packed & 0x80000000u) == 0;
    version.major = static_cast<int>(packed & 0xFFu);
    version.minor = static_cast<int>((packed >> 8) & 0xFFu);
    return version;
}

bool IsLegacyWin32Version(const PlatformVersion& version) {
    return !version.nt && version.major < 4;
}
