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

// The text conventions of one program, fixed when it is built.
struct text_rules {
    bool dos_input;   // drop every CR, end the input at Ctrl-Z
    bool crlf_output; // write each line break as CR LF (off where the runtime does it)
};
