#include "MediuTest.h"
#include "entry/UKivQuickRegStuff.h"
#include "platform/Eroare.h"
#include "platform/StocSetari.h"

#include <QtTest>
#include <functional>
#include <memory>

namespace {

const QString CheieProba = QStringLiteral("Software\\Orvanta\\Proba");

// Every kind of property the mechanism knows, in an order the sorting must change.
class TProbaBaza : public TKivRegistryClass {
    Q_OBJECT
    Q_PROPERTY(int zIntreg MEMBER zIntreg)
    Q_PROPERTY(QString Text MEMBER text)
    Q_PROPERTY(double Real MEMBER real)
public:
    using TKivRegistryClass::TKivRegistryClass;
    int zIntreg = 0;
    QString text;
    double real = 0.0;
};

class TProba : public TProbaBaza {
    Q_OBJECT
    Q_PROPERTY(Culoare culoare MEMBER culoare)
    Q_PROPERTY(Stiluri Stil READ Stil WRITE setStil)
    Q_PROPERTY(bool activ MEMBER activ)
    Q_PROPERTY(qint64 Mare MEMBER mare)
    Q_PROPERTY(QChar litera MEMBER litera)
    Q_PROPERTY(QByteArray Octeti MEMBER octeti)
    Q_PROPERTY(QObject* Obiect MEMBER obiect)
    Q_PROPERTY(QStringList Lista MEMBER lista)
public:
    enum Culoare { Rosu, Verde, Albastru };
    Q_ENUM(Culoare)
    enum Stil { Gros = 1, Inclinat = 2, Subliniat = 4 };
    Q_DECLARE_FLAGS(Stiluri, Stil)
    Q_FLAG(Stiluri)

    TProba() : TProbaBaza(CheieProba) { Incarca(); }
    ~TProba() override { Salveaza(); }

    Stiluri Stil() const { return stil; }
    void setStil(Stiluri s) { stil = s; }

    Culoare culoare = Rosu;
    Stiluri stil;
    bool activ = false;
    qint64 mare = 0;
    QChar litera;
    QByteArray octeti;
    QObject* obiect = nullptr;
    QStringList lista;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TProba::Stiluri)

std::unique_ptr<QSettings> cheie(const QString& cale = CheieProba) {
    return StocSetari::deschide(cale);
}

QString eroareaLui(const std::function<void()>& actiune) {
    try {
        actiune();
    } catch (const Eroare& e) {
        return e.text();
    }
    return {};
}

} // namespace

class TestUKivQuickRegStuff : public QObject {
    Q_OBJECT

private slots:
    void init() { mediu_ = std::make_unique<MediuTest>(); }
    void cleanup() { mediu_.reset(); }

    void shellulListeazaSortatCuFelul() {
        const TKivRTTIShell shell(TProba::staticMetaObject);
        QStringList nume;
        QList<TFelProprietate> feluri;
        for (int i = 0; i < shell.Count(); ++i) {
            nume << shell.Name(i);
            feluri << shell.Kind(i);
        }
        QCOMPARE(nume, QStringList({"activ", "culoare", "Lista", "litera", "Mare", "Obiect", "Octeti", "Real",
                                    "Stil", "Text", "zIntreg"}));
        using F = TFelProprietate;
        QCOMPARE(feluri, QList<F>({F::Intreg, F::Enumerare, F::Altul, F::Caracter, F::Intreg64, F::Altul,
                                   F::Text, F::Altul, F::Multime, F::Text, F::Intreg}));
    }

