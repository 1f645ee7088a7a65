#include "BazaTest.h"
#include "data/UProfilDiploma.h"
#include "data/UValoareCamp.h"
#include "import/AnularePreluare.h"
#include "import/CitireFoaie.h"
#include "import/PreluareExcel.h"
#include "platform/Eroare.h"
#include "platform/FoaieDeCalcul.h"

#include <QtTest>

namespace {

// Valid codes: a boy, a girl, and one that fails the check digit.
const QString Baiat = QStringLiteral("1900101123453");
const QString Fata = QStringLiteral("2900101123457");
const QString Eronat = QStringLiteral("1900101123450");

// Sheet rows under a header: name, CNP, class.
TListaColoaneExcel lista(const QList<QStringList>& randuri) {
    FoaieDeCalcul f;
    const QStringList antet{"Nume", "CNP", "Clasa"};
    for (int c = 0; c < antet.size(); ++c)
        f.puneCelula(0, c, antet[c]);
    for (int r = 0; r < randuri.size(); ++r)
        for (int c = 0; c < randuri[r].size(); ++c)
            f.puneCelula(r + 1, c, randuri[r][c]);
    f.termina();
    TListaColoaneExcel l;
    CitesteFoaia(f, l);
    return l;
}

TCampPreluat camp(int mod, const QString& coloana = {}, const QString& constanta = {}) {
    TCampPreluat c;
    c.Mod = mod;
    c.Coloana = coloana;
    c.Constanta = constanta;
    c.TextFete = "fata";
    c.TextBaieti = "baiat";
    return c;
}

} // namespace

class TestPreluareExcel : public QObject {
    Q_OBJECT
    std::unique_ptr<BazaTest> b;

    // The profile's fields: the first name, the surname and the class from the sheet, the article
    // from the CNP; everything else left alone.
    std::vector<TCampPreluat> campuri() {
        auto campuri = CampuriDePreluat();
        for (TCampPreluat& c : campuri) {
            const QString cod = DesparteCheie(c.Cheie).camp;
            c.NuImport = true;
            if (cod == "C_NUME_L1") c = camp(mgPrimaParte, "A"), c.Cheie = "Vardolin.FATA.C_NUME_L1";
            if (cod == "C_NUME_L2") c = camp(mgADouaParte, "A"), c.Cheie = "Vardolin.FATA.C_NUME_L2";
            if (cod == "D_NUME") c = camp(mgDinColoana, "C"), c.Cheie = "Vardolin.FATA.D_NUME";
            if (cod == "C_ARTICOL") c = camp(mgDinCnp), c.Cheie = "Vardolin.FATA.C_ARTICOL";
        }
        return campuri;
    }
    TRezumatPreluare importa(const QList<QStringList>& randuri) {
        return TPreluareExcel().Executa(lista(randuri), "B", campuri());
    }
    QString text(const QString& camp, int id) {
        return b
            ->valoare(QString("select VALOARE_TEXT from \"DATE\" where ID_ELEVI = %1 and COD_CAMP = '%2'")
                          .arg(id)
                          .arg(camp))
            .toString();
    }
    int elevi() { return b->valoare("select count(*) from ELEVI").toInt(); }
    int idDupaCnp(const QString& cnp) {
        return b
            ->valoare(
                QString("select min(ID_ELEVI) from \"DATE\" where COD_CAMP = 'C_CNP' and VALOARE_TEXT = '%1'")
                    .arg(cnp))
            .toInt();
    }

private slots:
    void initTestCase() { b = std::make_unique<BazaTest>(); }
    void cleanupTestCase() { b.reset(); }
    void init() {
        b->executa("delete from ELEVI");
        b->executa("delete from SCOALA");
        b->executa("delete from \"DATE\"");
        b->executa("insert into SCOALA (ID_SCOALA) values (7)");
    }

    // Every student with every value row: what an undo must give back exactly.
    QStringList elevii() {
        QStringList r;
        for (const QVariant& v : b->coloana(
                 "select e.ID_ELEVI || ';' || coalesce(d.COD_FORMULAR || '.' || d.COD_PAGINA || '.' || "
                 "d.COD_CAMP || '=' || d.VALOARE_TEXT || ';' || coalesce(d.IDF_SCOALA, '-'), '-') from "
                 "ELEVI e left join \"DATE\" d on d.ID_ELEVI = e.ID_ELEVI order by 1"))
            r << v.toString();
        return r;
    }

