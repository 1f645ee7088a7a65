#include "entry/URomana.h"

#include <QGuiApplication>
#include <QPalette>
#include <QtTest>

class TestURomana : public QObject {
    Q_OBJECT

private slots:
    void notaInCuvinte_data() {
        QTest::addColumn<int>("nota");
        QTest::addColumn<int>("forma");
        QTest::addColumn<QString>("text");
        const auto caz = [](const char* nume, int nota, int forma, const char* text) {
            QTest::newRow(nume) << nota << forma << QString::fromUtf8(text);
        };
        caz("963 litere", 963, 1, "(NOUĂ, ŞAIZECIŞITREI)");
        caz("963 cifre", 963, 2, "(NOUĂ, 63)");
        caz("963 procent", 963, 3, "(NOUĂ, 63%)");
        caz("705 litere", 705, 1, "(ŞAPTE, ZEROCINCI)");
        caz("705 procent", 705, 3, "(ŞAPTE, 05%)");
        caz("810 litere", 810, 1, "(OPT, ZECE)");
        caz("810 procent", 810, 3, "(OPT, 10%)");
        for (int forma = 1; forma <= 3; ++forma) {
            caz(qPrintable(QStringLiteral("1000 forma %1").arg(forma)), 1000, forma, "(ZECE)");
            caz(qPrintable(QStringLiteral("1063 forma %1").arg(forma)), 1063, forma, "(ZECE)");
            caz(qPrintable(QStringLiteral("700 forma %1").arg(forma)), 700, forma, "(ŞAPTE)");
        }
        caz("616 litere, fara T la coada", 616, 1, "(ŞASE, ŞAISPREZECE)");
        caz("521 litere", 521, 1, "(CINCI, DOUĂZECIŞIUNU)");
        caz("532 litere", 532, 1, "(CINCI, TREIZECIŞIDOI)");
        caz("999 procent", 999, 3, "(NOUĂ, 99%)");
        caz("999 litere", 999, 1, "(NOUĂ, NOUĂZECIŞINOUĂ)");
        caz("1163 fara cuvant intreg", 1163, 3, "(, 63%)");
        caz("511 litere", 511, 1, "(CINCI, UNSPREZECE)");
        caz("670 litere", 670, 1, "(ŞASE, ŞAPTEZECI)");
        caz("601 cifre", 601, 2, "(ŞASE, 01)");
        caz("zero", 0, 3, "()");
        caz("negativ nu iese din tabele", -563, 1, "(, ŞAIZECIŞITREI)");
    }
    void notaInCuvinte() {
        QFETCH(int, nota);
        QFETCH(int, forma);
        QFETCH(QString, text);
        QCOMPARE(NotaInCuvinte(nota, forma), text);
    }

    void toateNoteleAuCuvinte() {
        // Every grade from 5 to 10 in words: the fraction is one word without blanks, and only letters.
        for (int h = 500; h < 1000; ++h) {
            const QString text = NotaInCuvinte(h, 1);
            if (h % 100 == 0) continue;
            const QString fractie = text.mid(text.indexOf(u',') + 2).chopped(1);
            QVERIFY2(!fractie.isEmpty() && !fractie.contains(u' '), qPrintable(text));
            for (QChar c : fractie)
                QVERIFY2(c.isUpper(), qPrintable(text));
        }
    }

