#include "BazaTest.h"
#include "SetariDeProba.h"
#include "data/UDm.h"
#include "data/UProfilDiploma.h"
#include "data/UProfilVardolin.h"
#include "data/UTabele.h"
#include "import/JurnalPreluari.h"
#include "platform/Cai.h"
#include "platform/Eroare.h"
#include "platform/StocSetari.h"
#include "register/Registru.h"
#include "register/SchemaRegistru.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

namespace {

QStringList texte(const QVariantList& valori) {
    QStringList r;
    for (const auto& v : valori)
        r << v.toString();
    return r;
}

// A list with one more entity table than the certificate's.
class ListaCuProfesori : public TListaLiniiTabel {
public:
    ListaCuProfesori() {
        AdaugaTabel("ELEVI", "");
        AdaugaTabel("SCOALA", "");
        AdaugaTabel("PROFESOR", "");
    }
};

// Makes a template at the given schema version in its own folder, as an older release shipped.
QString sablonLaVersiunea(const QString& dosar, int versiune) {
    QDir().mkpath(dosar);
    const QString cale = QDir(dosar).filePath("BLANK.FDB");
    QFile::copy(QDir(MediuTest::dosarProgram()).filePath("BLANK.FDB"), cale);
    QFile::setPermissions(cale, QFile::ReadOwner | QFile::WriteOwner);
    FbConexiune db;
    db.seteazaNumeBazaDeDate(cale);
    db.parametri() << "USER_NAME=sysdba"
                   << "password=plumbarte";
    db.conecteaza();
    FbTranzactie t(db);
    FbInterogare q(db, t);
    const auto ruleaza = [&](const QString& sql) {
        t.start();
        q.seteazaSql(sql);
        q.executa();
        t.commit();
    };
    if (versiune >= 2)
        ruleaza("ALTER TABLE PROFIL_DIPLOMA ADD LATIME_SUGERATA INTEGER, ADD COD_LINIE VARCHAR(32)");
    if (versiune >= 3) ruleaza("ALTER TABLE PROFIL_DIPLOMA ADD ORDINE INTEGER");
    const auto ruleazaToate = [&](const QStringList& instructiuni) {
        t.start();
        for (const QString& sql : instructiuni) {
            q.seteazaSql(sql);
            q.executa();
        }
        t.commit();
    };
    if (versiune >= 4) {
        ruleazaToate(instructiuniSchemaRegistru());
        ruleazaToate(
            {"INSERT INTO FORMULARE_PRIMITE (ID_PRIMIRE, SERIA, DE_LA, PANA_LA, DATA_PRIMIRII) VALUES "
             "(1, 'S', 1, 5, '2026-01-01')",
             "INSERT INTO FORMULARE (SERIA, NUMARUL, ID_PRIMIRE) VALUES ('S', 1, 1)",
             "INSERT INTO FORMULARE (SERIA, NUMARUL, ID_PRIMIRE) VALUES ('S', 2, 1)",
             "INSERT INTO REGISTRU (ID_REGISTRU, AN, NR_INREGISTRARE, DATA_TIPARIRII, NUME, SERIA, "
             "NUMARUL, STAREA) VALUES (1, 2026, 1, '2026-01-02', 'Pastrat', 'S', 1, 'tiparit')",
             "INSERT INTO REGISTRU (ID_REGISTRU, AN, NR_INREGISTRARE, DATA_TIPARIRII, SERIA, NUMARUL, "
             "STAREA, MOTIV_ANULARE) VALUES (2, 2026, 2, '2026-01-02', 'S', 2, 'anulat', 'rupt')",
             "SET GENERATOR G_ID_PRIMIRE TO 1", "SET GENERATOR G_ID_REGISTRU TO 2"});
    }
    if (versiune >= 5) ruleazaToate(instructiuniSchemaJurnal());
    ruleaza(QString("UPDATE CONFID_DB SET VERSIUNE=%1").arg(versiune));
    ruleaza("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM) values "
            "('Vardolin', 'FATA', 'C_NUME_L1', 'Pastrat', 0)");
    return cale;
}

} // namespace

