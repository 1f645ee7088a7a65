#include "MediuTest.h"
#include "data/SetariConexiune.h"
#include "platform/Eroare.h"
#include "platform/ParolaPastrata.h"
#include "platform/StocSetari.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <vector>

// A keyring that takes the calls and never answers (a private session bus where every keyring
// name is held by a black hole) does not hold the program's start: the wait ends at the limit,
// the keyring is not asked again, and the start says why it needs the password.
class TestParolaPastrata : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QProcess magistrala;
    std::vector<std::unique_ptr<QProcess>> keyringuri;

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("dbus-test-tool").isEmpty() ||
            QStandardPaths::findExecutable("dbus-daemon").isEmpty())
            QSKIP("dbus-daemon sau dbus-test-tool (dbus-tests) lipseste");
        // A bus that starts no service by itself: only the black holes answer to the names.
        QFile config(dir.filePath("magistrala.conf"));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\" "
                     "\"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                     "<busconfig><type>session</type><listen>unix:tmpdir=" +
                     dir.path().toUtf8() +
                     "</listen><auth>EXTERNAL</auth><policy context=\"default\"><allow "
                     "send_destination=\"*\"/><allow own=\"*\"/></policy></busconfig>\n");
        config.close();
        magistrala.start("dbus-daemon",
                         {"--config-file=" + config.fileName(), "--nofork", "--print-address=1"});
        QVERIFY(magistrala.waitForReadyRead(10000));
        qputenv("DBUS_SESSION_BUS_ADDRESS", magistrala.readLine().trimmed());
        for (const char* nume : {"org.freedesktop.secrets", "org.kde.kwalletd5", "org.kde.kwalletd6"}) {
            auto& p = keyringuri.emplace_back(std::make_unique<QProcess>());
            p->start("dbus-test-tool", {"black-hole", "--session", QString("--name=") + nume});
            QVERIFY(p->waitForStarted());
        }
        QTest::qWait(500);
        qunsetenv("VARDOLIN_FARA_KEYRING");
        ParolaPastrata::SeteazaLimita(std::chrono::milliseconds(1500));
    }

    void keyringCareNuRaspunde() {
        MediuTest mediu;
        QElapsedTimer ceas;
        ceas.start();
        // Saving waits out the limit once, then keeps the password in the settings file.
        ScrieSetariConexiune({"server:/srv/v.fdb", "VARDOLIN", "secreta123", {}});
        QVERIFY2(ceas.elapsed() < 10000, qPrintable(QString::number(ceas.elapsed())));
        QVERIFY(ParolaPastrata::NuRaspunde());
        QCOMPARE(SetariConexiuneEfective().parola, QString("secreta123"));

        // A password kept in the keyring: the start is told why it must ask for it, at once.
        StocSetari::deschide("Software\\Orvanta\\Kalvor\\2006\\Baza")->setValue("ParolaInKeyring", true);
        ceas.restart();
        try {
            SetariConexiuneEfective();
            QFAIL("fara eroare");
        } catch (const Eroare& e) {
            QVERIFY2(e.text().contains("nu a raspuns in 1 de secunde"), qPrintable(e.text()));
        }
        QVERIFY(ceas.elapsed() < 500);
        QCOMPARE(CitesteSetariConexiune().parola, QString());
    }

    void cleanupTestCase() {
        for (auto& p : keyringuri) {
            p->kill();
            p->waitForFinished();
        }
        magistrala.kill();
        magistrala.waitForFinished();
    }
};

QTEST_MAIN(TestParolaPastrata)
#include "tst_ParolaPastrata.moc"
