#include "controls/KivVirtualGrid.h"

#include "controls/UKivMouse.h"
#include "controls/UKivVGridEditorForm.h"
#include "platform/Dialoguri.h"
#include "platform/Eroare.h"
#include "platform/Protejat.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QtMath>

namespace {

const QString textFaraDate = QStringLiteral("!NoData!");
constexpr TColor culoareHeaderImplicita = 14482163;
constexpr TColor navy = 0x800000;

QFont fontArial(int puncte) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSize(puncte);
    return f;
}

using Tip = TKivTipDeDateColoana;

// A cell's data text: the error of a failed cell is shown in its place instead of a message
// box, which a repaint would raise again and again.
struct TextSauEroare {
    QString text;
    bool eroare = false;
};

} // namespace

// ---- values ----

bool EsteTipReal(TKivTipDeDateColoana tip) {
    return tip >= Tip::atCurrency && tip <= Tip::atDataLung;
}

void TKivValoareDate::verifica(TKivTipDeDateColoana tip) const {
    if (tip_ != tip) throw Eroare(QStringLiteral("Tip incorect"));
}

Currency TKivValoareDate::ValCurrency() const {
    verifica(Tip::atCurrency);
    return v_.value<Currency>();
}
void TKivValoareDate::SetValCurrency(Currency v) {
    SetValoare(QVariant::fromValue(v), Tip::atCurrency);
}
qint64 TKivValoareDate::ValInteger() const {
    verifica(Tip::atInteger);
    return v_.toLongLong();
}
void TKivValoareDate::SetValInteger(qint64 v) {
    SetValoare(v, Tip::atInteger);
}
qint64 TKivValoareDate::ValIntegerDouaZecimale() const {
    verifica(Tip::atIntegerDouaZecimale);
    return v_.toLongLong();
}
void TKivValoareDate::SetValIntegerDouaZecimale(qint64 v) {
    SetValoare(v, Tip::atIntegerDouaZecimale);
}
QString TKivValoareDate::ValString() const {
    verifica(Tip::atString);
    return v_.toString();
}
void TKivValoareDate::SetValString(const QString& v) {
    SetValoare(v, Tip::atString);
}
QDateTime TKivValoareDate::ValDataScurtFaraAn() const {
    verifica(Tip::atDataScurtFaraAn);
    return v_.toDateTime();
}
void TKivValoareDate::SetValDataScurtFaraAn(const QDateTime& v) {
    SetValoare(v, Tip::atDataScurtFaraAn);
}
QDateTime TKivValoareDate::ValDataScurtCuAn() const {
    verifica(Tip::atDataScurtCuAn);
    return v_.toDateTime();
}
void TKivValoareDate::SetValDataScurtCuAn(const QDateTime& v) {
    SetValoare(v, Tip::atDataScurtCuAn);
}
QDateTime TKivValoareDate::ValDataLung() const {
    verifica(Tip::atDataLung);
    return v_.toDateTime();
}
void TKivValoareDate::SetValDataLung(const QDateTime& v) {
    SetValoare(v, Tip::atDataLung);
}
void TKivValoareDate::SetValoare(const QVariant& v, TKivTipDeDateColoana tip) {
    v_ = v;
    tip_ = tip;
}

QString FormateazaValoare(const TKivValoareDate& v) {
    switch (v.Tip()) {
    case Tip::atCurrency:
        return FormateazaSuma(2, v.ValCurrency());
    case Tip::atInteger:
        return QString::number(v.ValInteger());
    case Tip::atIntegerDouaZecimale: {
        const qint64 n = v.ValIntegerDouaZecimale();
        const quint64 m = n < 0 ? 0 - quint64(n) : quint64(n);
        return (n < 0 ? QStringLiteral("-") : QString()) + QString::number(m / 100) + u',' +
               QStringLiteral("%1").arg(m % 100, 2, 10, QChar(u'0'));
    }
    case Tip::atString:
        return v.ValString();
    case Tip::atDataScurtFaraAn:
        return DataZiLuna(v.ValDataScurtFaraAn().date());
    case Tip::atDataScurtCuAn:
        return DataScurta(v.ValDataScurtCuAn().date());
    case Tip::atDataLung:
        return DataLunaInLitere(v.ValDataLung().date());
    default:
        throw Eroare(QStringLiteral("Bug! Nu stiu citi tipul de date!"));
    }
}

