#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>

// A picture drawn from its vector form at the size it is shown, over the given background.
QPixmap DesenSvg(const QString& fisier, QSize marime, QColor fond = Qt::transparent);
