// Text conventions: byte input with the CR and Ctrl-Z rules, byte output with the
// line-break rule, and number formatting that gives the same bytes on every runtime.
#include "text.h"

#include <charconv>
#include <cstring>

instream in_open(FILE *f, text_rules tr) {
    return instream{f, tr.dos_input, false, false, -1};
}

outstream out_open(FILE *f, text_rules tr) {
    return outstream{f, tr.crlf_output};
}

// Returns the next byte, or EOF once the input has ended or failed (and from then on).
int in_get(instream &in) {
    if (in.pending >= 0) {
        int c = in.pending;
        in.pending = -1;
        return c;
    }
    if (in.eof || in.err)
        return EOF;
    for (;;) {
        int c = getc(in.f);
        if (c == EOF) {
            if (ferror(in.f))
                in.err = true;
            else
                in.eof = true;
            return EOF;
        }
        if (in.dos && c == '\r')
            continue;
        if (in.dos && c == 0x1a) {
            in.eof = true;
            return EOF;
        }
        return c;
    }
}

void in_unget(instream &in, int c) {
    if (c != EOF)
        in.pending = c;
}

// The blanks of a formatted read in the C locale; CR is one of them unless dropped.
bool is_blank(int c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Reads one whitespace-delimited word whole, keeping its first cap - 1 bytes in buf and
// zeros after them; returns the word's full length, or -1 when the input ends first.
// The blank after the word is left unread, so the end of the input is noticed only by a
// read that meets it, as with a formatted read.
long read_word(instream &in, char *buf, size_t cap) {
    int c;
    do
        c = in_get(in);
    while (is_blank(c));
    if (c == EOF)
        return -1;
    memset(buf, 0, cap);
    long len = 0;
    for (; c != EOF && !is_blank(c); c = in_get(in)) {
        if ((size_t)len < cap - 1)
            buf[len] = (char)c;
        if (len < 0x7fffffffL)
            len++;
    }
    in_unget(in, c);
    return len;
}

// Discards the input up to and including the next line break.
void skip_line(instream &in) {
    int c;
    do
        c = in_get(in);
    while (c != EOF && c != '\n');
}

void out_bytes(outstream &out, const char *s, size_t n) {
    if (!out.crlf) {
        fwrite(s, 1, n, out.f);
        return;
    }
    const char *end = s + n;
    while (s < end) {
        const char *nl = (const char *)memchr(s, '\n', (size_t)(end - s));
        size_t run = nl ? (size_t)(nl - s) : (size_t)(end - s);
        fwrite(s, 1, run, out.f);
        if (!nl)
            break;
        fwrite("\r\n", 1, 2, out.f);
        s = nl + 1;
    }
}

void out_str(outstream &out, const char *s) {
    out_bytes(out, s, strlen(s));
}

void out_int(outstream &out, long long v) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    out_bytes(out, buf, (size_t)(r.ptr - buf));
}

// Formats v as "%<width>.<prec>f" would: exact decimal expansion of the stored value,
// rounded to nearest with ties to even, right-aligned. Returns the length.
size_t fmt_fixed(char *buf, size_t cap, double v, int width, int prec) {
    char num[400];
    auto r = std::to_chars(num, num + sizeof num, v, std::chars_format::fixed, prec);
    size_t len = r.ec == std::errc() ? (size_t)(r.ptr - num) : 0;
    size_t pad = len < (size_t)width ? (size_t)width - len : 0;
    if (pad + len >= cap)
        return 0;
    memset(buf, ' ', pad);
    memcpy(buf + pad, num, len);
    buf[pad + len] = 0;
    return pad + len;
}

void out_fixed(outstream &out, double v, int width, int prec) {
    char buf[420];
    out_bytes(out, buf, fmt_fixed(buf, sizeof buf, v, width, prec));
}

void out_flush(outstream &out) {
    fflush(out.f);
}
