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
        EXPECT_EQ(num(c.text), c.want) << c.text;
}

TEST(Num, StopsAfterTwentyOneCharacters) {
    EXPECT_EQ(num("000000000000000000001"), 1.0f);
    EXPECT_EQ(num("0000000000000000000001"), 0.0f);
}

static record_tokens record(const char *ts, const char *value) {
    record_tokens rec{};
    strncpy(rec.tok[1].data(), ts, token_cap - 1);
    strncpy(rec.tok[2].data(), value, token_cap - 1);
    return rec;
}

TEST(DecodeRecord, TimestampAndValueRule) {
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
        // short timestamps: the missing positions are terminators, digit value -48
        {"20201231", "1", (float)(-528.0 - 528.0 / 60.0), 1.0f, 1231},
        {"2020", "1", (float)(-528.0 - 528.0 / 60.0), 1.0f, -53328},
        {"", "1", (float)(-528.0 - 528.0 / 60.0), 1.0f, -53328},
    };
    for (auto &c : cases) {
        float hour, value, key;
        decode_record(record(c.ts, c.value), hour, value, key);
        EXPECT_EQ(hour, c.hour) << c.ts;
        EXPECT_EQ(value, c.value_out) << c.value;
        EXPECT_EQ(key, c.key) << c.ts;
    }
}

struct pass {
    read_status st;
    obs_table table;
    std::string listing;
};

static pass read_all(const std::string &data, bool dos = false) {
    pass p{};
    FILE *in = file_of(data);
    FILE *out = tmpfile();
    instream is = in_open(in, text_rules{dos, false});
    outstream os = out_open(out, text_rules{dos, false});
    record_tokens rec{};
    p.st = read_observations(is, os, p.table, rec);
    fclose(in);
    p.listing = contents(out);
    return p;
}

static const char three[] = "A 202012310930 12.5 B\nA 202012311015 15.25 B\nA 202012311245 140 B";

TEST(ReadObservations, FinalLineBreakListsTheLastRecordTwice) {
    pass p = read_all(std::string(three) + "\n");
    ASSERT_EQ(p.st, read_ok);
    ASSERT_EQ(p.table.count, 4);
    EXPECT_EQ(p.listing, "   9.50  12.500 \n  10.25  15.250 \n  12.75  14.000 \n"
                         "  12.75  14.000 \n");
    EXPECT_EQ(p.table.date_key[2], 1231);
    EXPECT_EQ(p.table.date_key[3], 0);
}

TEST(ReadObservations, NoFinalLineBreakMarksTheLastRecord) {
    pass p = read_all(three);
    ASSERT_EQ(p.st, read_ok);
    ASSERT_EQ(p.table.count, 3);
    EXPECT_EQ(p.table.date_key[1], 1231);
    EXPECT_EQ(p.table.date_key[2], 0);
}

TEST(ReadObservations, ShortFinalReadKeepsTheEarlierTokens) {
    // the last pass gets a new first and second token and keeps 12.5 as the value
    pass p = read_all("A 202012310930 12.5 B\nA 202012311015");
    ASSERT_EQ(p.table.count, 2);
    EXPECT_EQ(p.table.hour[1], 10.25f);
    EXPECT_EQ(p.table.value[1], 12.5f);
    EXPECT_EQ(p.table.date_key[1], 0);
}

TEST(ReadObservations, EachBufferHoldsOnlyItsCurrentToken) {
    pass p = read_all("A 202012311015 1 B\nA 2020123109 2 B\n");
    ASSERT_EQ(p.table.count, 3);
    EXPECT_EQ(p.table.hour[1], (float)(9.0 + (-528.0) / 60.0)); // not 9:15
}

TEST(ReadObservations, LongTokensAreReadWhole) {
    std::string v(100, '1');
    pass p = read_all("A 202012310930 " + v + " " + std::string(100, 'B') + " A 202012311030 2 B");
    ASSERT_EQ(p.table.count, 2);
    EXPECT_EQ(p.table.value[0], (float)((double)num(v.substr(0, 29).c_str()) / 10.0));
    EXPECT_EQ(p.table.hour[1], 10.5f);
}

TEST(ReadObservations, WindowsConventions) {
    // CR LF reads as LF, a lone CR joins tokens, Ctrl-Z ends the input
    pass p = read_all("A 202012310930 1\r2.5 B\r\nA 202012311015 1 B\r\n\x1a"
                      "A 202012311115 1 B\n",
                      true);
    ASSERT_EQ(p.table.count, 3);
    EXPECT_EQ(p.table.value[0], 12.5f);
    EXPECT_EQ(p.table.date_key[2], 0);
    pass x = read_all("A 202012310930 1\r2.5\r\n\x1a 202012311015 1 B\n");
    ASSERT_EQ(x.table.count, 3);
    EXPECT_EQ(x.table.value[0], 1.0f);
    EXPECT_EQ(x.table.hour[1], 10.25f);
}

TEST(ReadObservations, Failures) {
    EXPECT_EQ(read_all("").st, read_empty);
    EXPECT_EQ(read_all(" \n\t\n").st, read_empty);
    EXPECT_EQ(read_all("\r\n", true).st, read_empty);
    EXPECT_EQ(read_all("").listing, "");
    std::string rec = "A 202012310930 12.5 B\n";
    std::string full;
    for (int i = 0; i < 4999; i++)
        full += rec;
    pass fits = read_all(full);
    EXPECT_EQ(fits.st, read_ok);
    EXPECT_EQ(fits.table.count, 5000);
    pass over = read_all(full + rec);
    EXPECT_EQ(over.st, read_too_many);
    EXPECT_EQ(over.table.count, 5000);
    EXPECT_EQ(read_all(full + "A 202012310930 12.5 B").st, read_ok);
}
