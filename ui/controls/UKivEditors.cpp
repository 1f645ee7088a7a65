#include "controls/UKivEditors.h"

#include "controls/UKivMouse.h"
#include "platform/Eroare.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <limits>

// ---------------------------------------------------------------- colours and styles

TKivColorVariation::TKivColorVariation(QObject* parinte, TColor baza, TKivVariation variatie)
    : QObject(parinte), baza_(baza), variatie_(variatie) {}

void TKivColorVariation::SetBaseColor(TColor culoare) {
    if (culoare == baza_) return;
    baza_ = culoare;
    emit Schimbat();
}

void TKivColorVariation::SetVariation(TKivVariation variatie) {
    Aplica(variatie, baza_); // refuses an unknown variation before it is kept
    if (variatie == variatie_) return;
    variatie_ = variatie;
    emit Schimbat();
}

TColor TKivColorVariation::Culoare() const {
    return CuloareRezolvata(Aplica(variatie_, baza_));
}

TColor TKivColorVariation::Aplica(TKivVariation variatie, TColor culoare) {
    switch (variatie) {
    case TKivVariation::cvNoVariation:
        return culoare;
    case TKivVariation::cvLiteBlue:
        return DeplaseazaCuloare(-20, -20, 0, culoare);
    case TKivVariation::cvLiteGreen:
        return DeplaseazaCuloare(-20, 0, -20, culoare);
    case TKivVariation::cvLiteRed:
        return DeplaseazaCuloare(0, -20, -20, culoare);
    case TKivVariation::cvLiteLiteBlue:
        return DeplaseazaCuloare(-10, -10, 0, culoare);
    case TKivVariation::cvLiteLiteGreen:
        return DeplaseazaCuloare(-10, 0, -10, culoare);
    case TKivVariation::cvLiteLiteRed:
        return DeplaseazaCuloare(0, -10, -10, culoare);
    case TKivVariation::cvLite:
        return DeplaseazaCuloare(20, 20, 20, culoare);
    case TKivVariation::cvLiteLite:
        return DeplaseazaCuloare(10, 10, 10, culoare);
    }
    throw Eroare(QStringLiteral("Don't know variation"));
}

TKivTextEditStyle::TKivTextEditStyle(QObject* parinte)
    : QObject(parinte), bk_(new TKivColorVariation(this, clWindow)),
      border_(new TKivColorVariation(this, clBtnShadow)),
      fontColor_(new TKivColorVariation(this, clWindowText)), font_(QStringLiteral("Arial"), 9) {
    for (TKivColorVariation* culoare : {bk_, border_, fontColor_})
        connect(culoare, &TKivColorVariation::Schimbat, this, &TKivTextEditStyle::Schimbat);
}

void TKivTextEditStyle::SetBorderWidth(int latime) {
    if (latime == borderWidth_) return;
    borderWidth_ = latime;
    emit Schimbat();
}

void TKivTextEditStyle::SetFont(const QFont& font) {
    if (font == font_) return;
    font_ = font;
    emit Schimbat();
}

TKivTextEditStyleRepository::TKivTextEditStyleRepository(QObject* parinte) : QObject(parinte) {
    for (TKivTextEditStyle*& stil : stiluri_) {
        stil = new TKivTextEditStyle(this);
        connect(stil, &TKivTextEditStyle::Schimbat, this, &TKivTextEditStyleRepository::Schimbat);
    }
    using enum TKivVariation;
    Cold()->BkColor()->SetBaseColor(DeplaseazaCuloare(0, 0, -5, clWindow));
    Hot()->BkColor()->SetVariation(cvLiteLiteBlue);
    Hot()->BorderColor()->SetBaseColor(clBlack);
    Hot()->SetBorderWidth(2);
    Hover()->BkColor()->SetVariation(cvLiteGreen);
    Hover()->BorderColor()->SetVariation(cvLiteGreen);
    const std::pair<TKivTextEditStyle*, TKivVariation> readOnly[] = {
        {ReadOnlyCold(), cvLite}, {ReadOnlyHot(), cvLiteLiteRed}, {ReadOnlyHover(), cvLiteRed}};
    for (const auto& [stil, variatie] : readOnly) {
        stil->BkColor()->SetBaseColor(clBtnFace);
        stil->BkColor()->SetVariation(variatie);
    }
}

TKivTextEditStyleRepository* TKivTextEditStyleRepository::Comun() {
    static QPointer<TKivTextEditStyleRepository> comun;
    if (!comun) comun = new TKivTextEditStyleRepository(qApp);
    return comun;
}

