// Text conventions: every byte the program reads or writes goes through here.
#pragma once

#include <cstddef>
#include <cstdio>

// The text conventions of one program, fixed when it is built.
struct text_rules {
    bool dos_input;   // drop every CR, end the input at Ctrl-Z
    bool crlf_output; // write LF as CR LF (off where the runtime does it already)
};

// A byte source. With dos set, every CR is dropped and a Ctrl-Z ends the input.
struct instream {
    FILE *f;
    bool dos;
    bool eof;    // a read reached the end of the input
    bool err;    // a read failed for another reason
    int pending; // a byte given back by in_unget, or -1
};

// A byte sink. With crlf set, every LF goes out as CR LF.
struct outstream {
    FILE *f;
    bool crlf;
};

instream in_open(FILE *f, text_rules tr);
outstream out_open(FILE *f, text_rules tr);
int in_get(instream &in);
void in_unget(instream &in, int c);
bool is_blank(int c);
long read_word(instream &in, char *buf, size_t cap);
void skip_line(instream &in);

void out_bytes(outstream &out, const char *s, size_t n);
void out_str(outstream &out, const char *s);
void out_int(outstream &out, long long v);
void out_fixed(outstream &out, double v, int width, int prec);
void out_flush(outstream &out);
size_t fmt_fixed(char *buf, size_t cap, double v, int width, int prec);
