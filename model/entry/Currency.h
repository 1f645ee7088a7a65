#pragma once

#include <QMetaType>
#include <QtGlobal>
#include <cmath>
#include <compare>

// A money or grade amount with four fixed decimals, held exactly as ten-thousandths in 64 bits
// (9,63 is 96300). Doubles are only a way in and out; all arithmetic stays in integers.
struct Currency {
    qint64 zeciMii = 0;

    static constexpr Currency dinZeciMii(qint64 valoare) { return Currency{valoare}; }
    static constexpr Currency dinIntreg(qint64 valoare) { return Currency{valoare * 10000}; }
    // Rounds to the nearest ten-thousandth, halves to even, as the FPU does.
    static Currency dinDouble(double valoare) { return Currency{qint64(std::nearbyint(valoare * 10000.0))}; }

    double toDouble() const { return double(zeciMii) / 10000.0; }
    bool negativ() const { return zeciMii < 0; }

    auto operator<=>(const Currency&) const = default;
};
Q_DECLARE_METATYPE(Currency)
