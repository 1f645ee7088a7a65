#include "MediuTest.h"
#include "app/UErrCodePage.h"
#include "app/USplashForm.h"
#include "app/UVardolinMain.h"
#include "platform/Ecran.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

class EcranFix : public SursaEcran {
public:
    EcranFix(std::vector<Monitor> m, QPoint mouse) : monitoare_(std::move(m)), mouse_(mouse) {}
    QPoint pozitieMouse() const override { return mouse_; }
    std::vector<Monitor> monitoare() const override { return monitoare_; }

private:
    std::vector<Monitor> monitoare_;
    QPoint mouse_;
};

void unMonitor(QRect geometrie, QRect zonaLucru, QPoint mouse = {5, 5}) {
    seteazaSursaEcran(std::make_unique<EcranFix>(std::vector<Monitor>{{geometrie, zonaLucru}}, mouse));
}

} // namespace

class TestUVardolinMain : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        seteazaSursaEcran(nullptr);
        seteazaPaginaDeCodActiva(nullptr);
    }

    void centrare_data() {
        QTest::addColumn<int>("latime");
        QTest::addColumn<QRect>("zona");
        QTest::addColumn<QPoint>("asteptat");
        QTest::newRow("300 pe 1024") << 300 << QRect(0, 0, 1024, 768) << QPoint(362, 234);
        QTest::newRow("mai lata decat zona") << 1200 << QRect(0, 0, 1024, 768) << QPoint(0, 234);
        QTest::newRow("zona deplasata") << 300 << QRect(100, 30, 1024, 768) << QPoint(462, 264);
        QTest::newRow("jumatate trunchiata") << 301 << QRect(0, 0, 1024, 768) << QPoint(361, 234);
    }
    void centrare() {
        QFETCH(int, latime);
        QFETCH(QRect, zona);
        QFETCH(QPoint, asteptat);
        QCOMPARE(PozitieCentrata(QSize(latime, 300), zona), asteptat);
    }

    void monitorulDeSubMouse() {
        const Monitor stanga{QRect(0, 0, 1280, 1024), QRect(0, 0, 1280, 994)};
        const Monitor dreapta{QRect(1280, 0, 1920, 1200), QRect(1280, 0, 1920, 1170)};
        seteazaSursaEcran(
            std::make_unique<EcranFix>(std::vector<Monitor>{stanga, dreapta}, QPoint(1500, 10)));
        QCOMPARE(MonitorulMouseului().geometrie, dreapta.geometrie);
        seteazaSursaEcran(std::make_unique<EcranFix>(std::vector<Monitor>{stanga, dreapta}, QPoint(-50, 10)));
        QCOMPARE(MonitorulMouseului().geometrie, stanga.geometrie);
    }

    void fereastraPrincipalaPeMonitorMic() {
        unMonitor(QRect(0, 0, 1280, 1024), QRect(0, 0, 1280, 994));
        TVardolineMain w;
        QCOMPARE(w.geometry(), QRect(15, 15, 1250, 964));
        QVERIFY(w.windowState() & Qt::WindowMaximized);
    }

    void fereastraPrincipalaPeMonitorDe1200() {
        unMonitor(QRect(0, 0, 1920, 1200), QRect(0, 0, 1920, 1170));
        TVardolineMain w;
        QCOMPARE(w.size(), QSize(869, 623));
        QVERIFY(!(w.windowState() & Qt::WindowMaximized));
        QCOMPARE(w.pos(), QPoint((1920 - 869) / 2, (1170 - 623) / 2));
    }

    void numarulDeEleviInTitlu_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "0 elevi";
        QTest::newRow("1") << 1 << "1 elev";
        QTest::newRow("19") << 19 << "19 elevi";
        QTest::newRow("20") << 20 << "20 de elevi";
        QTest::newRow("101") << 101 << "101 elevi";
        QTest::newRow("1000") << 1000 << "1000 de elevi";
    }
    void numarulDeEleviInTitlu() {
        QFETCH(int, n);
        QFETCH(QString, text);
        QCOMPARE(NumarDeElevi(n), text);
    }

    void meniulComplet() {
        TVardolineMain w;
        QCOMPARE(w.windowTitle(), "VardolineMain");
        QStringList meniuri;
        for (QAction* a : w.menuBar()->actions())
            meniuri << a->text();
        QCOMPARE(meniuri, QStringList({"Configurare", "Configurare imprimanta", "Registru", "Ajutor"}));
        QStringList elemente;
        for (QAction* a : w.Configurare1->actions())
            elemente << (a->isSeparator() ? "-" : a->text());
        QCOMPARE(
            elemente,
            QStringList({"Configurare diploma", "Configurare scoala", "Format note", "-", "Import din Excel",
                         "Anuleaza ultima preluare...", "-", "Baza de date...", "Salvare baza de date...",
                         "Restaurare din salvare...", "Salvari automate...", "Verifica baza de date..."}));
        QVERIFY(w.findChild<QAction*>("Despreaplicatie1"));
        QVERIFY(w.findChild<QAction*>("Configurareimprimanta2"));
    }

    void ecranePornire_data() {
        QTest::addColumn<int>("paginaDeCod");
        QTest::addColumn<QStringList>("ferestre");
        QTest::newRow("1250") << 1250 << QStringList({"TSplashForm"});
        QTest::newRow("utf-8") << 65001 << QStringList({"TSplashForm"});
        QTest::newRow("1252") << 1252 << QStringList({"TErrCodePage", "TSplashForm"});
    }
    void ecranePornire() {
        QFETCH(int, paginaDeCod);
        QFETCH(QStringList, ferestre);
        seteazaPaginaDeCodActiva([=] { return paginaDeCod; });
        MediuTest mediu;
        QStringList aratate;
        QString eticheta;
        const auto inregistreaza = [&](QDialog& d) {
            aratate << d.metaObject()->className();
            if (auto* s = qobject_cast<TSplashForm*>(&d)) eticheta = s->Label1->text();
            return int(QDialog::Accepted);
        };
        mediu.dialoguri().ferestre = {inregistreaza, inregistreaza};
        AfiseazaSplash("Comun");
        QCOMPARE(aratate, ferestre);
        QVERIFY(eticheta.startsWith("Comun - "));
        QCOMPARE(eticheta.count('.'), 3);
    }

    void splashulSeInchideSinguraLaAl51leaTic() {
        TSplashForm splash;
        splash.show();
        QTest::keyClick(&splash, Qt::Key_Escape);
        splash.close();
        QVERIFY(splash.isVisible());
        for (int i = 0; i < 50; ++i)
            splash.Timer1Timer();
        QVERIFY(splash.isVisible());
        splash.Timer1Timer();
        QVERIFY(!splash.isVisible());
        QCOMPARE(splash.result(), int(QDialog::Accepted));
        QCOMPARE(splash.Timer1->interval(), 100);
        QCOMPARE(splash.size(), QSize(480, 248));
    }

    void paginaDeCodNuBlocheaza() {
        MediuTest mediu;
        TErrCodePage pagina;
        QCOMPARE(pagina.windowTitle(), "Eroare de limba implicita");
        int lansari = 0;
        TErrCodePage::seteazaLansator([&](const QString&, const QStringList&) { return ++lansari, true; });
        pagina.RzBitBtn1->click(); // with or without a settings program, no error
        TErrCodePage::seteazaLansator(nullptr);
        QVERIFY(mediu.dialoguri().mesaje.empty());
        QVERIFY(lansari <= 1);
        pagina.show();
        pagina.RzBitBtn2->click();
        QVERIFY(!pagina.isVisible());
    }
};

QTEST_MAIN(TestUVardolinMain)
#include "tst_UVardolinMain.moc"