// ---- lines ----

void TKivVirtualGridLine::SetStil(int stil) {
    if (stil < 1 || stil > 10) throw Eroare(QStringLiteral("Stil trebuie sa fie de la 1 la 10"));
    stil_ = std::uint8_t(stil);
}

TKivVirtualGridLine* TKivVirtualGridList::Add(std::unique_ptr<TKivVirtualGridLine> linie) {
    grila_->BeginUpdate();
    linii_.push_back(std::move(linie));
    grila_->EndUpdate();
    return linii_.back().get();
}

void TKivVirtualGridList::Clear() {
    grila_->BeginUpdate();
    linii_.clear();
    grila_->EndUpdate();
}

// ---- columns ----

TKivCuloriColoana::TKivCuloriColoana() {
    FontNormal = {fontArial(9), clWindowText};
    FontSelectat = {fontArial(9), clHighlightText};
}

TKivVirtualGridColumn::TKivVirtualGridColumn(TKivVirtualGridColumns* colectie) : colectie_(colectie) {
    fontUmbrela_[0] = fontUmbrela_[1] = {fontArial(8), navy};
    stiluri_[0].Activ = true;
}

TKivCuloriColoana& TKivVirtualGridColumn::Stil(int n) {
    if (n < 1 || n > 10) throw Eroare(QStringLiteral("Sunt definite stiluri de la 1 la 10"));
    schimbat();
    return stiluri_[n - 1];
}

const TKivCuloriColoana& TKivVirtualGridColumn::Stil(int n) const {
    if (n < 1 || n > 10) throw Eroare(QStringLiteral("Sunt definite stiluri de la 1 la 10"));
    return stiluri_[n - 1];
}

void TKivVirtualGridColumn::schimbat() const {
    if (colectie_->Grid()) colectie_->Grid()->InvalidateGrid();
}

void TKivVirtualGridColumn::SetNumeColoana(const QString& nume) {
    nume_ = nume;
    schimbat();
}
void TKivVirtualGridColumn::SetUmbrela1(const QString& text) {
    umbrela_[0] = text;
    schimbat();
}
void TKivVirtualGridColumn::SetUmbrela2(const QString& text) {
    umbrela_[1] = text;
    schimbat();
}
void TKivVirtualGridColumn::SetCuloareHeader(TColor c) {
    culoareHeader_ = c;
    schimbat();
}
void TKivVirtualGridColumn::SetAliniereTextInHeader(Qt::Alignment a) {
    aliniereHeader_ = a;
    schimbat();
}
void TKivVirtualGridColumn::SetFontUmbrela(int banda, const TKivFont& font) {
    fontUmbrela_[banda - 1] = font;
    schimbat();
}
void TKivVirtualGridColumn::SetCuloareUmbrela(int banda, TColor c) {
    culoareUmbrela_[banda - 1] = c;
    schimbat();
}
void TKivVirtualGridColumn::SetWidth(int latime) {
    latime_ = latime;
    colectie_->colectieSchimbata();
}

int TKivVirtualGridColumn::Index() const {
    return colectie_->IndexOf(this);
}

QString TKivVirtualGridColumn::DisplayName() const {
    return QStringLiteral("[%1] ").arg(Index()) + (nume_.isEmpty() ? QStringLiteral("<fara nume>") : nume_);
}

TKivVirtualGridColumn* TKivVirtualGridColumns::Add() {
    coloane_.push_back(std::make_unique<TKivVirtualGridColumn>(this));
    colectieSchimbata();
    return coloane_.back().get();
}

void TKivVirtualGridColumns::Delete(int i) {
    coloane_.erase(coloane_.begin() + qsizetype(i));
    colectieSchimbata();
}

void TKivVirtualGridColumns::Clear() {
    coloane_.clear();
    colectieSchimbata();
}

int TKivVirtualGridColumns::IndexOf(const TKivVirtualGridColumn* coloana) const {
    for (size_t i = 0; i < coloane_.size(); ++i)
        if (coloane_[i].get() == coloana) return int(i);
    return -1;
}

void TKivVirtualGridColumns::colectieSchimbata() {
    grila_->colectieSchimbata();
}

