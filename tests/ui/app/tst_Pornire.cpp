#include "BazaTest.h"
#include "ServerFirebird.h"
#include "app/Pornire.h"
#include "app/USetariBazaDeDate.h"
#include "data/SetariConexiune.h"
#include "platform/StocSetari.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <csignal>

// The program's start-up against a real private server: what a secretary sees when a setting is
// wrong, and the end of the program on SIGTERM.
class TestPornire : public QObject {
    Q_OBJECT

    std::unique_ptr<ServerFirebird> server;

    // Connections of other programs to the database.
    int alteConexiuni(BazaTest& b) {
        return b
            .valoare("SELECT COUNT(*) FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID <> CURRENT_CONNECTION "
                     "AND MON$SYSTEM_FLAG = 0")
            .toInt();
    }

private slots:
    void initTestCase() {
        server = std::make_unique<ServerFirebird>();
        QVERIFY2(server->pornit(), qPrintable(server->eroare()));
        AsiguraProfilulInregistrat();
        server->copieSablon("V.FDB");
    }
    void cleanupTestCase() { server.reset(); }

    // A wrong setting: the explained message, then the settings window, where the right one is
    // written and the start goes on; nothing is made on this computer.
    void setareGresita_data() {
        QTest::addColumn<QString>("baza");
        QTest::addColumn<QString>("parola");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("parola") << server->nume("V.FDB") << "gresita"
                                << "parola";
        QTest::newRow("server oprit")
            << "127.0.0.1/1:" + server->cale("V.FDB") << ServerFirebird::parola << "nu raspunde";
        QTest::newRow("cale") << server->nume("alta/V.FDB") << ServerFirebird::parola
                              << "nu poate fi deschisa";
    }
    void setareGresita() {
        QFETCH(QString, baza);
        QFETCH(QString, parola);
        QFETCH(QString, mesaj);
        MediuTest mediu;
        ScrieSetariConexiune({baza, ServerFirebird::utilizator, parola, {}});
        auto& d = mediu.dialoguri();
        d.raspunsuri = {true};
        d.ferestre.push_back([&](QDialog& f) {
            auto& setari = dynamic_cast<TSetariBazaDeDate&>(f);
            [&] { QVERIFY(setari.RbServer->isChecked()); }();
            [&] { QCOMPARE(setari.EdServer->text(), baza); }();
            setari.EdServer->setText(server->nume("V.FDB"));
            setari.EdParola->setText(ServerFirebird::parola);
            setari.BtnOk->click();
            return setari.result();
        });
        TDM::seteazaEcranePornire(nullptr);
        TDM dm;
        QVERIFY(PornesteBazaDeDate(dm));
        QCOMPARE(d.texte("eroare").size(), 1);
        QVERIFY2(d.texte("eroare").front().contains(mesaj), qPrintable(d.texte("eroare").front()));
        QCOMPARE(dm.caleBazaDeDate(), server->nume("V.FDB"));
        QCOMPARE(CitesteSetariConexiune().parola, QString(ServerFirebird::parola));
        QVERIFY(!QDir(mediu.dosar()).exists("DB"));
        QVERIFY(!QDir().exists("127.0.0.1"));
    }

    // "Nu" closes the program: the start is not continued.
    void renuntareInchideProgramul() {
        MediuTest mediu;
        ScrieSetariConexiune({server->nume("V.FDB"), ServerFirebird::utilizator, "gresita", {}});
        TDM::seteazaEcranePornire(nullptr);
        TDM dm;
        QVERIFY(!PornesteBazaDeDate(dm));
        QCOMPARE(mediu.dialoguri().texte("intrebare").size(), 1);
        QVERIFY(!dm.Db.conectata());
    }

    // "Utilizator propriu pe server...": given SYSDBA's password the window creates the program's
    // user; from then on the settings name that user, and SYSDBA's password is in no setting.
    void utilizatorPropriu() {
        MediuTest mediu;
        qputenv("VARDOLIN_FARA_KEYRING", "1");
        const QString baza = server->copieSablon("PROPRIU.FDB");
        ScrieSetariConexiune({baza, ServerFirebird::utilizator, ServerFirebird::parola, {}});
        TSetariBazaDeDate setari;
        QVERIFY(setari.BtnUtilizatorPropriu->isVisibleTo(&setari));
        mediu.dialoguri().ferestre.push_back([](QDialog& f) {
            f.findChild<QLineEdit*>("EdParolaSysdba")->setText(ServerFirebird::parola);
            f.findChild<QLineEdit*>("EdNumeNou")->setText("secretariat");
            f.findChild<QLineEdit*>("EdParolaNoua")->setText("parolaSecretariat1");
            return int(QDialog::Accepted);
        });
        setari.BtnUtilizatorPropriu->click();
        QCOMPARE(mediu.dialoguri().texte("eroare"), QStringList());
        QCOMPARE(mediu.dialoguri().texte("mesaj").size(), 1);
        QCOMPARE(setari.EdUtilizator->text(), QString("SECRETARIAT"));
        QVERIFY(!setari.BtnUtilizatorPropriu->isVisibleTo(&setari));
        const SetariConexiune s = CitesteSetariConexiune();
        QCOMPARE(s.utilizator, QString("SECRETARIAT"));
        QCOMPARE(s.parola, QString("parolaSecretariat1"));
        IncearcaConexiunea(s);
        QFile fisier(StocSetari::fisier());
        QVERIFY(fisier.open(QIODevice::ReadOnly));
        QVERIFY(!fisier.readAll().contains(ServerFirebird::parola));
        qunsetenv("VARDOLIN_FARA_KEYRING");
    }

    // SIGTERM ends the running program at once, with exit code 0, and the database stays whole.
    void semnalDeOprire_data() {
        QTest::addColumn<int>("semnal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void semnalDeOprire() {
        QFETCH(int, semnal);
        MediuTest mediu;
        qputenv("VARDOLIN_DATABASE", server->nume("V.FDB").toUtf8());
        qputenv("VARDOLIN_DB_USER", ServerFirebird::utilizator);
        qputenv("VARDOLIN_DB_PASSWORD", ServerFirebird::parola);
        BazaTest b;
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VARDOLIN_SETTINGS", mediu.cale("setari.ini"));
        program.setProcessEnvironment(env);
        program.start(QDir(MediuTest::dosarProgram()).filePath("vardolin"), {});
        QVERIFY(program.waitForStarted());
        // The splash comes first; the program is up once it holds its connection and its list.
        QTRY_VERIFY_WITH_TIMEOUT(alteConexiuni(b) == 1, 30000);
        QTest::qWait(1500);
        QCOMPARE(program.state(), QProcess::Running);
        ::kill(pid_t(program.processId()), semnal);
        QVERIFY(program.waitForFinished(3000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(alteConexiuni(b), 0);
        QCOMPARE(b.valoare("SELECT VERSIUNE FROM CONFID_DB").toInt(), 6);
        qunsetenv("VARDOLIN_DATABASE");
    }
};

QTEST_MAIN(TestPornire)
#include "tst_Pornire.moc"
