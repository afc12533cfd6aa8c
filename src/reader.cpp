// The observation reader: record decoding, the decimal parser and the read pass.
#include "reader.h"

#include "format.h"

// The decoded fields of the current record. Each stays until a read of its token replaces
// it, so a record cut short by the end of the input repeats the fields it did not get.
struct record_fields {
    float hour, value, date_key;
};

// Reads up to four tokens, decoding the used ones as they come; returns how many were read.
static int read_record(instream &in, record_fields &rec) {
    size_t n;
    const char *t;
    if (!read_word(in, n))
        return 0;
    if (!(t = read_word(in, n)))
        return 1;
    decode_timestamp(t, n, rec.hour, rec.date_key);
    if (!(t = read_word(in, n)))
        return 2;
    rec.value = decode_value(t, n);
    return read_word(in, n) ? 4 : 3;
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
    record_fields rec; // as the empty tokens of a file that has none decode
    decode_timestamp("", 0, rec.hour, rec.date_key);
    rec.value = decode_value("", 0);
    int count = 0; // a local: the listing's byte stores cannot change it
    for (; !in.eof; count++) {
        int got = read_record(in, rec);
        if (in.err)
            return read_failed;
        if (got == 0 && count == 0)
            return read_empty;
        if (count == obs_cap)
            return read_too_many;
        table.hour[count] = rec.hour;
        table.value[count] = rec.value;
        table.date_key[count] = rec.date_key;
        list_entry(console, rec.hour, rec.value);
    }
    table.count = count;
    table.date_key[count - 1] = 0;
    return read_ok;
}