TKivTextEditStyle* TKivTextEditStyleRepository::PentruStare(int stare) const {
    if (stare < 0 || stare > 5) throw Eroare(QStringLiteral("Don't know state"));
    return stiluri_[stare];
}

// ---------------------------------------------------------------- base controls

TKivBaseControl::TKivBaseControl(QWidget* parinte) : QWidget(parinte) {}

void TKivBaseControl::FocusNext() {
    QWidget* parinte = parentWidget();
    if (!parinte) return;
    bool dupaMine = false;
    QWidget* fereastra = window();
    for (QWidget* w = fereastra->nextInFocusChain(); w != fereastra; w = w->nextInFocusChain()) {
        if (w == this) {
            dupaMine = true;
        } else if (dupaMine && parinte->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) &&
                   w->isEnabled() && w->isVisible()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

TKivFieldBasedControl::TKivFieldBasedControl(QWidget* parinte) : TKivBaseControl(parinte) {
    setMouseTracking(true);
    connect(StyleRepository(), &TKivTextEditStyleRepository::Schimbat, this, qOverload<>(&QWidget::update));
}

void TKivFieldBasedControl::SetState(int stare) {
    if (stare < 0 || stare > 5) throw Eroare(QStringLiteral("Don't know state"));
    if (stare == stare_) return;
    stare_ = stare;
    update();
}

TKivTextEditStyle* TKivFieldBasedControl::StyleForState(int stare) const {
    return StyleRepository()->PentruStare(stare);
}

TKivTextEditStyleRepository* TKivFieldBasedControl::StyleRepository() const {
    return TKivTextEditStyleRepository::Comun();
}

void TKivFieldBasedControl::PaintState(QPainter& p, int stare) {
    const TKivTextEditStyle* stil = StyleForState(stare);
    QColor fundal = stil->BkColor()->QCuloare();
    if (!isEnabled() && stil->BkColor()->BaseColor() == clBtnFace) fundal = CuloareInQColor(clBtnFace);
    p.fillRect(rect(), fundal);
    const QColor chenar = stil->BorderColor()->QCuloare();
    for (int i = 0; i < stil->BorderWidth(); ++i) {
        const QRect inel = rect().adjusted(i, i, -i, -i);
        if (inel.width() <= 0 || inel.height() <= 0) break;
        p.fillRect(QRect(inel.left(), inel.top(), inel.width(), 1), chenar);
        p.fillRect(QRect(inel.left(), inel.bottom(), inel.width(), 1), chenar);
        p.fillRect(QRect(inel.left(), inel.top(), 1, inel.height()), chenar);
        p.fillRect(QRect(inel.right(), inel.top(), 1, inel.height()), chenar);
    }
}

void TKivFieldBasedControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintState(p, stare_);
}

bool TKivFieldBasedControl::event(QEvent* e) {
    if (e->type() == TKivMesajFereastra::Tip()) {
        if (static_cast<TKivMesajFereastra*>(e)->mesaj() == MesajMouseAfara && stare_ == grup() + 1)
            SetState(grup());
        return true;
    }
    return TKivBaseControl::event(e);
}

void TKivFieldBasedControl::mouseMoveEvent(QMouseEvent* e) {
    const bool inauntru = rect().contains(e->position().toPoint());
    if (inauntru && stare_ == grup()) {
        SetState(grup() + 1);
        new TKivMouseInWindowThread(this, MesajMouseAfara);
    } else if (!inauntru && stare_ == grup() + 1) {
        SetState(grup());
    }
}

void TKivFieldBasedControl::focusInEvent(QFocusEvent* e) {
    SetState(grup() + 2);
    TKivBaseControl::focusInEvent(e);
}

void TKivFieldBasedControl::focusOutEvent(QFocusEvent* e) {
    SetState(grup());
    TKivBaseControl::focusOutEvent(e);
}

// ---------------------------------------------------------------- text edit

namespace {

bool esteSeparatorCuvant(QChar c) {
    return c == u'\t' || c == u'\n' || c == u'\r' || c == u' ' || c == u',' || c == u'.';
}

bool estePrintabil(QChar c) {
    return c.unicode() > 31 && c.unicode() != 127;
}

// Pasted text loses its line breaks and other control characters: a copied spreadsheet cell
// ends with one, and a single-line value must not hold them.
QString doarPrintabile(const QString& text) {
    QString rezultat;
    for (QChar c : text)
        if (estePrintabil(c)) rezultat += c;
    return rezultat;
}

} // namespace

TKivCustomTextEdit::TKivCustomTextEdit(QWidget* parinte) : TKivFieldBasedControl(parinte) {
    resize(100, 24);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
}

void TKivCustomTextEdit::SetText(const QString& text) {
    QString candidat = text;
    if (!AcceptText(candidat) || candidat == text_) return;
    text_ = candidat;
    p_ = int(text_.size()) + 1;
    s_ = 0;
    update();
    emit OnChange();
}

void TKivCustomTextEdit::SetKeepSelection(bool pastreaza) {
    keepSelection_ = pastreaza;
    update();
}

void TKivCustomTextEdit::SetRightAlignNonEdit(bool dreapta) {
    rightAlign_ = dreapta;
    update();
}

QString TKivCustomTextEdit::TextSelectat() const {
    return text_.mid(inceputSelectie() - 1, sfarsitSelectie() - inceputSelectie());
}

void TKivCustomTextEdit::SelecteazaTot() {
    p_ = 1;
    s_ = int(text_.size());
    update();
}

QFont TKivCustomTextEdit::fontStare() const {
    return StyleForState(Stare())->Font();
}

bool TKivCustomTextEdit::AcceptText(QString& candidat) const {
    return QFontMetrics(fontStare()).horizontalAdvance(candidat) + 8 < width();
}

void TKivCustomTextEdit::insereaza(const QString& bucata) {
    if (ReadOnly()) return;
    const int inceput = inceputSelectie();
    QString candidat = text_.left(inceput - 1) + bucata + text_.mid(sfarsitSelectie() - 1);
    if (!AcceptText(candidat) || candidat == text_) return;
    text_ = candidat;
    s_ = 0;
    p_ = inceput + int(bucata.size());
    update();
    emit OnChange();
}

void TKivCustomTextEdit::stergeLangaCaret(bool inainte) {
    if (ReadOnly()) return;
    if (s_ != 0) {
        insereaza(QString());
        return;
    }
    const int index = inainte ? p_ - 2 : p_ - 1; // the character removed, from 0
    if (index < 0 || index >= text_.size()) return;
    QString candidat = text_;
    candidat.remove(index, 1);
    if (!AcceptText(candidat) || candidat == text_) return;
    text_ = candidat;
    if (inainte) --p_;
    update();
    emit OnChange();
}

void TKivCustomTextEdit::mutaCaret(int p) {
    p_ = std::clamp(p, 1, int(text_.size()) + 1);
    s_ = 0;
    update();
}

void TKivCustomTextEdit::extindeSelectiaLa(int capat) {
    s_ = std::clamp(capat, 1, int(text_.size()) + 1) - p_;
    update();
}

void TKivCustomTextEdit::copiaza() const {
    if (s_ != 0) QGuiApplication::clipboard()->setText(TextSelectat());
}

void TKivCustomTextEdit::lipeste() {
    insereaza(doarPrintabile(QGuiApplication::clipboard()->text()));
}

void TKivCustomTextEdit::taie() {
    if (ReadOnly()) return;
    copiaza();
    insereaza(QString());
}

int TKivCustomTextEdit::inceputCuvantAnterior(int pozitie) const {
    int i = pozitie - 1;
    while (i > 0 && esteSeparatorCuvant(text_[i - 1]))
        --i;
    while (i > 0 && !esteSeparatorCuvant(text_[i - 1]))
        --i;
    return i + 1;
}

int TKivCustomTextEdit::inceputCuvantUrmator(int pozitie) const {
    int i = pozitie - 1;
    const int lungime = int(text_.size());
    while (i < lungime && !esteSeparatorCuvant(text_[i]))
        ++i;
    while (i < lungime && esteSeparatorCuvant(text_[i]))
        ++i;
    return i + 1;
}

bool TKivCustomTextEdit::trateazaNavigare(int tasta, bool shift, bool ctrl) {
    const int sfarsit = int(text_.size()) + 1;
    const bool inapoi = tasta == Qt::Key_Left || tasta == Qt::Key_Up;
    switch (tasta) {
    case Qt::Key_Home:
    case Qt::Key_End: {
        const int tinta = tasta == Qt::Key_Home ? 1 : sfarsit;
        shift ? extindeSelectiaLa(tinta) : mutaCaret(tinta);
        return true;
    }
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (ctrl) {
            const int capat = shift ? p_ + s_ : p_;
            const int tinta = inapoi ? inceputCuvantAnterior(capat) : inceputCuvantUrmator(capat);
            shift ? extindeSelectiaLa(tinta) : mutaCaret(tinta);
            return true;
        }
        if (shift) {
            extindeSelectiaLa(p_ + s_ + (inapoi ? -1 : 1));
            return true;
        }
        [[fallthrough]];
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (s_ != 0) {
            s_ = 0;
            update();
        } else {
            mutaCaret(p_ + (inapoi ? -1 : 1));
        }
        return true;
    default:
        return false;
    }
}

bool TKivCustomTextEdit::trateazaTasta(QKeyEvent* e) {
    const int tasta = e->key();
    const bool shift = e->modifiers() & Qt::ShiftModifier;
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const bool alt = e->modifiers() & Qt::AltModifier;

    if (tasta == Qt::Key_Left && p_ == 1 && !shift) emit OnLeft();
    if (tasta == Qt::Key_Right && p_ == text_.size() + 1 && !shift) emit OnRight();
    if (tasta == Qt::Key_Up) emit OnUp(tasta, e->modifiers());
    if (tasta == Qt::Key_Down) emit OnDown(tasta, e->modifiers());

    if (ctrl && !alt && (tasta == Qt::Key_C || (tasta == Qt::Key_Delete && !shift))) return copiaza(), true;
    if ((ctrl && !alt && tasta == Qt::Key_V) || (shift && !ctrl && tasta == Qt::Key_Insert))
        return lipeste(), true;
    if ((ctrl && !alt && tasta == Qt::Key_X) || (shift && !ctrl && tasta == Qt::Key_Delete))
        return taie(), true;
    if (tasta == Qt::Key_Return || tasta == Qt::Key_Enter) return FocusNext(), true;
    if (tasta == Qt::Key_Backspace && !ctrl) return stergeLangaCaret(true), true;
    if (tasta == Qt::Key_Delete && !ctrl && !shift) return stergeLangaCaret(false), true;
    if (trateazaNavigare(tasta, shift, ctrl)) return true;

    // AltGr arrives as Ctrl+Alt on some desktops and still types a letter.
    const QString text = e->text();
    if (!text.isEmpty() && (!ctrl || alt) && std::all_of(text.begin(), text.end(), estePrintabil)) {
        insereaza(text);
        return true;
    }
    return false;
}

void TKivCustomTextEdit::keyPressEvent(QKeyEvent* e) {
    if (!trateazaTasta(e)) TKivFieldBasedControl::keyPressEvent(e);
}

int TKivCustomTextEdit::startText() const {
    if (rightAlign_ && !hasFocus()) return width() - 4 - QFontMetrics(fontStare()).horizontalAdvance(text_);
    return 4;
}

int TKivCustomTextEdit::pozitieLaX(int x) const {
    const QFontMetrics fm(fontStare());
    const int relativ = x - startText();
    int celMaiBun = 0, distantaMinima = std::numeric_limits<int>::max();
    for (int i = 0; i <= text_.size(); ++i) {
        const int distanta = std::abs(relativ - fm.horizontalAdvance(text_.left(i)));
        if (distanta < distantaMinima) distantaMinima = distanta, celMaiBun = i;
    }
    return celMaiBun + 1;
}

void TKivCustomTextEdit::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return TKivFieldBasedControl::mousePressEvent(e);
    // The click that brings the focus only focuses (the focus arrives before the press).
    if (clicDoarFocalizeaza_ || !hasFocus()) {
        if (!hasFocus()) setFocus(Qt::MouseFocusReason);
        clicDoarFocalizeaza_ = false;
        return;
    }
    mutaCaret(pozitieLaX(e->position().toPoint().x()));
    tragere_ = true;
}

