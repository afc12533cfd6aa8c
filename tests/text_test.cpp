// Byte input under both conventions, and the number formatting.
#include "format.h"
#include "helpers.h"
#include "input.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

static std::string fixed(float v, int width, int prec) {
    char buf[fixed_cap];
    return std::string(buf, fmt_fixed(buf, v, width, prec));
}

TEST(FmtFixed, RoundsTheStoredValueTiesToEven) {
    struct {
        float v;
        int width, prec;
        const char *want;
    } cases[] = {
        {2.0625f, 7, 3, "  2.062"},
        {2.0635f, 7, 3, "  2.063"}, // stored just below the tie
        {0.125f, 5, 2, " 0.12"},
        {0.375f, 5, 2, " 0.38"},
        {9.5f, 5, 2, " 9.50"},
        {12.5f, 7, 3, " 12.500"},
        {0.45000002f, 7, 3, "  0.450"},
        {-28.5f, 7, 3, "-28.500"},
        {-0.001f, 5, 2, "-0.00"},
        {0.0f, 5, 2, " 0.00"},
        {-0.0005f, 7, 3, " -0.001"},
        {-0.0f, 5, 2, "-0.00"},
        {-536.8f, 5, 2, "-536.80"},
        {1.2345681e20f, 7, 3, "123456807149200474112.000"},
        {1e21f, 5, 2, "1000000020040877342720.00"},
        {4194304.5f, 7, 3, "4194304.500"},
        {0x1.fffffep63f, 7, 3, "18446742974197923840.000"}, // on either side of 2^64
        {0x1p64f, 5, 2, "18446744073709551616.00"},
        {-0x1p127f, 5, 2, "-170141183460469231731687303715884105728.00"},
        {FLT_MAX, 7, 3, "340282346638528859811704183484516925440.000"},
        {0.5f, 0, 0, "0"}, // 0 and 1 decimals, ties to even on either side of 2^22
        {1.5f, 3, 0, "  2"},
        {2.5f, 3, 0, "  2"},
        {4194305.5f, 0, 0, "4194306"},
        {4194306.5f, 8, 0, " 4194306"},
        {0.25f, 4, 1, " 0.2"},
        {0.75f, 4, 1, " 0.8"},
        {-2097152.25f, 0, 1, "-2097152.2"},
        {2097152.75f, 0, 1, "2097152.8"},
        {NAN, 5, 2, "  nan"}, // as glibc writes them; the Windows runtime drops the - of -nan
        {-NAN, 7, 3, "   -nan"},
        {INFINITY, 0, 1, "inf"},
        {-INFINITY, 8, 0, "    -inf"},
    };
    for (auto &c : cases)
        EXPECT_EQ(fixed(c.v, c.width, c.prec), c.want) << c.v;
}

TEST(FmtFixed, AgreesWithTheCLibraryOnEveryKindOfFloat) {
    char want[64];
    std::mt19937 bits(7);
    for (int i = 0; i < 200000; i++) {
        float v;
        uint32_t b = bits();
        memcpy(&v, &b, sizeof v);
        if (i % 2 == 0) // half of them near the values a file holds
            v = (float)(i / 2 - 50000) / 64.0f + (float)i * 0.001f;
        if (v != v || v - v != 0)
            continue;
        snprintf(want, sizeof want, "%7.3f", (double)v);
        ASSERT_EQ(fixed(v, 7, 3), want) << v;
        snprintf(want, sizeof want, "%5.2f", (double)v);
        ASSERT_EQ(fixed(v, 5, 2), want) << v;
        int width = i % 9, prec = i / 9 % 2; // the other widths, at 0 and 1 decimals
        snprintf(want, sizeof want, "%*.*f", width, prec, (double)v);
        ASSERT_EQ(fixed(v, width, prec), want) << v;
    }
}

// The words of the input with the lengths read_word gives, each cut to cap bytes; the stream
// first holds only the stale byte, so a scan that passes the guards runs off its end.
static std::string words(const std::string &bytes, bool dos, bool ahead, char stale,
                         size_t cap = 7) {
    FILE *f = file_of(bytes);
    static instream in;
    memset(&in, stale, sizeof in);
    in_open(in, f, dos, ahead);
    std::string out;
    size_t len;
    for (const char *w; (w = read_word(in, len));)
        out += "[" + std::string(w, len < cap ? len : cap) + "]" + std::to_string(len);
    fclose(f);
    return out;
}

// Whole blocks (data files) and single bytes (answers) read alike.
TEST(ReadWord, Conventions) {
    std::string edge(io_block - 1, ' ');
    struct {
        std::string bytes;
        bool dos;
        std::string want;
    } cases[] = {
        {"a bb\tccc\n", false, "[a]1[bb]2[ccc]3"},
        {"a\rb\r\nc", false, "[a]1[b]1[c]1"},
        {"a\rb\r\nc", true, "[ab]2[c]1"},
        {"x \r\r\x1a y", true, "[x]1"},
        {"x a\x1a b", false, "[x]1[a\x1a]2[b]1"},
        {"x a\x1a b", true, "[x]1[a]1"},
        {" \x1a", true, ""},
        {"abcdefghij k", false, "[abcdefg]10[k]1"},
        {" \v\f ", false, ""},
        {edge + "ab\r\rc d", true, "[abc]3[d]1"},    // a word across two blocks
        {edge + "\r\x1a" + "b", true, ""},           // a block that ends at once
        {edge + "abcdefghij", false, "[abcdefg]10"}, // cut across blocks
        {std::string("a\0b c", 5), false, std::string("[a\0b]3[c]1", 10)},
        {std::string(io_block + 9, 'w') + " z", false, "[wwwwwww]8201[z]1"}, // longer than a block
    };
    for (auto &c : cases) {
        for (char stale : {' ', 'x'}) {
            EXPECT_EQ(words(c.bytes, c.dos, true, stale), c.want) << c.bytes;
            EXPECT_EQ(words(c.bytes, c.dos, false, stale), c.want) << c.bytes;
        }
    }
}
