#include "BazaTest.h"
#include "ServerFirebird.h"
#include "data/SetariConexiune.h"
#include "data/UtilizatorProgram.h"
#include "platform/Eroare.h"
#include "platform/Firebird.h"
#include "platform/StocSetari.h"

#include <QProcess>
#include <QtTest>

// The program's own user on a real private server: it upgrades and uses its database, and can
// neither drop it nor read another one; its password stays with its owner.
class TestUtilizatorProgram : public QObject {
    Q_OBJECT

    std::unique_ptr<ServerFirebird> server;
    static constexpr const char* parolaNoua = "parolaProgramului1";

    // isql as the program's user: its exit code and what it said.
    QPair<int, QString> isql(const QString& baza, const QString& sql) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start("isql-fb", {"-q", "-user", "VARDOLIN", "-password", parolaNoua, baza});
        p.write((sql + ";\n").toUtf8());
        p.closeWriteChannel();
        p.waitForFinished();
        return {p.exitCode(), QString::fromUtf8(p.readAll())};
    }

private slots:
    void initTestCase() {
        server = std::make_unique<ServerFirebird>();
        QVERIFY2(server->pornit(), qPrintable(server->eroare()));
        AsiguraProfilulInregistrat();
        qputenv("VARDOLIN_FARA_KEYRING", "1");
    }
    void cleanupTestCase() { server.reset(); }

    void drepturiDoarPeAceastaBaza() {
        const QString baza = server->nume(QFileInfo(server->copieSablon("scoala.fdb")).fileName());
        const QString alta = server->nume(QFileInfo(server->copieSablon("alta.fdb")).fileName());
        QVERIFY_THROWS_EXCEPTION(Eroare, UtilizatorProgram::Creeaza(baza, "gresita", "VARDOLIN", parolaNoua));
        UtilizatorProgram::Creeaza(baza, ServerFirebird::parola, "VARDOLIN", parolaNoua);

        // Connected as itself, the program upgrades the old structure and works in it.
        qputenv("VARDOLIN_DATABASE", baza.toUtf8());
        qputenv("VARDOLIN_DB_USER", "VARDOLIN");
        qputenv("VARDOLIN_DB_PASSWORD", parolaNoua);
        {
            BazaTest b;
            b.executa("insert into ELEVI (ID_ELEVI) values (1)");
            QCOMPARE(b.valoare("SELECT COUNT(*) FROM ELEVI").toInt(), 1);
            QVERIFY(b.valoare("SELECT MAX(VERSIUNE) FROM CONFID_DB").toInt() >= 3);
        }
        qunsetenv("VARDOLIN_DATABASE");
        qunsetenv("VARDOLIN_DB_USER");
        qunsetenv("VARDOLIN_DB_PASSWORD");

        const auto citireAlta = isql(alta, "SELECT COUNT(*) FROM CONFID_DB");
        QVERIFY2(citireAlta.second.contains("no permission"), qPrintable(citireAlta.second));
        const auto stergere = isql(baza, "DROP DATABASE");
        QVERIFY2(stergere.second.contains("no permission"), qPrintable(stergere.second));
        QVERIFY(QFile::exists(server->cale("scoala.fdb")));
    }

    // Without a keyring the password is in the settings file, which no other account reads.
    void parolaDoarPentruProprietar() {
        MediuTest mediu;
        SetariConexiune s;
        s.baza = "server:/srv/v.fdb";
        s.utilizator = "VARDOLIN";
        s.parola = "secreta123";
        ScrieSetariConexiune(s);
        QCOMPARE(CitesteSetariConexiune().parola, s.parola);
        const QString fisier = StocSetari::fisier();
        const auto altii = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther |
                           QFileDevice::WriteOther;
        QVERIFY(!(QFile::permissions(fisier) & altii));
        // The folders open to everyone: only the file's own mode stops another account.
        QFile::setPermissions(mediu.dosar(), QFile::permissions(mediu.dosar()) | QFileDevice::ExeOther);
        QProcess p;
        p.start("runuser", {"-u", "nobody", "--", "cat", fisier});
        p.waitForFinished();
        QVERIFY(p.exitCode() != 0);
        QVERIFY(!p.readAllStandardOutput().contains("secreta123"));
    }
};

QTEST_MAIN(TestUtilizatorProgram)
#include "tst_UtilizatorProgram.moc"
