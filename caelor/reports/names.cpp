#include "reports/names.h"

#include "resources/string_table.h"

void BodyName(int body, char* text) {
    LoadText(IDS_BODY_NAME_FIRST + body, text, kTextSize);
}

void MonthName(int month, char* text) {
    LoadText(IDS_MONTH_NAME_FIRST + month - 1, text, kTextSize);
}
