#include "platform/NumarExtins.h"

#include <cmath>
#include <limits>
#include <utility>

namespace {

using u64 = std::uint64_t;

// 128 bits as two halves; the plain integer arithmetic the rounding needs.
struct U128 {
    u64 hi = 0, lo = 0;
};

int lungime(u64 x) {
    int n = 0;
    for (; x; x >>= 1)
        ++n;
    return n;
}

int lungime(U128 x) {
    return x.hi ? 64 + lungime(x.hi) : lungime(x.lo);
}

bool bit(U128 x, int i) {
    return i >= 64 ? (x.hi >> (i - 64)) & 1 : (x.lo >> i) & 1;
}

U128 laStanga(U128 x, int s) {
    if (s == 0) return x;
    if (s >= 128) return {};
    if (s >= 64) return {x.lo << (s - 64), 0};
    return {(x.hi << s) | (x.lo >> (64 - s)), x.lo << s};
}

U128 laDreapta(U128 x, int s) {
    if (s == 0) return x;
    if (s >= 128) return {};
    if (s >= 64) return {0, x.hi >> (s - 64)};
    return {x.hi >> s, (x.lo >> s) | (x.hi << (64 - s))};
}

// Shifted right; any bit that falls off is kept as the lowest bit, so rounding still sees it.
U128 laDreaptaCuRest(U128 x, int s) {
    const U128 r = laDreapta(x, s);
    const bool pierdut =
        s >= 128 ? (x.hi | x.lo) != 0 : laStanga(r, s).hi != x.hi || laStanga(r, s).lo != x.lo;
    return {r.hi, r.lo | (pierdut ? 1u : 0u)};
}

bool maiMic(U128 a, U128 b) {
    return a.hi != b.hi ? a.hi < b.hi : a.lo < b.lo;
}

U128 plus(U128 a, U128 b) {
    const u64 lo = a.lo + b.lo;
    return {a.hi + b.hi + (lo < a.lo ? 1 : 0), lo};
}

U128 minus(U128 a, U128 b) {
    return {a.hi - b.hi - (a.lo < b.lo ? 1 : 0), a.lo - b.lo};
}

U128 produs(u64 a, u64 b) {
    const u64 a0 = a & 0xFFFFFFFFu, a1 = a >> 32, b0 = b & 0xFFFFFFFFu, b1 = b >> 32;
    const u64 p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
    const u64 mijloc = (p00 >> 32) + (p01 & 0xFFFFFFFFu) + (p10 & 0xFFFFFFFFu);
    return {p11 + (p01 >> 32) + (p10 >> 32) + (mijloc >> 32), (mijloc << 32) | (p00 & 0xFFFFFFFFu)};
}

// Rounds x (nonzero) to `biti` bits, nearest with ties to even; the exponent follows.
u64 rotunjeste(U128 x, int biti, int& exponent) {
    const int l = lungime(x);
    if (l <= biti) {
        exponent -= biti - l;
        return laStanga(x, biti - l).lo;
    }
    const int s = l - biti;
    u64 q = laDreapta(x, s).lo;
    const U128 rest = minus(x, laStanga(U128{0, q}, s));
    const U128 jumatate = laStanga(U128{0, 1}, s - 1);
    exponent += s;
    if (maiMic(jumatate, rest) || (!maiMic(rest, jumatate) && (q & 1))) {
        ++q;
        // All ones rounded up: the next power of two.
        if (q == 0 || lungime(q) > biti) {
            q = u64(1) << (biti - 1);
            ++exponent;
        }
    }
    return q;
}

} // namespace

NumarExtins NumarExtins::din(double v) {
    NumarExtins n;
    n.negativ_ = std::signbit(v);
    if (std::isnan(v)) {
        n.nan_ = true;
    } else if (std::isinf(v)) {
        n.infinit_ = true;
    } else if (v != 0.0) {
        int e = 0;
        const double f = std::frexp(std::fabs(v), &e);
        n.mantisa_ = static_cast<u64>(std::ldexp(f, 64));
        n.exponent_ = e - 64;
    }
    return n;
}

NumarExtins NumarExtins::din(std::int64_t v) {
    NumarExtins n;
    n.negativ_ = v < 0;
    u64 marime = n.negativ_ ? u64(0) - static_cast<u64>(v) : static_cast<u64>(v);
    if (marime == 0) return n;
    int exponent = 0;
    n.mantisa_ = rotunjeste(U128{0, marime}, 64, exponent);
    n.exponent_ = exponent;
    return n;
}

NumarExtins NumarExtins::fractie(std::int64_t a, std::int64_t b) {
    return din(a) / din(b);
}

