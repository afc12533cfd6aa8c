// The floor of a run's cost: reads a file whole and writes as many bytes as a run of the
// program writes, on standard output and into lc.txt, through the same stdio calls.
// Usage: floor DATA CONSOLE_BYTES CHART_BYTES
#include <cstdio>
#include <cstdlib>

static void fill(FILE *f, char *buf, size_t size, long n) {
    for (; n > 0; n -= (long)size)
        fwrite(buf, 1, n < (long)size ? (size_t)n : size, f);
}

int main(int argc, char **argv) {
    if (argc != 4)
        return 2;
    static char buf[8192];
    FILE *in = fopen(argv[1], "r");
    if (!in)
        return 1;
    while (fread(buf, 1, sizeof buf, in) > 0)
        ;
    fclose(in);
    FILE *chart = fopen("lc.txt", "w");
    if (!chart)
        return 1;
    fill(stdout, buf, sizeof buf, atol(argv[2]));
    fill(chart, buf, sizeof buf, atol(argv[3]));
    return fclose(chart) != 0 || fflush(stdout) != 0;
}