    void valoareaCampului_data() {
        QTest::addColumn<int>("mod");
        QTest::addColumn<QString>("celula");
        QTest::addColumn<QString>("cnp");
        QTest::addColumn<QString>("asteptat");
        QTest::newRow("coloana") << int(mgDinColoana) << "Pop  Ion Dan" << Baiat << "Pop  Ion Dan";
        QTest::newRow("prima parte, mai multe blancuri")
            << int(mgPrimaParte) << " Pop   Ion Dan" << Baiat << "Pop";
        QTest::newRow("a doua parte, mai multe blancuri")
            << int(mgADouaParte) << "Pop   Ion  Dan " << Baiat << "Ion  Dan";
        QTest::newRow("un cuvant, prima parte") << int(mgPrimaParte) << "Pop" << Baiat << "Pop";
        QTest::newRow("un cuvant, a doua parte") << int(mgADouaParte) << "Pop" << Baiat << "";
        QTest::newRow("constanta ca atare") << int(mgConstanta) << "x" << Baiat << " const ";
        QTest::newRow("CNP 1") << int(mgDinCnp) << "" << Baiat << "baiat";
        QTest::newRow("CNP 2") << int(mgDinCnp) << "" << Fata << "fata";
        QTest::newRow("CNP 5, baiat nascut dupa 2000") << int(mgDinCnp) << ""
                                                       << "5" + Baiat.mid(1) << "baiat";
        QTest::newRow("CNP 6") << int(mgDinCnp) << ""
                               << "6" + Baiat.mid(1) << "fata";
    }
    void valoareaCampului() {
        QFETCH(int, mod);
        QFETCH(QString, celula);
        QFETCH(QString, cnp);
        QFETCH(QString, asteptat);
        FoaieDeCalcul f;
        f.puneCelula(1, 0, celula); // row 2: the column scan samples the even rows
        f.puneCelula(1, 1, cnp);
        f.termina();
        TListaColoaneExcel l;
        CitesteFoaia(f, l);
        // the reading trims the cell; the split trims its parts
        QCOMPARE(*ValoareaCampului(camp(mod, "A", " const "), l, 0, cnp), asteptat);
    }

    void elevNouPrimesteToateRandurile() {
        const auto r = importa({{"Pop Ion", Baiat, "a XII-a"}});
        QCOMPARE(r.Adaugati, 1);
        const int id = idDupaCnp(Baiat);
        QVERIFY(id > 0);
        QCOMPARE(
            b->valoare(QString("select count(*) from \"DATE\" d join PROFIL_DIPLOMA p on p.COD_FORMULAR = "
                               "d.COD_FORMULAR and p.COD_PAGINA = d.COD_PAGINA and p.COD_CAMP = d.COD_CAMP "
                               "where d.ID_ELEVI = %1 and p.ASOCIAT_CU = 'ELEVI'")
                           .arg(id)),
            b->valoare("select count(*) from PROFIL_DIPLOMA where ASOCIAT_CU = 'ELEVI'"));
        QCOMPARE(text("C_NUME_L1", id), "Pop");
        QCOMPARE(text("C_NUME_L2", id), "Ion");
        QCOMPARE(text("D_NUME", id), "a XII-a");
        QCOMPARE(text("C_ARTICOL", id), "baiat");
        // the school links: the school's values reach the certificate through them
        QVERIFY(b->valoare(
                     QString("select count(*) from \"DATE\" where ID_ELEVI = %1 and IDF_SCOALA = 7").arg(id))
                    .toInt() > 0);
        b->executa("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, "
                   "ID_SCOALA) values ('Vardolin', 'FATA', 'C_NIVEL_INVATAMANT', 'liceal', 0, 7)");
        QCOMPARE(ValoareCamp("Vardolin", "FATA", "C_NIVEL_INVATAMANT", id), "liceal");
    }

