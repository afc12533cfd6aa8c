// Times the read pass, the day loop and the chart output on the benchmark workload.
#include "canvas.h"
#include "chartout.h"
#include "days.h"
#include "reader.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>

// The records of bench/workload.sh, made here too so the benchmark needs no file.
static std::string workload() {
    std::string s;
    char line[64];
    for (int i = 0; i < 4999; i++) {
        int d = i / 100, k = i % 100, t = 4 * 60 + k * 10, v = i * 37 % 400;
        snprintf(line, sizeof line, "V %04d%02d%02d%02d%02d %d.%02d B\n", d < 31 ? 2020 : 2021,
                 d < 31 ? 12 : 1, d < 31 ? d + 1 : d - 30, t / 60, t % 60, 11 + v / 100, v % 100);
        s += line;
    }
    return s;
}

static obs_table table;
static chart_grid grid;
static instream in;
static outstream out, chart;

static FILE *data_file() {
    static FILE *f;
    if (!f) {
        f = tmpfile();
        std::string s = workload();
        fwrite(s.data(), 1, s.size(), f);
    }
    rewind(f);
    return f;
}

static run_settings settings() {
    run_settings rs{};
    rs.ut = 'n';
    rs.ysize = 40;
    rs.xsize = 76;
    return rs;
}

static void read_pass(benchmark::State &state) {
    FILE *sink = fopen("/dev/null", "w");
    for (auto _ : state) {
        in_open(in, data_file(), false, true);
        out_open(out, sink, false);
        benchmark::DoNotOptimize(read_observations(in, out, table));
        out_flush(out);
    }
    fclose(sink);
}
BENCHMARK(read_pass);

static void day_loop(benchmark::State &state) {
    FILE *sink = fopen("/dev/null", "w");
    in_open(in, data_file(), false, true);
    out_open(out, sink, false);
    read_observations(in, out, table);
    run_settings rs = settings();
    for (auto _ : state) {
        out_open(out, sink, false);
        out_open(chart, sink, false);
        plot_days(table, rs, grid, out, chart);
        out_flush(out);
        out_flush(chart);
    }
    fclose(sink);
}
BENCHMARK(day_loop);

static void chart_output(benchmark::State &state) {
    FILE *sink = fopen("/dev/null", "w");
    run_settings rs = settings();
    for (auto _ : state) {
        out_open(out, sink, true);
        for (int day = 0; day < 50; day++) {
            print_chart(out, grid, rs, 1231);
            write_chart(out, grid, rs, 1231, 100);
        }
        out_flush(out);
    }
    fclose(sink);
}
BENCHMARK(chart_output);

BENCHMARK_MAIN();
