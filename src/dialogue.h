// The dialogue: the four questions and their answers.
#pragma once

#include "input.h"
#include "output.h"
#include "settings.h"

enum ask_status { ask_ok, ask_ended };

ask_status ask_settings(instream &in, outstream &out, run_settings &rs);