    void reimportulNuCreeazaPeNimeni() {
        importa({{"Pop Ion", Baiat, "X"}, {"Rus Ana", Fata, "Y"}});
        b->executa("update \"DATE\" set VALOARE_TEXT = 'pastrat' where COD_CAMP = 'D_ABREVIERE'");
        const auto r =
            importa({{"Pop Ion", Baiat, ""}, {"Rus Ana", Fata, "Z"}, {"Rus Ana Maria", Fata, "W"}});
        QCOMPARE(elevi(), 2);
        QCOMPARE(r.Adaugati, 0);
        QCOMPARE(r.Actualizati, 3);
        QCOMPARE(text("D_NUME", idDupaCnp(Baiat)), ""); // an empty cell overwrites
        QCOMPARE(text("D_NUME", idDupaCnp(Fata)), "W"); // the sheet's last row of the code wins
        QCOMPARE(text("C_NUME_L2", idDupaCnp(Fata)), "Ana Maria");
        QCOMPARE(text("D_ABREVIERE", idDupaCnp(Fata)), "pastrat"); // an unticked field keeps its value
    }

    void cnpInAltaColoanaEsteSarit() {
        const auto r =
            importa({{"Pop Ion", "", Baiat}, {"Rus Ana", "290010112345", Fata}, {"Dan", Fata, "x"}});
        QCOMPARE(elevi(), 1);
        QCOMPARE(r.Sarite.size(), size_t(2));
        QCOMPARE(r.Sarite[0].RandFoaie, 2);
        QCOMPARE(r.Sarite[1].RandFoaie, 3);
        QVERIFY(r.Text().contains("randurile 2-3: coloana CNP nu contine un cod de 13 cifre"));
        QVERIFY(r.Text().contains(
            "Randuri fara niciun cod de 13 cifre, neluate in seama (titluri, antete, note): 1"));
    }

    void cnpEronatEstePreluatSiSemnalat() {
        const auto r = importa({{"Pop Ion", Eronat, "x"}});
        QCOMPARE(r.Adaugati, 1);
        QVERIFY(r.Text().contains("randul 2: CNP-ul " + Eronat + " nu trece verificarea"));
    }

    void randLipsaEsteAdaugat() {
        importa({{"Pop Ion", Baiat, "X"}});
        const int id = idDupaCnp(Baiat);
        b->executa(QString("delete from \"DATE\" where ID_ELEVI = %1 and COD_CAMP = 'D_NUME'").arg(id));
        importa({{"Pop Ion", Baiat, "Y"}});
        QCOMPARE(text("D_NUME", id), "Y");
    }

    void cnpDublatInBazaIaIdulCelMaiMic() {
        for (int id : {9, 4})
            b->executa(QString("insert into ELEVI (ID_ELEVI) values (%1)").arg(id)),
                b->executa(QString("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, "
                                   "VALOARE_NUM, ID_ELEVI) values ('Vardolin', 'FATA', 'C_CNP', '%1', 0, %2)")
                               .arg(Baiat)
                               .arg(id));
        importa({{"Pop Ion", Baiat, "X"}});
        QCOMPARE(text("D_NUME", 4), "X");
        QCOMPARE(text("D_NUME", 9), "");
    }

    void randRefuzatSeAnuleazaSingur() {
        b->executa("create exception E_REFUZ 'Randul este refuzat'");
        b->executa(
            "create trigger T_REFUZ for \"DATE\" before update as begin if (new.VALOARE_TEXT = 'REFUZ') "
            "then exception E_REFUZ; end");
        const auto r =
            importa({{"Pop Ion", Baiat, "X"}, {"Rus Ana", Fata, "REFUZ"}, {"Dan Ion", Eronat, "Y"}});
        b->executa("drop trigger T_REFUZ");
        b->executa("drop exception E_REFUZ");
        QCOMPARE(elevi(), 1);
        QCOMPARE(r.Adaugati, 1);
        QCOMPARE(r.OpritLa, std::optional<int>(3));
        QVERIFY(r.Eroare.contains("Randul este refuzat"));
        QCOMPARE(
            b->valoare(QString("select count(*) from \"DATE\" where VALOARE_TEXT = '%1'").arg(Fata)).toInt(),
            0);
        QVERIFY(r.Text().startsWith("Preluarea s-a intrerupt la randul 3"));
    }

