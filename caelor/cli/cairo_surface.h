// The drawing surface of caelor-cli: Cairo onto a PNG image, an SVG or a PDF
// page, in a fixed-pitch font whose widest character and line height are the
// CharWidth and LineHeight every margin is measured in. Pixel raster
// operations work between image surfaces (off-screen frames and PNG); onto
// SVG or PDF a blit is a plain copy.
#pragma once

#include "graphs/surface.h"

#include <cairo.h>

#include <string>
#include <vector>

class CairoSurface : public Surface {
  public:
    // Draws onto target (width x height device units); the surface takes a
    // reference of its own. fontPixels is the font size in device units.
    CairoSurface(cairo_surface_t* target, int width, int height, double fontPixels);
    ~CairoSurface() override;
    CairoSurface(const CairoSurface&) = delete;
    CairoSurface& operator=(const CairoSurface&) = delete;

    cairo_surface_t* Target() const { return target_; }
    // Finishes drawing (flushes the page of a vector file).
    void Finish();

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
    int CharWidth() const override;
    int LineHeight() const override;
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
    enum class Brush { Solid, Hatch, Hollow };
    struct State {
        int mode = kDeviceMapping;
        int mappedWidth = 0;
        int mappedHeight = 0;
        bool nullPen = false;
        ColorRef penColor = 0;
        Brush brush = Brush::Solid;
        ColorRef brushColor = 0xFFFFFF;
        HatchStyle hatch = HatchStyle::Horizontal;
        ColorRef textColor = 0;
        ColorRef backgroundColor = 0xFFFFFF;
        bool transparent = false;
    };
    struct DevicePointD {
        double x;
        double y;
    };
    DevicePointD ToDevice(double x, double y) const;
    // Device units per logical unit of the current mapping, per axis.
    double ScaleX() const;
    double ScaleY() const;
    void SetColor(ColorRef color);
    void FillWithBrush();
    void StrokeWithPen();
    // Device rectangle of a logical one, ordered.
    void DeviceRect(int x, int y, int width, int height, int& dx, int& dy, int& dw, int& dh) const;
    bool IsImage() const;
    void Combine(int dx, int dy, int dw, int dh, cairo_surface_t* source, int sx, int sy,
                 RasterOp op);

    cairo_surface_t* target_;
    cairo_t* cr_;
    int width_;
    int height_;
    double fontPixels_;
    double charWidthPx_ = 8;
    double lineHeightPx_ = 16;
    double ascentPx_ = 12;
    State state_;
    std::vector<State> saved_;
};

// Writes text (Windows-1252) as UTF-8.
std::string Utf8FromWindows1252(const char* text);
