#include "BazaTest.h"
#include "CutiiPdf.h"
#include "ServerFirebird.h"
#include "data/UDm.h"
#include "platform/Eroare.h"
#include "platform/FoaieDeCalcul.h"
#include "platform/ImprimantaSistem.h"
#include "register/Registru.h"
#include "register/SituatiaFormularelor.h"
#include "register/TabeleRegistru.h"

#include <QDir>
#include <QProcess>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <functional>

// The register and the stock of forms on the real embedded engine; two programs recording at
// once on a private server; the command line tool as an administrator runs it.

namespace {

const char* const modCopil = "VARDOLIN_TEST_COPIL_REGISTRU";

ElevDeInregistrat elev(int i) {
    return {i, QStringLiteral("Elev %1").arg(i), QStringLiteral("50%1").arg(i, 11, 10, QChar(u'0')),
            QStringLiteral("Tehnician")};
}

QList<int> numere(const std::vector<IntrareRegistru>& intrari) {
    QList<int> r;
    for (const auto& i : intrari)
        r << i.numarul;
    return r;
}

QString refuzul(const std::function<void()>& f) {
    try {
        f();
    } catch (const Eroare& e) {
        return e.text();
    }
    return {};
}

// A child program: records its pile of sheets as five jobs of five, all starting from the same
// first number.
int ruleazaCopil() {
    return RuleazaCopilCuBaza([] {
        const int baza = qEnvironmentVariableIntValue("VARDOLIN_TEST_ELEV");
        InregistrareTeanc teanc(QStringLiteral("A"), 1, true);
        for (int lucrare = 0; lucrare < 5; ++lucrare) {
            std::vector<ElevDeInregistrat> foi;
            for (int i = 0; i < 5; ++i)
                foi.push_back(elev(baza + lucrare * 5 + i));
            teanc.foiTiparite(foi);
        }
        teanc.confirmaToate();
    });
}

} // namespace

class TestRegistru : public QObject {
    Q_OBJECT

    std::unique_ptr<BazaTest> b;

private slots:
    void init() {
        b = std::make_unique<BazaTest>();
        Registru::primesteFormulare(
            {0, QStringLiteral("a"), 1, 20, QDate(2026, 9, 1), QStringLiteral("ISJ 12")});
        Registru::primesteFormulare({0, QStringLiteral("B"), 101, 110, QDate(2026, 9, 2), {}});
    }
    void cleanup() { b.reset(); }

    void numerotareaInOrdineaTiparirii_data() {
        QTest::addColumn<int>("primul");
        QTest::addColumn<bool>("crescator");
        QTest::addColumn<QList<int>>("asteptate");
        QTest::newRow("in sus") << 5 << true << QList<int>{5, 6, 7};
        QTest::newRow("in jos") << 10 << false << QList<int>{10, 9, 8};
    }
    void numerotareaInOrdineaTiparirii() {
        QFETCH(int, primul);
        QFETCH(bool, crescator);
        QFETCH(QList<int>, asteptate);
        Registru::verificaTeancul(QStringLiteral("A"), primul, crescator, 3);
        InregistrareTeanc teanc(QStringLiteral("A"), primul, crescator);
        teanc.foiTiparite({elev(1), elev(2)});
        teanc.foaieTiparita(elev(3));
        QCOMPARE(numere(teanc.intrari()), asteptate);
        auto scrise = Registru::intrari();
        QCOMPARE(numere(scrise), asteptate);
        QCOMPARE(scrise[2].nr, 3);
        QCOMPARE(scrise[1].nume, QStringLiteral("Elev 2"));
        QCOMPARE(scrise[0].stare, StareAct::Neconfirmat);
        teanc.confirmaToate();
        QCOMPARE(Registru::intrari().back().stare, StareAct::Tiparit);
        QVERIFY(Registru::motivDejaTiparit(2).contains(QStringLiteral("seria A nr. %1").arg(asteptate[1])));
        QCOMPARE(*Registru::numarPropus(QStringLiteral("A")), crescator ? 8 : 11);
        const auto jurnal = Registru::jurnal();
        QCOMPARE(jurnal.size(), size_t(2 + 3 + 3));
        QVERIFY(!jurnal.back().utilizator.isEmpty() && !jurnal.back().calculator.isEmpty());
    }