void TKivCustomTextEdit::mouseMoveEvent(QMouseEvent* e) {
    TKivFieldBasedControl::mouseMoveEvent(e);
    if (tragere_ && (e->buttons() & Qt::LeftButton))
        extindeSelectiaLa(pozitieLaX(e->position().toPoint().x()));
}

void TKivCustomTextEdit::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) tragere_ = false;
    TKivFieldBasedControl::mouseReleaseEvent(e);
}

void TKivCustomTextEdit::focusInEvent(QFocusEvent* e) {
    TKivFieldBasedControl::focusInEvent(e);
    clicDoarFocalizeaza_ = e->reason() == Qt::MouseFocusReason;
    if (!ReadOnly()) autoSelect_ ? SelecteazaTot() : mutaCaret(int(text_.size()) + 1);
}

void TKivCustomTextEdit::focusOutEvent(QFocusEvent* e) {
    clicDoarFocalizeaza_ = false;
    tragere_ = false;
    TKivFieldBasedControl::focusOutEvent(e);
}

void TKivCustomTextEdit::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintState(p, Stare());
    PaintText(p);
}

void TKivCustomTextEdit::AdjustTextColour(QPainter&, Parte) {}

void TKivCustomTextEdit::PaintText(QPainter& p) {
    const TKivTextEditStyle* stil = StyleForState(Stare());
    p.setFont(stil->Font());
    const QFontMetrics fm(stil->Font());
    const int sus = (height() - fm.height()) / 2;
    const int linieBaza = sus + fm.ascent();
    const bool aratSelectia = s_ != 0 && (hasFocus() || keepSelection_);
    const int a = aratSelectia ? inceputSelectie() - 1 : int(text_.size());
    const int b = aratSelectia ? sfarsitSelectie() - 1 : int(text_.size());
    const QPalette paleta = QApplication::palette();

    int x = startText();
    const auto deseneaza = [&](const QString& bucata, Parte parte) {
        if (bucata.isEmpty()) return;
        const int latime = fm.horizontalAdvance(bucata);
        QColor culoare = stil->FontColor()->QCuloare();
        if (parte == Parte::Selectie) {
            const QColor fundal =
                hasFocus()
                    ? paleta.color(QPalette::Highlight)
                    : CuloareInQColor(TKivColorVariation::Aplica(
                          TKivVariation::cvLiteBlue, QColorInCuloare(paleta.color(QPalette::Highlight))));
            p.fillRect(QRect(x, sus, latime, fm.height()), fundal);
            culoare = paleta.color(QPalette::HighlightedText);
        }
        p.setPen(culoare);
        AdjustTextColour(p, parte);
        p.drawText(QPoint(x, linieBaza), bucata);
        x += latime;
    };
    deseneaza(text_.left(a), Parte::Inainte);
    deseneaza(text_.mid(a, b - a), Parte::Selectie);
    deseneaza(text_.mid(b), Parte::Dupa);

    if (hasFocus()) {
        const int xCaret = startText() + fm.horizontalAdvance(text_.left(p_ - 1));
        p.fillRect(QRect(xCaret, 3, 2, height() - 6), stil->FontColor()->QCuloare());
    }
}

