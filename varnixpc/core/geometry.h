// Points and rectangles of the bar's own arithmetic (no platform types).
#pragma once

struct Point {
    int x;
    int y;
};

// Right and bottom are exclusive, as the platform's rectangles are.
struct Rect {
    int left;
    int top;
    int right;
    int bottom;
};

inline bool operator==(Point a, Point b) {
    return a.x == b.x && a.y == b.y;
}
inline bool operator==(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
