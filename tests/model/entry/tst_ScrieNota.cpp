#include "MediuTest.h"
#include "entry/UKivQuickRegStuff.h"
#include "entry/UScrieNota.h"
#include "platform/Eroare.h"
#include "platform/StocSetari.h"

#include <QtTest>
#include <memory>
#include <optional>

namespace {

void seteaza(const QString& mod, const QString& litereMari, TFelNota fel = TFelNota::NOTA_DIPLOMA) {
    TInfoGlobal2005 g;
    switch (fel) {
    case TFelNota::NOTA_DIPLOMA:
        g.setNotaDiploma(mod);
        break;
    case TFelNota::NOTA_COTOR:
        g.setNotaCotor(mod);
        break;
    case TFelNota::MEDIE_DIPLOMA:
        g.setMedieDiploma(mod);
        break;
    case TFelNota::MEDIE_COTOR:
        g.setMedieCotor(mod);
        break;
    }
    g.setScriuCuLitereMari(litereMari);
}

std::optional<Currency> nota(double valoare) {
    return Currency::dinDouble(valoare * 100);
}

// A grade pair: the figures above, the words 3 mm lower.
struct Pereche {
    AriePagina zonaSus = zona(40.0), zonaJos = zona(43.0);
    AriePagina* sus = &zonaSus;
    AriePagina* jos = &zonaJos;

    static AriePagina zona(double top) {
        AriePagina z;
        z.stanga = 100;
        z.sus = top;
        z.latime = 30;
        z.inaltime = 2.5;
        return z;
    }
};

} // namespace

class TestScrieNota : public QObject {
    Q_OBJECT

private slots:
    void init() { mediu_ = std::make_unique<MediuTest>(); }
    void cleanup() { mediu_.reset(); }

    void moduri_data() {
        QTest::addColumn<QString>("mod");
        QTest::addColumn<QString>("litereMari");
        QTest::addColumn<double>("valoare");
        QTest::addColumn<QString>("textSus");
        QTest::addColumn<QString>("textJos");
        QTest::addColumn<bool>("josVizibil");
        QTest::addColumn<double>("topSus");

        const double mijloc = 41.5;
        QTest::newRow("NOTA 9,63") << "NOTA"
                                   << "1" << 9.63 << "9,63"
                                   << " " << false << mijloc;
        QTest::newRow("PROCENT 9,63") << "NOTA(PROCENT)"
                                      << "1" << 9.63 << "9,63 (NOUĂ, 63%)"
                                      << " " << false << mijloc;
        QTest::newRow("/PROCENT 9,63") << "NOTA/PROCENT"
                                       << "1" << 9.63 << "9,63"
                                       << "(NOUĂ, 63%)" << true << 40.0;
        QTest::newRow("/LITERE 9,63") << "NOTA/LITERE"
                                      << "1" << 9.63 << "9,63"
                                      << "(NOUĂ, ŞAIZECIŞITREI)" << true << 40.0;
        QTest::newRow("/PROCENT mici") << "NOTA/PROCENT"
                                       << "0" << 9.63 << "9,63"
                                       << "(nouă, 63%)" << true << 40.0;
        QTest::newRow("/LITERE mici") << "NOTA/LITERE"
                                      << "0" << 9.63 << "9,63"
                                      << "(nouă, şaizecişitrei)" << true << 40.0;
        // Unset, the case is what the settings window shows chosen: capitals.
        QTest::newRow("PROCENT gol: mari") << "NOTA(PROCENT)"
                                           << "" << 9.63 << "9,63 (NOUĂ, 63%)"
                                           << " " << false << mijloc;
        QTest::newRow("NOTA 10") << "NOTA"
                                 << "1" << 10.0 << "10,00"
                                 << " " << false << mijloc;
        QTest::newRow("PROCENT 10") << "NOTA(PROCENT)"
                                    << "1" << 10.0 << "10,00 (ZECE)"
                                    << " " << false << mijloc;
        QTest::newRow("/LITERE 10") << "NOTA/LITERE"
                                    << "1" << 10.0 << "10,00"
                                    << "(ZECE)" << true << 40.0;
        QTest::newRow("/PROCENT 7") << "NOTA/PROCENT"
                                    << "1" << 7.0 << "7,00"
                                    << "(ŞAPTE)" << true << 40.0;
        QTest::newRow("/LITERE 7 mici") << "NOTA/LITERE"
                                        << "0" << 7.0 << "7,00"
                                        << "(şapte)" << true << 40.0;
        QTest::newRow("mod necunoscut") << "LITERE"
                                        << "1" << 9.63 << "9,63"
                                        << " " << false << mijloc;
        QTest::newRow("lipsa /LITERE") << "NOTA/LITERE"
                                       << "1" << -1.0 << "----"
                                       << " " << true << 40.0;
        QTest::newRow("lipsa NOTA") << "NOTA"
                                    << "0" << -1.0 << "----"
                                    << " " << false << mijloc;
    }
    void moduri() {
        QFETCH(QString, mod);
        QFETCH(QString, litereMari);
        QFETCH(double, valoare);
        QFETCH(QString, textSus);
        QFETCH(QString, textJos);
        QFETCH(bool, josVizibil);
        QFETCH(double, topSus);
        for (const TFelNota fel :
             {TFelNota::NOTA_DIPLOMA, TFelNota::NOTA_COTOR, TFelNota::MEDIE_DIPLOMA, TFelNota::MEDIE_COTOR}) {
            seteaza(mod, litereMari, fel);
            Pereche p;
            p.jos->vizibila = !josVizibil;
            ScrieNota(p.sus, p.jos, valoare < 0 ? std::nullopt : nota(valoare), fel);
            QCOMPARE(p.sus->text, textSus);
            QCOMPARE(p.jos->text, textJos);
            QCOMPARE(p.jos->vizibila, josVizibil);
            QCOMPARE(p.sus->sus, topSus);
            QCOMPARE(p.jos->sus, 43.0);
        }
    }

