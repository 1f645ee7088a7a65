#include "BazaTest.h"
#include "ServerFirebird.h"
#include "data/UDm.h"
#include "platform/Eroare.h"

#include <QDir>
#include <QProcess>
#include <QSet>
#include <QtTest>

#include <cstdio>

// Several programs on one database of a real private server. Each "program" is this executable
// started again in its child mode (below), as two secretariat computers would be.

namespace {

const char* const modCopil = "VARDOLIN_TEST_COPIL";

void folosesteServerul(const ServerFirebird& s, const QString& nume) {
    qputenv("VARDOLIN_DATABASE", nume.toUtf8());
    qputenv("VARDOLIN_DB_USER", ServerFirebird::utilizator);
    qputenv("VARDOLIN_DB_PASSWORD", ServerFirebird::parola);
    Q_UNUSED(s);
}

// The child: the start-up of the data module, then as many students as asked, each added as the
// student window adds one (id from the generator, row, then a value row), committed one by one.
int ruleazaCopil() {
    return RuleazaCopilCuBaza([] {
        const int elevi = qEnvironmentVariableIntValue("VARDOLIN_TEST_ELEVI");
        const QString eticheta = qEnvironmentVariable("VARDOLIN_TEST_ETICHETA");
        for (int i = 0; i < elevi; ++i) {
            GardaTranzactie garda;
            Q1().seteazaSql("SELECT GEN_ID(G_ID_ELEVI,1) AS \"ID\" FROM RDB$DATABASE");
            Q1().deschide();
            const qint64 id = Q1().intreg("ID");
            Q1().inchide();
            Q1().seteazaSql("insert into ELEVI (ID_ELEVI) values (:ID)");
            Q1().param("ID", id);
            Q1().executa();
            Q1().seteazaSql(
                "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, VALOARE_TEXT, "
                "VALOARE_NUM) values ('Vardolin', 'FATA', 'C_NUME_L1', :ID, :NUME, 0)");
            Q1().param("ID", id);
            Q1().param("NUME", QStringLiteral("%1-%2").arg(eticheta).arg(i));
            Q1().executa();
            garda.Commit();
        }
    });
}

std::unique_ptr<QProcess> pornesteCopil(const QString& eticheta, int elevi) {
    auto p = std::make_unique<QProcess>();
    QProcessEnvironment mediu = QProcessEnvironment::systemEnvironment();
    mediu.insert(modCopil, "1");
    mediu.insert("VARDOLIN_TEST_ELEVI", QString::number(elevi));
    mediu.insert("VARDOLIN_TEST_ETICHETA", eticheta);
    p->setProcessEnvironment(mediu);
    p->start(QCoreApplication::applicationFilePath(), {});
    return p;
}

void asteaptaCopiii(std::vector<std::unique_ptr<QProcess>>& copii) {
    for (auto& c : copii) {
        QVERIFY(c->waitForFinished(120000));
        QVERIFY2(c->exitCode() == 0, c->readAllStandardError().constData());
    }
}

} // namespace

class TestServerFirebird : public QObject {
    Q_OBJECT

    std::unique_ptr<ServerFirebird> server;

private slots:
    void initTestCase() {
        server = std::make_unique<ServerFirebird>();
        QVERIFY2(server->pornit(), qPrintable(server->eroare()));
        AsiguraProfilulInregistrat();
    }
    void cleanupTestCase() {
        server.reset();
        qunsetenv("VARDOLIN_DATABASE");
    }

