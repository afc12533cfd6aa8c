// Byte input under the two text conventions, and the word scan of a formatted read.
#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <cstring>

constexpr size_t io_block = 8192;

// A byte source. Under the Windows conventions (dos) every CR is dropped and a Ctrl-Z
// ends the input; each block is made so as it is read, so the scans never see either.
struct instream {
    FILE *f;
    bool dos;
    bool ahead; // read whole blocks; off for answers, which must not wait for more lines
    bool cut;   // a Ctrl-Z ended the input: no more reads
    bool eof;   // a read reached the end of the input
    bool err;   // a read failed for another reason
    size_t pos; // next byte of buf
    size_t len; // bytes in buf; a NUL after them stops the scans
    std::array<char, io_block + 1> buf;
};

// The blanks of a formatted read in the C locale.
constexpr bool is_blank(int c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

void in_open(instream &in, FILE *f, bool dos, bool ahead);
bool in_fill(instream &in);
int in_get(instream &in);
void in_unget(instream &in, int c);
void skip_line(instream &in);

// Byte tables for the scans, a load where the tests take several compares: the blanks;
// and the bytes that end a word, the blanks and NUL, which also follows a block's bytes.
constexpr std::array<bool, 256> byte_table(bool nul) {
    std::array<bool, 256> t{};
    for (int c = 0; c < 256; c++)
        t[(size_t)c] = (nul && c == 0) || is_blank(c);
    return t;
}
constexpr std::array<bool, 256> blank = byte_table(false);
constexpr std::array<bool, 256> word_stop = byte_table(true);

// Reads one blank-delimited word whole and keeps its first cap - 1 bytes in buf (nothing
// with cap 0; the bytes after them stay as they were); returns its full length, or -1
// when the input ends first. The blank after the word stays unread, so that, as with a
// formatted read, the end of the input is noticed only by a read that meets it.
// Inline: a call per word cost more than the scan of its bytes.
inline long read_word(instream &in, char *buf, size_t cap) {
    const char *p = in.buf.data() + in.pos;
    for (;;) {
        while (blank[(unsigned char)*p]) // the NUL after the block ends this too
            p++;
        if (p < in.buf.data() + in.len)
            break;
        if (!in_fill(in))
            return -1;
        p = in.buf.data();
    }
    size_t keep = cap > 0 ? cap - 1 : 0, len = 0;
    for (;;) {
        const char *start = p, *end = in.buf.data() + in.len;
        while (!word_stop[(unsigned char)*p] || (*p == 0 && p < end))
            p++;
        size_t n = (size_t)(p - start);
        if (len < keep)
            memcpy(buf + len, start, n < keep - len ? n : keep - len);
        len += n;
        if (p < end) {
            in.pos = (size_t)(p - in.buf.data());
            break;
        }
        if (!in_fill(in))
            break;
        p = in.buf.data();
    }
    return len < 0x7fffffff ? (long)len : 0x7fffffffL;
}
