#include "BazaTest.h"
#include "app/UVardolinMain.h"
#include "controls/UKivEditors.h"
#include "data/UDm.h"
#include "data/UProfilDiploma.h"
#include "data/UValoareCamp.h"
#include "entry/UAdaugaElev.h"
#include "entry/UEditeaza.h"
#include "entry/UEditorCampNota.h"
#include "entry/UEditorCampSimplu.h"
#include "entry/UEditorCampText.h"
#include "entry/UEditorGenericComplex.h"
#include "entry/UListaElevi.h"
#include "entry/UListaGenerica.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

namespace {

using Valori = QMap<QString, QString>; // "PAGINA.CAMP" -> text typed

TEditorGeneric* editorul(TEditorGenericComplex& e, const QString& cheie) {
    for (TEditorGeneric* ed : *e.Editori)
        if (ed->CodPagina + u'.' + ed->CodCamp == cheie) return ed;
    return nullptr;
}

QString textul(TEditorGeneric* ed) {
    if (auto* t = qobject_cast<TEditorCampText*>(ed)) return t->Combo->currentText();
    if (auto* s = qobject_cast<TEditorCampSimplu*>(ed)) return s->Edit->text();
    return static_cast<TEditorCampNota*>(ed)->Edit->Text();
}

void completeaza(TEditorGenericComplex& e, const Valori& valori) {
    for (auto [cheie, text] : valori.asKeyValueRange()) {
        TEditorGeneric* ed = editorul(e, cheie);
        QVERIFY2(ed, qPrintable(cheie));
        if (auto* t = qobject_cast<TEditorCampText*>(ed))
            t->Combo->setEditText(text);
        else if (auto* s = qobject_cast<TEditorCampSimplu*>(ed))
            s->Edit->setText(text);
        else
            static_cast<TEditorCampNota*>(ed)->Edit->SetText(text);
    }
}

// A script for the student window: reads what it shows, types the values, optionally picks a
// school, presses Ok and answers with the window's result.
std::function<int(QDialog&)> elev(Valori valori, Valori* afisate = nullptr, int scoala = -1) {
    return [=](QDialog& d) {
        auto& f = dynamic_cast<TAdaugaElev&>(d);
        f.show(); // as the user sees it: the lines laid out at their widths
        QApplication::processEvents();
        if (afisate)
            for (auto it = afisate->begin(); it != afisate->end(); ++it)
                *it = textul(editorul(*f.Editor, it.key()));
        completeaza(*f.Editor, valori);
        if (scoala >= 0) f.CbScoala->setCurrentIndex(f.CbScoala->findData(scoala));
        f.RzBitBtn1->click();
        return f.result();
    };
}

std::function<int(QDialog&)> scoala(Valori valori) {
    return [=](QDialog& d) {
        auto& f = dynamic_cast<TEditeaza&>(d);
        completeaza(*f.Editor, valori);
        f.RzBitBtn1->click();
        return f.result();
    };
}

const QString CnpBun = QStringLiteral("1800101220011");

class ButonTest : public THandlerFormularDePrintat {
public:
    ButonTest() : THandlerFormularDePrintat(QStringLiteral("Certificat")) {}
    QWidget* CreeazaFereastra(QWidget*) override { return nullptr; }
};

} // namespace

class TestUListaElevi : public QObject {
    Q_OBJECT

    std::unique_ptr<BazaTest> baza;
    DialoguriInregistrate& d() { return baza->mediu().dialoguri(); }

    int numar(const QString& sql) { return baza->valoare(sql).toInt(); }

    QStringList randuri(const QTreeView* vt) {
        QStringList r;
        for (int i = 0; i < vt->model()->rowCount(); ++i)
            r << vt->model()->index(i, 0).data().toString();
        return r;
    }

