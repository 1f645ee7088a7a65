#include "controls/KivGrids.h"

#include "controls/BaraDerulare.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <limits>

namespace {

// Pixels from a column's right edge within which a press starts sizing it.
constexpr int zonaRedimensionare = 3;

bool esteTastaSchimbatoare(QChar c) {
    return c.isPrint() || c == u'\b';
}

} // namespace

// ---- in-place editor ----

TKivInPlaceNumEdit::TKivInPlaceNumEdit(TKivCustomGrid* grila, QWidget* parinte)
    : TKivNumEdit(parinte), grila_(grila) {
    hide();
}

bool TKivInPlaceNumEdit::tastaMergeLaGrila(QKeyEvent* e) const {
    const int tasta = e->key();
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    const bool alt = e->modifiers() & Qt::AltModifier;
    if ((tasta == Qt::Key_Tab || tasta == Qt::Key_Backtab) && !alt) return true;
    if (tasta == Qt::Key_Escape || tasta == Qt::Key_PageUp || tasta == Qt::Key_PageDown ||
        tasta == Qt::Key_Up || tasta == Qt::Key_Down)
        return true;
    if (grila_->Options().testFlag(TGridOption::goAlwaysShowEditor)) {
        const bool laInceput = Caret() == 1 && Selectie() == 0;
        const bool laSfarsit = Caret() == Text().size() + 1 && Selectie() == 0;
        if ((tasta == Qt::Key_Home || tasta == Qt::Key_Left) && (ctrl || laInceput)) return true;
        if ((tasta == Qt::Key_End || tasta == Qt::Key_Right) && (ctrl || laSfarsit)) return true;
    }
    if (tasta == Qt::Key_Insert && !shift) return true;
    return tasta == Qt::Key_Delete && ctrl;
}

void TKivInPlaceNumEdit::keyPressEvent(QKeyEvent* e) {
    if (grila_->OnKeyDown) grila_->OnKeyDown(e);
    if (tastaMergeLaGrila(e)) return grila_->TrateazaTasta(e);
    const int tasta = e->key();
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    if (tasta == Qt::Key_F2) return SelecteazaTot();
    if ((tasta == Qt::Key_Delete || (tasta == Qt::Key_Insert && shift)) && !grila_->CanEditModify()) return;
    if (!e->text().isEmpty() && !(e->modifiers() & Qt::ControlModifier)) return trateazaCaracter(e);
    TKivNumEdit::keyPressEvent(e);
}

void TKivInPlaceNumEdit::trateazaCaracter(QKeyEvent* e) {
    const QChar c = e->text().front();
    if (c == u'\r' || c == u'\n') {
        Selectie() != 0 ? Deselecteaza() : SelecteazaTot();
        return;
    }
    if (c == u'\t' || c == QChar(0x1b)) return;
    if (!grila_->CanEditAcceptKey(c)) return QApplication::beep();
    if (esteTastaSchimbatoare(c) && !grila_->CanEditModify()) return;
    TKivNumEdit::keyPressEvent(e);
}

void TKivInPlaceNumEdit::mousePressEvent(QMouseEvent* e) {
    if (grila_->ClicRecent()) return grila_->TrateazaDubluClic();
    TKivNumEdit::mousePressEvent(e);
}

void TKivInPlaceNumEdit::mouseDoubleClickEvent(QMouseEvent*) {
    grila_->TrateazaDubluClic();
}

void TKivInPlaceNumEdit::wheelEvent(QWheelEvent* e) {
    QApplication::sendEvent(grila_->viewport(), e);
}

TKivInplaceEdit::TKivInplaceEdit(TKivCustomGrid* grila)
    : QObject(grila), grila_(grila), edit_(new TKivInPlaceNumEdit(grila, grila->viewport())) {}

void TKivInplaceEdit::Move(const QRect& unde) {
    edit_->setGeometry(unde);
    edit_->show();
    edit_->raise();
}

void TKivInplaceEdit::Hide() {
    edit_->hide();
}

void TKivInplaceEdit::Deselect() {
    edit_->Deselecteaza();
}