    void proprietatileSeIntorcDinStoc() {
        {
            TProba p;
            p.zIntreg = -7;
            p.text = "Ţară, \"mică\"";
            p.real = 2.5;
            p.culoare = TProba::Verde;
            p.stil = TProba::Inclinat | TProba::Subliniat;
            p.activ = true;
            p.mare = 5;
            p.litera = u'x';
            p.octeti = "abc";
            p.lista = {"a", "b"};
        }
        const TProba p;
        QCOMPARE(p.zIntreg, -7);
        QCOMPARE(p.text, QString("Ţară, \"mică\""));
        QCOMPARE(p.culoare, TProba::Verde);
        QCOMPARE(p.stil, TProba::Stiluri(TProba::Inclinat | TProba::Subliniat));
        QVERIFY(p.activ);
        QCOMPARE(p.mare, qint64(5));
        QCOMPARE(p.litera, QChar(u'x'));
        QCOMPARE(p.octeti, QByteArray("abc"));
        // Kinds that are not persisted keep what the object starts with.
        QCOMPARE(p.real, 0.0);
        QVERIFY(p.lista.isEmpty());
        QVERIFY(!cheie()->contains("Real"));
        QVERIFY(!cheie()->contains("Obiect"));
        QVERIFY(!cheie()->contains("Lista"));
        QVERIFY(!cheie()->contains("objectName"));
    }

    void intreg64SeScrieCa32DeBiti() {
        {
            TProba p;
            p.mare = (qint64(1) << 32) + 9;
        }
        QCOMPARE(TProba().mare, qint64(9));
    }

    void valorileLipsaLasaProprietatea() {
        cheie()->setValue("zIntreg", 4);
        TProba p;
        QCOMPARE(p.zIntreg, 4);
        QCOMPARE(p.text, QString());
        QCOMPARE(p.culoare, TProba::Rosu);
    }

    void eliberareaScrieTot() {
        { TProba p; }
        const auto c = cheie();
        QStringList scrise = c->childKeys();
        scrise.sort(Qt::CaseInsensitive);
        QCOMPARE(scrise,
                 QStringList({"activ", "culoare", "litera", "Mare", "Octeti", "Stil", "Text", "zIntreg"}));
        QCOMPARE(c->value("zIntreg").toInt(), 0);
    }

    void tipGresitOpresteCitirea_data() {
        QTest::addColumn<QString>("nume");
        QTest::addColumn<QVariant>("valoare");
        QTest::newRow("text in loc de intreg") << "zIntreg" << QVariant("doi");
        QTest::newRow("text in loc de enumerare") << "culoare" << QVariant("verde");
        QTest::newRow("lista in loc de text") << "Text" << QVariant(QStringList{"a", "b"});
    }
    void tipGresitOpresteCitirea() {
        QFETCH(QString, nume);
        QFETCH(QVariant, valoare);
        cheie()->setValue(nume, valoare);
        QCOMPARE(eroareaLui([] { TProba p; }), QString("Invalid data type for '%1'").arg(nume));
        // The object that failed to load wrote nothing over the stored value.
        QCOMPARE(cheie()->value(nume), valoare);
        QVERIFY(!cheie()->contains("activ"));
    }

    void informatiiGlobale() {
        QCOMPARE(TInfoGlobal2005::Cheie(), QString("Software\\Orvanta\\Kalvor\\2006\\Global"));
        {
            TInfoGlobal2005 g;
            QVERIFY(g.NotaDiploma().isEmpty());
            QVERIFY(g.ScriuCuLitereMari().isEmpty());
            g.setNotaCotor("NOTA/LITERE");
            g.setSufixFete("doamna");
        }
        const auto c = cheie(TInfoGlobal2005::Cheie());
        QStringList scrise = c->childKeys();
        scrise.sort();
        QCOMPARE(scrise, QStringList({"MedieCotor", "MedieDiploma", "NotaCotor", "NotaDiploma",
                                      "ScriuCuLitereMari", "SufixBaieti", "SufixFete"}));
        const TInfoGlobal2005 g;
        QCOMPARE(g.NotaCotor(), QString("NOTA/LITERE"));
        QCOMPARE(g.SufixFete(), QString("doamna"));
        QCOMPARE(g.MedieCotor(), QString());
    }

private:
    std::unique_ptr<MediuTest> mediu_;
};

QTEST_GUILESS_MAIN(TestUKivQuickRegStuff)
#include "tst_UKivQuickRegStuff.moc"
