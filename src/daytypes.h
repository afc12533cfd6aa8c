// A day of the table and its axis bounds, shared by the day loop, canvas and chart output.
#pragma once

#include <climits>

struct day_group {
    int first;
    int last; // inclusive
};

struct axis_range {
    int ymax, ymin, xmax, xmin;
};

// Truncates toward zero, saturating at the limits of a 32-bit integer.
inline int to_int(double v) {
    if (v != v)
        return 0;
    if (v >= 2147483647.0)
        return INT_MAX;
    if (v <= -2147483648.0)
        return INT_MIN;
    return (int)v;
}
