#include "data/UProfilVardolin.h"
#include "platform/Eroare.h"
#include "printing/FormularDePrintat.h"
#include "printing/UMachetaVardolin.h"

#include <QSet>
#include <QtTest>

// The data type of every field of the certificate's profile, by its key.
static QHash<QString, QString> tipuriProfil() {
    QHash<QString, QString> tipuri;
    const TListaLiniiProfilVardolin profil;
    for (const TLinieProfilDiploma& l : profil.linii())
        tipuri.insert(l.COD_FORMULAR + u'.' + l.COD_PAGINA + u'.' + l.COD_CAMP, l.TIP_DE_DATE);
    return tipuri;
}

// The field code of a key "Vardolin.PAGE.FIELD".
static QString codCamp(const ArieMacheta& a) {
    return a.Denumire1.section(u'.', 2);
}

class TestCitireMacheta : public QObject {
    Q_OBJECT
    MachetaVardolin m;
    QByteArray jsonOriginal;

private slots:
    void initTestCase() {
        m = MachetaVardolin::citeste();
        QFile f(MachetaVardolin::caleImplicita);
        QVERIFY(f.open(QIODevice::ReadOnly));
        jsonOriginal = f.readAll();
    }

    void paginileSiFonturileSuntCeleAleCertificatului() {
        QCOMPARE(m.fereastra, QString("PrintVardolin"));
        QCOMPARE(m.pagini.size(), size_t(2));
        QStringList fonturi;
        for (const FontMacheta& f : m.fonturi) {
            fonturi << f.nume;
            QCOMPARE(f.familie, QString("Arial"));
            QCOMPARE(f.setCaractere, 238);
            QCOMPARE(f.CodePage, 1250);
            QVERIFY(!f.italic);
        }
        QCOMPARE(fonturi, QStringList({"Stanga", "Stanga_2", "Dreapta", "verso_1", "DREAPTA_BOLD",
                                       "VERSO_1_BOLD", "verso_pitic", "stanga_nume", "dreapta_nume",
                                       "Stanga_nume_mic", "Stanga_mic", "LimbaMaterna"}));
        QCOMPARE(m.font("DREAPTA_BOLD")->inaltimeMm, 4.7);
        QVERIFY(m.font("DREAPTA_BOLD")->bold);
        QVERIFY(!m.font("VERSO_1_BOLD")->bold);
        QCOMPARE(m.font("verso_pitic")->inaltimeMm, 2.2);

        const PaginaMacheta& fata = m.pagini[0];
        const PaginaMacheta& verso = m.pagini[1];
        QCOMPARE(fata.nume, QString("FormularDePrintat1"));
        QCOMPARE(fata.titlu, QString("Fata"));
        QCOMPARE(fata.codPagina, QString("FATA"));
        QCOMPARE(fata.Latime, 297.0);
        QCOMPARE(fata.Inaltime, 209.73);
        QCOMPARE(fata.Zoom, 100.0);
        QCOMPARE(fata.arii.size(), size_t(87));
        QCOMPARE(verso.nume, QString("FormularDePrintat2"));
        QCOMPARE(verso.titlu, QString("Verso"));
        QCOMPARE(verso.codPagina, QString("SPATE"));
        QCOMPARE(verso.Latime, 295.148);
        QCOMPARE(verso.Inaltime, 210.058);
        QCOMPARE(verso.Zoom, 200.0);
        QCOMPARE(verso.arii.size(), size_t(81));
        QCOMPARE(m.numarArii(), 168);
        for (const PaginaMacheta& p : m.pagini) {
            QCOMPARE(p.DeltaStanga, 0.0);
            QCOMPARE(p.DeltaSus, 0.0);
            QCOMPARE(p.TextAreaBaseLine2_delta, 1.0);
            QCOMPARE(p.TextAreaTopLine1_delta, 1.0);
            QVERIFY2(QImage(p.BkImage).size() ==
                         (p.codPagina == u"FATA" ? QSize(2308, 1654) : QSize(2324, 1654)),
                     qPrintable(p.BkImage));
        }
    }

