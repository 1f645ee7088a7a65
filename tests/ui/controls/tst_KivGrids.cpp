#include "MediuTest.h"
#include "controls/KivGrids.h"
#include "controls/UKivMouse.h"

#include <QScrollBar>
#include <QtTest>
#include <memory>

namespace {

// A shown draw grid of rows x columns cells, 20 pixels high and 50 wide, in a 300 x 200 viewport.
std::unique_ptr<TKivCustomDrawGrid> grila(int randuri, int coloane) {
    auto g = std::make_unique<TKivCustomDrawGrid>();
    g->SetRowCount(randuri);
    g->SetColCount(coloane);
    g->SetDefaultRowHeight(20);
    g->SetDefaultColWidth(50);
    g->show();
    g->resize(g->size() + QSize(300, 200) - g->viewport()->size());
    QApplication::setActiveWindow(g.get());
    g->setFocus();
    return g;
}

void apasa(QWidget* w, Qt::Key tasta, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QTest::keyClick(w, tasta, mod);
}

} // namespace

class TestKivGrids : public QObject {
    Q_OBJECT
    std::unique_ptr<MediuTest> mediu;

private slots:
    void init() { mediu = std::make_unique<MediuTest>(); }
    void cleanup() { mediu.reset(); }

    void implicite() {
        TKivCustomDrawGrid g;
        QCOMPARE(g.ColCount(), 5);
        QCOMPARE(g.RowCount(), 5);
        QCOMPARE(g.FixedCols(), 1);
        QCOMPARE(g.FixedRows(), 1);
        QCOMPARE(g.ColWidths(4), 64);
        QCOMPARE(g.RowHeights(4), 24);
        QCOMPARE(g.Col(), 1);
        QCOMPARE(g.Row(), 1);
        QVERIFY(g.Options().testFlag(TGridOption::goRangeSelect));
        QVERIFY(!g.Options().testFlag(TGridOption::goEditing));
    }

    // Rows 5 to 10 have no height: a step down from row 4 lands on 11, and no step or page
    // goes past the last row that can be the top one.
    void derulareCuRanduriAscunse() {
        auto g = grila(100, 3);
        for (int r = 5; r <= 10; ++r)
            g->SetRowHeights(r, 0);
        g->SetTopRow(4);
        g->ScrollRows(1);
        QCOMPARE(g->TopRow(), 11);
        g->ScrollRows(-1);
        QCOMPARE(g->TopRow(), 4);
        g->SetTopRow(7);
        QCOMPARE(g->TopRow(), 11);

        g->ScrollRows(1000);
        const int maxim = g->TopRow();
        QCOMPARE(maxim, g->MaxTopRow());
        const QRect ultimul = g->CellRect(1, 99);
        QVERIFY(!ultimul.isEmpty());
        QVERIFY(ultimul.bottom() < g->viewport()->height());
        QVERIFY(g->CellRect(1, maxim - 1).isEmpty());
        g->ScrollRowPage(1);
        QCOMPARE(g->TopRow(), maxim);
        g->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(g->TopRow(), maxim);

        g->SetTopRow(1);
        const int vizibile = g->VisibleRowCount();
        g->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(g->TopRow(), 1 + vizibile);
    }

    void celulaSubPunctDupaDerulare() {
        auto g = grila(50, 10);
        g->SetTopRow(20);
        g->SetLeftCol(3);
        const QRect d = g->CellRect(4, 22);
        QVERIFY(!d.isEmpty());
        QCOMPARE(g->MouseCoord(d.center().x(), d.center().y()), (TGridCoord{4, 22}));
        QCOMPARE(g->MouseCoord(5, 5), (TGridCoord{0, 0}));
        QVERIFY(g->CellRect(2, 22).isEmpty());
    }

