// The print job's sheet reports, from a real database onto a recording printer.
#include "BazaTest.h"
#include "platform/Eroare.h"
#include "platform/ImprimantaInregistrata.h"
#include "printing/LotDinBaza.h"
#include "printing/LucrareTiparire.h"

#include <QtTest>

using Inreg = ImprimantaInregistrata::Inregistrare;

namespace {

const QStringList nume{"Popescu", "Ionescu", "Popa", "Vasile"};

void scrie(BazaTest& b, const QString& pagina, const QString& camp, int id, const QString& text) {
    b.executa(QString("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, "
                      "ID_ELEVI) values ('Vardolin', '%1', '%2', '%3', 0, %4)")
                  .arg(pagina, camp, text)
                  .arg(id));
}

// Answers every question at once and keeps what it was told.
struct Intrebari : IntrebariLucrare {
    int oprireLa = 0; // stops before this sheet
    std::vector<ElevOmis> omisi;
    QStringList mesaje;
    bool omisiInainteDeTiparire = false;
    const ImprimantaInregistrata* dispozitiv = nullptr;

    void mesaj(const QString& text) override { mesaje << text; }
    bool continuaFaraOmisi(const std::vector<ElevOmis>& o, int) override {
        omisi = o;
        omisiInainteDeTiparire = dispozitiv->inregistrari().empty();
        return true;
    }
    std::optional<AsezareFoaie> asezare(int, const AsezareFoaie&, const QString&) override {
        return AsezareFoaie{2, 1, false};
    }
    bool progres(int i, int) override { return i != oprireLa; }
};

struct Ascultator : AscultatorLucrare {
    std::vector<int> ordineAnuntata;
    std::vector<FoaieTiparita> foi;
    int terminate = 0, anulate = 0;
    int refuzLa = 0; // refuses this sheet, or the handover when past the last
    const ImprimantaInregistrata* dispozitiv = nullptr;
    int predari = 0;
    bool predataInainteDeSfarsit = false; // the handover came before the job ended

    void incepe(int, const std::vector<int>& elevi) override { ordineAnuntata = elevi; }
    void foaieTiparita(const FoaieTiparita& foaie) override {
        foi.push_back(foaie);
        if (foaie.pozitie == refuzLa) throw Eroare("Formularul nu poate fi inregistrat.");
    }
    void predare() override {
        ++predari;
        predataInainteDeSfarsit = dispozitiv->doar(Inreg::Sfarsit).empty();
        if (refuzLa > int(foi.size())) throw Eroare("Formularele nu pot fi inregistrate.");
    }
    void terminata() override { ++terminate; }
    void anulata() override { ++anulate; }
};

// The student of each printed page, by the value written for them on the side.
std::vector<int> eleviiPaginilor(const ImprimantaInregistrata& d, int latura) {
    std::vector<int> elevi;
    for (const Inreg& i : d.inregistrari()) {
        if (i.fel != Inreg::Text) continue;
        for (int id = 1; id <= 4; ++id)
            if (i.text == (latura == LaturaVerso ? QString("ProbaElev%1").arg(id) : nume[id - 1]) &&
                (elevi.empty() || elevi.back() != id))
                elevi.push_back(id);
    }
    return elevi;
}

} // namespace

class TestLucrareTiparire : public QObject {
    Q_OBJECT
    std::unique_ptr<BazaTest> b;

    void configureaza(int feedMode, bool opus) {
        TAllStuffReg s;
        s.Configured = true;
        s.FeedMode = feedMode;
        s.OppositeSide = opus;
    }

    LucrareTiparire lucrare(int latura, Imprimanta& d) {
        const QString cod = latura == LaturaVerso ? "SPATE" : "FATA";
        const QString alt = latura == LaturaVerso ? "FATA" : "SPATE";
        return LucrareTiparire::dinBaza({1, 2, 3, 4}, latura, SablonLatura(cod), SablonLatura(alt), d);
    }

private slots:
    void initTestCase() {
        b = std::make_unique<BazaTest>();
        for (int id = 1; id <= 4; ++id) {
            b->executa(QString("insert into ELEVI (ID_ELEVI) values (%1)").arg(id));
            scrie(*b, "FATA", "C_NUME_L1", id, nume[id - 1]);
            for (const QString camp : {"C_PROBA_1", "D_PROBA_1"})
                scrie(*b, "SPATE", camp, id, QString("ProbaElev%1").arg(id));
            for (const QString camp : {"C_NOTA_1", "D_NOTA_1"})
                scrie(*b, "SPATE", camp, id, id == 3 ? "noua" : "9,50");
        }
    }
    void cleanupTestCase() { b.reset(); }

