// The observation reader: data file records into the table, with the listing.
#pragma once

#include "input.h"
#include "output.h"

#include <array>

constexpr int obs_cap = 5000; // entries, counting the one that gets the end marker
constexpr int token_cap = 30; // bytes of a token buffer, terminator included

struct obs_table {
    std::array<float, obs_cap> hour;
    std::array<float, obs_cap> value;
    std::array<float, obs_cap> date_key; // 0 marks the end
    int count;                           // entries written
};

// The tokens of the current record that are used, timestamp and value; each keeps its
// bytes until a read replaces it. The first and fourth tokens are read and dropped.
struct record_tokens {
    std::array<char, token_cap> timestamp;
    std::array<char, token_cap> value;
};

enum read_status { read_ok, read_empty, read_too_many, read_failed };

float num(const char *s);
void decode_record(const record_tokens &rec, float &hour, float &value, float &date_key);
read_status read_observations(instream &in, outstream &console, obs_table &table);
