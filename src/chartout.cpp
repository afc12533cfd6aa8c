// Chart output: rows from the top down, on the console and in the chart file.
#include "chartout.h"

#include "daytypes.h"

#include <cstring>

// Writes rows y size down to 0, columns 0 to x size, blanks and all; the suffix after row 0.
static void put_rows(outstream &out, const chart_grid &grid, const run_settings &rs,
                     const char *suffix) {
    size_t n = rs.xsize + 1 < grid_side ? (size_t)rs.xsize + 1 : grid_side;
    for (int row = rs.ysize; row >= 0; row--) {
        char *line = out_space(out, grid_side + 8);
        memcpy(line, grid.rows[(size_t)row].data(), grid_side); // whole: a fixed size needs no call
        size_t k = n;
        for (const char *s = row == 0 ? suffix : ""; *s; s++)
            line[k++] = *s;
        out_line(out, k);
    }
}

// The console chart, then the date key and a space (the next range line breaks the line).
void print_chart(outstream &console, const chart_grid &grid, const run_settings &rs,
                 float date_key) {
    put_rows(console, grid, rs, "");
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
    put_rows(chart, grid, rs, rs.ut == 'y' ? " (UT)" : " (JST)");
}
