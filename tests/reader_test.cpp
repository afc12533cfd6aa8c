// The decimal parser, record decoding and the read pass.
#include "helpers.h"
#include "reader.h"

#include <cstring>
#include <gtest/gtest.h>

TEST(Num, ReadsEveryRoundingStepLiterally) {
    struct {
        const char *text;
        float want;
    } cases[] = {
        {"12.5", 12.5f},
        {"007", 7.0f},
        {"3.", 3.0f},
        {".5", 0.5f},
        {"1.2.3", 1.23f},
        {"12e3", 12.0f},
        {"1234567890123456789012345", 1.2345681e20f},
        {"-1.5", -28.5f},
        {"1,5", 65.0f},
        {"0.45", 0.45000002f},
        {"0.9", 0.90000004f},
        {"", 0.0f},
        {"@", 16.0f},
        {":", 10.0f},
        {"1A9", 1.0f},
        {"5\xff", 5.0f},
    };
    for (auto &c : cases)
        EXPECT_EQ(num(c.text, strlen(c.text)), c.want) << c.text;
    EXPECT_EQ(num("1\0"
                  "2",
                  3),
              1.0f);
    EXPECT_EQ(num("12", 1), 1.0f);
}

TEST(Num, StopsAfterTwentyOneCharacters) {
    EXPECT_EQ(num("000000000000000000001", 21), 1.0f);
    EXPECT_EQ(num("0000000000000000000001", 22), 0.0f);
}

TEST(Decode, TimestampAndValueRule) {
    struct {
        const char *ts, *value;
        float hour, value_out, key;
    } cases[] = {
        {"202012310930", "12.5", 9.5f, 12.5f, 1231},
        {"202101010100", "15", 1.0f, 15.0f, 101},
        {"202012311015", "150", 10.25f, 15.0f, 1231},
        {"202012311245", "20", 12.75f, 20.0f, 1231},
        {"202012311245", "20.5", 12.75f, 2.05f, 1231},
        {"202012311245", "250", 12.75f, 25.0f, 1231},
        {"202012311245", "2500", 12.75f, 250.0f, 1231},
        {"202012311020", "1", (float)(10.0 + 20.0 / 60.0), 1.0f, 1231},
        {"202000000000", "1", 0.0f, 1.0f, 0},
        // short timestamps: the missing positions read as NULs, digit value -48
        {"20201231", "1", (float)(-528.0 - 528.0 / 60.0), 1.0f, 1231},
        {"2020", "1", (float)(-528.0 - 528.0 / 60.0), 1.0f, -53328},
        {"", "1", (float)(-528.0 - 528.0 / 60.0), 1.0f, -53328},
    };
    for (auto &c : cases) {
        float hour, key;
        decode_timestamp(c.ts, strlen(c.ts), hour, key);
        EXPECT_EQ(hour, c.hour) << c.ts;
        EXPECT_EQ(decode_value(c.value, strlen(c.value)), c.value_out) << c.value;
        EXPECT_EQ(key, c.key) << c.ts;
    }
}

TEST(ReadObservations, ShortFinalReadKeepsTheEarlierTokens) {
    // the last pass gets a new first and second token and keeps 12.5 as the value
    static obs_table table;
    FILE *in = file_of("A 202012310930 12.5 B\nA 202012311015");
    FILE *out = tmpfile();
    static instream is;
    static outstream os;
    in_open(is, in, false, true);
    out_open(os, out, false);
    ASSERT_EQ(read_observations(is, os, table), read_ok);
    fclose(in);
    out_flush(os);
    EXPECT_EQ(contents(out), "   9.50  12.500 \n  10.25  12.500 \n");
    ASSERT_EQ(table.count, 2);
    EXPECT_EQ(table.date_key[1], 0);
}
