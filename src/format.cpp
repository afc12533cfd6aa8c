// Fixed point: the stored value's exact decimal rounded to nearest, ties to even, as "%f".
#include "format.h"

#include <cmath>
#include <cstdint>
#include <cstring>

// Writes the digits of the whole number a (below 2^128) backwards before p. No standard
// type holds every whole float, so it is taken as four 32-bit limbs divided by ten in turn.
static char *put_big(char *p, double a) {
    uint32_t limb[4];
    double unit = 0x1p96;
    for (int i = 3; i >= 0; i--, unit /= 0x1p32) { // exact: a has at most 24 significant bits
        limb[i] = (uint32_t)(a / unit);
        a -= limb[i] * unit;
    }
    do {
        uint64_t rem = 0;
        for (int i = 3; i >= 0; i--) {
            uint64_t cur = rem << 32 | limb[i];
            limb[i] = (uint32_t)(cur / 10);
            rem = cur % 10;
        }
        *--p = (char)('0' + rem);
    } while (limb[0] | limb[1] | limb[2] | limb[3]);
    return p;
}

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
        p = put_big(put_fraction(p, 0, prec), a);
    }
    if (std::signbit(v))
        *--p = '-';
    size_t len = (size_t)(end - p), pad = len < (size_t)width ? (size_t)width - len : 0;
    memset(buf, ' ', pad);
    memcpy(buf + pad, p, len);
    return pad + len;
}
