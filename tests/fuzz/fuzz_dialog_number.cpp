// Every number a dialog takes passes through this reader, with whatever the
// user typed and whatever decimal separator the locale gives.
#include "settings/dialog_params.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const char separator = static_cast<char>(data[0]);
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    double value = 0;
    ReadDialogNumber(text.c_str(), separator, value);
    return 0;
}
