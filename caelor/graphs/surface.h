// The drawing surface every graph and movie scene draws through: the
// 1000 x 750 logical page with y up (or the plain device mapping), pens by
// colour item, brushes, shapes, pixels, text in a fixed-pitch font, a clip
// rectangle, off-screen surfaces and the raster operations that compose movie
// frames. The Windows shell draws with GDI, caelor-cli with Cairo, the tests
// record the calls.
//
// Coordinates are logical units of the current preparation: after
// Prepare(kPageMapping, ...) the page of graphs/page_mapping.h, after
// Prepare(kDeviceMapping, ...) pixels with the origin at the top-left.
#pragma once

#include "graphs/page_mapping.h"
#include "settings/colors.h"

#include <cstdint>
#include <memory>

struct SurfacePoint {
    int x;
    int y;
};

inline bool operator==(SurfacePoint a, SurfacePoint b) {
    return a.x == b.x && a.y == b.y;
}

// Raster operations of the blits, with the platform's codes: the result of
// each pixel from the source S, the destination D and the brush P.
enum class RasterOp : uint32_t {
    SourceCopy = 0x00CC0020,    // S            (SRCCOPY)
    SourcePaint = 0x00EE0086,   // S | D        (SRCPAINT)
    SourceAnd = 0x008800C6,     // S & D        (SRCAND)
    SourceInvert = 0x00660046,  // S ^ D        (SRCINVERT)
    NotSourceCopy = 0x00330008, // ~S           (NOTSRCCOPY)
    PatternCopy = 0x00F00021,   // P            (PATCOPY)
    DestInvert = 0x00550009,    // ~D           (DSTINVERT)
    Blackness = 0x00000042,     // 0            (BLACKNESS)
    Whiteness = 0x00FF0062,     // 1            (WHITENESS)
};

// Hatch styles of hatch brushes, with the platform's numbers.
enum class HatchStyle : int {
    Horizontal = 0,
    Vertical = 1,
    ForwardDiagonal = 2,
    BackwardDiagonal = 3,
    Cross = 4,
    DiagonalCross = 5,
};

// The two system colours drawings use.
enum class SystemColor : int {
    Window,     // background of the window
    WindowText, // text and axes (colour item 20)
};

// A 1-bit picture (the world map): bit 1 is white, bit 0 black; rows of
// rowBytes bytes, the most significant bit the leftmost pixel; bottomUp when
// the first row in memory is the bottom row (as device-independent bitmaps
// store them).
struct MonoBitmap {
    int width = 0;
    int height = 0;
    int rowBytes = 0;
    bool bottomUp = true;
    const uint8_t* bits = nullptr;

    // Pixel (x, y) counted from the top-left; true for white.
    bool White(int x, int y) const {
        const int row = bottomUp ? height - 1 - y : y;
        return (bits[row * rowBytes + x / 8] >> (7 - x % 8)) & 1;
    }
};

class Surface {
  public:
    virtual ~Surface() = default;

    // Size of the surface in device pixels.
    virtual int DeviceWidth() const = 0;
    virtual int DeviceHeight() const = 0;

    // Sets the mapping: kDeviceMapping (pixels, origin top-left) or
    // kPageMapping (the isotropic 1000 x 750 page of a width x height
    // surface, origin bottom-left, y up), and selects the fixed-pitch font.
    // With colours: background the window colour, text the window-text
    // colour, and the pen of colour item 20.
    virtual void Prepare(int mode, int width, int height, bool withColours) = 0;

    // Logical <-> device conversion of the current mapping.
    virtual SurfacePoint LogicalToDevice(SurfacePoint p) const = 0;
    virtual SurfacePoint DeviceToLogical(SurfacePoint p) const = 0;

    // Colours: item 0 .. 20 of the colour table (20 is read live from the
    // system's window-text colour), and the system colours.
    virtual ColorRef ItemColor(int item) const = 0;
    virtual ColorRef SystemColorValue(SystemColor which) const = 0;

    // Pens: the one-pixel solid pen of colour item (selecting the null pen
    // first, as the layer always does); a one-pixel solid pen of a colour
    // value made for this drawing; the null pen. A pen made here lives until
    // another is selected or the state it was made in is restored.
    virtual void SelectItemPen(int item) = 0;
    virtual void SelectColorPen(ColorRef color) = 0;
    virtual void SelectNullPen() = 0;

    // Brushes for ellipses, rectangles, polygons and PatBlt; the same
    // lifetime rule as the pens.
    virtual void SelectSolidBrush(ColorRef color) = 0;
    virtual void SelectHatchBrush(HatchStyle style, ColorRef color) = 0;
    virtual void SelectHollowBrush() = 0;

    // Text colour, background colour (of opaque text and hatch gaps) and
    // whether the background is left as it is (transparent) or filled.
    virtual void SetTextColor(ColorRef color) = 0;
    virtual void SetBackgroundColor(ColorRef color) = 0;
    virtual void SetBackgroundTransparent(bool transparent) = 0;

    // Saves the selection, colours, mapping and clip; Restore goes back to
    // the last saved state and deletes what was made since.
    virtual void SaveState() = 0;
    virtual void RestoreState() = 0;

    // Shapes in the current pen (and brush for the closed ones).
    virtual void Polyline(const SurfacePoint* points, int count) = 0;
    virtual void Polygon(const SurfacePoint* points, int count) = 0;
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    // Ellipse in the bounding box; false when it cannot be drawn (a box of
    // no size), which callers treat as "draw a pixel instead".
    virtual bool Ellipse(int left, int top, int right, int bottom) = 0;
    virtual void SetPixel(int x, int y, ColorRef color) = 0;

    // Text with its top-left corner at (x, y), in the text colour.
    virtual void Text(int x, int y, const char* text) = 0;

    // Metrics of the current font in logical units: the widest character,
    // the height plus external leading, and the extent of a string.
    virtual int CharWidth() const = 0;
    virtual int LineHeight() const = 0;
    virtual int TextWidth(const char* text) const = 0;
    virtual int TextHeight(const char* text) const = 0;

    // Limits drawing to the logical rectangle (converted to device pixels);
    // ClearClip lifts the limit.
    virtual void SetClipRect(int left, int top, int right, int bottom) = 0;
    virtual void ClearClip() = 0;

    // A memory surface of width x height device pixels, compatible with this
    // one, black until drawn on and not yet prepared; nullptr when there is
    // no memory for its bitmap (the caller knows what it was for and which
    // error to report).
    virtual std::unique_ptr<Surface> CreateOffscreen(int width, int height) = 0;

    // Combines the logical rectangle (x, y, width, height) of source, whose
    // corner (sx, sy) lands on (x, y), into this surface. Source is a surface
    // of the same kind (this one's CreateOffscreen, or this one).
    virtual void Blit(int x, int y, int width, int height, Surface& source, int sx, int sy,
                      RasterOp op) = 0;
    // Fills the logical rectangle with the current brush (PatternCopy) or
    // the constant operations (Blackness, Whiteness, DestInvert).
    virtual void PatBlt(int x, int y, int width, int height, RasterOp op) = 0;
    // Stretches the whole bitmap onto the logical rectangle whose corners
    // are (left, bottom) and (left + width, bottom + height) on the page, its
    // top row at the upper edge; shrinking keeps white pixels (white on
    // black). op as in Blit.
    virtual void StretchMonoBitmap(const MonoBitmap& bitmap, int left, int bottom, int width,
                                   int height, RasterOp op) = 0;
};
