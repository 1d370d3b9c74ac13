#include "shell/color_pens.h"

#include "resources/string_table.h"
#include "shell/errors.h"
#include "shell/settings_store_win32.h"

namespace {

ColorTable g_colors;
HPEN g_pens[kColorItemCount] = {};
// The window-text colour item 20's pen was made with.
COLORREF g_windowTextPenColor = 0;

void CheckIndex(int index, long line) {
    if (index < 0 || index >= kColorItemCount) {
        ShellFatalError(IDS_INTERNAL_ERROR, "COLORS", line);
    }
}

HPEN MakePen(COLORREF color) {
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    if (pen == nullptr) {
        ShellFatalError(IDS_GDI_ERROR, "COLORS", __LINE__);
    }
    return pen;
}

void ReplacePen(int index, COLORREF color) {
    HPEN pen = MakePen(color);
    if (g_pens[index] != nullptr) {
        // A pen still selected into another surface cannot be deleted and is
        // left to the system; losing one pen is no reason to end the program.
        DeleteObject(g_pens[index]);
    }
    g_pens[index] = pen;
    if (index == kWindowTextColorItem) {
        g_windowTextPenColor = color;
    }
}

bool AskToSave(HWND owner) {
    char question[256];
    char title[81];
    LoadText(IDS_SAVE_COLORS_QUESTION, question, sizeof question);
    LoadText(IDS_APP_NAME, title, sizeof title);
    return MessageBoxA(owner, question, title, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

} // namespace

ColorTable& Colors() {
    return g_colors;
}

COLORREF NearestDisplayColor(COLORREF color) {
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) {
        ShellFatalError(IDS_GDI_ERROR, "COLORS", __LINE__);
    }
    const COLORREF nearest = GetNearestColor(screen, color);
    ReleaseDC(nullptr, screen);
    if (nearest == CLR_INVALID) {
        ShellFatalError(IDS_GDI_ERROR, "COLORS", __LINE__);
    }
    return nearest;
}

void LoadColors() {
    LoadColorSettings(g_colors, ActiveSettingsStore(),
                      [](ColorRef color) { return NearestDisplayColor(color); });
    for (int i = 0; i < kAssignableColorCount; ++i) {
        ReplacePen(i, g_colors.Current(i));
    }
    ReplacePen(kWindowTextColorItem, GetSysColor(COLOR_WINDOWTEXT));
}

COLORREF ColorOf(int index) {
    CheckIndex(index, __LINE__);
    if (index == kWindowTextColorItem) {
        return GetSysColor(COLOR_WINDOWTEXT);
    }
    return g_colors.Current(index);
}

void SelectColorPen(HDC dc, int index) {
    CheckIndex(index, __LINE__);
    // The null pen first, so the pen about to be replaced is not selected here.
    if (SelectObject(dc, GetStockObject(NULL_PEN)) == nullptr) {
        ShellFatalError(IDS_GDI_ERROR, "COLORS", __LINE__);
    }
    if (index == kWindowTextColorItem) {
        const COLORREF windowText = GetSysColor(COLOR_WINDOWTEXT);
        if (g_pens[index] == nullptr || windowText != g_windowTextPenColor) {
            ReplacePen(index, windowText);
        }
    } else if (g_pens[index] == nullptr) {
        ReplacePen(index, g_colors.Current(index));
    }
    if (SelectObject(dc, g_pens[index]) == nullptr) {
        ShellFatalError(IDS_GDI_ERROR, "COLORS", __LINE__);
    }
}

void RecreateColorPen(int index) {
    CheckIndex(index, __LINE__);
    ReplacePen(index, ColorOf(index));
}

void SaveColors(HWND owner, bool forced) {
    if (!ColorSaveWanted(g_colors, forced, [owner] { return AskToSave(owner); })) {
        return;
    }
    bool saved;
    {
        HourglassCursor busy;
        saved = SaveColorSettings(g_colors, ActiveSettingsStore());
    }
    if (!saved) {
        ErrorBox(owner, IDS_CANNOT_SAVE_COLORS, false);
    }
}

void DeleteColorPens() {
    for (HPEN& pen : g_pens) {
        if (pen != nullptr) {
            // The process ends next; a pen that cannot be deleted goes with it.
            DeleteObject(pen);
            pen = nullptr;
        }
    }
}
