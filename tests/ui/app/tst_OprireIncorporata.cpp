#include "BazaTest.h"
#include "app/Pornire.h"
#include "entry/UAdaugaElev.h"
#include "entry/UEditorCampText.h"
#include "entry/UListaElevi.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <cstdio>

// The program on an embedded database ends cleanly on SIGTERM while a student window is open
// with a name typed in: exit code 0, the half-typed student not saved, the database whole.

namespace {
const char* const modCopil = "VARDOLIN_TEST_COPIL_SEMNAL";

// In the child: once the main window is up, "Adauga", a name typed, then "gata" on stdout.
void deschideFereastraElevului() {
    if (!qEnvironmentVariableIsSet(modCopil)) return;
    auto* ceas = new QTimer(qApp);
    QObject::connect(ceas, &QTimer::timeout, [ceas] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* f = qobject_cast<TAdaugaElev*>(w); f && f->isVisible()) {
                ceas->stop();
                f->findChild<TEditorCampText*>()->Combo->setCurrentText(QStringLiteral("Semnal Jumatate"));
                std::puts("gata");
                std::fflush(stdout);
                return;
            }
        }
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* lista = w->findChild<TListaElevi*>(); lista && w->isVisible())
                QTimer::singleShot(0, lista->RzBitBtn1, &QPushButton::click);
    });
    ceas->start(200);
}
Q_COREAPP_STARTUP_FUNCTION(deschideFereastraElevului)
} // namespace

class TestOprireIncorporata : public QObject {
    Q_OBJECT

private slots:
    void sigtermCuFereastraDeschisa() {
        QTemporaryDir dosar;
        const QString baza = dosar.filePath("V.FDB");
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(modCopil, "1");
        env.insert("VARDOLIN_DATABASE", baza);
        env.insert("VARDOLIN_DATA_DIR", dosar.path());
        env.insert("VARDOLIN_SETTINGS", dosar.filePath("setari.ini"));
        program.setProcessEnvironment(env);
        program.start(QCoreApplication::applicationFilePath(), {"--copil"});
        QVERIFY(program.waitForStarted());
        while (!program.canReadLine())
            QVERIFY2(program.waitForReadyRead(60000), program.readAllStandardError().constData());
        QCOMPARE(program.readLine().trimmed(), QByteArray("gata"));
        ::kill(pid_t(program.processId()), SIGTERM);
        QVERIFY(program.waitForFinished(3000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);

        QProcess gfix;
        gfix.setProcessChannelMode(QProcess::MergedChannels);
        gfix.start("gfix", {"-v", "-full", "-n", "-user", "SYSDBA", baza});
        QVERIFY(gfix.waitForFinished(120000));
        const QString validare = QString::fromLocal8Bit(gfix.readAll());
        QVERIFY2(gfix.exitCode() == 0 && !validare.contains("rror"), qPrintable(validare));
        qputenv("VARDOLIN_DATABASE", baza.toUtf8());
        BazaTest b;
        QCOMPARE(b.valoare("SELECT COUNT(*) FROM ELEVI").toInt(), 0);
        QCOMPARE(b.valoare("SELECT VERSIUNE FROM CONFID_DB").toInt(), 6);
        qunsetenv("VARDOLIN_DATABASE");
    }
};

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsSet(modCopil)) return ruleazaProgramul(argc, argv);
    QApplication app(argc, argv);
    TestOprireIncorporata t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_OprireIncorporata.moc"
