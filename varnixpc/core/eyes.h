// The pair of eyes on the bar whose pupils follow the pointer.
#pragma once

#include "core/geometry.h"

#include <functional>

// The sockets the pupils move in, their centres, and the white eyes drawn
// around them, in bar coordinates.
constexpr Rect kLeftSocket{279, 6, 290, 16};
constexpr Rect kRightSocket{298, 6, 309, 16};
constexpr Point kLeftEyeCentre{283, 10};
constexpr Point kRightEyeCentre{302, 10};
constexpr Rect kLeftEye{275, 2, 292, 18};
constexpr Rect kRightEye{294, 2, 311, 18};

// True when the pixel lies in the ellipse inscribed in the rectangle
// (pixel centres tested against the ellipse).
bool EllipseContains(const Rect& box, Point p);

// Where a pupil goes: to the pointer when it lies inside the socket,
// otherwise to the first point outside the socket on a path from the centre
// that moves each axis by one pixel at a time towards the pointer.
Point PupilPosition(const std::function<bool(Point)>& inSocket, Point centre, Point pointer);

// The pupil drawn around its position: a 4 x 4 ellipse.
constexpr Rect PupilRect(Point p) {
    return Rect{p.x - 2, p.y - 2, p.x + 2, p.y + 2};
}