    // Every area names a field of the profile, and the kind of area suits the field's type:
    // digit boxes take a CNP or a SIRUES code, grade areas a grade.
    void fiecareArieEsteUnCampAlProfilului() {
        const QHash<QString, QString> profil = tipuriProfil();
        QCOMPARE(profil.size(), 120);
        QSet<QString> nume;
        for (const PaginaMacheta& p : m.pagini)
            for (const ArieMacheta& a : p.arii) {
                QVERIFY2(a.numar() > 0, qPrintable(a.nume));
                QVERIFY2(!nume.contains(a.nume), qPrintable(a.nume));
                nume << a.nume;
                QVERIFY2(a.Denumire1.startsWith("Vardolin." + p.codPagina + "."), qPrintable(a.nume));
                QVERIFY2(profil.contains(a.Denumire1), qPrintable(a.Denumire1));
                const QString tip = profil.value(a.Denumire1);
                const bool nota = a.Denumire2 == u"cifre" || a.Denumire2 == u"litere";
                QVERIFY2(nota == (tip == u"NOTA"), qPrintable(a.nume + " " + tip));
                const int cifre = tip == u"CNP" ? 13 : tip == u"SIRUES" ? 9 : 0;
                if (cifre)
                    QVERIFY2(a.Denumire2.toInt() >= 1 && a.Denumire2.toInt() <= cifre, qPrintable(a.nume));
                QCOMPARE(a.ZoomLock, 200.0);
            }
        QCOMPARE(nume.size(), 168);
    }

    void casuteleDeCifreSuntInOrdineaPozitiilor_data() {
        QTest::addColumn<QString>("cod");
        QTest::addColumn<int>("casute");
        QTest::newRow("C_CNP") << "C_CNP" << 13;
        QTest::newRow("D_CNP") << "D_CNP" << 13;
        QTest::newRow("C_COD_SIRUES") << "C_COD_SIRUES" << 9;
        QTest::newRow("D_COD_SIRUES") << "D_COD_SIRUES" << 9;
    }
    void casuteleDeCifreSuntInOrdineaPozitiilor() {
        QFETCH(QString, cod);
        QFETCH(int, casute);
        std::vector<const ArieMacheta*> gasite;
        for (const ArieMacheta& a : m.pagini[0].arii)
            if (codCamp(a) == cod) gasite.push_back(&a);
        QCOMPARE(int(gasite.size()), casute);
        for (int i = 0; i < casute; ++i) {
            QCOMPARE(gasite[i]->Denumire2, QString::number(i + 1));
            QCOMPARE(gasite[i]->Alignment, AliniereMacheta::Centru);
            if (i > 0) QVERIFY(gasite[i]->_Left > gasite[i - 1]->_Left);
        }
    }

    // Grade areas come in pairs, words just under figures; the grade kind says stub or
    // certificate, and the stub of the back side is its right strip.
    void noteleSuntPerechiPeParteaCorecta() {
        std::vector<const ArieMacheta*> cifre, litere;
        for (const ArieMacheta& a : m.pagini[1].arii) {
            if (a.Denumire2 != u"cifre" && a.Denumire2 != u"litere") continue;
            QVERIFY2(a.Denumire3.endsWith(u"_COTOR") == (a._Left > 207.0), qPrintable(a.nume));
            // a stub field (C_) on the stub, a certificate field (D_) on the certificate
            QVERIFY2(a.Denumire1.contains(u".C_") == a.Denumire3.endsWith(u"_COTOR"), qPrintable(a.nume));
            (a.Denumire2 == u"cifre" ? cifre : litere).push_back(&a);
        }
        QCOMPARE(cifre.size(), size_t(8));
        QCOMPARE(litere.size(), size_t(8));
        for (const ArieMacheta* c : cifre) {
            const auto subCifre = [c](const ArieMacheta* l) {
                return l->Denumire1 == c->Denumire1 && l->Denumire3 == c->Denumire3 &&
                       qAbs(l->_Left - c->_Left) < 0.5 && l->_Top > c->_Top && l->_Top < c->_Top + 4.0;
            };
            QVERIFY2(std::count_if(litere.begin(), litere.end(), subCifre) == 1, qPrintable(c->nume));
        }
    }