// ---------------------------------------------------------------- numeric edit

namespace {

// |v| without the overflow of -min.
quint64 absolut(qint64 v) {
    return v < 0 ? 0 - quint64(v) : quint64(v);
}

quint64 putereZece(int cifre) {
    quint64 p = 1;
    while (cifre-- > 0)
        p *= 10;
    return p;
}

qint64 intregSauZero(const QString& text) {
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    return ok ? n : 0;
}

} // namespace

TKivNumEdit::TKivNumEdit(QWidget* parinte) : TKivTextEdit(parinte) {
    SetRightAlignNonEdit(true);
}

void TKivNumEdit::SetNoDots(bool faraPuncte) {
    noDots_ = faraPuncte;
    update();
}

bool TKivNumEdit::AcceptText(QString& candidat) const {
    qsizetype separator = -1;
    for (qsizetype i = 0; i < candidat.size(); ++i) {
        const QChar c = candidat[i];
        if (c.isDigit() && c.unicode() < 128) continue;
        if (c == u'-' && i == 0) continue;
        if ((c == u',' || c == u'.') && separator < 0) {
            separator = i;
            continue;
        }
        return false;
    }
    const qsizetype inainte = separator < 0 ? candidat.size() : separator;
    const qsizetype dupa = separator < 0 ? 0 : candidat.size() - separator - 1;
    if (dupa > cifreDupaVirgula_ || inainte + dupa >= 18) return false;
    if (separator >= 0) candidat[separator] = u',';
    return TKivTextEdit::AcceptText(candidat);
}

