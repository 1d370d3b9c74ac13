#include "shell/gdi_surface.h"

#include "graphs/drawing_module.h"
#include "shell/color_pens.h"
#include "shell/errors.h"
#include "shell/surface.h"

#include <algorithm>
#include <cstring>

namespace {

void Check(bool succeeded, long line) {
    if (!succeeded) {
        ShellFatalError(IDS_GDI_ERROR, DrawingModule(), line);
    }
}

HGDIOBJ Select(HDC dc, HGDIOBJ object, long line) {
    HGDIOBJ previous = SelectObject(dc, object);
    Check(previous != nullptr && previous != HGDI_ERROR, line);
    return previous;
}

} // namespace

GdiSurface::GdiSurface(HDC dc, int width, int height)
    : dc_(dc), width_(width), height_(height), originalPen_(GetCurrentObject(dc, OBJ_PEN)),
      originalBrush_(GetCurrentObject(dc, OBJ_BRUSH)), levels_(1) {}

GdiSurface::~GdiSurface() {
    while (!savedDcs_.empty()) {
        RestoreState();
    }
    // Put back what the DC held, then delete what was made here.
    SelectObject(dc_, originalPen_);
    SelectObject(dc_, originalBrush_);
    if (originalFont_ != nullptr) {
        SelectObject(dc_, originalFont_);
    }
    for (HGDIOBJ object : levels_[0].made) {
        DeleteObject(object);
    }
    if (ownsDc_) {
        if (originalBitmap_ != nullptr) {
            SelectObject(dc_, originalBitmap_);
        }
        DeleteDC(dc_);
        if (bitmap_ != nullptr) {
            DeleteObject(bitmap_);
        }
    }
}

HBITMAP GdiSurface::DetachBitmap() {
    HBITMAP bitmap = bitmap_;
    if (ownsDc_ && originalBitmap_ != nullptr) {
        Select(dc_, originalBitmap_, __LINE__);
        originalBitmap_ = nullptr;
    }
    bitmap_ = nullptr;
    return bitmap;
}

void GdiSurface::Prepare(int mode, int width, int height, bool withColours) {
    HFONT previous = PrepareSurface(dc_, mode, width, height, withColours);
    if (originalFont_ == nullptr) {
        originalFont_ = previous;
    }
    if (withColours) {
        // PrepareSurface selected the pen of item 20: no pen of ours is
        // current any more.
        Use(kPen, GetCurrentObject(dc_, OBJ_PEN), false);
    }
}

SurfacePoint GdiSurface::LogicalToDevice(SurfacePoint p) const {
    POINT point{p.x, p.y};
    Check(LPtoDP(dc_, &point, 1) != 0, __LINE__);
    return SurfacePoint{point.x, point.y};
}

SurfacePoint GdiSurface::DeviceToLogical(SurfacePoint p) const {
    POINT point{p.x, p.y};
    Check(DPtoLP(dc_, &point, 1) != 0, __LINE__);
    return SurfacePoint{point.x, point.y};
}

ColorRef GdiSurface::ItemColor(int item) const {
    return ColorOf(item);
}

ColorRef GdiSurface::SystemColorValue(SystemColor which) const {
    return GetSysColor(which == SystemColor::Window ? COLOR_WINDOW : COLOR_WINDOWTEXT);
}

void GdiSurface::Use(Kind kind, HGDIOBJ object, bool made) {
    Level& level = levels_.back();
    HGDIOBJ replaced = level.current[kind];
    if (made) {
        level.made.push_back(object);
    }
    level.current[kind] = object;
    // An object made at this level and replaced now is held by no saved
    // state (those were all saved before it was made).
    auto it = std::find(level.made.begin(), level.made.end(), replaced);
    if (replaced != nullptr && replaced != object && it != level.made.end()) {
        level.made.erase(it);
        Check(DeleteObject(replaced) != 0, __LINE__);
    }
}