    // What the summary owes the secretary: mistyped codes apart from the titles, cut texts, and
    // one line per reason with its rows as ranges.
    void rezumatulSemnaleaza() {
        const auto r = importa({{"Lista absolventilor"},
                                {"Pop Ion", "190010112345", "X"},
                                {"Rus Ana", "", "Y"},
                                {"Dan Ion", Baiat, QString(300, 'x')},
                                {"Fara Cod", "lipsa", Fata},
                                {"Tot Fara", "lipsa", Eronat}});
        const QString rezumat = r.Text();
        QVERIFY2(rezumat.contains("Randuri cu CNP gresit, nepreluate (corectati-le si reluati preluarea): 2\n"
                                  "  randul 3: in coloana B scrie \"190010112345\"; Pop Ion X\n"
                                  "  randul 4: in coloana B scrie \"\"; Rus Ana Y"),
                 qPrintable(rezumat));
        QVERIFY(
            rezumat.contains("Texte prea lungi, taiate: 1\n  randul 5: campul \"\" are 300 caractere; s-au "
                             "pastrat primele 256"));
        QVERIFY(rezumat.contains(
            "Randuri sarite: 2\n  randurile 6-7: coloana CNP nu contine un cod de 13 cifre"));
        QVERIFY(rezumat.endsWith("neluate in seama (titluri, antete, note): 1-2"));
        QCOMPARE(int(text("D_NUME", idDupaCnp(Baiat)).size()), 256);
    }

    void opritaDupaPrimulRand() {
        TPreluareExcel p;
        p.Progres = [](int i, int) { return i < 1; };
        const auto r = p.Executa(lista({{"A B", Baiat, "x"}, {"C D", Fata, "y"}}), "B", campuri());
        QCOMPARE(elevi(), 1);
        QVERIFY(r.Oprita);
        QCOMPARE(r.OpritLa, std::optional<int>(3));
    }

    // The import undone gives back the students and values as they were: into an empty database,
    // and onto stored students (a value row missing before, a code twice in the sheet).
    void anulareaRefaceElevii_data() {
        QTest::addColumn<QList<QStringList>>("inainte");
        QTest::addColumn<QList<QStringList>>("anulate");
        QTest::newRow("baza goala") << QList<QStringList>{}
                                    << QList<QStringList>{{"Pop Ion", Baiat, "X"}, {"Rus Ana", Fata, "Y"}};
        QTest::newRow("elevi existenti")
            << QList<QStringList>{{"Pop Ion", Baiat, "X"}, {"Rus Ana", Fata, "Y"}}
            << QList<QStringList>{{"Popa Ion", Baiat, "Z"},
                                  {"Dan Ion", Eronat, "V"},
                                  {"Dan Ioan", Eronat, "W"},
                                  {"Rus Ana", Fata, "Y2"},
                                  {"Rus Anca", Fata, "Y3"}};
    }
    void anulareaRefaceElevii() {
        QFETCH(QList<QStringList>, inainte);
        QFETCH(QList<QStringList>, anulate);
        if (!inainte.isEmpty()) {
            importa(inainte);
            b->executa(QString("delete from \"DATE\" where COD_CAMP = 'D_NUME' and ID_ELEVI = %1")
                           .arg(idDupaCnp(Baiat)));
        }
        const QStringList vechi = elevii();
        const auto r = importa(anulate);
        QVERIFY(elevii() != vechi);
        const auto ultima = UltimaPreluare();
        QVERIFY(ultima && ultima->Id == r.IdJurnal);
        QCOMPARE(ultima->Adaugati, r.Adaugati);
        const TAnularePreluare plan = PlanificaAnularea(*ultima);
        const TAnularePreluare facut = AnuleazaPreluarea(ultima->Id);
        QCOMPARE(elevii(), vechi);
        QCOMPARE(facut.DeSters.size(), plan.DeSters.size());
        QCOMPARE(int(facut.DeSters.size()), inainte.isEmpty() ? 2 : 1);
        QCOMPARE(facut.DeRepus.size(), plan.DeRepus.size());
        QVERIFY(facut.Lasate.isEmpty());
        QVERIFY_THROWS_EXCEPTION(Eroare, AnuleazaPreluarea(ultima->Id));
        QVERIFY(!UltimaPreluare() || UltimaPreluare()->Id != ultima->Id);
    }