// ---- grid ----

TKivVirtualGrid::TKivVirtualGrid(QWidget* parinte) : TKivCustomDrawGrid(parinte) {
    SetOptions(TGridOption::goColSizing);
    SetHeaderHeight(48);
    tick_.setInterval(100);
    connect(&tick_, &QTimer::timeout, this, [this] { Tick(); });
}

TKivVirtualGrid::~TKivVirtualGrid() {
    tick_.stop();
}

int TKivVirtualGrid::HeaderHeight() const {
    return RowCount() == 0 || ColCount() == 0 ? -1 : headerHeight_;
}

void TKivVirtualGrid::SetHeaderHeight(int inaltime) {
    headerHeight_ = inaltime;
    if (RowCount() > 0) SetRowHeights(0, Scale(inaltime));
}

void TKivVirtualGrid::SetNrColoaneFixe(int n) {
    nrColoaneFixe_ = n;
    if (!InActualizare()) RecalculeazaLayout();
}

void TKivVirtualGrid::SetOptiuni(TKivGridOptions optiuni) {
    optiuni_ = optiuni;
    InvalidateGrid();
}

void TKivVirtualGrid::EndUpdate() {
    if (actualizari_ == 0) throw Eroare(QStringLiteral("EndUpdate fara BeginUpdate"));
    if (--actualizari_ == 0) RecalculeazaLayout();
}

void TKivVirtualGrid::colectieSchimbata() {
    if (!InActualizare()) RecalculeazaLayout();
    if (testAttribute(Qt::WA_WState_Created) && !recalculareAsteptata_) {
        recalculareAsteptata_ = true;
        QCoreApplication::postEvent(this, new TKivMesajFereastra(MesajRecalculeaza));
    }
}

void TKivVirtualGrid::RecalculeazaLayout() {
    const int coloane = std::max(Coloane.Count(), 1);
    std::vector<int> latimi(size_t(coloane), Scale(DefaultColWidth()));
    for (int c = 0; c < Coloane.Count(); ++c)
        latimi[size_t(c)] = Scale(Coloane[c]->Width());
    const int inaltimeImplicita = Scale(DefaultRowHeight());
    std::vector<int> inaltimi(size_t(Linii.Count()) + 1);
    inaltimi[0] = Scale(headerHeight_);
    for (int r = 1; r <= Linii.Count(); ++r) {
        const int proprie = Linii[r - 1]->Inaltime;
        inaltimi[size_t(r)] = proprie == 0 ? inaltimeImplicita : Scale(proprie);
    }
    SetFixedRows(0);
    SetFixedCols(0);
    SeteazaLatimi(std::move(latimi));
    SeteazaInaltimi(std::move(inaltimi));
    if (RowCount() > 1) SetFixedRows(1);
    SetFixedCols(nrColoaneFixe_ < coloane ? nrColoaneFixe_ : (coloane > 1 ? 1 : 0));
    InvalidateGrid();
}

bool TKivVirtualGrid::event(QEvent* e) {
    // The shadow's kept colours were worked out from the old palette.
    if (e->type() == QEvent::PaletteChange || e->type() == QEvent::ApplicationPaletteChange)
        umbra_.culori.clear();
    if (e->type() == TKivMesajFereastra::Tip()) {
        const int mesaj = static_cast<TKivMesajFereastra*>(e)->mesaj();
        if (mesaj == MesajRecalculeaza) {
            recalculareAsteptata_ = false;
            if (!InActualizare()) RecalculeazaLayout();
            return true;
        }
    }
    return TKivCustomDrawGrid::event(e);
}

TKivVirtualGridLine* TKivVirtualGrid::LiniaRandului(int r) const {
    return r >= 1 && r <= Linii.Count() ? Linii[r - 1] : nullptr;
}

bool TKivVirtualGrid::eDateCelula(int c, int r) const {
    return c >= FixedCols() && c < Coloane.Count() && LiniaRandului(r) != nullptr;
}

// ---- cell text ----

