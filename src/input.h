// Byte input under the two text conventions, and the word scan of a formatted read.
#pragma once

#include <array>
#include <cstddef>
#include <cstdio>

constexpr size_t io_block = 8192;
constexpr size_t word_keep = io_block / 2; // the first bytes of a word that stay together

// A byte source; under the Windows conventions (dos) each block loses its CRs and ends at a
// Ctrl-Z as it is read, so the scans never see either.
struct instream {
    FILE *f;
    bool dos;
    bool ahead; // read whole blocks; off for answers, which must not wait for more lines
    bool cut;   // a Ctrl-Z ended the input: no more reads
    bool eof;   // a read reached the end of the input
    bool err;   // a read failed for another reason
    char *next; // next byte in buf
    char *end;  // end of the bytes in buf, followed by the guards that stop the scans
    std::array<char, io_block + 2> buf;
};

// The blanks of a formatted read in the C locale.
constexpr bool is_blank(int c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

void in_open(instream &in, FILE *f, bool dos, bool ahead);
// Cold: once a block, so the scans are laid out for the bytes in between.
[[gnu::cold]] bool in_refill(instream &in, const char *keep);
int in_get(instream &in);
void in_unget(instream &in, int c);
void skip_line(instream &in);

// The blanks as a table, for the scans: one load instead of several compares.
constexpr std::array<bool, 256> blank_table() {
    std::array<bool, 256> t{};
    for (int c = 0; c < 256; c++)
        t[(size_t)c] = is_blank(c);
    return t;
}
inline constexpr std::array<bool, 256> blank = blank_table(); // one object for the program

// Reads a blank-delimited word where it lies (its first word_keep bytes, until the next
// read), its full length in len, and the blank after it; nullptr when the input ends first.
// As with a formatted read, the end of the input is noticed only by a read that meets it.
// Inline: a call per word cost more than the scan of its bytes.
inline const char *read_word(instream &in, size_t &len) {
    const char *p = in.next;
    for (;;) {
        while (blank[(unsigned char)*p]) // the non-blank guard ends this at the latest
            p++;
        if (p < in.end)
            break;
        if (!in_refill(in, in.end))
            return nullptr;
        p = in.next;
    }
    const char *start = p;
    size_t dropped = 0;
    p++; // the byte found is the word's first: the scan for its end starts after it
    for (;;) {
        const char *end = in.end;
        while (!blank[(unsigned char)*p]) // the blank guard ends this at the latest
            p++;
        if (p < end) {
            in.next = (char *)p + 1; // the blank goes with the word: one byte less to skip
            len = (size_t)(p - start) + dropped;
            return start;
        }
        // the word runs on past the bytes read: move it to the front and read more after it,
        // keeping no more than word_keep of its bytes
        size_t have = (size_t)(end - start), kept = have < word_keep ? have : word_keep;
        dropped += have - kept;
        in.end = (char *)start + kept;
        bool more = in_refill(in, start);
        start = in.next;
        p = start + kept;
        if (!more)
            break;
    }
    in.next = (char *)p;
    len = (size_t)(p - start) + dropped;
    return start;
}
