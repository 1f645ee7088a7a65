#include "BazaTest.h"
#include "data/UProfilDiploma.h"
#include "data/UValoareCamp.h"
#include "platform/Eroare.h"

#include <QtTest>

namespace {

// Writes one value row owned by a student (tabel ELEVI) or a school row.
void scrie(BazaTest& b, const QString& pagina, const QString& camp, int id, const QString& text,
           const QString& tabel = "ELEVI") {
    b.executa(
        QString("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, ID_%1) "
                "values ('Vardolin', '%2', '%3', '%4', 0, %5)")
            .arg(tabel, pagina, camp, text)
            .arg(id));
}

void onorez(BazaTest& b, const QString& camp, const QString& valoare) {
    b.executa(
        QString("update PROFIL_DIPLOMA set ONOREZ_SIMILAR = '%1' where COD_CAMP = '%2'").arg(valoare, camp));
}

QString valoare(const QString& pagina, const QString& camp, int id = 1) {
    return ValoareCamp("Vardolin", pagina, camp, id);
}

} // namespace

class TestUValoareCamp : public QObject {
    Q_OBJECT
    std::unique_ptr<BazaTest> b;

private slots:
    void initTestCase() { b = std::make_unique<BazaTest>(); }
    void cleanupTestCase() { b.reset(); }

    // Each case starts from the profile as the code has it and no rows.
    void init() {
        b->executa("delete from ELEVI");
        b->executa("delete from SCOALA");
        b->executa("delete from \"DATE\"");
        b->executa("update PROFIL_DIPLOMA set ONOREZ_SIMILAR = 'DA'");
        SincronizeazaProfil();
        b->executa("insert into ELEVI (ID_ELEVI) values (1)");
        b->executa("insert into ELEVI (ID_ELEVI) values (2)");
        scrie(*b, "FATA", "C_ABREVIERE", 1, "stub");
        scrie(*b, "FATA", "D_ABREVIERE", 1, "propriu");
        scrie(*b, "FATA", "C_NUME_L1", 1, "Popescu");
        scrie(*b, "FATA", "C_NUME_L2", 1, "Ştefan Ţugui");
        scrie(*b, "FATA", "C_CNP", 1, "1900101123456");
        scrie(*b, "FATA", "C_ARTICOL", 2, "");
    }

    void regulileLegaturii_data() {
        QTest::addColumn<QString>("onorez");
        QTest::addColumn<bool>("propriuGol");
        QTest::addColumn<QString>("asteptat");
        QTest::newRow("DA da valoarea legata") << "DA" << false << "stub";
        QTest::newRow("SELECTIV da valoarea legata") << "SELECTIV" << false << "stub";
        QTest::newRow("NU da valoarea proprie") << "NU" << false << "propriu";
        QTest::newRow("nu cu litere mici") << "nu" << false << "propriu";
        QTest::newRow("gol da valoarea proprie") << "" << false << "propriu";
        QTest::newRow("OPTIONAL cu valoare proprie") << "OPTIONAL" << false << "propriu";
        QTest::newRow("OPTIONAL fara valoare proprie") << "OPTIONAL" << true << "stub";
        QTest::newRow("optional cu litere mici ca DA") << "optional" << false << "stub";
    }
    void regulileLegaturii() {
        QFETCH(QString, onorez);
        QFETCH(bool, propriuGol);
        QFETCH(QString, asteptat);
        ::onorez(*b, "D_ABREVIERE", onorez);
        if (propriuGol) b->executa("update \"DATE\" set VALOARE_TEXT = '' where COD_CAMP = 'D_ABREVIERE'");
        QCOMPARE(valoare("FATA", "D_ABREVIERE"), asteptat);
    }

    void faraLegaturaDaValoareaProprie() {
        onorez(*b, "C_NUME_L1", "DA");
        QCOMPARE(valoare("FATA", "C_NUME_L1"), "Popescu");
        QCOMPARE(valoare("FATA", "C_NUME_L2"), "Ştefan Ţugui");
    }