class TestUDm : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { AsiguraProfilulInregistrat(); }

    void primaPornireCreeazaBazaDinSablon() {
        BazaTest b;
        const QString cale = b.mediu().cale("DB/Vardolin2006.FDB");
        QVERIFY(QFile::exists(cale));
        QCOMPARE(b.dm().caleBazaDeDate(), cale);
        QCOMPARE(b.valoare("SELECT VERSIUNE FROM CONFID_DB").toInt(), 6);

        QCOMPARE(b.valoare("select count(*) from RDB$RELATIONS where RDB$RELATION_NAME in ('ELEVI','SCOALA')")
                     .toInt(),
                 2);
        QCOMPARE(
            texte(b.coloana("select trim(RDB$CONSTRAINT_NAME) from RDB$RELATION_CONSTRAINTS where "
                            "RDB$CONSTRAINT_NAME in ('PK_ELEVI','PK_SCOALA','FK_ELEVI_1','FK_ELEVI_2',"
                            "'FK_SCOALA_1','FK_SCOALA_2') order by 1")),
            QStringList({"FK_ELEVI_1", "FK_ELEVI_2", "FK_SCOALA_1", "FK_SCOALA_2", "PK_ELEVI", "PK_SCOALA"}));
        QCOMPARE(b.valoare("SELECT GEN_ID(G_ID_ELEVI,0) FROM RDB$DATABASE").toInt(), 0);
        QCOMPARE(b.valoare("SELECT GEN_ID(G_ID_SCOALA,0) FROM RDB$DATABASE").toInt(), 0);
        QCOMPARE(
            texte(b.coloana("select trim(RDB$INDEX_NAME) from RDB$INDICES where RDB$INDEX_NAME starting with "
                            "'IX_DATE_' order by 1")),
            QStringList({"IX_DATE_CHEIE", "IX_DATE_ELEVI", "IX_DATE_SCOALA"}));
        QCOMPARE(
            texte(b.coloana("select trim(RDB$FIELD_NAME) from RDB$RELATION_FIELDS where RDB$RELATION_NAME = "
                            "'DATE' and RDB$FIELD_NAME starting with 'ID' order by 1")),
            QStringList({"IDF_ELEVI", "IDF_SCOALA", "ID_ELEVI", "ID_SCOALA"}));

        QCOMPARE(b.valoare("select count(*) from PROFIL_DIPLOMA where COD_FORMULAR = 'Vardolin'").toInt(),
                 120);
        QCOMPARE(b.valoare("select count(*) from PROFIL_DIPLOMA where ONOREZ_SIMILAR = 'DA'").toInt(), 120);
        TListaLiniiProfilVardolin profil;
        QStringList inCod;
        for (const auto& l : profil.linii())
            inCod << l.COD_PAGINA + "." + l.COD_CAMP;
        QCOMPARE(texte(b.coloana("select COD_PAGINA || '.' || COD_CAMP from PROFIL_DIPLOMA order by ORDINE")),
                 inCod);
        QCOMPARE(b.coloana("select ORDINE from PROFIL_DIPLOMA order by ORDINE").last().toInt(), 120);
        QCOMPARE(texte(b.coloana("select NUME_TABEL from TABELE order by 1")),
                 QStringList({"ELEVI", "SCOALA"}));
        QCOMPARE(texte(b.coloana("select TIP_DE_DATE from TIPURI_DE_DATE")).size(), 7);
    }

    void aDouaPornireNuSchimbaNimic() {
        BazaTest b;
        b.valoare("SELECT GEN_ID(G_ID_ELEVI,5) FROM RDB$DATABASE");
        b.executa("update PROFIL_DIPLOMA set ONOREZ_SIMILAR = 'NU', ETICHETA_EDITOR = 'schimbata', "
                  "ASOCIAT_CU = 'ALTCEVA' where COD_CAMP = 'D_ABREVIERE'");
        b.executa("insert into PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, COD_CAMP) values ('AltFormular', "
                  "'FATA', 'X')");
        b.executa("insert into PROFIL_DIPLOMA (COD_FORMULAR, COD_PAGINA, COD_CAMP) values ('Vardolin', "
                  "'FATA', 'C_VECHI')");
        b.Reporneste();
        QCOMPARE(b.valoare("SELECT GEN_ID(G_ID_ELEVI,0) FROM RDB$DATABASE").toInt(), 5);
        QCOMPARE(
            b.valoare("select ONOREZ_SIMILAR from PROFIL_DIPLOMA where COD_CAMP = 'D_ABREVIERE'").toString(),
            "NU");
        QCOMPARE(
            b.valoare("select ETICHETA_EDITOR from PROFIL_DIPLOMA where COD_CAMP = 'D_ABREVIERE'").toString(),
            "[Candidat]Abreviere{certificat}");
        QCOMPARE(b.valoare("select ASOCIAT_CU from PROFIL_DIPLOMA where COD_CAMP = 'D_ABREVIERE'").toString(),
                 "ELEVI");
        QCOMPARE(b.valoare("select count(*) from PROFIL_DIPLOMA").toInt(), 120);
    }

    void sabloaneLaFiecareVersiune_data() {
        QTest::addColumn<int>("versiune");
        QTest::newRow("1") << 1;
        QTest::newRow("2") << 2;
        QTest::newRow("3") << 3;
        QTest::newRow("4") << 4;
        QTest::newRow("5") << 5;
    }
    void sabloaneLaFiecareVersiune() {
        QFETCH(int, versiune);
        MediuTest mediu;
        const QString dosar = mediu.cale("program");
        sablonLaVersiunea(dosar, versiune);
        Cai::seteazaDosarExecutabil(dosar);
        TDM dm;
        dm.DataModuleCreate();
        {
            GardaTranzactie garda;
            Q1().seteazaSql(
                "select VERSIUNE, (select count(*) from RDB$RELATION_FIELDS where RDB$RELATION_NAME = "
                "'PROFIL_DIPLOMA' and RDB$FIELD_NAME in ('LATIME_SUGERATA','COD_LINIE','ORDINE')) as N "
                "from CONFID_DB");
            Q1().deschide();
            QCOMPARE(Q1().intreg("VERSIUNE"), 6);
            QCOMPARE(Q1().intreg("N"), 3);
            Q1().inchide();
            Q1().seteazaSql(
                "select (select count(*) from \"DATE\" where VALOARE_TEXT = 'Pastrat') as PASTRAT, "
                "(select count(*) from FORMULARE_PRIMITE) as PRIMIRI, "
                "(select count(*) from REGISTRU where RESTITUIT = 0) as INTRARI, "
                "(select count(*) from RDB$RELATIONS where RDB$RELATION_NAME in ('FORMULARE_PRIMITE', "
                "'FORMULARE', 'REGISTRU', 'JURNAL_REGISTRU', 'PRELUARI', 'PRELUARI_ELEVI', "
                "'PRELUARI_VALORI')) "
                "as "
                "TABELE from RDB$DATABASE");
            Q1().deschide();
            QCOMPARE(Q1().intreg("PASTRAT"), 1);
            QCOMPARE(Q1().intreg("PRIMIRI"), versiune >= 4 ? 1 : 0);
            QCOMPARE(Q1().intreg("INTRARI"), versiune >= 4 ? 2 : 0);
            QCOMPARE(Q1().intreg("TABELE"), 7);
            Q1().inchide();
        }
        if (versiune < 4) return;
        // The entries kept hold their forms; one form may be given back more than once.
        Registru::primesteFormulare({0, "S", 6, 6, {}, {}});
        for (int i = 0; i < 2; ++i)
            Registru::foaieNetiparita(Registru::inregistreaza({}, "S", 6).id, "blocat");
        Registru::inregistreaza({}, "S", 6);
        for (int numarul : {1, 6})
            QVERIFY_THROWS_EXCEPTION(Eroare, Registru::inregistreaza({}, "S", numarul));
    }

    void sablonulLipsaOpresteProgramul() {
        MediuTest mediu;
        Cai::seteazaDosarExecutabil(mediu.cale("gol"));
        int codIesire = -1;
        TDM::seteazaTerminare([&](int cod) { codIesire = cod; });
        TDM dm;
        QVERIFY_THROWS_EXCEPTION(Eroare, dm.DataModuleCreate());
        TDM::seteazaTerminare(nullptr);
        QCOMPARE(codIesire, 1);
        const QString baza = QDir::toNativeSeparators(mediu.cale("DB/Vardolin2006.FDB"));
        const QString sablon = QDir::toNativeSeparators(mediu.cale("gol/BLANK.FDB"));
        QCOMPARE(mediu.dialoguri().texte("avertisment"),
                 QStringList("Nu exista baza de date curenta si nu gasesc baza de date \"BLANK\" pentru "
                             "initializare.\r\nDB Curent:" +
                             baza + "\r\nDB Blank:" + sablon));
        QVERIFY(QDir(mediu.cale("DB")).exists());
    }

    void bazaExistentaNuAreNevoieDeSablon() {
        BazaTest b;
        b.Opreste();
        Cai::seteazaDosarExecutabil(b.mediu().cale("gol"));
        b.Porneste();
        QCOMPARE(b.valoare("SELECT VERSIUNE FROM CONFID_DB").toInt(), 6);
        QVERIFY(b.mediu().dialoguri().mesaje.empty());
    }

    void bazaConfigurataInSetariSauMediu() {
        MediuTest mediu;
        {
            auto setari = StocSetari::deschide("Software\\Orvanta\\Kalvor\\2006\\Baza");
            setari->setValue("BazaDeDate", mediu.cale("alta/Scoala.fdb"));
        }
        {
            TDM dm;
            dm.DataModuleCreate();
            QCOMPARE(dm.caleBazaDeDate(), mediu.cale("alta/Scoala.fdb"));
        }
        QVERIFY(QFile::exists(mediu.cale("alta/Scoala.fdb")));
        qputenv("VARDOLIN_DATABASE", mediu.cale("mediu.fdb").toUtf8());
        {
            TDM dm;
            dm.DataModuleCreate();
            QCOMPARE(dm.caleBazaDeDate(), mediu.cale("mediu.fdb"));
        }
        qunsetenv("VARDOLIN_DATABASE");
        QVERIFY(!QDir(mediu.cale("DB")).exists());
    }

    void faraProfilInregistrat() {
        MediuTest mediu;
        AnuleazaInregistrareaProfilului();
        TDM dm;
        try {
            dm.DataModuleCreate();
            QFAIL("fara eroare");
        } catch (const Eroare& e) {
            QCOMPARE(e.text(), "NU ai definit profilul diplomei");
        }
        QVERIFY(!QDir(mediu.cale("DB")).exists());
        AsiguraProfilulInregistrat();
    }

    void tabelNouInCodPrimesteStructura() {
        BazaTest b;
        b.Opreste();
        AnuleazaInregistrareaListeiTabele();
        InregistreazaListaTabele(std::make_unique<ClasaListaTabele<ListaCuProfesori>>("ListaCuProfesori"));
        b.Porneste();
        AnuleazaInregistrareaListeiTabele();
        AsiguraProfilulInregistrat();
        QCOMPARE(b.valoare("SELECT GEN_ID(G_ID_PROFESOR,0) FROM RDB$DATABASE").toInt(), 0);
        QCOMPARE(b.valoare("select count(*) from RDB$RELATION_CONSTRAINTS where RDB$CONSTRAINT_NAME in "
                           "('PK_PROFESOR','FK_PROFESOR_1','FK_PROFESOR_2')")
                     .toInt(),
                 3);
        b.executa("insert into PROFESOR (ID_PROFESOR) values (1)");
        b.executa(
            "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_PROFESOR) values ('a','b','c',1)");
        QCOMPARE(b.valoare("select count(*) from \"DATE\" where ID_PROFESOR = 1").toInt(), 1);
    }

    void stergereaUnuiElevStergeValorile() {
        BazaTest b;
        b.executa("insert into ELEVI (ID_ELEVI) values (1)");
        b.executa("insert into ELEVI (ID_ELEVI) values (2)");
        b.executa(
            "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI) values ('V','F','A',1)");
        b.executa("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, IDF_ELEVI, ID_ELEVI) values "
                  "('V','F','B',1,2)");
        b.executa(
            "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI) values ('V','F','C',2)");
        b.executa("delete from ELEVI where ID_ELEVI = 1");
        QCOMPARE(texte(b.coloana("select COD_CAMP from \"DATE\"")), QStringList("C"));
    }

    void numeDeTabelInvalidNuAjungeInSql_data() {
        QTest::addColumn<QString>("nume");
        QTest::newRow("spatiu") << "ELEVI; DROP TABLE X";
        QTest::newRow("ghilimele") << "\"DATE\"";
        QTest::newRow("gol") << "";
        QTest::newRow("litere mici") << "elevi";
    }
    void numeDeTabelInvalidNuAjungeInSql() {
        QFETCH(QString, nume);
        QVERIFY_THROWS_EXCEPTION(Eroare, VerificaNumeTabel(nume));
    }

    void aDouaCopieAProgramuluiPrimesteMesajClar() {
        BazaTest b;
        b.Opreste();
        // Another process holds the file open through the embedded engine.
        QProcess isql;
        isql.start("isql-fb", {"-q", "-user", "sysdba", b.mediu().cale("DB/Vardolin2006.FDB")});
        QVERIFY(isql.waitForStarted());
        isql.write("select 1 from rdb$database;\n");
        QTest::qWait(1500);
        try {
            b.Porneste();
            QFAIL("fara eroare");
        } catch (const Eroare& e) {
            QVERIFY2(e.text().contains("folosita de alt program"), qPrintable(e.text()));
        }
        isql.closeWriteChannel();
        isql.waitForFinished();
        b.Porneste();
        QCOMPARE(b.valoare("SELECT VERSIUNE FROM CONFID_DB").toInt(), 6);
    }

    void manerelePublicateCerBazaDeschisa() {
        TDM dm;
        try {
            Tr();
            QFAIL("fara eroare");
        } catch (const Eroare& e) {
            QVERIFY(e.text().contains("nu este deschisa"));
        }
    }

    void gardaAnuleazaTranzactiaLaEroare() {
        BazaTest b;
        try {
            GardaTranzactie garda;
            Q1().seteazaSql("insert into ELEVI (ID_ELEVI) values (7)");
            Q1().executa();
            throw Eroare("oprit");
        } catch (const Eroare&) {
        }
        QVERIFY(!Tr().activa());
        QCOMPARE(b.valoare("select count(*) from ELEVI").toInt(), 0);
        {
            GardaTranzactie exterioara;
            { GardaTranzactie interioara(GardaTranzactie::Imbricata); }
            QVERIFY(Tr().activa());
        }
        QVERIFY(!Tr().activa());
    }
};

QTEST_GUILESS_MAIN(TestUDm)
#include "tst_UDm.moc"
