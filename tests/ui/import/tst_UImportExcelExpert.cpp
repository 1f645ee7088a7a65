#include "BazaTest.h"
#include "app/UVardolinMain.h"
#include "import/MemoriePreluare.h"
#include "import/UExcelSelectieColoana.h"
#include "import/UImportExcelExpert.h"
#include "import/UKivExcelImportFrame.h"
#include "platform/StocSetari.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

namespace {

// A script for the column-selection window: clicks into column c and presses "Ok".
std::function<int(QDialog&)> alegeColoana(int c) {
    return [c](QDialog& f) {
        auto& s = dynamic_cast<TExcelSelectieColoana&>(f);
        s.SelecteazaColoana(c);
        s.BtnOk->click();
        return s.result();
    };
}

} // namespace

class TestUImportExcelExpert : public QObject {
    Q_OBJECT
    std::unique_ptr<BazaTest> b;
    QString fisier;

    DialoguriInregistrate& d() { return b->mediu().dialoguri(); }
    void inainte(TImportExcelExpert& w) { QTest::mouseClick(w.BtnInainte, Qt::LeftButton); }
    // Through the forms page with Vardolin ticked, the file chosen, the sheet read: page 2.
    void panaLaCnp(TImportExcelExpert& w) {
        inainte(w);
        w.ListaFormulare->item(0)->setCheckState(Qt::Checked);
        inainte(w);
        d().fisiere.push_back(fisier);
        QTest::mouseClick(w.BtnCauta, Qt::LeftButton);
        w.CbFoaie->setCurrentIndex(0);
        inainte(w);
    }
    TKivExcelImportFrame* cadru(TImportExcelExpert& w, const QString& cod) {
        for (auto* c : w.Cadre())
            if (c->Camp().Cheie.endsWith("." + cod)) return c;
        return nullptr;
    }

private slots:
    void initTestCase() {
        b = std::make_unique<BazaTest>();
        fisier = b->mediu().cale("elevi.csv");
        QFile f(fisier);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Nume;CNP;Clasa\nPop Ion;1900101123453;XII A\nRus Ana;2900101123457;XII B\nTotal;2;\n");
    }
    void cleanupTestCase() { b.reset(); }
    void init() {
        b->executa("delete from ELEVI");
        b->executa("delete from \"DATE\"");
        b->executa("delete from PROFIL_DIPLOMA where COD_FORMULAR = 'Alt'");
        d().mesaje.clear();
        StocSetari::redirectioneaza(
            b->mediu().cale(QString("setari-%1.ini").arg(QTest::currentTestFunction())));
    }

    void paginileSiMesajele() {
        TImportExcelExpert w;
        QCOMPARE(w.windowTitle(), "Import de date din Excel");
        QCOMPARE(w.PaginaCurenta(), 0);
        QVERIFY(!w.BtnInapoi->isEnabled());
        inainte(w);
        QCOMPARE(w.PaginaCurenta(), 4);
        QCOMPARE(w.ListaFormulare->item(0)->text(), "Vardolin");
        inainte(w);
        QCOMPARE(d().texte("mesaj"), QStringList{"Va rugam bifati cel putin un formular"});
        QCOMPARE(w.PaginaCurenta(), 4);
        w.ListaFormulare->item(0)->setCheckState(Qt::Checked);
        inainte(w);
        QCOMPARE(w.PaginaCurenta(), 1);
        inainte(w);
        QCOMPARE(
            d().texte("mesaj").last(),
            "Va rugam deschideti un fisier XLS si alegeti foaia de calcul de pe care se va face importul");
        d().fisiere.push_back(fisier);
        QTest::mouseClick(w.BtnCauta, Qt::LeftButton);
        QCOMPARE(w.EdFisier->text(), fisier);
        QVERIFY(w.CbFoaie->isEnabled());
        QCOMPARE(w.CbFoaie->currentIndex(), -1);
        w.CbFoaie->setCurrentIndex(0);
        inainte(w);
        QCOMPARE(w.PaginaCurenta(), 2);
        QCOMPARE(w.Coloane().NrRanduri(), 2);
        QCOMPARE(w.EdCnp->text(), "B"); // proposed by the header
        w.EdCnp->clear();
        inainte(w);
        QCOMPARE(d().texte("eroare"),
                 QStringList{"Va rugam selectati coloana de pe care se vor prelua date pentru CNP"});
        d().ferestre.push_back(alegeColoana(1));
        QTest::mouseClick(w.BtnCnp, Qt::LeftButton);
        QCOMPARE(w.EdCnp->text(), "B");
        QCOMPARE(w.Selectie()->LabelSelectie->text(), "Ati selectat coloana B");
        inainte(w);
        QCOMPARE(w.PaginaCurenta(), 5);
        QVERIFY(w.BtnInapoi->isEnabled());
        inainte(w);
        QCOMPARE(d().texte("eroare").last(), "Va rog selectati coloana din care voi prelua datele");
        QCOMPARE(w.PaginaCurenta(), 5);
        QTest::mouseClick(w.BtnInapoi, Qt::LeftButton);
        QCOMPARE(w.PaginaCurenta(), 4);
    }

