#include "core/eyes.h"

namespace {

int StepTowards(int from, int to) {
    return from < to ? 1 : (from > to ? -1 : 0);
}

} // namespace

bool EllipseContains(const Rect& box, Point p) {
    const double a = (box.right - box.left) / 2.0;
    const double b = (box.bottom - box.top) / 2.0;
    if (a <= 0 || b <= 0) {
        return false;
    }
    const double dx = (p.x + 0.5 - (box.left + a)) / a;
    const double dy = (p.y + 0.5 - (box.top + b)) / b;
    return dx * dx + dy * dy <= 1.0;
}

Point PupilPosition(const std::function<bool(Point)>& inSocket, Point centre, Point pointer) {
    if (inSocket(pointer)) {
        return pointer;
    }
    // The pointer is outside, so the walk ends at the latest on the pointer.
    Point p = centre;
    while (inSocket(p)) {
        p.x += StepTowards(p.x, pointer.x);
        p.y += StepTowards(p.y, pointer.y);
    }
    return p;
}