    void cazuriGoale() {
        QCOMPARE(valoare("FATA", "C_NU_EXISTA"), "");
        QCOMPARE(ValoareCamp("AltFormular", "FATA", "C_CNP", 1), "");
        QCOMPARE(valoare("FATA", "C_NUME_L1", 2), "");  // student without a row
        QCOMPARE(valoare("FATA", "C_ARTICOL", 2), "");  // a row holding the empty text
        QCOMPARE(valoare("FATA", "C_NUME_L1", 99), ""); // no such student
    }

    void legaturaSpreLinieInexistenta() {
        b->executa(
            "update PROFIL_DIPLOMA set SIMILAR_CU = 'Vardolin.FATA.C_NIMIC' where COD_CAMP = 'D_ABREVIERE'");
        QCOMPARE(valoare("FATA", "D_ABREVIERE"), "");
    }

    void cicluDeLegaturiSeTermina() {
        b->executa("update PROFIL_DIPLOMA set SIMILAR_CU = 'Vardolin.FATA.D_ABREVIERE' where COD_CAMP = "
                   "'C_ABREVIERE'");
        QCOMPARE(valoare("FATA", "D_ABREVIERE"), "");
        onorez(*b, "C_ABREVIERE", "OPTIONAL");
        QCOMPARE(valoare("FATA", "D_ABREVIERE"), "stub");
    }

    void tabelNecunoscutEsteEroareClara_data() {
        QTest::addColumn<QString>("asociatCu");
        QTest::newRow("necunoscut") << "PROFESOR";
        QTest::newRow("injectie") << "SCOALA=0) OR (1";
    }
    void tabelNecunoscutEsteEroareClara() {
        QFETCH(QString, asociatCu);
        b->executa(QString("update PROFIL_DIPLOMA set ASOCIAT_CU = '%1' where COD_CAMP = 'C_NUME_L1'")
                       .arg(QString(asociatCu).replace("'", "''")));
        QVERIFY_THROWS_EXCEPTION(Eroare, valoare("FATA", "C_NUME_L1"));
        QVERIFY(!Tr().activa());
    }

    void tranzactiaRamaneCumEra() {
        QVERIFY(!Tr().activa());
        valoare("FATA", "D_ABREVIERE");
        QVERIFY(!Tr().activa());
        GardaTranzactie garda;
        valoare("FATA", "D_ABREVIERE");
        QVERIFY(Tr().activa());
        QCOMPARE(ParseExp("{Vardolin.FATA.C_NUME_L1}", 1), "Popescu");
        QVERIFY(Tr().activa());
    }

    void valoriDeScoalaPrinLegaturi() {
        b->executa("insert into SCOALA (ID_SCOALA) values (5)");
        b->executa("insert into SCOALA (ID_SCOALA) values (3)");
        scrie(*b, "FATA", "C_NIVEL_INVATAMANT", 3, "liceal", "SCOALA");
        scrie(*b, "FATA", "C_NIVEL_INVATAMANT", 5, "postliceal", "SCOALA");
        QCOMPARE(valoare("FATA", "D_NIVEL_INVATAMANT"), ""); // no link yet

        AsiguraLegaturi("SCOALA", std::nullopt);
        QCOMPARE(valoare("FATA", "C_NIVEL_INVATAMANT"), "liceal"); // the lowest school
        QCOMPARE(valoare("FATA", "D_NIVEL_INVATAMANT", 2), "liceal");
        QCOMPARE(RandulLegat("SCOALA", 1), std::optional<int>(3));
        const int linii = b->valoare("select count(*) from \"DATE\" where IDF_SCOALA is not null").toInt();
        QCOMPARE(linii,
                 2 * b->valoare("select count(*) from PROFIL_DIPLOMA where ASOCIAT_CU = 'SCOALA'").toInt());
        QCOMPARE(
            b->valoare("select count(*) from \"DATE\" where IDF_SCOALA is not null and (VALOARE_TEXT <> '' "
                       "or ID_SCOALA is not null)")
                .toInt(),
            0);

        AsiguraLegaturi("SCOALA", std::nullopt); // idempotent
        QCOMPARE(b->valoare("select count(*) from \"DATE\" where IDF_SCOALA is not null").toInt(), linii);

        AsiguraLegaturi("SCOALA", 1, 5); // the student window's choice
        QCOMPARE(valoare("FATA", "D_NIVEL_INVATAMANT"), "postliceal");
        QCOMPARE(valoare("FATA", "D_NIVEL_INVATAMANT", 2), "liceal");
        AsiguraLegaturi("SCOALA", std::nullopt); // keeps each student's school
        QCOMPARE(valoare("FATA", "D_NIVEL_INVATAMANT"), "postliceal");

        b->executa("delete from SCOALA where ID_SCOALA = 5"); // the cascade takes its links
        QCOMPARE(valoare("FATA", "D_NIVEL_INVATAMANT"), "");
        AsiguraLegaturi("SCOALA", std::nullopt);
        QCOMPARE(valoare("FATA", "D_NIVEL_INVATAMANT"), "liceal");
        QCOMPARE(b->valoare("select count(*) from \"DATE\" where IDF_SCOALA is not null").toInt(), linii);

        QVERIFY_THROWS_EXCEPTION(Eroare, AsiguraLegaturi("SCOALA", 1, 77));
    }

