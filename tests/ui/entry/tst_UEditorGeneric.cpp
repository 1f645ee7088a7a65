#include "BazaTest.h"
#include "controls/UKivEditors.h"
#include "data/UDm.h"
#include "entry/UEditorCampCNP.h"
#include "entry/UEditorCampNota.h"
#include "entry/UEditorCampSirues.h"
#include "entry/UEditorCampText.h"
#include "platform/Eroare.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

const QString F = QStringLiteral("Vardolin");

// Makes an editor for one field of one record and loads it, as the record editor does.
template <class E>
std::unique_ptr<E> incarcat(const QString& pagina, const QString& camp, const QString& tabel, int idElev,
                            int idEntitate) {
    auto e = std::make_unique<E>();
    GardaTranzactie garda;
    e->Incarca(F, pagina, camp, tabel, idElev, idEntitate);
    return e;
}

void salveaza(TEditorGeneric& e, int idElev, int idEntitate, const QString& tabel) {
    GardaTranzactie garda;
    e.Salveaza(idElev, idEntitate, tabel);
    garda.Commit();
}

} // namespace

class TestUEditorGeneric : public QObject {
    Q_OBJECT

    std::unique_ptr<BazaTest> baza;

    QVariantList valori(const QString& camp, const QString& conditie) {
        return baza->coloana(QStringLiteral("select VALOARE_TEXT from \"DATE\" where COD_CAMP = '%1' and %2")
                                 .arg(camp, conditie));
    }

private slots:
    void initTestCase() { baza = std::make_unique<BazaTest>(); }
    void cleanupTestCase() { baza.reset(); }
    void init() {
        baza->executa(QStringLiteral("delete from ELEVI"));
        baza->executa(QStringLiteral("delete from SCOALA"));
        baza->executa(QStringLiteral("delete from \"DATE\""));
        for (int id : {1, 2})
            baza->executa(QStringLiteral("insert into ELEVI (ID_ELEVI) values (%1)").arg(id));
        baza->executa(QStringLiteral("insert into SCOALA (ID_SCOALA) values (7)"));
        baza->mediu().dialoguri().mesaje.clear();
    }

    void cnpValid_data() {
        QTest::addColumn<QString>("cnp");
        QTest::addColumn<bool>("valid");
        QTest::newRow("corect") << "1800101220011" << true;
        QTest::newRow("rest 10 cere cifra 1") << "1800101220021" << true;
        QTest::newRow("cifra de control gresita") << "1800101220012" << false;
        QTest::newRow("gol") << "" << false;
        QTest::newRow("12 cifre") << "180010122001" << false;
        QTest::newRow("14 cifre") << "18001012200110" << false;
        QTest::newRow("o litera") << "18001012200a1" << false;
        QTest::newRow("blanc in fata") << " 180010122001" << false;
        QTest::newRow("incepe cu 0") << "0800101220011" << false;
        QTest::newRow("incepe cu 3") << "3800101220015" << false;
        QTest::newRow("incepe cu 4") << "4800101220017" << false;
        QTest::newRow("incepe cu 7") << "7800101220012" << false;
        QTest::newRow("incepe cu 8") << "8800101220014" << false;
        QTest::newRow("incepe cu 9") << "9800101220016" << false;
        QTest::newRow("luna 00") << "1800001220018" << false;
        QTest::newRow("luna 13") << "1813011220014" << false;
        QTest::newRow("ziua 00") << "1801000220016" << false;
        QTest::newRow("31 aprilie") << "1800431220019" << false;
        QTest::newRow("31 martie") << "1800331220015" << true;
        QTest::newRow("29 februarie 2000") << "1000229123456" << true;
        QTest::newRow("29 februarie 2000, femeie") << "2000229123458" << true;
        QTest::newRow("29 februarie 1905") << "1050229123457" << false;
        QTest::newRow("29 februarie 1908") << "1080229123451" << true;
        QTest::newRow("29 februarie 2004 cu 5") << "5040229123456" << true;
        QTest::newRow("29 februarie 1905 cu 5") << "5050229000003" << false;
        QTest::newRow("29 februarie 1996 cu 5") << "5960229123451" << true;
    }
    void cnpValid() {
        QFETCH(QString, cnp);
        QFETCH(bool, valid);
        QCOMPARE(CnpValid(cnp), valid);
    }