    void mutareRefuzata() {
        auto g = grila(10, 6);
        QList<QPoint> intrebate;
        g->OnSelectCell = [&](QObject* s, int c, int r, bool& poate) {
            QCOMPARE(s, g.get());
            intrebate << QPoint(c, r);
            poate = c != 2;
        };
        apasa(g.get(), Qt::Key_Right);
        QCOMPARE(g->Col(), 1);
        QCOMPARE(intrebate, QList<QPoint>{QPoint(2, 1)});
        apasa(g.get(), Qt::Key_Down);
        QCOMPARE((TGridCoord{g->Col(), g->Row()}), (TGridCoord{1, 2}));
        const QRect d = g->CellRect(3, 4);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, d.center());
        QCOMPARE((TGridCoord{g->Col(), g->Row()}), (TGridCoord{3, 4}));
    }

    // One wide column scrolls by pixels: the end key goes to the width less the client width.
    void oColoanaDeruleazaPePixeli() {
        auto g = grila(5, 1);
        QCOMPARE(g->FixedCols(), 0);
        g->SetColWidths(0, 1000);
        apasa(g.get(), Qt::Key_End);
        QCOMPARE(g->OffsetOrizontal(), 1000 - g->viewport()->width());
        QCOMPARE(g->CellRect(0, 1).left(), -g->OffsetOrizontal());
        g->SetOffsetOrizontal(5000);
        QCOMPARE(g->OffsetOrizontal(), 1000 - g->viewport()->width());
        apasa(g.get(), Qt::Key_Home);
        QCOMPARE(g->OffsetOrizontal(), 0);
        g->horizontalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(g->OffsetOrizontal(), g->viewport()->width());
    }

    void redimensionareColoana() {
        auto g = grila(5, 4);
        g->SetOptions(g->Options() | TGridOption::goColSizing);
        const QRect d = g->CellRect(1, 0);
        const QPoint margine(d.right() + 1, d.center().y());
        QTest::mousePress(g->viewport(), Qt::LeftButton, {}, margine);
        QMouseEvent mutare(QEvent::MouseMove, QPointF(margine + QPoint(30, 0)),
                           g->viewport()->mapToGlobal(QPointF(margine + QPoint(30, 0))), Qt::NoButton,
                           Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(g->viewport(), &mutare);
        QTest::mouseRelease(g->viewport(), Qt::LeftButton, {}, margine + QPoint(30, 0));
        QCOMPARE(g->ColWidths(1), 80);
        QCOMPARE((TGridCoord{g->Col(), g->Row()}), (TGridCoord{1, 1}));
    }

    // The in-place numeric editor: keys that move go to the grid, the text goes back on leaving.
    void editorInLoc() {
        auto g = grila(10, 4);
        g->SetOptions(g->Options() | TGridOption::goEditing);
        QHash<QPoint, QString> scrise;
        g->OnGetEditText = [](QObject*, int, int, QString& v) { v = QStringLiteral("12"); };
        g->OnSetEditText = [&](QObject*, int c, int r, const QString& v) { scrise[QPoint(c, r)] = v; };
        apasa(g.get(), Qt::Key_F2);
        QVERIFY(g->EditorMode());
        auto* edit = g->InplaceEditor()->Edit();
        QCOMPARE(edit->Text(), QStringLiteral("12"));
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClicks(edit, "3a");
        QCOMPARE(edit->Text(), QStringLiteral("123"));
        QTest::keyClick(edit, Qt::Key_Down);
        QVERIFY(!g->EditorMode());
        QCOMPARE(g->Row(), 2);
        QCOMPARE(scrise.value(QPoint(1, 1)), QStringLiteral("123"));

        apasa(g.get(), Qt::Key_F2);
        QTest::keyClick(g->InplaceEditor()->Edit(), Qt::Key_Escape);
        QVERIFY(!g->EditorMode());
        QVERIFY(!scrise.contains(QPoint(1, 2)));
    }
};

QTEST_MAIN(TestKivGrids)
#include "tst_KivGrids.moc"
