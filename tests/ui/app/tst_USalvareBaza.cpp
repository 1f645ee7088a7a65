#include "BazaTest.h"
#include "ServerFirebird.h"
#include "app/USalvareBaza.h"
#include "app/USalvariAutomate.h"
#include "app/UVardolinMain.h"
#include "data/SetariConexiune.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

// The menu's backup and restore as a secretary goes through them.
class TestUSalvareBaza : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { AsiguraProfilulInregistrat(); }

    // Saying "Nu" at the confirmation leaves the database and its folder as they were; "Da"
    // brings the backup back and names the kept file.
    void restaurareConfirmata() {
        BazaTest b;
        auto& d = b.mediu().dialoguri();
        b.executa("insert into ELEVI (ID_ELEVI) values (1)");
        const QString salvare = b.mediu().cale("salvare");
        d.fisiere = {salvare};
        SalveazaBazaDeDate(nullptr, b.dm());
        QVERIFY(QFile::exists(salvare + ".fbk"));
        b.executa("insert into ELEVI (ID_ELEVI) values (2)");

        const QDir dosar = QFileInfo(b.dm().caleBazaDeDate()).dir();
        const QStringList fisiere = dosar.entryList(QDir::Files);
        d.fisiere = {salvare + ".fbk"};
        d.raspunsuri = {false};
        QVERIFY(!RestaureazaBazaDeDate(nullptr, b.dm()));
        QVERIFY2(d.texte("intrebare").back().contains("contine 1 elev."),
                 qPrintable(d.texte("intrebare").back()));
        QVERIFY(d.texte("intrebare").back().contains("(2 elevi)"));
        QCOMPARE(dosar.entryList(QDir::Files), fisiere);
        QCOMPARE(b.valoare("SELECT COUNT(*) FROM ELEVI").toInt(), 2);

        d.fisiere = {salvare + ".fbk"};
        d.raspunsuri = {true};
        QVERIFY(RestaureazaBazaDeDate(nullptr, b.dm()));
        QCOMPARE(b.valoare("SELECT COUNT(*) FROM ELEVI").toInt(), 1);
        QCOMPARE(dosar.entryList({"*-inainte-de-restaurare-*.FDB"}).size(), 1);
        QVERIFY(d.texte("mesaj").back().contains("-inainte-de-restaurare-"));
    }

    // The settings window: "Salveaza acum" makes a checked backup in the folder typed and copies
    // it to the second folder; a folder that cannot be made is refused and nothing is kept;
    // Ok keeps every choice.
    void fereastraSalvariAutomate() {
        BazaTest b;
        auto& d = b.mediu().dialoguri();
        b.executa("insert into ELEVI (ID_ELEVI) values (1)");
        const QString dosar = b.mediu().cale("salvari"), copie = b.mediu().cale("stick");
        QDir().mkpath(copie);
        TSalvariAutomate f(nullptr, b.dm());
        f.EdDosar->setText(QDir::toNativeSeparators(dosar));
        f.EdDosarCopie->setText(copie);
        f.SpinZilnice->setValue(3);
        f.SpinLunare->setValue(2);
        f.findChild<QPushButton*>("BtnSalveazaAcum")->click();
        QCOMPARE(SalvariAutomate::Lista(dosar).size(), 1);
        QCOMPARE(SalvariAutomate::Lista(dosar).first().elevi, 1);
        QCOMPARE(QDir(copie).entryList({"*.fbk"}).size(), 1);
        QVERIFY2(f.LblUltima->text().contains("1 elev"), qPrintable(f.LblUltima->text()));
        QVERIFY(d.texte("mesaj").back().contains(QDir::toNativeSeparators(dosar)));

        QFile ocupat(b.mediu().cale("fisier"));
        QVERIFY(ocupat.open(QIODevice::WriteOnly));
        f.EdDosar->setText(ocupat.fileName() + "/salvari");
        f.ChkActiv->setChecked(false);
        f.accept();
        QCOMPARE(f.result(), int(QDialog::Rejected));
        QVERIFY(d.texte("eroare").back().contains("nu poate fi creat"));
        QVERIFY(SalvariAutomate::Citeste().activ);

        f.EdDosar->setText(dosar);
        f.accept();
        const SalvariAutomate::Setari s = SalvariAutomate::Citeste();
        QCOMPARE(std::tuple(s.activ, s.dosar, s.dosarCopie, s.zilnice, s.lunare),
                 std::tuple(false, dosar, copie, 3, 2));
    }

    // "Salveaza acum" uses what is typed without storing it (Renunt keeps the settings) and says
    // why the second copy was not made; a file as second folder is refused; "..." picks a folder.
    void salveazaAcumFaraSaStocheze() {
        BazaTest b;
        auto& d = b.mediu().dialoguri();
        const QString dosar = b.mediu().cale("salvari"), lipsa = b.mediu().cale("stick-scos");
        TSalvariAutomate f(nullptr, b.dm());
        d.fisiere = {dosar};
        f.findChild<QToolButton*>("EdDosarAlege")->click();
        QCOMPARE(f.EdDosar->text(), QDir::toNativeSeparators(dosar));
        f.EdDosarCopie->setText(lipsa);
        f.findChild<QPushButton*>("BtnSalveazaAcum")->click();
        QCOMPARE(SalvariAutomate::Lista(dosar).size(), 1);
        QVERIFY2(
            d.texte("avertisment").back().contains("NU a fost facuta. Dosarul " + lipsa + " nu exista acum"),
            qPrintable(d.texte("avertisment").back()));

        QFile fisier(b.mediu().cale("elevi.csv"));
        QVERIFY(fisier.open(QIODevice::WriteOnly));
        f.EdDosarCopie->setText(fisier.fileName());
        f.findChild<QPushButton*>("BtnSalveazaAcum")->click();
        QVERIFY(d.texte("eroare").back().contains("este un fisier, nu un dosar"));
        QCOMPARE(SalvariAutomate::Lista(dosar).size(), 1);
        f.accept();
        QCOMPARE(f.result(), int(QDialog::Rejected));

        f.reject();
        const SalvariAutomate::Setari s = SalvariAutomate::Citeste();
        QCOMPARE(std::tuple(s.dosar, s.dosarCopie, s.ultimaSalvare),
                 std::tuple(QString(), QString(), QDate::currentDate()));
    }

    // Closing during the day's first backup: the program waits for it, records it and copies it.
    void inchidereInTimpulSalvarii() {
        BazaTest b;
        SalvariAutomate::Setari s = SalvariAutomate::Citeste();
        s.dosarCopie = b.mediu().cale("stick");
        QVERIFY(QDir().mkpath(s.dosarCopie));
        SalvariAutomate::Scrie(s);
        {
            QWidget fereastra;
            TSalvareZilnica zilnica(&fereastra);
            QVERIFY(zilnica.PornesteDacaEDatorata(b.dm()));
        }
        QCOMPARE(SalvariAutomate::Citeste().ultimaSalvare, QDate::currentDate());
        QCOMPARE(SalvariAutomate::Lista(s.dosarCopie).size(), 1);
    }

    // Two backups in the same minute show their seconds; the others minutes only.
    void listaCuSecunde() {
        MediuTest m;
        const QDate zi(2026, 12, 3);
        QStringList randuri;
        m.dialoguri().ferestre.push_back([&](QDialog& f) {
            auto* lista = f.findChild<QListWidget*>("LstSalvari");
            for (int i = 0; i < lista->count(); ++i)
                randuri << lista->item(i)->text();
            return int(QDialog::Rejected);
        });
        AlegeSalvarea(nullptr, {{"c", QDateTime(zi, QTime(10, 0, 7)), 5},
                                {"b", QDateTime(zi, QTime(9, 0, 40)), 5},
                                {"a", QDateTime(zi, QTime(9, 0, 5)), 5}});
        QCOMPARE(randuri, QStringList({"03.12.2026 10:00  -  5 elevi", "03.12.2026 09:00:40  -  5 elevi",
                                       "03.12.2026 09:00:05  -  5 elevi"}));
    }

    // The automatic backups are offered newest first with their student count; the chosen one
    // comes back, and the database it replaced was backed up first.
    void restaurareDinSalvareAutomata() {
        BazaTest b;
        auto& d = b.mediu().dialoguri();
        b.executa("insert into ELEVI (ID_ELEVI) values (1)");
        SalvareAutomataAcum(nullptr, b.dm());
        b.executa("insert into ELEVI (ID_ELEVI) values (2)");
        QStringList randuri;
        d.ferestre.push_back([&](QDialog& f) {
            auto* lista = f.findChild<QListWidget*>("LstSalvari");
            for (int i = 0; i < lista->count(); ++i)
                randuri << lista->item(i)->text();
            f.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            return f.result();
        });
        d.raspunsuri = {true};
        QVERIFY(RestaureazaBazaDeDate(nullptr, b.dm()));
        QCOMPARE(randuri.size(), 1);
        QVERIFY2(randuri[0].endsWith("  -  1 elev"), qPrintable(randuri[0]));
        QCOMPARE(b.valoare("SELECT COUNT(*) FROM ELEVI").toInt(), 1);
        const auto salvari = SalvariAutomate::Lista(SalvariAutomate::Dosar(SalvariAutomate::Citeste()));
        QCOMPARE(salvari.size(), 2);
        QCOMPARE(salvari[0].elevi, 2);
    }

    // Through a server the backups are written by the server into its folder named in the
    // connection settings, the month's first and then the day's; the window says where, and the
    // restore dialog offers what this computer recorded.
    void salvariPeServer() {
        ServerFirebird server;
        QVERIFY2(server.pornit(), qPrintable(server.eroare()));
        qputenv("VARDOLIN_DATABASE", server.copieSablon("SCOALA.FDB").toUtf8());
        qputenv("VARDOLIN_DB_USER", ServerFirebird::utilizator);
        qputenv("VARDOLIN_DB_PASSWORD", ServerFirebird::parola);
        qputenv("VARDOLIN_FARA_KEYRING", "1");
        BazaTest b;
        auto& d = b.mediu().dialoguri();
        b.executa("insert into ELEVI (ID_ELEVI) values (1)");
        const QString dosar = server.cale("salvari");
        SetariConexiune c;
        c.dosarSalvari = dosar;
        ScrieSetariConexiune(c);

        TSalvariAutomate f(nullptr, b.dm());
        QCOMPARE(f.EdDosar->text(), dosar);
        QVERIFY(f.EdDosar->isReadOnly() && !f.EdDosarCopie->isEnabled());
        QVERIFY2(f.LblPeServer->text().contains("serverul 127.0.0.1/"), qPrintable(f.LblPeServer->text()));
        // The folder is made by the server's administrator: until then, the message says so.
        f.findChild<QPushButton*>("BtnSalveazaAcum")->click();
        QCOMPARE(d.texte("eroare").size(), 1);
        QVERIFY2(d.texte("eroare")[0].contains("Dosarul trebuie sa existe pe server"),
                 qPrintable(d.texte("eroare")[0]));
        d.mesaje.clear();
        QDir().mkpath(dosar);
        f.findChild<QPushButton*>("BtnSalveazaAcum")->click();
        f.findChild<QPushButton*>("BtnSalveazaAcum")->click();
        QCOMPARE(d.texte("eroare"), QStringList());
        const QString luna =
            QString("Vardolin-luna-%1.fbk").arg(QDate::currentDate().month(), 2, 10, QChar('0'));
        QVERIFY2(d.texte("mesaj").front().endsWith(dosar + "/" + luna), qPrintable(d.texte("mesaj").front()));
        // The month's and the day's backups; the test restores are gone.
        const QStringList fisiere = QDir(dosar).entryList(QDir::Files);
        QCOMPARE(fisiere.size(), 2);
        QVERIFY(fisiere.contains(luna));
        const auto salvari = SalvariAutomate::ListaPeServer(b.dm().caleBazaDeDate());
        QCOMPARE(salvari.size(), 2);
        QCOMPARE(salvari[0].elevi, 1);
        QVERIFY2(f.LblUltima->text().contains("(1 elev)"), qPrintable(f.LblUltima->text()));

        int randuri = 0;
        d.ferestre.push_back([&](QDialog& alege) {
            randuri = alege.findChild<QListWidget*>("LstSalvari")->count();
            return int(QDialog::Rejected);
        });
        QVERIFY(!RestaureazaBazaDeDate(nullptr, b.dm()));
        QCOMPARE(randuri, 2);
        for (const char* v :
             {"VARDOLIN_DATABASE", "VARDOLIN_DB_USER", "VARDOLIN_DB_PASSWORD", "VARDOLIN_FARA_KEYRING"})
            qunsetenv(v);
    }

    // After a restore from the menu the main window's title counts the restored students.
    void titlulDupaRestaurare() {
        BazaTest b;
        auto& d = b.mediu().dialoguri();
        b.executa("insert into ELEVI (ID_ELEVI) values (1)");
        d.fisiere = {b.mediu().cale("salvare")};
        SalveazaBazaDeDate(nullptr, b.dm());
        b.executa("insert into ELEVI (ID_ELEVI) values (2)");
        TVardolineMain w;
        QVERIFY2(w.windowTitle().contains(" - 2 elevi - "), qPrintable(w.windowTitle()));
        d.fisiere = {b.mediu().cale("salvare.fbk")};
        d.raspunsuri = {true};
        w.RestaurareBaza1Click();
        QVERIFY2(w.windowTitle().contains(" - 1 elev - "), qPrintable(w.windowTitle()));
    }
};

QTEST_MAIN(TestUSalvareBaza)
#include "tst_USalvareBaza.moc"
