#include "BazaTest.h"
#include "data/SalvareBaza.h"
#include "data/SalvariAutomate.h"
#include "platform/Eroare.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>
#include <csignal>

namespace SA = SalvariAutomate;

// Backups made by themselves, each checked by a test restore, kept by the rule and copied.
class TestSalvariAutomate : public QObject {
    Q_OBJECT

    static void adaugaElevi(BazaTest& b, int cati) {
        for (int id = 1; id <= cati; ++id)
            b.executa(QString("insert into ELEVI (ID_ELEVI) values (%1)").arg(id));
    }
    static SA::Setari setariIn(BazaTest& b) {
        SA::Setari s;
        s.dosar = b.mediu().cale("Salvari");
        return s;
    }

private slots:
    void initTestCase() { AsiguraProfilulInregistrat(); }

    void ziDatorata_data() {
        QTest::addColumn<QDate>("ultima");
        QTest::addColumn<bool>("activ");
        QTest::addColumn<bool>("datorata");
        const QDate azi(2026, 12, 10);
        QTest::newRow("niciodata") << QDate() << true << true;
        QTest::newRow("prima pornire azi") << azi.addDays(-1) << true << true;
        QTest::newRow("a doua pornire azi") << azi << true << false;
        QTest::newRow("zile lipsa") << azi.addDays(-5) << true << true;
        QTest::newRow("oprite") << azi.addDays(-1) << false << false;
    }
    void ziDatorata() {
        QFETCH(QDate, ultima);
        QFETCH(bool, activ);
        QFETCH(bool, datorata);
        SA::Setari s;
        s.ultimaSalvare = ultima;
        s.activ = activ;
        QCOMPARE(SA::EsteDatorata(s, QDate(2026, 12, 10)), datorata);
    }

    // A year of starts, some days missed, two backups on restore days: at the end the 14 most
    // recent days with backups keep all of theirs, and each of the 12 last months its first.
    void regulaDePastrarePeUnAn() {
        QList<QDateTime> pastrate;
        const QDate inceput(2026, 1, 1);
        for (QDate zi = inceput; zi <= QDate(2026, 12, 31); zi = zi.addDays(1)) {
            if (zi.dayOfWeek() == 7 || zi.day() == 1) continue; // Sundays and every 1st missed
            pastrate << QDateTime(zi, QTime(8, 0));
            if (zi.day() % 10 == 0) pastrate << QDateTime(zi, QTime(13, 30)); // before a restore
            for (const QDateTime& m : SA::DeSters(pastrate, 14, 12))
                pastrate.removeAll(m);
        }
        QSet<QDate> zile;
        for (const QDateTime& m : pastrate)
            zile.insert(m.date());
        QList<QDate> asteptate;
        for (int luna = 1; luna <= 12; ++luna)
            asteptate << QDate(2026, luna, QDate(2026, luna, 2).dayOfWeek() == 7 ? 3 : 2);
        for (QDate zi(2026, 12, 31); asteptate.size() < 12 + 14; zi = zi.addDays(-1))
            if (zi.dayOfWeek() != 7 && zi.day() != 1) asteptate << zi;
        QCOMPARE(QSet<QDate>(asteptate.begin(), asteptate.end()), zile);
        QCOMPARE(pastrate.count(QDateTime(QDate(2026, 12, 30), QTime(13, 30))), 1);
        QVERIFY(!pastrate.contains(QDateTime(QDate(2026, 11, 10), QTime(13, 30))));
    }

