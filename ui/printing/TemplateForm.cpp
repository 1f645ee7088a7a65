#include "printing/TemplateForm.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>

TTemplate::TTemplate(QWidget* owner) : QDialog(owner) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    setFont(font);
    FormCreate();
}

QPoint TTemplate::ColtCentrat(const QSize& fereastra, const QRect& zonaLucru) {
    return {zonaLucru.left() + (zonaLucru.width() - fereastra.width()) / 2,
            zonaLucru.top() + (zonaLucru.height() - fereastra.height()) / 2};
}

void TTemplate::FormCreate() {
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ColtCentrat(size(), ecran->availableGeometry()));
}
