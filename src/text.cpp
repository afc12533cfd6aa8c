// Text conventions: byte input with the CR and Ctrl-Z rules, byte output with the
// line-break rule, and number formatting that gives the same bytes on every runtime.
#include "text.h"

#include <charconv>
#include <cmath>
#include <cstring>

void in_open(instream &in, FILE *f, text_rules tr, bool ahead) {
    in.f = f;
    in.dos = tr.dos_input;
    in.ahead = ahead;
    in.eof = in.err = false;
    in.pos = in.len = 0;
    in.buf[0] = 0;
}

// The slow path of in_get: drops a CR, ends at Ctrl-Z, or reads the next block.
int in_refill(instream &in) {
    for (;;) {
        if (in.pos < in.len) {
            int c = (unsigned char)in.buf[in.pos++];
            if (c == '\r' && in.dos)
                continue;
            if (c == 0x1a && in.dos) {
                in.len = in.pos = 0; // nothing after it counts
                in.buf[0] = 0;
                in.eof = true;
                return EOF;
            }
            return c;
        }
        if (in.eof || in.err)
            return EOF;
        in.pos = 0;
        in.len = fread(in.buf.data(), 1, in.ahead ? io_block : 1, in.f);
        in.buf[in.len] = 0;
        if (in.len == 0) {
            if (ferror(in.f))
                in.err = true;
            else
                in.eof = true;
            return EOF;
        }
    }
}

// Skips blanks; false when the input ends first.
static bool skip_blanks(instream &in) {
    for (;;) {
        const char *p = in.buf.data() + in.pos;
        while (word_end[(unsigned char)*p] & 1) // a CR there is dropped or a blank: the same
            p++;
        in.pos = (size_t)(p - in.buf.data());
        if (in.pos < in.len && !(word_end[(unsigned char)*p] & 2))
            return true;
        int c = in_get(in); // the end of the block, or a CR or Ctrl-Z to deal with
        if (c == EOF)
            return false;
        if (!is_blank(c)) {
            in_unget(in, c);
            return true;
        }
    }
}

// read_word for every case: byte by byte where the blocks end or a byte needs handling.
long read_word_slow(instream &in, char *buf, size_t cap) {
    if (!skip_blanks(in))
        return -1;
    const unsigned char stop = in.dos ? 7 : 5;
    size_t keep = cap > 0 ? cap - 1 : 0, len = 0;
    for (;;) {
        // the word's bytes as far as the block holds them
        const char *start = in.buf.data() + in.pos, *end = in.buf.data() + in.len, *p = start;
        for (;;) {
            while (!(word_end[(unsigned char)*p] & stop))
                p++;
            if (*p != 0 || p == end)
                break;
            p++; // a NUL inside the word
        }
        size_t n = (size_t)(p - start);
        if (len < keep)
            copy_small(buf + len, start, n < keep - len ? n : keep - len);
        len += n;
        in.pos += n;
        if (p < end && (word_end[(unsigned char)*p] & 1) && !(in.dos && *p == '\r'))
            break;          // a blank, left unread
        int c = in_get(in); // the end of the block, or a CR or Ctrl-Z to deal with
        if (c == EOF || is_blank(c)) {
            in_unget(in, c);
            break;
        }
        if (len < keep)
            buf[len] = (char)c;
        len++;
    }
    return len < 0x7fffffffUL ? (long)len : 0x7fffffffL;
}

// Discards the input up to and including the next line break.
void skip_line(instream &in) {
    int c;
    do
        c = in_get(in);
    while (c != EOF && c != '\n');
}

void out_open(outstream &out, FILE *f, text_rules tr) {
    out.f = f;
    out.crlf = tr.crlf_output;
    out.bad = false;
    out.len = 0;
}

// Hands the buffered bytes to the stream.
void out_drain(outstream &out) {
    if (out.len > 0 && fwrite(out.buf.data(), 1, out.len, out.f) != out.len)
        out.bad = true;
    out.len = 0;
}

static void out_raw(outstream &out, const char *s, size_t n) {
    while (n > 0) {
        size_t k = n < out.buf.size() ? n : out.buf.size();
        memcpy(out_space(out, k), s, k);
        out.len += k;
        s += k;
        n -= k;
    }
}

