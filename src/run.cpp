// The run driver: the questions, the read pass, the day loop, the chart file, the status.
#include "run.h"

#include "days.h"
#include "dialogue.h"

static int fail(outstream &out, const char *msg) {
    out_str(out, msg);
    out_flush(out);
    return 1;
}

// Reads the data file into the table; 0, or 1 after reporting why not.
static int read_data(outstream &out, text_rules tr, const run_settings &rs, obs_table &table) {
    FILE *f = rs.name_ok ? fopen(rs.name, "r") : nullptr;
    if (!f)
        return fail(out, "Cannot open input file. 0\n");
    instream data;
    in_open(data, f, tr.dos_input, true);
    read_status st = read_observations(data, out, table);
    int closed = fclose(f);
    if (st == read_failed)
        return fail(out, "Cannot read input file.\n");
    if (st == read_empty)
        return fail(out, "No records in input file.\n");
    if (st == read_too_many)
        return fail(out, "Too many records in input file.\n");
    if (closed != 0)
        return fail(out, "file close error. -1\n");
    return 0;
}

// The steps of a run from the first question to the closed chart file; the exit status.
static int run_steps(instream &answers, outstream &console, text_rules tr, run_settings &rs,
                     obs_table &table, chart_grid &grid) {
    if (ask_settings(answers, console, rs) != ask_ok)
        return fail(console, "Input ended before all answers were read.\n");
    if (read_data(console, tr, rs, table) != 0)
        return 1;
    // the console needs no file: where lc.txt cannot be made the charts are still shown
    FILE *f = fopen("lc.txt", "w");
    outstream chart;
    out_open(chart, f, tr.crlf_output);
    plot_days(table, rs, grid, console, chart);
    if (!f)
        return fail(console, "Cannot open output file. 0\n");
    if (!out_close(chart))
        return fail(console, "file close error. -1\n");
    return 0;
}

// One whole run; a console that lost output fails it, told on standard error, the only way left.
int run(FILE *in, FILE *out, text_rules tr, run_settings &rs, obs_table &table, chart_grid &grid) {
    instream answers;
    outstream console;
    in_open(answers, in, tr.dos_input, false);
    out_open(console, out, tr.crlf_output);
    int status = run_steps(answers, console, tr, rs, table, grid);
    if (out_ok(console))
        return status;
    fputs(tr.crlf_output ? "Cannot write console output.\r\n" : "Cannot write console output.\n",
          stderr);
    return 1;
}
