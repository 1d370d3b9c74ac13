#include "graphs/recording_surface.h"

#include <cmath>
#include <cstring>

RecordingSurface::RecordingSurface(int charWidth, int lineHeight, int width, int height)
    : charWidth_(charWidth), lineHeight_(lineHeight), width_(width), height_(height),
      calls_(std::make_shared<std::vector<RecordedCall>>()) {}

std::vector<RecordedCall> RecordingSurface::CallsOf(CallKind kind) const {
    std::vector<RecordedCall> found;
    for (const RecordedCall& call : *calls_) {
        if (call.kind == kind) {
            found.push_back(call);
        }
    }
    return found;
}

std::vector<RecordedCall> RecordingSurface::TextsEqual(const std::string& text) const {
    std::vector<RecordedCall> found;
    for (const RecordedCall& call : *calls_) {
        if (call.kind == CallKind::Text && call.text == text) {
            found.push_back(call);
        }
    }
    return found;
}

std::vector<RecordingSurface::Segment> RecordingSurface::SegmentsInItemPen(int item) const {
    std::vector<Segment> segments;
    for (const RecordedCall& call : *calls_) {
        if (call.kind != CallKind::Polyline || call.penItem != item) {
            continue;
        }
        for (std::size_t i = 1; i < call.points.size(); ++i) {
            segments.push_back(Segment{call.points[i - 1], call.points[i]});
        }
    }
    return segments;
}

RecordedCall& RecordingSurface::Record(CallKind kind) {
    calls_->push_back(RecordedCall{});
    calls_->back().kind = kind;
    return calls_->back();
}

RecordedCall& RecordingSurface::RecordDrawing(CallKind kind) {
    RecordedCall& call = Record(kind);
    call.penItem = state_.penItem;
    call.penColor = state_.penColor;
    call.brush = state_.brush;
    call.brushColor = state_.brushColor;
    call.hatch = state_.hatch;
    call.textColor = state_.textColor;
    call.transparent = state_.transparent;
    return call;
}

void RecordingSurface::Prepare(int mode, int width, int height, bool withColours) {
    state_.mode = mode;
    state_.mappedWidth = width;
    state_.mappedHeight = height;
    Record(CallKind::Prepare).value = mode;
    if (withColours) {
        state_.backgroundColor = SystemColorValue(SystemColor::Window);
        state_.textColor = SystemColorValue(SystemColor::WindowText);
        state_.penItem = kWindowTextColorItem;
        state_.penColor = ItemColor(kWindowTextColorItem);
    }
}

SurfacePoint RecordingSurface::LogicalToDevice(SurfacePoint p) const {
    if (state_.mode != kPageMapping) {
        return p;
    }
    const DevicePoint d = PageToDevice(state_.mappedWidth, state_.mappedHeight, p.x, p.y);
    return SurfacePoint{d.x, d.y};
}

SurfacePoint RecordingSurface::DeviceToLogical(SurfacePoint p) const {
    if (state_.mode != kPageMapping) {
        return p;
    }
    const PageExtent extent = IsotropicPageExtent(state_.mappedWidth, state_.mappedHeight);
    const double x = static_cast<double>(p.x) * kPageWidth / extent.width;
    const double y = static_cast<double>(state_.mappedHeight - p.y) * kPageHeight / extent.height;
    return SurfacePoint{static_cast<int>(std::floor(x + 0.5)),
                        static_cast<int>(std::floor(y + 0.5))};
}

ColorRef RecordingSurface::ItemColor(int item) const {
    CheckColorItem(item);
    return item == kWindowTextColorItem ? SystemColorValue(SystemColor::WindowText)
                                        : DefaultColor(item);
}

ColorRef RecordingSurface::SystemColorValue(SystemColor which) const {
    return which == SystemColor::Window ? MakeColor(255, 255, 255) : MakeColor(0, 0, 0);
}

void RecordingSurface::SelectItemPen(int item) {
    const ColorRef color = ItemColor(item);
    state_.penItem = item;
    state_.penColor = color;
    RecordedCall& call = Record(CallKind::SelectItemPen);
    call.value = item;
    call.color = color;
}

void RecordingSurface::SelectColorPen(ColorRef color) {
    state_.penItem = kColorPen;
    state_.penColor = color;
    Record(CallKind::SelectColorPen).color = color;
}

void RecordingSurface::SelectNullPen() {
    state_.penItem = kNullPen;
    Record(CallKind::SelectNullPen);
}

