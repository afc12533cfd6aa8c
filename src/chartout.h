// Chart output: the finished canvas on the console and in the chart file.
#pragma once

#include "canvas.h"
#include "output.h"
#include "settings.h"

void print_chart(outstream &console, const chart_grid &grid, const run_settings &rs,
                 float date_key);
void write_chart(outstream &chart, const chart_grid &grid, const run_settings &rs, float date_key,
                 int count);
