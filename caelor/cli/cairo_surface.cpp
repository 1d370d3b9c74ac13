#include "cli/cairo_surface.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr ColorRef kWhite = 0xFFFFFF;
constexpr ColorRef kBlack = 0x000000;

uint32_t Apply(RasterOp op, uint32_t s, uint32_t d) {
    switch (op) {
    case RasterOp::SourceCopy:
        return s;
    case RasterOp::SourcePaint:
        return s | d;
    case RasterOp::SourceAnd:
        return s & d;
    case RasterOp::SourceInvert:
        return s ^ d;
    case RasterOp::NotSourceCopy:
        return ~s;
    case RasterOp::DestInvert:
        return ~d;
    case RasterOp::Blackness:
        return 0;
    case RasterOp::Whiteness:
        return 0xFFFFFF;
    case RasterOp::PatternCopy:
        return s;
    }
    return s;
}

int Round(double v) {
    return static_cast<int>(std::floor(v + 0.5));
}

} // namespace

std::string Utf8FromWindows1252(const char* text) {
    // The program's texts are Windows-1252; the Latin-1 range maps directly
    // and the few characters above 0x7F it uses are Latin-1 too.
    std::string out;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p != 0; ++p) {
        if (*p < 0x80) {
            out += static_cast<char>(*p);
        } else {
            out += static_cast<char>(0xC0 | (*p >> 6));
            out += static_cast<char>(0x80 | (*p & 0x3F));
        }
    }
    return out;
}

CairoSurface::CairoSurface(cairo_surface_t* target, int width, int height, double fontPixels)
    : target_(cairo_surface_reference(target)), cr_(cairo_create(target)), width_(width),
      height_(height), fontPixels_(fontPixels) {
    cairo_select_font_face(cr_, "monospace", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr_, fontPixels_);
    cairo_font_extents_t font;
    cairo_font_extents(cr_, &font);
    cairo_text_extents_t m;
    cairo_text_extents(cr_, "M", &m);
    charWidthPx_ = std::ceil(m.x_advance);
    lineHeightPx_ = std::ceil(font.height);
    ascentPx_ = std::ceil(font.ascent);
    cairo_set_line_width(cr_, 1.0);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_SQUARE);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
}

CairoSurface::~CairoSurface() {
    cairo_destroy(cr_);
    cairo_surface_destroy(target_);
}

void CairoSurface::Finish() {
    cairo_surface_flush(target_);
    cairo_show_page(cr_);
}

bool CairoSurface::IsImage() const {
    return cairo_surface_get_type(target_) == CAIRO_SURFACE_TYPE_IMAGE;
}

void CairoSurface::Prepare(int mode, int width, int height, bool withColours) {
    state_.mode = mode;
    state_.mappedWidth = width;
    state_.mappedHeight = height;
    if (withColours) {
        state_.backgroundColor = SystemColorValue(SystemColor::Window);
        state_.textColor = SystemColorValue(SystemColor::WindowText);
        SelectItemPen(kWindowTextColorItem);
    }
}

double CairoSurface::ScaleX() const {
    if (state_.mode != kPageMapping) {
        return 1.0;
    }
    return static_cast<double>(IsotropicPageExtent(state_.mappedWidth, state_.mappedHeight).width) /
           kPageWidth;
}

double CairoSurface::ScaleY() const {
    if (state_.mode != kPageMapping) {
        return 1.0;
    }
    return static_cast<double>(
               IsotropicPageExtent(state_.mappedWidth, state_.mappedHeight).height) /
           kPageHeight;
}

CairoSurface::DevicePointD CairoSurface::ToDevice(double x, double y) const {
    if (state_.mode != kPageMapping) {
        return DevicePointD{x, y};
    }
    return DevicePointD{x * ScaleX(), state_.mappedHeight - y * ScaleY()};
}

SurfacePoint CairoSurface::LogicalToDevice(SurfacePoint p) const {
    const DevicePointD d = ToDevice(p.x, p.y);
    return SurfacePoint{Round(d.x), Round(d.y)};
}

SurfacePoint CairoSurface::DeviceToLogical(SurfacePoint p) const {
    if (state_.mode != kPageMapping) {
        return p;
    }
    return SurfacePoint{Round(p.x / ScaleX()), Round((state_.mappedHeight - p.y) / ScaleY())};
}

ColorRef CairoSurface::ItemColor(int item) const {
    CheckColorItem(item);
    return item == kWindowTextColorItem ? SystemColorValue(SystemColor::WindowText)
                                        : DefaultColor(item);
}

ColorRef CairoSurface::SystemColorValue(SystemColor which) const {
    return which == SystemColor::Window ? kWhite : kBlack;
}

