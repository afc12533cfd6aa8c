// The text conventions and the number formatting.
#include "helpers.h"
#include "text.h"

#include <cmath>
#include <gtest/gtest.h>

static std::string fixed(double v, int width, int prec) {
    char buf[fixed_cap];
    size_t n = fmt_fixed(buf, v, width, prec);
    return std::string(buf, n);
}

TEST(FmtFixed, RoundsTheStoredValueTiesToEven) {
    struct {
        double v;
        int width, prec;
        const char *want;
    } cases[] = {
        {2.0625, 7, 3, "  2.062"},      {2.0635, 7, 3, "  2.063"}, // stored just above the tie
        {0.125, 5, 2, " 0.12"},         {0.375, 5, 2, " 0.38"},
        {9.5, 5, 2, " 9.50"},           {12.5, 7, 3, " 12.500"},
        {0.45000002f, 7, 3, "  0.450"}, {-28.5, 7, 3, "-28.500"},
        {-0.001, 5, 2, "-0.00"},        {0.0, 5, 2, " 0.00"},
        {-536.8f, 5, 2, "-536.80"},     {1.2345681e20f, 7, 3, "123456807149200474112.000"},
    };
    for (auto &c : cases)
        EXPECT_EQ(fixed(c.v, c.width, c.prec), c.want) << c.v;
}

TEST(FmtFixed, AgreesWithTheCLibraryOnStoredFloats) {
    char want[420];
    for (int i = -20000; i <= 20000; i++) {
        float v = (float)i / 64.0f + (float)i * 0.001f;
        snprintf(want, sizeof want, "%7.3f", (double)v);
        ASSERT_EQ(fixed(v, 7, 3), want) << v;
        snprintf(want, sizeof want, "%5.2f", (double)v);
        ASSERT_EQ(fixed(v, 5, 2), want) << v;
    }
}

// The words of the input with the lengths read_word gives; "!" where a byte after the kept
// ones was written.
static std::string words(const std::string &bytes, bool dos, size_t cap = 8) {
    FILE *f = file_of(bytes);
    static instream in;
    in_open(in, f, text_rules{dos, false}, true);
    std::string out;
    char buf[64];
    long len;
    for (memset(buf, 0, sizeof buf); (len = read_word(in, buf, cap)) >= 0;
         memset(buf, 0, sizeof buf)) {
        out += "[" + std::string(buf) + "]" + std::to_string(len);
        for (size_t i = std::string(buf).size(); i < cap; i++)
            if (buf[i] != 0)
                out += "!";
    }
    fclose(f);
    return out;
}

TEST(ReadWord, Conventions) {
    struct {
        const char *bytes;
        bool dos;
        const char *want;
    } cases[] = {
        {"a bb\tccc\n", false, "[a]1[bb]2[ccc]3"},
        {"a\rb\r\nc", false, "[a]1[b]1[c]1"},
        {"a\rb\r\nc", true, "[ab]2[c]1"},
        {"a\x1a b", false, "[a\x1a]2[b]1"},
        {"a\x1a b", true, "[a]1"},
        {"abcdefghij k", false, "[abcdefg]10[k]1"},
        {" \v\f ", false, ""},
    };
    for (auto &c : cases)
        EXPECT_EQ(words(c.bytes, c.dos), c.want) << c.bytes;
}
