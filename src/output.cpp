// Byte output: the buffer, the line-break rule, and the checks that every byte arrived.
#include "output.h"

// A null f makes a sink that takes every byte and keeps none.
void out_open(outstream &out, FILE *f, bool crlf) {
    if (f)
        setvbuf(f, nullptr, _IONBF, 0); // the buffer here is the only one: no second copy
    out.f = f;
    out.crlf = crlf;
    out.bad = false;
    out.len = 0;
}

// Hands the buffered bytes to the stream.
void out_drain(outstream &out) {
    if (out.len > 0 && out.f && fwrite(out.buf.data(), 1, out.len, out.f) != out.len)
        out.bad = true;
    out.len = 0;
}

// Writes s, each line break under the conventions.
void out_str(outstream &out, const char *s) {
    for (; *s; s++) {
        char *p = out_space(out, 2);
        if (*s == '\n') {
            out_line(out, 0);
            continue;
        }
        *p = *s;
        out.len++;
    }
}

// Writes v as "%d" does.
void out_int(outstream &out, long long v) {
    char digits[24], *p = digits + sizeof digits;
    unsigned long long u = v < 0 ? 0 - (unsigned long long)v : (unsigned long long)v;
    do
        *--p = (char)('0' + u % 10);
    while ((u /= 10) > 0);
    if (v < 0)
        *--p = '-';
    char *to = out_space(out, sizeof digits);
    while (p < digits + sizeof digits)
        *to++ = *p++;
    out.len = (size_t)(to - out.buf.data());
}

void out_flush(outstream &out) {
    out_drain(out);
    if (fflush(out.f) != 0)
        out.bad = true;
}

// Flushes and tells whether every byte reached the file. A failed write may set only the
// stream's error indicator: its bytes are dropped, and a later close finds nothing to fail on.
bool out_ok(outstream &out) {
    out_flush(out);
    return !out.bad && !ferror(out.f);
}

// out_ok, then closes the stream; false when any of them failed.
bool out_close(outstream &out) {
    bool ok = out_ok(out);
    return fclose(out.f) == 0 && ok;
}
