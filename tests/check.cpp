// Runs the program path on given bytes in a scratch directory, and checks its output line
// by line against the lines it may write: prompts, dialogue messages, listing, range
// lines, chart rows, date keys and failure messages.
#include "check.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <vector>

static std::string slurp(FILE *f) {
    std::string s;
    char buf[4096];
    size_t n;
    rewind(f);
    while ((n = fread(buf, 1, sizeof buf, f)) > 0)
        s.append(buf, n);
    return s;
}

static char scratch[] = "dayplot-check-XXXXXX";

// Removes the scratch directory and what the runs left in it.
static void remove_scratch() {
    remove("d");
    remove("lc.txt");
    if (chdir("..") == 0)
        rmdir(scratch);
}

// Runs one whole dialogue and run with the data file "d", in a scratch directory below the
// current one that goes at exit; the storage is reused.
const outcome &run_case(const std::string &answers, const std::string &data, bool dos) {
    static bool in_scratch;
    if (!in_scratch) {
        if (!mkdtemp(scratch) || chdir(scratch) != 0)
            abort();
        atexit(remove_scratch);
        in_scratch = true;
    }
    static outcome o;
    static obs_table table;
    static chart_grid grid;
    o = outcome{};
    FILE *d = fopen("d", "wb");
    fwrite(data.data(), 1, data.size(), d);
    fclose(d);
    remove("lc.txt");
    FILE *in = tmpfile(), *out = tmpfile();
    fwrite(answers.data(), 1, answers.size(), in);
    rewind(in);
    o.status = run(in, out, text_rules{dos, dos}, o.rs, table, grid);
    o.console = slurp(out);
    fclose(in);
    fclose(out);
    if (FILE *lc = fopen("lc.txt", "rb")) {
        o.lc_exists = true;
        o.lc = slurp(lc);
        fclose(lc);
    }
    return o;
}

namespace {

struct cursor {
    const std::string &s;
    size_t p = 0;
    bool eat(const char *lit) {
        size_t n = strlen(lit);
        if (s.compare(p, n, lit) != 0)
            return false;
        p += n;
        return true;
    }
    bool end() const {
        return p == s.size();
    }
    bool digit() const {
        return p < s.size() && s[p] >= '0' && s[p] <= '9';
    }
    // a decimal integer as "%d" writes it
    bool integer(long long &v) {
        size_t q = p;
        bool neg = eat("-");
        if (!digit() || (s[p] == '0' && p + 1 < s.size() && s[p + 1] >= '0' && s[p + 1] <= '9'))
            return (p = q, false);
        for (v = 0; digit(); p++)
            v = v * 10 + (s[p] - '0');
        if (neg)
            v = -v;
        return true;
    }
    // a fixed-point number as "%<width>.<prec>f" writes it
    bool fixed(size_t width, size_t prec) {
        size_t q = p;
        while (p < s.size() && s[p] == ' ')
            p++;
        size_t pad = p - q, start = p;
        eat("-");
        bool ok = digit();
        while (digit())
            p++;
        ok = ok && eat(".");
        for (size_t i = 0; ok && i < prec; i++, p++)
            ok = digit();
        size_t len = p - start;
        ok = ok && (pad == 0 ? len >= width : pad + len == width);
        if (!ok)
            p = q;
        return ok;
    }
    // a chart row of exactly n cells, then the given tail
    bool row(int n, const char *tail) {
        for (int i = 0; i < n; i++, p++)
            if (p >= s.size() || s[p] == 0 || !strchr(" |+-*#0123456789", s[p]))
                return false;
        return eat(tail);
    }
};

const char *prompts[] = {"\ndata file name = ",
                         "\nUT\x82\xc9\x95\xcf\x8a\xb7\x82\xb5\x82\xdc\x82\xb7\x82\xa9 (y/n) "};
const char *ended = "Input ended before all answers were read.\n";

// LF line breaks from the program's convention; false where a line break is malformed.
bool normalize(const std::string &in, bool dos, std::string &out) {
    out.clear();
    for (size_t i = 0; i < in.size(); i++) {
        if (in[i] == '\r') {
            if (!dos || i + 1 == in.size() || in[i + 1] != '\n')
                return false;
            continue;
        }
        if (in[i] == '\n' && dos && (i == 0 || in[i - 1] != '\r'))
            return false;
        out += in[i];
    }
    return true;
}

// The dialogue part; false when the output stops there (input ended).
bool dialogue(cursor &c, std::string &err) {
    for (const char *p : prompts) {
        if (!c.eat(p))
            return err = "prompt missing", false;
        if (c.eat(ended))
            return false;
    }
    const char *asks[][2] = {{"\ny axis =", "y axis must be a whole number from 2 to 79.\n"},
                             {"x axis =", "x axis must be a whole number from 4 to 79.\n"}};
    for (auto &a : asks) {
        do
            if (!c.eat(a[0]))
                return err = "size prompt missing", false;
        while (c.eat(a[1]));
        if (c.eat(ended))
            return false;
    }
    return true;
}

struct chart_seen {
    long long key;
    size_t rows_at; // where its rows start in the normalized console
};

} // namespace