void RecordingSurface::SelectSolidBrush(ColorRef color) {
    state_.brush = BrushKind::Solid;
    state_.brushColor = color;
    state_.hatch = -1;
    Record(CallKind::SelectSolidBrush).color = color;
}

void RecordingSurface::SelectHatchBrush(HatchStyle style, ColorRef color) {
    state_.brush = BrushKind::Hatch;
    state_.brushColor = color;
    state_.hatch = static_cast<int>(style);
    RecordedCall& call = Record(CallKind::SelectHatchBrush);
    call.value = static_cast<int>(style);
    call.color = color;
}

void RecordingSurface::SelectHollowBrush() {
    state_.brush = BrushKind::Hollow;
    state_.hatch = -1;
    Record(CallKind::SelectHollowBrush);
}

void RecordingSurface::SetTextColor(ColorRef color) {
    state_.textColor = color;
    Record(CallKind::SetTextColor).color = color;
}

void RecordingSurface::SetBackgroundColor(ColorRef color) {
    state_.backgroundColor = color;
    Record(CallKind::SetBackgroundColor).color = color;
}

void RecordingSurface::SetBackgroundTransparent(bool transparent) {
    state_.transparent = transparent;
    Record(CallKind::SetBackgroundTransparent).value = transparent ? 1 : 0;
}

void RecordingSurface::SaveState() {
    saved_.push_back(state_);
    Record(CallKind::SaveState);
}

void RecordingSurface::RestoreState() {
    if (!saved_.empty()) {
        state_ = saved_.back();
        saved_.pop_back();
    }
    Record(CallKind::RestoreState);
}

void RecordingSurface::Polyline(const SurfacePoint* points, int count) {
    RecordDrawing(CallKind::Polyline).points.assign(points, points + count);
}

void RecordingSurface::Polygon(const SurfacePoint* points, int count) {
    RecordDrawing(CallKind::Polygon).points.assign(points, points + count);
}

void RecordingSurface::Rectangle(int left, int top, int right, int bottom) {
    RecordDrawing(CallKind::Rectangle).points = {{left, top}, {right, bottom}};
}

bool RecordingSurface::Ellipse(int left, int top, int right, int bottom) {
    RecordDrawing(CallKind::Ellipse).points = {{left, top}, {right, bottom}};
    // As on the screen: a box that covers no device pixel cannot be drawn.
    const SurfacePoint a = LogicalToDevice({left, top});
    const SurfacePoint b = LogicalToDevice({right, bottom});
    return a.x != b.x && a.y != b.y;
}

void RecordingSurface::SetPixel(int x, int y, ColorRef color) {
    RecordedCall& call = RecordDrawing(CallKind::SetPixel);
    call.points = {{x, y}};
    call.color = color;
}

void RecordingSurface::Text(int x, int y, const char* text) {
    RecordedCall& call = RecordDrawing(CallKind::Text);
    call.points = {{x, y}};
    call.text = text;
}

int RecordingSurface::TextWidth(const char* text) const {
    return charWidth_ * static_cast<int>(std::strlen(text));
}

int RecordingSurface::TextHeight(const char*) const {
    return lineHeight_;
}

void RecordingSurface::SetClipRect(int left, int top, int right, int bottom) {
    Record(CallKind::SetClipRect).points = {{left, top}, {right, bottom}};
}

void RecordingSurface::ClearClip() {
    Record(CallKind::ClearClip);
}

std::unique_ptr<Surface> RecordingSurface::CreateOffscreen(int width, int height) {
    auto offscreen = std::make_unique<RecordingSurface>(charWidth_, lineHeight_, width, height);
    offscreens_.push_back(offscreen->calls_);
    Record(CallKind::CreateOffscreen).points = {{width, height}};
    return offscreen;
}

void RecordingSurface::Blit(int x, int y, int width, int height, Surface& source, int sx, int sy,
                            RasterOp op) {
    RecordedCall& call = RecordDrawing(CallKind::Blit);
    call.points = {{x, y}, {width, height}, {sx, sy}};
    call.op = op;
    call.source = &source;
}

void RecordingSurface::PatBlt(int x, int y, int width, int height, RasterOp op) {
    RecordedCall& call = RecordDrawing(CallKind::PatBlt);
    call.points = {{x, y}, {width, height}};
    call.op = op;
}

void RecordingSurface::StretchMonoBitmap(const MonoBitmap& bitmap, int left, int bottom, int width,
                                         int height, RasterOp op) {
    RecordedCall& call = RecordDrawing(CallKind::StretchMonoBitmap);
    call.points = {{left, bottom}, {width, height}, {bitmap.width, bitmap.height}};
    call.op = op;
}
