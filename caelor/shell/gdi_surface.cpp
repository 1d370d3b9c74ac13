#include "shell/gdi_surface.h"

#include "shell/color_pens.h"
#include "shell/errors.h"
#include "shell/surface.h"

#include <cstring>

namespace {

constexpr int kGdiError = 693;

void Check(bool succeeded, long line) {
    if (!succeeded) {
        ShellFatalError(kGdiError, "GRAPHICS", line);
    }
}

HDC DcOf(Surface& surface) {
    return static_cast<GdiSurface&>(surface).Dc();
}

} // namespace

GdiSurface::GdiSurface(HDC dc, int width, int height) : dc_(dc), width_(width), height_(height) {
    savedDc_ = SaveDC(dc_);
    Check(savedDc_ != 0, __LINE__);
    levels_.emplace_back();
}

GdiSurface::GdiSurface(HDC dc, HBITMAP bitmap, int width, int height)
    : GdiSurface(dc, width, height) {
    bitmap_ = bitmap;
}

GdiSurface::~GdiSurface() {
    // Back to the caller's selection first, so that nothing made here is
    // still selected when it is deleted.
    RestoreDC(dc_, savedDc_);
    for (const Level& level : levels_) {
        DeleteLevel(level);
    }
    if (bitmap_ != nullptr) {
        SelectObject(dc_, oldBitmap_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
}

void GdiSurface::DeleteLevel(const Level& level) {
    if (level.pen != nullptr) {
        DeleteObject(level.pen);
    }
    if (level.brush != nullptr) {
        DeleteObject(level.brush);
    }
}

void GdiSurface::Prepare(int mode, int width, int height, bool withColours) {
    PrepareSurface(dc_, mode, width, height, withColours);
}

SurfacePoint GdiSurface::LogicalToDevice(SurfacePoint p) const {
    POINT point = {p.x, p.y};
    Check(LPtoDP(dc_, &point, 1) != 0, __LINE__);
    return {point.x, point.y};
}

SurfacePoint GdiSurface::DeviceToLogical(SurfacePoint p) const {
    POINT point = {p.x, p.y};
    Check(DPtoLP(dc_, &point, 1) != 0, __LINE__);
    return {point.x, point.y};
}

ColorRef GdiSurface::ItemColor(int item) const {
    return ColorOf(item);
}

ColorRef GdiSurface::SystemColorValue(SystemColor which) const {
    return GetSysColor(which == SystemColor::Window ? COLOR_WINDOW : COLOR_WINDOWTEXT);
}

void GdiSurface::UsePen(HPEN pen, bool made) {
    Check(pen != nullptr, __LINE__);
    HGDIOBJ previous = SelectObject(dc_, pen);
    Check(previous != nullptr && previous != HGDI_ERROR, __LINE__);
    Level& level = levels_.back();
    if (level.pen != nullptr && level.pen != pen) {
        DeleteObject(level.pen);
    }
    level.pen = made ? pen : nullptr;
}

void GdiSurface::UseBrush(HBRUSH brush, bool made) {
    Check(brush != nullptr, __LINE__);
    HGDIOBJ previous = SelectObject(dc_, brush);
    Check(previous != nullptr && previous != HGDI_ERROR, __LINE__);
    Level& level = levels_.back();
    if (level.brush != nullptr && level.brush != brush) {
        DeleteObject(level.brush);
    }
    level.brush = made ? brush : nullptr;
}

void GdiSurface::SelectItemPen(int item) {
    // The table's pens live for the whole run; the pen this level made, if
    // any, is not selected any more and goes.
    ::SelectColorPen(dc_, item);
    Level& level = levels_.back();
    if (level.pen != nullptr) {
        DeleteObject(level.pen);
        level.pen = nullptr;
    }
}

void GdiSurface::SelectColorPen(ColorRef color) {
    UsePen(CreatePen(PS_SOLID, 1, color), true);
}

void GdiSurface::SelectNullPen() {
    UsePen(static_cast<HPEN>(GetStockObject(NULL_PEN)), false);
}

void GdiSurface::SelectSolidBrush(ColorRef color) {
    UseBrush(CreateSolidBrush(color), true);
}

void GdiSurface::SelectHatchBrush(HatchStyle style, ColorRef color) {
    UseBrush(CreateHatchBrush(static_cast<int>(style), color), true);
}

void GdiSurface::SelectHollowBrush() {
    UseBrush(static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)), false);
}

void GdiSurface::SetTextColor(ColorRef color) {
    ::SetTextColor(dc_, color);
}

void GdiSurface::SetBackgroundColor(ColorRef color) {
    SetBkColor(dc_, color);
}

void GdiSurface::SetBackgroundTransparent(bool transparent) {
    SetBkMode(dc_, transparent ? TRANSPARENT : OPAQUE);
}

