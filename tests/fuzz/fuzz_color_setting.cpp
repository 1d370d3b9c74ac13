// Colour settings come back from the settings store as the user or an older
// version left them; the reader must reject junk without faulting and keep
// its promise about the colour it is handed.
#include "settings/colors.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    constexpr ColorRef kSentinel = 0xA5A5A5A5u;
    ColorRef color = kSentinel;
    if (!ParseColorSetting(text.c_str(), &color)) {
        if (color != kSentinel) {
            std::abort();
        }
        return 0;
    }
    if ((color & 0xFF000000u) != 0) {
        std::abort();
    }
    return 0;
}