    void parseExp_data() {
        QTest::addColumn<QString>("expresie");
        QTest::addColumn<QString>("asteptat");
        QTest::newRow("fara acolade") << "Elev: -"
                                      << "Elev: -";
        QTest::newRow("acolada neinchisa") << "A {Vardolin.FATA.C_NUME_L1"
                                           << "A ";
        QTest::newRow("acolada inchisa ratacita") << "a}b"
                                                  << "a}b";
        QTest::newRow("acolada in cheie") << "{x{Vardolin.FATA.C_NUME_L1}"
                                          << "";
        QTest::newRow("descrierea elevului")
            << "{Vardolin.FATA.C_NUME_L1} {Vardolin.FATA.C_NUME_L2} / {Vardolin.FATA.C_NUME_L1} "
               "{Vardolin.FATA.C_NUME_L2} ({Vardolin.FATA.C_CNP})"
            << "Popescu Ştefan Ţugui / Popescu Ştefan Ţugui (1900101123456)";
    }
    void parseExp() {
        QFETCH(QString, expresie);
        QFETCH(QString, asteptat);
        GardaTranzactie garda;
        QCOMPARE(ParseExp(expresie, 1), asteptat);
    }

    void parseExpCereTranzactie() {
        try {
            ParseExp("text", 1);
            QFAIL("fara eroare");
        } catch (const Eroare& e) {
            QCOMPARE(e.text(), "Tranzactia trebuie sa fie activa in momentul apelarii procedurii ParseExp");
        }
    }

    void descriereaScolii() {
        b->executa("insert into SCOALA (ID_SCOALA) values (1)");
        scrie(*b, "FATA", "C_SCOALA_PROVENIENTA_L1", 1, "Liceul", "SCOALA");
        scrie(*b, "FATA", "C_SCOALA_PROVENIENTA_L2", 1, "Tehnologic", "SCOALA");
        scrie(*b, "FATA", "C_LOCALITATEA", 1, "Iaşi", "SCOALA");
        scrie(*b, "FATA", "C_COD_SIRUES", 1, "123", "SCOALA");
        GardaTranzactie garda;
        QCOMPARE(ParseExp(ProfilInregistrat()->ListaCampuriGeneric(), 1, "SCOALA"),
                 "Liceul Tehnologic / Iaşi (123)");
        // a student's own field means nothing for a school row
        QCOMPARE(ParseExp("[{Vardolin.FATA.C_NUME_L1}]", 1, "SCOALA"), "[]");
    }
};

QTEST_GUILESS_MAIN(TestUValoareCamp)
#include "tst_UValoareCamp.moc"
