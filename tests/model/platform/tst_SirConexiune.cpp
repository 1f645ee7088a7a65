#include "platform/SirConexiune.h"

#include <QtTest>

class TestSirConexiune : public QObject {
    Q_OBJECT

private slots:
    void forme_data() {
        QTest::addColumn<QString>("nume");
        QTest::addColumn<bool>("server");
        QTest::addColumn<QString>("gazda");
        QTest::addColumn<QString>("cale");
        QTest::newRow("gazda:cale") << "srv:/d/V.FDB" << true << "srv"
                                    << "/d/V.FDB";
        QTest::newRow("gazda/port:cale") << "127.0.0.1/3051:/d/V.FDB" << true << "127.0.0.1/3051"
                                         << "/d/V.FDB";
        QTest::newRow("gazda:cale windows") << "srv:C:\\d\\V.FDB" << true << "srv"
                                            << "C:\\d\\V.FDB";
        QTest::newRow("ipv6") << "[::1]/3051:/d/V.FDB" << true << "[::1]/3051"
                              << "/d/V.FDB";
        QTest::newRow("inet") << "inet://srv:3051//d/V.FDB" << true << "srv:3051"
                              << "/d/V.FDB";
        QTest::newRow("inet4") << "INET4://srv/d.fdb" << true << "srv"
                               << "d.fdb";
        QTest::newRow("inet6") << "inet6://[::1]:3051/alias" << true << "[::1]:3051"
                               << "alias";
        QTest::newRow("xnet") << "xnet://C:\\d\\V.FDB" << true << ""
                              << "C:\\d\\V.FDB";
        QTest::newRow("wnet") << "wnet://srv/C:\\d\\V.FDB" << true << "srv"
                              << "C:\\d\\V.FDB";
        QTest::newRow("unc") << "\\\\srv\\C:\\d\\V.FDB" << true << "srv"
                             << "C:\\d\\V.FDB";
        QTest::newRow("cale unix") << "/home/ana/DB/V.FDB" << false << ""
                                   << "/home/ana/DB/V.FDB";
        QTest::newRow("cale relativa") << "DB/V.FDB" << false << ""
                                       << "DB/V.FDB";
        QTest::newRow("disc windows") << "C:\\DB\\V.FDB" << false << ""
                                      << "C:\\DB\\V.FDB";
        QTest::newRow("disc windows /") << "d:/DB/V.FDB" << false << ""
                                        << "d:/DB/V.FDB";
    }
    void forme() {
        QFETCH(QString, nume);
        QFETCH(bool, server);
        QFETCH(QString, gazda);
        QFETCH(QString, cale);
        QCOMPARE(EsteBazaPeServer(nume), server);
        QCOMPARE(ServerulBazei(nume), gazda);
        QCOMPARE(CaleaPeServer(nume), cale);
    }
};

QTEST_GUILESS_MAIN(TestSirConexiune)
#include "tst_SirConexiune.moc"