void CairoSurface::SelectItemPen(int item) {
    SelectColorPen(ItemColor(item));
}

void CairoSurface::SelectColorPen(ColorRef color) {
    state_.nullPen = false;
    state_.penColor = color;
}

void CairoSurface::SelectNullPen() {
    state_.nullPen = true;
}

void CairoSurface::SelectSolidBrush(ColorRef color) {
    state_.brush = Brush::Solid;
    state_.brushColor = color;
}

void CairoSurface::SelectHatchBrush(HatchStyle style, ColorRef color) {
    state_.brush = Brush::Hatch;
    state_.brushColor = color;
    state_.hatch = style;
}

void CairoSurface::SelectHollowBrush() {
    state_.brush = Brush::Hollow;
}

void CairoSurface::SetTextColor(ColorRef color) {
    state_.textColor = color;
}

void CairoSurface::SetBackgroundColor(ColorRef color) {
    state_.backgroundColor = color;
}

void CairoSurface::SetBackgroundTransparent(bool transparent) {
    state_.transparent = transparent;
}

void CairoSurface::SaveState() {
    saved_.push_back(state_);
    cairo_save(cr_);
}

void CairoSurface::RestoreState() {
    if (saved_.empty()) {
        return;
    }
    state_ = saved_.back();
    saved_.pop_back();
    cairo_restore(cr_);
}

void CairoSurface::SetColor(ColorRef color) {
    cairo_set_source_rgb(cr_, RedOf(color) / 255.0, GreenOf(color) / 255.0, BlueOf(color) / 255.0);
}

void CairoSurface::StrokeWithPen() {
    if (state_.nullPen) {
        cairo_new_path(cr_);
        return;
    }
    SetColor(state_.penColor);
    cairo_stroke(cr_);
}

void CairoSurface::FillWithBrush() {
    switch (state_.brush) {
    case Brush::Hollow:
        return;
    case Brush::Solid:
        SetColor(state_.brushColor);
        cairo_fill_preserve(cr_);
        return;
    case Brush::Hatch: {
        if (!state_.transparent) {
            SetColor(state_.backgroundColor);
            cairo_fill_preserve(cr_);
        }
        cairo_surface_t* tile = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
        cairo_t* t = cairo_create(tile);
        cairo_set_antialias(t, CAIRO_ANTIALIAS_NONE);
        cairo_set_source_rgb(t, RedOf(state_.brushColor) / 255.0,
                             GreenOf(state_.brushColor) / 255.0, BlueOf(state_.brushColor) / 255.0);
        const int style = static_cast<int>(state_.hatch);
        for (int i = 0; i < 8; ++i) {
            if (style == 0 || style == 4) {
                cairo_rectangle(t, i, 4, 1, 1);
            }
            if (style == 1 || style == 4) {
                cairo_rectangle(t, 4, i, 1, 1);
            }
            if (style == 2 || style == 5) {
                cairo_rectangle(t, i, i, 1, 1);
            }
            if (style == 3 || style == 5) {
                cairo_rectangle(t, 7 - i, i, 1, 1);
            }
        }
        cairo_fill(t);
        cairo_destroy(t);
        cairo_pattern_t* pattern = cairo_pattern_create_for_surface(tile);
        cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
        cairo_set_source(cr_, pattern);
        cairo_fill_preserve(cr_);
        cairo_pattern_destroy(pattern);
        cairo_surface_destroy(tile);
        return;
    }
    }
}

void CairoSurface::Polyline(const SurfacePoint* points, int count) {
    if (count < 2 || state_.nullPen) {
        return;
    }
    for (int i = 0; i < count; ++i) {
        const SurfacePoint d = LogicalToDevice(points[i]);
        if (i == 0) {
            cairo_move_to(cr_, d.x + 0.5, d.y + 0.5);
        } else {
            cairo_line_to(cr_, d.x + 0.5, d.y + 0.5);
        }
    }
    StrokeWithPen();
}

void CairoSurface::Polygon(const SurfacePoint* points, int count) {
    if (count < 2) {
        return;
    }
    for (int i = 0; i < count; ++i) {
        const SurfacePoint d = LogicalToDevice(points[i]);
        if (i == 0) {
            cairo_move_to(cr_, d.x + 0.5, d.y + 0.5);
        } else {
            cairo_line_to(cr_, d.x + 0.5, d.y + 0.5);
        }
    }
    cairo_close_path(cr_);
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
    FillWithBrush();
    StrokeWithPen();
}

