// Byte input: blocks made under the text conventions, bytes, words and lines.
#include "input.h"

#include <cstring>

void in_open(instream &in, FILE *f, bool dos, bool ahead) {
    in.f = f;
    in.dos = dos;
    in.ahead = ahead;
    in.cut = in.eof = in.err = false;
    in.pos = in.len = 0;
    in.buf[0] = 0;
}

// Applies the Windows rules to the n bytes just read: nothing from a Ctrl-Z on counts,
// and every CR goes. Returns the bytes left.
static size_t dos_block(instream &in, size_t n) {
    char *b = in.buf.data();
    if (char *z = (char *)memchr(b, 0x1a, n)) {
        n = (size_t)(z - b);
        in.cut = true;
    }
    char *w = (char *)memchr(b, '\r', n); // most blocks have none: one search, no copy
    if (!w)
        return n;
    for (const char *r = w; r < b + n; r++)
        if (*r != '\r')
            *w++ = *r;
    return (size_t)(w - b);
}

// Reads the next block; false once the input has ended or failed, and from then on.
bool in_fill(instream &in) {
    in.pos = in.len = 0;
    in.buf[0] = 0;
    while (in.len == 0) {
        if (in.cut)
            in.eof = true;
        if (in.eof || in.err)
            return false;
        size_t n = fread(in.buf.data(), 1, in.ahead ? io_block : 1, in.f);
        if (n == 0) {
            if (ferror(in.f))
                in.err = true;
            else
                in.eof = true;
            return false;
        }
        in.len = in.dos ? dos_block(in, n) : n;
    }
    in.buf[in.len] = 0;
    return true;
}

// Returns the next byte, or EOF once the input has ended or failed.
int in_get(instream &in) {
    if (in.pos == in.len && !in_fill(in))
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
