#include "controls/DesenSvg.h"

#include <QPainter>
#include <QSvgRenderer>

QPixmap DesenSvg(const QString& fisier, QSize marime, QColor fond) {
    QPixmap pixmap(marime);
    pixmap.fill(fond);
    QSvgRenderer svg(fisier);
    QPainter p(&pixmap);
    svg.render(&p);
    return pixmap;
}
