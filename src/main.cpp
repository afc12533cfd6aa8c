// dayplot: one character chart per day of a file of timed measurements.
#include "run.h"

// Set per program by the build: Windows conventions; whether the CRs are ours to write.
#ifndef DAYPLOT_DOS_TEXT
#define DAYPLOT_DOS_TEXT 0
#endif
#ifndef DAYPLOT_WRITE_CR
#define DAYPLOT_WRITE_CR DAYPLOT_DOS_TEXT
#endif

int main() {
    // static: the tables start zeroed without a run-time clear
    static run_settings rs;
    static obs_table table;
    static chart_grid grid;
    text_rules tr{DAYPLOT_DOS_TEXT != 0, DAYPLOT_WRITE_CR != 0};
    return run(stdin, stdout, tr, rs, table, grid);
}
