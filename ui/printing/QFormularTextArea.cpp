#include "printing/QFormularTextArea.h"

#include "platform/ImprimantaEcran.h"
#include "printing/FontFormular.h"
#include "printing/FormularDePrintat.h"
#include "printing/RandarePagina.h"
#include "printing/UParticularizare.h"

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

bool apartine(const QObject* obiect, const QObject* fereastra) {
    for (; obiect; obiect = obiect->parent())
        if (obiect == fereastra) return true;
    return false;
}

// The window's component named by the record, when it is a font. The font found last time is
// taken again only while it still carries that name in that window; searching the window's
// components on every paint of every area would cost more than the paint.
TFontFormular* fontDinFereastra(const TFormularTextArea& zona, const TParticularizareTextArea& rec) {
    if (rec.NumeFont.isEmpty()) return nullptr;
    const QWidget* fereastra = zona.window();
    if (rec.Font && rec.Font->objectName() == rec.NumeFont && apartine(rec.Font, fereastra)) return rec.Font;
    return qobject_cast<TFontFormular*>(fereastra->findChild<QObject*>(rec.NumeFont));
}
} // namespace

std::optional<TAjustareTextArea> FindCustomisation(const TFormularTextArea& zona) {
    if (cautareInstalata()) return cautareInstalata()(zona);
    if (!ParticularizariIncarcate()) return std::nullopt;
    const TParticularizareTextArea* rec = FindCustomisation(zona, false);
    if (!rec) return std::nullopt;
    return rec->ajustare(rec->Font.data());
}

QString NumeFereastraProprietar(const TFormularTextArea& zona) {
    return zona.window()->objectName();
}

TParticularizareTextArea* FindCustomisation(const TFormularTextArea& zona, bool creeaza) {
    TParticularizareTextArea* rec =
        Particularizari().CautaParticularizare(NumeFereastraProprietar(zona), zona.objectName(), creeaza);
    if (rec) rec->Font = fontDinFereastra(zona, *rec);
    return rec;
}

void instaleazaCautareAjustare(CautareAjustare cautare) {
    cautareInstalata() = std::move(cautare);
}

TFormularTextArea::TFormularTextArea(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
    limiteCunoscute_ = geometry();
}

TFormularTextArea::~TFormularTextArea() {
    if (font_) font_->scoateZona(this);
}

void TFormularTextArea::set_Top(double mm) {
    if (!fisSizing_) arie_._Top = mm;
}

void TFormularTextArea::set_Left(double mm) {
    if (!fisSizing_) arie_._Left = mm;
}

void TFormularTextArea::set_Width(double mm) {
    if (!fisSizing_) arie_._Width = mm;
}

void TFormularTextArea::set_Height(double mm) {
    if (!fisSizing_) arie_._Height = mm;
}

void TFormularTextArea::setText(const QString& text) {
    arie_.Text = text;
    update();
}

void TFormularTextArea::setArie(const ArieMacheta& arie, TFontFormular* font) {
    arie_ = arie;
    setObjectName(arie.nume);
    setFontFormular(font);
}

void TFormularTextArea::setFontFormular(TFontFormular* font) {
    if (font_) {
        font_->scoateZona(this);
        disconnect(font_, nullptr, this, nullptr);
    }
    font_ = font;
    if (font_) {
        font_->adaugaZona(this);
        connect(font_, &TFontFormular::FontSchimbat, this, &TFormularTextArea::FontChanged);
        connect(font_, &QObject::destroyed, this, &TFormularTextArea::FontReleased);
    }
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
    setGeometry(MmToPixels(arie_._Left, dpi), MmToPixels(arie_._Top, dpi), MmToPixels(arie_._Width, dpi),
                MmToPixels(arie_._Height, dpi));
    limiteCunoscute_ = geometry();
}

void TFormularTextArea::preiaMilimetriiDinPixeli() {
    {
        const Stegulet sizing(fisSizing_);
        const double dpi = p_dpi();
        arie_._Top = PixelsToMm(y(), dpi);
        arie_._Left = PixelsToMm(x(), dpi);
        arie_._Width = PixelsToMm(width(), dpi);
        arie_._Height = PixelsToMm(height(), dpi);
    }
    arie_.ZoomLock = p_zoom();
    limiteCunoscute_ = geometry();
}

void TFormularTextArea::limiteSchimbate() {
    if (geometry() == limiteCunoscute_) return;
    if (fisZooming_ || seIncarca())
        limiteCunoscute_ = geometry();
    else if (p_zoom() != arie_.ZoomLock && arie_.ZoomLock != 0.0)
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
    return StilEfectiv(Descriere()).text;
}

AriePagina TFormularTextArea::Descriere() const {
    AriePagina d = arie_.descriere(font_ ? std::optional(font_->pagina()) : std::nullopt);
    d.nume = objectName();
    if (const auto ajustare = FindCustomisation(*this)) d.ajustare = *ajustare;
    d.vizibila = !isHidden();
    if (topInitialInregistrat_) d.topInitial = topInitial_;
    return d;
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
    topInitial_ = arie_._Top;
    leftInitial_ = arie_._Left;
    widthInitial_ = arie_._Width;
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
    const StilArie stil = StilEfectiv(Descriere());
    const TFormularDePrintat* pag = pagina();
    QPainter p(this);
    const QRect client = rect();
    if (pag && !pag->TextAreaTransparent()) p.fillRect(client, Qt::white);
    if (mouseOver_) p.fillRect(client, palette().color(QPalette::Highlight));

    // Drawn as paper draws it, at the page's resolution on screen.
    ImprimantaEcran ecran(p, size(), this);
    ecran.setCuloare(mouseOver_ ? palette().color(QPalette::HighlightedText) : QColor(Qt::black));
    const std::optional<TextAsezat> scris = DeseneazaArie(stil, ecran, client, p_dpi());
    const bool cuFont = scris.has_value();
    if (cuFont) inaltimeFontEcran_ = scris->inaltime;
    p.setPen(Qt::black);
    if (pag && pag->TextAreaWithBorder())
        p.drawPolyline(
            QPolygon({{0, 0}, {width() - 1, 0}, {width() - 1, height() - 1}, {0, height() - 1}, {0, 0}}));
    if (!pag) return;

    // Guide lines: the base line and a second one a delta below it; the cell's top and a
    // second one a delta below that.
    const int descent = cuFont ? ecran.descent() : 0;
    const int celula = cuFont ? ecran.ascent() + ecran.descent() : 0;
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
    return ::ComputePrintRect(Descriere(), zona, pagina, L, T, nudgeX, nudgeY);
}

void TFormularTextArea::PrintArea(Imprimanta& dispozitiv, bool rotate, double L, double T) {
    ::PrintArea(Descriere(), dispozitiv, rotate, L, T);
}
