#include "shell/colors_dialog.h"

#include "resources/colors_dialog_ids.h"
#include "shell/color_pens.h"
#include "shell/errors.h"

#include <commdlg.h>

namespace {

constexpr int kAssignColorsHelp = 301;

// The chooser's custom colours persist for the run.
COLORREF g_customColors[16] = {
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
};

void RepaintSwatch(HWND dialog, int item) {
    InvalidateRect(GetDlgItem(dialog, IDC_COLOR_SWATCH_FIRST + item), nullptr, TRUE);
}

// The item's colour, outlined in the window-text colour.
void PaintSwatch(const DRAWITEMSTRUCT& draw, int item) {
    HBRUSH brush = CreateSolidBrush(Colors().Current(item));
    if (brush == nullptr) {
        ShellFatalError(IDS_GDI_ERROR, "COLORS", __LINE__);
    }
    HGDIOBJ oldPen = GetCurrentObject(draw.hDC, OBJ_PEN);
    HGDIOBJ oldBrush = SelectObject(draw.hDC, brush);
    if (oldPen == nullptr || oldBrush == nullptr) {
        DeleteObject(brush);
        ShellFatalError(IDS_GDI_ERROR, "COLORS", __LINE__);
    }
    SelectColorPen(draw.hDC, kWindowTextColorItem);
    const RECT& r = draw.rcItem;
    const bool drawn = Rectangle(draw.hDC, r.left, r.top, r.right, r.bottom) != 0;
    SelectObject(draw.hDC, oldPen);
    SelectObject(draw.hDC, oldBrush);
    if (!DeleteObject(brush) || !drawn) {
        ShellFatalError(IDS_GDI_ERROR, "COLORS", __LINE__);
    }
}

void ChooseItemColor(HWND dialog, int item) {
    CHOOSECOLORA choose = {};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = dialog;
    choose.rgbResult = Colors().Current(item);
    choose.lpCustColors = g_customColors;
    choose.Flags = CC_RGBINIT;
    bool chosen;
    {
        CommonDialogScope open;
        chosen = ChooseColorA(&choose) != 0;
    }
    if (chosen) {
        Colors().SetCurrent(item, NearestDisplayColor(choose.rgbResult));
        RecreateColorPen(item);
    }
    RepaintSwatch(dialog, item);
}

void RestoreOpeningColors() {
    Colors().CancelDialog();
    for (int i = 0; i < kAssignableColorCount; ++i) {
        RecreateColorPen(i);
    }
}

} // namespace

INT_PTR CALLBACK AssignColorsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        Colors().BeginDialog();
        InvalidateRect(dialog, nullptr, TRUE);
        return TRUE;
    case WM_DRAWITEM: {
        const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const int item = static_cast<int>(draw->CtlID) - IDC_COLOR_SWATCH_FIRST;
        if (item < 0 || item >= kAssignableColorCount) {
            return FALSE;
        }
        PaintSwatch(*draw, item);
        return TRUE;
    }
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (id >= IDC_COLOR_BUTTON_FIRST && id < IDC_COLOR_BUTTON_FIRST + kAssignableColorCount) {
            ChooseItemColor(dialog, id - IDC_COLOR_BUTTON_FIRST);
            return TRUE;
        }
        switch (id) {
        case IDOK:
            Colors().AcceptDialog();
            EndDialog(dialog, IDOK);
            return TRUE;
        case IDC_COLORS_SAVE:
            Colors().AcceptDialog();
            SaveColors(dialog, true);
            EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            RestoreOpeningColors();
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
        }
    }
    case kHelpRequestMessage:
        if (!ShowHelpContext(dialog, kAssignColorsHelp)) {
            ShellFatalError(IDS_HELP_ERROR, "COLORS", __LINE__);
        }
        return TRUE;
    default:
        return FALSE;
    }
}
