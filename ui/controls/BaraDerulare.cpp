#include "controls/BaraDerulare.h"

#include <QPainter>
#include <QStyleOptionSlider>

TBaraDerulare::TBaraDerulare(Qt::Orientation orientare, QWidget* parinte) : QScrollBar(orientare, parinte) {}

namespace {

bool apasat(const QStyleOptionSlider& o, QStyle::SubControl parte) {
    return (o.activeSubControls & parte) && (o.state & QStyle::State_Sunken);
}

bool subMouse(const QStyleOptionSlider& o, QStyle::SubControl parte) {
    return (o.activeSubControls & parte) && (o.state & QStyle::State_MouseOver);
}

// A button's or the handle's face: darker while pressed, lighter under the mouse.
QColor fata(const QPalette& paleta, bool esteApasat, bool esteSubMouse) {
    const QColor buton = paleta.color(QPalette::Button);
    return esteApasat ? buton.darker(120) : esteSubMouse ? buton.lighter(106) : buton;
}

} // namespace

void TBaraDerulare::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionSlider o;
    initStyleOption(&o);
    p.fillRect(rect(), palette().color(QPalette::Window).darker(106));
    deseneazaButon(p, o, QStyle::SC_ScrollBarSubLine);
    deseneazaButon(p, o, QStyle::SC_ScrollBarAddLine);
    if (minimum() < maximum()) deseneazaCursor(p, o);
}

void TBaraDerulare::deseneazaButon(QPainter& p, const QStyleOptionSlider& o, QStyle::SubControl buton) const {
    const QRect r = style()->subControlRect(QStyle::CC_ScrollBar, &o, buton, this);
    if (r.isEmpty()) return;
    p.fillRect(r, fata(palette(), apasat(o, buton), subMouse(o, buton)));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const bool inapoi = buton == QStyle::SC_ScrollBarSubLine;
    const QStyle::PrimitiveElement sageata =
        orientation() == Qt::Vertical
            ? (inapoi ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown)
            : (inapoi ? QStyle::PE_IndicatorArrowLeft : QStyle::PE_IndicatorArrowRight);
    QStyleOption s = o;
    s.rect = r.adjusted(2, 2, -2, -2);
    // At the end of its travel a button has nothing left to do.
    const bool laCapat = inapoi ? value() == minimum() : value() == maximum();
    if (laCapat || !isEnabled()) s.state &= ~QStyle::State_Enabled;
    style()->drawPrimitive(sageata, &s, &p, this);
}

void TBaraDerulare::deseneazaCursor(QPainter& p, const QStyleOptionSlider& o) const {
    const QRect r = style()->subControlRect(QStyle::CC_ScrollBar, &o, QStyle::SC_ScrollBarSlider, this);
    if (r.isEmpty()) return;
    const QRect fataCursor =
        orientation() == Qt::Vertical ? r.adjusted(1, 0, -2, -1) : r.adjusted(0, 1, -1, -2);
    p.fillRect(fataCursor, fata(palette(), apasat(o, QStyle::SC_ScrollBarSlider),
                                subMouse(o, QStyle::SC_ScrollBarSlider)));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(fataCursor);
}