    // A number from no receipt, one used before, a receipt over received numbers, a pile
    // that reaches an unusable number, a job whose last sheet has no form, a sheet found never
    // printed twice or after its confirmation, a job's confirmation with one bad entry: refused
    // with a clear message, nothing written.
    void numereRefuzate_data() {
        QTest::addColumn<int>("caz");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("neprimit") << 0 << "nu face parte din formularele primite";
        QTest::newRow("folosit") << 1 << "este deja folosit";
        QTest::newRow("primit de doua ori") << 2 << "a fost deja primit";
        QTest::newRow("teanc peste folosit") << 3 << "Urmatorul numar liber din seria A este 3";
        QTest::newRow("corectat pe folosit") << 4 << "este deja folosit";
        QTest::newRow("lot peste neprimit") << 5 << "seria A nr. 21 nu face parte";
        QTest::newRow("netiparit de doua ori") << 6 << "inregistrarea nu se mai schimba";
        QTest::newRow("netiparit dupa confirmare") << 7 << "doar o foaie inca neconfirmata";
        QTest::newRow("confirmare cu o intrare gresita") << 8 << "Inregistrarea 999 nu exista";
    }
    void numereRefuzate() {
        QFETCH(int, caz);
        QFETCH(QString, mesaj);
        const qint64 primul = Registru::inregistreaza(elev(1), QStringLiteral("A"), 1).id;
        const qint64 doilea = Registru::inregistreaza(elev(2), QStringLiteral("A"), 2).id;
        const int inainte = b->valoare("SELECT COUNT(*) FROM REGISTRU").toInt() +
                            b->valoare("SELECT COUNT(*) FROM FORMULARE").toInt();
        const std::function<void()> actiuni[] = {
            [] { Registru::inregistreaza(elev(3), QStringLiteral("A"), 21); },
            [] { Registru::inregistreaza(elev(3), QStringLiteral("a"), 2); },
            [] {
                Registru::primesteFormulare({0, QStringLiteral("A"), 15, 30, {}, {}});
            },
            [] { Registru::verificaTeancul(QStringLiteral("A"), 3, false, 2); },
            [&] { Registru::corecteazaNumarul(primul, 2); },
            // A job's sheets are recorded all or none.
            [] {
                InregistrareTeanc(QStringLiteral("A"), 19, true).foiTiparite({elev(3), elev(4), elev(5)});
            },
            [&] {
                Registru::foaieNetiparita(doilea, QStringLiteral("hartie blocata"));
                Registru::foaieNetiparita(doilea, QStringLiteral("din nou"));
            },
            [&] {
                Registru::confirma(doilea);
                Registru::foaieNetiparita(doilea, QStringLiteral("lipseste"));
            },
            // A job's confirmation is all or none.
            [&] {
                Registru::confirmaToate({primul, doilea, 999});
            },
        };
        QVERIFY2(refuzul(actiuni[caz]).contains(mesaj), qPrintable(refuzul(actiuni[caz])));
        QCOMPARE(b->valoare("SELECT COUNT(*) FROM REGISTRU").toInt() +
                     b->valoare("SELECT COUNT(*) FROM FORMULARE").toInt(),
                 inainte);
        QCOMPARE(Registru::intrare(primul)->stare, StareAct::Neconfirmat);
    }

