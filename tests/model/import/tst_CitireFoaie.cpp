#include "import/CitireFoaie.h"
#include "platform/Eroare.h"
#include "platform/FoaieDeCalcul.h"

#include <QtTest>

namespace {

// A sheet from "B12=text" cells.
FoaieDeCalcul foaie(const QStringList& celule) {
    FoaieDeCalcul f(QStringLiteral("Foaie1"));
    for (const QString& c : celule) {
        const qsizetype egal = c.indexOf(u'=');
        int rand = 0, coloana = 0;
        if (!FoaieDeCalcul::citesteAdresa(c.left(egal), rand, coloana)) qFatal("adresa: %s", qPrintable(c));
        f.puneCelula(rand, coloana, c.mid(egal + 1));
    }
    f.termina();
    return f;
}

const QString Cnp = QStringLiteral("1900101123453");

} // namespace

class TestCitireFoaie : public QObject {
    Q_OBJECT
private slots:
    void ultimaColoana_data() {
        QTest::addColumn<QStringList>("celule");
        QTest::addColumn<QString>("ultima");
        QTest::newRow("fara text in A: doar A") << QStringList{"B2=x"} << "A";
        QTest::newRow("doar randuri impare nu conteaza")
            << QStringList{"A2=x", "B1=x", "B3=x", "B21=x"} << "A";
        QTest::newRow("rand par pana la 20") << QStringList{"A20=x", "B4=x", "C2=y"} << "C";
        QTest::newRow("se opreste la prima coloana goala") << QStringList{"A2=x", "B2=x", "D2=x"} << "B";
        QStringList pana;
        for (int c = 0; c < 800; ++c)
            pana << FoaieDeCalcul::numeColoana(c) + "2=x";
        QTest::newRow("niciodata dupa ZZ") << pana << "ZZ";
        QTest::newRow("dupa AZ vine BA") << QStringList{pana.mid(0, 53)} << "BA";
    }
    void ultimaColoana() {
        QFETCH(QStringList, celule);
        QFETCH(QString, ultima);
        QCOMPARE(FoaieDeCalcul::numeColoana(UltimaColoana(foaie(celule))), ultima);
    }

    void ultimulRand_data() {
        QTest::addColumn<QStringList>("celule");
        QTest::addColumn<int>("ultimul");
        QTest::newRow("gol") << QStringList{} << 1;
        QTest::newRow("randul 20 inca se citeste") << QStringList{"A1=x", "H20=x"} << 20;
        QTest::newRow("de la randul 21 nu") << QStringList{"A1=x", "H21=x"} << 1;
        QTest::newRow("text dupa H nu prelungeste") << QStringList{"A1=x", "I5=x"} << 1;
        QStringList multe;
        for (int r = 1; r <= 1500; ++r)
            multe << QStringLiteral("C%1=x").arg(r);
        QTest::newRow("fara limita de 1000") << multe << 1500;
    }
    void ultimulRand() {
        QFETCH(QStringList, celule);
        QFETCH(int, ultimul);
        QCOMPARE(UltimulRand(foaie(celule)), ultimul);
    }