    void selectiaCeruta() {
        TImportExcelExpert w;
        panaLaCnp(w);
        TExcelSelectieColoana& s = *w.Selectie();
        QCOMPARE(s.windowTitle(), "Selectie coloana EXCEL");
        QCOMPARE(s.G->Coloane.Count(), 3);
        QCOMPARE(s.G->Linii.Count(), 2);
        QVERIFY(!s.LabelSelectie->isVisible());
        s.show();
        QTest::mouseClick(s.G->viewport(), Qt::LeftButton, {}, s.G->CellRect(2, 2).center());
        QCOMPARE(s.ColoanaSelectata, "C");
        QVERIFY(s.LabelSelectie->isVisible());
        // a click on the cell already current chooses it too
        s.SelecteazaColoana(0);
        QTest::mouseClick(s.G->viewport(), Qt::LeftButton, {}, s.G->CellRect(2, 2).center());
        QCOMPARE(s.ColoanaSelectata, "C");
    }

    // Ok with nothing clicked takes the cell that looks chosen: one column, one row passes.
    void okFaraClic() {
        TImportExcelExpert w;
        panaLaCnp(w);
        w.Selectie()->BtnOk->click();
        QCOMPARE(w.Selectie()->result(), int(QDialog::Accepted));
        QCOMPARE(w.Selectie()->ColoanaSelectata, "A");
    }

    // A remembered column past the sheet's last one is refused on its page, for the CNP and a field.
    void coloanaMemorataLipsa() {
        TImportExcelExpert w;
        panaLaCnp(w);
        w.EdCnp->setText("Q");
        inainte(w);
        QCOMPARE(w.PaginaCurenta(), 2);
        QVERIFY(
            d().texte("eroare").last().startsWith("Coloana Q aleasa pentru CNP nu exista in aceasta foaie"));
        w.EdCnp->setText("B");
        inainte(w);
        auto* c = w.Cadre().front();
        c->EdColoana->setText("Z");
        inainte(w);
        QCOMPARE(w.PaginaCurenta(), 5);
        QVERIFY(d().texte("eroare").last().contains("Coloana Z aleasa pentru campul"));
        QVERIFY(d().texte("eroare").last().contains("(foaia are coloanele A-C)"));
    }

    // Fields of a form that is not ticked are passed over and not imported.
    void formularNebifatEsteSarit() {
        b->executa(
            "insert into PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, COD_CAMP, ETICHETA_EDITOR, TIP_DE_DATE, "
            "ASOCIAT_CU, ORDINE) values ('Alt', 'FATA', 'X', 'Altceva', 'TEXT', 'ELEVI', 2)");
        TImportExcelExpert w;
        QCOMPARE(w.ListaFormulare->count(), 2);
        QVERIFY(!cadru(w, "X")->NuImport());
        panaLaCnp(w);
        d().ferestre.push_back(alegeColoana(1));
        QTest::mouseClick(w.BtnCnp, Qt::LeftButton);
        inainte(w);
        for (int pagina = 5; w.PaginaCurenta() >= 5 && pagina < 100; ++pagina) {
            auto* c = w.Cadre().at(size_t(w.PaginaCurenta() - 5));
            QVERIFY(c->CodFormular() == "Vardolin");
            c->SeteazaNuImport(true);
            inainte(w);
        }
        QCOMPARE(w.PaginaCurenta(), 3);
        QVERIFY(cadru(w, "X")->NuImport());
    }

