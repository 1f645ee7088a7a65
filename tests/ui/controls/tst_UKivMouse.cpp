#include "MediuTest.h"
#include "controls/UKivMouse.h"
#include "platform/Cai.h"

#include <QFile>
#include <QtTest>

namespace {

// A window that counts the watcher's messages by number.
class FereastraNumara : public QWidget {
public:
    std::map<int, int> mesaje;

protected:
    bool event(QEvent* e) override {
        if (e->type() == TKivMesajFereastra::Tip()) {
            const auto* m = static_cast<TKivMesajFereastra*>(e);
            if (m->wParam() == 0 && m->lParam() == 0) ++mesaje[m->mesaj()];
            return true;
        }
        return QWidget::event(e);
    }
};

} // namespace

class TestUKivMouse : public QObject {
    Q_OBJECT
    QPoint cursor;

    void scrieFisier(const QByteArray& continut) {
        QFile f(Cai::inDosarDate(QStringLiteral("LargeFonts.txt")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(continut);
    }

private slots:
    void init() {
        TKivMouseInWindowThread::SeteazaSursaCursor([this] { return cursor; });
    }
    void cleanup() {
        QTRY_COMPARE(TKivMouseInWindowThread::Active(), 0);
        TKivMouseInWindowThread::SeteazaSursaCursor({});
        LargeFonts::Reseteaza();
        LargeFonts::SeteazaPixeliPeInch(0);
    }

    void scale_data() {
        QTest::addColumn<bool>("existaFisier");
        QTest::addColumn<QByteArray>("continut");
        QTest::addColumn<int>("ppi");
        QTest::addColumn<int>("valoare");
        QTest::addColumn<int>("scalat");
        QTest::newRow("fara fisier") << false << QByteArray() << 96 << 128 << 128;
        QTest::newRow("fara fisier la 120 ppi") << false << QByteArray() << 120 << 128 << 160;
        QTest::newRow("5:4") << true << QByteArray("5:4\n") << 96 << 100 << 125;
        QTest::newRow("5 : 4") << true << QByteArray("  5 : 4  \r\n") << 96 << 100 << 125;
        QTest::newRow("5:4 px") << true << QByteArray("5:4 px") << 96 << 100 << 125;
        QTest::newRow("doar prima linie") << true << QByteArray("5:4\n9:1\n") << 96 << 100 << 125;
        QTest::newRow("3") << true << QByteArray("3") << 96 << 100 << 100;
        QTest::newRow("fisier gol") << true << QByteArray() << 96 << 100 << 100;
        QTest::newRow("numitor 0") << true << QByteArray("1:0") << 96 << 100 << 100;
        QTest::newRow("numarator 0") << true << QByteArray("0:3") << 96 << 100 << 100;
        QTest::newRow("numarator lipsa") << true << QByteArray(":4") << 96 << 100 << 200;
        QTest::newRow("numitor ne-numeric") << true << QByteArray("12:") << 96 << 100 << 150;
        QTest::newRow("impartiri pe rand") << true << QByteArray("12:8") << 120 << 10 << 18;
        QTest::newRow("negativ") << false << QByteArray() << 120 << -128 << -160;
    }
    void scale() {
        QFETCH(bool, existaFisier);
        QFETCH(QByteArray, continut);
        QFETCH(int, ppi);
        QFETCH(int, valoare);
        QFETCH(int, scalat);
        MediuTest mediu;
        if (existaFisier) scrieFisier(continut);
        LargeFonts::SeteazaPixeliPeInch(ppi);
        QCOMPARE(Scale(valoare), scalat);
        if (!existaFisier) {
            QFile f(Cai::inDosarDate(QStringLiteral("LargeFonts.txt")));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readLine().trimmed(), QByteArray("1:1"));
        }
    }

    void factorulSeCitesteOdata() {
        MediuTest mediu;
        LargeFonts::SeteazaPixeliPeInch(96);
        scrieFisier("5:4");
        QCOMPARE(Scale(100), 125);
        scrieFisier("3:1");
        QCOMPARE(Scale(100), 125);
        QCOMPARE(LargeFonts::Numarator(), 5);
        QCOMPARE(LargeFonts::Numitor(), 4);
    }

    void marginiSiAfara_data() {
        QTest::addColumn<QPoint>("fata");
        QTest::addColumn<bool>("afara");
        // The window is 200 x 100 at (300, 200) on the screen.
        QTest::newRow("colt stanga sus") << QPoint(0, 0) << false;
        QTest::newRow("pe marginea dreapta si jos") << QPoint(200, 100) << false;
        QTest::newRow("la mijloc") << QPoint(100, 50) << false;
        QTest::newRow("stanga") << QPoint(-1, 50) << true;
        QTest::newRow("dreapta") << QPoint(201, 50) << true;
        QTest::newRow("sus") << QPoint(100, -1) << true;
        QTest::newRow("jos") << QPoint(100, 101) << true;
    }
    void marginiSiAfara() {
        QFETCH(QPoint, fata);
        QFETCH(bool, afara);
        FereastraNumara fereastra;
        fereastra.setGeometry(300, 200, 200, 100);
        fereastra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fereastra));
        const QPoint colt = fereastra.mapToGlobal(QPoint(0, 0));
        cursor = colt + fata;
        new TKivMouseInWindowThread(&fereastra, 1124);
        if (afara) {
            QTRY_COMPARE(fereastra.mesaje[1124], 1);
            QTRY_COMPARE(TKivMouseInWindowThread::Active(), 0);
        } else {
            QTest::qWait(300);
            QCOMPARE(fereastra.mesaje[1124], 0);
            cursor = colt - QPoint(5, 5);
            QTRY_COMPARE(fereastra.mesaje[1124], 1);
        }
        QTRY_COMPARE(TKivMouseInWindowThread::Active(), 0);
        QTest::qWait(250);
        QCOMPARE(fereastra.mesaje[1124], 1);
        QCOMPARE(fereastra.mesaje.size(), size_t(1));
    }

    void urmaresteFereastraMutata() {
        FereastraNumara fereastra;
        fereastra.setGeometry(300, 200, 200, 100);
        fereastra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fereastra));
        cursor = fereastra.mapToGlobal(QPoint(10, 10));
        new TKivMouseInWindowThread(&fereastra, 77);
        QTest::qWait(200);
        // The window follows the pointer: still inside, so still nothing.
        fereastra.move(fereastra.pos() + QPoint(400, 0));
        cursor += QPoint(400, 0);
        QTest::qWait(300);
        QCOMPARE(fereastra.mesaje[77], 0);
        cursor -= QPoint(400, 0);
        QTRY_COMPARE(fereastra.mesaje[77], 1);
    }

    void seOpresteCandFereastraDispare() {
        auto* fereastra = new FereastraNumara;
        fereastra->setGeometry(300, 200, 200, 100);
        fereastra->show();
        cursor = fereastra->mapToGlobal(QPoint(50, 50));
        for (int i = 0; i < 5; ++i)
            new TKivMouseInWindowThread(fereastra, 1124);
        QCOMPARE(TKivMouseInWindowThread::Active(), 5);
        QTest::qWait(150);
        delete fereastra;
        QTRY_COMPARE(TKivMouseInWindowThread::Active(), 0);
    }
};

QTEST_MAIN(TestUKivMouse)
#include "tst_UKivMouse.moc"
