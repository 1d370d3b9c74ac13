// The Day/Night movie's map as a 1-bit picture, read from the bytes of a
// Windows bitmap: a .bmp file (the "BM" header first) or the bitmap resource
// (the header of the device-independent bitmap first).
#pragma once

#include "graphs/surface.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Fills map (pointing into bytes, which must outlive it) when bytes hold a
// 1-bit, uncompressed bitmap whose rows all lie inside them; false otherwise.
bool WorldMapFromBitmapBytes(const uint8_t* bytes, std::size_t size, MonoBitmap& map);

// The "WORLDMAP" bitmap file compiled into native builds (caelor-cli, the
// tests); caelor.exe loads the same picture from its resources.
const std::vector<uint8_t>& WorldMapBytes();