    // What changed after the import stays, and the summary lists it: a value edited since, a
    // created student edited since, a created student the register names.
    void anulareaLasaCeSaSchimbatDupa() {
        importa({{"Pop Ion", Baiat, "X"}});
        const auto r = importa({{"Popa Ion", Baiat, "Z"}, {"Rus Ana", Fata, "Y"}, {"Dan Ion", Eronat, "V"}});
        b->executa(
            QString(
                "update \"DATE\" set VALOARE_TEXT = 'de mana' where COD_CAMP = 'D_NUME' and ID_ELEVI = %1")
                .arg(idDupaCnp(Baiat)));
        b->executa(
            QString(
                "update \"DATE\" set VALOARE_TEXT = 'Rusu' where COD_CAMP = 'C_NUME_L1' and ID_ELEVI = %1")
                .arg(idDupaCnp(Fata)));
        b->executa("insert into FORMULARE_PRIMITE (ID_PRIMIRE, SERIA, DE_LA, PANA_LA, DATA_PRIMIRII) values "
                   "(900, 'T', 1, 1, '2026-06-01')");
        b->executa("insert into FORMULARE (SERIA, NUMARUL, ID_PRIMIRE) values ('T', 1, 900)");
        b->executa(
            QString("insert into REGISTRU (ID_REGISTRU, AN, NR_INREGISTRARE, DATA_TIPARIRII, ID_ELEV, "
                    "SERIA, NUMARUL, STAREA) values (900, 2026, 900, '2026-06-02', %1, 'T', 1, 'tiparit')")
                .arg(idDupaCnp(Eronat)));
        const TAnularePreluare a = AnuleazaPreluarea(*r.IdJurnal);
        QCOMPARE(elevi(), 3);
        QCOMPARE(text("C_NUME_L1", idDupaCnp(Baiat)), "Pop");
        QCOMPARE(text("D_NUME", idDupaCnp(Baiat)), "de mana");
        QCOMPARE(a.DeRepus.size(), size_t(1));
        const QString t = a.Text();
        for (const QString& rand :
             {QString("Elevi stersi: 0\nValori puse la loc: 1\n"
                      "Lasate neschimbate (modificate dupa preluare sau trecute in registru): 3"),
              QString("  elevul cu CNP %1: adaugat de preluare, dar modificat dupa ea; ramane").arg(Fata),
              QString("  elevul cu CNP %1: este trecut in registrul actelor de studii; ramane").arg(Eronat),
              QString("  elevul cu CNP %1, campul \"").arg(Baiat),
              QString("\": acum \"de mana\", preluarea scrisese \"Z\"; ramane")})
            QVERIFY2(t.contains(rand), qPrintable(t));
    }

    void esecuriInainteDeScriere_data() {
        QTest::addColumn<QString>("coloana");
        QTest::addColumn<bool>("faraCnpInProfil");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("coloana CNP necunoscuta") << "Q" << false
                                                 << "Coloana Q aleasa pentru CNP nu exista in aceasta "
                                                    "foaie (foaia are coloanele A-B). Alegeti "
                                                    "alta coloana.";
        QTest::newRow("coloana unui camp necunoscuta")
            << "B" << false << "Coloana Z aleasa pentru campul \"\" nu exista in aceasta foaie";
        QTest::newRow("fara CNP in profil") << "B" << true << "NU exista CNP in profil diploma!";
    }
    void esecuriInainteDeScriere() {
        QFETCH(QString, coloana);
        QFETCH(bool, faraCnpInProfil);
        QFETCH(QString, mesaj);
        if (faraCnpInProfil)
            b->executa("update PROFIL_DIPLOMA set TIP_DE_DATE = 'TEXT' where TIP_DE_DATE = 'CNP'");
        QString primit;
        auto c = campuri();
        if (QTest::currentDataTag() == QString("coloana unui camp necunoscuta")) c.front() = camp(0, "Z");
        try {
            TPreluareExcel().Executa(lista({{"Pop Ion", Baiat}}), coloana, c);
        } catch (const Eroare& e) {
            primit = e.text();
        }
        if (faraCnpInProfil) SincronizeazaProfil();
        QVERIFY2(primit.startsWith(mesaj), qPrintable(primit));
        QCOMPARE(elevi(), 0);
    }
};

QTEST_GUILESS_MAIN(TestPreluareExcel)
#include "tst_PreluareExcel.moc"
