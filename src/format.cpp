// Fixed-point formatting of floats: the exact decimal value of the stored number, rounded
// to nearest with ties to even, as the C library's "%f" does it.
#include "format.h"

#include <cmath>
#include <cstring>

// Every whole float is below 2^128, so this holds each one exactly.
__extension__ typedef unsigned __int128 wide;

// The magnitudes a from 2^22 up, where 10^prec times them may pass 32 bits, and the
// non-numbers: writes them backwards before p; returns where they begin.
char *fmt_large(char *p, double a, int prec) {
    static const unsigned scale[] = {1, 10, 100, 1000};
    if (a >= 0x1p128 || a != a) {
        p -= 3;
        memcpy(p, a != a ? "nan" : "inf", 3);
        return p;
    }
    if (a < 0x1p23) { // halves still: rounded as in fmt_fixed, in 64 bits
        auto n = (unsigned long long)((a * scale[prec] + 0x1p52) - 0x1p52);
        return put_whole(put_fraction(p, (unsigned)(n % scale[prec]), prec), n / scale[prec]);
    }
    return put_whole(put_fraction(p, 0, prec), (wide)a); // from 2^23 up, all whole numbers
}
