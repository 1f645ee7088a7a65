#include "controls/UKivVGridEditorForm.h"

#include "platform/Eroare.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>

namespace {

using Tip = TKivTipDeDateColoana;
constexpr int latimeProprie = 150;

QToolButton* buton(QWidget* parinte, QStyle::StandardPixmap pictograma, const QString& rezerva,
                   const QString& indiciu) {
    auto* b = new QToolButton(parinte);
    const QIcon icon = parinte->style()->standardIcon(pictograma);
    if (icon.isNull())
        b->setText(rezerva);
    else
        b->setIcon(icon);
    b->setToolTip(indiciu);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

bool esteNumeric(Tip tip) {
    return tip == Tip::atCurrency || tip == Tip::atInteger || tip == Tip::atIntegerDouaZecimale;
}

bool esteData(Tip tip) {
    return tip == Tip::atDataScurtFaraAn || tip == Tip::atDataScurtCuAn || tip == Tip::atDataLung;
}

} // namespace

TKivVGridEditorForm::TKivVGridEditorForm(QWidget* parinte)
    : QDialog(parinte, Qt::Popup | Qt::FramelessWindowHint), Num(new TKivNumEdit(this)),
      Ed(new TKivTextEdit(this)), Date(new QDateEdit(this)),
      BtnOk(buton(this, QStyle::SP_DialogApplyButton, QStringLiteral("OK"), QStringLiteral("Accepta"))),
      BtnRenunta(buton(this, QStyle::SP_DialogCancelButton, QStringLiteral("X"), QStringLiteral("Renunta"))) {
    Date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    Date->setCalendarPopup(true);
    for (QObject* o : {static_cast<QObject*>(Num), static_cast<QObject*>(Ed), static_cast<QObject*>(Date),
                       static_cast<QObject*>(Date->findChild<QLineEdit*>())})
        if (o) o->installEventFilter(this);
    connect(BtnOk, &QToolButton::clicked, this, &QDialog::accept);
    connect(BtnRenunta, &QToolButton::clicked, this, &QDialog::reject);
    Num->hide();
    Ed->hide();
    Date->hide();
    resize(latimeProprie, 24);
}

void TKivVGridEditorForm::aseaza(int latime, int inaltime) {
    resize(latime, inaltime);
    const int latimeButon = inaltime;
    BtnRenunta->setGeometry(latime - latimeButon, 0, latimeButon, inaltime);
    BtnOk->setGeometry(latime - 2 * latimeButon, 0, latimeButon, inaltime);
    activ_->setGeometry(0, 0, latime - 2 * latimeButon, inaltime);
}

void TKivVGridEditorForm::Pregateste(const TKivValoareDate& v, QChar primul, QPoint stangaSus, int inaltime,
                                     int latimeColoana) {
    tip_ = v.Tip();
    if (esteNumeric(tip_))
        activ_ = Num;
    else if (tip_ == Tip::atString)
        activ_ = Ed;
    else if (esteData(tip_))
        activ_ = Date;
    else
        throw Eroare(QStringLiteral("Nu cunosc tipul"));
    for (QWidget* w : {static_cast<QWidget*>(Num), static_cast<QWidget*>(Ed), static_cast<QWidget*>(Date)})
        w->setVisible(w == activ_);
    setFocusProxy(activ_);

    int latime = std::max(latimeProprie, latimeColoana);
    // A long text must fit whole: the edit refuses a text wider than itself, and an editor
    // that came up empty would write the empty text back on OK.
    if (tip_ == Tip::atString) {
        const QFontMetrics fm(Ed->StyleForState(Ed->Stare())->Font());
        latime = std::max(latime, fm.horizontalAdvance(v.ValString()) + 24 + 2 * inaltime);
    }
    move(stangaSus);
    aseaza(latime, inaltime);

    if (esteNumeric(tip_))
        incarcaNumar(v, primul);
    else if (tip_ == Tip::atString)
        incarcaText(v, primul);
    else {
        Date->setDate(v.Valoare().toDateTime().date());
        Date->setSelectedSection(QDateTimeEdit::DaySection);
    }
}

void TKivVGridEditorForm::incarcaNumar(const TKivValoareDate& v, QChar primul) {
    const bool cifra = primul.isDigit() && primul.unicode() < 128;
    const int d = cifra ? primul.digitValue() : 0;
    Num->SetNrCifreDupaVirgula(tip_ == Tip::atInteger ? 0 : 2);
    switch (tip_) {
    case Tip::atCurrency:
        Num->SetAsCurrency(cifra ? Currency::dinIntreg(d) : v.ValCurrency());
        break;
    case Tip::atInteger:
        Num->SetFaraZecimale(cifra ? d : v.ValInteger());
        break;
    default:
        Num->SetCuDouaZecimale(cifra ? d * 100 : v.ValIntegerDouaZecimale());
        break;
    }
    Num->SetAutoSelectOnEnter(!cifra);
    if (cifra)
        Num->SetText(QString(primul));
    else
        Num->SelecteazaTot();
}

void TKivVGridEditorForm::incarcaText(const TKivValoareDate& v, QChar primul) {
    const bool cuCaracter = !primul.isNull();
    Ed->SetText(cuCaracter ? QString(primul) : v.ValString());
    Ed->SetAutoSelectOnEnter(!cuCaracter);
    if (!cuCaracter) Ed->SelecteazaTot();
}

TKivValoareDate TKivVGridEditorForm::Valoare() const {
    TKivValoareDate v;
    const QDateTime data(Date->date(), QTime(0, 0));
    switch (tip_) {
    case Tip::atCurrency:
        v.SetValCurrency(Num->AsCurrency());
        break;
    case Tip::atInteger:
        v.SetValInteger(Num->FaraZecimale());
        break;
    case Tip::atIntegerDouaZecimale:
        v.SetValIntegerDouaZecimale(Num->CuDouaZecimale());
        break;
    case Tip::atString:
        v.SetValString(Ed->Text());
        break;
    case Tip::atDataScurtFaraAn:
        v.SetValDataScurtFaraAn(data);
        break;
    case Tip::atDataScurtCuAn:
        v.SetValDataScurtCuAn(data);
        break;
    case Tip::atDataLung:
        v.SetValDataLung(data);
        break;
    default:
        throw Eroare(QStringLiteral("Nu cunosc tipul"));
    }
    return v;
}

bool TKivVGridEditorForm::eventFilter(QObject* obiect, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        const int tasta = static_cast<QKeyEvent*>(e)->key();
        if (tasta == Qt::Key_Return || tasta == Qt::Key_Enter) return accept(), true;
        if (tasta == Qt::Key_Escape) return reject(), true;
    }
    return QDialog::eventFilter(obiect, e);
}

void TKivVGridEditorForm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (activ_) activ_->setFocus(Qt::PopupFocusReason);
}
