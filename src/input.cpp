// Byte input: blocks made under the text conventions, bytes, words and lines.
#include "input.h"

#include <cstring>

void in_open(instream &in, FILE *f, bool dos, bool ahead) {
    if (ahead) // whole blocks are read into buf: the stream needs no buffer of its own
        setvbuf(f, nullptr, _IONBF, 0);
    in.f = f;
    in.dos = dos;
    in.ahead = ahead;
    in.cut = in.eof = in.err = false;
    in.pos = in.len = 0;
    in.buf[0] = 0;
}

// Cuts the n bytes read at p at a Ctrl-Z and drops their CRs; returns the bytes left.
static size_t dos_block(instream &in, char *p, size_t n) {
    if (char *z = (char *)memchr(p, 0x1a, n)) {
        n = (size_t)(z - p);
        in.cut = true;
    }
    char *w = (char *)memchr(p, '\r', n); // most blocks have none: one search, no copy
    if (!w)
        return n;
    for (const char *r = w; r < p + n; r++)
        if (*r != '\r')
            *w++ = *r;
    return (size_t)(w - p);
}

// Moves the bytes from keep on to the front and reads more after them; the next byte is
// then the first. False, with only the moved bytes left, once the input has ended or
// failed, and from then on.
bool in_refill(instream &in, size_t keep) {
    char *b = in.buf.data();
    size_t k = in.len - keep;
    memmove(b, b + keep, k);
    in.pos = 0;
    in.len = k;
    b[k] = 0;
    while (in.len == k) {
        if (in.cut)
            in.eof = true;
        if (in.eof || in.err)
            return false;
        size_t n = fread(b + k, 1, in.ahead ? io_block - k : 1, in.f);
        if (n == 0) {
            (ferror(in.f) ? in.err : in.eof) = true;
            return false;
        }
        in.len = k + (in.dos ? dos_block(in, b + k, n) : n);
    }
    b[in.len] = 0;
    return true;
}

// Returns the next byte, or EOF once the input has ended or failed.
int in_get(instream &in) {
    if (in.pos == in.len && !in_refill(in, in.len))
        return EOF;
    return (unsigned char)in.buf[in.pos++];
}

// Gives back the byte in_get has just returned.
void in_unget(instream &in, int c) {
    if (c != EOF)
        in.pos--;
}

// Discards the input up to and including the next line break.
void skip_line(instream &in) {
    int c;
    do
        c = in_get(in);
    while (c != EOF && c != '\n');
}