// Returns "" when the run's console output and chart file are what the program may write,
// else what is wrong.
std::string check_outcome(const outcome &o, bool dos) {
    std::string s, lc, err;
    if (o.status != 0 && o.status != 1)
        return "exit status " + std::to_string(o.status);
    if (!normalize(o.console, dos, s))
        return "bad line break on the console";
    cursor c{s};
    auto finish = [&](int want) -> std::string {
        if (!c.end())
            return "unexpected text at console byte " + std::to_string(c.p);
        if (o.status != want)
            return "exit status " + std::to_string(o.status) + " after this output";
        return "";
    };
    if (!dialogue(c, err))
        return err.empty() ? (o.lc_exists ? "lc.txt written" : finish(1)) : err;
    if (c.eat("Cannot open input file. 0\n"))
        return o.lc_exists ? "lc.txt written" : finish(1);
    long n = 0;
    while (c.eat("  ") && c.fixed(5, 2) && c.eat(" ") && c.fixed(7, 3) && c.eat(" \n"))
        n++;
    if (c.eat("Cannot read input file.\n") || (n == 0 && c.eat("No records in input file.\n")) ||
        (n == 5000 && c.eat("Too many records in input file.\n")) ||
        c.eat("file close error. -1\n"))
        return o.lc_exists ? "lc.txt written" : finish(1);
    if (n == 0)
        return "no listing line";
    if (c.eat("Cannot open output file. 0\n"))
        return finish(1);
    int ys = o.rs.ysize, xs = o.rs.xsize;
    if (ys < 2 || ys > 79 || xs < 4 || xs > 79)
        return "sizes outside their range";
    std::vector<chart_seen> charts;
    long long v[4];
    while (c.eat("\nY max=")) {
        if (!(c.integer(v[0]) && c.eat(" min=") && c.integer(v[1]) && c.eat(" / X max=") &&
              c.integer(v[2]) && c.eat(" min=") && c.integer(v[3]) && c.eat("\n\n")))
            return "bad range line";
        if (v[0] < v[1] || v[2] < v[3])
            return "range line with max below min";
        size_t at = c.p;
        for (int r = ys; r >= 0; r--)
            if (!c.row(xs + 1, "\n"))
                return "bad chart row";
        long long key;
        if (!c.integer(key) || !c.eat(" "))
            return "bad date key";
        charts.push_back({key, at});
    }
    if ((long)charts.size() >= n)
        return "more days than entries";
    bool close_failed = c.eat("file close error. -1\n");
    std::string done = finish(close_failed ? 1 : 0);
    if (!done.empty())
        return done;
    if (!o.lc_exists)
        return "no lc.txt";
    if (!normalize(o.lc, dos, lc))
        return "bad line break in lc.txt";
    cursor f{lc};
    const char *zone = o.rs.ut == 'y' ? " (UT)\n" : " (JST)\n";
    long entries = 0;
    for (const chart_seen &ch : charts) {
        long long key, count;
        if (!(f.eat("\n\ndate=") && f.integer(key) && f.eat(" n=") && f.integer(count) &&
              f.eat("\n")) ||
            key != ch.key || count < 1)
            return "bad section header in lc.txt";
        entries += count;
        size_t rows = f.p, len = (size_t)(ys + 1) * (xs + 2) - 1;
        for (int r = ys; r >= 0; r--)
            if (!f.row(xs + 1, r == 0 ? zone : "\n"))
                return "bad chart row in lc.txt";
        if (lc.compare(rows, len, s, ch.rows_at, len) != 0)
            return "lc.txt chart differs from the console's";
    }
    if (!f.end())
        return "unexpected text in lc.txt";
    if (entries >= n)
        return "more charted entries than listed";
    return "";
}
