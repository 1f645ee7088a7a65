#include "BazaTest.h"
#include "ServerFirebird.h"
#include "data/SalvareBaza.h"
#include "platform/Eroare.h"

#include <QDir>
#include <QtTest>

// Backup and restore with Firebird's own service, embedded and through a real private server.
class TestSalvareBaza : public QObject {
    Q_OBJECT

    std::unique_ptr<ServerFirebird> server;

    static void adaugaElev(BazaTest& b, int id, const QString& nume) {
        b.executa(QString("insert into ELEVI (ID_ELEVI) values (%1)").arg(id));
        b.executa(QString("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, VALOARE_TEXT, "
                          "VALOARE_NUM) values ('Vardolin', 'FATA', 'C_NUME_L1', %1, '%2', 0)")
                      .arg(id)
                      .arg(nume));
    }
    static QStringList continut(BazaTest& b) {
        QStringList r;
        for (const auto& v :
             b.coloana("SELECT ID_ELEVI || ':' || VALOARE_TEXT FROM \"DATE\" WHERE ID_ELEVI IS "
                       "NOT NULL ORDER BY ID_ELEVI"))
            r << v.toString();
        for (const auto& v :
             b.coloana("SELECT COD_CAMP || ETICHETA_EDITOR || TIP_DE_DATE FROM PROFIL_DIPLOMA "
                       "ORDER BY COD_PAGINA, COD_CAMP"))
            r << v.toString();
        return r;
    }
    // The database's own folder, as this computer sees it.
    static QDir dosarulBazei(BazaTest& b) {
        const QString baza = b.dm().caleBazaDeDate();
        return QFileInfo(baza.mid(baza.indexOf(":/") + 1)).dir();
    }

private slots:
    void initTestCase() {
        server = std::make_unique<ServerFirebird>();
        QVERIFY2(server->pornit(), qPrintable(server->eroare()));
        AsiguraProfilulInregistrat();
    }
    void cleanupTestCase() { server.reset(); }
    void cleanup() { qunsetenv("VARDOLIN_DATABASE"); }

    void calatorieDusIntors_data() {
        QTest::addColumn<bool>("peServer");
        QTest::newRow("incorporat") << false;
        QTest::newRow("server") << true;
    }
    // Students, values and profile come back as they were; the replaced file is kept.
    void calatorieDusIntors() {
        QFETCH(bool, peServer);
        if (peServer) {
            qputenv("VARDOLIN_DATABASE", server->copieSablon("dusintors.fdb").toUtf8());
            qputenv("VARDOLIN_DB_USER", ServerFirebird::utilizator);
            qputenv("VARDOLIN_DB_PASSWORD", ServerFirebird::parola);
        }
        BazaTest b;
        adaugaElev(b, 1, "Popescu Ion");
        adaugaElev(b, 2, "Ionescu Ana");
        const QStringList inainte = continut(b);
        const QString salvare = (peServer ? server->cale("s.fbk") : b.mediu().cale("s.fbk"));
        QStringList linii;
        SalvareBaza::Salveaza(b.dm(), salvare, [&](const QString& l) { linii << l; });
        QVERIFY(QFile::exists(salvare));
        QVERIFY(!linii.isEmpty());

        adaugaElev(b, 3, "Dupa salvare");
        b.executa("UPDATE \"DATE\" SET VALOARE_TEXT = 'schimbat' WHERE ID_ELEVI = 1");
        const SalvareBaza::Restaurare r = SalvareBaza::Pregateste(b.dm(), salvare, {});
        QCOMPARE(r.elevi, 2);
        QCOMPARE(b.valoare("SELECT COUNT(*) FROM ELEVI").toInt(), 3); // nothing replaced yet
        const QString vechi = SalvareBaza::Inlocuieste(b.dm(), r);

        QCOMPARE(continut(b), inainte);
        QVERIFY(vechi.contains("-inainte-de-restaurare-"));
        QVERIFY(QFile::exists(vechi));
        QCOMPARE(dosarulBazei(b).entryList({"*-restaurata-*"}), QStringList());
        b.Reporneste();
        QCOMPARE(continut(b), inainte);
    }

    // A damaged backup is refused and nothing is replaced or left behind, also when the program
    // was started from a terminal (the engine asks its input for the rest of the file).
    void salvareDeteriorata() {
        const IntrareTacuta terminal;
        BazaTest b;
        adaugaElev(b, 1, "Popescu Ion");
        const QString salvare = b.mediu().cale("s.fbk");
        SalvareBaza::Salveaza(b.dm(), salvare, {});
        QFile f(salvare);
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.resize(f.size() / 2);
        f.close();
        const QStringList fisiere = dosarulBazei(b).entryList(QDir::Files);
        QVERIFY_THROWS_EXCEPTION(Eroare, SalvareBaza::Pregateste(b.dm(), salvare, {}));
        QCOMPARE(dosarulBazei(b).entryList(QDir::Files), fisiere);
        QCOMPARE(b.valoare("SELECT COUNT(*) FROM ELEVI").toInt(), 1);
    }

    void fisierePeAcestCalculator_data() {
        QTest::addColumn<QString>("baza");
        QTest::addColumn<bool>("aici");
        QTest::newRow("fisier") << "/home/V.FDB" << true;
        QTest::newRow("localhost/port") << "localhost/3051:/srv/V.FDB" << true;
        QTest::newRow("inet 127.0.0.1") << "inet://127.0.0.1:3051//srv/V.FDB" << true;
        QTest::newRow("alt calculator") << "secretariat:/srv/V.FDB" << false;
        QTest::newRow("alt calculator inet") << "inet://secretariat//srv/V.FDB" << false;
    }
    void fisierePeAcestCalculator() {
        QFETCH(QString, baza);
        QFETCH(bool, aici);
        QCOMPARE(SalvareBaza::FisiereleSuntPeAcestCalculator(baza), aici);
    }
};

QTEST_MAIN(TestSalvareBaza)
#include "tst_SalvareBaza.moc"
