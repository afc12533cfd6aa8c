// Test helpers: files holding given bytes, and the bytes a run wrote.
#pragma once

#include <cstdio>
#include <string>

// A temporary file holding the given bytes, positioned at its start.
inline FILE *file_of(const std::string &bytes) {
    FILE *f = tmpfile();
    fwrite(bytes.data(), 1, bytes.size(), f);
    rewind(f);
    return f;
}

// Everything written to f, which is then closed.
inline std::string contents(FILE *f) {
    fflush(f);
    rewind(f);
    std::string s;
    for (int c; (c = getc(f)) != EOF;)
        s += (char)c;
    fclose(f);
    return s;
}
