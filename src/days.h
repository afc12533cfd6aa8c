// Day grouping and scaling: cuts the table into days and sets each day's axes.
#pragma once

#include "daytypes.h"
#include "output.h"
#include "reader.h"
#include "settings.h"

struct chart_grid;

int find_day_group(const obs_table &table, int first);
axis_range compute_axis_range(outstream &console, const obs_table &table, day_group g);
int axis_step(int size, int margin, int hi, int lo);
void plot_days(const obs_table &table, const run_settings &rs, chart_grid &grid, outstream &console,
               outstream &chart);