    // Every page passed, the import run, the summary read; the choices come back next time.
    void preluareCompleta() {
        {
            TImportExcelExpert w;
            panaLaCnp(w);
            d().ferestre.push_back(alegeColoana(1));
            QTest::mouseClick(w.BtnCnp, Qt::LeftButton);
            for (auto* c : w.Cadre())
                c->SeteazaNuImport(true);
            auto* nume = cadru(w, "C_NUME_L1");
            nume->SeteazaNuImport(false);
            nume->CbMod->setCurrentIndex(mgPrimaParte);
            d().ferestre.push_back(alegeColoana(0));
            QTest::mouseClick(nume->BtnColoana, Qt::LeftButton);
            auto* articol = cadru(w, "C_ARTICOL");
            articol->SeteazaNuImport(false);
            articol->CbMod->setCurrentIndex(mgDinCnp);
            articol->EdFete->setText("eleva");
            articol->EdBaieti->setText("elevul");
            inainte(w);
            while (w.PaginaCurenta() >= 5)
                inainte(w);
            QCOMPARE(w.PaginaCurenta(), 3);
            inainte(w);
            QCOMPARE(w.result(), int(QDialog::Accepted));
            QCOMPARE(d().texte("fereastra").last(), "TRezumatFereastra");
            QVERIFY(w.Rezumat()->Text().startsWith("Elevi adaugati: 2\nElevi actualizati: 0"));
            QVERIFY(w.Rezumat()->Text().contains("neluate in seama (titluri, antete, note): 1, 4"));
        }
        QCOMPARE(b->valoare("select count(*) from ELEVI").toInt(), 2);
        QCOMPARE(
            b->coloana("select VALOARE_TEXT from \"DATE\" where COD_CAMP = 'C_ARTICOL' order by ID_ELEVI"),
            QVariantList({"elevul", "eleva"}));
        QCOMPARE(
            b->coloana("select VALOARE_TEXT from \"DATE\" where COD_CAMP = 'C_NUME_L1' order by ID_ELEVI"),
            QVariantList({"Pop", "Rus"}));

        TImportExcelExpert alta;
        QCOMPARE(alta.EdCnp->text(), "B");
        QCOMPARE(cadru(alta, "C_NUME_L1")->CbMod->currentIndex(), int(mgPrimaParte));
        QCOMPARE(cadru(alta, "C_NUME_L1")->EdColoana->text(), "A");
        QCOMPARE(cadru(alta, "C_ARTICOL")->EdFete->text(), "eleva");
    }

    // "NU import" is remembered like a column; a change made from the review page is remembered
    // too; a field passed over because its form was not ticked keeps what it had.
    void nuImportMemorat() {
        b->executa(
            "insert into PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, COD_CAMP, ETICHETA_EDITOR, TIP_DE_DATE, "
            "ASOCIAT_CU, ORDINE) values ('Alt', 'FATA', 'X', 'Altceva', 'TEXT', 'ELEVI', 2)");
        TCampPreluat alt;
        alt.Cheie = "Alt.FATA.X";
        alt.Coloana = "C";
        MemoreazaAlegerile(QString(), {alt});
        const auto importa = [&](const std::function<void(TImportExcelExpert&)>& laRevizuire) {
            TImportExcelExpert w;
            panaLaCnp(w);
            inainte(w);
            while (w.PaginaCurenta() >= 5)
                inainte(w);
            QCOMPARE(w.PaginaCurenta(), 3);
            laRevizuire(w);
            inainte(w);
            QCOMPARE(w.result(), int(QDialog::Accepted));
        };
        {
            TImportExcelExpert w;
            for (auto* c : w.Cadre())
                c->SeteazaNuImport(c != cadru(w, "C_NUME_L1") && c->CodFormular() == "Vardolin");
            cadru(w, "C_NUME_L1")->EdColoana->setText("A");
            panaLaCnp(w);
            inainte(w);
            while (w.PaginaCurenta() >= 5)
                inainte(w);
            inainte(w);
            QCOMPARE(w.result(), int(QDialog::Accepted));
        }
        importa([&](TImportExcelExpert& w) {
            QVERIFY(!cadru(w, "C_NUME_L1")->NuImport());
            int nuSeImporta = 0;
            for (int r = 0; r < w.TabelRevizuire->rowCount(); ++r)
                nuSeImporta += w.TabelRevizuire->item(r, 1)->text() == "nu se importa";
            QCOMPARE(nuSeImporta, int(w.Cadre().size()) - 1);
            const int rand =
                int(std::find(w.Cadre().begin(), w.Cadre().end(), cadru(w, "D_NUME")) - w.Cadre().begin());
            emit w.TabelRevizuire->cellDoubleClicked(rand, 0);
            QVERIFY(cadru(w, "D_NUME")->NuImport());
            cadru(w, "D_NUME")->SeteazaNuImport(false);
            cadru(w, "D_NUME")->EdColoana->setText("C");
            while (w.PaginaCurenta() >= 5)
                inainte(w);
        });
        TImportExcelExpert urmatorul;
        QVERIFY(!cadru(urmatorul, "D_NUME")->NuImport());
        QCOMPARE(cadru(urmatorul, "D_NUME")->EdColoana->text(), "C");
        QVERIFY(cadru(urmatorul, "C_ABREVIERE")->NuImport());
        QVERIFY(!cadru(urmatorul, "X")->NuImport());
        QCOMPARE(cadru(urmatorul, "X")->EdColoana->text(), "C");
        QCOMPARE(b->coloana("select VALOARE_TEXT from \"DATE\" where COD_CAMP = 'D_NUME' order by ID_ELEVI"),
                 QVariantList({"XII A", "XII B"}));
    }

