#include "printing/QFormularTextArea.h"

#include "platform/ImprimantaFont.h"
#include "platform/NumarExtins.h"
#include "printing/FontFormular.h"
#include "printing/FormularDePrintat.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
CautareAjustare& cautareInstalata() {
    static CautareAjustare cautare;
    return cautare;
}

// Sets a flag for the life of the object, so it is cleared also when a step fails.
class Stegulet {
public:
    explicit Stegulet(bool& steag) : steag_(steag) { steag_ = true; }
    ~Stegulet() { steag_ = false; }
    Stegulet(const Stegulet&) = delete;
    Stegulet& operator=(const Stegulet&) = delete;

private:
    bool& steag_;
};

// Rounding to nearest with halves to the even neighbour, in the extended format on every compiler.
NumarExtins E(double v) {
    return NumarExtins::din(v);
}
int N(NumarExtins v) {
    return v.rotunjit();
}

int pozitieOrizontala(TFormularTextArea::TAlignment aliniere, int stanga, int latime, int latimeText) {
    switch (aliniere) {
    case TFormularTextArea::taRightJustify:
        return stanga + latime - latimeText;
    case TFormularTextArea::taCenter:
        return stanga + (latime - latimeText) / 2;
    case TFormularTextArea::taLeftJustify:
        break;
    }
    return stanga;
}
} // namespace

std::optional<TAjustareTextArea> FindCustomisation(const TFormularTextArea& zona) {
    if (!cautareInstalata()) return std::nullopt;
    return cautareInstalata()(zona);
}

void instaleazaCautareAjustare(CautareAjustare cautare) {
    cautareInstalata() = std::move(cautare);
}

struct TFormularTextArea::Stil {
    QString text;
    TFontFormular* font = nullptr;
    TAlignment aliniere = taLeftJustify;
    int greutate = 400;
    bool italic = false;
    QString nume;
    double nudgeX = 0.0, nudgeY = 0.0;

    CerereFont cerere(int inaltime, int inclinare = 0) const {
        return {nume, inaltime, greutate, italic, font ? font->CharSet() : 238, inclinare};
    }
};

TFormularTextArea::TFormularTextArea(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
    limiteCunoscute_ = geometry();
}

TFormularTextArea::~TFormularTextArea() {
    if (font_) font_->scoateZona(this);
}

void TFormularTextArea::set_Top(double mm) {
    if (!fisSizing_) top_ = mm;
}

void TFormularTextArea::set_Left(double mm) {
    if (!fisSizing_) left_ = mm;
}

void TFormularTextArea::set_Width(double mm) {
    if (!fisSizing_) width_ = mm;
}

void TFormularTextArea::set_Height(double mm) {
    if (!fisSizing_) height_ = mm;
}

void TFormularTextArea::setText(const QString& text) {
    text_ = text;
    update();
}

void TFormularTextArea::setFontFormular(TFontFormular* font) {
    if (font_) font_->scoateZona(this);
    font_ = font;
    if (font_) font_->adaugaZona(this);
    update();
}

TFormularDePrintat* TFormularTextArea::pagina() const {
    return qobject_cast<TFormularDePrintat*>(parentWidget());
}

double TFormularTextArea::p_zoom() const {
    return pagina() ? pagina()->Zoom() : 100.0;
}

void TFormularTextArea::setP_zoom(double zoom) {
    if (pagina()) pagina()->setZoom(zoom);
}

double TFormularTextArea::p_dpi() const {
    return pagina() ? pagina()->rezolutie() : 96.0;
}

bool TFormularTextArea::seIncarca() const {
    return pagina() && pagina()->seIncarca();
}

void TFormularTextArea::ApplyGeometry() {
    const Stegulet zooming(fisZooming_);
    const double dpi = p_dpi();
    setGeometry(MmToPixels(left_, dpi), MmToPixels(top_, dpi), MmToPixels(width_, dpi),
                MmToPixels(height_, dpi));
    limiteCunoscute_ = geometry();
}

void TFormularTextArea::preiaMilimetriiDinPixeli() {
    {
        const Stegulet sizing(fisSizing_);
        const double dpi = p_dpi();
        top_ = PixelsToMm(y(), dpi);
        left_ = PixelsToMm(x(), dpi);
        width_ = PixelsToMm(width(), dpi);
        height_ = PixelsToMm(height(), dpi);
    }
    zoomLock_ = p_zoom();
    limiteCunoscute_ = geometry();
}

