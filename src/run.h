// The run driver: one whole run, from the first question to the exit status.
#pragma once

#include "canvas.h"
#include "reader.h"
#include "settings.h"

#include <cstdio>

int run(FILE *in, FILE *out, text_rules tr, run_settings &rs, obs_table &table, chart_grid &grid);