    void selecteaza(QTreeView* vt, int rand) {
        vt->selectionModel()->select(vt->model()->index(rand, 0),
                                     QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

    // Adds a student through the list's Adauga button.
    void adaugaElev(TListaElevi& lista, const QString& nume, const QString& prenume,
                    const QString& cnp = CnpBun) {
        d().ferestre.push_back(
            elev({{"FATA.C_NUME_L1", nume}, {"FATA.C_NUME_L2", prenume}, {"FATA.C_CNP", cnp}}));
        lista.RzBitBtn1->click();
    }

    void adaugaScoala(TListaGenerica& lista, const QString& sirues, const QString& denumire) {
        d().ferestre.push_back(
            scoala({{"FATA.C_COD_SIRUES", sirues}, {"FATA.C_SCOALA_PROVENIENTA_L1", denumire}}));
        lista.RzBitBtn1->click();
    }

    std::unique_ptr<TListaGenerica> listaScolilor() {
        auto l = std::make_unique<TListaGenerica>();
        l->Tabel = QStringLiteral("SCOALA");
        l->IncarcaLista();
        return l;
    }

    QString valoareElev(int id, const QString& pagina, const QString& camp) {
        return ValoareCamp(QStringLiteral("Vardolin"), pagina, camp, id);
    }

private slots:
    void initTestCase() { baza = std::make_unique<BazaTest>(); }
    void cleanupTestCase() { baza.reset(); }
    void init() {
        for (const char* t : {"ELEVI", "SCOALA"})
            baza->executa(QStringLiteral("delete from %1").arg(t));
        baza->executa(QStringLiteral("delete from \"DATE\""));
        baza->executa(QStringLiteral("set generator G_ID_ELEVI to 0"));
        d().mesaje.clear();
        d().raspunsuri.clear();
        d().ferestre.clear();
    }

    void filtrul_data() {
        QTest::addColumn<QString>("cautat");
        QTest::addColumn<QStringList>("vazute");
        const QString a = "Pop Ion / Pop Ion (1)", b = "pop ana / pop ana (2)", c = "Popescu Dan / x (3)";
        QTest::newRow("gol") << "" << QStringList{a, b, c};
        QTest::newRow("doar blancuri") << "   " << QStringList{a, b, c};
        QTest::newRow("Pop") << "Pop" << QStringList{a, c};
        QTest::newRow("pop") << "pop" << QStringList{b};
        QTest::newRow("blanc la sfarsit") << "Pop " << QStringList{a};
        QTest::newRow("cnp") << "(3)" << QStringList{c};
        QTest::newRow("nimic") << "Ionescu" << QStringList{};
    }
    void filtrul() {
        QFETCH(QString, cautat);
        QFETCH(QStringList, vazute);
        TListaElevi lista;
        int id = 0;
        for (const QString& descriere :
             QStringList{"Pop Ion / Pop Ion (1)", "pop ana / pop ana (2)", "Popescu Dan / x (3)"}) {
            auto linie = std::make_unique<TLinieElev>();
            linie->Id = ++id;
            linie->Descriere = descriere;
            lista.Linii.push_back(std::move(linie));
        }
        lista.Filtreaza();
        QTest::keyClicks(lista.RzEdit1, cautat); // each change filters again
        QCOMPARE(randuri(lista.VT), vazute);
    }

    void aspectul() {
        TListaElevi lista;
        QCOMPARE(lista.Panel2->width(), 8);
        QCOMPARE(lista.Model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Nume si prenume"));
        QCOMPARE(lista.VT->columnWidth(0), 512);
        QCOMPARE(lista.RzEdit1->size(), QSize(257, 21));
        QCOMPARE(lista.RzBitBtn1->text(), QStringLiteral("Adauga"));
    }

    void butoaneleFormularelor_data() {
        QTest::addColumn<int>("formulare");
        QTest::addColumn<int>("latime");
        QTest::newRow("unul") << 1 << 140;
        QTest::newRow("doua") << 2 << 272;
    }
    void butoaneleFormularelor() {
        QFETCH(int, formulare);
        QFETCH(int, latime);
        const size_t inainte = HandlereFormulare().size();
        for (int i = 0; i < formulare; ++i)
            HandlereFormulare().push_back(std::make_unique<ButonTest>());
        QList<THandlerFormularDePrintat*> vazuti;
        TListaElevi::seteazaCreatorButonFormular([&](THandlerFormularDePrintat& h, TListaElevi&) {
            vazuti << &h;
            return new QPushButton(h.Titlu);
        });
        TListaElevi lista;
        TListaElevi::seteazaCreatorButonFormular(nullptr);
        HandlereFormulare().resize(inainte);
        QCOMPARE(lista.Panel2->width(), latime);
        QCOMPARE(vazuti.size(), formulare + int(inainte));
        const auto butoane = lista.Panel2->findChildren<QPushButton*>();
        QCOMPARE(butoane.size(), formulare + int(inainte));
        QCOMPARE(butoane.last()->geometry(), QRect(4 + 132 * (butoane.size() - 1), 4, 128, 40));
    }

    void adaugaModificaSterge() {
        TListaElevi lista;
        lista.IncarcaLista();
        adaugaElev(lista, "Popescu", "Ion");
        adaugaElev(lista, "Ionescu", "Ana", "");
        QCOMPARE(d().texte("intrebare").size(), 1); // the empty CNP's question, answered No
        d().raspunsuri = {true};
        adaugaElev(lista, "Ionescu", "Ana", "");
        QCOMPARE(randuri(lista.VT),
                 (QStringList{"Popescu Ion / Popescu Ion (1800101220011)", "Ionescu Ana / Ionescu Ana ()"}));
        QCOMPARE(baza->coloana("select ID_ELEVI from ELEVI order by 1"), (QVariantList{1, 2}));

        // Modify: the window shows the stored values and saves the correction.
        selecteaza(lista.VT, 1);
        Valori afisate{{"FATA.C_NUME_L1", {}}, {"FATA.C_CNP", {}}};
        d().ferestre.push_back(elev({{"FATA.C_CNP", "2800101220012"}}, &afisate));
        d().raspunsuri = {true};
        lista.RzBitBtn2->click();
        QCOMPARE(afisate, (Valori{{"FATA.C_NUME_L1", "Ionescu"}, {"FATA.C_CNP", ""}}));
        QCOMPARE(randuri(lista.VT).last(), QStringLiteral("Ionescu Ana / Ionescu Ana (2800101220012)"));

        // Delete, answered No then Yes; the student's values go with the row.
        selecteaza(lista.VT, 0);
        lista.RzBitBtn3->click();
        QCOMPARE(lista.Model->rowCount(), 2);
        d().raspunsuri = {true};
        lista.RzBitBtn3->click();
        QCOMPARE(d().texte("intrebare").count("Doriti sa stergeti elevul: "), 2);
        QCOMPARE(randuri(lista.VT), QStringList{"Ionescu Ana / Ionescu Ana (2800101220012)"});
        QCOMPARE(numar("select count(*) from \"DATE\" where ID_ELEVI = 1"), 0);
    }

    // Several selected students are named and counted in the question and go together.
    void stergeMaiMultiElevi() {
        TListaElevi lista;
        lista.IncarcaLista();
        adaugaElev(lista, "Pop", "Ion");
        adaugaElev(lista, "Ionescu", "Ana", "2800101220013");
        adaugaElev(lista, "Dan", "Mihai", "1800102220014");
        const QStringList toate = randuri(lista.VT);
        QCOMPARE(toate.size(), 3);
        selecteaza(lista.VT, 0);
        lista.VT->selectionModel()->select(lista.Model->index(2),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        lista.RzBitBtn3->click();
        QCOMPARE(randuri(lista.VT), toate);
        QCOMPARE(d().texte("intrebare").last(),
                 "Doriti sa stergeti cei 2 elevi selectati?\n  " + toate[0] + "\n  " + toate[2]);
        d().raspunsuri = {true};
        lista.RzBitBtn3->click();
        QCOMPARE(randuri(lista.VT), QStringList{toate[1]});
        QCOMPARE(numar("select count(*) from \"DATE\" where ID_ELEVI <> 2"), 0);
    }

    void faraSelectie() {
        TListaElevi lista;
        lista.RzBitBtn2->click();
        lista.RzBitBtn3->click();
        auto scoli = listaScolilor();
        scoli->RzBitBtn2->click();
        scoli->RzBitBtn3->click();
        QCOMPARE(d().texte("mesaj"), (QStringList{"Va rog selectati un elev!", "Va rog selectati un elev!",
                                                  "Va rog selectati o linie!", "Va rog selectati o linie!"}));
        QCOMPARE(d().texte("fereastra"), QStringList{});
    }

    // A refused value leaves the window open and writes nothing, not even the valid fields.
    void salvareRefuzataNuScrieNimic_data() {
        QTest::addColumn<Valori>("valori");
        QTest::newRow("cnp refuzat") << Valori{{"FATA.C_NUME_L1", "Pop"}, {"FATA.C_CNP", "123"}};
        QTest::newRow("nota prea mica")
            << Valori{{"FATA.C_NUME_L1", "Pop"}, {"FATA.C_CNP", CnpBun}, {"SPATE.D_NOTA_1", "4,99"}};
    }
    void salvareRefuzataNuScrieNimic() {
        QFETCH(Valori, valori);
        TListaElevi lista;
        d().ferestre.push_back(elev(valori));
        lista.RzBitBtn1->click();
        QCOMPARE(numar("select count(*) from ELEVI"), 0);
        QCOMPARE(numar("select count(*) from \"DATE\""), 0);
        QCOMPARE(lista.Model->rowCount(), 0);
        QCOMPARE(d().texte("eroare"), QStringList{});
        QCOMPARE(d().texte("avertisment").size() + d().texte("intrebare").size(), 1);
    }

    // A save that fails in the database is undone whole; the drawn id is lost.
    void salvareEsuataNuLasaNimic() {
        baza->executa("create exception E_TEST 'refuzat de test'");
        baza->executa("create trigger T_TEST for \"DATE\" before insert as begin if (new.VALOARE_TEXT = "
                      "'EROARE') then exception E_TEST; end");
        TListaElevi lista;
        int rezultat = -1;
        d().ferestre.push_back([&](QDialog& f) {
            rezultat =
                elev({{"FATA.C_NUME_L1", "Pop"}, {"FATA.C_NUME_L2", "EROARE"}, {"FATA.C_CNP", CnpBun}})(f);
            return rezultat;
        });
        lista.RzBitBtn1->click();
        baza->executa("drop trigger T_TEST");
        baza->executa("drop exception E_TEST");
        QCOMPARE(rezultat, int(QDialog::Rejected));
        QCOMPARE(d().texte("eroare").size(), 1);
        QVERIFY(!Tr().activa());
        QCOMPARE(numar("select count(*) from ELEVI"), 0);
        QCOMPARE(numar("select count(*) from \"DATE\""), 0);
        adaugaElev(lista, "Pop", "Dan");
        QCOMPARE(baza->coloana("select ID_ELEVI from ELEVI"), QVariantList{2});
    }

    void scoalaPrinGenerator() {
        baza->executa("set generator G_ID_SCOALA to 41");
        auto lista = listaScolilor();
        adaugaScoala(*lista, "1234", "Liceul Tehnologic");
        QCOMPARE(baza->coloana("select ID_SCOALA from SCOALA"), QVariantList{42});
        QCOMPARE(numar("select count(*) from \"DATE\" where ID_SCOALA = 42 and ID_ELEVI is null"), 28);
        QCOMPARE(
            baza->valoare(
                    "select VALOARE_TEXT from \"DATE\" where ID_SCOALA = 42 and COD_CAMP = 'C_COD_SIRUES'")
                .toString(),
            QStringLiteral("1234"));
        QCOMPARE(randuri(lista->VT), QStringList{"Liceul Tehnologic  /  (1234)"});
        QCOMPARE(lista->Model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Denumire"));
    }

    // A school value typed once reaches every student's certificate values.
    void legaturileCuScoala() {
        TListaElevi elevi;
        adaugaElev(elevi, "Pop", "Ion"); // no school yet: nothing to link to
        QCOMPARE(numar("select count(*) from \"DATE\" where IDF_SCOALA is not null"), 0);

        auto scoli = listaScolilor();
        adaugaScoala(*scoli, "111", "Liceul Unu");
        const int unu = baza->valoare("select max(ID_SCOALA) from SCOALA").toInt();
        QCOMPARE(valoareElev(1, "FATA", "C_COD_SIRUES"), QStringLiteral("111"));
        QCOMPARE(valoareElev(1, "FATA", "D_COD_SIRUES"), QStringLiteral("111"));

        // One school: no choice shown; a new student is linked to it.
        d().ferestre.push_back([&](QDialog& f) {
            const bool ascuns = !static_cast<TAdaugaElev&>(f).PanelScoala->isVisibleTo(&f);
            return elev({{"FATA.C_NUME_L1", "Ana"}, {"FATA.C_CNP", CnpBun}})(f) + (ascuns ? 0 : 100);
        });
        elevi.RzBitBtn1->click();
        QCOMPARE(d().texte("fereastra").size(), 3);
        QCOMPARE(valoareElev(2, "FATA", "C_COD_SIRUES"), QStringLiteral("111"));

        // A second school: the choice appears with both descriptions and links where it says.
        adaugaScoala(*scoli, "222", "Liceul Doi");
        const int doi = baza->valoare("select max(ID_SCOALA) from SCOALA").toInt();
        QCOMPARE(valoareElev(2, "FATA", "C_COD_SIRUES"), QStringLiteral("111"));
        QStringList oferite;
        bool vizibila = false;
        int aleasa = -1;
        d().ferestre.push_back([&](QDialog& f) {
            auto& w = static_cast<TAdaugaElev&>(f);
            vizibila = w.PanelScoala->isVisibleTo(&f);
            for (int i = 0; i < w.CbScoala->count(); ++i)
                oferite << w.CbScoala->itemText(i);
            aleasa = w.CbScoala->currentData().toInt();
            return elev({}, nullptr, doi)(f);
        });
        selecteaza(elevi.VT, 1);
        elevi.RzBitBtn2->click();
        QVERIFY(vizibila);
        QCOMPARE(aleasa, unu); // the school the student was linked to
        QCOMPARE(oferite, (QStringList{"Liceul Unu  /  (111)", "Liceul Doi  /  (222)"}));
        QCOMPARE(RandulLegatAcum(2), doi);
        QCOMPARE(valoareElev(2, "FATA", "C_COD_SIRUES"), QStringLiteral("222"));
        QCOMPARE(valoareElev(1, "FATA", "C_COD_SIRUES"), QStringLiteral("111"));

        // Deleting the second school relinks its students to the one that remains.
        scoli->IncarcaLista();
        selecteaza(scoli->VT, 1);
        d().raspunsuri = {true};
        scoli->RzBitBtn3->click();
        QCOMPARE(d().texte("intrebare").last(), QStringLiteral("Doriti sa stergeti linia: "));
        QCOMPARE(baza->coloana("select ID_SCOALA from SCOALA"), QVariantList{unu});
        QCOMPARE(valoareElev(2, "FATA", "C_COD_SIRUES"), QStringLiteral("111"));
        QCOMPARE(numar("select count(*) from \"DATE\" where IDF_SCOALA is not null and IDF_SCOALA <> " +
                       QString::number(unu)),
                 0);
    }

    void fereastraPrincipala() {
        {
            TListaElevi lista;
            adaugaElev(lista, "Pop", "Ion");
        }
        TVardolineMain w;
        QVERIFY(w.ListaElevi);
        QCOMPARE(w.centralWidget(), w.ListaElevi);
        QCOMPARE(randuri(w.ListaElevi->VT), QStringList{"Pop Ion / Pop Ion (1800101220011)"});

        QString titlu;
        QString tabel;
        d().ferestre.push_back([&](QDialog& f) {
            titlu = f.windowTitle();
            tabel = dynamic_cast<TListaGenerica&>(f).Tabel;
            return int(QDialog::Rejected);
        });
        w.Configurarescoala1->trigger();
        QCOMPARE(titlu, QStringLiteral("Configurare scoala"));
        QCOMPARE(tabel, QStringLiteral("SCOALA"));

        baza->executa("delete from ELEVI");
        w.ListaElevi->RzEdit1->setText(QStringLiteral("Pop"));
        w.ImportdinExcel1->trigger();
        QCOMPARE(w.ListaElevi->Model->rowCount(), 0);
    }

private:
    int RandulLegatAcum(int elev) {
        GardaTranzactie garda;
        return RandulLegat(QStringLiteral("SCOALA"), elev).value_or(-1);
    }
};

QTEST_MAIN(TestUListaElevi)
#include "tst_UListaElevi.moc"
