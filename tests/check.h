// Whole runs in memory and a check that what they wrote is only what the program may write.
#pragma once

#include "run.h"

#include <string>

struct outcome {
    int status;
    std::string console;
    bool lc_exists;
    std::string lc;
    run_settings rs;
};

const outcome &run_case(const std::string &answers, const std::string &data, bool dos);
std::string check_outcome(const outcome &o, bool dos);
