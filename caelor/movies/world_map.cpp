#include "movies/world_map.h"

namespace {

uint32_t Read32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

uint16_t Read16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

} // namespace

bool WorldMapFromBitmapBytes(const uint8_t* bytes, std::size_t size, MonoBitmap& map) {
    std::size_t info = 0;
    std::size_t bitsOffset = 0;
    const bool file = size >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
    if (file) {
        if (size < kFileHeaderSize + kInfoHeaderSize) {
            return false;
        }
        info = kFileHeaderSize;
        bitsOffset = Read32(bytes + 10);
    } else if (size < kInfoHeaderSize) {
        return false;
    }
    const uint32_t headerSize = Read32(bytes + info);
    const int32_t width = static_cast<int32_t>(Read32(bytes + info + 4));
    const int32_t height = static_cast<int32_t>(Read32(bytes + info + 8));
    const uint16_t bitCount = Read16(bytes + info + 14);
    const uint32_t compression = Read32(bytes + info + 16);
    uint32_t colours = Read32(bytes + info + 32);
    if (headerSize < kInfoHeaderSize || bitCount != 1 || compression != 0 || width <= 0 ||
        height == 0 || width > 65536 || height > 65536 || height < -65536) {
        return false;
    }
    if (colours == 0) {
        colours = 2;
    }
    if (!file) {
        bitsOffset = headerSize + 4 * static_cast<std::size_t>(colours);
    }
    const int rows = height < 0 ? -height : height;
    const int rowBytes = ((width + 31) / 32) * 4;
    if (bitsOffset > size || size - bitsOffset < static_cast<std::size_t>(rowBytes) * rows) {
        return false;
    }
    map.width = width;
    map.height = rows;
    map.rowBytes = rowBytes;
    map.bottomUp = height > 0;
    map.bits = bytes + bitsOffset;
    return true;
}