QString TKivVirtualGrid::TextCelula(int c, int linie) {
    const TKivVirtualGridColumn& col = *Coloane[c];
    TKivVirtualGridLine* L = Linii[linie];
    if (col.OnGetText) {
        QString text;
        col.OnGetText(L, text);
        return text;
    }
    TKivValoareDate V;
    if (!OnGetCellValue) return textFaraDate;
    OnGetCellValue(L, c, V);
    if (V.Tip() == Tip::atAsk) return textFaraDate;
    if (col.TipDeDate != Tip::atAuto && col.TipDeDate != Tip::atAsk && col.TipDeDate != V.Tip())
        throw Eroare(QStringLiteral("Nepotrivire de date cand citesc coloana ") + col.NumeColoana());
    QString text = FormateazaValoare(V);
    if (OnCustomText) OnCustomText(L, V, c, text);
    return text;
}

// ---- painting ----

void TKivVirtualGrid::paintEvent(QPaintEvent* e) {
    QPainter p(viewport());
    // The painter is saved and restored around each cell: starting from the usual cell font
    // spares setting (and resolving) it again for every cell.
    if (Coloane.Count() > 0) p.setFont(fontPictat(Coloane[0]->Stil(1).FontNormal.Font, 0).font);
    DeseneazaCelule(p, e->rect());
}

void TKivVirtualGrid::DrawCell(QPainter& p, int c, int r, const QRect& d, TGridDrawState stare) {
    if (r == 0) return deseneazaHeader(p, c, d);
    if (!LiniaRandului(r) || c >= Coloane.Count()) return p.fillRect(d, CuloareInQColor(clWindow));
    deseneazaDate(p, c, r, d, stare);
}

namespace {

QFont cuAtribute(QFont f, std::uint8_t atribute) {
    if (atribute & alBoldOn) f.setBold(true);
    if (atribute & alBoldOff) f.setBold(false);
    if (atribute & alItalicOn) f.setItalic(true);
    if (atribute & alItalicOff) f.setItalic(false);
    if (atribute & alSize6) f.setPointSize(6);
    if (atribute & alSize8) f.setPointSize(8);
    if (atribute & alSize10) f.setPointSize(10);
    if (atribute & alSize11) f.setPointSize(11);
    return f;
}

const TKivCuloriColoana& stilulLiniei(const TKivVirtualGridColumn& col, int stilLinie) {
    for (int s = stilLinie; s >= 2; --s)
        if (col.Stil(s).Activ) return col.Stil(s);
    return col.Stil(1);
}

} // namespace

// Placed by hand from text shaped once per font: the painter's rectangle form lays the text out
// anew for every cell. Only a text wider than its cell is clipped.
void TKivVirtualGrid::scrieText(QPainter& p, const QRect& d, Qt::Alignment aliniere, const QString& text,
                                const FontPictat& font) {
    if (text.isEmpty()) return;
    const QRect interior = d.adjusted(2, 1, -2, -1);
    const QFontMetrics& fm = font.masura;
    const int y = interior.top() + (interior.height() - fm.height()) / 2;
    const QStaticText* pregatit = font.textPregatit(text);
    const int latime = pregatit                                         ? qCeil(pregatit->size().width())
                       : aliniere & (Qt::AlignRight | Qt::AlignHCenter) ? fm.horizontalAdvance(text)
                                                                        : 0;
    int x = interior.left();
    if (aliniere & Qt::AlignRight)
        x = interior.right() + 1 - latime;
    else if (aliniere & Qt::AlignHCenter)
        x = interior.left() + (interior.width() - latime) / 2;
    const bool taie = !pregatit || latime > interior.width();
    if (taie) p.setClipRect(interior, Qt::IntersectClip);
    if (pregatit)
        p.drawStaticText(x, y, *pregatit);
    else
        p.drawText(x, y + fm.ascent(), text);
    if (taie) p.setClipping(false);
}