    // A spoiled sheet is cancelled and the student printed again on a new form; a lost one
    // gets a duplicate linked to its original; a jam's shift is corrected before the check; a
    // sheet that never came out of the printer gives its blank form back, to be taken again.
    void anulareRetiparireDuplicatCorectare() {
        InregistrareTeanc teanc(QStringLiteral("A"), 1, true);
        const qint64 stricat = teanc.foaieTiparita(elev(1)).id;
        const qint64 decalat = teanc.foaieTiparita(elev(2)).id;
        Registru::corecteazaNumarul(decalat, 3);
        Registru::anuleaza(stricat, QStringLiteral("hartie blocata"));
        QVERIFY(Registru::motivDejaTiparit(1).isEmpty());
        teanc.confirmaToate();
        QVERIFY(refuzul([&] { Registru::corecteazaNumarul(decalat, 4); }).contains("deja confirmat"));
        const IntrareRegistru nou = Registru::inregistreaza(elev(1), QStringLiteral("A"), 4);
        Registru::confirma(nou.id);
        Registru::elibereaza(nou.id, {QDate(2026, 10, 1),
                                      QStringLiteral("Ion Popa"),
                                      QStringLiteral("CI XB 123"),
                                      QStringLiteral("procura 5/2026"),
                                      {}});
        const IntrareRegistru dup = Registru::inregistreaza(
            elev(1), QStringLiteral("B"), 101,
            CerereDuplicat{nou.id, QStringLiteral("pierdut"), QStringLiteral("77"), QDate(2026, 11, 2)});
        Registru::confirma(dup.id);

        const IntrareRegistru d = *Registru::intrare(dup.id);
        QCOMPARE(d.stare, StareAct::Duplicat);
        QCOMPARE(d.idOriginal, nou.id);
        QCOMPARE(mentiuniIntrare(d),
                 QStringLiteral(
                     "duplicat al formularului seria A nr. 4 (pierdut), aprobare nr. 77 din 02.11.2026"));
        QCOMPARE(
            mentiuniIntrare(*Registru::intrare(nou.id)),
            QStringLiteral("ridicat prin Ion Popa, act de identitate CI XB 123, procura procura 5/2026"));
        QCOMPARE(mentiuniIntrare(*Registru::intrare(stricat)), QStringLiteral("anulat: hartie blocata"));
        QCOMPARE(Registru::intrare(decalat)->numarul, 3);
        QVERIFY(
            refuzul([&] { Registru::anuleaza(stricat, QStringLiteral("din nou")); }).contains("deja anulat"));
        Registru::anuleazaFormularul(QStringLiteral("B"), 110, QStringLiteral("rupt la primire"));

        InregistrareTeanc blocat(QStringLiteral("A"), 5, true);
        blocat.foiTiparite({elev(6), elev(7)});
        const qint64 blocata = blocat.intrari()[0].id, ramas = blocat.intrari()[1].id;
        Registru::foaieNetiparita(blocata, QStringLiteral("hartie blocata"));
        Registru::foaieNetiparita(ramas, QStringLiteral("imprimanta oprita"));
        QVERIFY(Registru::motivDejaTiparit(6).isEmpty());
        QCOMPARE(*Registru::numarPropus(QStringLiteral("A")), 5);
        const IntrareRegistru reluat = Registru::inregistreaza(elev(6), QStringLiteral("A"), 5);
        QVERIFY(refuzul([&] {
                    Registru::inregistreaza(elev(8), QStringLiteral("A"), 5);
                }).contains(QStringLiteral("este deja folosit (inregistrarea nr. %1/").arg(reluat.nr)));
        const std::function<void()> schimbari[] = {
            [&] { Registru::confirma(blocata); },
            [&] { Registru::corecteazaNumarul(blocata, 7); },
            [&] { Registru::anuleaza(blocata, QStringLiteral("x")); },
            [&] { Registru::elibereaza(blocata, {}); },
        };
        for (const auto& schimbare : schimbari)
            QVERIFY2(refuzul(schimbare).contains("inregistrarea nu se mai schimba"),
                     qPrintable(refuzul(schimbare)));
        QCOMPARE(Registru::intrare(blocata)->stare, StareAct::Netiparit);
        QCOMPARE(Registru::intrare(blocata)->numarul, 5);
        QCOMPARE(mentiuniIntrare(*Registru::intrare(ramas)),
                 QStringLiteral("netiparit: formularul a ramas nefolosit, imprimanta oprita"));
        const auto jurnal = Registru::jurnal();
        QVERIFY(std::any_of(jurnal.begin(), jurnal.end(), [](const LinieJurnal& l) {
            return l.ce.startsWith("netiparit, formularul ramane nefolosit (imprimanta oprita): nr. ");
        }));
        // Only a sheet found never printed lets its form go, whoever writes.
        QVERIFY(refuzul([&] {
                    b->executa(QString("UPDATE REGISTRU SET RESTITUIT = ID_REGISTRU WHERE ID_REGISTRU = %1")
                                   .arg(reluat.id));
                }).contains("CK_REGISTRU_RESTITUIT"));

        // The forms' report against the entries, and the export read back by the program's readers.
        const auto situatie = situatiaFormularelor();
        QCOMPARE(situatie.size(), size_t(2));
        QCOMPARE(situatie[0].seria, QStringLiteral("A"));
        QCOMPARE(situatie[0].primite, 20);
        QCOMPARE(situatie[0].eliberate, 1);
        QCOMPARE(situatie[0].tipariteNeeliberate, 2);
        QCOMPARE(situatie[0].anulate, 1);
        QCOMPARE(situatie[0].numereAnulate, QStringLiteral("1"));
        QCOMPARE(situatie[0].ramase, 16);
        QCOMPARE(situatie[1].tipariteNeeliberate, 1);
        QCOMPARE(situatie[1].numereAnulate, QStringLiteral("110"));
        QCOMPARE(situatie[1].ramase, 8);
        QCOMPARE(*Registru::numarPropus(QStringLiteral("A")), 6);

        for (const char* format : {"csv", "xlsx", "ods"}) {
            const QString fisier = b->mediu().cale(QStringLiteral("registru.") + format);
            exportaTabele({tabelRegistru(Registru::intrari()), tabelSituatie(situatie)}, fisier);
            const RegistruDeCalcul citit = RegistruDeCalcul::deschide(fisier);
            const FoaieDeCalcul& foaie = citit.foi.front();
            QCOMPARE(foaie.text("A1"), QStringLiteral("Registrul actelor de studii"));
            QCOMPARE(foaie.text("C3"), QStringLiteral("Elev 1"));
            QCOMPARE(foaie.text("J3"), QStringLiteral("anulat: hartie blocata"));
            QCOMPARE(foaie.text("F7"), QStringLiteral("B"));
            QCOMPARE(foaie.text("H9"), QStringLiteral("netiparit"));
            QCOMPARE(foaie.text("A12"), QStringLiteral("Situatia formularelor"));
            QCOMPARE(foaie.text("F14"), QStringLiteral("1"));
        }

        // Nothing is deleted or rewritten, whoever writes.
        for (const char* sql :
             {"DELETE FROM REGISTRU", "UPDATE REGISTRU SET NUME = 'Altul'", "DELETE FROM FORMULARE",
              "UPDATE JURNAL_REGISTRU SET CE = 'x'", "DELETE FROM FORMULARE_PRIMITE",
              "UPDATE REGISTRU SET STAREA = 'neconfirmat', RESTITUIT = 0 WHERE STAREA = 'netiparit'",
              "UPDATE REGISTRU SET STAREA = 'netiparit', RESTITUIT = ID_REGISTRU WHERE STAREA = 'tiparit'"})
            QVERIFY(refuzul([&] { b->executa(sql); }).contains("nu se sterg"));
    }

