#include "graphs/page_mapping.h"

#include <algorithm>
#include <cmath>

PageMapping IsotropicPageMapping(int width, int height) {
    // The platform refuses a zero viewport extent; a surface with no area
    // (a minimised window) maps the page onto one pixel instead.
    const int viewportWidth = std::max(width, 1);
    const int viewportHeight = std::max(height, 1);
    return PageMapping{kPageWidth, kPageHeight, viewportWidth, -viewportHeight, 0, height};
}

PageExtent IsotropicPageExtent(int width, int height) {
    // Compare the scales of the two axes in integers: width / 1000 against
    // height / 750; the larger axis is shrunk to the smaller scale.
    const long long wide = static_cast<long long>(width) * kPageHeight;
    const long long tall = static_cast<long long>(height) * kPageWidth;
    PageExtent extent{width, height};
    if (wide > tall) {
        extent.width = static_cast<int>(
            std::floor(static_cast<double>(height) * kPageWidth / kPageHeight + 0.5));
    } else {
        extent.height = static_cast<int>(
            std::floor(static_cast<double>(width) * kPageHeight / kPageWidth + 0.5));
    }
    extent.width = std::max(extent.width, 1);
    extent.height = std::max(extent.height, 1);
    return extent;
}

DevicePoint PageToDevice(int width, int height, double x, double y) {
    const PageExtent extent = IsotropicPageExtent(width, height);
    const double px = x * extent.width / kPageWidth;
    const double py = height - y * extent.height / kPageHeight;
    return DevicePoint{static_cast<int>(std::floor(px + 0.5)),
                       static_cast<int>(std::floor(py + 0.5))};
}

void DrawingSize::OnClientSize(int width, int height) {
    if (!known_) {
        known_ = true;
        firstWidth_ = width;
        firstHeight_ = height;
    }
    width_ = std::max(width, firstWidth_);
    height_ = std::max(height, firstHeight_);
}
