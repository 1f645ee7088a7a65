#include "MediuTest.h"
#include "controls/KivVirtualGrid.h"
#include "controls/UKivMouse.h"
#include "controls/UKivVGridEditorForm.h"
#include "platform/Cai.h"
#include "platform/Eroare.h"

#include <QtTest>
#include <memory>

using Tip = TKivTipDeDateColoana;
Q_DECLARE_METATYPE(TKivTipDeDateColoana)

namespace {

// A shown grid of n lines and the given column types; every cell answers the same value.
struct Grila {
    std::unique_ptr<TKivVirtualGrid> g = std::make_unique<TKivVirtualGrid>();
    QVariant valoare;
    Tip tip = Tip::atAuto;

    explicit Grila(std::initializer_list<Tip> coloane, int linii = 20) {
        g->BeginUpdate();
        for (Tip t : coloane) {
            TKivVirtualGridColumn* c = g->Coloane.Add();
            c->TipDeDate = t;
            c->SetWidth(100);
            c->SetNumeColoana(QStringLiteral("Col%1").arg(g->Coloane.Count() - 1));
        }
        for (int i = 0; i < linii; ++i)
            g->Linii.Adauga();
        g->EndUpdate();
        g->OnGetCellValue = [this](TKivVirtualGridLine*, int, TKivValoareDate& v) {
            if (tip != Tip::atAuto) v.SetValoare(valoare, tip);
        };
        g->resize(600, 400);
        g->show();
        QApplication::setActiveWindow(g.get());
        g->setFocus();
    }

    QColor pixel(int c, int r, QPoint deLaStangaSus = {10, 4}) const {
        return g->viewport()->grab().toImage().pixelColor(g->CellRect(c, r).topLeft() + deLaStangaSus);
    }

    void mouseLa(int c, int r) const {
        const QPointF p = g->CellRect(c, r).center();
        QMouseEvent e(QEvent::MouseMove, p, g->viewport()->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(g->viewport(), &e);
    }
};

QDateTime ziua(int an, int luna, int zi) {
    return QDateTime(QDate(an, luna, zi), QTime(0, 0));
}

} // namespace

class TestKivVirtualGrid : public QObject {
    Q_OBJECT
    std::unique_ptr<MediuTest> mediu;

private slots:
    void init() {
        mediu = std::make_unique<MediuTest>();
        LargeFonts::Reseteaza();
        LargeFonts::SeteazaPixeliPeInch(96);
    }
    void cleanup() {
        LargeFonts::SeteazaPixeliPeInch(0);
        mediu.reset();
    }

    void textCelula_data() {
        QTest::addColumn<Tip>("coloana");
        QTest::addColumn<Tip>("tip");
        QTest::addColumn<QVariant>("valoare");
        QTest::addColumn<QString>("text");
        const auto suma = [](qint64 zeciMii) { return QVariant::fromValue(Currency::dinZeciMii(zeciMii)); };
        QTest::newRow("suma taiata") << Tip::atCurrency << Tip::atCurrency << suma(9876540) << "987,65";
        QTest::newRow("un milion") << Tip::atCurrency << Tip::atCurrency << suma(10000000000)
                                   << "1.000.000,00";
        QTest::newRow("suma negativa") << Tip::atCurrency << Tip::atCurrency << suma(-5000) << "-0,50";
        QTest::newRow("sutimi") << Tip::atIntegerDouaZecimale << Tip::atIntegerDouaZecimale << QVariant(12345)
                                << "123,45";
        QTest::newRow("sutimi mici") << Tip::atIntegerDouaZecimale << Tip::atIntegerDouaZecimale
                                     << QVariant(5) << "0,05";
        QTest::newRow("sutimi negative")
            << Tip::atIntegerDouaZecimale << Tip::atIntegerDouaZecimale << QVariant(-5) << "-0,05";
        QTest::newRow("intreg") << Tip::atInteger << Tip::atInteger << QVariant(-1234567) << "-1234567";
        QTest::newRow("text") << Tip::atString << Tip::atString << QVariant("Ana") << "Ana";
        QTest::newRow("zi si luna") << Tip::atDataScurtFaraAn << Tip::atDataScurtFaraAn
                                    << QVariant(ziua(2006, 1, 5)) << "05/01";
        QTest::newRow("data scurta") << Tip::atDataScurtCuAn << Tip::atDataScurtCuAn
                                     << QVariant(ziua(2006, 1, 5)) << "05/01/06";
        QTest::newRow("data lunga") << Tip::atDataLung << Tip::atDataLung << QVariant(ziua(2006, 12, 25))
                                    << "25 decembrie 2006";
        QTest::newRow("coloana oricare") << Tip::atAuto << Tip::atInteger << QVariant(7) << "7";
        QTest::newRow("fara date") << Tip::atString << Tip::atAsk << QVariant() << "!NoData!";
    }
    void textCelula() {
        QFETCH(Tip, coloana);
        QFETCH(Tip, tip);
        QFETCH(QVariant, valoare);
        QFETCH(QString, text);
        Grila g({coloana}, 1);
        g.tip = tip;
        g.valoare = valoare;
        QCOMPARE(g.g->TextCelula(0, 0), text);
    }