    // The header proposes columns to fields used for the first time, a remembered one wins; the
    // last page reviews every field with an example and the counts, and opens a field's page.
    void revizuireSiPropuneri() {
        TCampPreluat memorat;
        memorat.Cheie = "Vardolin.FATA.D_NUME";
        memorat.Coloana = "C";
        MemoreazaAlegerile(QString(), {memorat});
        b->executa("insert into ELEVI (ID_ELEVI) values (1)");
        b->executa("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, "
                   "ID_ELEVI) values ('Vardolin', 'FATA', 'C_CNP', '1900101123453', 0, 1)");
        TImportExcelExpert w;
        panaLaCnp(w);
        QCOMPARE(w.EdCnp->text(), "B");
        QCOMPARE(cadru(w, "C_NUME_L1")->EdColoana->text(), "A");
        QCOMPARE(cadru(w, "C_NUME_L2")->EdColoana->text(), QString()); // one field a column
        QCOMPARE(cadru(w, "D_NUME")->EdColoana->text(), "C");
        QCOMPARE(cadru(w, "C_ABREVIERE")->EdColoana->text(), QString());
        // the page names the field by its label; the profile's key is for the administrator
        QCOMPARE(cadru(w, "C_NUME_L1")->LabelEticheta->text(), "Nume (linia 1, cotor)");
        QCOMPARE(cadru(w, "C_NUME_L1")->LabelCheie->text(), "Formularul Vardolin, pagina fata");
        QCOMPARE(cadru(w, "C_NUME_L1")->LabelEticheta->toolTip(),
                 "Cheia campului in profil: Vardolin.FATA.C_NUME_L1");
        for (auto* c : w.Cadre())
            c->SeteazaNuImport(c != cadru(w, "C_NUME_L1") && c != cadru(w, "D_NUME"));
        inainte(w);
        while (w.PaginaCurenta() >= 5)
            inainte(w);
        QCOMPARE(w.PaginaCurenta(), 3);
        QCOMPARE(w.LabelPrevizualizare->text(),
                 "Se vor citi 2 randuri (CNP din coloana B): 1 elevi noi, 1 elevi existenti actualizati.");
        const auto linie = [&](const QString& cod) {
            for (int r = 0; r < w.TabelRevizuire->rowCount(); ++r)
                if (w.Cadre().at(size_t(r)) == cadru(w, cod)) {
                    QStringList l;
                    for (int k = 0; k < 4; ++k)
                        l << w.TabelRevizuire->item(r, k)->text();
                    return std::pair{r, l};
                }
            return std::pair{-1, QStringList()};
        };
        QCOMPARE(linie("C_NUME_L1").second,
                 QStringList({"Nume (linia 1, cotor)", "din coloana", "A (Nume)", "Pop Ion"}));
        // the example keeps at least a third of the table, and each cell's tooltip has the whole text
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QHeaderView* antet = w.TabelRevizuire->horizontalHeader();
        const int latime = w.TabelRevizuire->viewport()->width();
        QVERIFY2(antet->sectionSize(3) * 3 >= latime, qPrintable(QString::number(antet->sectionSize(3))));
        QCOMPARE(antet->length(), latime);
        QCOMPARE(w.TabelRevizuire->item(linie("C_NUME_L1").first, 1)->toolTip(), "din coloana");
        QCOMPARE(linie("D_NUME").second.mid(2), QStringList({"C (Clasa)", "XII A"}));
        QCOMPARE(linie("C_ABREVIERE").second.at(1), "nu se importa");
        emit w.TabelRevizuire->cellDoubleClicked(linie("D_NUME").first, 0);
        QCOMPARE(w.Pagini->currentWidget(), static_cast<QWidget*>(cadru(w, "D_NUME")));
        cadru(w, "D_NUME")->EdColoana->setText("A");
        while (w.PaginaCurenta() >= 5)
            inainte(w);
        QCOMPARE(linie("D_NUME").second.mid(2), QStringList({"A (Nume)", "Pop Ion"}));
    }