    void valoriDinTabel_data() {
        QTest::addColumn<QString>("nume");
        QTest::addColumn<QString>("cheie");
        QTest::addColumn<QString>("d2");
        QTest::addColumn<QString>("d3");
        QTest::addColumn<QList<double>>("geometrie");
        QTest::addColumn<QString>("font");
        QTest::addColumn<AliniereMacheta>("aliniere");
        const auto C = AliniereMacheta::Centru;
        const auto L = AliniereMacheta::Stanga;
        QTest::newRow("1") << "FormularTextArea1"
                           << "Vardolin.FATA.C_NUME_L1"
                           << ""
                           << "" << QList<double>{35.23, 69.96, 50.83, 4.40} << "Stanga_nume_mic" << C;
        QTest::newRow("13") << "FormularTextArea13"
                            << "Vardolin.FATA.C_CNP"
                            << "3"
                            << "" << QList<double>{36.49, 106.95, 4.53, 6.29} << "Stanga" << C;
        QTest::newRow("51") << "FormularTextArea51"
                            << "Vardolin.FATA.D_AN_ABSOLVIRE"
                            << "4"
                            << "" << QList<double>{167.85, 86.19, 2.52, 4.28} << "DREAPTA_BOLD" << L;
        QTest::newRow("36") << "FormularTextArea36"
                            << "Vardolin.FATA.D_NUME"
                            << ""
                            << "" << QList<double>{146.46, 72.10, 122.17, 6.42} << "dreapta_nume" << C;
        QTest::newRow("148") << "FormularTextArea148"
                             << "Vardolin.FATA.D_JUDETUL"
                             << ""
                             << "" << QList<double>{207.11, 101.41, 62.91, 5.28} << "DREAPTA_BOLD" << C;
        QTest::newRow("57") << "FormularTextArea57"
                            << "Vardolin.SPATE.D_FORMA_ABSOLVIRE"
                            << ""
                            << "" << QList<double>{46.43, 8.30, 120.67, 4.40} << "VERSO_1_BOLD" << C;
        QTest::newRow("71") << "FormularTextArea71"
                            << "Vardolin.SPATE.D_NOTA_1"
                            << "litere"
                            << "NOTA_DIPLOMA" << QList<double>{144.19, 42.91, 31.33, 2.39} << "verso_1" << C;
        QTest::newRow("35") << "FormularTextArea35"
                            << "Vardolin.SPATE.C_ANUL"
                            << ""
                            << "" << QList<double>{272.41, 20.38, 2.52, 3.02} << "VERSO_1_BOLD" << L;
        QTest::newRow("176") << "FormularTextArea176"
                             << "Vardolin.SPATE.C_MEDIA_ABSOLVIRE"
                             << "cifre"
                             << "MEDIE_COTOR" << QList<double>{262.97, 55.49, 13.84, 2.89} << "Dreapta" << C;
        QTest::newRow("151") << "FormularTextArea151"
                             << "Vardolin.SPATE.C_NOTA_3"
                             << "litere"
                             << "NOTA_COTOR" << QList<double>{263.10, 52.85, 13.71, 2.52} << "verso_1" << C;
    }
    void valoriDinTabel() {
        QFETCH(QString, nume);
        QFETCH(QString, cheie);
        QFETCH(QString, d2);
        QFETCH(QString, d3);
        QFETCH(QList<double>, geometrie);
        QFETCH(QString, font);
        QFETCH(AliniereMacheta, aliniere);
        const ArieMacheta* a = m.pagina(cheie.section(u'.', 1, 1))->arie(nume);
        QVERIFY(a);
        QCOMPARE(a->Denumire1, cheie);
        QCOMPARE(a->Denumire2, d2);
        QCOMPARE(a->Denumire3, d3);
        // The stored millimetres are exact; the table they are checked against has two decimals.
        const QList<double> mm{a->_Left, a->_Top, a->_Width, a->_Height};
        for (int i = 0; i < 4; ++i)
            QVERIFY2(qAbs(mm[i] - geometrie[i]) < 0.005, qPrintable(QString::number(i)));
        QCOMPARE(a->Font, font);
        QCOMPARE(a->Alignment, aliniere);
    }