    void textGresit_data() {
        QTest::addColumn<Tip>("coloana");
        QTest::addColumn<Tip>("tip");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("nimic stocat")
            << Tip::atString << Tip::atAuto << "Nepotrivire de date cand citesc coloana Col0";
        QTest::newRow("alt tip") << Tip::atInteger << Tip::atString
                                 << "Nepotrivire de date cand citesc coloana Col0";
        QTest::newRow("oricare fara tip") << Tip::atAuto << Tip::atAuto << "Bug! Nu stiu citi tipul de date!";
    }
    void textGresit() {
        QFETCH(Tip, coloana);
        QFETCH(Tip, tip);
        QFETCH(QString, mesaj);
        Grila g({coloana}, 1);
        g.tip = tip;
        g.valoare = QStringLiteral("x");
        try {
            g.g->TextCelula(0, 0);
            QFAIL("fara eroare");
        } catch (const Eroare& e) {
            QCOMPARE(e.text(), mesaj);
        }
    }

    void faraCitireNuAreDate() {
        Grila g({Tip::atCurrency, Tip::atString}, 2);
        g.g->OnGetCellValue = nullptr;
        QCOMPARE(g.g->TextCelula(1, 1), QStringLiteral("!NoData!"));
    }

    // Widths and heights given to the grid grow with the large-font factor.
    void marimiScalate() {
        QFile f(Cai::inDosarDate(QStringLiteral("LargeFonts.txt")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("5:4\n");
        f.close();
        Grila g({Tip::atString, Tip::atString}, 2);
        g.g->Linii[1]->Inaltime = 40;
        g.g->RecalculeazaLayout();
        QCOMPARE(g.g->ColWidths(1), 125);
        QCOMPARE(g.g->RowHeights(0), 60);
        QCOMPARE(g.g->RowHeights(1), 30);
        QCOMPARE(g.g->RowHeights(2), 50);
    }

    void eroriDeTipSiStil() {
        TKivValoareDate v;
        v.SetValInteger(3);
        QVERIFY_THROWS_EXCEPTION(Eroare, v.ValString());
        Grila g({Tip::atString}, 1);
        QVERIFY_THROWS_EXCEPTION(Eroare, g.g->Linii[0]->SetStil(11));
        QVERIFY_THROWS_EXCEPTION(Eroare, g.g->Coloane[0]->Stil(0));
        QVERIFY_THROWS_EXCEPTION(Eroare, g.g->EndUpdate());
    }

    void actualizariImbricate() {
        Grila g({Tip::atString}, 0);
        g.g->BeginUpdate();
        g.g->BeginUpdate();
        g.g->Linii.Adauga();
        g.g->EndUpdate();
        QCOMPARE(g.g->RowCount(), 1);
        g.g->EndUpdate();
        QCOMPARE(g.g->RowCount(), 2);
        try {
            g.g->EndUpdate();
            QFAIL("fara eroare");
        } catch (const Eroare& e) {
            QCOMPARE(e.text(), QStringLiteral("EndUpdate fara BeginUpdate"));
        }
    }

    void coloaneFixe_data() {
        QTest::addColumn<int>("nrFixe");
        QTest::addColumn<int>("coloane");
        QTest::addColumn<int>("fixe");
        QTest::newRow("selectie de coloana") << 0 << 3 << 0;
        QTest::newRow("cat toate") << 3 << 3 << 1;
        QTest::newRow("mai multe") << 5 << 3 << 1;
        QTest::newRow("o coloana") << 1 << 1 << 0;
        QTest::newRow("doua din trei") << 2 << 3 << 2;
    }
    void coloaneFixe() {
        QFETCH(int, nrFixe);
        QFETCH(int, coloane);
        QFETCH(int, fixe);
        Grila g({}, 3);
        g.g->SetNrColoaneFixe(nrFixe);
        for (int i = 0; i < coloane; ++i)
            g.g->Coloane.Add();
        QCOMPARE(g.g->FixedCols(), fixe);
        QCOMPARE(g.g->FixedRows(), 1);
    }

    // The cell the mouse left fades in five ticks, then leaves the hot list and the tick stops.
    void estompare() {
        Grila g({Tip::atString, Tip::atString, Tip::atString});
        g.tip = Tip::atString;
        const QColor fundal = g.pixel(2, 3);
        g.mouseLa(1, 3);
        QVERIFY(g.g->TickActiv());
        QCOMPARE(g.g->CeluleFierbinti().size(), size_t(1));
        QVERIFY(g.pixel(1, 3) != fundal);
        g.mouseLa(2, 5);
        QList<int> niveluri;
        for (int i = 0; i < 5; ++i) {
            g.g->Tick();
            niveluri << (g.g->CeluleFierbinti().front().Coloana == 1 ? g.g->CeluleFierbinti().front().Nivel
                                                                     : 0);
        }
        QCOMPARE(niveluri, (QList<int>{8, 6, 4, 2, 0}));
        QCOMPARE(g.g->CeluleFierbinti().size(), size_t(1));
        QCOMPARE(g.pixel(1, 3), fundal);
        QCOMPARE(g.g->CeluleFierbinti().front().Nivel, 10);
        g.g->viewport()->setAttribute(Qt::WA_UnderMouse, false);
        QEvent iesire(QEvent::Leave);
        QApplication::sendEvent(g.g->viewport(), &iesire);
        for (int i = 0; i < 5; ++i)
            g.g->Tick();
        QVERIFY(g.g->CeluleFierbinti().empty());
        QVERIFY(!g.g->TickActiv());
    }

    // Style fallback, line colour override and the current cell's highlight, as painted.
    void culoriCelule() {
        Grila g({Tip::atString, Tip::atString, Tip::atString});
        g.tip = Tip::atString;
        g.valoare = QString();
        TKivVirtualGridColumn* c = g.g->Coloane[2];
        c->Stil(2).Activ = true;
        c->Stil(2).CuloareBackgroundNormal = clRed;
        g.g->Linii[4]->SetStil(5);
        g.g->Linii[6]->CuloareFundal = clBlue;
        g.g->SetCol(2);
        g.g->SetRow(2);
        QCOMPARE(g.pixel(2, 5), QColor(Qt::red));
        QCOMPARE(g.pixel(2, 4), CuloareInQColor(clWindow));
        QCOMPARE(g.pixel(2, 7), QColor(Qt::blue));
        QCOMPARE(g.pixel(2, 2), CuloareInQColor(clHighlight));
        QCOMPARE(g.pixel(1, 2), CuloareInQColor(clWindow));
        g.g->SetOptiuni(TKivGridOption::goSelectezLinia);
        QCOMPARE(g.pixel(1, 2), CuloareInQColor(clHighlight));
    }

    void textRepetat_data() {
        QTest::addColumn<int>("aliniere");
        QTest::addColumn<QString>("text");
        QTest::newRow("stanga") << int(Qt::AlignLeft) << "30.06.2026";
        QTest::newRow("dreapta") << int(Qt::AlignRight) << "9,50";
        QTest::newRow("centru") << int(Qt::AlignHCenter) << "tiparit";
        QTest::newRow("mai lat decat celula") << int(Qt::AlignRight) << "Tehnician in informatica si ceva";
    }
    // A text seen again is drawn from its kept shape, to the same pixels and within its cell.
    void textRepetat() {
        QFETCH(int, aliniere);
        QFETCH(QString, text);
        Grila g({Tip::atString, Tip::atString, Tip::atString});
        g.g->Coloane[1]->Stil(1).Aliniere = Qt::Alignment(aliniere);
        g.tip = Tip::atString;
        g.valoare = text;
        const QImage prima = g.g->viewport()->grab().toImage();
        QCOMPARE(g.g->viewport()->grab().toImage(), prima);
    }

    // A failing cell shows its error in place; the other columns paint as usual.
    void eroareLaDesenareOpresteDoarCelula() {
        Grila g({Tip::atString, Tip::atInteger});
        g.tip = Tip::atString;
        g.valoare = QStringLiteral("                    ");
        const QImage img = g.g->viewport()->grab().toImage();
        const QRect gresita = g.g->CellRect(1, 1);
        bool rosu = false;
        for (int x = gresita.left(); x < gresita.right(); ++x)
            for (int y = gresita.top(); y < gresita.bottom(); ++y)
                rosu = rosu || img.pixelColor(x, y) == QColor(Qt::red);
        QVERIFY(rosu);
        QVERIFY(mediu->dialoguri().mesaje.empty());
    }

    // A band shared by neighbouring columns has its separator only at the group's outer edge.
    void benziDeGrup() {
        Grila g({Tip::atString, Tip::atString, Tip::atString, Tip::atString});
        for (int c = 1; c <= 3; ++c)
            g.g->Coloane[c]->SetUmbrela1(c < 3 ? QStringLiteral("Elev") : QStringLiteral("x|Elev"));
        g.g->Coloane[3]->SetCuloareUmbrela(1, clRed);
        const QImage img = g.g->viewport()->grab().toImage();
        const auto la = [&](int c, int dx) { return img.pixelColor(g.g->CellRect(c, 0).right() + dx, 1); };
        QCOMPARE(la(1, 0), CuloareInQColor(14482163));
        QCOMPARE(la(2, 0), CuloareInQColor(clBtnShadow));
        QCOMPARE(la(3, -3), QColor(Qt::red));
    }

    void titluImpachetat() {
        Grila g({Tip::atString, Tip::atString});
        g.g->Coloane[1]->SetNumeColoana(QStringLiteral("Numele si prenumele elevului"));
        const QStringList randuri = g.g->RanduriTitlu(1);
        QVERIFY(randuri.size() >= 2);
        const QFontMetrics fm(TKivVirtualGrid::FontTitlu(*g.g->Coloane[1]));
        for (const QString& r : randuri)
            QVERIFY(fm.horizontalAdvance(r) <= 100 - 7 || !r.contains(u' '));
        QCOMPARE(randuri.join(u' '), QStringLiteral("Numele si prenumele elevului"));
        g.g->Coloane[1]->SetNumeColoana(QStringLiteral("Supercalifragilisticexpialidociousness"));
        QCOMPARE(g.g->RanduriTitlu(1).size(), 1);
    }

    void enterRefuzat() {
        Grila g({Tip::atString, Tip::atCurrency});
        g.tip = Tip::atCurrency;
        g.valoare = QVariant::fromValue(Currency::dinIntreg(3));
        g.g->OnPotEdita = [](TKivVirtualGridLine*, int, bool& poate) { poate = false; };
        QTest::keyClick(g.g.get(), Qt::Key_Return);
        QVERIFY(mediu->dialoguri().mesaje.empty());
    }

    void editare_data() {
        QTest::addColumn<Tip>("tip");
        QTest::addColumn<QVariant>("valoare");
        QTest::addColumn<QString>("tasta");
        QTest::addColumn<QString>("inEditor");
        QTest::addColumn<QString>("scris");
        QTest::addColumn<QVariant>("nou");
        QTest::newRow("suma") << Tip::atCurrency << QVariant::fromValue(Currency::dinZeciMii(123456)) << ""
                              << "12,34"
                              << "7,5" << QVariant::fromValue(Currency::dinZeciMii(75000));
        QTest::newRow("sutimi cu cifra") << Tip::atIntegerDouaZecimale << QVariant(963) << "7"
                                         << "7"
                                         << "" << QVariant(700);
        QTest::newRow("litera pe numar") << Tip::atInteger << QVariant(42) << "a"
                                         << "42"
                                         << "" << QVariant(42);
        QTest::newRow("text cu litera") << Tip::atString << QVariant("Ion") << "m"
                                        << "m"
                                        << "aria" << QVariant("maria");
    }
    void editare() {
        QFETCH(Tip, tip);
        QFETCH(QVariant, valoare);
        QFETCH(QString, tasta);
        QFETCH(QString, inEditor);
        QFETCH(QString, scris);
        QFETCH(QVariant, nou);
        Grila g({Tip::atString, tip});
        g.tip = tip;
        g.valoare = valoare;
        TKivValoareDate primit;
        g.g->OnSetCellValue = [&](TKivVirtualGridLine* obj, int c, const TKivValoareDate& v) {
            QCOMPARE(obj, g.g->Linii[0]);
            QCOMPARE(c, 1);
            primit = v;
        };
        const bool cuCaracter = tasta.size() == 1 && (tip == Tip::atString || tasta[0].isDigit());
        QString vazut;
        int selectie = -1, caret = -1;
        mediu->dialoguri().ferestre.push_back([&](QDialog& d) -> int {
            auto* edit = static_cast<TKivCustomTextEdit*>(static_cast<TKivVGridEditorForm&>(d).EditorActiv());
            vazut = edit->Text();
            selectie = edit->Selectie();
            caret = edit->Caret();
            if (!scris.isEmpty()) {
                if (!cuCaracter) edit->SetText(QString());
                edit->SetText(edit->Text() + scris);
            }
            QTest::keyClick(edit, Qt::Key_Return);
            return d.result();
        });
        if (tasta.isEmpty())
            QTest::keyClick(g.g.get(), Qt::Key_Return);
        else
            QTest::keyClicks(g.g.get(), tasta);
        QCOMPARE(vazut, inEditor);
        QCOMPARE(selectie, cuCaracter ? 0 : int(inEditor.size()));
        QCOMPARE(caret, cuCaracter ? 2 : 1);
        QCOMPARE(primit.Tip(), tip);
        QCOMPARE(primit.Valoare(), nou);
        QVERIFY(g.g->hasFocus());
    }

    void editorFaraControl() {
        TKivVGridEditorForm f;
        TKivValoareDate v;
        try {
            f.Pregateste(v, {}, {}, 20, 100);
            QFAIL("fara eroare");
        } catch (const Eroare& e) {
            QCOMPARE(e.text(), QStringLiteral("Nu cunosc tipul"));
        }
    }
};

QTEST_MAIN(TestKivVirtualGrid)
#include "tst_KivVirtualGrid.moc"
