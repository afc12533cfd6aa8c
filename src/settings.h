// The answers of the dialogue, fixed for the whole run.
#pragma once

constexpr int name_cap = 4096; // bytes of the data file name, terminator included

struct run_settings {
    char name[name_cap]; // data file name as typed
    bool name_ok;        // false when the typed name cannot be a file name here
    char ut;             // 'y' labels the time axis in UT
    int ysize;           // top chart row
    int xsize;           // last chart column
};
