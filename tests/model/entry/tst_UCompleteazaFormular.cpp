#include "BazaTest.h"
#include "data/UValoareCamp.h"
#include "entry/UCompleteazaFormular.h"
#include "entry/UKivQuickRegStuff.h"
#include "platform/Eroare.h"

#include <QtTest>
#include <memory>

namespace {

void scrie(BazaTest& b, const QString& pagina, const QString& camp, int id, const QString& text) {
    b.executa(QString("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, "
                      "ID_ELEVI) values ('Vardolin', '%1', '%2', '%3', 0, %4)")
                  .arg(pagina, camp, QString(text).replace("'", "''"))
                  .arg(id));
}

void modNote(const QString& notaDiploma, const QString& notaCotor, const QString& mari) {
    TInfoGlobal2005 s;
    s.setNotaDiploma(notaDiploma);
    s.setNotaCotor(notaCotor);
    s.setMedieDiploma(notaDiploma);
    s.setMedieCotor(notaCotor);
    s.setScriuCuLitereMari(mari);
}

// A page description with the areas a case needs; no widget anywhere.
struct PaginaDeProba {
    PaginaFormular pagina;

    // An area by its place, valid while areas are added.
    struct Zona {
        PaginaFormular* p;
        size_t i;
        AriePagina* operator->() const { return &p->arii[i]; }
        AriePagina& operator*() const { return p->arii[i]; }
    };

    Zona zona(const QString& d1, const QString& d2 = {}, const QString& d3 = {}, double top = 10) {
        AriePagina a;
        a.nume = QString("FormularTextArea%1").arg(pagina.arii.size() + 1);
        a.Denumire1 = d1;
        a.Denumire2 = d2;
        a.Denumire3 = d3;
        a.stanga = 10;
        a.latime = 40;
        a.inaltime = 4;
        a.sus = top;
        pagina.arii.push_back(a);
        return {&pagina, pagina.arii.size() - 1};
    }
    void umple(int id) {
        GardaTranzactie garda;
        UmplePagina(pagina, id);
    }
};

QString eroareaUmplerii(PaginaDeProba& p, int id) {
    try {
        p.umple(id);
    } catch (const Eroare& e) {
        return e.text();
    }
    return {};
}

} // namespace

// The filling rules on a page description, without any widget.
class TestUCompleteazaFormular : public QObject {
    Q_OBJECT
    std::unique_ptr<BazaTest> b;

private slots:
    void initTestCase() { b = std::make_unique<BazaTest>(); }
    void cleanupTestCase() { b.reset(); }
    void init() {
        b->executa("delete from \"DATE\"");
        b->executa("delete from ELEVI");
        b->executa("insert into ELEVI (ID_ELEVI) values (1)");
        b->executa("insert into ELEVI (ID_ELEVI) values (2)");
        scrie(*b, "FATA", "C_NUME_L1", 1, "ABCDE");
        scrie(*b, "FATA", "C_NUME_L1", 2, "Ionescu");
        scrie(*b, "SPATE", "C_NOTA_1", 1, "9,63");
        scrie(*b, "SPATE", "C_NOTA_1", 2, "10");
        // The stub's grade follows the certificate's through its similar-with link.
        scrie(*b, "SPATE", "D_NOTA_1", 1, "9,63");
        scrie(*b, "SPATE", "D_NOTA_1", 2, "10");
        modNote("NOTA/LITERE", "NOTA/PROCENT", "1");
    }

    void parteaDinValoare_data() {
        QTest::addColumn<QString>("d2");
        QTest::addColumn<QString>("d3");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("eroare");
        const QString n2 = "FormularTextArea1.TFormularTextArea are denumire2=\"%1\" (adica nu un numar)";
        const QString n3 = "FormularTextArea1.TFormularTextArea are Denumire3=\"%1\" (adica nu un numar)";
        QTest::newRow("toata") << ""
                               << ""
                               << "ABCDE"
                               << "";
        QTest::newRow("3 si 2") << "3"
                                << "2"
                                << "CD"
                                << "";
        QTest::newRow("3 singur") << "3"
                                  << ""
                                  << "C"
                                  << "";
        QTest::newRow("dupa sfarsit") << "9"
                                      << ""
                                      << ""
                                      << "";
        QTest::newRow("0 si 2") << "0"
                                << "2"
                                << "AB"
                                << "";
        QTest::newRow("negativ si 2") << "-3"
                                      << "2"
                                      << "AB"
                                      << "";
        QTest::newRow("taiat la sfarsit") << "4"
                                          << "9"
                                          << "DE"
                                          << "";
        QTest::newRow("lungime 0") << "2"
                                   << "0"
                                   << ""
                                   << "";
        QTest::newRow("lungime negativa") << "2"
                                          << "-1"
                                          << ""
                                          << "";
        QTest::newRow("x") << "x"
                           << ""
                           << "" << n2.arg("x");
        QTest::newRow("zecimal") << "2.5"
                                 << ""
                                 << "" << n2.arg("2.5");
        QTest::newRow("-1234") << "-1234"
                               << ""
                               << "" << n2.arg("-1234");
        QTest::newRow("lungime y") << "2"
                                   << "y"
                                   << "" << n3.arg("y");
        QTest::newRow("lungime gresita fara start") << ""
                                                    << "y"
                                                    << "" << n3.arg("y");
    }

