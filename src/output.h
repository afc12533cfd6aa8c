// Byte output, buffered whole, with the line-break rule of the text conventions.
#pragma once

#include <array>
#include <cstddef>
#include <cstdio>

// A byte sink. With crlf set every line break goes out as CR LF; with no file it keeps nothing.
struct outstream {
    FILE *f;
    bool crlf;
    bool bad; // a write failed: bytes are lost, whatever a later close says
    size_t len;
    std::array<char, 8192> buf;
};

void out_open(outstream &out, FILE *f, bool crlf);
// Cold: once a buffer, so the writers are laid out for the bytes in between.
[[gnu::cold]] void out_drain(outstream &out);

// Room for n more bytes (n well below the buffer's size) at the returned place.
inline char *out_space(outstream &out, size_t n) {
    if (out.buf.size() - out.len < n)
        out_drain(out);
    return out.buf.data() + out.len;
}

// Takes the n bytes placed at out_space, with a line break after them (2 more bytes).
inline void out_line(outstream &out, size_t n) {
    char *p = out.buf.data() + out.len + n;
    if (out.crlf)
        *p++ = '\r';
    *p++ = '\n';
    out.len = (size_t)(p - out.buf.data());
}

void out_str(outstream &out, const char *s);
void out_int(outstream &out, long long v);
void out_flush(outstream &out);
bool out_ok(outstream &out);
bool out_close(outstream &out);
