// Day grouping, the axis bounds and the steps.
#include "days.h"
#include "helpers.h"

#include <climits>
#include <gtest/gtest.h>
#include <vector>

struct entry {
    float hour, value, key;
};

static obs_table table_of(const std::vector<entry> &entries) {
    obs_table t{};
    for (const entry &e : entries) {
        t.hour[t.count] = e.hour;
        t.value[t.count] = e.value;
        t.date_key[t.count++] = e.key;
    }
    return t;
}

TEST(ToInt, TruncatesTowardZeroAndSaturates) {
    struct {
        double v;
        int want;
    } cases[] = {
        {12.75, 12},
        {-0.5, 0},
        {-1.5, -1},
        {8.0 - 0x1p-21 + 1, 8},
        {3e10, INT_MAX},
        {-3e10, INT_MIN},
        {2147483647.5, INT_MAX},
        {-2147483648.5, INT_MIN},
    };
    for (auto &c : cases)
        EXPECT_EQ(to_int(c.v), c.want) << c.v;
}

static std::string range_line(const std::vector<entry> &entries, axis_range &r) {
    obs_table t = table_of(entries);
    FILE *f = tmpfile();
    static outstream out;
    out_open(out, f, false);
    r = compute_axis_range(out, t, day_group{0, t.count - 1});
    out_flush(out);
    return contents(f);
}

TEST(ComputeAxisRange, Examples) {
    struct {
        std::vector<entry> day;
        const char *want;
    } cases[] = {
        {{{9.5f, 12.5f, 1}, {10.25f, 15.25f, 1}, {12.75f, 14, 1}},
         "Y max=16 min=12 / X max=13 min=9"},
        {{{12.0f, 5, 1}, {11.0f, 5, 1}}, "Y max=6 min=5 / X max=13 min=11"},
        {{{1.0f, 15, 1}}, "Y max=16 min=15 / X max=2 min=1"},
        // just below 8: the + 1 must not round up to 9 in single precision
        {{{1.0f, 8.0f - 0x1p-21f, 1}}, "Y max=8 min=7 / X max=2 min=1"},
        // the starting values bound the result
        {{{1.0f, 150, 1}}, "Y max=151 min=99 / X max=2 min=1"},
        {{{1.0f, -150, 1}}, "Y max=-98 min=-150 / X max=2 min=1"},
        {{{1.0f, 3e10f, 1}}, "Y max=2147483647 min=99 / X max=2 min=1"},
        {{{1.0f, -3e20f, 1}}, "Y max=-98 min=-2147483648 / X max=2 min=1"},
        {{{-0.05f, -0.25f, 1}}, "Y max=0 min=0 / X max=0 min=0"},
    };
    for (auto &c : cases) {
        axis_range r;
        EXPECT_EQ(range_line(c.day, r), std::string("\n") + c.want + "\n\n");
    }
}

TEST(AxisStep, TruncatesAndNeverDividesByZero) {
    struct {
        int size, margin, hi, lo, want;
    } cases[] = {
        {8, 2, 16, 12, 1},        {16, 4, 13, 9, 3},
        {12, 4, 13, 9, 2},        {8, 4, 13, 9, 1},
        {8, 2, 13, 3, 0},         {10, 2, 14, 12, 4},
        {76, 4, 24, 0, 3},        {8, 2, 0, 0, 6},
        {79, 2, -98, INT_MIN, 0}, {79, 2, INT_MAX, INT_MIN, 0},
    };
    for (auto &c : cases)
        EXPECT_EQ(axis_step(c.size, c.margin, c.hi, c.lo), c.want) << c.hi << " " << c.lo;
}

TEST(FindDayGroup, RunsOfEqualKeysInFileOrder) {
    obs_table t = table_of({{1, 1, 1231}, {2, 1, 1231}, {3, 1, 101}, {4, 1, 1231}, {4, 1, 0}});
    EXPECT_EQ(find_day_group(t, 0), 1);
    EXPECT_EQ(find_day_group(t, 2), 2);
    EXPECT_EQ(find_day_group(t, 3), 3);
    // the scan never passes the written entries, whatever they hold
    obs_table u = table_of({{1, 1, 5}, {1, 1, 5}});
    EXPECT_EQ(find_day_group(u, 0), 1);
}
