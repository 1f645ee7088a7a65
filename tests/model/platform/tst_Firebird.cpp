#include "MediuTest.h"
#include "platform/Eroare.h"
#include "platform/Firebird.h"

#include <QtTest>

class TestFirebird : public QObject {
    Q_OBJECT
    std::unique_ptr<MediuTest> mediu;
    std::unique_ptr<FbConexiune> db;
    std::unique_ptr<FbTranzactie> trz;

private slots:
    void init() {
        mediu = std::make_unique<MediuTest>();
        const QString cale = mediu->cale("t.fdb");
        FbConexiune::creeazaBazaDeDate(cale, "sysdba", "plumbarte");
        db = std::make_unique<FbConexiune>();
        db->seteazaNumeBazaDeDate(cale);
        db->parametri() << "USER_NAME=sysdba"
                        << "password=plumbarte";
        db->conecteaza();
        trz = std::make_unique<FbTranzactie>(*db);
        FbInterogare q(*db, *trz);
        trz->start();
        q.seteazaSql(
            "create table T (ID INTEGER, NUME VARCHAR(20), \"DATE\" VARCHAR(20), SUMA NUMERIC(18,4))");
        q.executa();
        trz->commit();
    }
    void cleanup() {
        trz.reset();
        db.reset();
        mediu.reset();
    }

    void parametriCuNumeRepetateSiDolar() {
        FbInterogare q(*db, *trz);
        trz->start();
        q.seteazaSql("insert into T (ID, NUME, \"DATE\") values (:ID, :N$1, :N$1)");
        q.param("ID", 7);
        q.param("n$1", QString::fromUtf8("Ştefan Ţăranu"));
        q.executa();
        q.seteazaSql("select * from RDB$RELATIONS where RDB$RELATION_NAME = :RDB$RELATION_NAME");
        q.param("RDB$RELATION_NAME", "T");
        q.deschide();
        QVERIFY(!q.eof());
        QCOMPARE(q.text("RDB$RELATION_NAME"), QString("T"));
        q.seteazaSql("select ID, NUME, \"DATE\" as D from T where ID = :ID and ':X' = ':X'");
        q.param("ID", 7);
        q.deschide();
        QCOMPARE(q.intreg("ID"), 7);
        QCOMPARE(q.text("nume"), QString::fromUtf8("Ştefan Ţăranu"));
        QCOMPARE(q.text("D"), QString::fromUtf8("Ştefan Ţăranu"));
        trz->rollback();
        QVERIFY(!q.deschisa());
    }

    void parametruLipsaSauNecunoscutEsteEroare() {
        FbInterogare q(*db, *trz);
        trz->start();
        q.seteazaSql("select * from T where ID = :ID");
        QVERIFY_THROWS_EXCEPTION(Eroare, q.param("IDX", 1));
        QVERIFY_THROWS_EXCEPTION(Eroare, q.deschide());
        trz->rollback();
    }

    void nullSiNumereCuScala() {
        FbInterogare q(*db, *trz);
        trz->start();
        q.seteazaSql("insert into T (ID, NUME, SUMA) values (:ID, :NUME, :SUMA)");
        q.param("ID", 1);
        q.param("NUME", QVariant());
        q.param("SUMA", 12.5);
        q.executa();
        q.seteazaSql("select * from T");
        q.deschide();
        QVERIFY(q.esteNull("NUME"));
        QVERIFY_THROWS_EXCEPTION(Eroare, q.text("NUME"));
        QCOMPARE(q.camp("SUMA").toDouble(), 12.5);
        q.urmator();
        QVERIFY(q.eof());
        trz->commit();
    }

    void instructiuneaPregatitaSePastreaza() {
        FbInterogare q(*db, *trz);
        trz->start();
        q.seteazaSql("insert into T (ID) values (:ID)");
        for (int i = 0; i < 100; ++i) {
            q.param("ID", i);
            q.executa();
        }
        trz->commit();
        trz->start();
        q.seteazaSql("select count(*) as N from T");
        q.deschide();
        QCOMPARE(q.intreg("N"), 100);
        trz->rollback();
    }

    // One query taking turns with several texts, fewer and more than it keeps prepared: each
    // runs right, and a text taken up again needs its parameters again.
    void texteCuRandul_data() {
        QTest::addColumn<int>("texte");
        QTest::newRow("toate pastrate") << 3;
        QTest::newRow("mai multe decat pastreaza") << 12;
    }
    void texteCuRandul() {
        QFETCH(int, texte);
        FbInterogare q(*db, *trz);
        trz->start();
        for (int runda = 0; runda < 3; ++runda) {
            for (int i = 0; i < texte; ++i) {
                q.seteazaSql(QString("insert into T (ID, NUME) values (:ID, '%1')").arg(i));
                if (runda > 0) QVERIFY_THROWS_EXCEPTION(Eroare, q.executa());
                q.param("ID", runda);
                q.executa();
            }
        }
        q.seteazaSql("select count(*) as N, count(distinct NUME) as D, sum(ID) as S from T");
        q.deschide();
        QCOMPARE(q.intreg("N"), 3 * texte);
        QCOMPARE(q.intreg("D"), texte);
        QCOMPARE(q.intreg("S"), 3 * texte);
        trz->rollback();
    }

    void ddlDupaInterogariPregatitePeAceeasiTabela() {
        FbInterogare q1(*db, *trz), q2(*db, *trz);
        trz->start();
        q1.seteazaSql("select * from T");
        q1.deschide();
        q1.inchide();
        q1.seteazaSql("select ID from T"); // the first text stays prepared, kept aside
        q1.deschide();
        q1.inchide();
        q2.seteazaSql("alter table T add EXTRA INTEGER");
        q2.executa();
        trz->commit();
        trz->start();
        q1.seteazaSql("select * from T");
        q1.deschide();
        QVERIFY(q1.areCamp("EXTRA"));
        trz->rollback();
    }

    void tranzactiaNuPorneste_deDouaOri() {
        trz->start();
        QVERIFY_THROWS_EXCEPTION(Eroare, trz->start());
        trz->rollback();
        QVERIFY_THROWS_EXCEPTION(Eroare, trz->commit());
    }
};

QTEST_GUILESS_MAIN(TestFirebird)
#include "tst_Firebird.moc"