void TFormularTextArea::limiteSchimbate() {
    if (geometry() == limiteCunoscute_) return;
    if (fisZooming_ || seIncarca())
        limiteCunoscute_ = geometry();
    else if (p_zoom() != zoomLock_ && zoomLock_ != 0.0)
        ApplyGeometry();
    else
        preiaMilimetriiDinPixeli();
    update();
}

bool TFormularTextArea::event(QEvent* e) {
    if (e->type() == QEvent::Resize || e->type() == QEvent::Move) limiteSchimbate();
    return QWidget::event(e);
}

QString TFormularTextArea::EffectiveText() const {
    const auto ajustare = FindCustomisation(*this);
    if (ajustare && !ajustare->TextRedefinit.isEmpty() && text_.size() != 1) return ajustare->TextRedefinit;
    return text_;
}

TFormularTextArea::Stil
TFormularTextArea::stilEfectiv(const std::optional<TAjustareTextArea>& ajustare) const {
    Stil stil;
    stil.text = text_;
    stil.font = font_;
    stil.aliniere = alignment_;
    if (ajustare) {
        if (!ajustare->TextRedefinit.isEmpty() && text_.size() != 1) stil.text = ajustare->TextRedefinit;
        if (ajustare->Font) stil.font = ajustare->Font;
        if (ajustare->Aliniere == 1) stil.aliniere = taLeftJustify;
        if (ajustare->Aliniere == 2) stil.aliniere = taCenter;
        if (ajustare->Aliniere == 3) stil.aliniere = taRightJustify;
        stil.nudgeX = ajustare->DeplasareOrizontala * 0.5;
        stil.nudgeY = ajustare->DeplasareVerticala * 0.5;
    }
    if (!stil.font) return stil;
    stil.greutate = stil.font->Bold() ? 700 : 400;
    stil.italic = stil.font->Italic();
    stil.nume = stil.font->FontName();
    if (ajustare) {
        if (ajustare->StilBold == 1) stil.greutate = 700;
        if (ajustare->StilBold == 2) stil.greutate = 400;
        if (ajustare->StilItalic == 1) stil.italic = true;
        if (ajustare->StilItalic == 2) stil.italic = false;
        if (!ajustare->FontSpecificat.isEmpty()) stil.nume = ajustare->FontSpecificat;
    }
    return stil;
}

void TFormularTextArea::FontChanged() {
    update();
}

void TFormularTextArea::FontReleased() {
    font_ = nullptr;
}

void TFormularTextArea::ZoomChanged() {
    ApplyGeometry();
    update();
}

void TFormularTextArea::setMouseOver(bool valoare) {
    if (mouseOver_ == valoare) return;
    mouseOver_ = valoare;
    update();
}

void TFormularTextArea::InregistreazaTopInitial() {
    if (topInitialInregistrat_) return;
    topInitial_ = top_;
    leftInitial_ = left_;
    widthInitial_ = width_;
    topInitialInregistrat_ = true;
}

void TFormularTextArea::enterEvent(QEnterEvent* e) {
    setMouseOver(true);
    QWidget::enterEvent(e);
}

void TFormularTextArea::leaveEvent(QEvent* e) {
    setMouseOver(false);
    QWidget::leaveEvent(e);
}

void TFormularTextArea::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked(this);
    QWidget::mouseReleaseEvent(e);
}

