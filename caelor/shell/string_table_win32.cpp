#include "resources/string_table.h"

#include <windows.h>

int LoadText(int id, char* text, int size) {
    if (size <= 0) {
        return 0;
    }
    text[0] = '\0';
    const int length = LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id), text, size);
    return length > 0 ? length : 0;
}
