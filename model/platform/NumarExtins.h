#pragma once

#include <cstdint>

// A number with a 64-bit mantissa, each operation rounded to nearest (ties to even) as the x87
// extended format does, carried out in integers: the results are the same bits on every
// compiler, also where long double has only 53 bits. Millimetre and pixel conversions use it.
class NumarExtins {
public:
    NumarExtins() = default;
    static NumarExtins din(double v);
    static NumarExtins din(std::int64_t v);
    // The exact quotient a / b rounded once: how a decimal constant is written in this format.
    static NumarExtins fractie(std::int64_t a, std::int64_t b);

    friend NumarExtins operator+(NumarExtins a, NumarExtins b);
    friend NumarExtins operator-(NumarExtins a, NumarExtins b);
    friend NumarExtins operator*(NumarExtins a, NumarExtins b);
    friend NumarExtins operator/(NumarExtins a, NumarExtins b);

    // Rounded to double precision (nearest, ties to even).
    double laDouble() const;
    // Whole part toward zero, and nearest whole number with ties to even; beyond int's range
    // the nearest end of it, not-a-number 0.
    int trunchiat() const;
    int rotunjit() const;

private:
    bool negativ_ = false;
    bool nan_ = false;
    bool infinit_ = false;
    std::uint64_t mantisa_ = 0; // bit 63 set, or 0 for zero
    int exponent_ = 0;          // value = mantisa_ * 2^exponent_

    int intreg(bool laPar) const;
};
