#include "BazaTest.h"
#include "data/UProfilDiploma.h"
#include "data/UValoareCamp.h"
#include "data/ValoriInBloc.h"
#include "platform/Eroare.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// What one reading gives: the text, or the error's text.
template <class F> QString rezultat(F citire) {
    try {
        return citire();
    } catch (const Eroare& e) {
        return QStringLiteral("eroare: ") + e.text();
    }
}

QString cheie(const CheieCamp& c) {
    return c.formular + u'.' + c.pagina + u'.' + c.camp;
}

// A database made at random from the certificate's profile: links between random lines (cycles,
// links to no line, trailing blanks), every kind of ONOREZ_SIMILAR, lines moved to the school or
// to a table that is none, students with missing, empty and repeated rows, three schools linked
// or not.
class BazaGenerata {
public:
    BazaGenerata(BazaTest& b, quint32 samanta, bool iduriApropiate) : r_(samanta) {
        b.executa("delete from ELEVI");
        b.executa("delete from SCOALA");
        b.executa("delete from \"DATE\"");
        SincronizeazaProfil();
        GardaTranzactie garda;
        citesteCheile();
        amestecaProfilul();
        for (int i = 0; i < 20; ++i)
            elevi.push_back(iduriApropiate ? 3 + i : 1 + int(r_.bounded(5000)));
        std::sort(elevi.begin(), elevi.end());
        elevi.erase(std::unique(elevi.begin(), elevi.end()), elevi.end());
        for (const int s : {1, 2, 3})
            executa(QStringLiteral("insert into SCOALA (ID_SCOALA) values (%1)").arg(s));
        for (const int e : elevi)
            executa(QStringLiteral("insert into ELEVI (ID_ELEVI) values (%1)").arg(e));
        scrieValorile();
        garda.Commit();
        elevi.push_back(elevi.front()); // asked twice
        elevi.push_back(999999);        // no such student
        chei.push_back({"Vardolin", "FATA", "NU_EXISTA"});
        chei.push_back({"Vardolin", "FATA", "C_CNP  "});
        chei.push_back({"Vardolin", "FATA", "c_cnp"});
    }

    std::vector<int> elevi;
    std::vector<CheieCamp> chei;

private:
    void executa(const QString& sql) {
        Q4().seteazaSql(sql);
        Q4().executa();
    }
    QString unaDin(const QStringList& l) { return l[qsizetype(r_.bounded(quint32(l.size())))]; }
    bool sansa(int procente) { return int(r_.bounded(100)) < procente; }

    void citesteCheile() {
        FbInterogare& q = Q1();
        q.seteazaSql("select COD_FORMULAR, COD_PAGINA, COD_CAMP from PROFIL_DIPLOMA");
        for (q.deschide(); !q.eof(); q.urmator())
            chei.push_back({q.text("COD_FORMULAR"), q.text("COD_PAGINA"), q.text("COD_CAMP")});
        q.inchide();
    }

    void amestecaProfilul() {
        FbInterogare& q = Q4();
        q.seteazaSql("update PROFIL_DIPLOMA set ONOREZ_SIMILAR = :O, SIMILAR_CU = :S, ASOCIAT_CU = :A where "
                     "COD_FORMULAR = :F and COD_PAGINA = :P and COD_CAMP = :C");
        for (const CheieCamp& c : chei) {
            QString similar;
            if (sansa(60)) similar = cheie(chei[r_.bounded(quint32(chei.size()))]);
            if (sansa(5)) similar = "Vardolin.FATA.NIMIC";
            if (sansa(10)) similar += "  ";
            if (sansa(5)) similar = " \t";
            QString asociat = sansa(25) ? "SCOALA" : "ELEVI";
            if (sansa(2)) asociat = unaDin({"scoala", "ELEVI ", "PROFESOR"});
            q.param("O", unaDin({"DA", "SELECTIV", "NU", "nu", "OPTIONAL", "optional", "", "ALTCEVA"}));
            q.param("S", similar);
            q.param("A", asociat);
            q.param("F", c.formular);
            q.param("P", c.pagina);
            q.param("C", c.camp);
            q.executa();
        }
    }

