// The observation reader: data file records into the table, with the listing.
#pragma once

#include "input.h"
#include "output.h"

#include <array>

constexpr int obs_cap = 5000; // entries, counting the one that gets the end marker

struct obs_table {
    std::array<float, obs_cap> hour;
    std::array<float, obs_cap> value;
    std::array<float, obs_cap> date_key; // 0 marks the end
    int count;                           // entries written
};

enum read_status { read_ok, read_empty, read_too_many, read_failed };

// Inline, the decoding of a record's tokens: a call per token cost more than the work.

// Reads a number from the n bytes at s. Every byte up to "@" counts as a digit of value
// (code - 48), "." starts the fraction, and the sum is rounded to single precision after
// every byte: stored files were made with this arithmetic, so "-1.5" reads as -28.5. A
// NUL, a byte above "@" or the 21st byte ends it.
inline float num(const char *s, size_t n) {
    if (n > 21)
        n = 21;
    float result = 0;
    size_t i = 0;
    for (; i < n && s[i] != '.'; i++) {
        int c = (unsigned char)s[i];
        if (c < 1 || c > 64)
            return result;
        result = result * 10.0f;
        result = result + (float)(c - 48);
    }
    float scale = 1;
    for (i++; i < n; i++) { // past the first point, a point is passed over
        int c = (unsigned char)s[i];
        if (c < 1 || c > 64)
            break;
        if (c == '.')
            continue;
        scale = scale / 10.0f;
        // product and sum in double, one rounding: "0.45" reads as 0.45000002
        result = (float)((double)result + (double)(c - 48) * (double)scale);
    }
    return result;
}

// The digit at k of a token of n bytes; a position past its end reads as a NUL would.
inline int digit_at(const char *t, size_t n, size_t k) {
    return (k < n ? (unsigned char)t[k] : 0) - 48;
}

// Decodes a timestamp (token 2): the hour from characters 8 to 11, the date key from 4 to 7.
inline void decode_timestamp(const char *t, size_t n, float &hour, float &date_key) {
    int h = 10 * digit_at(t, n, 8) + digit_at(t, n, 9);
    int m = 10 * digit_at(t, n, 10) + digit_at(t, n, 11);
    hour = (float)((double)h + (double)m / 60.0);
    date_key = (float)(1000 * digit_at(t, n, 4) + 100 * digit_at(t, n, 5) + 10 * digit_at(t, n, 6) +
                       digit_at(t, n, 7));
}

// Decodes a value (token 3): above 20 it is taken as ten times too large.
inline float decode_value(const char *t, size_t n) {
    float value = num(t, n);
    if (value > 20)
        value = (float)((double)value / 10.0);
    return value;
}

read_status read_observations(instream &in, outstream &console, obs_table &table);