void out_bytes(outstream &out, const char *s, size_t n) {
    if (!out.crlf) {
        out_raw(out, s, n);
        return;
    }
    const char *end = s + n;
    while (s < end) {
        const char *nl = (const char *)memchr(s, '\n', (size_t)(end - s));
        if (!nl) {
            out_raw(out, s, (size_t)(end - s));
            break;
        }
        out_raw(out, s, (size_t)(nl - s));
        out_raw(out, "\r\n", 2);
        s = nl + 1;
    }
}

void out_str(outstream &out, const char *s) {
    out_bytes(out, s, strlen(s));
}

void out_int(outstream &out, long long v) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    out_raw(out, buf, (size_t)(r.ptr - buf));
}

static const char digit_pairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes n backwards from end, two digits at a time; returns where it begins.
static char *put_whole(char *p, unsigned long long n) {
    for (; n >= 100; n /= 100) {
        p -= 2;
        memcpy(p, digit_pairs + 2 * (n % 100), 2);
    }
    if (n >= 10) {
        p -= 2;
        memcpy(p, digit_pairs + 2 * n, 2);
    } else {
        *--p = (char)('0' + n);
    }
    return p;
}

// Writes q, a point and the prec digits of frac backwards from end (prec 1 to 3); returns
// where they begin.
static char *put_fraction(char *end, unsigned long long q, unsigned frac, int prec) {
    char *p = end;
    if (prec >= 2) {
        p -= 2;
        memcpy(p, digit_pairs + 2 * (frac % 100), 2);
        frac /= 100;
    }
    if (prec != 2)
        *--p = (char)('0' + frac);
    *--p = '.';
    return put_whole(p, q);
}

// Writes n / 10^prec, a point and the prec digits of n % 10^prec backwards from end; the
// divisions by constants cost less than one by a table entry.
static char *put_digits(char *end, unsigned long long n, int prec) {
    switch (prec) {
    case 0:
        return put_whole(end, n);
    case 1:
        return put_fraction(end, n / 10, (unsigned)(n % 10), 1);
    case 2:
        return put_fraction(end, n / 100, (unsigned)(n % 100), 2);
    default:
        return put_fraction(end, n / 1000, (unsigned)(n % 1000), 3);
    }
}

// Formats v as "%<width>.<prec>f" would: exact decimal expansion of the stored value,
// rounded to nearest with ties to even, right-aligned; returns the length. buf needs
// fixed_cap bytes.
size_t fmt_fixed(char *buf, double v, int width, int prec) {
    static const double scale[] = {1, 10, 100, 1000};
    char num[400];
    const char *digits = num;
    size_t len;
    double a = std::fabs(v);
    if (prec >= 0 && prec <= 3 && a < 1e12 && (double)(float)v == v) {
        // A float times 10^prec (prec up to 3) is exact in double, and adding and taking
        // away 2^52 rounds it to a whole number, ties to even: the stored value's exact
        // rounding, as "%f" gives it, without the general conversion.
        unsigned long long n = (unsigned long long)((a * scale[prec] + 0x1p52) - 0x1p52);
        char *end = num + 40, *p;
        p = put_digits(end, n, prec);
        if (std::signbit(v))
            *--p = '-';
        digits = p;
        len = (size_t)(end - p);
    } else {
        auto r = std::to_chars(num, num + sizeof num, v, std::chars_format::fixed, prec);
        len = r.ec == std::errc() ? (size_t)(r.ptr - num) : 0;
    }
    size_t pad = len < (size_t)width && width < 16 ? (size_t)width - len : 0;
    // fixed-size copies, which need no calls: 16 blanks, then the digits in 8-byte steps
    // (num has room after its digits, and fixed_cap after the longest)
    memcpy(buf, "                ", 16);
    for (size_t i = 0; i < len; i += 8)
        memcpy(buf + pad + i, digits + i, 8);
    buf[pad + len] = 0;
    return pad + len;
}

void out_flush(outstream &out) {
    out_drain(out);
    if (fflush(out.f) != 0)
        out.bad = true;
}

// Flushes and tells whether every byte reached the file. A failed write sets only the
// stream's error indicator: the C library drops that buffer, and a later flush or close
// finds nothing left to fail on.
bool out_ok(outstream &out) {
    out_flush(out);
    return !out.bad && !ferror(out.f);
}

// out_ok, then closes the stream; false when any of them failed.
bool out_close(outstream &out) {
    bool ok = out_ok(out);
    return fclose(out.f) == 0 && ok;
}
