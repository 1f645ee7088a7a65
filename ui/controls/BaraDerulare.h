#pragma once

#include <QScrollBar>

// The grids' scroll bar: the style's geometry and behaviour, drawn with flat fills. The style's
// own gradients are filled in slices on Qt's worker threads, and handing a tall bar to them costs
// more than the grid's whole page of cells.
class TBaraDerulare : public QScrollBar {
public:
    TBaraDerulare(Qt::Orientation orientare, QWidget* parinte);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void deseneazaButon(QPainter& p, const QStyleOptionSlider& o, QStyle::SubControl buton) const;
    void deseneazaCursor(QPainter& p, const QStyleOptionSlider& o) const;
};