    // The areas were placed by hand at their lock zoom, so each millimetre value is a whole
    // number of pixels there; a value typed in by mistake would not be.
    void milimetriiSuntPixeliIntregiLaZoomLock() {
        for (const PaginaMacheta& p : m.pagini)
            for (const ArieMacheta& a : p.arii) {
                const double dpi = RezolutieEcran(a.ZoomLock);
                for (double mm : {a._Left, a._Top, a._Width, a._Height})
                    QVERIFY2(PixelsToMm(qRound(mm * dpi / 25.4), dpi) == mm,
                             qPrintable(a.nume + " " + QString::number(mm, 'g', 17)));
            }
        QCOMPARE(m.pagini[0].arie("FormularTextArea1")->_Top, 69.9580436697015);
    }

    void ordineaCopiilorEsteCeaDinMacheta() {
        auto numere = [](const PaginaMacheta& p, int de, int la) {
            QList<int> r;
            for (int i = de; i < la; ++i)
                r << p.arii[size_t(i)].numar();
            return r;
        };
        QCOMPARE(numere(m.pagini[0], 0, 7), QList<int>({1, 2, 3, 4, 5, 6, 11}));
        QCOMPARE(numere(m.pagini[0], 84, 87), QList<int>({67, 76, 148}));
        QCOMPARE(numere(m.pagini[1], 0, 3), QList<int>({57, 56, 58}));
        QCOMPARE(numere(m.pagini[1], 78, 81), QList<int>({149, 150, 151}));
    }

    // A damaged layout is refused with a reason, never half-loaded.
    void machetaStricataEsteRefuzata_data() {
        QTest::addColumn<QByteArray>("inlocuit");
        QTest::addColumn<QByteArray>("cu");
        QTest::addColumn<QString>("motiv");
        QTest::newRow("font necunoscut") << QByteArray("\"Font\": \"Stanga_nume_mic\"")
                                         << QByteArray("\"Font\": \"Inexistent\"") << "fontul necunoscut";
        QTest::newRow("nume dublu") << QByteArray("\"FormularTextArea2\"")
                                    << QByteArray("\"FormularTextArea1\"") << "apare de doua ori";
        QTest::newRow("in afara paginii")
            << QByteArray("\"_Left\": 35.") << QByteArray("\"_Left\": 295.") << "iese din pagina";
        QTest::newRow("cheie pe alta pagina")
            << QByteArray("\"Vardolin.FATA.C_NUME_L1\"") << QByteArray("\"Vardolin.SPATE.C_NUME_L1\"")
            << "cheia gresita";
        QTest::newRow("numar scris ca text")
            << QByteArray("\"_Top\": 69.9580436697015") << QByteArray("\"_Top\": \"69.96\"") << "\"_Top\"";
        QTest::newRow("aliniere necunoscuta") << QByteArray("\"Alignment\": \"centru\"")
                                              << QByteArray("\"Alignment\": \"sus\"") << "\"Alignment\"";
        QTest::newRow("lipseste latimea") << QByteArray("\"Latime\": 297.0,") << QByteArray() << "lipseste";
        QTest::newRow("json stricat")
            << QByteArray("\"pagini\": [") << QByteArray("\"pagini\": [[") << "este stricata";
    }
    void machetaStricataEsteRefuzata() {
        QFETCH(QByteArray, inlocuit);
        QFETCH(QByteArray, cu);
        QFETCH(QString, motiv);
        QByteArray json = jsonOriginal;
        const qsizetype unde = json.indexOf(inlocuit);
        QVERIFY(unde >= 0);
        json.replace(unde, inlocuit.size(), cu);
        try {
            MachetaVardolin::dinJson(json, "test.json");
            QFAIL("macheta stricata a fost primita");
        } catch (const Eroare& e) {
            QVERIFY2(e.text().contains(motiv), qPrintable(e.text()));
        }
    }

    void fisierLipsaEsteEroare() {
        QVERIFY_THROWS_EXCEPTION(Eroare, MachetaVardolin::citeste("/nu/exista.json"));
    }
};

QTEST_GUILESS_MAIN(TestCitireMacheta)
#include "tst_CitireMacheta.moc"
