// The observation reader: record decoding, the decimal parser and the read pass.
#include "reader.h"

#include "format.h"

// Reads a number from the start of s. Every byte up to "@" counts as a digit of value
// (code - 48), "." starts the fraction, and the sum is rounded to single precision after
// every byte: stored files were made with this arithmetic, so "-1.5" reads as -28.5.
float num(const char *s) {
    float result = 0;
    int i = 0;
    for (; i <= 20 && s[i] != '.'; i++) {
        int c = (unsigned char)s[i];
        if (c < 1 || c > 64)
            return result;
        result = result * 10.0f;
        result = result + (float)(c - 48);
    }
    float scale = 1;
    for (i++; i <= 20; i++) { // past the first point, a point is passed over
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

static int digit_at(const char *t, int k) {
    return (unsigned char)t[k] - 48;
}

// Decodes the timestamp (token 2) and the value (token 3) of the current record.
void decode_record(const record_tokens &rec, float &hour, float &value, float &date_key) {
    const char *ts = rec.timestamp.data();
    int h = 10 * digit_at(ts, 8) + digit_at(ts, 9);
    int m = 10 * digit_at(ts, 10) + digit_at(ts, 11);
    hour = (float)((double)h + (double)m / 60.0);
    date_key = (float)(1000 * digit_at(ts, 4) + 100 * digit_at(ts, 5) + 10 * digit_at(ts, 6) +
                       digit_at(ts, 7));
    value = num(rec.value.data());
    if (value > 20)
        value = (float)((double)value / 10.0);
}

// Reads one token into t, which then holds that token and zeros; false at the end.
static bool read_token(instream &in, std::array<char, token_cap> &t) {
    std::array<char, token_cap> word{};
    if (read_word(in, word.data(), token_cap) < 0)
        return false;
    t = word;
    return true;
}

// Reads up to four tokens, the used ones into their buffers; returns how many were read.
static int read_record(instream &in, record_tokens &rec) {
    if (read_word(in, nullptr, 0) < 0)
        return 0;
    if (!read_token(in, rec.timestamp))
        return 1;
    if (!read_token(in, rec.value))
        return 2;
    return read_word(in, nullptr, 0) < 0 ? 3 : 4;
}

// One listing line, "  %5.2f %7.3f \n".
static void list_entry(outstream &console, float hour, float value) {
    char *line = out_space(console, 2 * fixed_cap + 5);
    size_t n = 2;
    line[0] = line[1] = ' ';
    n += fmt_fixed(line + n, hour, 5, 2);
    line[n++] = ' ';
    n += fmt_fixed(line + n, value, 7, 3);
    line[n++] = ' ';
    out_line(console, n);
}

// Fills the table from the data file, listing every entry, and marks the last entry as the
// end. The end of the input is tested before each read, so a file that ends in whitespace
// gives one more pass whose read finds nothing: the last record is entered twice and the
// copy takes the end marker, which keeps every real record in its day.
read_status read_observations(instream &in, outstream &console, obs_table &table) {
    record_tokens rec{};
    table.count = 0;
    while (!in.eof) {
        int got = read_record(in, rec);
        if (in.err)
            return read_failed;
        if (got == 0 && table.count == 0)
            return read_empty;
        if (table.count == obs_cap)
            return read_too_many;
        int i = table.count++;
        decode_record(rec, table.hour[i], table.value[i], table.date_key[i]);
        list_entry(console, table.hour[i], table.value[i]);
    }
    table.date_key[table.count - 1] = 0;
    return read_ok;
}
