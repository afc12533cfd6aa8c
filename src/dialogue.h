// The run driver and its dialogue.
#pragma once

#include "canvas.h"
#include "reader.h"
#include "settings.h"
#include "input.h"
#include "output.h"

enum ask_status { ask_ok, ask_ended };

ask_status ask_settings(instream &in, outstream &out, run_settings &rs);
int run(FILE *in, FILE *out, text_rules tr, run_settings &rs, obs_table &table, chart_grid &grid);