void CairoSurface::Rectangle(int left, int top, int right, int bottom) {
    const SurfacePoint a = LogicalToDevice({left, top});
    const SurfacePoint b = LogicalToDevice({right, bottom});
    const int x0 = std::min(a.x, b.x);
    const int y0 = std::min(a.y, b.y);
    const int x1 = std::max(a.x, b.x);
    const int y1 = std::max(a.y, b.y);
    // As on the screen, the right and bottom edges are left out.
    cairo_rectangle(cr_, x0 + 0.5, y0 + 0.5, x1 - x0 - 1, y1 - y0 - 1);
    FillWithBrush();
    StrokeWithPen();
}

bool CairoSurface::Ellipse(int left, int top, int right, int bottom) {
    const SurfacePoint a = LogicalToDevice({left, top});
    const SurfacePoint b = LogicalToDevice({right, bottom});
    const double w = std::abs(b.x - a.x);
    const double h = std::abs(b.y - a.y);
    if (w < 1 || h < 1) {
        return false;
    }
    cairo_save(cr_);
    cairo_translate(cr_, (a.x + b.x) / 2.0 + 0.5, (a.y + b.y) / 2.0 + 0.5);
    cairo_scale(cr_, std::max(w / 2.0 - 0.5, 0.5), std::max(h / 2.0 - 0.5, 0.5));
    cairo_arc(cr_, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr_);
    FillWithBrush();
    StrokeWithPen();
    return true;
}

void CairoSurface::SetPixel(int x, int y, ColorRef color) {
    const SurfacePoint d = LogicalToDevice({x, y});
    cairo_rectangle(cr_, d.x, d.y, 1, 1);
    SetColor(color);
    cairo_fill(cr_);
}

void CairoSurface::Text(int x, int y, const char* text) {
    const SurfacePoint d = LogicalToDevice({x, y});
    const std::string utf8 = Utf8FromWindows1252(text);
    if (!state_.transparent) {
        cairo_rectangle(cr_, d.x, d.y, charWidthPx_ * std::strlen(text), lineHeightPx_);
        SetColor(state_.backgroundColor);
        cairo_fill(cr_);
    }
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_DEFAULT);
    SetColor(state_.textColor);
    cairo_move_to(cr_, d.x, d.y + ascentPx_);
    cairo_show_text(cr_, utf8.c_str());
    cairo_new_path(cr_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
}

int CairoSurface::CharWidth() const {
    return std::max(1, Round(charWidthPx_ / ScaleX()));
}

int CairoSurface::LineHeight() const {
    return std::max(1, Round(lineHeightPx_ / ScaleY()));
}

int CairoSurface::TextWidth(const char* text) const {
    return Round(charWidthPx_ * static_cast<double>(std::strlen(text)) / ScaleX());
}

int CairoSurface::TextHeight(const char*) const {
    return LineHeight();
}

void CairoSurface::SetClipRect(int left, int top, int right, int bottom) {
    const SurfacePoint a = LogicalToDevice({left, top});
    const SurfacePoint b = LogicalToDevice({right, bottom});
    cairo_reset_clip(cr_);
    cairo_rectangle(cr_, std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x),
                    std::abs(b.y - a.y));
    cairo_clip(cr_);
}

void CairoSurface::ClearClip() {
    cairo_reset_clip(cr_);
}

std::unique_ptr<Surface> CairoSurface::CreateOffscreen(int width, int height) {
    cairo_surface_t* image =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, std::max(width, 1), std::max(height, 1));
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(image);
        return nullptr;
    }
    auto offscreen = std::make_unique<CairoSurface>(image, width, height, fontPixels_);
    cairo_surface_destroy(image);
    return offscreen;
}

void CairoSurface::DeviceRect(int x, int y, int width, int height, int& dx, int& dy, int& dw,
                              int& dh) const {
    const SurfacePoint a = LogicalToDevice({x, y});
    const SurfacePoint b = LogicalToDevice({x + width, y + height});
    dx = std::min(a.x, b.x);
    dy = std::min(a.y, b.y);
    dw = std::abs(b.x - a.x);
    dh = std::abs(b.y - a.y);
}