    void parteaDinValoare() {
        QFETCH(QString, d2);
        QFETCH(QString, d3);
        QFETCH(QString, text);
        QFETCH(QString, eroare);
        PaginaDeProba p;
        auto z = p.zona("Vardolin.FATA.C_NUME_L1", d2, d3);
        z->text = "vechi";
        QCOMPARE(eroareaUmplerii(p, 1), eroare);
        QCOMPARE(z->text, text);
        QVERIFY(!Tr().activa());
    }

    void tipulCampului_data() {
        QTest::addColumn<QString>("cheie");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("eroare");
        QTest::newRow("text") << "Vardolin.FATA.C_NUME_L1"
                              << "TEXT"
                              << "";
        QTest::newRow("cnp") << "Vardolin.FATA.C_CNP"
                             << "CNP"
                             << "";
        QTest::newRow("nota") << "Vardolin.SPATE.D_NOTA_1"
                              << "NOTA"
                              << "";
        QTest::newRow("cheie goala") << ""
                                     << "X"
                                     << "";
        QTest::newRow("doar puncte") << ".."
                                     << "X"
                                     << "";
        QTest::newRow("camp necunoscut") << "Vardolin.FATA.NU_EXISTA"
                                         << ""
                                         << "FormularTextArea1.TFormularTextArea face referire la campul "
                                            "inexistent Vardolin.FATA.NU_EXISTA";
        QTest::newRow("doar formularul")
            << "Vardolin"
            << ""
            << "FormularTextArea1.TFormularTextArea face referire la campul inexistent Vardolin..";
    }

    void tipulCampului() {
        QFETCH(QString, cheie);
        QFETCH(QString, tip);
        QFETCH(QString, eroare);
        PaginaDeProba p;
        auto z = p.zona(cheie, "1");
        GardaTranzactie garda;
        try {
            QCOMPARE(TipuriCampuri::citeste().tipul(*z), tip);
            QVERIFY(eroare.isEmpty());
        } catch (const Eroare& e) {
            QCOMPARE(e.text(), eroare);
        }
    }

    void cheieGoalaDaValoareaRezolvarii() {
        PaginaDeProba p;
        auto z = p.zona("");
        z->text = "vechi";
        p.umple(1);
        GardaTranzactie garda;
        QCOMPARE(z->text, ValoareCamp("", "", "", 1));
    }

    // The first failing area stops the filling; the areas before it keep their new text, those
    // after it the number the page's preparation wrote.
    void eroareaOpresteUmplerea() {
        PaginaDeProba p;
        auto inainte = p.zona("Vardolin.FATA.C_NUME_L1");
        p.zona("Vardolin.FATA.LIPSESTE");
        auto dupa = p.zona("Vardolin.FATA.C_NUME_L1");
        dupa->text = "neatins";
        QVERIFY(eroareaUmplerii(p, 2).contains("campul inexistent Vardolin.FATA.LIPSESTE"));
        QCOMPARE(inainte->text, QString("Ionescu"));
        QCOMPARE(dupa->text, QString("<3>"));
    }

    void perechiDeNote_data() {
        QTest::addColumn<QString>("felSus");
        QTest::addColumn<QString>("felJos");
        QTest::addColumn<QString>("felSingur");
        QTest::addColumn<QString>("textSus");
        QTest::addColumn<QString>("textJos");
        QTest::addColumn<QString>("textSingur");
        // The pair's kind reads as NOTA_COTOR (two lines); the lone area's is another text, so it
        // pairs with nothing and writes one line.
        QTest::newRow("cu blanc si litere mici") << " nota_cotor"
                                                 << " nota_cotor"
                                                 << "NOTA_COTOR"
                                                 << "9,63"
                                                 << "(NOUĂ, 63%)"
                                                 << "9,63 (NOUĂ, 63%)";
        QTest::newRow("diferite doar la litere") << "nota_cotor"
                                                 << "NOTA_COTOR"
                                                 << "Nota_Cotor "
                                                 << "9,63"
                                                 << "(NOUĂ, 63%)"
                                                 << "9,63 (NOUĂ, 63%)";
        QTest::newRow("diploma pe doua randuri") << "NOTA_DIPLOMA"
                                                 << "NOTA_DIPLOMA"
                                                 << "nota_cotor "
                                                 << "9,63"
                                                 << "(NOUĂ, ŞAIZECIŞITREI)"
                                                 << "9,63 (NOUĂ, 63%)";
    }