void TKivVirtualGrid::deseneazaDate(QPainter& p, int c, int r, const QRect& d, TGridDrawState stare) {
    TKivVirtualGridLine* L = LiniaRandului(r);
    const TKivVirtualGridColumn& col = *Coloane[c];
    const TKivCuloriColoana& stil = stilulLiniei(col, L->Stil());
    const bool selectat = stare.testFlag(TGridDrawStateFlag::gdSelected);
    TColor fundal = selectat ? stil.CuloareBackgroundSelectat : stil.CuloareBackgroundNormal;
    const TKivFont& fontStil = selectat ? stil.FontSelectat : stil.FontNormal;
    const FontPictat& cuAtributele = fontPictat(fontStil.Font, L->Atribute);
    TKivFont font{cuAtributele.font, fontStil.Culoare};
    if (!selectat && L->CuloareFundal != clNone) fundal = L->CuloareFundal;
    if (!selectat && L->CuloareFont != clNone) font.Culoare = L->CuloareFont;

    TextSauEroare text;
    try {
        text.text = TextCelula(c, r - 1);
        if (!selectat) {
            if (OnFormatCell) OnFormatCell(L, c, fundal, font);
            fundal = culoareHover(c, r, fundal);
        }
    } catch (const std::exception& e) {
        const auto* eroare = dynamic_cast<const Eroare*>(&e);
        text = {eroare ? eroare->text() : QString::fromUtf8(e.what()), true};
    }
    if (optiuni_.testFlag(TKivGridOption::goSelectezLinia) && r == Row()) {
        fundal = clHighlight;
        font.Culoare = stil.FontSelectat.Culoare;
    }

    p.fillRect(d, CuloareInQColor(fundal));
    const bool fixa = c < FixedCols();
    const TColor linie = fixa ? clWindowText : clBtnShadow;
    const bool faraVerticale = optiuni_.testFlag(TKivGridOption::goNuAfisezLiniiVerticale);
    // One-pixel lines as filled rectangles: the same pixels without the pen's line drawing.
    const QColor culoareLinie = CuloareInQColor(linie);
    if (!faraVerticale) p.fillRect(QRect(d.topRight(), d.bottomRight()), culoareLinie);
    if (!optiuni_.testFlag(TKivGridOption::goNuAfisezLiniiOrizontale))
        p.fillRect(QRect(d.bottomLeft(), d.bottomRight()), culoareLinie);
    // The cell formatter may give a font of its own.
    const FontPictat& folosit =
        font.Font.isCopyOf(cuAtributele.font) ? cuAtributele : fontPictat(font.Font, 0);
    if (p.font() != folosit.font) p.setFont(folosit.font);
    p.setPen(text.eroare ? QColor(Qt::red) : CuloareInQColor(font.Culoare));
    scrieText(p, d, stil.Aliniere, text.text, folosit);
    if (c == FixedCols() - 1) deseneazaUmbra(p, d, fundal, true, false);
}

const QStaticText* TKivVirtualGrid::FontPictat::textPregatit(const QString& text) const {
    const auto gasit = texte.find(text);
    if (gasit == texte.end()) {
        // Seen once: names and numbers seldom come back, and shaping them to keep costs more
        // than drawing them. The cache is started anew rather than grown.
        if (texte.size() >= 4096) texte.clear();
        texte.insert(text, std::nullopt);
        return nullptr;
    }
    // A line break would make the shaped text a paragraph; the cell shows one line.
    if (!*gasit && !text.contains(u'\n') && !text.contains(u'\r')) {
        QStaticText t(text);
        t.setTextFormat(Qt::PlainText);
        t.prepare(QTransform(), font);
        *gasit = t;
    }
    return *gasit ? &**gasit : nullptr;
}

const TKivVirtualGrid::FontPictat& TKivVirtualGrid::fontPictat(const QFont& baza, std::uint8_t atribute) {
    for (const FontPictat& f : fonturi_)
        if (f.atribute == atribute && f.baza == baza) return f;
    // Formatters that make a new font per cell would grow it without end.
    if (fonturi_.size() >= 64) fonturi_.clear();
    const QFont font = cuAtribute(baza, atribute);
    fonturi_.push_back({baza, atribute, font, QFontMetrics(font, this), {}});
    return fonturi_.back();
}