    void scrieValorile() {
        FbInterogare& q = Q4();
        q.seteazaSql("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, "
                     "ID_ELEVI, ID_SCOALA, IDF_SCOALA) values (:F, :P, :C, :T, 0, :E, :S, :L)");
        const auto scrie = [&](const CheieCamp& c, const QVariant& elev, const QVariant& scoala,
                               const QVariant& legat, const QString& text) {
            q.param("F", c.formular);
            q.param("P", c.pagina);
            q.param("C", sansa(3) ? c.camp + " " : c.camp);
            q.param("T", text);
            q.param("E", elev);
            q.param("S", scoala);
            q.param("L", legat);
            q.executa();
        };
        const QVariant nul;
        for (const CheieCamp& c : chei) {
            for (const int s : {1, 2, 3})
                if (sansa(70)) scrie(c, nul, s, nul, QStringLiteral("scoala%1 %2").arg(s).arg(c.camp));
            for (const int e : elevi) {
                const int randuri = sansa(30) ? 0 : sansa(5) ? 2 : 1;
                for (int i = 0; i < randuri; ++i) {
                    const QString text =
                        sansa(15) ? QString() : QStringLiteral("%1 %2 %3").arg(e).arg(c.camp).arg(i);
                    const QVariant legat = sansa(20) ? nul : QVariant(1 + int(r_.bounded(3)));
                    scrie(c, e, nul, legat, text);
                }
            }
        }
    }

    QRandomGenerator r_;
};

} // namespace

class TestValoriInBloc : public QObject {
    Q_OBJECT
    std::unique_ptr<BazaTest> b;

private slots:
    void initTestCase() { b = std::make_unique<BazaTest>(); }
    void cleanupTestCase() { b.reset(); }

    void egalCuValoareCamp_data() {
        QTest::addColumn<quint32>("samanta");
        QTest::addColumn<bool>("iduriApropiate");
        for (const quint32 s : {1u, 2u, 3u})
            QTest::addRow("samanta %u, iduri rare", s) << s << false;
        QTest::addRow("iduri apropiate") << 4u << true;
    }
    void egalCuValoareCamp() {
        QFETCH(quint32, samanta);
        QFETCH(bool, iduriApropiate);
        BazaGenerata date(*b, samanta, iduriApropiate);
        GardaTranzactie garda;
        const ValoriInBloc valori = ValoriInBloc::citeste(date.elevi, date.chei);
        QString expresie = "[{Vardolin.FATA.C_NUME_L1}] {x{";
        int cheiInExpresie = 0;
        for (const CheieCamp& c : date.chei) {
            bool faraErori = true;
            for (const int e : date.elevi) {
                const QString asteptat =
                    rezultat([&] { return ValoareCamp(c.formular, c.pagina, c.camp, e); });
                const QString citit = rezultat([&] { return valori.valoare(e, c); });
                if (citit != asteptat)
                    QFAIL(qPrintable(QStringLiteral("elevul %1, %2: \"%3\" in loc de \"%4\"")
                                         .arg(e)
                                         .arg(cheie(c), citit, asteptat)));
                faraErori = faraErori && !asteptat.startsWith("eroare: ");
            }
            // A few keys, so that the rows are chosen by their codes, as for the list.
            if (faraErori && cheiInExpresie++ % 20 == 0) expresie += "{" + cheie(c) + "}/";
        }

        // The student list's descriptions, as ParseExp makes them one by one.
        const std::vector<QString> descrieri = ValoriInBloc::descrieri(expresie, date.elevi);
        for (size_t i = 0; i < date.elevi.size(); ++i)
            QCOMPARE(descrieri[i], ParseExp(expresie, date.elevi[i]));
    }
};

QTEST_GUILESS_MAIN(TestValoriInBloc)
#include "tst_ValoriInBloc.moc"
