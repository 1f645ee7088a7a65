#include "BazaTest.h"
#include "data/StocElevi.h"
#include "data/UValoareCamp.h"

#include <QtTest>

namespace {
const QString Elevi = QStringLiteral("ELEVI");
const CheieCamp Nume{"Vardolin", "FATA", "C_NUME_L1"};
const CheieCamp Cnp{"Vardolin", "FATA", "C_CNP"};

// The editor's writes need the caller's transaction.
void scrie(int id, const CheieCamp& cheie, const QString& text) {
    GardaTranzactie garda;
    StocElevi::ScrieValoare(Elevi, id, cheie, text);
    garda.Commit();
}

int numar(BazaTest& b, const QString& sql) {
    return b.valoare(sql).toInt();
}
} // namespace

class TestStocElevi : public QObject {
    Q_OBJECT
    std::unique_ptr<BazaTest> b;

private slots:
    void initTestCase() { b = std::make_unique<BazaTest>(); }
    void cleanupTestCase() { b.reset(); }
    void init() {
        b->executa("delete from ELEVI");
        b->executa("delete from SCOALA");
        b->executa("delete from \"DATE\"");
    }

    // The import's student: an empty row per students' profile line and its school links; the
    // editor's: the bare row.
    void elevNou() {
        const int scoala = StocElevi::RandNou("SCOALA");
        const int gol = StocElevi::RandNou(Elevi);
        const int id = StocElevi::ElevNou({"SCOALA"});
        QVERIFY(id > gol);
        QCOMPARE(StocElevi::Randuri(Elevi, StocElevi::Ordine::DupaId), (std::vector<int>{gol, id}));
        QVERIFY(StocElevi::Exista(Elevi, id));
        QVERIFY(!StocElevi::Exista(Elevi, id + 1));
        QCOMPARE(numar(*b, QString("select count(*) from \"DATE\" where ID_ELEVI = %1").arg(gol)), 0);
        QCOMPARE(numar(*b, QString("select count(*) from \"DATE\" where ID_ELEVI = %1 and VALOARE_TEXT = '' "
                                   "and VALOARE_NUM = 0 and IDF_SCOALA is null")
                               .arg(id)),
                 numar(*b, "select count(*) from PROFIL_DIPLOMA where ASOCIAT_CU = 'ELEVI'"));
        QCOMPARE(RandulLegat("SCOALA", id), std::optional<int>(scoala));
        QVERIFY(StocElevi::CheiStocate(id).contains("Vardolin.FATA.C_CNP"));
    }

    // A value row is added when missing and rewritten in place afterwards; the import's writes
    // touch only the text.
    void valori() {
        const int id = StocElevi::RandNou(Elevi);
        QCOMPARE(StocElevi::Valoare(Elevi, id, Nume), std::nullopt);
        scrie(id, Nume, "Pop");
        scrie(id, Nume, "Popescu");
        QCOMPARE(StocElevi::Valoare(Elevi, id, Nume), std::optional<QString>("Popescu"));
        QCOMPARE(numar(*b, "select count(*) from \"DATE\" where COD_CAMP = 'C_NUME_L1'"), 1);

        StocElevi::AdaugaRandGol(id, Cnp);
        QCOMPARE(StocElevi::Valoare(Elevi, id, Cnp), std::optional<QString>(""));
        b->executa("update \"DATE\" set VALOARE_NUM = 7 where COD_CAMP = 'C_CNP'");
        StocElevi::RescrieTextul(id, Cnp, "1800101220011");
        QCOMPARE(StocElevi::Valoare(Elevi, id, Cnp), std::optional<QString>("1800101220011"));
        QCOMPARE(numar(*b, "select VALOARE_NUM from \"DATE\" where COD_CAMP = 'C_CNP'"), 7);

        scrie(StocElevi::RandNou(Elevi), Nume, "Ionescu");
        scrie(StocElevi::RandNou(Elevi), Nume, "Popescu");
        QStringList folosite = StocElevi::ValoriFolosite(Nume);
        folosite.sort();
        QCOMPARE(folosite, (QStringList{"Ionescu", "Popescu"}));
    }

    // Several rows go together, inside the caller's transaction when there is one.
    void sterge() {
        const int a = StocElevi::ElevNou({});
        const int c = StocElevi::ElevNou({});
        const int ramas = StocElevi::ElevNou({});
        {
            GardaTranzactie garda;
            StocElevi::Sterge(Elevi, {a, c});
        } // rolled back
        QCOMPARE(StocElevi::Randuri(Elevi).size(), size_t(3));
        StocElevi::Sterge(Elevi, {a, c});
        QCOMPARE(StocElevi::Randuri(Elevi), std::vector<int>{ramas});
        QCOMPARE(numar(*b, QString("select count(*) from \"DATE\" where ID_ELEVI <> %1").arg(ramas)), 0);

        // A deleted school's students are linked to the one left.
        const int s1 = StocElevi::RandNou("SCOALA");
        const int s2 = StocElevi::RandNou("SCOALA");
        {
            GardaTranzactie garda;
            AsiguraLegaturi("SCOALA", ramas, s1);
            garda.Commit();
        }
        StocElevi::Sterge("SCOALA", {s1});
        QCOMPARE(RandulLegat("SCOALA", ramas), std::optional<int>(s2));
    }
};

QTEST_GUILESS_MAIN(TestStocElevi)
#include "tst_StocElevi.moc"