    // Every form that names this server reaches it; nothing is made in the program's folders.
    void pornireLaServer_data() {
        QTest::addColumn<QString>("forma");
        QTest::newRow("gazda/port:cale") << "127.0.0.1/%1:%2";
        QTest::newRow("localhost/port:cale") << "localhost/%1:%2";
        QTest::newRow("inet") << "inet://127.0.0.1:%1/%2";
        QTest::newRow("inet4") << "inet4://127.0.0.1:%1/%2";
    }
    void pornireLaServer() {
        QFETCH(QString, forma);
        server->copieSablon("forme.fdb");
        folosesteServerul(*server, forma.arg(server->port()).arg(server->cale("forme.fdb")));
        const QString lucru = QDir::currentPath();
        {
            BazaTest b;
            QCOMPARE(b.valoare("SELECT VERSIUNE FROM CONFID_DB").toInt(), 6);
            QCOMPARE(b.valoare("SELECT COUNT(*) FROM RDB$GENERATORS WHERE RDB$GENERATOR_NAME = 'G_ID_ELEVI'")
                         .toInt(),
                     1);
            QVERIFY(!QDir(b.mediu().dosar()).exists("DB"));
        }
        QVERIFY(!QDir(lucru).exists("127.0.0.1"));
        QVERIFY(!QDir(lucru).exists("localhost"));
        QVERIFY(!QDir(lucru).exists("inet:"));
    }

    // A wrong path on the server: an explained message, and no local database of that name.
    void caleGresitaPeServer() {
        folosesteServerul(*server, server->nume("nu-exista/V.FDB"));
        MediuTest mediu;
        TDM::seteazaEcranePornire(nullptr);
        TDM dm;
        try {
            dm.DataModuleCreate();
            QFAIL("a missing server database was opened");
        } catch (const Eroare& e) {
            QVERIFY2(e.text().startsWith("Baza de date 127.0.0.1/"), qPrintable(e.text()));
        }
        QVERIFY(!QFile::exists(server->cale("nu-exista/V.FDB")));
        QVERIFY(!QDir(mediu.dosar()).exists("DB"));
        QVERIFY(!QDir().exists("127.0.0.1"));
    }

    // Two computers adding students at the same time: no id given twice, nothing lost, each
    // sees the other's students.
    void adaugariConcurente() {
        folosesteServerul(*server, server->copieSablon("comuna.fdb"));
        { BazaTest pregatire; }
        std::vector<std::unique_ptr<QProcess>> copii;
        copii.push_back(pornesteCopil("A", 40));
        copii.push_back(pornesteCopil("B", 40));
        asteaptaCopiii(copii);
        BazaTest b;
        const QVariantList iduri = b.coloana("SELECT ID_ELEVI FROM ELEVI");
        QCOMPARE(iduri.size(), 80);
        QSet<qint64> distincte;
        for (const QVariant& id : iduri)
            distincte.insert(id.toLongLong());
        QCOMPARE(distincte.size(), 80);
        for (const char* e : {"A-%", "B-%"})
            QCOMPARE(b.valoare(QString("SELECT COUNT(*) FROM \"DATE\" WHERE VALOARE_TEXT LIKE '%1'").arg(e))
                         .toInt(),
                     40);
    }

    // Two programs starting at once on a database that still needs its upgrade, again and again
    // to meet the race: both start, and the schema ends up whole.
    void pornireSimultanaCuActualizare() {
        for (int runda = 0; runda < 6; ++runda) {
            folosesteServerul(*server, server->copieSablon(QString("cursa%1.fdb").arg(runda)));
            std::vector<std::unique_ptr<QProcess>> copii;
            copii.push_back(pornesteCopil("A", 0));
            copii.push_back(pornesteCopil("B", 0));
            asteaptaCopiii(copii);
            BazaTest b;
            QCOMPARE(b.valoare("SELECT VERSIUNE FROM CONFID_DB").toInt(), 6);
            QCOMPARE(b.valoare("SELECT COUNT(*) FROM RDB$RELATION_CONSTRAINTS WHERE RDB$CONSTRAINT_NAME "
                               "IN ('PK_ELEVI', 'PK_SCOALA', 'FK_ELEVI_1', 'FK_ELEVI_2', 'FK_SCOALA_1', "
                               "'FK_SCOALA_2')")
                         .toInt(),
                     6);
            QCOMPARE(b.valoare("SELECT COUNT(*) FROM TABELE").toInt(), 2);
        }
    }
};

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(modCopil)) return ruleazaCopil();
    TestServerFirebird test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_ServerFirebird.moc"