// Five one-pixel lines from the cell's colour towards the line colour, ending at the edge.
void TKivVirtualGrid::deseneazaUmbra(QPainter& p, const QRect& d, TColor fundal, bool dreapta, bool jos) {
    // Every row of a column gets the same shadow: its colours are worked out once per background.
    if (umbra_.fundal != fundal || umbra_.culori.empty()) {
        umbra_.fundal = fundal;
        umbra_.culori.clear();
        for (TColor c : Degrade(CuloareRezolvata(fundal), CuloareRezolvata(clWindowText), 4))
            umbra_.culori.push_back(CuloareInQColor(c));
    }
    // One-pixel lines as filled rectangles: the same pixels without the pen's line drawing.
    for (int i = 0; i < 5; ++i) {
        const QColor& culoare = umbra_.culori[size_t(i)];
        if (dreapta) p.fillRect(QRect(d.right() - 4 + i, d.top(), 1, d.height()), culoare);
        if (jos) p.fillRect(QRect(d.left(), d.bottom() - 4 + i, d.width(), 1), culoare);
    }
}

void TKivVirtualGrid::deseneazaHeader(QPainter& p, int c, const QRect& d) {
    const TKivVirtualGridColumn* col = c < Coloane.Count() ? Coloane[c] : nullptr;
    const TColor fundal = col ? col->CuloareHeader() : culoareHeaderImplicita;
    p.fillRect(d, CuloareInQColor(fundal));
    const bool fixa = c < FixedCols();
    int y = d.top();
    if (col) {
        y = deseneazaBanda(p, c, 1, d, y);
        y = deseneazaBanda(p, c, 2, d, y);
        deseneazaTitlu(p, *col, QRect(d.left(), y, d.width(), d.bottom() - y + 1));
    }
    // Below the bands only: a band draws its own separators where its group ends.
    p.setPen(CuloareInQColor(clBtnShadow));
    p.drawLine(d.right(), y, d.right(), d.bottom());
    p.drawLine(d.bottomLeft(), d.bottomRight());
    if (!col) return;
    if (!fixa)
        deseneazaUmbra(p, d, fundal, false, true);
    else if (c == FixedCols() - 1)
        deseneazaUmbra(p, d, fundal, true, true);
}

// A group band: neighbouring columns (on the same side of the fixed edge) with the same text
// share one text centred over all of them; separators only at the group's outer edges.
int TKivVirtualGrid::deseneazaBanda(QPainter& p, int c, int banda, const QRect& d, int y) {
    const TKivVirtualGridColumn& col = *Coloane[c];
    const QString& text = col.Umbrela(banda);
    if (text.isEmpty()) return y;
    const QFontMetrics fm(col.FontUmbrela(banda).Font);
    const int h = fm.height();
    const bool fixa = c < FixedCols();
    const int minim = fixa ? 0 : FixedCols(), maxim = fixa ? FixedCols() - 1 : Coloane.Count() - 1;
    int primul = c, ultimul = c, stanga = d.left(), dreapta = d.right();
    while (primul - 1 >= minim && Coloane[primul - 1]->Umbrela(banda) == text)
        stanga -= ColWidths(--primul);
    while (ultimul + 1 <= maxim && Coloane[ultimul + 1]->Umbrela(banda) == text)
        dreapta += ColWidths(++ultimul);

    const QRect celula(d.left(), y, d.width(), h);
    if (col.CuloareUmbrela(banda) != clNone) p.fillRect(celula, CuloareInQColor(col.CuloareUmbrela(banda)));
    p.save();
    p.setClipRect(celula, Qt::IntersectClip);
    p.setFont(col.FontUmbrela(banda).Font);
    p.setPen(CuloareInQColor(col.FontUmbrela(banda).Culoare));
    p.drawText(QRect(stanga, y, dreapta - stanga + 1, h), Qt::AlignCenter | Qt::TextSingleLine,
               text.mid(text.indexOf(u'|') + 1));
    p.restore();
    p.setPen(CuloareInQColor(clBtnShadow));
    p.drawLine(celula.bottomLeft(), celula.bottomRight());
    if (c == ultimul) p.drawLine(celula.topRight(), celula.bottomRight());
    return y + h;
}

QStringList ImparteTitlul(const QString& titlu, const QFontMetrics& fm, int latime) {
    QStringList randuri;
    QString curent;
    for (const QString& cuvant : titlu.split(u' ', Qt::SkipEmptyParts)) {
        const QString incercare = curent.isEmpty() ? cuvant : curent + u' ' + cuvant;
        if (!curent.isEmpty() && fm.horizontalAdvance(incercare) > latime) {
            randuri << curent;
            curent = cuvant;
        } else {
            curent = incercare;
        }
    }
    if (!curent.isEmpty()) randuri << curent;
    return randuri;
}

