#include "platform/FormatNumar.h"

#include <QtTest>

class TestFormatNumar : public QObject {
    Q_OBJECT

private slots:
    void numar_data() {
        QTest::addColumn<double>("valoare");
        QTest::addColumn<QString>("cod");
        QTest::addColumn<bool>("sistem1904");
        QTest::addColumn<QString>("text");
        auto caz = [](const char* nume, double v, const QString& cod, const QString& text,
                      bool s1904 = false) { QTest::newRow(nume) << v << cod << s1904 << text; };
        // General: in full, 15 significant digits
        caz("cnp", 1850101123456, "General", "1850101123456");
        caz("general negativ", -2.5, "General", "-2,5");
        caz("general 15 cifre", 2.0 / 3, "General", "0,666666666666667");
        caz("general mare", 1.5e20, "General", "1,5E+020");
        caz("general mic", 1e-10, "General", "1E-10");
        // rounding: decimal, half away from zero
        caz("0.00 2.675", 2.675, "0.00", "2,68");
        caz("0.00 -0.005", -0.005, "0.00", "-0,01");
        caz("0 -2.5", -2.5, "0", "-3");
        caz("mii 999.5", 999.5, "#,##0", "1.000");
        caz("mii negativ", -1234567.891, "#,##0.00", "-1.234.567,89");
        caz("scalare", 1234567, "#,##0,", "1.235");
        caz("zerouri", 42, "00000", "00042");
        caz("diez", 0.5, "#.##", ",5");
        caz("semn intrebare", 1.5, "??.??", " 1,5 ");
        // sections, conditions, colours, literals, spacing
        caz("negativ in a doua sectiune", -12.5, "0.00_);(0.00)", "(12,50)");
        caz("spatiu _)", 12.5, "0.00_);(0.00)", "12,50 ");
        caz("sectiunea zero", 0, "0.00;-0.00;\"zero\"", "zero");
        caz("conditie", 4.99, "[>=5]\"Promovat\";\"Corigent\"", "Corigent");
        caz("culoare", -3, "0;[Red]-0", "-3");
        caz("moneda", -1234.5, "#,##0.00\\ [$lei-418];[RED]\\-#,##0.00\\ [$lei-418]", "-1.234,50 lei");
        caz("umplere", 7, "*-0", "7");
        caz("procent", 0.1234, "0.00%", "12,34%");
        caz("exponent", 12345, "0.00E+00", "1,23E+04");
        caz("exponent rotunjit in sus", 9.999, "0.00E+00", "1,00E+01");
        caz("inginer", 0.000123, "##0.0E+0", "123,0E-6");
        caz("fractie", -2.75, "# ?/?", "-2 3/4");
        caz("fractie fara parte", 5, "# ?\?/?\?", "5      ");
        caz("fractie numitor fix", 0.3, "# ?/4", " 1/4");
        // dates and times
        caz("data", 45356, "dd/mm/yyyy", "05.03.2024");
        caz("implicit 14", 45356, FormatNumar::codImplicit(14), "05.03.2024");
        caz("zi si luna", 45359, "dddd, d mmmm yyyy", "vineri, 8 martie 2024");
        caz("luna scurta", 45566, "d mmm yy", "1 oct 24");
        caz("ora am/pm", 45356.5882, "h:mm AM/PM", "2:07 PM");
        caz("miezul noptii am/pm", 0.01, "h AM/PM", "12 AM");
        caz("ore scurse", 1.5, "[h]:mm", "36:00");
        caz("minute scurse", 0.5, "[mm]:ss", "720:00");
        caz("secunde rotunjite", 0.99999999, "hh:mm:ss", "00:00:00");
        caz("zecimi de secunda", 1.0 / 86400 * 1.25, "mm:ss.00", "00:01,25");
        caz("29 februarie 1900", 60, "dd.mm.yyyy", "29.02.1900");
        caz("1 ianuarie 1900", 1, "dd.mm.yyyy", "01.01.1900");
        caz("1 martie 1900", 61, "dd.mm.yyyy", "01.03.1900");
        caz("1904 zero", 0, "dd.mm.yyyy", "01.01.1904", true);
        caz("1904", 45356, "dd.mm.yyyy", "06.03.2028", true);
        caz("data imposibila", 1e12, "dd.mm.yyyy", "###");
    }
    void numar() {
        QFETCH(double, valoare);
        QFETCH(QString, cod);
        QFETCH(bool, sistem1904);
        QFETCH(QString, text);
        QCOMPARE(FormatNumar::numar(valoare, cod, sistem1904), text);
    }

    void text_data() {
        QTest::addColumn<QString>("cod");
        QTest::addColumn<QString>("text");
        QTest::newRow("fara sectiune de text") << "0.00"
                                               << "abc";
        QTest::newRow("@") << "@"
                           << "abc";
        QTest::newRow("a patra sectiune") << "0;-0;0;\"<\"@\">\""
                                          << "<abc>";
    }
    void text() {
        QFETCH(QString, cod);
        QFETCH(QString, text);
        QCOMPARE(FormatNumar::text("abc", cod), text);
    }
};

QTEST_GUILESS_MAIN(TestFormatNumar)
#include "tst_FormatNumar.moc"