    // Made, checked, listed with its student count, restored; a second copy follows the folder
    // as it appears and disappears.
    void salvareCopieSiRestaurare() {
        BazaTest b;
        adaugaElevi(b, 3);
        SA::Setari s = setariIn(b);
        s.dosarCopie = b.mediu().cale("stick");
        const QDateTime luni(QDate(2026, 12, 7), QTime(9, 0));
        const SA::Salvare facuta = SA::Fa(SalvareBaza::Accesul(b.dm()), s, luni);
        QCOMPARE(facuta.elevi, 3);
        QVERIFY(!SA::Copiaza(s)); // the stick is not in
        QVERIFY(!SA::AvertismentCopie(s, luni.date()).isEmpty());

        QString motiv;
        QVERIFY(!SA::Copiaza(s, &motiv));
        QVERIFY2(motiv.contains("nu exista acum"), qPrintable(motiv));

        // The copy keeps the original's time: under another name it still tells when it was made.
        const QDateTime facutaLa(QDate(2026, 12, 2), QTime(9, 0));
        QFile original(facuta.fisier);
        QVERIFY(original.open(QIODevice::ReadWrite) &&
                original.setFileTime(facutaLa, QFileDevice::FileModificationTime));
        original.close();
        QVERIFY(QDir().mkpath(s.dosarCopie));
        QVERIFY(SA::Copiaza(s));
        const QString copia = QDir(s.dosarCopie).filePath(QFileInfo(facuta.fisier).fileName());
        QCOMPARE(QFileInfo(copia).lastModified(), facutaLa);
        QCOMPARE(SA::Momentul(copia), luni); // the name's time first
        const QString redenumita = b.mediu().cale("salvare-de-pe-stick.fbk");
        QVERIFY(QFile::copy(copia, redenumita));
        QFile f(redenumita);
        QVERIFY(f.open(QIODevice::ReadWrite) && f.setFileTime(facutaLa, QFileDevice::FileModificationTime));
        f.close();
        const SalvareBaza::Restaurare dinCopie = SalvareBaza::Pregateste(b.dm(), redenumita, {});
        SalvareBaza::Abandoneaza(dinCopie);
        QCOMPARE(dinCopie.dataSalvarii, facutaLa);
        s.ultimaCopie = luni;
        QVERIFY(SA::AvertismentCopie(s, luni.date().addDays(6)).isEmpty());
        QVERIFY(!SA::AvertismentCopie(s, luni.date().addDays(7)).isEmpty());
        s.copieLipsaAnuntata = luni.date().addDays(7);
        QVERIFY(SA::AvertismentCopie(s, luni.date().addDays(7)).isEmpty()); // once a day
        QCOMPARE(SA::Lista(s.dosarCopie).size(), 1);

        b.executa("delete from ELEVI where ID_ELEVI = 2");
        SA::Fa(SalvareBaza::Accesul(b.dm()), s, luni.addDays(1));
        QVERIFY(QDir(s.dosarCopie).removeRecursively());
        QVERIFY(!SA::Copiaza(s));
        QVERIFY(QDir().mkpath(s.dosarCopie));
        QVERIFY(SA::Copiaza(s));
        const QList<SA::Salvare> lista = SA::Lista(s.dosar);
        QCOMPARE(lista.size(), 2);
        QCOMPARE(lista[0].elevi, 2); // newest first
        QCOMPARE(lista[1].fisier, facuta.fisier);
        QCOMPARE(QDir(s.dosarCopie).entryList(QDir::Files), QDir(s.dosar).entryList(QDir::Files));

        const SalvareBaza::Restaurare r = SalvareBaza::Pregateste(b.dm(), lista[1].fisier, {});
        SalvareBaza::Inlocuieste(b.dm(), r);
        QCOMPARE(b.valoare("SELECT COUNT(*) FROM ELEVI").toInt(), 3);
    }

    // A backup that does not restore is renamed as failed, reported, and not listed.
    void salvareDeterioartaGasitaLaVerificare() {
        BazaTest b;
        adaugaElevi(b, 2);
        const SA::Setari s = setariIn(b);
        const QDateTime moment(QDate(2026, 12, 8), QTime(9, 0));
        const auto acces = SalvareBaza::Accesul(b.dm());
        QFile f(SA::ScrieNeverificata(acces, s, moment));
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.resize(f.size() / 2);
        f.close();
        try {
            SA::Verifica(acces, s, moment);
            QFAIL("the damaged backup passed its check");
        } catch (const Eroare& e) {
            QVERIFY2(e.text().contains("nu a trecut verificarea"), qPrintable(e.text()));
        }
        QCOMPARE(QDir(s.dosar).entryList(QDir::Files),
                 QStringList{"Vardolin-2026-12-08-090000-NEREUSITA.fbk"});
        QVERIFY(SA::Lista(s.dosar).isEmpty());
    }

