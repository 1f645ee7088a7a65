#include "printing/InsertPaper.h"

#include "controls/DesenSvg.h"
#include "controls/UKivEditors.h"
#include "platform/Ecran.h"
#include "platform/Eroare.h"
#include "platform/Imprimanta.h"
#include "platform/Protejat.h"
#include "platform/StocSetari.h"
#include "register/UTeancFormulare.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <cmath>

// ---- the paper-insertion dialog ----

namespace {

const char* const fisiereImagini[6] = {
    ":/insertpaper/fata.svg",
    ":/insertpaper/verso.svg",
    ":/insertpaper/fata_intoarsa.svg",
    ":/insertpaper/verso_intoarsa.svg",
    ":/insertpaper/hartie_rasturnata.svg",
    ":/insertpaper/hartie_normala.svg",
};

QLabel* eticheta(const QString& text, QWidget* parinte, const QRect& unde) {
    auto* l = new QLabel(text, parinte);
    l->setWordWrap(true);
    l->setGeometry(unde);
    return l;
}

TKivNumEdit* editMargine(QWidget* parinte, const QRect& unde) {
    auto* e = new TKivNumEdit(parinte);
    e->SetNrCifreDupaVirgula(15);
    e->setGeometry(unde);
    return e;
}

// The numeric edit always shows a decimal comma; the number is read as the user's locale writes it.
double margineDinEdit(const TKivNumEdit& edit) {
    QString text = edit.Text();
    text.replace(u',', LocalaNumerelor().decimalPoint());
    double v = 0.0;
    try {
        v = CitesteNumarReal(text);
    } catch (const Eroare&) {
        throw NuEsteNumarReal(edit.Text());
    }
    VerificaMargine(v);
    return v;
}

void puneMarginea(TKivNumEdit& edit, double valoare) {
    QString text = TextNumarReal(valoare);
    if (text.contains(u'e', Qt::CaseInsensitive)) {
        // The edit takes no exponents; a fixed form close enough for a margin.
        text = LocalaNumerelor().toString(valoare, 'f', 6);
        while (text.contains(LocalaNumerelor().decimalPoint()) && (text.endsWith(u'0')))
            text.chop(1);
        if (text.endsWith(LocalaNumerelor().decimalPoint())) text.chop(1);
    }
    edit.SetText(QString());
    edit.SetText(text);
}

const QSize marimeDialog(557, 298);
constexpr int inaltimeTeanc = 250;

QPointer<TInsertPaperForm>& dialogulProgramului() {
    static QPointer<TInsertPaperForm> d;
    return d;
}

// Widgets must go before the application object does.
void distrugeDialogul() {
    delete dialogulProgramului().data();
}

} // namespace

TInsertPaperForm::TInsertPaperForm(QWidget* parinte) : QDialog(parinte) {
    AranjeazaDialogFix(*this, QStringLiteral("InsertPaperForm"),
                       QStringLiteral("Introduceti diploma in imprimanta"), marimeDialog);
    creeazaImaginile();
    creeazaControalele();
    FormCreate();
}

void TInsertPaperForm::creeazaImaginile() {
    for (int i = 0; i < 6; ++i) {
        const bool mare = i < 4;
        const QRect unde = mare ? QRect(16, 8, 200, 283) : QRect(0, 0, 30, 68);
        auto* imagine = new QLabel(this);
        imagine->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        imagine->setGeometry(unde);
        imagine->setPixmap(DesenSvg(QString::fromLatin1(fisiereImagini[i]), unde.size()));
        imagine->setAttribute(Qt::WA_TranslucentBackground);
        imagine->hide();
        Imagini[size_t(i)] = imagine;
    }
    // The small icon lies over the corner of the sheet picture.
    Imagini[4]->raise();
    Imagini[5]->raise();
}

