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

float num(const char *s, size_t n);
void decode_timestamp(const char *t, size_t n, float &hour, float &date_key);
float decode_value(const char *t, size_t n);
read_status read_observations(instream &in, outstream &console, obs_table &table);