    void citesteNota_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("zeciMii");
        QTest::newRow("virgula") << "9,63" << qint64(96300);
        QTest::newRow("punct") << "9.63" << qint64(96300);
        QTest::newRow("o zecimala") << "9,5" << qint64(95000);
        QTest::newRow("intreg") << "7" << qint64(70000);
        QTest::newRow("trei zecimale") << "9,639" << qint64(96300);
        QTest::newRow("al doilea separator") << "1.234,5" << qint64(12300);
        QTest::newRow("fara cifre") << "abc" << qint64(0);
        QTest::newRow("gol") << "" << qint64(0);
        QTest::newRow("litere printre cifre") << " 9a,x6 3" << qint64(96300);
        QTest::newRow("fara parte intreaga") << ",75" << qint64(7500);
        QTest::newRow("prea mare pentru 32 de biti") << "99999999999,5" << qint64(5000);
    }
    void citesteNota() {
        QFETCH(QString, text);
        QFETCH(qint64, zeciMii);
        QCOMPARE(CitesteNota(text).zeciMii, zeciMii);
    }

    void aspectulComun() {
        auto e = incarcat<TEditorCampCNP>("FATA", "C_CNP", "ELEVI", -1, -1);
        e->resize(300, e->height());
        e->Eticheta->setText(QStringLiteral("CNP"));
        e->show();
        QApplication::processEvents();
        QCOMPARE(e->height(), 36);
        QCOMPARE(e->Eticheta->geometry(), QRect(8, 0, 300 - 12, 13));
        QCOMPARE(e->Edit->geometry(), QRect(8, 13, 300 - 12, 21));
        QCOMPARE(e->palette().color(QPalette::Window), QColor(0xF7, 0xF6, 0xF5));
    }

    void inregistrareNouaPornesteGoala() {
        baza->executa(
            QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, "
                           "VALOARE_TEXT, VALOARE_NUM) values ('Vardolin', 'FATA', 'C_CNP', 1, 'x', 0)"));
        auto e = incarcat<TEditorCampCNP>("FATA", "C_CNP", "ELEVI", -1, -1);
        QCOMPARE(e->Id, -1);
        QCOMPARE(e->Edit->text(), QString());
    }

    void regulaProprietarului_data() {
        QTest::addColumn<QString>("tabel");
        QTest::addColumn<QString>("camp");
        QTest::addColumn<QString>("coloana");
        QTest::newRow("elev") << "ELEVI"
                              << "C_CNP"
                              << "ID_ELEVI = 2 and ID_SCOALA is null";
        QTest::newRow("scoala") << "SCOALA"
                                << "C_COD_SIRUES"
                                << "ID_SCOALA = 7 and ID_ELEVI is null";
    }
    void regulaProprietarului() {
        QFETCH(QString, tabel);
        QFETCH(QString, camp);
        QFETCH(QString, coloana);
        auto e = incarcat<TEditorCampSirues>("FATA", camp, tabel, 2, 7);
        QCOMPARE(e->Id, tabel == "ELEVI" ? 2 : 7);
        e->Edit->setText(QStringLiteral("123"));
        salveaza(*e, 2, 7, tabel);
        QCOMPARE(valori(camp, coloana), QVariantList{"123"});
        auto inapoi = incarcat<TEditorCampSirues>("FATA", camp, tabel, 2, 7);
        QCOMPARE(inapoi->Edit->text(), QStringLiteral("123"));
    }

    // What lands in VALOARE_TEXT for what the user typed, by the field's length.
    void valoareaScrisa_data() {
        QTest::addColumn<QString>("camp");
        QTest::addColumn<QString>("tastat");
        QTest::addColumn<QString>("scris");
        const QString lung = QString(300, u'a');
        QTest::newRow("text taiat la 256") << "C_NUME_L1" << lung << lung.left(256);
        QTest::newRow("cnp taiat la 64") << "C_CNP" << lung << lung.left(64);
        QTest::newRow("blancuri la capete") << "C_NUME_L1"
                                            << "  Pop Ion  "
                                            << "Pop Ion";
        QTest::newRow("taiat dupa ce pierde blancurile") << "C_CNP"
                                                         << "   " + lung << lung.left(64);
        QTest::newRow("doar blancuri") << "C_NUME_L1"
                                       << "    "
                                       << "";
        QTest::newRow("gol") << "C_CNP"
                             << ""
                             << "";
        QTest::newRow("diacritice") << "C_NUME_L1"
                                    << "Şerban Ţăran"
                                    << "Şerban Ţăran";
    }
    void valoareaScrisa() {
        QFETCH(QString, camp);
        QFETCH(QString, tastat);
        QFETCH(QString, scris);
        std::unique_ptr<TEditorGeneric> e;
        if (camp == "C_CNP") {
            auto cnp = incarcat<TEditorCampCNP>("FATA", camp, "ELEVI", 1, -1);
            cnp->Edit->setText(tastat);
            e = std::move(cnp);
        } else {
            auto text = incarcat<TEditorCampText>("FATA", camp, "ELEVI", 1, -1);
            text->Combo->setEditText(tastat);
            e = std::move(text);
        }
        salveaza(*e, 1, -1, "ELEVI");
        QCOMPARE(valori(camp, "ID_ELEVI = 1"), QVariantList{scris});
        QCOMPARE(baza->valoare("select count(*) from \"DATE\" where VALOARE_TEXT is null or VALOARE_NUM <> 0")
                     .toInt(),
                 0);
    }

    void primaSalvareInsereazaADouaActualizeaza() {
        auto e = incarcat<TEditorCampCNP>("FATA", "C_CNP", "ELEVI", 1, -1);
        e->Edit->setText(QStringLiteral("111"));
        salveaza(*e, 1, -1, "ELEVI");
        e->Edit->setText(QStringLiteral("222"));
        salveaza(*e, 1, -1, "ELEVI");
        QCOMPARE(valori("C_CNP", "ID_ELEVI = 1"), QVariantList{"222"});
    }

    void duplicateleSuntRescriseToate() {
        for (int i = 0; i < 2; ++i)
            baza->executa(
                QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, "
                               "VALOARE_TEXT, VALOARE_NUM) values ('Vardolin', 'FATA', 'C_CNP', 1, "
                               "'vechi%1', 0)")
                    .arg(i));
        auto e = incarcat<TEditorCampCNP>("FATA", "C_CNP", "ELEVI", 1, -1);
        QVERIFY(e->Edit->text().startsWith(QStringLiteral("vechi")));
        e->Edit->setText(QStringLiteral("nou"));
        salveaza(*e, 1, -1, "ELEVI");
        QCOMPARE(valori("C_CNP", "ID_ELEVI = 1"), (QVariantList{"nou", "nou"}));
    }

    void actualizareaStergeIdScoala() {
        baza->executa(
            QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, ID_SCOALA, "
                           "VALOARE_TEXT, VALOARE_NUM) values ('Vardolin', 'FATA', 'C_CNP', 1, 7, 'x', 0)"));
        auto e = incarcat<TEditorCampCNP>("FATA", "C_CNP", "ELEVI", 1, -1);
        salveaza(*e, 1, -1, "ELEVI");
        QCOMPARE(baza->valoare("select count(*) from \"DATE\" where ID_SCOALA is not null").toInt(), 0);
        QCOMPARE(valori("C_CNP", "ID_ELEVI = 1"), QVariantList{"x"});
    }

    void valoareNullSeIncarcaGoala() {
        baza->executa(QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, "
                                     "VALOARE_NUM) values ('Vardolin', 'FATA', 'C_NUME_L1', 1, 0)"));
        baza->executa(QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, "
                                     "VALOARE_NUM) values ('Vardolin', 'FATA', 'C_CNP', 1, 0)"));
        auto text = incarcat<TEditorCampText>("FATA", "C_NUME_L1", "ELEVI", 1, -1);
        auto cnp = incarcat<TEditorCampCNP>("FATA", "C_CNP", "ELEVI", 1, -1);
        QCOMPARE(text->Combo->currentText(), QString());
        QCOMPARE(text->Combo->count(), 0);
        QCOMPARE(cnp->Edit->text(), QString());
    }

    void salvareaFaraTranzactieEsteRefuzata() {
        auto e = incarcat<TEditorCampCNP>("FATA", "C_CNP", "ELEVI", 1, -1);
        QVERIFY_THROWS_EXCEPTION(Eroare, e->Salveaza(1, -1, "ELEVI"));
    }

    void editorulDeBazaNuPoateSalva() {
        TEditorGeneric e;
        QVERIFY(!e.PotSalva());
        QCOMPARE(baza->mediu().dialoguri().texte("avertisment"),
                 QStringList{"Functioa \"PotSalva\" nu este implementata pentru TEditorGeneric"});
    }

    void listaValorilorAnterioare() {
        const auto scrie = [&](int elev, const QString& text) {
            baza->executa(
                QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, "
                               "VALOARE_TEXT, VALOARE_NUM) values ('Vardolin', 'FATA', 'C_NUME_L1', %1, "
                               "'%2', 0)")
                    .arg(elev)
                    .arg(text));
        };
        scrie(1, "Popescu");
        scrie(2, "Ionescu");
        scrie(2, "");
        baza->executa(QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, "
                                     "VALOARE_NUM) values ('Vardolin', 'FATA', 'C_NUME_L1', 2, 0)"));
        auto e = incarcat<TEditorCampText>("FATA", "C_NUME_L1", "ELEVI", 1, -1);
        QStringList oferite;
        for (int i = 0; i < e->Combo->count(); ++i)
            oferite << e->Combo->itemText(i);
        oferite.sort();
        QCOMPARE(oferite, (QStringList{"Ionescu", "Popescu"}));
        QCOMPARE(e->Combo->currentText(), QStringLiteral("Popescu"));
        QCOMPARE(e->Combo->lineEdit()->cursorPosition(), 7);
        QVERIFY(!e->Combo->lineEdit()->hasSelectedText());
    }

    void intrebareaCnp_data() {
        QTest::addColumn<QString>("cnp");
        QTest::addColumn<QList<bool>>("raspunsuri");
        QTest::addColumn<bool>("poate");
        QTest::addColumn<int>("intrebari");
        QTest::newRow("valid, nu intreaba") << "1800101220011" << QList<bool>{} << true << 0;
        QTest::newRow("gol, Nu") << "" << QList<bool>{false} << false << 1;
        QTest::newRow("eronat, Da") << "1800101220012" << QList<bool>{true} << true << 1;
        QTest::newRow("blanc in fata, Nu") << " 1800101220011" << QList<bool>{false} << false << 1;
    }
    void intrebareaCnp() {
        QFETCH(QString, cnp);
        QFETCH(QList<bool>, raspunsuri);
        QFETCH(bool, poate);
        QFETCH(int, intrebari);
        auto& d = baza->mediu().dialoguri();
        d.raspunsuri.assign(raspunsuri.begin(), raspunsuri.end());
        auto e = incarcat<TEditorCampCNP>("FATA", "C_CNP", "ELEVI", 1, -1);
        e->Edit->setText(cnp);
        QCOMPARE(e->PotSalva(), poate);
        QCOMPARE(d.texte("intrebare").size(), intrebari);
        if (intrebari)
            QCOMPARE(d.texte("intrebare").front(),
                     QStringLiteral("Codul numeric personal este eronat! Sigur doriti sa ontinuati?"));
    }

    void cnpCuBlancAcceptatSeScrieFaraBlanc() {
        baza->mediu().dialoguri().raspunsuri = {true};
        auto e = incarcat<TEditorCampCNP>("FATA", "C_CNP", "ELEVI", 1, -1);
        e->Edit->setText(QStringLiteral(" 1800101220011"));
        QVERIFY(e->PotSalva());
        salveaza(*e, 1, -1, "ELEVI");
        QCOMPARE(valori("C_CNP", "ID_ELEVI = 1"), QVariantList{"1800101220011"});
    }

    // The grade is typed into the numeric edit as a user types it.
    void limiteleNotei_data() {
        QTest::addColumn<QString>("tastat");
        QTest::addColumn<bool>("poate");
        QTest::addColumn<QString>("avertisment");
        QTest::addColumn<QString>("scris");
        QTest::newRow("gol") << "" << true << ""
                             << "";
        QTest::newRow("4,99") << "4,99" << false << "Nota este prea mica"
                              << "";
        QTest::newRow("5") << "5" << true << ""
                           << "5";
        QTest::newRow("5,00") << "5,00" << true << ""
                              << "5,00";
        QTest::newRow("9.63 cu punct") << "9.63" << true << ""
                                       << "9,63";
        QTest::newRow("10,00") << "10,00" << true << ""
                               << "10,00";
        QTest::newRow("10,01") << "10,01" << false << "Nota este prea mare"
                               << "";
        QTest::newRow("0") << "0" << false << "Nota este prea mica"
                           << "";
    }
    void limiteleNotei() {
        QFETCH(QString, tastat);
        QFETCH(bool, poate);
        QFETCH(QString, avertisment);
        QFETCH(QString, scris);
        auto e = incarcat<TEditorCampNota>("SPATE", "D_NOTA_1", "ELEVI", 1, -1);
        e->show();
        e->Edit->setFocus();
        QTest::keyClicks(e->Edit, tastat);
        QCOMPARE(e->PotSalva(), poate);
        const QStringList avertismente = baza->mediu().dialoguri().texte("avertisment");
        QCOMPARE(avertismente, avertisment.isEmpty() ? QStringList{} : QStringList{avertisment});
        if (!poate) return;
        salveaza(*e, 1, -1, "ELEVI");
        QCOMPARE(valori("D_NOTA_1", "ID_ELEVI = 1"), QVariantList{scris});
    }

    void notaIncarcata_data() {
        QTest::addColumn<QString>("stocat");
        QTest::addColumn<QString>("afisat");
        QTest::newRow("virgula") << "9,63"
                                 << "9,63";
        QTest::newRow("punct") << "9.5"
                               << "9,50";
        QTest::newRow("intreg") << "7"
                                << "7,00";
        QTest::newRow("zero") << "0"
                              << "";
        QTest::newRow("fara cifre") << "absent"
                                    << "";
        QTest::newRow("gol") << ""
                             << "";
    }
    void notaIncarcata() {
        QFETCH(QString, stocat);
        QFETCH(QString, afisat);
        baza->executa(
            QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, "
                           "VALOARE_TEXT, VALOARE_NUM) values ('Vardolin', 'SPATE', 'D_NOTA_1', 1, '%1', 0)")
                .arg(stocat));
        auto e = incarcat<TEditorCampNota>("SPATE", "D_NOTA_1", "ELEVI", 1, -1);
        QCOMPARE(e->Edit->Text(), afisat);
        QVERIFY(e->Edit->NoDots());
        QVERIFY(e->Edit->AutoSelectOnEnter());
        QVERIFY(!e->Edit->KeepSelection());
    }
};

QTEST_MAIN(TestUEditorGeneric)
#include "tst_UEditorGeneric.moc"
