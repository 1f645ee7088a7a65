// The Debian package, made by CPack from this build tree, as an IT person would receive it:
// its files and fields, and the program started from the package's files with a fresh HOME.
#include "Versiune.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

namespace {
struct Rezultat {
    int cod = -1;
    QString iesire;
};

Rezultat ruleaza(const QString& program, const QStringList& argumente) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, argumente);
    if (!p.waitForFinished(300000)) return {-1, p.errorString()};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAll())};
}
} // namespace

class TestPachet : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void fisiere_data();
    void fisiere();
    void doarProgramulInBin();
    void campuri_data();
    void campuri();
    void dependente_data();
    void dependente();
    void intrareaDeMeniu();
    void lintianFaraErori();
    void versiunea();
    void pornesteCaUnUtilizatorNou();

private:
    QString camp(const QString& nume) const;
    QString radacina(const QString& cale) const { return QDir(dir_.filePath("radacina")).filePath(cale); }

    QTemporaryDir dir_;
    QString deb_;
};

void TestPachet::initTestCase() {
    const QString build = QDir(QCoreApplication::applicationDirPath()).filePath("..");
    const Rezultat cpack =
        ruleaza("cpack", {"--config", QDir(build).filePath("CPackConfig.cmake"), "-B", dir_.filePath("deb")});
    QVERIFY2(cpack.cod == 0, qPrintable(cpack.iesire));
    const QStringList pachete = QDir(dir_.filePath("deb")).entryList({"*.deb"}, QDir::Files);
    QCOMPARE(pachete.size(), 1);
    deb_ = QDir(dir_.filePath("deb")).filePath(pachete.first());
    const Rezultat x = ruleaza("dpkg-deb", {"-x", deb_, dir_.filePath("radacina")});
    QVERIFY2(x.cod == 0, qPrintable(x.iesire));
}

QString TestPachet::camp(const QString& nume) const {
    return ruleaza("dpkg-deb", {"-f", deb_, nume}).iesire.simplified();
}

void TestPachet::fisiere_data() {
    QTest::addColumn<QString>("cale");
    for (const char* cale :
         {"usr/bin/vardolin", "usr/share/vardolin/BLANK.FDB", "usr/share/applications/vardolin.desktop",
          "usr/share/icons/hicolor/scalable/apps/vardolin.svg", "usr/share/man/man1/vardolin.1.gz",
          "usr/share/doc/vardolin/copyright", "usr/share/doc/vardolin/changelog.gz",
          "usr/share/doc/vardolin/ghid-vardolin.pdf"})
        QTest::newRow(cale) << QString::fromLatin1(cale);
}

void TestPachet::fisiere() {
    QFETCH(QString, cale);
    QVERIFY(QFileInfo(radacina(cale)).isFile());
}

void TestPachet::doarProgramulInBin() {
    QCOMPARE(QDir(radacina("usr/bin")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"vardolin"});
}

void TestPachet::campuri_data() {
    QTest::addColumn<QString>("nume");
    QTest::addColumn<QString>("valoare");
    QTest::newRow("Package") << "Package"
                             << "vardolin";
    QTest::newRow("Version") << "Version" << VARDOLIN_VERSIUNE;
    QTest::newRow("Architecture") << "Architecture"
                                  << "amd64";
}

void TestPachet::campuri() {
    QFETCH(QString, nume);
    QFETCH(QString, valoare);
    QCOMPARE(camp(nume), valoare);
}

void TestPachet::dependente_data() {
    QTest::addColumn<QString>("pachet");
    // Linked (found by shlibdeps) and loaded at run time without linking.
    for (const char* p : {"libqt6widgets6", "libqt6printsupport6", "libqt6svg6", "libfbclient2",
                          "libxlsxwriter4", "firebird3.0-server-core", "fonts-liberation"})
        QTest::newRow(p) << QString::fromLatin1(p);
}

void TestPachet::dependente() {
    QFETCH(QString, pachet);
    QStringList nume;
    for (const QString& d : camp("Depends").split(','))
        nume << d.trimmed().section(' ', 0, 0);
    QVERIFY2(nume.contains(pachet), qPrintable(camp("Depends")));
}

void TestPachet::intrareaDeMeniu() {
    const QString intrare = radacina("usr/share/applications/vardolin.desktop");
    const Rezultat r = ruleaza("desktop-file-validate", {intrare});
    QVERIFY2(r.cod == 0 && !r.iesire.contains("error"), qPrintable(r.iesire));
    QSettings desktop(intrare, QSettings::IniFormat);
    desktop.beginGroup("Desktop Entry");
    QVERIFY(QFileInfo(radacina("usr/bin/" + desktop.value("Exec").toString())).isExecutable());
    QVERIFY(QFileInfo::exists(
        radacina("usr/share/icons/hicolor/scalable/apps/" + desktop.value("Icon").toString() + ".svg")));
}

void TestPachet::lintianFaraErori() {
    if (QStandardPaths::findExecutable("lintian").isEmpty()) QSKIP("lintian is not installed");
    const Rezultat r = ruleaza("lintian", {"--fail-on", "error", deb_});
    QVERIFY2(r.cod == 0, qPrintable(r.iesire));
}

void TestPachet::versiunea() {
    const Rezultat r = ruleaza(radacina("usr/bin/vardolin"), {"--version"});
    QCOMPARE(r.iesire.trimmed(), QStringLiteral("Vardolin " VARDOLIN_VERSIUNE));
}

void TestPachet::pornesteCaUnUtilizatorNou() {
    const QString acasa = dir_.filePath("acasa");
    QVERIFY(QDir().mkpath(acasa));
    QProcessEnvironment mediu = QProcessEnvironment::systemEnvironment();
    for (const QString& v : mediu.keys())
        if (v.startsWith("VARDOLIN_") || v.startsWith("XDG_") || v == "FIREBIRD_LOCK") mediu.remove(v);
    mediu.insert("HOME", acasa);
    mediu.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess program;
    program.setProcessEnvironment(mediu);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(radacina("usr/bin/vardolin"));
    QVERIFY(program.waitForStarted());

    // The database is made from the template under share, in the user's data folder.
    const QString baza = QDir(acasa).filePath(".local/share/Vardolin/Vardolin/DB/Vardolin2006.FDB");
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(baza) || program.state() == QProcess::NotRunning, 120000);
    QVERIFY(QFileInfo::exists(baza));
    QTest::qWait(2000);
    QCOMPARE(program.state(), QProcess::Running);
    QVERIFY(!QFileInfo::exists(radacina("usr/bin/DB")));
    program.kill();
    program.waitForFinished();
}

QTEST_MAIN(TestPachet)
#include "tst_Pachet.moc"