void TKivInPlaceNumEdit::Deselecteaza() {
    QKeyEvent sfarsit(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
    TKivNumEdit::keyPressEvent(&sfarsit);
}

// ---- grid: sizes and counts ----

TKivCustomGrid::TKivCustomGrid(QWidget* parinte) : QAbstractScrollArea(parinte) {
    optiuni_ = TGridOption::goFixedVertLine | TGridOption::goFixedHorzLine | TGridOption::goVertLine |
               TGridOption::goHorzLine | TGridOption::goRangeSelect;
    latimi_.assign(5, latimeImplicita_);
    inaltimi_.assign(5, inaltimeImplicita_);
    setFrameShape(QFrame::StyledPanel);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBar(new TBaraDerulare(Qt::Horizontal, this));
    setVerticalScrollBar(new TBaraDerulare(Qt::Vertical, this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    for (auto o : {Qt::Horizontal, Qt::Vertical}) {
        QScrollBar* bara = o == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
        connect(bara, &QScrollBar::actionTriggered, this, [this, o](int actiune) { pasBara(o, actiune); });
    }
    DimensiuniSchimbate();
}

void TKivCustomGrid::SetColCount(int n) {
    latimi_.resize(size_t(std::max(n, 0)), latimeImplicita_);
    DimensiuniSchimbate();
}

void TKivCustomGrid::SetRowCount(int n) {
    inaltimi_.resize(size_t(std::max(n, 0)), inaltimeImplicita_);
    DimensiuniSchimbate();
}

void TKivCustomGrid::SetFixedCols(int n) {
    fixedCols_ = std::max(n, 0);
    DimensiuniSchimbate();
}

void TKivCustomGrid::SetFixedRows(int n) {
    fixedRows_ = std::max(n, 0);
    DimensiuniSchimbate();
}

void TKivCustomGrid::SetDefaultColWidth(int latime) {
    latimeImplicita_ = latime;
    std::fill(latimi_.begin(), latimi_.end(), latime);
    DimensiuniSchimbate();
}

void TKivCustomGrid::SetDefaultRowHeight(int inaltime) {
    inaltimeImplicita_ = inaltime;
    std::fill(inaltimi_.begin(), inaltimi_.end(), inaltime);
    DimensiuniSchimbate();
}

void TKivCustomGrid::SetGridLineWidth(int latime) {
    latimeLinie_ = std::max(latime, 0);
    DimensiuniSchimbate();
}

void TKivCustomGrid::SetColWidths(int c, int latime) {
    latimi_.at(size_t(c)) = std::max(latime, 0);
    DimensiuniSchimbate();
}

void TKivCustomGrid::SetRowHeights(int r, int inaltime) {
    inaltimi_.at(size_t(r)) = std::max(inaltime, 0);
    DimensiuniSchimbate();
}

void TKivCustomGrid::SeteazaInaltimi(std::vector<int> inaltimi) {
    inaltimi_ = std::move(inaltimi);
    DimensiuniSchimbate();
}

void TKivCustomGrid::SeteazaLatimi(std::vector<int> latimi) {
    latimi_ = std::move(latimi);
    DimensiuniSchimbate();
}

void TKivCustomGrid::SetOptions(TGridOptions optiuni) {
    optiuni_ = optiuni;
    if (!optiuni_.testFlag(TGridOption::goEditing)) HideEditor();
    DimensiuniSchimbate();
}

void TKivCustomGrid::SetFixedColor(TColor c) {
    culoareFixa_ = c;
    InvalidateGrid();
}

void TKivCustomGrid::SetColor(TColor c) {
    culoare_ = c;
    InvalidateGrid();
}

// Fixed counts stay below the counts, the current cell and the top-left cell inside the
// scrollable part, and the bars follow.
void TKivCustomGrid::DimensiuniSchimbate() {
    fixedCols_ = std::min(fixedCols_, std::max(ColCount() - 1, 0));
    fixedRows_ = std::min(fixedRows_, std::max(RowCount() - 1, 0));
    const auto inauntru = [](int v, int minim, int numar) {
        return std::clamp(v, minim, std::max(minim, numar - 1));
    };
    curent_ = {inauntru(curent_.X, fixedCols_, ColCount()), inauntru(curent_.Y, fixedRows_, RowCount())};
    ancora_ = {inauntru(ancora_.X, fixedCols_, ColCount()), inauntru(ancora_.Y, fixedRows_, RowCount())};
    sus_ = std::clamp(sus_, fixedRows_, std::max(fixedRows_, MaxTopRow()));
    stanga_ = std::clamp(stanga_, fixedCols_, std::max(fixedCols_, MaxLeftCol()));
    actualizeazaBare();
    viewport()->update();
}

int TKivCustomGrid::latimeLinieVerticala(bool fixa) const {
    return optiuni_.testFlag(fixa ? TGridOption::goFixedVertLine : TGridOption::goVertLine) ? latimeLinie_
                                                                                            : 0;
}

int TKivCustomGrid::latimeLinieOrizontala(bool fixa) const {
    return optiuni_.testFlag(fixa ? TGridOption::goFixedHorzLine : TGridOption::goHorzLine) ? latimeLinie_
                                                                                            : 0;
}

int TKivCustomGrid::latimeFixa() const {
    int latime = 0;
    for (int c = 0; c < fixedCols_; ++c)
        latime += latimi_[size_t(c)] + latimeLinieVerticala(true);
    return latime;
}

int TKivCustomGrid::inaltimeFixa() const {
    int inaltime = 0;
    for (int r = 0; r < fixedRows_; ++r)
        inaltime += inaltimi_[size_t(r)] + latimeLinieOrizontala(true);
    return inaltime;
}

// ---- scrolling ----

int TKivCustomGrid::urmatorulVizibil(const std::vector<int>& marimi, int de, int sens, int minim) const {
    for (int i = de; i >= minim && i < int(marimi.size()); i += sens)
        if (marimi[size_t(i)] > 0) return i;
    return -1;
}

// The first cell from which every later cell still fits in the space.
int TKivCustomGrid::maximSusStanga(const std::vector<int>& marimi, int fixe, int spatiu, bool coloane) const {
    const int linie = coloane ? latimeLinieVerticala(false) : latimeLinieOrizontala(false);
    int i = int(marimi.size()) - 1;
    if (i < fixe) return fixe;
    int total = marimi[size_t(i)] + linie;
    while (i - 1 >= fixe && total + marimi[size_t(i - 1)] + linie <= spatiu) {
        --i;
        total += marimi[size_t(i)] + linie;
    }
    return i;
}

int TKivCustomGrid::MaxTopRow() const {
    return maximSusStanga(inaltimi_, fixedRows_, viewport()->height() - inaltimeFixa(), false);
}

int TKivCustomGrid::MaxLeftCol() const {
    return maximSusStanga(latimi_, fixedCols_, viewport()->width() - latimeFixa(), true);
}

void TKivCustomGrid::SetTopRow(int r) {
    const int maxim = std::max(fixedRows_, MaxTopRow());
    r = std::clamp(r, fixedRows_, maxim);
    if (r < RowCount() && inaltimi_[size_t(r)] == 0) {
        const int inainte = urmatorulVizibil(inaltimi_, r, 1, fixedRows_);
        r = inainte >= 0 && inainte <= maxim
                ? inainte
                : std::max(urmatorulVizibil(inaltimi_, r, -1, fixedRows_), fixedRows_);
    }
    if (r == sus_) return actualizeazaBare();
    sus_ = r;
    actualizeazaBare();
    viewport()->update();
    TopLeftMoved();
}

void TKivCustomGrid::SetLeftCol(int c) {
    const int maxim = std::max(fixedCols_, MaxLeftCol());
    c = std::clamp(c, fixedCols_, maxim);
    if (c < ColCount() && latimi_[size_t(c)] == 0) {
        const int inainte = urmatorulVizibil(latimi_, c, 1, fixedCols_);
        c = inainte >= 0 && inainte <= maxim
                ? inainte
                : std::max(urmatorulVizibil(latimi_, c, -1, fixedCols_), fixedCols_);
    }
    if (c == stanga_) return actualizeazaBare();
    stanga_ = c;
    actualizeazaBare();
    viewport()->update();
    TopLeftMoved();
}

void TKivCustomGrid::ScrollRows(int pasi) {
    int r = sus_;
    const int sens = pasi < 0 ? -1 : 1, maxim = MaxTopRow();
    for (int i = 0; i < std::abs(pasi); ++i) {
        const int urmator = urmatorulVizibil(inaltimi_, r + sens, sens, fixedRows_);
        if (urmator < 0 || urmator > maxim) break;
        r = urmator;
    }
    SetTopRow(r);
}

void TKivCustomGrid::ScrollCols(int pasi) {
    if (oColoana()) {
        SetOffsetOrizontal(offsetPixeli_ + pasi * fontMetrics().horizontalAdvance(u'0'));
        return;
    }
    int c = stanga_;
    const int sens = pasi < 0 ? -1 : 1, maxim = MaxLeftCol();
    for (int i = 0; i < std::abs(pasi); ++i) {
        const int urmator = urmatorulVizibil(latimi_, c + sens, sens, fixedCols_);
        if (urmator < 0 || urmator > maxim) break;
        c = urmator;
    }
    SetLeftCol(c);
}

int TKivCustomGrid::VisibleRowCount() const {
    const int spatiu = viewport()->height() - inaltimeFixa();
    int y = 0, n = 0;
    for (int r = sus_; r < RowCount(); ++r, ++n) {
        y += inaltimi_[size_t(r)] + latimeLinieOrizontala(false);
        if (y > spatiu) break;
    }
    return n;
}

int TKivCustomGrid::VisibleColCount() const {
    const int spatiu = viewport()->width() - latimeFixa();
    int x = 0, n = 0;
    for (int c = stanga_; c < ColCount(); ++c, ++n) {
        x += latimi_[size_t(c)] + latimeLinieVerticala(false);
        if (x > spatiu) break;
    }
    return n;
}

// A page down starts at the first row not fully shown; a page up ends just above the top row.
void TKivCustomGrid::ScrollRowPage(int sens) {
    if (sens > 0) return SetTopRow(sus_ + std::max(VisibleRowCount(), 1));
    const int spatiu = viewport()->height() - inaltimeFixa();
    int r = sus_, total = 0;
    while (r - 1 >= fixedRows_ && total + inaltimi_[size_t(r - 1)] + latimeLinieOrizontala(false) <= spatiu) {
        --r;
        total += inaltimi_[size_t(r)] + latimeLinieOrizontala(false);
    }
    SetTopRow(r == sus_ ? r - 1 : r);
}

void TKivCustomGrid::ScrollColPage(int sens) {
    if (oColoana()) {
        SetOffsetOrizontal(offsetPixeli_ + sens * (viewport()->width() - latimeFixa()));
        return;
    }
    if (sens > 0) return SetLeftCol(stanga_ + std::max(VisibleColCount(), 1));
    const int spatiu = viewport()->width() - latimeFixa();
    int c = stanga_, total = 0;
    while (c - 1 >= fixedCols_ && total + latimi_[size_t(c - 1)] + latimeLinieVerticala(false) <= spatiu) {
        --c;
        total += latimi_[size_t(c)] + latimeLinieVerticala(false);
    }
    SetLeftCol(c == stanga_ ? c - 1 : c);
}

void TKivCustomGrid::SetOffsetOrizontal(int offset) {
    const int maxim = oColoana() ? std::max(0, latimi_[0] - viewport()->width()) : 0;
    offset = std::clamp(offset, 0, maxim);
    if (offset == offsetPixeli_) return;
    offsetPixeli_ = offset;
    actualizeazaBare();
    viewport()->update();
}

void TKivCustomGrid::actualizeazaBare() {
    if (ajustezBare_) return;
    ajustezBare_ = true;
    QScrollBar* v = verticalScrollBar();
    v->setRange(fixedRows_, std::max(fixedRows_, MaxTopRow()));
    v->setPageStep(std::max(VisibleRowCount(), 1));
    v->setSingleStep(1);
    v->setValue(sus_);
    QScrollBar* h = horizontalScrollBar();
    if (oColoana()) {
        h->setRange(0, std::max(0, latimi_[0] - viewport()->width()));
        h->setSingleStep(std::max(fontMetrics().horizontalAdvance(u'0'), 1));
        h->setPageStep(std::max(viewport()->width() - latimeFixa(), 1));
        h->setValue(offsetPixeli_);
    } else {
        offsetPixeli_ = 0;
        h->setRange(fixedCols_, std::max(fixedCols_, MaxLeftCol()));
        h->setPageStep(std::max(VisibleColCount(), 1));
        h->setSingleStep(1);
        h->setValue(stanga_);
    }
    ajustezBare_ = false;
}

// The bar's own step would land on cells of size 0 or past the end: steps go through the
// grid's scrolling instead, and the slider is put where the grid ended up.
void TKivCustomGrid::pasBara(Qt::Orientation o, int actiune) {
    if (isVisible() && focusPolicy() & Qt::TabFocus) setFocus(Qt::OtherFocusReason);
    const bool vertical = o == Qt::Vertical;
    if (!vertical && oColoana()) return;
    QScrollBar* bara = vertical ? verticalScrollBar() : horizontalScrollBar();
    const auto pas = [&](auto linie, auto pagina) {
        switch (actiune) {
        case QAbstractSlider::SliderSingleStepAdd:
            return linie(1);
        case QAbstractSlider::SliderSingleStepSub:
            return linie(-1);
        case QAbstractSlider::SliderPageStepAdd:
            return pagina(1);
        case QAbstractSlider::SliderPageStepSub:
            return pagina(-1);
        default:
            return;
        }
    };
    ajustezBare_ = true;
    if (vertical)
        pas([this](int n) { ScrollRows(n); }, [this](int n) { ScrollRowPage(n); });
    else
        pas([this](int n) { ScrollCols(n); }, [this](int n) { ScrollColPage(n); });
    ajustezBare_ = false;
    if (actiune >= QAbstractSlider::SliderSingleStepAdd && actiune <= QAbstractSlider::SliderPageStepSub)
        bara->setSliderPosition(vertical ? sus_ : stanga_);
}

void TKivCustomGrid::scrollContentsBy(int, int) {
    coloanaSauRandAjustat();
}

void TKivCustomGrid::coloanaSauRandAjustat() {
    if (ajustezBare_) return;
    if (oColoana())
        SetOffsetOrizontal(horizontalScrollBar()->value());
    else
        SetLeftCol(horizontalScrollBar()->value());
    SetTopRow(verticalScrollBar()->value());
}

// ---- geometry ----

QRect TKivCustomGrid::CellRect(int c, int r) const {
    if (c < 0 || r < 0 || c >= ColCount() || r >= RowCount()) return {};
    const auto pozitie = [](const std::vector<int>& marimi, int i, int fixe, int start, int inceput,
                            int spatiu, auto linie) {
        constexpr int ascunsa = std::numeric_limits<int>::min();
        if (i >= fixe && i < start) return ascunsa;
        int p = i < fixe ? 0 : inceput;
        for (int j = i < fixe ? 0 : start; j < i; ++j) {
            p += marimi[size_t(j)] + linie(j < fixe);
            if (p >= spatiu) return ascunsa;
        }
        return p;
    };
    const int x = pozitie(latimi_, c, fixedCols_, stanga_, latimeFixa() - offsetPixeli_, viewport()->width(),
                          [this](bool f) { return latimeLinieVerticala(f); });
    const int y = pozitie(inaltimi_, r, fixedRows_, sus_, inaltimeFixa(), viewport()->height(),
                          [this](bool f) { return latimeLinieOrizontala(f); });
    constexpr int ascunsa = std::numeric_limits<int>::min();
    if (x == ascunsa || y == ascunsa || x >= viewport()->width() || y >= viewport()->height()) return {};
    return QRect(x, y, latimi_[size_t(c)], inaltimi_[size_t(r)]);
}

TGridCoord TKivCustomGrid::MouseCoord(int x, int y) const {
    const auto cauta = [](const std::vector<int>& marimi, int p, int fixe, int start, int inceput,
                          auto linie) {
        int capat = 0;
        for (int j = 0; j < fixe; ++j) {
            capat += marimi[size_t(j)] + linie(true);
            if (p < capat) return j;
        }
        capat = inceput;
        for (int j = start; j < int(marimi.size()); ++j) {
            capat += marimi[size_t(j)] + linie(false);
            if (p < capat) return j;
        }
        return -1;
    };
    if (x < 0 || y < 0) return {};
    const int c = cauta(latimi_, x, fixedCols_, stanga_, latimeFixa() - offsetPixeli_,
                        [this](bool f) { return latimeLinieVerticala(f); });
    const int r = cauta(inaltimi_, y, fixedRows_, sus_, inaltimeFixa(),
                        [this](bool f) { return latimeLinieOrizontala(f); });
    if (c < 0 || r < 0) return {};
    return {c, r};
}

void TKivCustomGrid::InvalidateCell(int c, int r) {
    const QRect d = CellRect(c, r);
    if (!d.isEmpty()) viewport()->update(d.adjusted(0, 0, latimeLinie_, latimeLinie_));
}

void TKivCustomGrid::InvalidateRow(int r) {
    const QRect d = CellRect(fixedCols_ > 0 ? 0 : stanga_, r);
    if (!d.isEmpty()) viewport()->update(0, d.top(), viewport()->width(), d.height() + latimeLinie_);
}

void TKivCustomGrid::InvalidateGrid() {
    viewport()->update();
}

QRect TKivCustomGrid::Selection() const {
    return QRect(QPoint(std::min(curent_.X, ancora_.X), std::min(curent_.Y, ancora_.Y)),
                 QPoint(std::max(curent_.X, ancora_.X), std::max(curent_.Y, ancora_.Y)));
}

// ---- current cell ----

bool TKivCustomGrid::MoveCurrent(int c, int r, bool extindeSelectia) {
    if (ColCount() <= fixedCols_ || RowCount() <= fixedRows_) return false;
    c = std::clamp(c, fixedCols_, ColCount() - 1);
    r = std::clamp(r, fixedRows_, RowCount() - 1);
    const TGridCoord vechi = curent_;
    if (vechi == TGridCoord{c, r} && (extindeSelectia || ancora_ == curent_)) return true;
    if (!(vechi == TGridCoord{c, r}) && !SelectCell(c, r)) return false;
    if (EditorMode()) HideEditor();
    const bool eraInterval = !(ancora_ == curent_);
    curent_ = {c, r};
    if (!extindeSelectia || !optiuni_.testFlag(TGridOption::goRangeSelect)) ancora_ = curent_;
    if (eraInterval || !(ancora_ == curent_)) {
        InvalidateGrid();
    } else {
        InvalidateCell(vechi.X, vechi.Y);
        InvalidateCell(c, r);
    }
    facVizibila(c, r);
    CurrentCellMoved(vechi);
    return true;
}

void TKivCustomGrid::facVizibila(int c, int r) {
    if (r < sus_) {
        SetTopRow(r);
    } else {
        const int spatiu = viewport()->height() - inaltimeFixa();
        int total = 0, primul = r;
        while (primul >= fixedRows_ &&
               total + inaltimi_[size_t(primul)] + latimeLinieOrizontala(false) <= spatiu)
            total += inaltimi_[size_t(primul--)] + latimeLinieOrizontala(false);
        if (primul + 1 > sus_) SetTopRow(std::min(primul + 1, r));
    }
    if (oColoana()) return;
    if (c < stanga_) {
        SetLeftCol(c);
    } else {
        const int spatiu = viewport()->width() - latimeFixa();
        int total = 0, primul = c;
        while (primul >= fixedCols_ &&
               total + latimi_[size_t(primul)] + latimeLinieVerticala(false) <= spatiu)
            total += latimi_[size_t(primul--)] + latimeLinieVerticala(false);
        if (primul + 1 > stanga_) SetLeftCol(std::min(primul + 1, c));
    }
}

// ---- painting ----

void TKivCustomGrid::paintEvent(QPaintEvent* e) {
    QPainter p(viewport());
    DeseneazaCelule(p, e->rect());
}

// Visits the fixed cells, then the scrolled ones from the first shown on.
namespace {
int primul(int fixe, int start) {
    return fixe > 0 ? 0 : start;
}
int urmatorul(int i, int fixe, int start) {
    return i + 1 == fixe ? std::max(start, fixe) : i + 1;
}
} // namespace

void TKivCustomGrid::DeseneazaCelule(QPainter& p, const QRect& zona) {
    const QRect selectie = Selection();
    const QColor culoareLinie = CuloareInQColor(clBtnShadow),
                 culoareLinieFixa = CuloareInQColor(clWindowText);
    const QColor fundalGol = CuloareInQColor(culoare_);
    const int W = viewport()->width(), H = viewport()->height();
    int y = 0;
    for (int r = primul(fixedRows_, sus_); r < RowCount() && y < H; r = urmatorul(r, fixedRows_, sus_)) {
        const bool rFix = r < fixedRows_;
        const int h = inaltimi_[size_t(r)], lh = latimeLinieOrizontala(rFix);
        if (y + h + lh > zona.top() && y <= zona.bottom()) {
            int x = 0;
            bool deplasat = false;
            for (int c = primul(fixedCols_, stanga_); c < ColCount() && x < W;
                 c = urmatorul(c, fixedCols_, stanga_)) {
                const bool cFix = c < fixedCols_;
                if (!cFix && !deplasat) x -= offsetPixeli_, deplasat = true;
                const int w = latimi_[size_t(c)], lw = latimeLinieVerticala(cFix);
                const bool fix = cFix || rFix;
                if (x + w + lw > zona.left() && x <= zona.right() && w > 0 && h > 0) {
                    TGridDrawState stare;
                    if (fix)
                        stare |= TGridDrawStateFlag::gdFixed;
                    else if (selectie.contains(c, r))
                        stare |= TGridDrawStateFlag::gdSelected;
                    if (c == curent_.X && r == curent_.Y && hasFocus())
                        stare |= TGridDrawStateFlag::gdFocused;
                    p.save();
                    DrawCell(p, c, r, QRect(x, y, w, h), stare);
                    p.restore();
                }
                if (lw > 0) p.fillRect(x + w, y, lw, h + lh, fix ? culoareLinieFixa : culoareLinie);
                if (lh > 0) p.fillRect(x, y + h, w + lw, lh, fix ? culoareLinieFixa : culoareLinie);
                x += w + lw;
            }
            if (x < W) p.fillRect(x, y, W - x, h + lh, fundalGol);
        }
        y += h + lh;
    }
    if (y < H) p.fillRect(0, y, W, H - y, fundalGol);
}

void TKivCustomGrid::deseneazaImplicit(QPainter& p, int, int, const QRect& d, TGridDrawState stare) {
    TColor fundal = stare.testFlag(TGridDrawStateFlag::gdFixed) ? culoareFixa_ : culoare_;
    const bool focusatNeselectat =
        stare.testFlag(TGridDrawStateFlag::gdFocused) && !optiuni_.testFlag(TGridOption::goDrawFocusSelected);
    if (stare.testFlag(TGridDrawStateFlag::gdSelected) && !focusatNeselectat) fundal = clHighlight;
    p.fillRect(d, CuloareInQColor(fundal));
}

void TKivCustomGrid::DrawCell(QPainter& p, int c, int r, const QRect& d, TGridDrawState stare) {
    if (desenImplicit_) deseneazaImplicit(p, c, r, d, stare);
}

void TKivCustomGrid::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    DimensiuniSchimbate();
}

// ---- keyboard and mouse ----

void TKivCustomGrid::keyPressEvent(QKeyEvent* e) {
    if (OnKeyDown && !(EditorMode() && editor_->Handle()->hasFocus())) OnKeyDown(e);
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    const bool interval = shift && optiuni_.testFlag(TGridOption::goRangeSelect);
    const int c = curent_.X, r = curent_.Y;
    const auto randVizibil = [&](int de, int sens) {
        const int gasit = urmatorulVizibil(inaltimi_, de, sens, fixedRows_);
        return gasit < 0 ? r : gasit;
    };
    switch (e->key()) {
    case Qt::Key_Up:
        MoveCurrent(c, randVizibil(r - 1, -1), interval);
        break;
    case Qt::Key_Down:
        MoveCurrent(c, randVizibil(r + 1, 1), interval);
        break;
    case Qt::Key_Left:
        if (oColoana())
            ScrollCols(-1);
        else
            MoveCurrent(std::max(urmatorulVizibil(latimi_, c - 1, -1, fixedCols_), fixedCols_), r, interval);
        break;
    case Qt::Key_Right:
        if (oColoana())
            ScrollCols(1);
        else if (const int urm = urmatorulVizibil(latimi_, c + 1, 1, fixedCols_); urm >= 0)
            MoveCurrent(urm, r, interval);
        break;
    case Qt::Key_PageUp: {
        const int pas = std::max(VisibleRowCount(), 1);
        ScrollRowPage(-1);
        MoveCurrent(c, randVizibil(std::max(r - pas, fixedRows_), 1), interval);
        break;
    }
    case Qt::Key_PageDown: {
        const int pas = std::max(VisibleRowCount(), 1);
        ScrollRowPage(1);
        MoveCurrent(c, randVizibil(std::min(r + pas, RowCount() - 1), -1), interval);
        break;
    }
    case Qt::Key_Home:
        if (oColoana() && !ctrl)
            SetOffsetOrizontal(0);
        else
            MoveCurrent(fixedCols_, ctrl ? fixedRows_ : r, interval);
        break;
    case Qt::Key_End:
        if (oColoana() && !ctrl)
            SetOffsetOrizontal(latimi_[0] - viewport()->width());
        else
            MoveCurrent(ColCount() - 1, ctrl ? RowCount() - 1 : r, interval);
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (!optiuni_.testFlag(TGridOption::goTabs)) return QAbstractScrollArea::keyPressEvent(e);
        if (e->key() == Qt::Key_Backtab || shift)
            c > fixedCols_ ? MoveCurrent(c - 1, r) : MoveCurrent(ColCount() - 1, r - 1);
        else
            c + 1 < ColCount() ? MoveCurrent(c + 1, r) : MoveCurrent(fixedCols_, r + 1);
        break;
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ShowEditor();
        break;
    case Qt::Key_Escape:
        if (EditorMode()) {
            editor_->Hide();
            setFocus();
        }
        break;
    default:
        if (optiuni_.testFlag(TGridOption::goEditing) && !e->text().isEmpty() &&
            e->text().front().isPrint() && !ctrl) {
            ShowEditor();
            if (EditorMode()) QApplication::sendEvent(editor_->Handle(), e);
            return;
        }
        QAbstractScrollArea::keyPressEvent(e);
    }
}

int TKivCustomGrid::margineColoanaLa(int x, int y) const {
    if (!optiuni_.testFlag(TGridOption::goColSizing) || y >= inaltimeFixa()) return -1;
    const TGridCoord celula = MouseCoord(x, y);
    for (int c : {celula.X, celula.X - 1}) {
        const QRect d = CellRect(c, celula.Y);
        if (!d.isEmpty() && std::abs(x - (d.right() + 1)) <= zonaRedimensionare) return c;
    }
    return -1;
}

void TKivCustomGrid::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(e);
    const QPoint p = e->position().toPoint();
    if (focusPolicy() & Qt::ClickFocus) setFocus(Qt::MouseFocusReason);
    coloanaRedimensionata_ = margineColoanaLa(p.x(), p.y());
    if (coloanaRedimensionata_ >= 0) return;
    const TGridCoord celula = MouseCoord(p.x(), p.y());
    if (celula.X >= fixedCols_ && celula.Y >= fixedRows_) {
        MoveCurrent(celula.X, celula.Y, e->modifiers() & Qt::ShiftModifier);
        ultimulClic_.start();
    }
}

void TKivCustomGrid::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (coloanaRedimensionata_ >= 0) {
        const QRect d = CellRect(coloanaRedimensionata_, 0);
        latimi_[size_t(coloanaRedimensionata_)] = std::max(p.x() - d.left(), 1);
        DimensiuniSchimbate();
        return;
    }
    viewport()->setCursor(margineColoanaLa(p.x(), p.y()) >= 0 ? Qt::SplitHCursor : Qt::ArrowCursor);
    if ((e->buttons() & Qt::LeftButton) && optiuni_.testFlag(TGridOption::goRangeSelect)) {
        const TGridCoord celula = MouseCoord(p.x(), p.y());
        if (celula.X >= fixedCols_ && celula.Y >= fixedRows_) MoveCurrent(celula.X, celula.Y, true);
    }
}