    // The printed register: A4 landscape, every entry on its row under its column, page i of n;
    // the report's counts on its page.
    void registrulTiparit() {
        InregistrareTeanc teanc(QStringLiteral("A"), 1, true);
        for (int i = 1; i <= 20; ++i)
            teanc.foaieTiparita(elev(i));
        teanc.confirmaToate();
        Registru::anuleaza(teanc.intrari()[19].id, QStringLiteral("patat"));
        Predare lunga;
        lunga.mentiuni = QStringLiteral("Inceput ") +
                         QStringLiteral("observatie lunga despre predare ").repeated(5) +
                         QStringLiteral("Sfarsit");
        Registru::elibereaza(teanc.intrari()[4].id, lunga);
        ImprimantaSistem& imprimanta = ImprimantaSistem::instanta();
        imprimanta.selecteaza(imprimanta.indexImprimantaPdf());

        QCOMPARE(tiparesteRegistrul(imprimanta, QDate::currentDate().year()), 2);
        const QString registru = imprimanta.ultimulFisierPdf();
        QCOMPARE(numarPaginiPdf(registru), 2);
        const PaginaPdf prima = citestePdf(registru, 1);
        QVERIFY(prima.latime > prima.inaltime);
        QVERIFY(prima.cauta("Semnatura"));
        const CuvantPdf* coloana = prima.cauta("Numele");
        const CuvantPdf* nume = prima.cauta("Elev");
        QVERIFY(coloana && nume);
        QVERIFY(std::abs(nume->xMin - coloana->xMin) < 1.0);
        QVERIFY(prima.cauta("1") && prima.cauta("din") && prima.cauta("2"));
        // A long remark wraps inside its column; its row grows and the next entry goes below it.
        const CuvantPdf* mentiuni = prima.cauta("Mentiuni");
        const CuvantPdf* inceput = prima.cauta("Inceput");
        const CuvantPdf* sfarsit = prima.cauta("Sfarsit");
        QVERIFY(mentiuni && inceput && sfarsit);
        QVERIFY(sfarsit->yMin > inceput->yMin + 10.0);
        QVERIFY(sfarsit->xMin > mentiuni->xMin - 1.0 && sfarsit->xMax < prima.latime - 8.0);
        for (const CuvantPdf& c : prima.cuvinte)
            if (c.text == "6") QVERIFY(c.yMin > sfarsit->yMax);
        const PaginaPdf ultima = citestePdf(registru, 2);
        QVERIFY(ultima.cauta("patat"));

        QCOMPARE(tiparesteSituatia(imprimanta), 1);
        const PaginaPdf situatie = citestePdf(imprimanta.ultimulFisierPdf());
        const CuvantPdf* seria = situatie.cauta("A");
        QVERIFY(seria);
        QStringList randul;
        for (const CuvantPdf& c : situatie.cuvinte)
            if (std::abs(c.yMin - seria->yMin) < 1.0) randul << c.text;
        QCOMPARE(randul, QStringList({"A", "20", "1", "18", "1", "20", "0"}));
    }