void CairoSurface::Combine(int dx, int dy, int dw, int dh, cairo_surface_t* source, int sx, int sy,
                           RasterOp op) {
    if (!IsImage()) {
        // Vector output: the nearest a page description offers is a copy.
        cairo_save(cr_);
        cairo_rectangle(cr_, dx, dy, dw, dh);
        if (source != nullptr) {
            cairo_set_source_surface(cr_, source, dx - sx, dy - sy);
        } else {
            SetColor(op == RasterOp::Whiteness ? kWhite : kBlack);
        }
        cairo_fill(cr_);
        cairo_restore(cr_);
        return;
    }
    cairo_surface_flush(target_);
    unsigned char* dst = cairo_image_surface_get_data(target_);
    const int dstStride = cairo_image_surface_get_stride(target_);
    const int dstWidth = cairo_image_surface_get_width(target_);
    const int dstHeight = cairo_image_surface_get_height(target_);
    unsigned char* src = nullptr;
    int srcStride = 0, srcWidth = 0, srcHeight = 0;
    if (source != nullptr) {
        cairo_surface_flush(source);
        src = cairo_image_surface_get_data(source);
        srcStride = cairo_image_surface_get_stride(source);
        srcWidth = cairo_image_surface_get_width(source);
        srcHeight = cairo_image_surface_get_height(source);
    }
    for (int j = 0; j < dh; ++j) {
        const int ty = dy + j;
        if (ty < 0 || ty >= dstHeight) {
            continue;
        }
        for (int i = 0; i < dw; ++i) {
            const int tx = dx + i;
            if (tx < 0 || tx >= dstWidth) {
                continue;
            }
            uint32_t s = 0;
            if (src != nullptr) {
                const int fx = sx + i;
                const int fy = sy + j;
                if (fx < 0 || fy < 0 || fx >= srcWidth || fy >= srcHeight) {
                    continue;
                }
                std::memcpy(&s, src + fy * srcStride + 4 * fx, 4);
            }
            uint32_t d = 0;
            std::memcpy(&d, dst + ty * dstStride + 4 * tx, 4);
            const uint32_t r = (Apply(op, s & 0xFFFFFF, d & 0xFFFFFF) & 0xFFFFFF) | 0xFF000000u;
            std::memcpy(dst + ty * dstStride + 4 * tx, &r, 4);
        }
    }
    cairo_surface_mark_dirty(target_);
}

void CairoSurface::Blit(int x, int y, int width, int height, Surface& source, int sx, int sy,
                        RasterOp op) {
    auto* other = dynamic_cast<CairoSurface*>(&source);
    if (other == nullptr) {
        return;
    }
    int dx, dy, dw, dh;
    DeviceRect(x, y, width, height, dx, dy, dw, dh);
    // The source corner that lands on the destination's top-left pixel.
    int ox, oy, ow, oh;
    other->DeviceRect(sx, sy, width, height, ox, oy, ow, oh);
    if (other == this) {
        cairo_surface_t* copy =
            cairo_surface_create_similar_image(target_, CAIRO_FORMAT_RGB24, width_, height_);
        cairo_t* c = cairo_create(copy);
        cairo_set_source_surface(c, target_, 0, 0);
        cairo_paint(c);
        cairo_destroy(c);
        Combine(dx, dy, dw, dh, copy, ox, oy, op);
        cairo_surface_destroy(copy);
        return;
    }
    Combine(dx, dy, dw, dh, other->target_, ox, oy, op);
}

void CairoSurface::PatBlt(int x, int y, int width, int height, RasterOp op) {
    int dx, dy, dw, dh;
    DeviceRect(x, y, width, height, dx, dy, dw, dh);
    if (op == RasterOp::PatternCopy) {
        cairo_rectangle(cr_, dx, dy, dw, dh);
        if (state_.brush != Brush::Hollow) {
            FillWithBrush();
        }
        cairo_new_path(cr_);
        return;
    }
    Combine(dx, dy, dw, dh, nullptr, 0, 0, op);
}

void CairoSurface::StretchMonoBitmap(const MonoBitmap& bitmap, int left, int bottom, int width,
                                     int height, RasterOp op) {
    int dx, dy, dw, dh;
    DeviceRect(left, bottom, width, height, dx, dy, dw, dh);
    if (dw <= 0 || dh <= 0 || bitmap.width <= 0 || bitmap.height <= 0) {
        return;
    }
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, dw, dh);
    cairo_surface_flush(image);
    unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    for (int j = 0; j < dh; ++j) {
        const int y0 = j * bitmap.height / dh;
        const int y1 = std::max(y0 + 1, (j + 1) * bitmap.height / dh);
        for (int i = 0; i < dw; ++i) {
            const int x0 = i * bitmap.width / dw;
            const int x1 = std::max(x0 + 1, (i + 1) * bitmap.width / dw);
            // Shrinking keeps a white pixel white (white on black).
            bool white = false;
            for (int v = y0; v < y1 && !white; ++v) {
                for (int u = x0; u < x1 && !white; ++u) {
                    white = bitmap.White(u, v);
                }
            }
            const uint32_t pixel = white ? 0xFFFFFFFFu : 0xFF000000u;
            std::memcpy(data + j * stride + 4 * i, &pixel, 4);
        }
    }
    cairo_surface_mark_dirty(image);
    Combine(dx, dy, dw, dh, image, 0, 0, op);
    cairo_surface_destroy(image);
}
