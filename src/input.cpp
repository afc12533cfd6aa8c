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
    in.next = in.end = in.buf.data();
    in.end[0] = ' '; // the guards, as in_refill sets them
    in.end[1] = '#';
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
bool in_refill(instream &in, const char *keep) {
    char *b = in.buf.data();
    size_t k = (size_t)(in.end - keep), n = 0;
    memmove(b, keep, k);
    in.next = b;
    while (n == 0) {
        if (in.cut)
            in.eof = true;
        if (in.eof || in.err)
            break;
        n = fread(b + k, 1, in.ahead ? io_block - k : 1, in.f);
        if (n == 0)
            (ferror(in.f) ? in.err : in.eof) = true;
        else if (in.dos)
            n = dos_block(in, b + k, n);
    }
    in.end = b + k + n;
    in.end[0] = ' '; // a blank, where a word's scan stops
    in.end[1] = '#'; // and a non-blank, where a scan of blanks stops
    return n > 0;
}

// Returns the next byte, or EOF once the input has ended or failed.
int in_get(instream &in) {
    if (in.next == in.end && !in_refill(in, in.end))
        return EOF;
    return (unsigned char)*in.next++;
}

// Gives back the byte in_get has just returned.
void in_unget(instream &in, int c) {
    if (c != EOF)
        in.next--;
}

// Discards the input up to and including the next line break.
void skip_line(instream &in) {
    int c;
    do
        c = in_get(in);
    while (c != EOF && c != '\n');
}
