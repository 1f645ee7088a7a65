#include "BazaTest.h"
#include "app/Pornire.h"
#include "data/SalvareBaza.h"
#include "data/SalvariAutomate.h"
#include "platform/BazaDeteriorata.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

// A database damaged where the start reads it. The engine of this test's process stops working
// after its consistency check, as the program's does: the whole file is this one case.
class TestBazaDeteriorata : public QObject {
    Q_OBJECT

    // The students of the data folder's database as a new process reads them.
    static int eleviCititiDeAltProces(MediuTest& mediu) {
        const QString csv = mediu.cale("elevi.csv");
        QProcess p;
        QProcessEnvironment mediuProces = QProcessEnvironment::systemEnvironment();
        mediuProces.insert("VARDOLIN_SETTINGS", mediu.cale("setari.ini"));
        p.setProcessEnvironment(mediuProces);
        p.start(QCoreApplication::applicationDirPath() + "/vardolin-export",
                {"--out", csv, "--fields", "Vardolin.FATA.C_CNP"});
        if (!p.waitForFinished(60000) || p.exitCode() != 0) {
            qWarning() << p.readAllStandardError();
            return -1;
        }
        QFile f(csv);
        if (!f.open(QIODevice::ReadOnly)) return -1;
        return int(f.readAll().count('\n')) - 1; // a line each, empty ones too
    }

private slots:
    void initTestCase() { AsiguraProfilulInregistrat(); }

    // Said once in Romanian, without the connection settings; the last automatic backup comes
    // back through a new process, and the damaged file is kept beside it.
    void restaurareLaPornire() {
        BazaTest b;
        auto& d = b.mediu().dialoguri();
        for (int id = 1; id <= 3; ++id)
            b.executa(QString("insert into ELEVI (ID_ELEVI) values (%1)").arg(id));
        const SalvariAutomate::Setari s = SalvariAutomate::Citeste();
        SalvariAutomate::Fa(SalvareBaza::Accesul(b.dm()), s, QDateTime::currentDateTime());
        b.executa("insert into ELEVI (ID_ELEVI) values (4)");
        const QString baza = b.dm().caleBazaDeDate();
        b.Opreste();
        {
            // The trial's way: bytes overwritten in the middle of every page past the header.
            QFile f(baza);
            QVERIFY(f.open(QIODevice::ReadWrite));
            for (qint64 pagina = 4 * 4096; pagina < f.size(); pagina += 4096) {
                f.seek(pagina + 64);
                f.write(QByteArray(24, '\xAB'));
            }
        }
        const qint64 marimeDeteriorata = QFileInfo(baza).size();

        d.raspunsuri = {true, true};
        d.ferestre.push_back([](QDialog& f) {
            auto* butoane = f.findChild<QDialogButtonBox*>();
            if (!butoane) return int(QDialog::Rejected);
            butoane->button(QDialogButtonBox::Ok)->click();
            return f.result();
        });
        // The program's own start, on a data module of its own; left to the process's end like the
        // program's, since the engine after its consistency check is not asked to detach again.
        TDM& dm = *new TDM;
        QVERIFY(!PornesteBazaDeDate(dm));
        QVERIFY2(BazaGasitaDeteriorata(), qPrintable((d.texte("eroare") + d.texte("intrebare")).join('\n')));
        const QStringList intrebari = d.texte("intrebare");
        QCOMPARE(intrebari.size(), 2);
        QVERIFY2(intrebari[0].startsWith("Baza de date este deteriorata"), qPrintable(intrebari[0]));
        QVERIFY(!intrebari[0].contains("modificati setarile"));
        QVERIFY2(intrebari[1].contains("contine 3 elevi"), qPrintable(intrebari[1]));
        QVERIFY2(d.texte("eroare").isEmpty(), qPrintable(d.texte("eroare").join('\n')));
        QVERIFY(d.texte("mesaj").back().contains("Porniti-l din nou"));

        const QStringList pastrate = QFileInfo(baza).dir().entryList({"*-inainte-de-restaurare-*.FDB"});
        QCOMPARE(pastrate.size(), 1);
        QCOMPARE(QFileInfo(QFileInfo(baza).dir().filePath(pastrate[0])).size(), marimeDeteriorata);
        QCOMPARE(eleviCititiDeAltProces(b.mediu()), 3);
    }
};

QTEST_MAIN(TestBazaDeteriorata)
#include "tst_BazaDeteriorata.moc"
