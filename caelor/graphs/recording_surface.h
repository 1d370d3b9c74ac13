// A surface that draws nothing and keeps every call with its coordinates and
// the pen, brush and colours in effect, so tests and benchmarks can check the
// exact geometry of a drawing. Fixed metrics: every character is charWidth
// wide and lineHeight high in logical units.
#pragma once

#include "graphs/surface.h"

#include <memory>
#include <string>
#include <vector>

enum class CallKind {
    Prepare,
    SelectItemPen,
    SelectColorPen,
    SelectNullPen,
    SelectSolidBrush,
    SelectHatchBrush,
    SelectHollowBrush,
    SetTextColor,
    SetBackgroundColor,
    SetBackgroundTransparent,
    SaveState,
    RestoreState,
    Polyline,
    Polygon,
    Rectangle,
    Ellipse,
    SetPixel,
    Text,
    SetClipRect,
    ClearClip,
    CreateOffscreen,
    Blit,
    PatBlt,
    StretchMonoBitmap,
};

// What a brush or pen is when a shape is drawn.
constexpr int kNullPen = -2;  // RecordedCall::penItem of the null pen
constexpr int kColorPen = -1; // ... of a pen made from a colour value

enum class BrushKind { None, Solid, Hatch, Hollow };

struct RecordedCall {
    CallKind kind;
    // Polyline/Polygon: the points. Rectangle/Ellipse/SetClipRect: the two
    // corners. SetPixel/Text: the point. Blit/PatBlt/StretchMonoBitmap:
    // (x, y), (width, height) and for Blit the source corner.
    std::vector<SurfacePoint> points;
    std::string text;
    // The argument of Select*/Set*/Prepare (item, colour, mode, hatch, flag).
    int value = 0;
    ColorRef color = 0;
    RasterOp op = RasterOp::SourceCopy;
    const Surface* source = nullptr;
    // State in effect when a shape, pixel or text was drawn.
    int penItem = kNullPen;
    ColorRef penColor = 0;
    BrushKind brush = BrushKind::None;
    ColorRef brushColor = 0;
    int hatch = -1;
    ColorRef textColor = 0;
    bool transparent = false;
};

class RecordingSurface : public Surface {
  public:
    explicit RecordingSurface(int charWidth = 10, int lineHeight = 20, int width = 1000,
                              int height = 750);

    const std::vector<RecordedCall>& Calls() const { return *calls_; }
    void ClearCalls() { calls_->clear(); }
    // Calls of one kind, in order.
    std::vector<RecordedCall> CallsOf(CallKind kind) const;
    // Text calls whose text equals text.
    std::vector<RecordedCall> TextsEqual(const std::string& text) const;
    // Segments of polylines drawn with the pen of item, in order.
    struct Segment {
        SurfacePoint from;
        SurfacePoint to;
    };
    std::vector<Segment> SegmentsInItemPen(int item) const;
    // Calls made on the off-screen surfaces made by CreateOffscreen, in
    // order; kept after the surface itself is gone.
    const std::vector<RecordedCall>& OffscreenCalls(int index) const {
        return *offscreens_.at(index);
    }
    int OffscreenCount() const { return static_cast<int>(offscreens_.size()); }

    int DeviceWidth() const override { return width_; }
    int DeviceHeight() const override { return height_; }
    void Prepare(int mode, int width, int height, bool withColours) override;
    SurfacePoint LogicalToDevice(SurfacePoint p) const override;
    SurfacePoint DeviceToLogical(SurfacePoint p) const override;
    ColorRef ItemColor(int item) const override;
    ColorRef SystemColorValue(SystemColor which) const override;
    void SelectItemPen(int item) override;
    void SelectColorPen(ColorRef color) override;
    void SelectNullPen() override;
    void SelectSolidBrush(ColorRef color) override;
    void SelectHatchBrush(HatchStyle style, ColorRef color) override;
    void SelectHollowBrush() override;
    void SetTextColor(ColorRef color) override;
    void SetBackgroundColor(ColorRef color) override;
    void SetBackgroundTransparent(bool transparent) override;
    void SaveState() override;
    void RestoreState() override;
    void Polyline(const SurfacePoint* points, int count) override;
    void Polygon(const SurfacePoint* points, int count) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    bool Ellipse(int left, int top, int right, int bottom) override;
    void SetPixel(int x, int y, ColorRef color) override;
    void Text(int x, int y, const char* text) override;
    int CharWidth() const override { return charWidth_; }
    int LineHeight() const override { return lineHeight_; }
    int TextWidth(const char* text) const override;
    int TextHeight(const char* text) const override;
    void SetClipRect(int left, int top, int right, int bottom) override;
    void ClearClip() override;
    std::unique_ptr<Surface> CreateOffscreen(int width, int height) override;
    void Blit(int x, int y, int width, int height, Surface& source, int sx, int sy,
              RasterOp op) override;
    void PatBlt(int x, int y, int width, int height, RasterOp op) override;
    void StretchMonoBitmap(const MonoBitmap& bitmap, int left, int bottom, int width, int height,
                           RasterOp op) override;

  private:
    struct State {
        int mode = kDeviceMapping;
        int mappedWidth = 0;
        int mappedHeight = 0;
        int penItem = kNullPen;
        ColorRef penColor = 0;
        BrushKind brush = BrushKind::None;
        ColorRef brushColor = 0;
        int hatch = -1;
        ColorRef textColor = 0;
        ColorRef backgroundColor = 0;
        bool transparent = false;
    };
    RecordedCall& Record(CallKind kind);
    RecordedCall& RecordDrawing(CallKind kind);

    int charWidth_;
    int lineHeight_;
    int width_;
    int height_;
    State state_;
    std::vector<State> saved_;
    std::shared_ptr<std::vector<RecordedCall>> calls_;
    std::vector<std::shared_ptr<std::vector<RecordedCall>>> offscreens_;
};