NumarExtins operator+(NumarExtins a, NumarExtins b) {
    if (a.nan_ || a.infinit_ || b.nan_ || b.infinit_) return NumarExtins::din(a.laDouble() + b.laDouble());
    if (b.mantisa_ == 0) return a;
    if (a.mantisa_ == 0) return b;
    if (a.exponent_ < b.exponent_ || (a.exponent_ == b.exponent_ && a.mantisa_ < b.mantisa_)) std::swap(a, b);
    // Two bits of room above the larger one, so the sum cannot overflow.
    const U128 x{a.mantisa_ >> 2, a.mantisa_ << 62};
    const U128 y = laDreaptaCuRest(U128{b.mantisa_ >> 2, b.mantisa_ << 62}, a.exponent_ - b.exponent_);
    const U128 suma = a.negativ_ == b.negativ_ ? plus(x, y) : minus(x, y);
    NumarExtins r;
    if (suma.hi == 0 && suma.lo == 0) return r;
    r.negativ_ = a.negativ_;
    int exponent = a.exponent_ - 62;
    r.mantisa_ = rotunjeste(suma, 64, exponent);
    r.exponent_ = exponent;
    return r;
}

NumarExtins operator-(NumarExtins a, NumarExtins b) {
    b.negativ_ = !b.negativ_;
    return a + b;
}

NumarExtins operator*(NumarExtins a, NumarExtins b) {
    if (a.nan_ || a.infinit_ || b.nan_ || b.infinit_) return NumarExtins::din(a.laDouble() * b.laDouble());
    NumarExtins r;
    r.negativ_ = a.negativ_ != b.negativ_;
    if (a.mantisa_ == 0 || b.mantisa_ == 0) return r;
    int exponent = a.exponent_ + b.exponent_;
    r.mantisa_ = rotunjeste(produs(a.mantisa_, b.mantisa_), 64, exponent);
    r.exponent_ = exponent;
    return r;
}

NumarExtins operator/(NumarExtins a, NumarExtins b) {
    if (a.nan_ || a.infinit_ || b.nan_ || b.infinit_ || b.mantisa_ == 0)
        return NumarExtins::din(a.laDouble() / b.laDouble());
    NumarExtins r;
    r.negativ_ = a.negativ_ != b.negativ_;
    if (a.mantisa_ == 0) return r;
    // a * 2^64 / b bit by bit, two bits further, and whatever remains as the lowest bit.
    const U128 deimpartit{a.mantisa_, 0};
    U128 cat;
    u64 rest = 0;
    for (int i = 127 + 2; i >= 0; --i) {
        const bool transport = (rest >> 63) != 0;
        rest = (rest << 1) | (i >= 2 && bit(deimpartit, i - 2) ? 1 : 0);
        cat = laStanga(cat, 1);
        if (transport || rest >= b.mantisa_) {
            rest -= b.mantisa_;
            cat.lo |= 1;
        }
    }
    cat.lo |= rest != 0 ? 1 : 0;
    int exponent = a.exponent_ - b.exponent_ - 64 - 2;
    r.mantisa_ = rotunjeste(cat, 64, exponent);
    r.exponent_ = exponent;
    return r;
}

double NumarExtins::laDouble() const {
    if (nan_) return std::numeric_limits<double>::quiet_NaN();
    const double semn = negativ_ ? -1.0 : 1.0;
    if (infinit_) return semn * std::numeric_limits<double>::infinity();
    if (mantisa_ == 0) return semn * 0.0;
    int exponent = exponent_;
    const u64 m = rotunjeste(U128{0, mantisa_}, 53, exponent);
    return semn * std::ldexp(static_cast<double>(m), exponent);
}

int NumarExtins::intreg(bool laPar) const {
    constexpr int maxim = std::numeric_limits<int>::max();
    constexpr int minim = std::numeric_limits<int>::min();
    if (nan_ || mantisa_ == 0) return 0;
    if (infinit_ || exponent_ >= 0) return negativ_ ? minim : maxim;
    const int s = -exponent_;
    u64 parteIntreaga = s >= 64 ? 0 : mantisa_ >> s;
    if (laPar && s <= 64) {
        const u64 fractie = s == 64 ? mantisa_ : mantisa_ & ((u64(1) << s) - 1);
        const u64 jumatate = u64(1) << (s - 1);
        if (fractie > jumatate || (fractie == jumatate && (parteIntreaga & 1))) ++parteIntreaga;
    }
    if (negativ_)
        return parteIntreaga > u64(maxim) + 1 ? minim
                                              : static_cast<int>(-static_cast<std::int64_t>(parteIntreaga));
    return parteIntreaga > u64(maxim) ? maxim : static_cast<int>(parteIntreaga);
}

int NumarExtins::trunchiat() const {
    return intreg(false);
}

int NumarExtins::rotunjit() const {
    return intreg(true);
}