    void codDe13Cifre_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pastrat");
        QTest::newRow("13 cifre") << Cnp << true;
        QTest::newRow("13 cifre cu blancuri") << "  " + Cnp + " " << true;
        QTest::newRow("12 cifre") << Cnp.left(12) << false;
        QTest::newRow("14 cifre") << Cnp + "1" << false;
        QTest::newRow("o litera") << "190010112345A" << false;
    }
    void codDe13Cifre() {
        QFETCH(QString, text);
        QFETCH(bool, pastrat);
        TListaColoaneExcel lista;
        CitesteFoaia(foaie({"A1=Titlu", "A2=Nume", "B2=CNP", "A3=Ion", "B3=" + text}), lista);
        QCOMPARE(lista.NrRanduri(), pastrat ? 1 : 0);
        QCOMPARE(lista.RanduriFaraCod.size(), size_t(pastrat ? 2 : 3));
    }

    // Title, headers, a gap, a footer after 20 empty rows, data in a column past H.
    void citesteFoaia() {
        QStringList celule{"A1=Lista absolventilor", "A2=Nume", "B2=Prenume", "C2=CNP", "J2=Nota"};
        for (int r = 3; r <= 1202; ++r)
            celule << QStringLiteral("A%1=Nume%1").arg(r) << QStringLiteral("B%1=  Ion  ").arg(r)
                   << QStringLiteral("C%1=%2").arg(r).arg(1900101000000LL + r)
                   << QStringLiteral("J%1=9").arg(r);
        celule << "A1300=Director"
               << "D1300=" + Cnp;
        TListaColoaneExcel lista;
        CitesteFoaia(foaie(celule), lista);
        QCOMPARE(lista.Count(), 3); // D..J are empty in row 2, so the scan stops at C
        QCOMPARE(lista.NrRanduri(), 1200);
        for (int c = 0; c < lista.Count(); ++c)
            QCOMPARE(lista.Items(c).Texte.size(), 1200);
        QCOMPARE(lista.Items(1).Texte.first(), "Ion");
        QCOMPARE(lista.RanduriFoaie.front(), 3);
        QCOMPARE(lista.RanduriFoaie.back(), 1202);
        QCOMPARE(lista.Coloana("C")->Texte.last(), QString::number(1900101000000LL + 1202));
        QCOMPARE(lista.RanduriFaraCod, (std::vector<int>{1, 2}));
        QCOMPARE(lista.Antet, QStringList({"Nume", "Prenume", "CNP"}));
        QCOMPARE(lista.ColoanaCuAntetul("Prenume{certificat}"), "B");
        QCOMPARE(lista.ColoanaCuAntetul("[Candidat]Nume (linia 1, cotor)"), "A");
        QCOMPARE(lista.ColoanaCuAntetul("Nota obtinuta"), QString());
    }

    // A header row proposes each column to one field only, the one it names best; a second line
    // takes only a header naming it. Labels as the profile's fields have them, in its order.
    void coloaneCuAntetul_data() {
        QTest::addColumn<QString>("antet");
        QTest::addColumn<QString>("luate");
        QTest::addColumn<QString>("propuse"); // field index=column
        QTest::newRow("nr crt, nume, prenume") << "Nr. crt.|Nume|Prenume|CNP|Media"
                                               << ""
                                               << "4=B 7=E";
        QTest::newRow("numele si prenumele") << "NUMELE SI PRENUMELE|CNP"
                                             << ""
                                             << "4=A";
        QTest::newRow("initiala tatalui") << "Nume|Initiala tatalui|Prenume"
                                          << ""
                                          << "4=A";
        QTest::newRow("doua coloane nume") << "Nume|CNP|Nume"
                                           << ""
                                           << "1=C 4=A";
        QTest::newRow("liniile numite") << "Nume (linia 1)|Nume linia 2|NUME"
                                        << ""
                                        << "1=A 2=B 4=C";
        QTest::newRow("doua note, media generala") << "Nota|Nota|Media generala"
                                                   << ""
                                                   << "5=A 6=B 7=C";
        QTest::newRow("calificarea pe linia 1") << "Calificare profesionala|CNP"
                                                << ""
                                                << "8=A";
        QTest::newRow("coloana aleasa deja") << "Nume|CNP"
                                             << "A"
                                             << "";
    }
    void coloaneCuAntetul() {
        QFETCH(QString, antet);
        QFETCH(QString, luate);
        QFETCH(QString, propuse);
        const QStringList etichete{"Abreviere",
                                   "Nume (linia 1, cotor)",
                                   "Nume (linia 2, cotor)",
                                   "Articol (cotor)",
                                   "Nume",
                                   "Nota obtinuta",
                                   "Nota obtinuta",
                                   "Media de absolvire",
                                   "Calificare profesionala (linia 1, cotor spate)",
                                   "Calificare profesionala (linia 2, cotor spate)"};
        QStringList celule;
        const QStringList capete = antet.split(u'|');
        for (int c = 0; c < capete.size(); ++c)
            celule << FoaieDeCalcul::numeColoana(c) + "1=" + capete[c]
                   << FoaieDeCalcul::numeColoana(c) + "2=" + Cnp;
        TListaColoaneExcel lista;
        CitesteFoaia(foaie(celule), lista);
        const QStringList alese = lista.ColoaneCuAntetul(etichete, luate.split(u' ', Qt::SkipEmptyParts));
        QStringList gasite;
        for (int f = 0; f < alese.size(); ++f)
            if (!alese[f].isEmpty()) gasite << QStringLiteral("%1=%2").arg(f).arg(alese[f]);
        QCOMPARE(gasite.join(u' '), propuse);
    }

    // Rows repeated down the sheet cost one entry in it; kept, they would fill the memory.
    void preaMulteRanduri() {
        FoaieDeCalcul f;
        f.adaugaRand(0, RanduriMaxime + 1);
        f.adaugaCelula(0, 1, Cnp);
        f.adaugaCelula(1, 1, QStringLiteral("Popescu"));
        f.termina();
        TListaColoaneExcel lista;
        QString mesaj;
        try {
            CitesteFoaia(f, lista);
        } catch (const Eroare& e) {
            mesaj = e.text();
        }
        QVERIFY(mesaj.startsWith("Foaia are mai mult de 100000 de randuri cu CNP"));
    }

    void fisierulAdevarat() {
        const QString dosar = qEnvironmentVariable("VARDOLIN_IMPORT_CORPUS");
        const QString cale = dosar + "/elevi-utf8-bom.csv";
        if (!QFile::exists(cale)) QSKIP("corpus missing");
        const RegistruDeCalcul registru = RegistruDeCalcul::deschide(cale);
        TListaColoaneExcel lista;
        CitesteFoaia(registru.foi.front(), lista);
        QVERIFY(lista.NrRanduri() > 0);
        QCOMPARE(lista.Coloana("D")->Texte.first(), "5080101400122");
        QCOMPARE(lista.Coloana("B")->Texte.first(), "Ştefănescu");
        QCOMPARE(lista.RanduriFoaie.front(), 2);
    }
};

QTEST_GUILESS_MAIN(TestCitireFoaie)
#include "tst_CitireFoaie.moc"