    // Two computers recording piles from the same first number on one server: every number
    // once, every sheet recorded, entry numbers distinct.
    void douaCalculatoareLaUnServer() {
        cleanup();
        ServerFirebird server;
        QVERIFY2(server.pornit(), qPrintable(server.eroare()));
        qputenv("VARDOLIN_DATABASE", server.nume("comuna.fdb").toUtf8());
        server.copieSablon("comuna.fdb");
        qputenv("VARDOLIN_DB_USER", ServerFirebird::utilizator);
        qputenv("VARDOLIN_DB_PASSWORD", ServerFirebird::parola);
        {
            BazaTest pregatire;
            Registru::primesteFormulare({0, QStringLiteral("A"), 1, 100, {}, {}});
        }
        std::vector<std::unique_ptr<QProcess>> copii;
        for (int baza : {1000, 2000}) {
            auto p = std::make_unique<QProcess>();
            QProcessEnvironment mediu = QProcessEnvironment::systemEnvironment();
            mediu.insert(modCopil, "1");
            mediu.insert("VARDOLIN_TEST_ELEV", QString::number(baza));
            p->setProcessEnvironment(mediu);
            p->start(QCoreApplication::applicationFilePath(), {});
            copii.push_back(std::move(p));
        }
        for (auto& c : copii) {
            QVERIFY(c->waitForFinished(120000));
            QVERIFY2(c->exitCode() == 0, c->readAllStandardError().constData());
        }
        {
            BazaTest dupa;
            const auto toate = Registru::intrari();
            QCOMPARE(toate.size(), size_t(50));
            QSet<int> formulare, nr;
            for (const auto& i : toate) {
                formulare.insert(i.numarul);
                nr.insert(i.nr);
                QCOMPARE(i.stare, StareAct::Tiparit);
            }
            QCOMPARE(formulare.size(), 50);
            QCOMPARE(nr.size(), 50);
            QCOMPARE(*std::max_element(formulare.begin(), formulare.end()), 50);
        }
        qunsetenv("VARDOLIN_DATABASE");
        qunsetenv("VARDOLIN_DB_USER");
        qunsetenv("VARDOLIN_DB_PASSWORD");
    }

