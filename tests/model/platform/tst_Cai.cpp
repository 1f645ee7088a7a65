#include "platform/Cai.h"

#include <QDir>
#include <QStandardPaths>
#include <QtTest>

// Where the program reads its template and writes its data, installed and in the build tree.
class TestCai : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        qunsetenv("VARDOLIN_DATA_DIR");
    }
    void cleanup() { Cai::seteazaDosarExecutabil(QString()); }

    void dosare_data() {
        QTest::addColumn<bool>("instalat");
        QTest::addColumn<bool>("dbLangaProgram");
        QTest::addColumn<QString>("resurse");
        QTest::addColumn<QString>("date"); // "" = the user's application data folder
        QTest::newRow("arborele de build") << false << false << "bin"
                                           << "bin";
        QTest::newRow("instalat") << true << false << "share/vardolin"
                                  << "";
        QTest::newRow("instalat de run.sh mai vechi") << true << true << "share/vardolin"
                                                      << "bin";
    }
    void dosare() {
        QFETCH(bool, instalat);
        QFETCH(bool, dbLangaProgram);
        QFETCH(QString, resurse);
        QFETCH(QString, date);
        QTemporaryDir prefix;
        const QDir p(prefix.path());
        QVERIFY(p.mkpath("bin"));
        if (instalat) QVERIFY(p.mkpath("share/vardolin"));
        if (dbLangaProgram) QVERIFY(p.mkpath("bin/DB"));
        Cai::seteazaDosarExecutabil(p.filePath("bin"));
        QCOMPARE(Cai::dosarResurse(), p.filePath(resurse));
        QCOMPARE(Cai::dosarDate(), date.isEmpty()
                                       ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                                       : p.filePath(date));
    }
};

QTEST_MAIN(TestCai)
#include "tst_Cai.moc"
