// The dialogue: answers, repeated questions and the end of the input.
#include "dialogue.h"
#include "helpers.h"

#include <gtest/gtest.h>

struct asked {
    ask_status st;
    run_settings rs;
    std::string console;
};

static asked ask(const std::string &answers, bool dos = false) {
    static asked a;
    a = asked{};
    FILE *in = file_of(answers);
    FILE *out = tmpfile();
    static instream is;
    static outstream os;
    in_open(is, in, dos, false);
    out_open(os, out, false);
    a.st = ask_settings(is, os, a.rs);
    fclose(in);
    out_flush(os);
    a.console = contents(out);
    return a;
}

static const std::string prompts = "\ndata file name = "
                                   "\nUT\x82\xc9\x95\xcf\x8a\xb7\x82\xb5\x82\xdc\x82\xb7\x82\xa9"
                                   " (y/n) \ny axis =x axis =";

TEST(AskSettings, Answers) {
    struct {
        const char *answers;
        const char *name;
        char ut;
        int ysize, xsize;
    } cases[] = {
        {"data.txt n 14 76", "data.txt", 'n', 14, 76},
        {"data.txt\nyes\n+8\n16\n", "data.txt", 'y', 8, 16},
        {"  d  Y  2  4", "d", 'Y', 2, 4},
        {"d y 79 79", "d", 'y', 79, 79},
        {"d y 08x\n016", "d", 'y', 8, 16}, // the x is refused with its line
    };
    for (auto &c : cases) {
        asked a = ask(c.answers);
        ASSERT_EQ(a.st, ask_ok) << c.answers;
        EXPECT_STREQ(a.rs.name, c.name);
        EXPECT_TRUE(a.rs.name_ok);
        EXPECT_EQ(a.rs.ut, c.ut);
        EXPECT_EQ(a.rs.ysize, c.ysize);
        EXPECT_EQ(a.rs.xsize, c.xsize);
    }
    EXPECT_EQ(ask("data.txt n 14 76").console, prompts);
}

TEST(AskSettings, InputEndsEarly) {
    const char *cases[] = {"", "d", "d y", "d y 8", "d y 8 x", "d y 8 +", "d y\x1a 8 16"};
    for (const char *c : cases)
        EXPECT_EQ(ask(c, true).st, ask_ended) << c;
    EXPECT_EQ(ask("d y\x1a 8 16", false).st, ask_ok);
}

TEST(AskSettings, Names) {
    std::string longest(name_cap - 1, 'n');
    asked a = ask(longest + " n 8 16");
    EXPECT_TRUE(a.rs.name_ok);
    EXPECT_EQ(a.rs.name, longest);
    EXPECT_FALSE(ask(longest + "n n 8 16").rs.name_ok);
    EXPECT_FALSE(ask(std::string("ab\0cd n 8 16", 12)).rs.name_ok);
    asked w = ask("da\rta.txt\r\n y\r\n 8\r\n 16\r\n", true);
    EXPECT_STREQ(w.rs.name, "data.txt");
    EXPECT_EQ(w.rs.xsize, 16);
}