// The characters before the first separator followed by the first `cifre` digits after it.
qint64 TKivNumEdit::cuZecimale(int cifre) const {
    const QString text = Text();
    qsizetype separator = text.indexOf(u',');
    if (separator < 0) separator = text.indexOf(u'.');
    const QString inainte = separator < 0 ? text : text.left(separator);
    const QString dupa = separator < 0 ? QString() : text.mid(separator + 1).left(cifre);
    return intregSauZero(inainte + dupa.leftJustified(cifre, u'0'));
}

void TKivNumEdit::scrieCuZecimale(qint64 v, int cifre) {
    const quint64 unitate = putereZece(cifre), m = absolut(v);
    QString text = QString::number(m / unitate);
    if (m % unitate != 0) text += u',' + QStringLiteral("%1").arg(m % unitate, cifre, 10, QChar(u'0'));
    SetText(v < 0 ? u'-' + text : text);
}

qint64 TKivNumEdit::FaraZecimale() const {
    const QString text = Text();
    const qsizetype virgula = text.indexOf(u','), punct = text.indexOf(u'.');
    const qsizetype separator = virgula < 0 ? punct : (punct < 0 ? virgula : std::min(virgula, punct));
    return intregSauZero(separator < 0 ? text : text.left(separator));
}

void TKivNumEdit::SetFaraZecimale(qint64 v) {
    SetText(QString::number(v));
}
qint64 TKivNumEdit::CuDouaZecimale() const {
    return cuZecimale(2);
}
void TKivNumEdit::SetCuDouaZecimale(qint64 v) {
    scrieCuZecimale(v, 2);
}
qint64 TKivNumEdit::CuPatruZecimale() const {
    return cuZecimale(4);
}
void TKivNumEdit::SetCuPatruZecimale(qint64 v) {
    scrieCuZecimale(v, 4);
}
qint64 TKivNumEdit::CuDoiPatruZecimale() const {
    return CuDouaZecimale() * 100;
}
void TKivNumEdit::SetCuDoiPatruZecimale(qint64 v) {
    SetCuDouaZecimale(v / 100);
}

