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

// The keyring through the program's own settings code, on a private session bus that starts no
// service by itself. A real Secret Service keeps the password out of the settings file; a keyring
// that takes the calls and never answers (every keyring name held by a black hole) does not hold
// the program's start: the wait ends at the limit, the keyring is not asked again (so that case
// comes last), and the start says why it needs the password.
class TestParolaPastrata : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QProcess magistrala;
    std::vector<std::unique_ptr<QProcess>> keyringuri;

    // The exit code and output of a command.
    static std::pair<int, QByteArray> ruleaza(const QString& program, const QStringList& argumente) {
        QProcess p;
        p.start(program, argumente);
        p.waitForFinished(30000);
        return {p.exitCode(), p.readAllStandardOutput().trimmed()};
    }
    static const inline QStringList cautaParola = {"lookup", "user", "ParolaBazaDeDate", "server",
                                                   "Vardolin"};
    static QByteArray fisierSetari() {
        QFile f(StocSetari::fisier());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // A call on the session bus; the service is named as its object's path begins.
    static QByteArray cereMagistralei(const QString& obiect, const QString& metoda,
                                      const QString& argument = {}) {
        QStringList a{"--session", "--print-reply=literal",
                      "--dest=" + obiect.section('/', 1, 3).replace('/', '.'), obiect, metoda};
        if (!argument.isEmpty()) a << argument;
        return ruleaza("dbus-send", a).second;
    }
    static bool numeLuat(const char* nume) {
        return cereMagistralei("/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                               QString("string:") + nume)
            .contains("true");
    }

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("dbus-daemon").isEmpty() ||
            QStandardPaths::findExecutable("dbus-send").isEmpty())
            QSKIP("dbus-daemon lipseste");
        // A bus that starts no service by itself: only what a test starts answers to the names.
        QFile config(dir.filePath("magistrala.conf"));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\" "
                     "\"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                     "<busconfig><type>session</type><listen>unix:tmpdir=" +
                     dir.path().toUtf8() +
                     "</listen><auth>EXTERNAL</auth><policy context=\"default\"><allow "
                     "send_destination=\"*\"/><allow receive_sender=\"*\"/><allow own=\"*\"/></policy>"
                     "</busconfig>\n");
        config.close();
        magistrala.start("dbus-daemon",
                         {"--config-file=" + config.fileName(), "--nofork", "--print-address=1"});
        QVERIFY(magistrala.waitForReadyRead(10000));
        qputenv("DBUS_SESSION_BUS_ADDRESS", magistrala.readLine().trimmed());
        QCOMPARE(cereMagistralei("/org/freedesktop/DBus", "org.freedesktop.DBus.GetId").size(), 32);
        qunsetenv("VARDOLIN_FARA_KEYRING");
    }

    // A keyring that answers: the password is in it and nowhere in the settings file (not even one
    // kept there before), comes back at the next read, follows a change, is gone when none is
    // given, and another account cannot ask this session's keyring for it. Locked, the keyring
    // gives nothing: the start asks for the password instead of trying the default one, and the
    // one written then goes to the settings file.
    void keyringCareRaspunde() {
        if (QStandardPaths::findExecutable("gnome-keyring-daemon").isEmpty() ||
            QStandardPaths::findExecutable("secret-tool").isEmpty())
            QSKIP("gnome-keyring-daemon sau secret-tool (gnome-keyring, libsecret-tools) lipseste");
        QTemporaryDir acasa;
        QProcessEnvironment mediuKeyring = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"})
            mediuKeyring.insert(v, acasa.path());
        QProcess keyring; // killed, and the name freed, whenever the test ends
        keyring.setProcessEnvironment(mediuKeyring);
        keyring.start("gnome-keyring-daemon", {"--foreground", "--unlock", "--components=secrets"});
        QVERIFY(keyring.waitForStarted());
        keyring.write("parola-keyring");
        keyring.closeWriteChannel();
        QTRY_VERIFY_WITH_TIMEOUT(numeLuat("org.freedesktop.secrets"), 20000);
        ParolaPastrata::SeteazaLimita(std::chrono::milliseconds(30000));

        MediuTest mediu;
        const SetariConexiune setari{"server:/srv/v.fdb", "VARDOLIN", "secreta123", {}};
        qputenv("VARDOLIN_FARA_KEYRING", "1");
        ScrieSetariConexiune(setari);
        qunsetenv("VARDOLIN_FARA_KEYRING");
        QVERIFY(fisierSetari().contains("secreta123"));
        ScrieSetariConexiune(setari);
        QVERIFY(!ParolaPastrata::NuRaspunde());
        QCOMPARE(ruleaza("secret-tool", cautaParola), std::make_pair(0, QByteArray("secreta123")));
        QVERIFY2(!fisierSetari().contains("secreta123"), fisierSetari().constData());
        QCOMPARE(SetariConexiuneEfective().parola, setari.parola);

        ScrieSetariConexiune({setari.baza, setari.utilizator, "alta-parola-9", {}});
        QCOMPARE(ruleaza("secret-tool", cautaParola).second, QByteArray("alta-parola-9"));
        QCOMPARE(
            ("\n" + ruleaza("secret-tool", {"search", "--all", "server", "Vardolin"}).second).count("\n["),
            1);
        QCOMPARE(CitesteSetariConexiune().parola, QString("alta-parola-9"));

        // The bus's folder open to everyone: only the bus itself stops another account.
        QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFileDevice::ExeOther);
        const auto altCont =
            ruleaza("runuser", QStringList{"-u", "nobody", "--", "secret-tool"} + cautaParola);
        QVERIFY(altCont.first != 0);
        QVERIFY(!altCont.second.contains("alta-parola-9"));

        ScrieSetariConexiune({setari.baza, setari.utilizator, {}, {}});
        QCOMPARE(ruleaza("secret-tool", cautaParola).first, 1);
        QCOMPARE(SetariConexiuneEfective().parola, QString());

        ScrieSetariConexiune(setari);
        QVERIFY(cereMagistralei("/org/freedesktop/secrets", "org.freedesktop.Secret.Service.Lock",
                                "array:objpath:/org/freedesktop/secrets/collection/login")
                    .contains("collection/login"));
        QCOMPARE(CitesteSetariConexiune().parola, QString());
        try {
            SetariConexiuneEfective();
            QFAIL("fara eroare");
        } catch (const Eroare& e) {
            QVERIFY2(e.text().contains("este blocat"), qPrintable(e.text()));
        }
        ScrieSetariConexiune({setari.baza, setari.utilizator, "scrisa-la-pornire", {}});
        QCOMPARE(SetariConexiuneEfective().parola, QString("scrisa-la-pornire"));
        QVERIFY(!ParolaPastrata::NuRaspunde());
        keyring.terminate();
        keyring.waitForFinished();
    }

    void keyringCareNuRaspunde() {
        if (QStandardPaths::findExecutable("dbus-test-tool").isEmpty())
            QSKIP("dbus-test-tool (dbus-tests) lipseste");
        QTRY_VERIFY(!numeLuat("org.freedesktop.secrets")); // the real keyring is gone
        for (const char* nume : {"org.freedesktop.secrets", "org.kde.kwalletd5", "org.kde.kwalletd6"}) {
            auto& p = keyringuri.emplace_back(std::make_unique<QProcess>());
            p->start("dbus-test-tool", {"black-hole", "--session", QString("--name=") + nume});
            QVERIFY(p->waitForStarted());
        }
        QTRY_VERIFY(numeLuat("org.freedesktop.secrets"));
        ParolaPastrata::SeteazaLimita(std::chrono::milliseconds(1500));
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