    void fiecareFelCuModulLui() {
        {
            TInfoGlobal2005 g;
            g.setNotaDiploma("NOTA");
            g.setNotaCotor("NOTA(PROCENT)");
            g.setMedieDiploma("NOTA/PROCENT");
            g.setMedieCotor("NOTA/LITERE");
            g.setScriuCuLitereMari("0");
        }
        const std::pair<TFelNota, QString> asteptate[] = {
            {TFelNota::NOTA_DIPLOMA, "7,00"},
            {TFelNota::NOTA_COTOR, "7,00 (şapte)"},
            {TFelNota::MEDIE_DIPLOMA, "7,00|(şapte)"},
            {TFelNota::MEDIE_COTOR, "7,00|(şapte)"},
        };
        for (const auto& [fel, text] : asteptate) {
            Pereche p;
            ScrieNota(p.sus, p.jos, nota(7), fel);
            const QString scris = p.jos->vizibila ? p.sus->text + "|" + p.jos->text : p.sus->text;
            QCOMPARE(scris, text);
        }
    }

    void stocGolScrieCifreMici() {
        Pereche p;
        ScrieNota(p.sus, p.jos, nota(9.63), TFelNota::NOTA_DIPLOMA);
        QCOMPARE(p.sus->text, QString("9,63"));
        // Writing read the settings and wrote them back: seven empty values.
        QCOMPARE(StocSetari::deschide(TInfoGlobal2005::Cheie())->childKeys().size(), 7);
    }

    void oSinguraZona_data() {
        QTest::addColumn<bool>("doarJos");
        QTest::newRow("doar sus") << false;
        QTest::newRow("doar jos") << true;
    }
    void oSinguraZona() {
        QFETCH(bool, doarJos);
        seteaza("NOTA/LITERE", "1");
        Pereche p;
        AriePagina* singura = doarJos ? p.jos : p.sus;
        const double top = singura->sus;
        ScrieNota(doarJos ? nullptr : p.sus, doarJos ? p.jos : nullptr, nota(9.63), TFelNota::NOTA_DIPLOMA);
        // Two lines need two areas: one line with the percentage instead.
        QCOMPARE(singura->text, QString("9,63 (NOUĂ, 63%)"));
        QCOMPARE(singura->sus, top);
        QVERIFY(singura->vizibila);
        ScrieNota(nullptr, nullptr, nota(5), TFelNota::NOTA_DIPLOMA);
    }

    void reumplereaNuMutaZonele() {
        Pereche p;
        seteaza("NOTA", "1");
        ScrieNota(p.sus, p.jos, nota(9.63), TFelNota::NOTA_DIPLOMA);
        ScrieNota(p.sus, p.jos, nota(8), TFelNota::NOTA_DIPLOMA);
        QCOMPARE(p.sus->sus, 41.5);
        seteaza("NOTA/LITERE", "1");
        ScrieNota(p.sus, p.jos, nota(7), TFelNota::NOTA_DIPLOMA);
        QCOMPARE(p.sus->sus, 40.0);
        QVERIFY(p.jos->vizibila);
        seteaza("NOTA(PROCENT)", "1");
        ScrieNota(p.sus, p.jos, std::nullopt, TFelNota::NOTA_DIPLOMA);
        ScrieNota(p.sus, p.jos, nota(10), TFelNota::NOTA_DIPLOMA);
        QCOMPARE(p.sus->sus, 41.5);
        QCOMPARE(p.jos->sus, 43.0);
        QCOMPARE(p.sus->topInitial, 40.0);
        QCOMPARE(p.sus->text, QString("10,00 (ZECE)"));
    }

    void setariStricateOpresc() {
        StocSetari::deschide(TInfoGlobal2005::Cheie())->setValue("NotaDiploma", QStringList{"a", "b"});
        Pereche p;
        p.sus->text = "vechi";
        QVERIFY_THROWS_EXCEPTION(Eroare, ScrieNota(p.sus, p.jos, nota(5), TFelNota::NOTA_DIPLOMA));
        QCOMPARE(p.sus->text, QString(" "));
    }

private:
    std::unique_ptr<MediuTest> mediu_;
};

QTEST_MAIN(TestScrieNota)
#include "tst_ScrieNota.moc"