    void opreste() {
        TImportExcelExpert w;
        panaLaCnp(w);
        d().ferestre.push_back(alegeColoana(1));
        QTest::mouseClick(w.BtnCnp, Qt::LeftButton);
        for (auto* c : w.Cadre())
            c->SeteazaNuImport(true);
        w.LaRand = [](TProgresPreluare& p, int i) {
            QCOMPARE(p.isVisible(), i > 0);
            if (i == 1) QTest::mouseClick(p.BtnOpresc, Qt::LeftButton);
        };
        inainte(w);
        while (w.PaginaCurenta() >= 5)
            inainte(w);
        inainte(w);
        QCOMPARE(w.result(), 0);
        QCOMPARE(w.PaginaCurenta(), 3);
        QCOMPARE(b->valoare("select count(*) from ELEVI").toInt(), 1);
        QCOMPARE(d().texte("fereastra").last(), "TRezumatFereastra");
        QVERIFY(w.Rezumat()->Text().startsWith("Preluarea a fost oprita la randul 3 din foaie"));
    }

    // The menu's undo asks with what it will do, shows what it did, and finds nothing more to undo.
    void anulareDinMeniu() {
        for (const char* tabel : {"PRELUARI_VALORI", "PRELUARI_ELEVI", "PRELUARI"})
            b->executa(QString("delete from %1").arg(tabel));
        TListaColoaneExcel coloane;
        CitesteFoaia(RegistruDeCalcul::deschide(fisier).foi.at(0), coloane);
        auto campuri = CampuriDePreluat();
        for (TCampPreluat& c : campuri)
            c.NuImport = true;
        TPreluareExcel().Executa(coloane, "B", campuri);
        TVardolineMain w;
        d().raspunsuri.push_back(true);
        QString rezumat;
        d().ferestre.push_back([&](QDialog& f) {
            rezumat = f.findChild<QPlainTextEdit*>("Text")->toPlainText();
            return int(QDialog::Accepted);
        });
        w.AnuleazaPreluarea1->trigger();
        QVERIFY(d().texte("intrebare")
                    .last()
                    .contains("Se vor sterge 2 elevi adaugati de ea si se vor pune la "
                              "loc 0 valori schimbate de ea."));
        QVERIFY2(rezumat.contains("Elevi stersi: 2\nValori puse la loc: 0"), qPrintable(rezumat));
        QCOMPARE(b->valoare("select count(*) from ELEVI").toInt(), 0);
        w.AnuleazaPreluarea1->trigger();
        QCOMPARE(d().texte("mesaj").last(), "Nu exista nicio preluare de anulat.");
    }

    void meniulPrincipal() {
        TVardolineMain w;
        QString titlu;
        d().ferestre.push_back([&](QDialog& f) {
            titlu = f.windowTitle();
            return int(QDialog::Rejected);
        });
        w.ImportdinExcel1->trigger();
        QCOMPARE(titlu, "Import de date din Excel");
    }
};

QTEST_MAIN(TestUImportExcelExpert)
#include "tst_UImportExcelExpert.moc"