    void perechiDeNote() {
        QFETCH(QString, felSus);
        QFETCH(QString, felJos);
        QFETCH(QString, felSingur);
        QFETCH(QString, textSus);
        QFETCH(QString, textJos);
        QFETCH(QString, textSingur);
        PaginaDeProba p;
        const QString cheie = "Vardolin.SPATE.C_NOTA_1";
        // The lower area comes first among the children: the pair is found by position.
        auto jos = p.zona(cheie, "litere", felJos, 24);
        auto singur = p.zona(cheie, "cifre", felSingur, 40);
        auto sus = p.zona(cheie, "cifre", felSus, 20);
        p.umple(1);
        QCOMPARE(sus->text, textSus);
        QCOMPARE(jos->text, textJos);
        QCOMPARE(singur->text, textSingur);
        QVERIFY(jos->vizibila);
        QCOMPARE(sus->sus, 20.0);
        QCOMPARE(jos->sus, 24.0);
        const PerecheNota pereche = PerecheaNotei(p.pagina, *jos);
        QCOMPARE(pereche.sus, &*sus);
        QCOMPARE(pereche.jos, &*jos);
    }

    void felDeNotaGresit() {
        PaginaDeProba p;
        p.zona("Vardolin.SPATE.C_NOTA_1", "", "NOTA_SCOALA");
        QCOMPARE(
            eroareaUmplerii(p, 1),
            QString("FormularTextArea1.TFormularTextArea specifica un camp \"NOTA\" cu Denumire3 = "
                    "\"NOTA_SCOALA\"; Denumire3 ar trebui sa fie NOTA_DIPLOMA, NOTA_COTOR, MEDIE_DIPLOMA sau "
                    "MEDIE_COTOR!"));
    }

    void notaLipsa() {
        b->executa("delete from \"DATE\" where COD_CAMP in ('C_NOTA_1', 'D_NOTA_1') and ID_ELEVI = 1");
        PaginaDeProba p;
        auto sus = p.zona("Vardolin.SPATE.C_NOTA_1", "", "NOTA_COTOR", 20);
        auto jos = p.zona("Vardolin.SPATE.C_NOTA_1", "", "NOTA_COTOR", 24);
        p.umple(1);
        QCOMPARE(sus->text, QString("----"));
        QCOMPARE(jos->text, QString(" "));
    }

    // Refilled for another student, one-line grades stay half-way between their lines.
    void reumplereaNuMutaZonele() {
        modNote("NOTA", "NOTA", "0");
        PaginaDeProba p;
        auto sus = p.zona("Vardolin.SPATE.C_NOTA_1", "", "NOTA_COTOR", 20);
        auto jos = p.zona("Vardolin.SPATE.C_NOTA_1", "", "NOTA_COTOR", 24);
        for (int id : {1, 2, 1, 2}) {
            p.umple(id);
            QCOMPARE(sus->sus, 22.0);
            QCOMPARE(jos->sus, 24.0);
            QVERIFY(!jos->vizibila);
            QCOMPARE(sus->text, QString(id == 1 ? "9,63" : "10,00"));
        }
        modNote("NOTA/LITERE", "NOTA/LITERE", "0");
        p.umple(2);
        QCOMPARE(sus->sus, 20.0);
        QCOMPARE(sus->text, QString("10,00"));
        QCOMPARE(jos->text, QString("(zece)"));
    }

    // Values from elsewhere (a batch reads them in bulk): the same rules, no value read here.
    void valoriDinAltaSursa() {
        PaginaFormular d;
        d.arii.resize(3);
        d.arii[0].Denumire1 = "Vardolin.FATA.C_CNP";
        d.arii[0].Denumire2 = "4";
        d.arii[1].Denumire1 = "Vardolin.SPATE.C_NOTA_1";
        d.arii[1].Denumire3 = "NOTA_DIPLOMA";
        d.arii[2].Denumire1 = "Vardolin.FATA.C_NUME_L1";
        d.arii[2].nume = "FormularTextArea3";
        QStringList cerute;
        GardaTranzactie garda;
        UmplePagina(d, [&](const CheieCamp& c) {
            cerute << c.camp;
            return c.camp == "C_NOTA_1" ? QString("7") : QString("2900101123456");
        });
        QCOMPARE(cerute, QStringList({"C_CNP", "C_NOTA_1", "C_NUME_L1"}));
        QCOMPARE(d.arii[0].text, QString("0"));
        QCOMPARE(d.arii[1].text, QString("7,00 (ŞAPTE)"));
        QCOMPARE(d.arii[2].text, QString("2900101123456"));
    }
};

QTEST_MAIN(TestUCompleteazaFormular)
#include "tst_UCompleteazaFormular.moc"
