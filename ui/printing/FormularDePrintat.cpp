#include "printing/FormularDePrintat.h"

#include "printing/RandarePagina.h"

#include <QPaintEvent>
#include <QPainter>
#include <QSet>
#include <algorithm>
#include <climits>
#include <cmath>

namespace {
const QString prefixZona = QStringLiteral("FormularTextArea");

} // namespace

TFormularDePrintat::TFormularDePrintat(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    UpdatePageSize();
}

void TFormularDePrintat::setZoom(double zoom) {
    if (std::isnan(zoom)) return;
    zoom = std::clamp(zoom, ZoomMinim, ZoomMaxim);
    if (zoom == zoom_) return;
    zoom_ = zoom;
    UpdatePageSize();
    for (TFormularTextArea* zona : zone())
        zona->ZoomChanged();
    update();
}

void TFormularDePrintat::setLatime(double mm) {
    latime_ = mm;
    UpdatePageSize();
}

void TFormularDePrintat::setInaltime(double mm) {
    inaltime_ = mm;
    UpdatePageSize();
}

void TFormularDePrintat::setBkImage(const QImage& imagine) {
    cache_ = QPixmap();
    bkImage_ = imagine;
    update();
}

void TFormularDePrintat::UpdatePageSize() {
    const QSize marime(MmToPixels(latime_, rezolutie()), MmToPixels(inaltime_, rezolutie()));
    if (marime != minimumSize() || marime != maximumSize()) setFixedSize(marime);
    if (size() != marime) resize(marime);
}

void TFormularDePrintat::resizeEvent(QResizeEvent* e) {
    UpdatePageSize();
    QWidget::resizeEvent(e);
}

void TFormularDePrintat::deseneazaFundal(QPainter& p) const {
    DeseneazaFundal(p, bkImage_, size());
}

void TFormularDePrintat::reconstruiesteCache() {
    cache_ = QPixmap(size());
    cache_.fill(Qt::white);
    QPainter p(&cache_);
    deseneazaFundal(p);
}

void TFormularDePrintat::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    if (bkImage_.isNull()) {
        p.fillRect(e->rect(), Qt::white);
        return;
    }
    if (qint64(width()) * height() > PixeliCacheMaxim) {
        cache_ = QPixmap();
        p.fillRect(e->rect(), Qt::white);
        deseneazaFundal(p); // clipped to the exposed part
        return;
    }
    if (cache_.size() != size()) reconstruiesteCache();
    p.drawPixmap(e->rect(), cache_, e->rect());
}

QList<TFormularTextArea*> TFormularDePrintat::zone() const {
    return findChildren<TFormularTextArea*>(Qt::FindDirectChildrenOnly);
}

TFormularTextArea* TFormularDePrintat::TextAreaByNumber(int n) const {
    const QString nume = prefixZona + QString::number(n);
    for (QObject* copil : children())
        if (copil->isWidgetType() && copil->objectName() == nume)
            return qobject_cast<TFormularTextArea*>(copil);
    return nullptr;
}

int TFormularDePrintat::HighestTextAreaNumber() const {
    qint64 maxim = 0;
    for (QObject* copil : children()) {
        const QString nume = copil->objectName();
        if (!copil->isWidgetType() || nume.size() <= prefixZona.size() || !nume.startsWith(prefixZona))
            continue;
        QString cifre;
        for (QChar c : nume.mid(prefixZona.size()))
            if (c >= u'0' && c <= u'9') cifre += c;
        // A number too long for an int counts as the largest one.
        bool ok = false;
        const qint64 n = cifre.toLongLong(&ok);
        if (!cifre.isEmpty()) maxim = std::max(maxim, ok ? std::min<qint64>(n, INT_MAX) : INT_MAX);
    }
    return static_cast<int>(maxim);
}

void TFormularDePrintat::NumberTextAreas() {
    // The same areas as asking TextAreaByNumber for 1 .. HighestTextAreaNumber, in one pass:
    // the first child of each exact name, so a huge number in a name costs nothing.
    QSet<QString> vazute;
    for (QObject* copil : children()) {
        if (!copil->isWidgetType()) continue;
        const QString nume = copil->objectName();
        const int n = NumarExactArie(nume);
        if (n < 1 || vazute.contains(nume)) continue;
        vazute.insert(nume);
        if (auto* zona = qobject_cast<TFormularTextArea*>(copil))
            zona->setText(QStringLiteral("<%1>").arg(n));
    }
    setTextAreaTransparent(true);
    setZoom(100.0);
}

void TFormularDePrintat::PrintPage(bool rotate, double L, double T) {
    PrintPage(imprimanta(), rotate, L, T);
}

PaginaFormular TFormularDePrintat::Descriere() const {
    PaginaFormular d;
    d.numeFormular = window()->objectName();
    d.nume = objectName();
    d.latime = latime_;
    d.inaltime = inaltime_;
    d.deltaStanga = deltaStanga_;
    d.deltaSus = deltaSus_;
    for (const TFormularTextArea* zona : zone())
        d.arii.push_back(zona->Descriere());
    return d;
}

void TFormularDePrintat::PrintPage(Imprimanta& dispozitiv, bool rotate, double L, double T) {
    ::PrintPage(Descriere(), dispozitiv, rotate, L, T);
}

void TFormularDePrintat::terminaIncarcarea() {
    seIncarca_ = false;
    for (TFormularTextArea* zona : zone())
        zona->acceptaLimiteleActuale();
}
