// The arithmetic of the drawing surface: the isotropic mapping of the
// 1000 x 750 logical page (origin bottom-left, y up) onto a surface, the part
// of the surface the page covers, and the main window's drawing size.
#pragma once

constexpr int kPageWidth = 1000;
constexpr int kPageHeight = 750;

// Surface preparation modes; they are the platform's mapping-mode numbers.
constexpr int kDeviceMapping = 1; // one unit = one pixel, origin top-left
constexpr int kPageMapping = 7;   // the isotropic logical page

// The extents and origin handed to the platform for the page mapping.
struct PageMapping {
    int windowExtentX;
    int windowExtentY;
    int viewportExtentX;
    int viewportExtentY;
    int viewportOriginX;
    int viewportOriginY;
};

// Window extent (1000, 750), viewport extent (width, -height), viewport
// origin (0, height), for a surface of width x height pixels. A zero size
// gives a viewport extent of one pixel, since the platform refuses zero.
PageMapping IsotropicPageMapping(int width, int height);

// Pixels the page covers once the isotropic mapping has shrunk one viewport
// extent to keep 4 : 3 (square pixels). The page sits at the bottom-left
// corner; the rest of the surface stays empty. Never less than 1 pixel.
struct PageExtent {
    int width;
    int height;
};
PageExtent IsotropicPageExtent(int width, int height);

// Device pixel of logical point (x, y) on a width x height surface.
struct DevicePoint {
    int x;
    int y;
};
DevicePoint PageToDevice(int width, int height, double x, double y);

// The main window's drawing size: per axis the larger of the current client
// size and the client size at the first size notification, so a window made
// smaller than its first size clips the page instead of squeezing it.
class DrawingSize {
  public:
    void OnClientSize(int width, int height);
    bool Known() const { return known_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

  private:
    bool known_ = false;
    int firstWidth_ = 0;
    int firstHeight_ = 0;
    int width_ = 0;
    int height_ = 0;
};
