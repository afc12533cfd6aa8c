// Fixed-point numbers as "%<width>.<prec>f" writes them, the same on every C runtime.
#pragma once

#include <cassert>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstring>

// The rounding steps here and in the reader hold only where every float and double operation
// is rounded to its own type; the x87 unit of 32-bit x86 keeps more bits and prints other
// digits, so such a build stops here instead.
static_assert(FLT_EVAL_METHOD == 0, "floating point must round each operation to its own type "
                                    "(FLT_EVAL_METHOD 0); on 32-bit x86, -msse2 -mfpmath=sse");
#ifdef __FAST_MATH__ // which folds the add and take away of 2^52 to nothing, among others
#error "-ffast-math (or -Ofast) changes the rounding the printed numbers rely on"
#endif

constexpr size_t fixed_cap = 48; // room for any float with up to 3 decimals

size_t fmt_large(char *buf, float v, int width, int prec);

// "00" to "99": two digits a step halve the divisions.
inline constexpr char pairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes the digits of n backwards before p; returns where they begin.
template <class T> inline char *put_whole(char *p, T n) {
    for (; n >= 100; n /= 100) {
        p -= 2;
        memcpy(p, pairs + 2 * (int)(n % 100), 2);
    }
    if (n >= 10) {
        p -= 2;
        memcpy(p, pairs + 2 * (int)n, 2);
    } else {
        *--p = (char)('0' + (int)n);
    }
    return p;
}

// Writes the point and the prec decimals of f (below 10^prec) backwards before p, likewise.
inline char *put_fraction(char *p, unsigned f, int prec) {
    if (prec == 0)
        return p;
    if (prec & 1) {
        *--p = (char)('0' + f % 10);
        f /= 10;
    }
    if (prec >= 2) {
        p -= 2;
        memcpy(p, pairs + 2 * f, 2); // below 100 by now
    }
    *--p = '.';
    return p;
}

// Writes v as "%<width>.<prec>f" (width 0 to 8, prec 0 to 3) into buf, whose fixed_cap bytes
// it may all overwrite; returns the length. Inline, so the branches on width and prec go.
inline size_t fmt_fixed(char *buf, float v, int width, int prec) {
    assert(width >= 0 && width <= 8 && prec >= 0 && prec <= 3); // the scratch holds no more
    const unsigned scale[] = {1, 10, 100, 1000};
    double a = std::fabs((double)v);
    if (!(a < 0x1p22)) // below, 32 bits hold the scaled number
        return fmt_large(buf, v, width, prec);
    // a times 10^prec has at most 34 significant bits, so it is exact in double, and adding
    // and taking away 2^52 rounds it to a whole number, ties to even
    auto n = (unsigned)(long long)((a * scale[prec] + 0x1p52) - 0x1p52);
    unsigned whole = n / scale[prec];
    char tmp[32], *end = tmp + 16;  // at most 12 bytes: sign, 7 digits, point, 3 decimals
    memcpy(end - 8, "        ", 8); // the field's blanks, for the digits to overwrite
    char *p = put_whole(put_fraction(end, n - whole * scale[prec], prec), whole);
    if (std::signbit(v))
        *--p = '-';
    if (p > end - width)
        p = end - width;
    memcpy(buf, p, 16); // a fixed size copies in two moves
    return (size_t)(end - p);
}
