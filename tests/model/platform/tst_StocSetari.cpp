#include "platform/StocSetari.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
// A serialized whole number 5 and the beginning of a list claiming two thousand million items.
const QByteArray cinci = R"(\0\0\0\x2\0\0\0\x5))";
const QByteArray listaUriasa = R"(\0\0\0\t\x7f\xff\xff\xff))";

QByteArray citeste(const QString& cale) {
    QFile f(cale);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void scrie(const QString& cale, const QByteArray& continut) {
    QFile f(cale);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(continut);
}
} // namespace

class TestStocSetari : public QObject {
    Q_OBJECT
    QTemporaryDir dosar;

private slots:
    void cleanup() { StocSetari::redirectioneaza({}); }

    // Every spelling the INI reader decodes as an object is dropped, and only those: the reader
    // itself tells which values it would decode.
    void obiecteleSerializateSeScot_data() {
        QTest::addColumn<QByteArray>("valoare");
        QTest::addColumn<bool>("scoasa");
        QTest::newRow("direct") << "@Variant(" + cinci << true;
        QTest::newRow("intre ghilimele") << "\"@Var\"iant(" + cinci << true;
        QTest::newRow("hexazecimal") << "\\x40Variant(" + cinci << true;
        QTest::newRow("hexazecimal peste 16 biti") << "\\x10040Variant(" + cinci << true;
        QTest::newRow("octal") << "\\100Variant(" + cinci << true;
        QTest::newRow("escape necunoscut") << "@\\zVariant(" + cinci << true;
        QTest::newRow("continuare") << "@Vari\\\r\nant(" + cinci << true;
        QTest::newRow("in lista") << "a, @Variant(" + cinci + ", b" << true;
        QTest::newRow("data") << "@DateTime(" + cinci << true;
        QTest::newRow("text scris de program") << "@@Variant(" + cinci << false;
        QTest::newRow("octeti") << QByteArray("@ByteArray(abc)") << false;
        QTest::newRow("dupa comentariu") << "x ; @Variant(" + cinci << false;
        QTest::newRow("text obisnuit") << QByteArray("\"Imprimanta; a doua\", \\x1f, 2,5") << false;
    }
    void obiecteleSerializateSeScot() {
        QFETCH(QByteArray, valoare);
        QFETCH(bool, scoasa);
        const QByteArray inainte = "[Software]\nA\\Inainte=1\n";
        const QByteArray dupa = "[Software]\nA\\Dupa=2\n";
        const QByteArray ini = inainte + "A\\Valoare=" + valoare + "\n" + dupa;
        const QString cale = dosar.filePath(QTest::currentDataTag() + QStringLiteral(".ini"));
        scrie(cale, ini);
        const QVariant citita = QSettings(cale, QSettings::IniFormat).value("Software/A/Valoare");
        const int tip = citita.typeId();
        QCOMPARE(tip != QMetaType::QString && tip != QMetaType::QStringList && tip != QMetaType::QByteArray,
                 scoasa);
        QCOMPARE(StocSetari::faraObiecteSerializate(ini), scoasa ? inainte + "\n" + dupa : ini);
    }

    // The store mends its file before reading it, keeps the file as it was beside it and reads
    // every other value as before.
    void fisierulSeRepara() {
        const QString cale = dosar.filePath("vardolin.ini");
        const QByteArray ini = "[Software]\nOrvanta\\Kalvor\\2006\\Global\\NotaDiploma=@Variant(" +
                               listaUriasa +
                               "\nOrvanta\\Kalvor\\2006\\Global\\MedieDiploma=\"2, \\\"x\\\"\"\n";
        scrie(cale, ini);
        StocSetari::redirectioneaza(cale);
        const auto cheie = StocSetari::deschide("Software\\Orvanta\\Kalvor\\2006\\Global");
        QCOMPARE(cheie->childKeys(), QStringList{"MedieDiploma"});
        QCOMPARE(cheie->value("MedieDiploma").toString(), QString("2, \"x\""));
        QCOMPARE(citeste(cale + ".deteriorat"), ini);
        cheie->setValue("NotaDiploma", "Cifre");
        StocSetari::verificaScrierea(*cheie);
        QCOMPARE(StocSetari::deschide("Software\\Orvanta\\Kalvor\\2006\\Global")->value("NotaDiploma"),
                 QVariant("Cifre"));
    }
};

QTEST_GUILESS_MAIN(TestStocSetari)
#include "tst_StocSetari.moc"