    void verificareaBazei_data() {
        QTest::addColumn<bool>("deteriorata");
        QTest::newRow("sanatoasa") << false;
        QTest::newRow("deteriorata") << true;
    }
    // The check of a copy of the database: no errors, or damaged with the restore as the remedy.
    void verificareaBazei() {
        QFETCH(bool, deteriorata);
        BazaTest b;
        adaugaElevi(b, 50);
        const QString baza = b.dm().caleBazaDeDate();
        b.Opreste();
        const QString copie = b.mediu().cale("copie.fdb");
        QVERIFY(QFile::copy(baza, copie));
        if (deteriorata) {
            QFile f(copie);
            QVERIFY(f.open(QIODevice::ReadWrite));
            for (qint64 pagina = 4 * 4096; pagina < f.size(); pagina += 4096) {
                f.seek(pagina + 64);
                f.write(QByteArray(24, '\xAB'));
            }
        }
        const auto r = SalvareBaza::VerificaBaza({copie, "SYSDBA", "masterkey"}, {});
        QCOMPARE(r.faraErori, !deteriorata);
        QVERIFY2(r.text.contains(deteriorata ? "restaurati ultima salvare" : "nu are erori"),
                 qPrintable(r.text));
    }

    // Killed at random moments while backing up: the database keeps its students and every
    // listed backup is whole.
    void kill9InTimpulSalvarii() {
        BazaTest b;
        adaugaElevi(b, 4);
        const SA::Setari s = setariIn(b);
        const QString baza = b.dm().caleBazaDeDate();
        b.Opreste(); // the embedded engine lets one process at a time open the file
        for (int i = 0; i < 6; ++i) {
            QProcess copil;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("SALVARE_COPIL_BAZA", baza);
            env.insert("SALVARE_COPIL_DOSAR", s.dosar);
            copil.setProcessEnvironment(env);
            copil.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            copil.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(copil.waitForStarted());
            const pid_t pid = pid_t(copil.processId());
            QVERIFY2(!copil.waitForFinished(100 + QRandomGenerator::global()->bounded(900)),
                     qPrintable(
                         QStringLiteral("the child stopped by itself, exit code %1").arg(copil.exitCode())));
            QVERIFY(pid > 0);
            ::kill(pid, SIGKILL);
            copil.waitForFinished();
        }
        b.Porneste();
        QCOMPARE(b.valoare("SELECT COUNT(*) FROM ELEVI").toInt(), 4);
        for (const SA::Salvare& salvare : SA::Lista(s.dosar)) {
            const SalvareBaza::Restaurare r = SalvareBaza::Pregateste(b.dm(), salvare.fisier, {});
            QCOMPARE(r.elevi, 4);
            SalvareBaza::Abandoneaza(r);
        }
    }
};

// The child of the kill test: automatic backups one after another until killed.
static int copilCareSalveaza() {
    SA::Setari s;
    s.dosar = qEnvironmentVariable("SALVARE_COPIL_DOSAR");
    const FbServicii::Acces acces{qEnvironmentVariable("SALVARE_COPIL_BAZA"), "SYSDBA", "masterkey"};
    try {
        for (QDateTime moment(QDate(2026, 1, 1), QTime(0, 0));; moment = moment.addDays(1))
            SA::Fa(acces, s, moment);
    } catch (const Eroare& e) {
        qCritical("%s", qPrintable(e.text()));
        return 2;
    }
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("SALVARE_COPIL_BAZA")) return copilCareSalveaza();
    TestSalvariAutomate t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_SalvariAutomate.moc"
