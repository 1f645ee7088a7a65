#include "platform/NumarExtins.h"
#include "printing/Milimetri.h"

#include <QRandomGenerator>
#include <QtTest>
#include <cmath>
#include <limits>

namespace {

// A double of random sign and mantissa with a binary exponent in [-e, e].
double oarecare(QRandomGenerator& r, int e) {
    const double mantisa = std::ldexp(double(r.generate64() >> 11), -53) + 0.5;
    const double v = std::ldexp(mantisa, r.bounded(-e, e + 1));
    return r.bounded(2) ? -v : v;
}

constexpr bool extins80 = std::numeric_limits<long double>::digits == 64;

} // namespace

class TestNumarExtins : public QObject {
    Q_OBJECT
private slots:
    // Whole results stay whole; each pixel value is converted on its own.
    void milimetriInPixeli_data() {
        QTest::addColumn<double>("mm");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("px");
        QTest::newRow("intreg exact") << 69.9580436697015 << 100.0 << 278;
        QTest::newRow("297") << 297.0 << 100.0 << 1180;
        QTest::newRow("209.73") << 209.73 << 100.0 << 833;
        QTest::newRow("295.148 la 200") << 295.148 << 200.0 << 2345;
        QTest::newRow("210.058 la 200") << 210.058 << 200.0 << 1669;
        QTest::newRow("negativ") << -69.9580436697015 << 100.0 << -278;
    }
    void milimetriInPixeli() {
        QFETCH(double, mm);
        QFETCH(double, zoom);
        QFETCH(int, px);
        QCOMPARE(MmToPixels(mm, RezolutieEcran(zoom)), px);
    }

    void rezolutiaLa100() { QCOMPARE(RezolutieEcran(100), 100.934783616); }

    // Beyond int the nearest end of it, never an undefined conversion.
    void valoriImense() {
        QCOMPARE(MmToPixels(1e300, 100), std::numeric_limits<int>::max());
        QCOMPARE(MmToPixels(-1e300, 100), std::numeric_limits<int>::min());
        QCOMPARE(MmToPixels(std::nan(""), 100), 0);
        QCOMPARE(NumarExtins::din(2147483647.5).rotunjit(), std::numeric_limits<int>::max());
        QCOMPARE(NumarExtins::din(-2.5).rotunjit(), -2);
        QCOMPARE(NumarExtins::din(3.5).rotunjit(), 4);
    }

    // Where the compiler's long double is the x87 format, every operation gives its bits.
    void laFelCaFormatulX87() {
        if constexpr (!extins80) QSKIP("long double has no 64-bit mantissa here");
        QRandomGenerator r(20261209);
        for (int i = 0; i < 200000; ++i) {
            const double a = oarecare(r, 200), b = oarecare(r, 200);
            const long double la = a, lb = b;
            const NumarExtins ea = NumarExtins::din(a), eb = NumarExtins::din(b);
            QCOMPARE((ea * eb).laDouble(), double(la * lb));
            QCOMPARE((ea / eb).laDouble(), double(la / lb));
            // Sums of near and far magnitudes, with cancellation.
            const double c = r.bounded(2) ? std::ldexp(a, r.bounded(-70, 70))
                                          : -a * (1 + std::ldexp(1.0, -r.bounded(1, 60)));
            QCOMPARE((ea + NumarExtins::din(c)).laDouble(), double(la + (long double)c));
            QCOMPARE((ea * eb / NumarExtins::din(c)).laDouble(), double(la * lb / (long double)c));
            QCOMPARE((ea * eb - NumarExtins::din(c)).laDouble(), double(la * lb - (long double)c));
        }
        for (int i = 0; i < 200000; ++i) {
            const double mm = oarecare(r, 9), zoom = std::fabs(oarecare(r, 9));
            const double dpi = double(96.0L * zoom / 100.0L) * 1.051403996L;
            QCOMPARE(RezolutieEcran(zoom), double(double(96.0L * zoom / 100.0L) * 1.051403996L));
            QCOMPARE(MmToPixels(mm, dpi), int(double((long double)mm * dpi / 25.4L)));
            const int px = int(r.bounded(-20000, 20000));
            QCOMPARE(PixelsToMm(px, dpi), double((long double)px * 25.4L / dpi));
            const long double x = (long double)mm * (zoom / 7);
            QCOMPARE((NumarExtins::din(mm) * NumarExtins::din(zoom / 7)).rotunjit(), int(std::nearbyintl(x)));
        }
    }
};

QTEST_GUILESS_MAIN(TestNumarExtins)
#include "tst_NumarExtins.moc"
