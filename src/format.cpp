// Fixed point: the stored value's exact decimal rounded to nearest, ties to even, as "%f".
#include "format.h"

#include <cmath>
#include <cstring>

// Every whole float is below 2^128, so this holds each one exactly.
__extension__ typedef unsigned __int128 wide;

// The floats from 2^22 up, where 10^prec times them may pass 32 bits, and the non-numbers.
size_t fmt_large(char *buf, float v, int width, int prec) {
    static const unsigned scale[] = {1, 10, 100, 1000};
    char tmp[fixed_cap], *end = tmp + sizeof tmp, *p = end;
    double a = std::fabs((double)v);
    if (a >= 0x1p128 || a != a) {
        p -= 3;
        memcpy(p, a != a ? "nan" : "inf", 3);
    } else if (a < 0x1p23) { // halves still: rounded as in fmt_fixed, in 64 bits
        auto n = (unsigned long long)((a * scale[prec] + 0x1p52) - 0x1p52);
        p = put_whole(put_fraction(p, (unsigned)(n % scale[prec]), prec), n / scale[prec]);
    } else { // from 2^23 up every float is a whole number
        p = put_whole(put_fraction(p, 0, prec), (wide)a);
    }
    if (std::signbit(v))
        *--p = '-';
    size_t len = (size_t)(end - p), pad = len < (size_t)width ? (size_t)width - len : 0;
    memset(buf, ' ', pad);
    memcpy(buf + pad, p, len);
    return pad + len;
}
