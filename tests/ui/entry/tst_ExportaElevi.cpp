#include "BazaTest.h"
#include "data/UDm.h"
#include "data/UValoareCamp.h"
#include "entry/UConfigurareDiploma.h"
#include "entry/UExportaElevi.h"
#include "entry/UListaElevi.h"
#include "entry/UListaGenerica.h"
#include "platform/FoaieDeCalcul.h"
#include "printing/UEleviOmisi.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTreeView>
#include <QtTest>

namespace {

QStringList coloana(const FoaieDeCalcul& foaie, int c) {
    QStringList r;
    for (int rand = 0; rand < foaie.randuri(); ++rand)
        r << foaie.text(rand, c);
    return r;
}

// Ticks exactly the lines of the fields window whose text is given, chooses the students, exports.
std::function<int(QDialog&)> alege(QStringList linii, bool selectati, QStringList* vazute = nullptr) {
    return [=](QDialog& d) {
        auto& f = dynamic_cast<TExportaElevi&>(d);
        for (int i = 0; i < f.Campuri->count(); ++i) {
            if (vazute) *vazute << f.Campuri->item(i)->text();
            f.Campuri->item(i)->setCheckState(linii.contains(f.Campuri->item(i)->text()) ? Qt::Checked
                                                                                         : Qt::Unchecked);
        }
        (selectati ? f.RbSelectati : f.RbListati)->setChecked(true);
        f.BtnExporta->click();
        return f.result();
    };
}

} // namespace

class TestExportaElevi : public QObject {
    Q_OBJECT

    std::unique_ptr<BazaTest> baza;
    DialoguriInregistrate& d() { return baza->mediu().dialoguri(); }

    void elev(int id, const QString& nume, const QString& cnp) {
        baza->executa(QStringLiteral("insert into ELEVI (ID_ELEVI) values (%1)").arg(id));
        for (const auto& [camp, text] :
             {std::pair{"C_NUME_L1", nume}, std::pair{"C_NUME_L2", QString("Ion")}, std::pair{"C_CNP", cnp}})
            baza->executa(
                QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, "
                               "VALOARE_TEXT, VALOARE_NUM) values ('Vardolin', 'FATA', '%1', %2, '%3', 0)")
                    .arg(camp)
                    .arg(id)
                    .arg(text));
    }

