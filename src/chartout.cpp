// Chart output: rows from the top down, on the console and in the chart file.
#include "chartout.h"

#include "daytypes.h"

#include <cstring>

// Writes columns 0 to x size of one row, trailing blanks and all, then the suffix and the
// line break.
static void put_row(outstream &out, const chart_grid &grid, const run_settings &rs, int row,
                    const char *suffix) {
    char *line = out_space(out, grid_side + 8);
    size_t n = rs.xsize + 1 < grid_side ? (size_t)rs.xsize + 1 : grid_side;
    memcpy(line, grid.rows[(size_t)row].data(), grid_side); // whole: a fixed size needs no call
    while (*suffix)
        line[n++] = *suffix++;
    out_line(out, n);
}

// The console chart, then the date key and one space (the next range line starts with its
// own line break).
void print_chart(outstream &console, const chart_grid &grid, const run_settings &rs,
                 float date_key) {
    for (int row = rs.ysize; row >= 0; row--)
        put_row(console, grid, rs, row, "");
    out_int(console, to_int(date_key));
    out_str(console, " ");
}

// One section of the chart file: header, rows, and the time zone after row 0.
void write_chart(outstream &chart, const chart_grid &grid, const run_settings &rs, float date_key,
                 int count) {
    out_str(chart, "\n\ndate=");
    out_int(chart, to_int(date_key));
    out_str(chart, " n=");
    out_int(chart, count);
    out_str(chart, "\n");
    for (int row = rs.ysize; row > 0; row--)
        put_row(chart, grid, rs, row, "");
    put_row(chart, grid, rs, 0, rs.ut == 'y' ? " (UT)" : " (JST)");
}
