#include "SetariDeProba.h"
#include "data/UProfilDiploma.h"
#include "data/UProfilVardolin.h"
#include "data/UTabele.h"
#include "platform/Eroare.h"

#include <QSet>
#include <QtTest>

class TestUProfilDiploma : public QObject {
    Q_OBJECT

private slots:
    void desparteCheie_data() {
        QTest::addColumn<QString>("cheie");
        QTest::addColumn<QStringList>("coduri");
        QTest::newRow("complet") << "Vardolin.FATA.C_CNP" << QStringList({"Vardolin", "FATA", "C_CNP"});
        QTest::newRow("doua parti") << "A.B" << QStringList({"A", "B", ""});
        QTest::newRow("patru parti") << "A.B.C.D" << QStringList({"A", "B", "C"});
        QTest::newRow("gol") << "" << QStringList({"", "", ""});
        QTest::newRow("blancuri pastrate") << " A . B.C " << QStringList({" A ", " B", "C "});
    }
    void desparteCheie() {
        QFETCH(QString, cheie);
        QFETCH(QStringList, coduri);
        const CheieCamp c = DesparteCheie(cheie);
        QCOMPARE(QStringList({c.formular, c.pagina, c.camp}), coduri);
    }

    void separaCuvinte() {
        QCOMPARE(SeparaCuvinte("Vardolin.FATA.C_ABREVIERE"), "Vardolin.FATA.C_ABREVIERE");
        QCOMPARE(SeparaCuvinte("ElevScoala"), "Elev Scoala");
        QCOMPARE(SeparaCuvinte("abcŞĂ"), "abc ŞĂ");
    }

    void profilulCertificatului() {
        TListaLiniiProfilVardolin p;
        QCOMPARE(p.count(), 120);
        QSet<QString> chei;
        int elevi = 0, scoala = 0;
        for (const auto& l : p.linii()) {
            QCOMPARE(l.COD_FORMULAR, "Vardolin");
            QCOMPARE(l.VIZIBIL, "DA");
            chei.insert(l.COD_FORMULAR + "." + l.COD_PAGINA + "." + l.COD_CAMP);
            if (l.SIMILAR_CU.isEmpty()) (l.ASOCIAT_CU == "ELEVI" ? elevi : scoala)++;
        }
        QCOMPARE(chei.size(), 120);
        QCOMPARE(elevi, 36);
        QCOMPARE(scoala, 28);
        // Every link names a line, and following links ends within two steps.
        QHash<QString, QString> legaturi;
        for (const auto& l : p.linii())
            if (!l.SIMILAR_CU.isEmpty())
                legaturi.insert(l.COD_FORMULAR + "." + l.COD_PAGINA + "." + l.COD_CAMP, l.SIMILAR_CU);
        for (auto it = legaturi.begin(); it != legaturi.end(); ++it) {
            QVERIFY2(chei.contains(it.value()), qPrintable(it.value()));
            QString cheie = it.value();
            int pasi = 1;
            while (legaturi.contains(cheie))
                cheie = legaturi.value(cheie), ++pasi;
            QVERIFY(pasi <= 2);
        }
        QCOMPARE(legaturi.value("Vardolin.SPATE.C_ANUL"), "Vardolin.SPATE.D_ANUL");
        QCOMPARE(legaturi.value("Vardolin.FATA.D_UNITATEA_SCOLARA_3_L1"),
                 "Vardolin.FATA.C_SCOALA_ORGANIZATOARE_L1");
        QCOMPARE(legaturi.value("Vardolin.SPATE.C_SECRETAR_COMISIE"), "Vardolin.SPATE.D_SECRETAR_COMISIE");

        const auto& competenta = p.linii()[80];
        QCOMPARE(competenta.COD_CAMP, "D_COMPETENTA_PROFESIONALA_L20");
        QCOMPARE(competenta.ORDINE, 81);
        QCOMPARE(competenta.COD_LINIE, "L25");
        QCOMPARE(competenta.ETICHETA_EDITOR, "[Vardolin]Competenta profesionala 20{certificat}");
        QCOMPARE(p.linii()[98].COD_LINIE, "L40");
        QCOMPARE(p.linii()[98].SIMILAR_CU, "Vardolin.SPATE.D_COMPETENTA_PROFESIONALA_L1");
    }

    void expresiileLipsaSuntErori() {
        ProfilFaraExpresii p;
        try {
            p.ListaCampuriElev();
            QFAIL("fara eroare");
        } catch (const Eroare& e) {
            QCOMPARE(e.text(), "Nu ai definit TProfilDeProba.ListaCampuriElev; Lista trebuie sa fie de tipul "
                               "\"{FORMULAR.PAG.CAMP} {FORMULAR.PAG.CAMP}\"");
        }
        QVERIFY_THROWS_EXCEPTION(Eroare, p.ListaCampuriGeneric());
        QCOMPARE(TClasaProfilVardolin().NumeBazaDeDate(), "Vardolin2006");
    }

    void aDouaInregistrareEsteEroare() {
        AnuleazaInregistrareaProfilului();
        InregistreazaProfil(std::make_unique<TClasaProfilVardolin>());
        try {
            InregistreazaProfil(std::make_unique<ProfilFaraExpresii>());
            QFAIL("fara eroare");
        } catch (const Eroare& e) {
            QCOMPARE(e.text(), "Am inregistrat deja un profil de diploma: TListaLiniiProfilVardolin");
        }
        QCOMPARE(ProfilInregistrat()->NumeClasa(), "TListaLiniiProfilVardolin");
        AnuleazaInregistrareaProfilului();
    }
};

QTEST_GUILESS_MAIN(TestUProfilDiploma)
#include "tst_UProfilDiploma.moc"