    void foiInOrdine_data() {
        QTest::addColumn<int>("latura");
        QTest::addColumn<int>("feedMode");
        QTest::addColumn<bool>("opus");
        QTest::addColumn<std::vector<int>>("ordine");
        QTest::newRow("fetele") << 0 << 2 << true << std::vector<int>{1, 2, 4};
        QTest::newRow("versouri in ordinea listei") << 1 << 1 << false << std::vector<int>{1, 2, 4};
        QTest::newRow("versouri inverse") << 1 << 2 << true << std::vector<int>{4, 2, 1};
    }
    // Student 3 cannot be filled: left out before anything prints. Every other sheet is told
    // once, numbered from 1 in the order the printer got the pages.
    void foiInOrdine() {
        QFETCH(int, latura);
        QFETCH(int, feedMode);
        QFETCH(bool, opus);
        QFETCH(std::vector<int>, ordine);
        configureaza(feedMode, opus);
        auto d = ImprimantaInregistrata::a4(600, QPageLayout::Landscape);
        LucrareTiparire l = lucrare(latura, d);
        Ascultator a;
        a.dispozitiv = &d;
        l.adaugaAscultator(a);
        Intrebari q;
        q.dispozitiv = &d;
        const RezultatLucrare r = l.ruleaza(q);

        QVERIFY(q.omisiInainteDeTiparire);
        QCOMPARE(q.omisi.size(), size_t(1));
        QCOMPARE(q.omisi[0].idElev, 3);
        QCOMPARE(r.tiparite, 3);
        QCOMPARE(a.ordineAnuntata, ordine);
        QCOMPARE(eleviiPaginilor(d, latura), ordine);
        QCOMPARE(a.foi.size(), ordine.size());
        for (size_t i = 0; i < ordine.size(); ++i) {
            QCOMPARE(a.foi[i].idElev, ordine[i]);
            QCOMPARE(a.foi[i].latura, latura);
            QCOMPARE(a.foi[i].pozitie, int(i + 1));
        }
        QCOMPARE(a.predari, 1);
        QVERIFY(a.predataInainteDeSfarsit);
        QCOMPARE(a.terminate, 1);
        QCOMPARE(a.anulate, 0);
        QCOMPARE(d.inregistrari().back().fel, Inreg::Sfarsit);
    }

    void anulare_data() {
        QTest::addColumn<int>("oprireLa");
        QTest::addColumn<int>("refuzLa");
        QTest::addColumn<int>("spuse");
        QTest::newRow("oprita la a treia") << 3 << 0 << 2;
        QTest::newRow("ascultatorul refuza a doua") << 0 << 2 << 2;
        QTest::newRow("ascultatorul refuza predarea") << 0 << 4 << 3;
    }
    // Stopped half-way or refused by a listener, also at the handover: the job is cancelled,
    // nothing of it reaches the printer, and the listeners hear it.
    void anulare() {
        QFETCH(int, oprireLa);
        QFETCH(int, refuzLa);
        QFETCH(int, spuse);
        configureaza(1, false);
        auto d = ImprimantaInregistrata::a4(600, QPageLayout::Landscape);
        LucrareTiparire l = lucrare(LaturaFata, d);
        Ascultator a;
        a.refuzLa = refuzLa;
        a.dispozitiv = &d;
        l.adaugaAscultator(a);
        Intrebari q;
        q.dispozitiv = &d;
        q.oprireLa = oprireLa;
        QString eroare;
        try {
            l.ruleaza(q);
        } catch (const Eroare& e) {
            eroare = e.text();
        }
        QCOMPARE(int(a.foi.size()), spuse);
        QCOMPARE(a.anulate, 1);
        QCOMPARE(a.terminate, 0);
        QCOMPARE(d.inregistrari().back().fel, Inreg::Anulare);
        QVERIFY(d.doar(Inreg::Sfarsit).empty());
        QCOMPARE(a.predari, refuzLa > spuse ? 1 : 0);
        if (refuzLa) {
            QCOMPARE(eroare, QString(refuzLa > spuse ? "Formularele nu pot fi inregistrate."
                                                     : "Formularul nu poate fi inregistrat."));
        } else {
            QCOMPARE(q.mesaje, QStringList{"Tiparirea a fost oprita dupa 2 din 3 certificate; lucrarea a "
                                           "fost anulata si nu s-a tiparit nimic."});
        }
    }
};

QTEST_MAIN(TestLucrareTiparire)
#include "tst_LucrareTiparire.moc"
