// Day grouping and scaling: the day loop, the axis bounds and the steps.
#include "days.h"

#include "canvas.h"
#include "chartout.h"

#include <algorithm>

// Returns the last index of the day that starts at first: the run of equal date keys.
int find_day_group(const obs_table &table, int first) {
    int j = first;
    while (j + 1 < table.count && table.date_key[j + 1] == table.date_key[first])
        j++;
    return j;
}

// Finds the day's integer bounds and prints its range line. The starting values also
// bound the result, so a day of values over 99 still has ymin 99.
axis_range compute_axis_range(outstream &console, const obs_table &table, day_group g) {
    float max_x = -99, max_y = -99, min_x = 99, min_y = 99;
    for (int i = g.first; i <= g.last; i++) {
        max_x = std::max(max_x, table.hour[i]);
        min_x = std::min(min_x, table.hour[i]);
        max_y = std::max(max_y, table.value[i]);
        min_y = std::min(min_y, table.value[i]);
    }
    // the + 1 is made in double: just below 8 must give 8, not 9
    axis_range r{to_int((double)max_y + 1), to_int(min_y), to_int((double)max_x + 1),
                 to_int(min_x)};
    const char *names[] = {"\nY max=", " min=", " / X max=", " min="};
    const int values[] = {r.ymax, r.ymin, r.xmax, r.xmin};
    for (int k = 0; k < 4; k++) {
        out_str(console, names[k]);
        out_int(console, values[k]);
    }
    out_str(console, "\n\n");
    return r;
}

// Cells per unit of an axis: (size - margin) / (hi - lo), the difference formed without
// overflow and a zero difference (possible only below zero) taken as 1.
int axis_step(int size, int margin, int hi, int lo) {
    long long span = (long long)hi - lo;
    if (span == 0)
        span = 1;
    return (int)(((long long)size - margin) / span);
}

// Charts every day in file order until the entry that carries the end marker.
void plot_days(const obs_table &table, const run_settings &rs, chart_grid &grid, outstream &console,
               outstream &chart) {
    int first = 0;
    while (first < table.count && table.date_key[first] != 0) {
        day_group g{first, find_day_group(table, first)};
        axis_range r = compute_axis_range(console, table, g);
        int ystep = axis_step(rs.ysize, 2, r.ymax, r.ymin);
        int xstep = axis_step(rs.xsize, 4, r.xmax, r.xmin);
        draw_chart(grid, table, g, r, ystep, xstep, rs);
        print_chart(console, grid, rs, table.date_key[first]);
        write_chart(chart, grid, rs, table.date_key[first], g.last - g.first + 1);
        first = g.last + 1;
    }
}
