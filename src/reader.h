// The observation reader: data file records into the table, with the listing.
#pragma once

#include "input.h"
#include "output.h"

#include <array>
#include <cstring>

constexpr int obs_cap = 5000; // entries, counting the one that gets the end marker

struct obs_table {
    std::array<float, obs_cap> hour;
    std::array<float, obs_cap> value;
    std::array<float, obs_cap> date_key; // 0 marks the end
    int count;                           // entries written
};

enum read_status { read_ok, read_empty, read_too_many, read_failed };

// The decoding of a record's tokens is inline: a call per token cost more than the work.

// Reads a number from the n bytes at s: every byte up to "@" is a digit of value code - 48,
// "." starts the fraction, and a NUL, a byte above "@" or the 21st byte ends it. The sum
// is rounded to float after every byte, as stored files were made: "-1.5" reads as -28.5.
inline float num(const char *s, size_t n) {
    const char *end = s + (n < 21 ? n : 21);
    float result = 0;
    for (; s < end && *s != '.'; s++) {
        int c = (unsigned char)*s;
        if (c < 1 || c > 64)
            return result;
        result = result * 10.0f + (float)(c - 48);
    }
    float scale = 1;
    for (s++; s < end; s++) { // past the first point, a point is passed over
        int c = (unsigned char)*s;
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

// Decodes a timestamp (token 2): the hour from characters 8 to 11, the date key from 4 to 7,
// each character past the end of a short token as a NUL.
inline void decode_timestamp(const char *t, size_t n, float &hour, float &date_key) {
    char pad[12];
    if (n < sizeof pad) {
        memset(pad, 0, sizeof pad);
        t = (const char *)memcpy(pad, t, n);
    }
    const auto *d = (const unsigned char *)t;
    int h = 10 * (d[8] - 48) + (d[9] - 48), m = 10 * (d[10] - 48) + (d[11] - 48);
    hour = (float)((double)h + (double)m / 60.0);
    date_key = (float)(1000 * (d[4] - 48) + 100 * (d[5] - 48) + 10 * (d[6] - 48) + (d[7] - 48));
}

// Decodes a value (token 3): above 20 it is taken as ten times too large.
inline float decode_value(const char *t, size_t n) {
    float value = num(t, n);
    if (value > 20)
        value = (float)((double)value / 10.0);
    return value;
}

read_status read_observations(instream &in, outstream &console, obs_table &table);
