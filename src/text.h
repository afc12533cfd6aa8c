// Text conventions: every byte the program reads or writes goes through here.
#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <cstring>

// The text conventions of one program, fixed when it is built.
struct text_rules {
    bool dos_input;   // drop every CR, end the input at Ctrl-Z
    bool crlf_output; // write LF as CR LF (off where the runtime does it already)
};

constexpr size_t io_block = 8192;

// A byte source. With dos set, every CR is dropped and a Ctrl-Z ends the input.
struct instream {
    FILE *f;
    bool dos;
    bool ahead; // read blocks ahead; off for answers, which must not wait for more lines
    bool eof;   // a read reached the end of the input
    bool err;   // a read failed for another reason
    size_t pos; // next byte of buf
    size_t len; // bytes in buf, followed by a NUL that stops the scans
    std::array<char, io_block + 1> buf;
};

// A byte sink, fully buffered. With crlf set, every LF goes out as CR LF.
struct outstream {
    FILE *f;
    bool crlf;
    bool bad; // a write failed: the bytes are lost, whatever close says later
    size_t len;
    std::array<char, io_block> buf;
};

void in_open(instream &in, FILE *f, text_rules tr, bool ahead);
int in_refill(instream &in);

// Returns the next byte, or EOF once the input has ended or failed (and from then on).
inline int in_get(instream &in) {
    if (in.pos < in.len) {
        int c = (unsigned char)in.buf[in.pos++];
        if (!in.dos || (c != '\r' && c != 0x1a))
            return c;
        in.pos--;
    }
    return in_refill(in);
}

// Gives back the byte in_get has just returned.
inline void in_unget(instream &in, int c) {
    if (c != EOF)
        in.pos--;
}

// The blanks of a formatted read in the C locale; CR is one of them unless dropped.
inline bool is_blank(int c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Bytes that stop the word scans: bit 0 a blank, bit 1 a byte with a meaning of its own
// under the Windows conventions (CR and Ctrl-Z), bit 2 NUL, which also marks the end of
// the bytes read.
inline constexpr unsigned char word_end[256] = {
    4, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0,
    1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
};

// Copies n bytes; those of a token (up to 16) with fixed-size moves, which need no call.
inline void copy_small(char *dst, const char *src, size_t n) {
    if (n >= 8 && n <= 16) { // two moves of 8 that overlap in the middle
        std::memcpy(dst, src, 8);
        std::memcpy(dst + n - 8, src + n - 8, 8);
    } else if (n >= 4 && n < 8) {
        std::memcpy(dst, src, 4);
        std::memcpy(dst + n - 4, src + n - 4, 4);
    } else if (n < 4) {
        for (size_t i = 0; i < n; i++)
            dst[i] = src[i];
    } else {
        std::memcpy(dst, src, n);
    }
}

long read_word_slow(instream &in, char *buf, size_t cap);

// Reads one whitespace-delimited word whole and keeps its first cap - 1 bytes in buf (the
// bytes after them are left as they were; with cap 0 nothing is kept); returns the word's
// full length, or -1 when the input ends first. The blank after the word is left unread,
// so the end of the input is noticed only by a read that meets it, as with a formatted
// read. Inline for the usual word, blanks and word inside the block and ended by a blank;
// anything else (the block's end, a NUL, a CR or Ctrl-Z to deal with) takes the slow path.
inline long read_word(instream &in, char *buf, size_t cap) {
    const char *base = in.buf.data(), *p = base + in.pos, *end = base + in.len;
    while (word_end[(unsigned char)*p] & 1) // a CR here is dropped or a blank: the same
        p++;
    const char *start = p;
    while (!(word_end[(unsigned char)*p] & (in.dos ? 7 : 5)))
        p++;
    if (p == start || p == end || !(word_end[(unsigned char)*p] & 1) || (in.dos && *p == '\r'))
        return read_word_slow(in, buf, cap);
    size_t n = (size_t)(p - start);
    if (cap > 0)
        copy_small(buf, start, n < cap - 1 ? n : cap - 1);
    in.pos = (size_t)(p - base);
    return (long)n;
}

void skip_line(instream &in);

void out_open(outstream &out, FILE *f, text_rules tr);
void out_bytes(outstream &out, const char *s, size_t n);
void out_drain(outstream &out);

// Room for n more bytes (n at most the buffer's size) at the returned place.
inline char *out_space(outstream &out, size_t n) {
    if (out.buf.size() - out.len < n)
        out_drain(out);
    return out.buf.data() + out.len;
}

// Ends the n bytes placed at out_space with a line break and takes them.
inline void out_line_at(outstream &out, char *p, size_t n) {
    if (out.crlf)
        p[n++] = '\r';
    p[n++] = '\n';
    out.len += n;
}
void out_str(outstream &out, const char *s);
void out_int(outstream &out, long long v);
void out_flush(outstream &out);
bool out_ok(outstream &out);
bool out_close(outstream &out);
size_t fmt_fixed(char *buf, double v, int width, int prec);
constexpr size_t fixed_cap = 420; // room for any "%f" of a float and the slack of its copy