QFont TKivVirtualGrid::FontTitlu(const TKivVirtualGridColumn& col) {
    QFont f = col.Stil(1).FontNormal.Font;
    f.setPointSize(std::max(f.pointSize() - 2, 8));
    return f;
}

QStringList TKivVirtualGrid::RanduriTitlu(int c) const {
    const TKivVirtualGridColumn& col = *Coloane[c];
    return ImparteTitlul(col.NumeColoana(), QFontMetrics(FontTitlu(col)), ColWidths(c) - 7);
}

const TKivVirtualGrid::TitluImpartit& TKivVirtualGrid::titluImpartit(const TKivVirtualGridColumn& col,
                                                                     int latime) {
    const auto c = size_t(col.Index());
    if (titluri_.size() <= c) titluri_.resize(c + 1);
    TitluImpartit& t = titluri_[c];
    const QFont& baza = col.Stil(1).FontNormal.Font;
    if (t.latime != latime || t.titlu != col.NumeColoana() || t.baza != baza) {
        t.titlu = col.NumeColoana();
        t.latime = latime;
        t.baza = baza;
        t.font = FontTitlu(col);
        const QFontMetrics fm(t.font, this);
        t.inaltimeRand = fm.height();
        t.randuri = ImparteTitlul(t.titlu, fm, latime - 7);
    }
    return t;
}

void TKivVirtualGrid::deseneazaTitlu(QPainter& p, const TKivVirtualGridColumn& col, const QRect& zona) {
    const TitluImpartit& t = titluImpartit(col, zona.width());
    p.save();
    p.setClipRect(zona.adjusted(0, 0, -1, -1), Qt::IntersectClip);
    p.setFont(t.font);
    p.setPen(CuloareInQColor(col.Stil(1).FontNormal.Culoare));
    int y = zona.top() + (zona.height() - int(t.randuri.size()) * t.inaltimeRand) / 2;
    for (const QString& rand : t.randuri) {
        p.drawText(QRect(zona.left() + 2, y, zona.width() - 4, t.inaltimeRand),
                   int(col.AliniereTextInHeader() | Qt::AlignVCenter) | Qt::TextSingleLine, rand);
        y += t.inaltimeRand;
    }
    p.restore();
}

// ---- hover fading ----

int TKivVirtualGrid::pozitieFierbinte(int c, int r) const {
    for (size_t i = 0; i < fierbinti_.size(); ++i)
        if (fierbinti_[i].Coloana == c && fierbinti_[i].Rand == r) return int(i);
    return -1;
}

TColor TKivVirtualGrid::culoareHover(int c, int r, TColor fundal) const {
    const int i = pozitieFierbinte(c, r);
    if (i < 0 || fierbinti_[size_t(i)].Nivel <= 1) return fundal;
    const TColor baza = CuloareRezolvata(fundal);
    const TColor intunecat = TKivColorVariation::Aplica(
        TKivVariation::cvLiteLiteBlue, TKivColorVariation::Aplica(TKivVariation::cvLiteLiteBlue, baza));
    return Degrade(baza, intunecat, 9)[size_t(fierbinti_[size_t(i)].Nivel - 1)];
}

void TKivVirtualGrid::repaintFierbinte(const TKivCelulaGrid& celula) {
    InvalidateCell(celula.Coloana, celula.Rand);
}

void TKivVirtualGrid::facFierbinte(int c, int r) {
    const int i = pozitieFierbinte(c, r);
    if (i < 0) {
        fierbinti_.push_back({c, r, 10});
        if (!tick_.isActive()) tick_.start();
    } else {
        fierbinti_[size_t(i)].Nivel = 10;
    }
    InvalidateCell(c, r);
}

void TKivVirtualGrid::mouseMoveEvent(QMouseEvent* e) {
    TKivCustomDrawGrid::mouseMoveEvent(e);
    const QPoint p = e->position().toPoint();
    subMouse_ = MouseCoord(p.x(), p.y());
    if (!eDateCelula(subMouse_.X, subMouse_.Y)) return;
    if (!optiuni_.testFlag(TKivGridOption::goSelectezLinia)) return facFierbinte(subMouse_.X, subMouse_.Y);
    for (int c = FixedCols(); c < Coloane.Count(); ++c)
        facFierbinte(c, subMouse_.Y);
}