    // The administrator's tool: every verb, and a refusal's message and exit code.
    void uneltaDeLaLiniaDeComanda() {
        b->Opreste();
        const auto ruleazaUnealta = [&](const QString& unealta, const QStringList& argumente, int cod = 0) {
            QProcess p;
            p.start(QDir(MediuTest::dosarProgram()).filePath(unealta), argumente);
            p.waitForFinished(60000);
            const QByteArray iesireStandard = p.readAllStandardOutput();
            const QString iesire =
                QString::fromUtf8(cod == 0 ? iesireStandard : iesireStandard + p.readAllStandardError());
            [&] { QVERIFY2(p.exitCode() == cod, qPrintable(argumente.join(' ') + ": " + iesire)); }();
            return iesire;
        };
        const auto ruleaza = [&](const QStringList& argumente, int cod = 0) {
            return ruleazaUnealta("vardolin-registru", argumente, cod);
        };
        ruleaza({"primeste", "--serie", "C", "--de-la", "1", "--pana-la", "5", "--document", "ISJ 1"});
        QVERIFY(ruleaza({"primeste", "--serie", "C", "--de-la", "5", "--pana-la", "6"}, 1)
                    .contains("a fost deja primit"));
        QVERIFY(
            ruleaza({"anuleaza", "--serie", "C", "--numar", "2", "--motiv", "rupt"}).contains("Am anulat"));
        QVERIFY(ruleaza({"elibereaza", "--serie", "C", "--numar", "3"}, 1).contains("nu are inregistrare"));
        QVERIFY(ruleaza({"anuleaza", "--serie", "C", "--numar", "9", "--motiv", "x"}, 1)
                    .contains("nu face parte"));
        const QStringList linii = ruleaza({"list"}).split('\n', Qt::SkipEmptyParts);
        QVERIFY2(linii.size() == 1, qPrintable(linii.join("|")));
        QVERIFY(linii[0].endsWith("\tC\t2\tanulat\t\t"));
        QVERIFY(ruleaza({"stoc"}).contains("C\t5\t0\t0\t1\t2\t4"));
        const QString ods = b->mediu().cale("unealta.ods");
        ruleaza({"export", ods});
        QCOMPARE(RegistruDeCalcul::deschide(ods).foi.front().text("F3"), QStringLiteral("C"));
        QVERIFY(ruleaza({"sterge"}, 1).contains("Comanda nu este recunoscuta"));

        // The form tool prints fronts on forms and records them confirmed; a proof records nothing.
        b->Porneste();
        for (int id = 1; id <= 3; ++id) {
            b->executa(QString("insert into ELEVI (ID_ELEVI) values (%1)").arg(id));
            b->executa(
                QString("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, "
                        "VALOARE_NUM, ID_ELEVI) values ('Vardolin', 'FATA', 'D_NUME', 'Elev%1', 0, %1)")
                    .arg(id));
        }
        b->Opreste();
        const auto pdf = [&](const QString& elevi, const QStringList& optiuni, int cod = 0) {
            return ruleazaUnealta(
                "vardolin-formtool",
                QStringList{"pdf", "--students", elevi, "--out", b->mediu().cale("lot.pdf")} + optiuni, cod);
        };
        QCOMPARE(pdf("1,2", {"--side", "fata", "--serie", "c", "--numar", "5", "--descrescator"}),
                 QStringLiteral("C\t5\tElev1\nC\t4\tElev2\n"));
        QVERIFY(
            pdf("3", {"--side", "fata", "--serie", "C", "--numar", "2"}, 1).contains("este deja folosit"));
        QVERIFY(pdf("1,3", {"--side", "fata", "--serie", "C", "--numar", "3"}, 2)
                    .contains("are deja certificatul"));
        QVERIFY(pdf("2", {"--side", "fata", "--serie", "C", "--numar", "1"}, 1)
                    .contains("are deja certificatul"));
        QVERIFY(pdf("1", {"--side", "fata", "--proba"}).isEmpty());
        QVERIFY(pdf("1", {"--side", "verso", "--serie", "C", "--numar", "1"}, 1).contains("doar fata"));
        QVERIFY(
            pdf("2", {"--side", "fata", "--proba", "--serie", "C"}, 1).contains("--proba nu se foloseste"));
        const QStringList registrul = ruleaza({"list"}).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(registrul.size(), 4);
        QVERIFY2(registrul.filter("\ttiparit\t").size() == 3, qPrintable(registrul.join('|')));
        b->Porneste();
    }
};

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(modCopil)) return ruleazaCopil();
    TestRegistru test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_Registru.moc"
