// Chart output: rows from the top down, on the console and in the chart file.
#include "chartout.h"

#include "days.h"

// Writes columns 0 to x size of one row, trailing blanks and all.
static void put_row(outstream &out, const chart_grid &grid, const run_settings &rs, int row) {
    char line[grid_side];
    int n = 0;
    for (int col = 0; col <= rs.xsize && col < grid_side; col++)
        line[n++] = grid.cell[(size_t)col][(size_t)row];
    out_bytes(out, line, (size_t)n);
}

// The console chart, then the date key and one space (the next range line starts with its
// own line break).
void print_chart(outstream &console, const chart_grid &grid, const run_settings &rs,
                 float date_key) {
    for (int row = rs.ysize; row >= 0; row--) {
        put_row(console, grid, rs, row);
        out_str(console, "\n");
    }
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
    for (int row = rs.ysize; row >= 0; row--) {
        put_row(chart, grid, rs, row);
        if (row == 0)
            out_str(chart, rs.ut == 'y' ? " (UT)" : " (JST)");
        out_str(chart, "\n");
    }
}
