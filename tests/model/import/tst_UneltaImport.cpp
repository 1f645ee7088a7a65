#include "BazaTest.h"

#include <QProcess>
#include <QtTest>

// The command-line import, run as an administrator would, on the database of the data folder.
class TestUneltaImport : public QObject {
    Q_OBJECT
    std::unique_ptr<BazaTest> b;

    QString scrie(const QString& nume, const QByteArray& continut) {
        const QString cale = b->mediu().cale(nume);
        QFile f(cale);
        f.open(QIODevice::WriteOnly);
        f.write(continut);
        return cale;
    }
    // Runs the tool with the database closed (the embedded engine holds the file).
    int ruleaza(const QStringList& argumente, QString& iesire) {
        b->Opreste();
        QProcess p;
        p.start(MediuTest::dosarProgram() + "/vardolin-import", argumente);
        p.waitForFinished(120000);
        iesire = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        b->Porneste();
        return p.exitCode();
    }

private slots:
    void initTestCase() { b = std::make_unique<BazaTest>(); }
    void cleanupTestCase() { b.reset(); }

    void preiaDupaHarta() {
        const QString foaie =
            scrie("elevi.csv", "Nume;CNP;Clasa\nPop Ion;1900101123453;XII A\nRus Ana;;XII B\n");
        const QString harta =
            scrie("harta.ini", "; numele din coloana A\n[Vardolin.FATA.C_NUME_L1]\nmode=3\n"
                               "column=A\n[Vardolin.FATA.C_ARTICOL]\nmode=1\nconstant=\" cel \"\n"
                               "[Vardolin.FATA.D_NUME]\nmode=0\ncolumn=C\nskip=true\n");
        QString iesire;
        QCOMPARE(ruleaza({foaie, "--sheet", "elevi", "--cnp", "B", "--map", harta}, iesire), 0);
        QVERIFY2(iesire.contains("Elevi adaugati: 1\nElevi actualizati: 0\nRanduri sarite: 0"),
                 qPrintable(iesire));
        QCOMPARE(b->coloana("select VALOARE_TEXT from \"DATE\" where COD_CAMP in ('C_NUME_L1', 'C_ARTICOL', "
                            "'D_NUME') order by COD_CAMP"),
                 QVariantList({" cel ", "Pop", ""}));
    }

    void esecuri_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("foaie lipsa") << QStringList{"--sheet", "Nu"} << "Foaia Nu nu exista";
        QTest::newRow("camp necunoscut")
            << QStringList{"--map", "rea.ini"} << "Campul Vardolin.FATA.NU din harta";
        QTest::newRow("fara comanda") << QStringList{"--ceva"} << "Comanda nu este recunoscuta";
        QTest::newRow("coloana CNP lipsa")
            << QStringList{"--cnp", "Q"} << "Coloana Q aleasa pentru CNP nu exista in aceasta foaie";
    }
    void esecuri() {
        QFETCH(QStringList, argumente);
        QFETCH(QString, mesaj);
        scrie("rea.ini", "[Vardolin.FATA.NU]\nmode=1\n");
        QStringList toate{scrie("e.csv", "Nume;CNP\nPop;1900101123453\n"),
                          "--sheet",
                          "e",
                          "--cnp",
                          "B",
                          "--map",
                          scrie("h.ini", "")};
        for (int i = 0; i + 1 < argumente.size(); i += 2)
            toate[toate.indexOf(argumente[i]) + 1] =
                argumente[i + 1].endsWith(".ini") ? b->mediu().cale(argumente[i + 1]) : argumente[i + 1];
        if (argumente.size() == 1) toate << argumente;
        QString iesire;
        QCOMPARE(ruleaza(toate, iesire), 1);
        QVERIFY2(iesire.contains(mesaj), qPrintable(iesire));
    }
};

QTEST_GUILESS_MAIN(TestUneltaImport)
#include "tst_UneltaImport.moc"
