// The chart canvas: digit helpers, labels and whole charts drawn from one day.
#include "canvas.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(DigitHelpers, AsDefinedIncludingOutsideTheirRange) {
    struct {
        int v;
        char tens, units;
    } cases[] = {
        {0, '0', '0'},   {7, '0', '7'},  {42, '4', '2'},  {99, '9', '9'},
        {-9, '0', '\''}, {-8, '0', '('}, {100, ':', '0'},
    };
    for (auto &c : cases) {
        EXPECT_EQ(t2(c.v), c.tens) << c.v;
        EXPECT_EQ(t1(c.v), c.units) << c.v;
    }
}

TEST(Labels, NeverPunctuation) {
    struct {
        long long v;
        const char *want;
    } cases[] = {
        {0, "00"},   {5, "05"},   {99, "99"},      {-1, "-1"},      {-9, "-9"},
        {-10, "##"}, {100, "##"}, {INT_MIN, "##"}, {INT_MAX, "##"},
    };
    for (auto &c : cases) {
        char s[3] = {};
        label_chars(c.v, s[0], s[1]);
        EXPECT_STREQ(s, c.want) << c.v;
    }
}

TEST(Labels, UtHoursOnTheTwentyFourHourClock) {
    struct {
        long long hour;
        char ut;
        long long want;
    } cases[] = {
        {9, 'y', 0},  {13, 'y', 4}, {23, 'y', 14}, {2, 'y', 17},   {0, 'y', 15},
        {8, 'y', 23}, {2, 'n', 2},  {2, 'Y', 2},   {-20, 'y', -5},
    };
    for (auto &c : cases)
        EXPECT_EQ(hour_label(c.hour, c.ut), c.want) << c.hour;
}

struct point {
    float hour, value;
};

// Draws one day with the given bounds and steps; returns rows y size down to 0.
static std::vector<std::string> chart(const std::vector<point> &day, axis_range r, int ystep,
                                      int xstep, int ysize, int xsize, char ut) {
    static obs_table t;
    static chart_grid grid;
    t.count = 0;
    for (const point &p : day) {
        t.hour[t.count] = p.hour;
        t.value[t.count] = p.value;
        t.date_key[t.count++] = 1;
    }
    run_settings rs{};
    rs.ut = ut;
    rs.ysize = ysize;
    rs.xsize = xsize;
    draw_chart(grid, t, day_group{0, t.count - 1}, r, ystep, xstep, rs);
    std::vector<std::string> rows;
    for (int row = ysize; row >= 0; row--) {
        std::string s;
        for (int col = 0; col <= xsize; col++)
            s += cell(grid, col, row);
        rows.push_back(s);
    }
    return rows;
}

TEST(DrawChart, HugeRangesDrawOnlyWhatStaysAndClip) {
    // the loops must not walk 2^32 label values, and nothing lands off the canvas
    auto rows = chart({{-500, -3e20f}, {2000, 3e20f}}, {INT_MAX, INT_MIN, INT_MAX, INT_MIN}, 0, 0,
                      8, 16, 'y');
    EXPECT_EQ(rows[6].substr(0, 4), "## +");
    EXPECT_EQ(rows[8].substr(0, 5), "   ##");
    auto wide = chart({{1, 1}}, {INT_MAX, INT_MIN, INT_MAX, INT_MIN}, 1, 1, 79, 79, 'n');
    EXPECT_EQ(wide[77].substr(0, 4), "## +");
    auto outside = chart({{-100, 500}, {100, -500}}, {16, 12, 13, 9}, 1, 3, 8, 16, 'n');
    EXPECT_EQ(outside, chart({}, {16, 12, 13, 9}, 1, 3, 8, 16, 'n'));
    // an hour of xmin - 0.5 at 11 columns an hour, and a value of ymax + 3.5 at one row a unit,
    // each make a cell coordinate of exactly -1
    for (point p : {point{8.5f, 14}, point{10, 19.5f}})
        EXPECT_EQ(chart({p}, {16, 12, 13, 9}, 1, 11, 8, 79, 'n'),
                  chart({}, {16, 12, 13, 9}, 1, 11, 8, 79, 'n'))
            << p.hour;
}