Currency TKivNumEdit::AsCurrency() const {
    QString text = Text();
    const bool negativ = text.contains(u'-');
    if (negativ) text.remove(0, 1);
    const qsizetype virgula = text.indexOf(u',');
    QString intreg = virgula < 0 ? text : text.left(virgula);
    if (intreg.isEmpty()) intreg = QStringLiteral("0");
    const QString fractie = virgula < 0 ? QString() : text.mid(virgula + 1).remove(u',');
    // Beyond what ten-thousandths can hold the value is no value.
    const qint64 intregi = intregSauZero(intreg);
    constexpr qint64 limita = (std::numeric_limits<qint64>::max() - 9999) / 10000;
    if (intregi > limita || intregi < -limita) return {};
    const qint64 zeciMii = intregi * 10000 + intregSauZero(fractie.left(4).leftJustified(4, u'0'));
    return Currency::dinZeciMii(negativ ? -zeciMii : zeciMii);
}

void TKivNumEdit::SetAsCurrency(Currency v) {
    const quint64 m = absolut(v.zeciMii);
    const QString text =
        QString::number(m / 10000) + u',' + QStringLiteral("%1").arg(m % 10000 / 100, 2, 10, QChar(u'0'));
    SetText(v.negativ() ? u'-' + text : text);
}

void TKivNumEdit::AdjustTextColour(QPainter& p, Parte parte) {
    if (parte != Parte::Selectie && Text().contains(u'-')) p.setPen(Qt::red);
}

void TKivNumEdit::PaintText(QPainter& p) {
    TKivTextEdit::PaintText(p);
    const QString text = Text();
    if (noDots_ || text.isEmpty()) return;
    const QFontMetrics fm(fontStare());
    const int x0 = startText();
    const int jos = (height() - fm.height()) / 2 + fm.ascent();

    const qsizetype virgula = text.indexOf(u',');
    const qsizetype sfarsitIntreg = virgula < 0 ? text.size() : virgula;
    const qsizetype primaCifra = text.startsWith(u'-') ? 1 : 0;
    for (qsizetype i = primaCifra; i < sfarsitIntreg; ++i) {
        const qsizetype cifreDupa = sfarsitIntreg - 1 - i;
        if (cifreDupa == 0 || cifreDupa % 3 != 0) continue;
        const int x = x0 + fm.horizontalAdvance(text.left(i + 1));
        p.fillRect(QRect(x - 1, jos, 2, 2), Qt::blue);
    }
    if (virgula >= 0) {
        const int x = x0 + fm.horizontalAdvance(text.left(virgula + 1));
        p.fillRect(QRect(x, height() / 2, 1, height() - 4 - height() / 2), Qt::red);
    }
}
