// The chart canvas: one day drawn as characters.
#pragma once

#include "daytypes.h"
#include "reader.h"
#include "settings.h"

#include <array>

constexpr int grid_side = 80;

// Addressed by column and row, row 0 at the bottom; rows stored whole, as they are printed.
struct chart_grid {
    std::array<std::array<char, grid_side>, grid_side> rows; // rows[row][column]
};

inline char &cell(chart_grid &g, int col, int row) {
    return g.rows[(size_t)row][(size_t)col];
}
inline char cell(const chart_grid &g, int col, int row) {
    return g.rows[(size_t)row][(size_t)col];
}

char t1(int v);
char t2(int v);
void label_chars(long long v, char &tens, char &units);
long long hour_label(long long hour, char ut);
void draw_chart(chart_grid &grid, const obs_table &table, day_group g, axis_range r, int ystep,
                int xstep, const run_settings &rs);