void TInsertPaperForm::creeazaControalele() {
    Label1 = eticheta(QStringLiteral("Va rog sa introduceti diploma in imprimanta, asa cum apare in imaginea "
                                     "din stanga."),
                      this, QRect(232, 12, 312, 48));
    Label2 = eticheta(QStringLiteral("Margine stanga, in milimetri."), this, QRect(232, 72, 312, 18));
    Edit1 = editMargine(this, QRect(232, 92, 140, 24));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label3 = eticheta(QStringLiteral("Margine sus, in milimetri."), this, QRect(232, 128, 312, 18));
    Edit2 = editMargine(this, QRect(232, 148, 140, 24));
    Edit2->setObjectName(QStringLiteral("Edit2"));

    RzCheckBox1 = new QCheckBox(QStringLiteral("Tiparesc imaginea in oglinda"), this);
    RzCheckBox1->setObjectName(QStringLiteral("RzCheckBox1"));
    RzCheckBox1->setGeometry(232, 192, 312, 22);
    RzCheckBox1->setToolTip(QStringLiteral("Utilizati aceasta bifa pentru a va asigura\n"
                                           "ca diploma NU se introduce in imprimanta\n"
                                           "cu cotorul inainte."));
    connect(RzCheckBox1, &QCheckBox::clicked, this, &TInsertPaperForm::RzCheckBox1Click);

    BitBtn1 = new QPushButton(QStringLiteral("Ok"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(352, 258, 90, 28);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TInsertPaperForm::BitBtn1Click);
    BitBtn2 = new QPushButton(QStringLiteral("Renunt"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(452, 258, 90, 28);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    Teanc = new TTeancFormulare(this);
    Teanc->setGeometry(16, marimeDialog.height() - 6, marimeDialog.width() - 32, inaltimeTeanc - 40);
    Teanc->hide();
}

// The pile's questions go below the sheet's, the buttons under them.
void TInsertPaperForm::aratTeancul(const std::optional<AlegereTeanc>& teanc) {
    const int extra = teanc ? inaltimeTeanc : 0;
    setFixedSize(marimeDialog.width(), marimeDialog.height() + extra);
    BitBtn1->move(BitBtn1->x(), 258 + extra);
    BitBtn2->move(BitBtn2->x(), 258 + extra);
    Teanc->setVisible(bool(teanc));
    if (teanc) Teanc->Arata(*teanc);
}

void TInsertPaperForm::FormCreate() {
    CentreazaFereastra(this);
}

TInsertPaperForm& TInsertPaperForm::Instanta() {
    auto& d = dialogulProgramului();
    if (!d) {
        d = new TInsertPaperForm();
        qAddPostRoutine(distrugeDialogul);
    }
    return *d;
}

void TInsertPaperForm::RzCheckBox1Click() {
    Imagini[size_t(imagineNebifat_)]->setVisible(!RzCheckBox1->isChecked());
    Imagini[size_t(imagineBifat_)]->setVisible(RzCheckBox1->isChecked());
}

void TInsertPaperForm::BitBtn1Click() {
    protejat(this, [&] {
        margineDinEdit(*Edit1);
        margineDinEdit(*Edit2);
        if (!Teanc->isHidden()) Teanc->Verifica(foi_);
        accept();
    });
}

TInsertPaperForm::Raspuns TInsertPaperForm::IntrebaIntroducere(int latura, double stanga, double sus,
                                                               const QString& lot,
                                                               const std::optional<AlegereTeanc>& teanc,
                                                               int foi) {
    TAllStuffReg* setari = SetariCurente();
    if (!setari) throw Eroare(QStringLiteral("Setarile de tiparire nu sunt incarcate."));

    for (QLabel* imagine : Imagini)
        imagine->hide();

    // The caption numbers the four ways a sheet can lie; the pictures follow from it.
    const bool verso = latura == LaturaVerso;
    const bool opus = setari->OppositeSide;
    struct Varianta {
        const char* titlu;
        int nebifat, bifat;
    };
    static const Varianta variante[4] = {{"(1)", 2, 0}, {"(2)", 1, 3}, {"(3)", 1, 3}, {"(4)", 0, 2}};
    const Varianta& v = variante[(verso ? 2 : 0) + (opus ? 1 : 0)];
    setWindowTitle(lot.isEmpty() ? QString::fromLatin1(v.titlu)
                                 : QString::fromLatin1(v.titlu) + QStringLiteral(" - ") + lot);
    imagineNebifat_ = v.nebifat;
    imagineBifat_ = v.bifat;

    const bool hartieRasturnata = setari->FeedMode == 1 || setari->FeedMode == 3;
    Imagini[hartieRasturnata ? 4 : 5]->show();

    const QString alegere = setari->Oglindire(latura);
    RzCheckBox1->setChecked(alegere == QLatin1String("*") ? verso != hartieRasturnata
                                                          : alegere == QLatin1String("D"));
    puneMarginea(*Edit1, stanga);
    puneMarginea(*Edit2, sus);
    RzCheckBox1Click();
    aratTeancul(teanc);
    foi_ = foi;

    Raspuns r;
    r.rezultat = dialoguri().arataModal(*this);
    r.oglindesc = RzCheckBox1->isChecked();
    setari->SeteazaOglindire(latura, r.oglindesc ? QStringLiteral("D") : QStringLiteral("N"));
    if (r.rezultat == QDialog::Accepted) {
        r.stanga = margineDinEdit(*Edit1);
        r.sus = margineDinEdit(*Edit2);
        if (teanc) r.teanc = Teanc->Alegerea();
    } else {
        // Cancelling never fails: the margins stay as they were given.
        r.stanga = stanga;
        r.sus = sus;
    }
    return r;
}

TInsertPaperForm::Raspuns IntrebaIntroducere(int latura, double stanga, double sus, const QString& lot,
                                             const std::optional<AlegereTeanc>& teanc, int foi) {
    return TInsertPaperForm::Instanta().IntrebaIntroducere(latura, stanga, sus, lot, teanc, foi);
}