void GdiSurface::SelectItemPen(int item) {
    ::SelectColorPen(dc_, item);
    Use(kPen, GetCurrentObject(dc_, OBJ_PEN), false);
}

void GdiSurface::SelectColorPen(ColorRef color) {
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    Check(pen != nullptr, __LINE__);
    Select(dc_, pen, __LINE__);
    Use(kPen, pen, true);
}

void GdiSurface::SelectNullPen() {
    HGDIOBJ pen = GetStockObject(NULL_PEN);
    Select(dc_, pen, __LINE__);
    Use(kPen, pen, false);
}

void GdiSurface::SelectSolidBrush(ColorRef color) {
    HBRUSH brush = CreateSolidBrush(color);
    Check(brush != nullptr, __LINE__);
    Select(dc_, brush, __LINE__);
    Use(kBrush, brush, true);
}

void GdiSurface::SelectHatchBrush(HatchStyle style, ColorRef color) {
    HBRUSH brush = CreateHatchBrush(static_cast<int>(style), color);
    Check(brush != nullptr, __LINE__);
    Select(dc_, brush, __LINE__);
    Use(kBrush, brush, true);
}

void GdiSurface::SelectHollowBrush() {
    HGDIOBJ brush = GetStockObject(NULL_BRUSH);
    Select(dc_, brush, __LINE__);
    Use(kBrush, brush, false);
}

void GdiSurface::SetTextColor(ColorRef color) {
    Check(::SetTextColor(dc_, color) != CLR_INVALID, __LINE__);
}

void GdiSurface::SetBackgroundColor(ColorRef color) {
    Check(SetBkColor(dc_, color) != CLR_INVALID, __LINE__);
}

void GdiSurface::SetBackgroundTransparent(bool transparent) {
    Check(SetBkMode(dc_, transparent ? TRANSPARENT : OPAQUE) != 0, __LINE__);
}

void GdiSurface::SaveState() {
    const int saved = SaveDC(dc_);
    Check(saved != 0, __LINE__);
    savedDcs_.push_back(saved);
    Level level;
    level.current[kPen] = GetCurrentObject(dc_, OBJ_PEN);
    level.current[kBrush] = GetCurrentObject(dc_, OBJ_BRUSH);
    levels_.push_back(level);
}

void GdiSurface::RestoreState() {
    if (savedDcs_.empty()) {
        return;
    }
    Check(RestoreDC(dc_, savedDcs_.back()) != 0, __LINE__);
    savedDcs_.pop_back();
    // Everything made since the save is selected nowhere now.
    for (HGDIOBJ object : levels_.back().made) {
        Check(DeleteObject(object) != 0, __LINE__);
    }
    levels_.pop_back();
}

std::vector<POINT> GdiSurface::Points(const SurfacePoint* points, int count) const {
    std::vector<POINT> out(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        out[static_cast<size_t>(i)] = POINT{points[i].x, points[i].y};
    }
    return out;
}

void GdiSurface::Polyline(const SurfacePoint* points, int count) {
    const std::vector<POINT> p = Points(points, count);
    ::Polyline(dc_, p.data(), count);
}

void GdiSurface::Polygon(const SurfacePoint* points, int count) {
    const std::vector<POINT> p = Points(points, count);
    ::Polygon(dc_, p.data(), count);
}

void GdiSurface::Rectangle(int left, int top, int right, int bottom) {
    ::Rectangle(dc_, left, top, right, bottom);
}

bool GdiSurface::Ellipse(int left, int top, int right, int bottom) {
    // A box that covers no device pixel draws nothing; callers set the pixel
    // instead.
    const SurfacePoint a = LogicalToDevice({left, top});
    const SurfacePoint b = LogicalToDevice({right, bottom});
    if (a.x == b.x || a.y == b.y) {
        return false;
    }
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
    const SurfacePoint a = LogicalToDevice({left, top});
    const SurfacePoint b = LogicalToDevice({right, bottom});
    HRGN region = CreateRectRgn(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x),
                                std::max(a.y, b.y));
    Check(region != nullptr, __LINE__);
    const int kind = SelectClipRgn(dc_, region);
    DeleteObject(region);
    Check(kind != ERROR, __LINE__);
}

