// The drawing surface over a GDI device context: the window's paint or
// window DC, or a memory DC holding a bitmap of its own (off-screen frames).
// Pens of colour items are the program's shared pens; pens and brushes made
// for one drawing are deleted when they are replaced or their state is
// restored, and whatever is left when the surface ends. Failures of the calls
// that matter are fatal IDS_GDI_ERROR in the module of the drawing under way
// (graphs/drawing_module.h).
#pragma once

#include "graphs/surface.h"

#include <windows.h>

#include <vector>

class GdiSurface : public Surface {
  public:
    // Draws into dc (owned by the caller) of width x height pixels.
    GdiSurface(HDC dc, int width, int height);
    ~GdiSurface() override;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    HDC Dc() const { return dc_; }
    // The bitmap of an off-screen surface (nullptr for a window's); Detach
    // hands it over to the caller, who then deletes it.
    HBITMAP Bitmap() const { return bitmap_; }
    HBITMAP DetachBitmap();

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
    enum Kind { kPen = 0, kBrush = 1 };
    // Objects made at one save level; the one currently selected per kind.
    struct Level {
        std::vector<HGDIOBJ> made;
        HGDIOBJ current[2] = {nullptr, nullptr};
    };
    // Selects object (made here when made is set) as the current one of its
    // kind and deletes the one it replaces when nothing else can hold it.
    void Use(Kind kind, HGDIOBJ object, bool made);
    std::vector<POINT> Points(const SurfacePoint* points, int count) const;

    HDC dc_;
    int width_;
    int height_;
    bool ownsDc_ = false;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ originalBitmap_ = nullptr;
    HGDIOBJ originalPen_;
    HGDIOBJ originalBrush_;
    HGDIOBJ originalFont_ = nullptr;
    std::vector<Level> levels_;
    std::vector<int> savedDcs_;
};