    void litere_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("mari");
        QTest::addColumn<QString>("mici");
        const auto caz = [](const char* text, const char* mari, const char* mici) {
            QTest::newRow(text) << QString::fromUtf8(text) << QString::fromUtf8(mari)
                                << QString::fromUtf8(mici);
        };
        caz("(NOUĂ, ŞAIZECIŞITREI)", "(NOUĂ, ŞAIZECIŞITREI)", "(nouă, şaizecişitrei)");
        caz("ţară", "ŢARĂ", "ţară");
        caz("înălţime", "ÎNĂLŢIME", "înălţime");
        caz("ÎNĂLŢIME", "ÎNĂLŢIME", "înălţime");
        caz("câmp", "CÂMP", "câmp");
        caz("șuncă țepușă", "ȘUNCĂ ȚEPUȘĂ", "șuncă țepușă");
        caz("ȘTEFAN Țugui", "ȘTEFAN ȚUGUI", "ștefan țugui");
        caz("Szabó Ödön 12,5%", "SZABó ÖDöN 12,5%", "szabó Ödön 12,5%");
        caz("", "", "");
    }
    void litere() {
        QFETCH(QString, text);
        QFETCH(QString, mari);
        QFETCH(QString, mici);
        QCOMPARE(LitereMari(text), mari);
        QCOMPARE(LitereMici(text), mici);
    }

    void decodeazaDiacritice_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("rezultat");
        const auto caz = [](const char* nume, const char* text, const char* rezultat) {
            QTest::newRow(nume) << QString::fromUtf8(text) << QString::fromUtf8(rezultat);
        };
        caz("sapte", "@sapte", "şapte");
        caz("escape necunoscut", "@x", "");
        caz("toate", "@A@H@I@S@T@a@h@i@s@t", "ĂÂÎŞŢăâîşţ");
        caz("arond dublu", "a@@b", "a@b");
        caz("arond final", "ab@", "ab");
        caz("necunoscut in mijloc", "a@qb", "ab");
        caz("fara escape", "Ion Pop", "Ion Pop");
        caz("trei aronduri", "@@@", "@");
    }
    void decodeazaDiacritice() {
        QFETCH(QString, text);
        QFETCH(QString, rezultat);
        QCOMPARE(DecodeazaDiacritice(text), rezultat);
    }

    void formateazaSuma_data() {
        QTest::addColumn<int>("zecimale");
        QTest::addColumn<qint64>("zeciMii");
        QTest::addColumn<QString>("text");
        QTest::newRow("9,63") << 2 << qint64(96300) << "9,63";
        QTest::newRow("milioane") << 2 << qint64(12345678910) << "1.234.567,89";
        QTest::newRow("0,5") << 1 << qint64(5000) << "0,5";
        QTest::newRow("10,00") << 2 << qint64(100000) << "10,00";
        QTest::newRow("negativ 2") << 2 << qint64(-12345000) << "-1.234,50";
        QTest::newRow("negativ 0") << 0 << qint64(-12345000) << "-1.234";
        QTest::newRow("negativ 6") << 6 << qint64(-12345000) << "-1.234,5000";
        QTest::newRow("fara rotunjire") << 2 << qint64(19999) << "1,99";
        QTest::newRow("zerouri in fata") << 4 << qint64(7) << "0,0007";
        QTest::newRow("trei cifre") << 0 << qint64(9990000) << "999";
        QTest::newRow("patru cifre") << 0 << qint64(10000000) << "1.000";
        QTest::newRow("minim") << 0 << std::numeric_limits<qint64>::min() << "-922.337.203.685.477";
    }
    void formateazaSuma() {
        QFETCH(int, zecimale);
        QFETCH(qint64, zeciMii);
        QFETCH(QString, text);
        QCOMPARE(FormateazaSuma(zecimale, Currency::dinZeciMii(zeciMii)), text);
    }

    void date_data() {
        QTest::addColumn<QDate>("data");
        QTest::addColumn<QString>("litere");
        QTest::addColumn<QString>("ziLuna");
        QTest::addColumn<QString>("scurta");
        QTest::newRow("5 ian 2006") << QDate(2006, 1, 5) << "5 ianuarie 2006"
                                    << "05/01"
                                    << "05/01/06";
        QTest::newRow("31 dec 1999") << QDate(1999, 12, 31) << "31 decembrie 1999"
                                     << "31/12"
                                     << "31/12/99";
        QTest::newRow("anul 5") << QDate(5, 3, 9) << "9 martie 5"
                                << "09/03"
                                << "09/03/??";
        QTest::newRow("anul 123") << QDate(123, 9, 10) << "10 septembrie 123"
                                  << "10/09"
                                  << "10/09/3?";
        QTest::newRow("mai") << QDate(2024, 5, 20) << "20 mai 2024"
                             << "20/05"
                             << "20/05/24";
        QTest::newRow("data nula") << QDate() << ""
                                   << ""
                                   << "";
    }
    void date() {
        QFETCH(QDate, data);
        QFETCH(QString, litere);
        QFETCH(QString, ziLuna);
        QFETCH(QString, scurta);
        QCOMPARE(DataLunaInLitere(data), litere);
        QCOMPARE(DataZiLuna(data), ziLuna);
        QCOMPARE(DataScurta(data), scurta);
    }

    void culoriSistem() {
        QPalette paleta = QGuiApplication::palette();
        paleta.setColor(QPalette::Base, QColor(250, 240, 230));
        paleta.setColor(QPalette::Button, QColor(10, 20, 30));
        QGuiApplication::setPalette(paleta);
        QCOMPARE(CuloareInRGB(clWindow), (CuloareRGB{250, 240, 230}));
        QCOMPARE(CuloareInRGB(clBtnFace), (CuloareRGB{10, 20, 30}));
        QCOMPARE(CuloareInRGB(culoareRgb(1, 2, 3)), (CuloareRGB{1, 2, 3}));
        QCOMPARE(DeplaseazaCuloare(0, 0, -5, clWindow), culoareRgb(250, 240, 225));
        QCOMPARE(CuloareInQColor(clBtnFace), QColor(10, 20, 30));
        QGuiApplication::setPalette(QPalette());
    }

    void deplaseazaCuloare_data() {
        QTest::addColumn<int>("dR");
        QTest::addColumn<int>("dG");
        QTest::addColumn<int>("dB");
        QTest::addColumn<TColor>("culoare");
        QTest::addColumn<TColor>("rezultat");
        QTest::newRow("in limite") << -20 << -20 << 0 << culoareRgb(100, 150, 200)
                                   << culoareRgb(80, 130, 200);
        QTest::newRow("sub zero") << -20 << 0 << -20 << culoareRgb(5, 10, 15) << culoareRgb(0, 10, 0);
        QTest::newRow("peste 255") << 20 << 20 << 20 << culoareRgb(250, 235, 0) << culoareRgb(255, 255, 20);
        QTest::newRow("octetul de sus cade") << 0 << 0 << 0 << TColor(0x02FF0000) << culoareRgb(0, 0, 255);
    }
    void deplaseazaCuloare() {
        QFETCH(int, dR);
        QFETCH(int, dG);
        QFETCH(int, dB);
        QFETCH(TColor, culoare);
        QFETCH(TColor, rezultat);
        QCOMPARE(DeplaseazaCuloare(dR, dG, dB, culoare), rezultat);
    }

    void hsv_data() {
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("b");
        QTest::addColumn<double>("h");
        QTest::addColumn<double>("s");
        QTest::addColumn<double>("v");
        QTest::newRow("negru") << 0 << 0 << 0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("rosu") << 255 << 0 << 0 << 0.0 << 1.0 << 1.0;
        QTest::newRow("verde") << 0 << 255 << 0 << 1.0 / 3 << 1.0 << 1.0;
        QTest::newRow("albastru") << 0 << 0 << 255 << 2.0 / 3 << 1.0 << 1.0;
        QTest::newRow("magenta") << 255 << 0 << 255 << 5.0 / 6 << 1.0 << 1.0;
        QTest::newRow("portocaliu") << 255 << 128 << 0 << 128.0 / 255 / 6 << 1.0 << 1.0;
        QTest::newRow("gri") << 128 << 128 << 128 << 0.0 << 0.0 << 128.0 / 255;
    }
    void hsv() {
        QFETCH(int, r);
        QFETCH(int, g);
        QFETCH(int, b);
        QFETCH(double, h);
        QFETCH(double, s);
        QFETCH(double, v);
        const CuloareHSV hsv = RgbInHsv(r, g, b);
        QVERIFY(qAbs(hsv.h - h) < 1e-9);
        QVERIFY(qAbs(hsv.s - s) < 1e-9);
        QVERIFY(qAbs(hsv.v - v) < 1e-9);
        QCOMPARE(HsvInRgb(hsv.h, hsv.s, hsv.v), (CuloareRGB{quint8(r), quint8(g), quint8(b)}));
    }

    void hsvInRgbGriTaie() { QCOMPARE(HsvInRgb(0.3, 0, 0.5), (CuloareRGB{127, 127, 127})); }

    void dusIntorsFaraPierderi() {
        // Every red, green and blue survives the trip through HSV exactly (the gradients start on c1).
        for (int r = 0; r < 256; r += 5)
            for (int g = 0; g < 256; g += 7)
                for (int b = 0; b < 256; b += 11) {
                    const CuloareHSV hsv = RgbInHsv(r, g, b);
                    QCOMPARE(HsvInRgb(hsv.h, hsv.s, hsv.v), (CuloareRGB{quint8(r), quint8(g), quint8(b)}));
                }
    }

    void degrade() {
        QVERIFY(Degrade(clBlack, clWhite, -1).empty());
        QCOMPARE(Degrade(clBlack, clWhite, 0), std::vector<TColor>{clBlack});
        QCOMPARE(Degrade(clBlack, clWhite, 1), (std::vector<TColor>{clBlack, culoareRgb(127, 127, 127)}));
        const TColor c1 = culoareRgb(200, 100, 50), c2 = culoareRgb(20, 40, 220);
        const std::vector<TColor> culori = Degrade(c1, c2, 4);
        QCOMPARE(culori.size(), size_t(5));
        QCOMPARE(culori.front(), c1);
        QVERIFY(culori.back() != c2);
        // Value falls evenly from c1's to one step short of c2's.
        for (size_t i = 0; i < culori.size(); ++i) {
            const CuloareRGB rgb = CuloareInRGB(culori[i]);
            const double v = RgbInHsv(rgb.r, rgb.g, rgb.b).v;
            QVERIFY(qAbs(v - (200.0 * (5 - i) + 220.0 * i) / 5 / 255) < 1.0 / 255);
        }
    }
};

QTEST_MAIN(TestURomana)
#include "tst_URomana.moc"
