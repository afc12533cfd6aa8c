// The dialogue: the four questions and their answers.
#include "dialogue.h"

#include <cctype>
#include <cstring>

// A name is copied out of the word where it lies, of which only word_keep bytes stay together.
static_assert(name_cap - 1 <= word_keep, "a data file name must fit the bytes a word keeps");

// The UT question as the console has always shown it, in Shift_JIS.
static const char ut_prompt[] =
    "\nUT\x82\xc9\x95\xcf\x8a\xb7\x82\xb5\x82\xdc\x82\xb7\x82\xa9 (y/n) ";

static void prompt(outstream &out, const char *text) {
    out_str(out, text);
    out_flush(out);
}

// Reads an optionally signed integer, saturating far beyond any valid size, and leaves the
// byte after it; a reply that is not a number gives bad and loses the rest of its line.
static ask_status read_int(instream &in, long long &v, bool &bad) {
    int c;
    do
        c = in_get(in);
    while (is_blank(c));
    bool neg = c == '-';
    if (c == '-' || c == '+')
        c = in_get(in);
    if (c == EOF)
        return ask_ended;
    bad = !isdigit(c);
    if (bad) {
        if (c != '\n')
            skip_line(in);
        return ask_ok;
    }
    for (v = 0; isdigit(c); c = in_get(in))
        if (v < 1000000000000LL)
            v = v * 10 + (c - '0');
    in_unget(in, c);
    if (neg)
        v = -v;
    return ask_ok;
}

// Asks for a size until the answer is a whole number from lo to hi.
static ask_status ask_size(instream &in, outstream &out, const char *text, const char *msg, int lo,
                           int hi, int &size) {
    for (;;) {
        prompt(out, text);
        long long v = 0;
        bool bad = false;
        if (read_int(in, v, bad) == ask_ended)
            return ask_ended;
        if (!bad && v >= lo && v <= hi) {
            size = (int)v;
            return ask_ok;
        }
        out_str(out, msg);
    }
}

// Fills the settings from the four answers.
ask_status ask_settings(instream &in, outstream &out, run_settings &rs) {
    prompt(out, "\ndata file name = ");
    size_t len;
    const char *w = read_word(in, len);
    if (!w)
        return ask_ended;
    // a name cut short or stopped early by a NUL byte would open another file
    rs.name_ok = len < name_cap && !memchr(w, 0, len);
    size_t kept = len < name_cap ? len : name_cap - 1;
    memcpy(rs.name, w, kept);
    rs.name[kept] = 0;
    prompt(out, ut_prompt);
    if (!(w = read_word(in, len)))
        return ask_ended;
    rs.ut = w[0];
    if (ask_size(in, out, "\ny axis =", "y axis must be a whole number from 2 to 79.\n", 2, 79,
                 rs.ysize) != ask_ok)
        return ask_ended;
    return ask_size(in, out, "x axis =", "x axis must be a whole number from 4 to 79.\n", 4, 79,
                    rs.xsize);
}
