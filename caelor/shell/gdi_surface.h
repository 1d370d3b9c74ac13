// The drawing surface on a GDI device context: the window's (borrowed) or an
// off-screen memory context with its own bitmap (owned). Every pen, brush and
// region made here is deleted on the path that made it: when another is
// selected, when the state it was made in is restored, or when the surface
// goes. Failures are fatal 693 "GDI error" (module GRAPHICS).
#pragma once

#include "graphs/surface.h"

#include <windows.h>

#include <vector>

class GdiSurface : public Surface {
  public:
    // Draws on dc (width x height pixels), which stays the caller's; what
    // was selected in it is put back when the surface goes.
    GdiSurface(HDC dc, int width, int height);
    ~GdiSurface() override;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    HDC Dc() const { return dc_; }

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
    GdiSurface(HDC dc, HBITMAP bitmap, int width, int height);
    // The pen and brush made at one level of SaveState, deleted when that
    // level is restored or a newer one of the same kind replaces them.
    struct Level {
        HPEN pen = nullptr;
        HBRUSH brush = nullptr;
    };
    void UsePen(HPEN pen, bool made);
    void UseBrush(HBRUSH brush, bool made);
    void DeleteLevel(const Level& level);

    HDC dc_;
    HBITMAP bitmap_ = nullptr;    // owned with dc_ when off-screen
    HGDIOBJ oldBitmap_ = nullptr; // of the memory context
    int width_;
    int height_;
    int savedDc_ = 0; // the caller's state, restored at the end
    std::vector<Level> levels_;
};