private slots:
    void initTestCase() {
        baza = std::make_unique<BazaTest>();
        baza->executa(QStringLiteral("insert into SCOALA (ID_SCOALA) values (1)"));
        baza->executa(QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_SCOALA, "
                                     "VALOARE_TEXT, VALOARE_NUM) values ('Vardolin', 'FATA', "
                                     "'C_SCOALA_PROVENIENTA_L1', 1, 'Liceul Ştefan cel Mare', 0)"));
        elev(1, QStringLiteral("Popescu"), QStringLiteral("1960101123456"));
        elev(2, QStringLiteral("Ţuţea"), QStringLiteral("2960101123457"));
        elev(3, QStringLiteral("Popa"), QStringLiteral("0060101123458"));
        GardaTranzactie garda;
        AsiguraLegaturi(QStringLiteral("SCOALA"), std::nullopt);
        garda.Commit();
    }
    void cleanupTestCase() { baza.reset(); }

    // The search and the selection decide the students; the ticked fields the columns, in profile
    // order after the name; the choice is offered again next time.
    void fereastraCampurilor_data() {
        QTest::addColumn<QString>("cautat");
        QTest::addColumn<bool>("selectati");
        QTest::addColumn<QStringList>("cnpuri");
        QTest::newRow("toti") << "" << false
                              << QStringList{"CNP", "1960101123456", "2960101123457", "0060101123458"};
        QTest::newRow("filtrul") << "Pop" << false << QStringList{"CNP", "1960101123456", "0060101123458"};
        QTest::newRow("selectia") << "" << true << QStringList{"CNP", "2960101123457"};
    }
    void fereastraCampurilor() {
        QFETCH(QString, cautat);
        QFETCH(bool, selectati);
        QFETCH(QStringList, cnpuri);
        TListaElevi lista;
        lista.IncarcaLista();
        lista.RzEdit1->setText(cautat);
        lista.VT->selectionModel()->select(lista.VT->model()->index(1, 0),
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QStringList vazute;
        d().ferestre.push_back(
            alege({"CNP", "Scoala provenienta (linia 1, cotor)", "Nume si prenume (cum apare in lista)"},
                  selectati, &vazute));
        const QString cale = baza->mediu().cale(QStringLiteral("elevi.xlsx"));
        d().fisiere.push_back(cale);
        d().mesaje.clear();
        lista.findChild<QPushButton*>(QStringLiteral("BtnExporta"))->click();
        QVERIFY(vazute.indexOf("CNP") > 0 && vazute.indexOf("Scoala provenienta (linia 1, cotor)") > 0);
        const RegistruDeCalcul r = RegistruDeCalcul::deschide(cale);
        const FoaieDeCalcul& foaie = r.foi.at(0);
        QCOMPARE(foaie.coloane(), 3);
        QCOMPARE(foaie.text(0, 0), QStringLiteral("Nume si prenume"));
        // Profile order: the school's field comes before the CNP.
        QCOMPARE(coloana(foaie, 2), cnpuri);
        QCOMPARE(foaie.text(1, 1), QStringLiteral("Liceul Ştefan cel Mare"));
        const QString mesaje = d().texte(QStringLiteral("mesaj")).join(u'|');
        QVERIFY2(mesaje.contains(QStringLiteral("Au fost exportate %1 randuri").arg(cnpuri.size() - 1)),
                 qPrintable(mesaje));

        TExportaElevi din_nou(nullptr, CampuriDeExportat(), 3, 0);
        QCOMPARE(din_nou.CheiAlese(), QStringList({CheieDescriere, "Vardolin.FATA.C_SCOALA_PROVENIENTA_L1",
                                                   "Vardolin.FATA.C_CNP"}));
    }

    void listaScolilor() {
        TListaGenerica lista;
        lista.Tabel = QStringLiteral("SCOALA");
        lista.IncarcaLista();
        const QString cale = baza->mediu().cale(QStringLiteral("scoli.ods"));
        d().fisiere.push_back(cale);
        lista.VT->findChild<QAction*>(QStringLiteral("ActExporta"))->trigger();
        const RegistruDeCalcul r = RegistruDeCalcul::deschide(cale);
        QCOMPARE(coloana(r.foi.at(0), 0), QStringList({"Denumire", lista.Model->Linie(0)->Descriere}));
    }

    // Other lists export what they show through the same routine: header titles, then the rows.
    void alteListe() {
        const QString cale = baza->mediu().cale(QStringLiteral("lista.csv"));
        {
            TConfigurareDiploma profil;
            d().fisiere.push_back(cale);
            profil.VT->findChild<QAction*>(QStringLiteral("ActExporta"))->trigger();
            const RegistruDeCalcul r = RegistruDeCalcul::deschide(cale);
            const FoaieDeCalcul& f = r.foi.at(0);
            QCOMPARE(f.text(0, 0), QStringLiteral("Eticheta editor"));
            QCOMPARE(f.randuri(), int(profil.Linii.size()) + 1);
            QCOMPARE(f.text(1, 0), profil.Model->index(0, 0).data().toString());
        }
        {
            TEleviOmisiForm omisi({{2, QStringLiteral("Lipseste CNP-ul.")}},
                                  {{2, QStringLiteral("Tutea Ion")}}, 0);
            d().fisiere.push_back(cale);
            omisi.findChild<QPushButton*>(QStringLiteral("BtnExporta"))->click();
            const RegistruDeCalcul r = RegistruDeCalcul::deschide(cale);
            const FoaieDeCalcul& f = r.foi.at(0);
            QCOMPARE(coloana(f, 1), QStringList({"Motivul", "Lipseste CNP-ul."}));
            QCOMPARE(f.text(1, 0), QStringLiteral("Tutea Ion"));
        }
    }
};

QTEST_MAIN(TestExportaElevi)
#include "tst_ExportaElevi.moc"