void TFormularTextArea::paintEvent(QPaintEvent*) {
    const Stil stil = stilEfectiv(FindCustomisation(*this));
    const TFormularDePrintat* pag = pagina();
    QPainter p(this);
    const QRect client = rect();
    if (pag && !pag->TextAreaTransparent()) p.fillRect(client, Qt::white);
    if (mouseOver_) p.fillRect(client, palette().color(QPalette::Highlight));

    QFontMetrics metrici(QWidget::font());
    bool cuFont = false;
    if (stil.font) {
        // Shrink one pixel at a time until the text fits; never below 2.
        int h = std::max(1, MmToPixels(stil.font->Size(), p_dpi()));
        QFont font;
        for (;;) {
            font = fontDupaCelula(stil.cerere(h), this);
            metrici = QFontMetrics(font, this);
            inaltimeFontEcran_ = h;
            if (metrici.horizontalAdvance(stil.text) <= width()) break;
            if (--h < 2) break;
        }
        cuFont = true;
        const int latimeText = metrici.horizontalAdvance(stil.text);
        const int y = height() - (metrici.ascent() + metrici.descent());
        const int x = pozitieOrizontala(stil.aliniere, 0, width(), latimeText);
        p.setFont(font);
        p.setPen(mouseOver_ ? palette().color(QPalette::HighlightedText) : QColor(Qt::black));
        p.setClipRect(client);
        p.drawText(QPoint(x, y + metrici.ascent()), stil.text);
        p.setClipping(false);
    }
    p.setPen(Qt::black);
    if (pag && pag->TextAreaWithBorder())
        p.drawPolyline(
            QPolygon({{0, 0}, {width() - 1, 0}, {width() - 1, height() - 1}, {0, height() - 1}, {0, 0}}));
    if (!pag) return;

    // Guide lines: the base line and a second one a delta below it; the cell's top and a
    // second one a delta below that.
    const int descent = cuFont ? metrici.descent() : 0;
    const int celula = cuFont ? metrici.ascent() + metrici.descent() : 0;
    const int bazaY = height() - descent;
    const int susY = height() - celula;
    const auto linie = [&](bool arata, int y, const QColor& culoare) {
        if (!arata) return;
        p.setPen(culoare);
        p.drawLine(width() - 1, y, 0, y);
    };
    linie(pag->TextAreaBaseLine1(), bazaY, pag->TextAreaBaseLine1_color());
    linie(pag->TextAreaBaseLine2(), bazaY + MmToPixels(pag->TextAreaBaseLine2_delta(), p_dpi()),
          pag->TextAreaBaseLine2_color());
    linie(pag->TextAreaTopLine1(), susY + MmToPixels(pag->TextAreaTopLine1_delta(), p_dpi()),
          pag->TextAreaTopLine1_color());
    linie(pag->TextAreaTopLine2(), susY, pag->TextAreaTopLine2_color());
}

DreptunghiTiparire TFormularTextArea::ComputePrintRect(const ZonaTiparibila& zona, const PaginaFizica& pagina,
                                                       double L, double T, double nudgeX,
                                                       double nudgeY) const {
    const NumarExtins kx = NumarExtins::din(std::int64_t(zona.horzRes)) / E(zona.horzSize);
    const NumarExtins ky = NumarExtins::din(std::int64_t(zona.vertRes)) / E(zona.vertSize);
    const NumarExtins x = E(left_) + E(L) + E(nudgeX);
    const NumarExtins y = E(top_) + E(T) + E(nudgeY);
    DreptunghiTiparire r;
    r.left = N(x * kx) - pagina.offsetX;
    r.top = N(y * ky) - pagina.offsetY;
    r.right = r.left + N(E(width_) * kx);
    r.bottom = r.top + N(E(height_) * ky);
    return r;
}

void TFormularTextArea::PrintArea(Imprimanta& dispozitiv, bool rotate, double L, double T) {
    const Stil stil = stilEfectiv(FindCustomisation(*this));
    if (!stil.font) return;
    const ZonaTiparibila zona = dispozitiv.zonaTiparibila();
    const PaginaFizica pagina = dispozitiv.paginaFizica();
    const DreptunghiTiparire r = ComputePrintRect(zona, pagina, L, T, stil.nudgeX, stil.nudgeY);

    // Font heights take the sheet as 210 mm high; never taller than the area, never 0 (which
    // would ask the system for its default size).
    const double dpiY = static_cast<double>(pagina.inaltime / 8.267716535433071L);
    int h =
        std::max(1, std::min(std::max(1, MmToPixels(stil.font->Size(), dpiY)), MmToPixels(height_, dpiY)));
    QSize masura;
    for (;;) {
        dispozitiv.creeazaFont(stil.cerere(h, rotate ? 1800 : 0));
        masura = dispozitiv.masoaraText(stil.text);
        if (masura.width() <= r.w()) break;
        if (--h < 2) break;
    }

    QPoint origine(pozitieOrizontala(stil.aliniere, r.left, r.w(), masura.width()),
                   r.top + r.hgt() - masura.height());
    QRect taiere(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
    if (rotate) {
        // A half turn about the sheet's centre, in printable-area coordinates.
        const int sumaX = pagina.latime - 2 * pagina.offsetX;
        const int sumaY = pagina.inaltime - 2 * pagina.offsetY;
        origine = QPoint(sumaX - origine.x(), sumaY - origine.y());
        taiere =
            QRect(QPoint(sumaX - r.right, sumaY - r.bottom), QPoint(sumaX - r.left - 1, sumaY - r.top - 1));
    }
    dispozitiv.scrieText(origine, taiere, stil.text);
}
