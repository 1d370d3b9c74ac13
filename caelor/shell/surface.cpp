#include "shell/surface.h"

#include "graphs/drawing_module.h"
#include "shell/color_pens.h"
#include "shell/errors.h"

#include <cstring>

namespace {

void Check(bool succeeded, long line) {
    if (!succeeded) {
        ShellFatalError(IDS_GDI_ERROR, DrawingModule(), line);
    }
}

TEXTMETRICA Metrics(HDC dc) {
    TEXTMETRICA metrics;
    Check(GetTextMetricsA(dc, &metrics) != 0, __LINE__);
    return metrics;
}

SIZE Extent(HDC dc, const char* text) {
    SIZE size;
    Check(GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size) != 0,
          __LINE__);
    return size;
}

} // namespace

HFONT PrepareSurface(HDC dc, int mode, int width, int height, bool withColours) {
    if (mode == kDeviceMapping) {
        Check(SetMapMode(dc, MM_TEXT) != 0, __LINE__);
        Check(SetViewportOrgEx(dc, 0, 0, nullptr) != 0, __LINE__);
    } else if (mode == kPageMapping) {
        const PageMapping page = IsotropicPageMapping(width, height);
        Check(SetMapMode(dc, MM_ISOTROPIC) != 0, __LINE__);
        Check(SetWindowExtEx(dc, page.windowExtentX, page.windowExtentY, nullptr) != 0, __LINE__);
        Check(SetViewportExtEx(dc, page.viewportExtentX, page.viewportExtentY, nullptr) != 0,
              __LINE__);
        Check(SetViewportOrgEx(dc, page.viewportOriginX, page.viewportOriginY, nullptr) != 0,
              __LINE__);
    } else {
        ShellFatalError(IDS_INTERNAL_ERROR, "GRAPHICS", __LINE__);
    }
    HGDIOBJ previousFont = SelectObject(dc, GetStockObject(SYSTEM_FIXED_FONT));
    Check(previousFont != nullptr && previousFont != HGDI_ERROR, __LINE__);
    if (withColours) {
        Check(SetBkColor(dc, GetSysColor(COLOR_WINDOW)) != CLR_INVALID, __LINE__);
        Check(SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT)) != CLR_INVALID, __LINE__);
        SelectColorPen(dc, kWindowTextColorItem);
    }
    return static_cast<HFONT>(previousFont);
}

int CharWidth(HDC dc) {
    return Metrics(dc).tmMaxCharWidth;
}

int LineHeight(HDC dc) {
    const TEXTMETRICA metrics = Metrics(dc);
    return metrics.tmHeight + metrics.tmExternalLeading;
}

int TextWidth(HDC dc, const char* text) {
    return Extent(dc, text).cx;
}

int TextHeight(HDC dc, const char* text) {
    return Extent(dc, text).cy;
}