void TKivCustomGrid::mouseReleaseEvent(QMouseEvent* e) {
    if (coloanaRedimensionata_ >= 0) {
        coloanaRedimensionata_ = -1;
        ColWidthsChanged();
    }
    QAbstractScrollArea::mouseReleaseEvent(e);
}

void TKivCustomGrid::mouseDoubleClickEvent(QMouseEvent*) {
    TrateazaDubluClic();
}

void TKivCustomGrid::TrateazaDubluClic() {
    DblClick();
    ShowEditor();
}

bool TKivCustomGrid::ClicRecent() const {
    return ultimulClic_.isValid() && ultimulClic_.elapsed() < QApplication::doubleClickInterval();
}

void TKivCustomGrid::wheelEvent(QWheelEvent* e) {
    const int pasi = e->angleDelta().y() / 120;
    if (pasi != 0) ScrollRows(-3 * pasi);
    e->accept();
}

// ---- in-place editor ----

void TKivCustomGrid::ShowEditor() {
    if (!optiuni_.testFlag(TGridOption::goEditing)) return;
    const QRect d = CellRect(curent_.X, curent_.Y);
    if (d.isEmpty()) return;
    if (!editor_) editor_ = new TKivInplaceEdit(this);
    editor_->SetFont(font());
    editor_->Move(d);
    editor_->SetText(GetEditText(curent_.X, curent_.Y));
    editor_->Handle()->setFocus();
    editor_->SelectAll();
}

void TKivCustomGrid::HideEditor() {
    if (!EditorMode()) return;
    SetEditText(curent_.X, curent_.Y, editor_->Text());
    editor_->Hide();
    setFocus();
}

// ---- draw grid ----

void TKivCustomDrawGrid::DrawCell(QPainter& p, int c, int r, const QRect& d, TGridDrawState stare) {
    TKivCustomGrid::DrawCell(p, c, r, d, stare);
    if (OnDrawCell) OnDrawCell(this, c, r, p, d, stare);
}

bool TKivCustomDrawGrid::SelectCell(int c, int r) {
    bool poate = true;
    if (OnSelectCell) OnSelectCell(this, c, r, poate);
    return poate;
}

void TKivCustomDrawGrid::TopLeftMoved() {
    TKivCustomGrid::TopLeftMoved();
    if (OnTopLeftChanged) OnTopLeftChanged(this);
}

QString TKivCustomDrawGrid::GetEditText(int c, int r) {
    QString text;
    if (OnGetEditText) OnGetEditText(this, c, r, text);
    return text;
}

void TKivCustomDrawGrid::SetEditText(int c, int r, const QString& text) {
    if (OnSetEditText) OnSetEditText(this, c, r, text);
}