bool TKivVirtualGrid::viewportEvent(QEvent* e) {
    if (e->type() == QEvent::Leave) subMouse_ = {};
    return TKivCustomDrawGrid::viewportEvent(e);
}

void TKivVirtualGrid::Tick() {
    const bool peRand = optiuni_.testFlag(TKivGridOption::goSelectezLinia);
    for (size_t i = 0; i < fierbinti_.size();) {
        TKivCelulaGrid& celula = fierbinti_[i];
        const bool subMouse = celula.Rand == subMouse_.Y && (peRand || celula.Coloana == subMouse_.X);
        if (!subMouse) {
            celula.Nivel -= 2;
            repaintFierbinte(celula);
            if (celula.Nivel <= 0) {
                fierbinti_.erase(fierbinti_.begin() + qsizetype(i));
                continue;
            }
        } else if (celula.Nivel != 10) {
            celula.Nivel = 10;
            repaintFierbinte(celula);
        }
        ++i;
    }
    if (fierbinti_.empty()) tick_.stop();
}

// ---- current cell and editing ----

void TKivVirtualGrid::CurrentCellMoved(TGridCoord vechi) {
    if (!optiuni_.testFlag(TKivGridOption::goSelectezLinia) || vechi.Y == Row()) return;
    InvalidateRow(vechi.Y);
    InvalidateRow(Row());
}

void TKivVirtualGrid::ColWidthsChanged() {}

namespace {

// The key's first character for editing; false when the key does not start editing.
bool tastaDeEditare(const QKeyEvent* e, QChar& primul) {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const int tasta = e->key();
    const QString text = e->text();
    if (tasta >= Qt::Key_0 && tasta <= Qt::Key_9) {
        primul = QChar(u'0' + (tasta - Qt::Key_0));
        return true;
    }
    if (tasta >= Qt::Key_F1 && tasta <= Qt::Key_F11) {
        primul = QChar();
        return true;
    }
    const bool literaSauTastatura =
        (tasta >= Qt::Key_A && tasta <= Qt::Key_Z) || (e->modifiers() & Qt::KeypadModifier);
    if (!literaSauTastatura) return false;
    primul = text.isEmpty() ? QChar() : text.front();
    return true;
}

} // namespace

void TKivVirtualGrid::keyPressEvent(QKeyEvent* e) {
    const int tasta = e->key();
    if ((tasta == Qt::Key_Return || tasta == Qt::Key_Enter) && eDateCelula(Col(), Row())) {
        protejat(this, [this] { Editeaza(); });
        return;
    }
    QChar primul;
    if (Row() >= 1 && Linii.Count() > 0 && tastaDeEditare(e, primul)) {
        protejat(this, [this, primul] { Editeaza(primul); });
        return;
    }
    TKivCustomDrawGrid::keyPressEvent(e);
}

void TKivVirtualGrid::Editeaza(QChar primul) {
    const int c = Col(), r = Row();
    if (!eDateCelula(c, r)) return;
    TKivVirtualGridLine* L = LiniaRandului(r);
    TKivValoareDate V;
    if (OnGetCellValue) OnGetCellValue(L, c, V);
    if (!EsteTipReal(V.Tip())) return;
    bool potEdita = true;
    if (OnPotEdita) OnPotEdita(L, c, potEdita);
    if (!potEdita) return;

    const TKivVirtualGridColumn& col = *Coloane[c];
    bool standard = true;
    if (col.OnApeleazaEditor) {
        standard = false;
        col.OnApeleazaEditor(L, standard);
    }
    if (standard) {
        TKivVGridEditorForm editor(this);
        facVizibila(c, r);
        const QRect celula = CellRect(c, r);
        editor.Pregateste(V, primul, viewport()->mapToGlobal(celula.topLeft()), celula.height() + 1,
                          ColWidths(c));
        if (dialoguri().arataModal(editor) == QDialog::Accepted) {
            const TKivValoareDate nou = editor.Valoare();
            if (OnSetCellValue) OnSetCellValue(L, c, nou);
            InvalidateGrid();
        }
    }
    setFocus(Qt::OtherFocusReason);
}