void GdiSurface::ClearClip() {
    Check(SelectClipRgn(dc_, nullptr) != ERROR, __LINE__);
}

std::unique_ptr<Surface> GdiSurface::CreateOffscreen(int width, int height) {
    const int w = std::max(width, 1);
    const int h = std::max(height, 1);
    HBITMAP bitmap = CreateCompatibleBitmap(dc_, w, h);
    if (bitmap == nullptr) {
        return nullptr; // no memory for it: the caller says what could not be made
    }
    HDC memory = CreateCompatibleDC(dc_);
    Check(memory != nullptr, __LINE__);
    auto offscreen = std::make_unique<GdiSurface>(memory, width, height);
    offscreen->ownsDc_ = true;
    offscreen->bitmap_ = bitmap;
    offscreen->originalBitmap_ = Select(memory, bitmap, __LINE__);
    Check(::PatBlt(memory, 0, 0, w, h, BLACKNESS) != 0, __LINE__);
    return offscreen;
}

void GdiSurface::Blit(int x, int y, int width, int height, Surface& source, int sx, int sy,
                      RasterOp op) {
    auto* other = dynamic_cast<GdiSurface*>(&source);
    if (other == nullptr) {
        return;
    }
    Check(BitBlt(dc_, x, y, width, height, other->dc_, sx, sy, static_cast<DWORD>(op)) != 0,
          __LINE__);
}

void GdiSurface::PatBlt(int x, int y, int width, int height, RasterOp op) {
    Check(::PatBlt(dc_, x, y, width, height, static_cast<DWORD>(op)) != 0, __LINE__);
}

void GdiSurface::StretchMonoBitmap(const MonoBitmap& bitmap, int left, int bottom, int width,
                                   int height, RasterOp op) {
    // Device-independent bitmaps want rows of whole 32-bit words.
    const int stride = (bitmap.width + 31) / 32 * 4;
    std::vector<uint8_t> rows(static_cast<size_t>(stride) * bitmap.height, 0);
    for (int y = 0; y < bitmap.height; ++y) {
        // Bottom-up in the DIB: row 0 is the picture's bottom row.
        const int source = bitmap.bottomUp ? y : bitmap.height - 1 - y;
        std::memcpy(&rows[static_cast<size_t>(y) * stride], bitmap.bits + source * bitmap.rowBytes,
                    static_cast<size_t>(std::min(stride, bitmap.rowBytes)));
    }
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[2];
    } info = {};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = bitmap.width;
    info.header.biHeight = bitmap.height;
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    info.header.biCompression = BI_RGB;
    info.colors[1] = RGBQUAD{255, 255, 255, 0};
    // In device units the picture stands upright whatever the mapping.
    const SurfacePoint a = LogicalToDevice({left, bottom + height});
    const SurfacePoint b = LogicalToDevice({left + width, bottom});
    const int saved = SaveDC(dc_);
    Check(saved != 0, __LINE__);
    Check(SetMapMode(dc_, MM_TEXT) != 0, __LINE__);
    Check(SetViewportOrgEx(dc_, 0, 0, nullptr) != 0, __LINE__);
    Check(SetWindowOrgEx(dc_, 0, 0, nullptr) != 0, __LINE__);
    Check(SetStretchBltMode(dc_, WHITEONBLACK) != 0, __LINE__);
    StretchDIBits(dc_, std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x),
                  std::abs(b.y - a.y), 0, 0, bitmap.width, bitmap.height, rows.data(),
                  reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, static_cast<DWORD>(op));
    Check(RestoreDC(dc_, saved) != 0, __LINE__);
}
