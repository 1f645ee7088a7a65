#include "platform/ImprimantaPdf.h"

#include "platform/Cai.h"
#include "platform/Eroare.h"
#include "platform/ImprimantaFont.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgRenderer>

void ScrisPeDispozitiv::uita() {
    metrica_ = nullptr;
    metrici_.clear();
}

void ScrisPeDispozitiv::creeazaFont(const CerereFont& cerere, const QPaintDevice* dispozitiv,
                                    QPainter& painter) {
    font_ = fontDupaCelula(cerere, dispozitiv);
    inclinare_ = cerere.inclinare;
    auto gasit = metrici_.find(font_.key());
    if (gasit == metrici_.end()) gasit = metrici_.emplace(font_.key(), QFontMetrics(font_, dispozitiv)).first;
    metrica_ = &gasit->second;
    if (painter.isActive()) painter.setFont(font_);
}

QFontMetrics ScrisPeDispozitiv::metrica(const QPaintDevice* dispozitiv) const {
    return metrica_ ? *metrica_ : QFontMetrics(font_, dispozitiv);
}

QSize ScrisPeDispozitiv::masoaraText(const QString& text, const QPaintDevice* dispozitiv) const {
    const QFontMetrics m = metrica(dispozitiv);
    return {m.horizontalAdvance(text), m.ascent() + m.descent()};
}

void ScrisPeDispozitiv::scrieText(QPainter& painter, QPoint punct, const QRect& taiere, const QString& text,
                                  const QPaintDevice* dispozitiv) const {
    if (!painter.isActive()) return;
    const QFontMetrics m = metrica(dispozitiv);
    painter.save();
    painter.setClipRect(taiere);
    painter.translate(punct);
    if (inclinare_ == 1800) painter.rotate(180.0);
    painter.drawText(QPoint(0, m.ascent()), text);
    painter.restore();
}

void ScrisPeDispozitiv::pregatestePagina(QPainter& painter, QPoint colt) const {
    painter.resetTransform();
    painter.translate(colt);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.setFont(font_);
}

ImprimantaPdf::ImprimantaPdf() = default;

ImprimantaPdf::~ImprimantaPdf() {
    terminaLucrare();
}

QString ImprimantaPdf::dosar() {
    return Cai::inDosarDate(QStringLiteral("PDF"));
}

void ImprimantaPdf::selecteaza(int index) {
    if (index != 0) throw Eroare::format("Imprimanta cu numarul %s nu exista.", {QString::number(index)});
}

void ImprimantaPdf::pregatesteSetari(const SetariDispozitiv& setari) {
    if (inLucru()) throw Eroare(QStringLiteral("Imprimanta nu poate fi schimbata in timpul tiparirii."));
    setari_ = setari;
    scris_.uita();
}

QPageLayout ImprimantaPdf::asezare() const {
    // A file has no hardware margins: the painter starts at the sheet's corner.
    return QPageLayout(QPageSize(QPageSize::A4), setari_.orientare, QMarginsF());
}

PaginaFizica ImprimantaPdf::paginaFizica() const {
    const QRect foaie = asezare().fullRectPixels(rezolutie);
    return {foaie.width(), foaie.height(), 0, 0};
}

ZonaTiparibila ImprimantaPdf::zonaTiparibila() const {
    const PaginaFizica pagina = paginaFizica();
    ZonaTiparibila zona;
    zona.horzRes = pagina.latime;
    zona.vertRes = pagina.inaltime;
    zona.horzSize = zona.horzRes * 25.4 / rezolutie;
    zona.vertSize = zona.vertRes * 25.4 / rezolutie;
    return zona;
}

QString ImprimantaPdf::fisierNou(const QString& titlu) const {
    QString baza = titlu.trimmed();
    baza.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]")), QStringLiteral("_"));
    if (baza.isEmpty()) baza = QStringLiteral("Tiparire");
    baza += QDateTime::currentDateTime().toString(QStringLiteral(" yyyy-MM-dd HH-mm-ss"));
    const QDir dosarPdf(dosar());
    QString cale = dosarPdf.filePath(baza + QStringLiteral(".pdf"));
    // Two jobs within one second keep both files.
    for (int n = 2; QFileInfo::exists(cale); ++n)
        cale = dosarPdf.filePath(QStringLiteral("%1 (%2).pdf").arg(baza).arg(n));
    return cale;
}

const QPaintDevice* ImprimantaPdf::dispozitivMasura() const {
    if (lucrare_) return lucrare_.get();
    if (!masura_) {
        masura_ = std::make_unique<QPdfWriter>(&nicaieri_);
        masura_->setResolution(rezolutie);
    }
    return masura_.get();
}

void ImprimantaPdf::incepeLucrare(const QString& titlu) {
    terminaLucrare();
    if (!QDir().mkpath(dosar()))
        throw Eroare::format("Nu pot crea dosarul \"%s\".", {QDir::toNativeSeparators(dosar())});
    const QString fisier = fisierNou(titlu);
    lucrare_ = std::make_unique<QPdfWriter>(fisier);
    lucrare_->setResolution(rezolutie);
    lucrare_->setPageLayout(asezare());
    lucrare_->setTitle(titlu);
    if (!painter_.begin(lucrare_.get())) {
        lucrare_.reset();
        QFile::remove(fisier);
        throw Eroare::format("Tiparirea \"%s\" nu a putut incepe pe imprimanta \"%s\".", {titlu, nume()});
    }
    scris_.pregatestePagina(painter_, {});
    ultimul_ = fisier;
    fisierInLucru_ = fisier;
}

void ImprimantaPdf::terminaLucrare() {
    if (painter_.isActive()) painter_.end();
    lucrare_.reset();
    fisierInLucru_.clear();
}

void ImprimantaPdf::paginaNoua() {
    if (!painter_.isActive()) return;
    if (!lucrare_->newPage())
        throw Eroare::format("Imprimanta \"%s\" nu a putut incepe o pagina noua.", {nume()});
    scris_.pregatestePagina(painter_, {});
}

void ImprimantaPdf::anuleazaLucrare() {
    if (!painter_.isActive()) return;
    painter_.end();
    lucrare_.reset();
    QFile::remove(fisierInLucru_);
    if (ultimul_ == fisierInLucru_) ultimul_.clear();
    fisierInLucru_.clear();
}

bool ImprimantaPdf::inLucru() const {
    return painter_.isActive();
}

void ImprimantaPdf::creeazaFont(const CerereFont& cerere) {
    scris_.creeazaFont(cerere, dispozitivMasura(), painter_);
}

QSize ImprimantaPdf::masoaraText(const QString& text) {
    return scris_.masoaraText(text, dispozitivMasura());
}

void ImprimantaPdf::scrieText(QPoint punct, const QRect& taiere, const QString& text) {
    scris_.scrieText(painter_, punct, taiere, text, dispozitivMasura());
}

void ImprimantaPdf::intindeImagine(QSvgRenderer& imagine, const QRect& dreptunghi) {
    if (!painter_.isActive()) return;
    imagine.render(&painter_, QRectF(dreptunghi));
}
