#include "platform/ImprimantaEcran.h"

#include "platform/ImprimantaFont.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QSvgRenderer>

namespace {
QFontMetrics metrici(const QFont& font, const QPaintDevice* dispozitiv) {
    // QPaintDevice is not const in QFontMetrics' constructor, though nothing is changed.
    return dispozitiv ? QFontMetrics(font, const_cast<QPaintDevice*>(dispozitiv)) : QFontMetrics(font);
}
} // namespace

ImprimantaEcran::ImprimantaEcran(QPainter& pictor, QSize marime, const QPaintDevice* metrica)
    : pictor_(pictor), marime_(marime), metrica_(metrica) {}

ZonaTiparibila ImprimantaEcran::zonaTiparibila() const {
    return {marime_.width(), marime_.height(), double(marime_.width()), double(marime_.height())};
}

PaginaFizica ImprimantaEcran::paginaFizica() const {
    return {marime_.width(), marime_.height(), 0, 0};
}

void ImprimantaEcran::creeazaFont(const CerereFont& cerere) {
    font_ = fontDupaCelula(cerere, metrica_);
    metrici_.emplace(metrici(font_, metrica_));
    inclinare_ = cerere.inclinare;
}

QSize ImprimantaEcran::masoaraText(const QString& text) {
    if (!metrici_) creeazaFont({});
    return {metrici_->horizontalAdvance(text), ascent() + descent()};
}

void ImprimantaEcran::scrieText(QPoint punct, const QRect& taiere, const QString& text) {
    pictor_.save();
    pictor_.setFont(font_);
    pictor_.setPen(culoare_);
    pictor_.setClipRect(taiere);
    pictor_.translate(punct);
    if (inclinare_ == 1800) pictor_.rotate(180.0);
    pictor_.drawText(QPoint(0, ascent()), text);
    pictor_.restore();
}

void ImprimantaEcran::intindeImagine(QSvgRenderer& imagine, const QRect& dreptunghi) {
    imagine.render(&pictor_, dreptunghi);
}
