// Random hostile inputs through the whole program path: it must end with status 0 or 1 and
// write only the lines it is allowed to, with chart rows of the chosen width.
#include "check.h"

#include <gtest/gtest.h>
#include <random>

static const char *timestamps[] = {"202012310930",
                                   "202012311015",
                                   "202101010100",
                                   "2020123109",
                                   "20201231093",
                                   "2020",
                                   "0",
                                   "202000000930",
                                   "2020123101-0",
                                   "2020123100-5",
                                   "20201231\xff\xff\xff\xff"};
static const char *values[] = {
    "12.5", "140", "-1.5", "1,5",  "300000000000", "---------------------",
    "0.-5", ".",   "20",   "20.5", "19.9995",      "@@@"};
static const char *blanks[] = {" ", "\n", "\r\n", "\r", "\t", "\x1a", "\n\n"};
static const char *answers[] = {"y",           "n",  "Y", "yes",  "8",   "16", "2",
                                "79",          "4",  "1", "80",   "abc", "-5", "+",
                                "99999999999", "\n", " ", "\r\n", "\x1a"};

// A data file of random records built from awkward pieces, with random blanks.
static std::string random_data(std::mt19937 &g) {
    auto pick = [&](auto &arr) { return std::string(arr[g() % (sizeof arr / sizeof arr[0])]); };
    std::string d;
    for (int r = 0, n = (int)(g() % 30); r < n; r++) {
        std::string ts = pick(timestamps), v = pick(values);
        if (g() % 8 == 0)
            ts = std::string(1 + g() % 40, (char)('0' + g() % 10));
        if (g() % 10 == 0)
            ts[g() % ts.size()] = (char)(g() % 256);
        d += "A" + pick(blanks) + ts + pick(blanks) + v + pick(blanks) + "B";
        if (g() % 4 != 0)
            d += pick(blanks);
    }
    return d;
}

static const char *refused[] = {"80 ", "1 ", "-5 ", "99999999999 ", "abc\n", "+\n", "3 "};

// Mostly answers that get through the dialogue, now and then with refused sizes; else noise.
static std::string random_answers(std::mt19937 &g) {
    auto pick = [&](auto &arr) { return std::string(arr[g() % (sizeof arr / sizeof arr[0])]); };
    std::string a = "d ";
    if (g() % 5 == 0) {
        for (int i = 0, n = (int)(g() % 7); i < n; i++)
            a += pick(answers) + " ";
        return a;
    }
    a += pick(answers) + " ";
    if (g() % 4 == 0)
        a += pick(refused);
    a += std::to_string(2 + g() % 78) + " ";
    if (g() % 4 == 0)
        a += pick(refused);
    return a + std::to_string(4 + g() % 76) + "\n";
}

TEST(Properties, RandomRunsWriteOnlyTheirOwnLines) {
    std::mt19937 g(20261209);
    int charted = 0;
    for (int i = 0; i < 3000; i++) {
        bool dos = i % 2;
        std::string a = random_answers(g), d = random_data(g);
        const outcome &o = run_case(a, d, dos);
        ASSERT_EQ(check_outcome(o, dos), "")
            << "answers: " << testing::PrintToString(a) << "\ndata: " << testing::PrintToString(d)
            << "\nconsole: " << testing::PrintToString(o.console);
        charted += o.console.find("\nY max=") != std::string::npos;
    }
    EXPECT_GT(charted, 1000); // most runs must get as far as a chart
}

TEST(Properties, TheCheckCatchesWrongOutput) {
    const std::string data = "A 202012310930 12.5 B\nA 202012311015 15.25 B\n";
    outcome good = run_case("d y 8 16", data, false);
    ASSERT_EQ(check_outcome(good, false), "");
    EXPECT_EQ(check_outcome(run_case("d y 8 16", data, true), true), "");
    std::string row = "12 +   *         \n";
    size_t at = good.console.find(row);
    ASSERT_NE(at, std::string::npos);
    struct {
        const char *what;
        void (*spoil)(outcome &, size_t);
    } cases[] = {
        {"short row", [](outcome &o, size_t at) { o.console.erase(at + 5, 1); }},
        {"stray cell", [](outcome &o, size_t at) { o.console[at + 6] = 'x'; }},
        {"extra line", [](outcome &o, size_t) { o.console += "junk\n"; }},
        {"exit status", [](outcome &o, size_t) { o.status = 2; }},
        {"no chart file", [](outcome &o, size_t) { o.lc_exists = false; }},
        {"chart file differs", [](outcome &o, size_t) { o.lc[o.lc.size() / 2] = '*'; }},
        {"CR on Linux", [](outcome &o, size_t) { o.console.insert(0, "\r"); }},
    };
    for (auto &c : cases) {
        outcome bad = good;
        c.spoil(bad, at);
        EXPECT_NE(check_outcome(bad, false), "") << c.what;
    }
}