void GdiSurface::SaveState() {
    Check(SaveDC(dc_) != 0, __LINE__);
    levels_.emplace_back();
}

void GdiSurface::RestoreState() {
    if (levels_.size() <= 1) {
        return;
    }
    Check(RestoreDC(dc_, -1) != 0, __LINE__);
    DeleteLevel(levels_.back());
    levels_.pop_back();
}

void GdiSurface::Polyline(const SurfacePoint* points, int count) {
    std::vector<POINT> p(count);
    for (int i = 0; i < count; ++i) {
        p[i] = {points[i].x, points[i].y};
    }
    ::Polyline(dc_, p.data(), count);
}

void GdiSurface::Polygon(const SurfacePoint* points, int count) {
    std::vector<POINT> p(count);
    for (int i = 0; i < count; ++i) {
        p[i] = {points[i].x, points[i].y};
    }
    ::Polygon(dc_, p.data(), count);
}

void GdiSurface::Rectangle(int left, int top, int right, int bottom) {
    ::Rectangle(dc_, left, top, right, bottom);
}

bool GdiSurface::Ellipse(int left, int top, int right, int bottom) {
    return ::Ellipse(dc_, left, top, right, bottom) != 0;
}

void GdiSurface::SetPixel(int x, int y, ColorRef color) {
    ::SetPixel(dc_, x, y, color);
}

void GdiSurface::Text(int x, int y, const char* text) {
    TextOutA(dc_, x, y, text, static_cast<int>(std::strlen(text)));
}

int GdiSurface::CharWidth() const {
    return ::CharWidth(dc_);
}

int GdiSurface::LineHeight() const {
    return ::LineHeight(dc_);
}

int GdiSurface::TextWidth(const char* text) const {
    return ::TextWidth(dc_, text);
}

int GdiSurface::TextHeight(const char* text) const {
    return ::TextHeight(dc_, text);
}

void GdiSurface::SetClipRect(int left, int top, int right, int bottom) {
    POINT corners[2] = {{left, top}, {right, bottom}};
    Check(LPtoDP(dc_, corners, 2) != 0, __LINE__);
    HRGN region = CreateRectRgn(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
    Check(region != nullptr, __LINE__);
    const int selected = SelectClipRgn(dc_, region);
    DeleteObject(region); // the context keeps a copy
    Check(selected != ERROR, __LINE__);
}

void GdiSurface::ClearClip() {
    SelectClipRgn(dc_, nullptr);
}

std::unique_ptr<Surface> GdiSurface::CreateOffscreen(int width, int height) {
    HDC memory = CreateCompatibleDC(dc_);
    Check(memory != nullptr, __LINE__);
    HBITMAP bitmap = CreateCompatibleBitmap(dc_, width > 0 ? width : 1, height > 0 ? height : 1);
    if (bitmap == nullptr) {
        DeleteDC(memory);
        Check(false, __LINE__);
    }
    HGDIOBJ old = SelectObject(memory, bitmap);
    Check(old != nullptr && old != HGDI_ERROR, __LINE__);
    std::unique_ptr<GdiSurface> surface(new GdiSurface(memory, bitmap, width, height));
    surface->oldBitmap_ = old;
    ::PatBlt(memory, 0, 0, width, height, BLACKNESS);
    return surface;
}

void GdiSurface::Blit(int x, int y, int width, int height, Surface& source, int sx, int sy,
                      RasterOp op) {
    Check(BitBlt(dc_, x, y, width, height, DcOf(source), sx, sy, static_cast<DWORD>(op)) != 0,
          __LINE__);
}

void GdiSurface::PatBlt(int x, int y, int width, int height, RasterOp op) {
    ::PatBlt(dc_, x, y, width, height, static_cast<DWORD>(op));
}

void GdiSurface::StretchMonoBitmap(const MonoBitmap& bitmap, int left, int bottom, int width,
                                   int height, RasterOp op) {
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
    } info = {};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = bitmap.width;
    info.header.biHeight = bitmap.bottomUp ? bitmap.height : -bitmap.height;
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    info.header.biCompression = BI_RGB;
    info.colours[1] = {255, 255, 255, 0};
    const int oldMode = SetStretchBltMode(dc_, WHITEONBLACK);
    // The page's y grows upwards: the destination's corner is its top-left
    // in device terms, so the picture's top row lands at the upper edge.
    const int copied = StretchDIBits(
        dc_, left, bottom + height, width, -height, 0, 0, bitmap.width, bitmap.height, bitmap.bits,
        reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, static_cast<DWORD>(op));
    SetStretchBltMode(dc_, oldMode);
    Check(copied != 0 && copied != static_cast<int>(GDI_ERROR), __LINE__);
}
