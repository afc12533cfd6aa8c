// The chart canvas: axes, labels and points of one day on the 80 x 80 grid.
#include "canvas.h"

#include <algorithm>
#include <cstring>

// Units digit of v for 0 to 99 (the remainder takes the sign of v).
char t1(int v) {
    return (char)(48 + (v - 10 * (v / 10)));
}

// Tens digit of v for 0 to 99.
char t2(int v) {
    return (char)(48 + v / 10);
}

// A label's two characters: digits for 0 to 99, "-9" to "-1", else "##" (never punctuation).
void label_chars(long long v, char &tens, char &units) {
    if (v >= 0 && v <= 99) {
        tens = t2((int)v);
        units = t1((int)v);
    } else if (v >= -9 && v <= -1) {
        tens = '-';
        units = (char)('0' - v);
    } else {
        tens = units = '#';
    }
}

// An hour's label: as in the file (JST), or nine hours earlier on the 24-hour clock (UT).
long long hour_label(long long hour, char ut) {
    if (ut != 'y')
        return hour;
    return hour < 9 ? hour + 15 : hour - 9;
}

// Writes one cell; cells off the canvas are not drawn.
static void put(chart_grid &grid, long long col, long long row, char c) {
    if (col >= 0 && col < grid_side && row >= 0 && row < grid_side)
        cell(grid, (int)col, (int)row) = c;
}

// The label steps k0 to n that stay on the canvas when label k lands at start + k * step;
// with step 0 all land on one cell, and only the last, k = span, stays.
static void visible(long long span, int step, long long start, long long &k0, long long &n) {
    k0 = step == 0 ? span : 0;
    n = step == 0 ? span : std::min(span, (grid_side - 1 - start) / step);
}

static void draw_label(chart_grid &grid, long long col, long long row, long long v) {
    char tens, units;
    label_chars(v, tens, units);
    put(grid, col, row, tens);
    put(grid, col + 1, row, units);
}

// Value labels from ymax (row 2) down to ymin, with half-way ticks for large steps.
static void draw_value_axis(chart_grid &grid, axis_range r, int ystep, int ysize) {
    for (int row = 2; row <= ysize; row++)
        put(grid, 3, row, '|');
    long long span = (long long)r.ymax - r.ymin, k, n;
    for (visible(span, ystep, 2, k, n); k <= n; k++) {
        draw_label(grid, 0, k * ystep + 2, r.ymax - k);
        put(grid, 3, k * ystep + 2, '+');
    }
    if (ystep < 4)
        return;
    for (visible(span - 1, ystep, 2 + ystep / 2, k, n); k <= n; k++)
        put(grid, 3, k * ystep + ystep / 2 + 2, '+');
}

// Hour labels from xmin to xmax; later labels overwrite earlier ones where they touch.
static void draw_time_axis(chart_grid &grid, axis_range r, int xstep, int xsize, char ut) {
    memset(&cell(grid, 4, 1), '-', (size_t)xsize - 3); // x size is 4 to 79: all on the canvas
    long long span = (long long)r.xmax - r.xmin, k, n;
    for (visible(span, xstep, 3, k, n); k <= n; k++) {
        long long col = k * xstep + 3;
        put(grid, col + 1, 1, '+');
        draw_label(grid, col, 0, hour_label(r.xmin + k, ut));
    }
}

// Whether a cell coordinate formed in double truncates toward zero onto the canvas.
static bool on_canvas(double v) {
    return v > -1.0 && v < grid_side;
}

// Clears the rows that are printed and draws one day: axes, labels, then a "*" per entry.
void draw_chart(chart_grid &grid, const obs_table &table, day_group g, axis_range r, int ystep,
                int xstep, const run_settings &rs) {
    for (int row = 0; row <= rs.ysize; row++)
        memset(grid.rows[(size_t)row].data(), ' ', grid_side);
    draw_value_axis(grid, r, ystep, rs.ysize);
    draw_time_axis(grid, r, xstep, rs.xsize, rs.ut);
    for (int i = g.first; i <= g.last; i++) {
        double col = ((double)table.hour[i] - r.xmin) * xstep + 4.5;
        double row = ((double)r.ymax - table.value[i]) * ystep + 2.5;
        if (on_canvas(col) && on_canvas(row))
            cell(grid, (int)col, (int)row) = '*';
    }
}
