#include "register/URegistruActe.h"

#include "controls/KivVirtualGrid.h"
#include "platform/Dialoguri.h"
#include "platform/Imprimanta.h"
#include "platform/Protejat.h"
#include "register/TabeleRegistru.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// One grid line per entry: its index in the window's list.
class LinieIntrare : public TKivVirtualGridLine {
public:
    LinieIntrare(TKivVirtualGridList* lista, int index) : TKivVirtualGridLine(lista), index(index) {}
    int index;
};

QPushButton* buton(QLayout* unde, const QString& text, const QString& nume) {
    auto* b = new QPushButton(text);
    b->setObjectName(nume);
    unde->addWidget(b);
    return b;
}

} // namespace

TRegistruActe::TRegistruActe(QWidget* parinte) : QDialog(parinte) {
    setObjectName(QStringLiteral("RegistruActe"));
    setWindowTitle(QStringLiteral("Registrul actelor de studii"));
    resize(1100, 620);
    auto* filtre = new QHBoxLayout;
    const auto eticheta = [&](const QString& text, QWidget* w, const QString& nume) {
        filtre->addWidget(new QLabel(text));
        filtre->addWidget(w);
        w->setObjectName(nume);
    };
    An = new QSpinBox;
    An->setRange(0, 2100);
    An->setSpecialValueText(QStringLiteral("toti"));
    An->setValue(QDate::currentDate().year());
    eticheta(QStringLiteral("Anul"), An, QStringLiteral("An"));
    Stare = new QComboBox;
    Stare->addItem(QStringLiteral("toate"));
    for (StareAct s : {StareAct::Neconfirmat, StareAct::Tiparit, StareAct::Eliberat, StareAct::Anulat,
                       StareAct::Duplicat, StareAct::Netiparit})
        Stare->addItem(textStare(s));
    eticheta(QStringLiteral("Starea"), Stare, QStringLiteral("Stare"));
    Nume = new QLineEdit;
    eticheta(QStringLiteral("Numele"), Nume, QStringLiteral("Nume"));
    Cnp = new QLineEdit;
    eticheta(QStringLiteral("CNP"), Cnp, QStringLiteral("Cnp"));
    Seria = new QLineEdit;
    Seria->setMaximumWidth(60);
    eticheta(QStringLiteral("Seria"), Seria, QStringLiteral("Seria"));
    Numarul = new QSpinBox;
    Numarul->setRange(0, 99999999);
    Numarul->setSpecialValueText(QStringLiteral("oricare"));
    eticheta(QStringLiteral("Numarul"), Numarul, QStringLiteral("Numarul"));

    auto* actiuni = new QHBoxLayout;
    Confirma = buton(actiuni, QStringLiteral("Confirma tiparirea"), QStringLiteral("Confirma"));
    Elibereaza = buton(actiuni, QStringLiteral("Elibereaza..."), QStringLiteral("Elibereaza"));
    Anuleaza = buton(actiuni, QStringLiteral("Anuleaza formularul..."), QStringLiteral("Anuleaza"));
    actiuni->addStretch();
    Tipareste = buton(actiuni, QStringLiteral("Tipareste registrul"), QStringLiteral("Tipareste"));
    Situatia = buton(actiuni, QStringLiteral("Situatia formularelor"), QStringLiteral("Situatia"));
    Exporta = buton(actiuni, QStringLiteral("Export..."), QStringLiteral("Exporta"));

    Grila = new TKivVirtualGrid;
    Grila->setObjectName(QStringLiteral("Grila"));
    Rezumat = new QLabel;
    Rezumat->setObjectName(QStringLiteral("Rezumat"));
    auto* tot = new QVBoxLayout(this);
    tot->addLayout(filtre);
    tot->addLayout(actiuni);
    tot->addWidget(Grila, 1);
    tot->addWidget(Rezumat);
    coloane();

    const auto reincarca = [this] { protejat(this, [this] { Incarca(); }); };
    connect(An, &QSpinBox::valueChanged, this, reincarca);
    connect(Stare, &QComboBox::currentIndexChanged, this, reincarca);
    connect(Numarul, &QSpinBox::valueChanged, this, reincarca);
    filtruText_.setSingleShot(true);
    filtruText_.setInterval(250);
    connect(&filtruText_, &QTimer::timeout, this, reincarca);
    for (QLineEdit* e : {Nume, Cnp, Seria})
        connect(e, &QLineEdit::textChanged, &filtruText_, qOverload<>(&QTimer::start));
    connect(Confirma, &QPushButton::clicked, this, [this] { confirmaClick(); });
    connect(Elibereaza, &QPushButton::clicked, this, [this] { elibereazaClick(); });
    connect(Anuleaza, &QPushButton::clicked, this, [this] { anuleazaClick(); });
    connect(Tipareste, &QPushButton::clicked, this, [this] { tiparesteClick(true); });
    connect(Situatia, &QPushButton::clicked, this, [this] { tiparesteClick(false); });
    connect(Exporta, &QPushButton::clicked, this, [this] { exportaClick(); });
}

void TRegistruActe::coloane() {
    using T = TKivTipDeDateColoana;
    Grila->BeginUpdate();
    Grila->SetHeaderHeight(40);
    const TabelText t = tabelRegistru({});
    const int latimi[] = {84, 80, 200, 110, 160, 50, 70, 90, 90, 330};
    for (int c = 0; c < int(t.antet.size()); ++c) {
        TKivVirtualGridColumn* col = Grila->Coloane.Add();
        col->SetNumeColoana(t.antet[c]);
        col->TipDeDate = T::atString;
        col->SetWidth(latimi[c]);
    }
    Grila->EndUpdate();
    // The cells show the same texts the export writes, read when painted.
    Grila->OnGetCellValue = [this](TKivVirtualGridLine* obj, int c, TKivValoareDate& v) {
        const auto index = size_t(static_cast<LinieIntrare*>(obj)->index);
        QStringList& texte = texte_[index];
        if (texte.isEmpty()) texte = randRegistru(intrari_[index]);
        v.SetValString(texte.value(c));
    };
    Grila->OnPotEdita = [](TKivVirtualGridLine*, int, bool& poate) { poate = false; };
}

void TRegistruActe::Incarca() {
    filtruText_.stop();
    FiltruRegistru f;
    f.an = An->value();
    if (Stare->currentIndex() > 0) f.stare = stareDinText(Stare->currentText());
    f.nume = Nume->text();
    f.cnp = Cnp->text();
    f.seria = Seria->text();
    f.numarul = Numarul->value();
    intrari_ = Registru::intrari(f);
    texte_.assign(intrari_.size(), {});
    Grila->BeginUpdate();
    Grila->Linii.Clear();
    Grila->Linii.Rezerva(int(intrari_.size()));
    int neconfirmate = 0;
    for (int i = 0; i < int(intrari_.size()); ++i) {
        auto* l = Grila->Linii.Adauga<LinieIntrare>(i);
        if (intrari_[size_t(i)].stare == StareAct::Neconfirmat) {
            l->Atribute = alBoldOn;
            ++neconfirmate;
        }
    }
    Grila->EndUpdate();
    Rezumat->setText(
        QStringLiteral("%1 inregistrari").arg(intrari_.size()) +
        (neconfirmate ? QStringLiteral("; %1 tiparite si neconfirmate: verificati foile si confirmati-le.")
                            .arg(neconfirmate)
                      : QString()));
}

const IntrareRegistru* TRegistruActe::Selectata() const {
    const auto* l = dynamic_cast<const LinieIntrare*>(Grila->LiniaRandului(Grila->Row()));
    return l ? &intrari_[size_t(l->index)] : nullptr;
}

template <class F> void TRegistruActe::peSelectata(F&& actiune) {
    protejat(this, [&] {
        const IntrareRegistru* i = Selectata();
        if (!i) {
            dialoguri().avertisment(this, QStringLiteral("Alegeti intai o inregistrare din registru."));
            return;
        }
        const IntrareRegistru copie = *i;
        const int rand = Grila->Row();
        if (!actiune(copie)) return;
        Incarca();
        if (rand < Grila->RowCount()) Grila->SetRow(rand);
    });
}

void TRegistruActe::confirmaClick() {
    peSelectata([](const IntrareRegistru& i) {
        Registru::confirma(i.id);
        return true;
    });
}

void TRegistruActe::elibereazaClick() {
    peSelectata([this](const IntrareRegistru& i) {
        Predare p;
        if (!CerePredarea(this, i, p)) return false;
        Registru::elibereaza(i.id, p);
        return true;
    });
}

void TRegistruActe::anuleazaClick() {
    peSelectata([this](const IntrareRegistru& i) {
        QString motiv;
        if (!CereText(this, QStringLiteral("Anularea formularului %1").arg(formularIntrare(i)),
                      QStringLiteral("Motivul anularii (numarul nu se mai foloseste niciodata):"), motiv))
            return false;
        Registru::anuleaza(i.id, motiv);
        return true;
    });
}

void TRegistruActe::tiparesteClick(bool registrul) {
    protejat(this, [&] {
        const int pagini =
            registrul ? tiparesteRegistrul(imprimanta(), An->value()) : tiparesteSituatia(imprimanta());
        dialoguri().mesaj(this, QStringLiteral("Am trimis la imprimanta %1 pagini.").arg(pagini));
    });
}

void TRegistruActe::exportaClick() {
    protejat(this, [&] {
        QString cale = dialoguri().fisierDeSalvat(
            this, QStringLiteral("Export registru"),
            QStringLiteral("Excel (*.xlsx);;OpenDocument (*.ods);;Text CSV (*.csv)"),
            QStringLiteral("Registru.xlsx"));
        if (cale.isEmpty()) return;
        if (QFileInfo(cale).suffix().isEmpty()) cale += QStringLiteral(".xlsx");
        exportaTabele({tabelRegistru(intrari_), tabelSituatie(situatiaFormularelor())}, cale);
        dialoguri().mesaj(this, QStringLiteral("Am scris %1.").arg(cale));
    });
}

bool CerePredarea(QWidget* parinte, const IntrareRegistru& intrare, Predare& predare) {
    QDialog d(parinte);
    d.setObjectName(QStringLiteral("Predare"));
    d.setWindowTitle(
        QStringLiteral("Eliberarea certificatului %1 - %2").arg(formularIntrare(intrare), intrare.nume));
    auto* absolvent = new QRadioButton(QStringLiteral("Absolventului"));
    absolvent->setObjectName(QStringLiteral("Absolvent"));
    absolvent->setChecked(true);
    auto* imputernicit = new QRadioButton(QStringLiteral("Unui imputernicit"));
    imputernicit->setObjectName(QStringLiteral("Imputernicit"));
    auto* data = new QDateEdit(QDate::currentDate());
    data->setObjectName(QStringLiteral("Data"));
    data->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    QLineEdit* campuri[4];
    const char* nume[] = {"Primitor", "Act", "Procura", "Mentiuni"};
    for (int i = 0; i < 4; ++i) {
        campuri[i] = new QLineEdit;
        campuri[i]->setObjectName(QLatin1String(nume[i]));
    }
    auto* forma = new QFormLayout(&d);
    forma->addRow(absolvent, imputernicit);
    forma->addRow(QStringLiteral("Data eliberarii"), data);
    forma->addRow(QStringLiteral("Numele imputernicitului"), campuri[0]);
    forma->addRow(QStringLiteral("Actul de identitate"), campuri[1]);
    forma->addRow(QStringLiteral("Procura (numar, data)"), campuri[2]);
    forma->addRow(QStringLiteral("Mentiuni"), campuri[3]);
    auto* butoane = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    forma->addRow(butoane);
    QObject::connect(butoane, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    QObject::connect(butoane, &QDialogButtonBox::accepted, &d, [&] {
        if (imputernicit->isChecked() &&
            (campuri[0]->text().trimmed().isEmpty() || campuri[1]->text().trimmed().isEmpty() ||
             campuri[2]->text().trimmed().isEmpty())) {
            dialoguri().avertisment(
                &d, QStringLiteral("Pentru un imputernicit scrieti numele, actul de identitate si procura."));
            return;
        }
        d.accept();
    });
    if (dialoguri().arataModal(d) != QDialog::Accepted) return false;
    predare.data = data->date();
    if (imputernicit->isChecked()) {
        predare.primitor = campuri[0]->text().trimmed();
        predare.actIdentitate = campuri[1]->text().trimmed();
        predare.procura = campuri[2]->text().trimmed();
    }
    predare.mentiuni = campuri[3]->text().trimmed();
    return true;
}

bool CereText(QWidget* parinte, const QString& titlu, const QString& eticheta, QString& text) {
    QDialog d(parinte);
    d.setObjectName(QStringLiteral("CereText"));
    d.setWindowTitle(titlu);
    auto* camp = new QLineEdit;
    camp->setObjectName(QStringLiteral("Text"));
    auto* forma = new QVBoxLayout(&d);
    forma->addWidget(new QLabel(eticheta));
    forma->addWidget(camp);
    auto* butoane = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    forma->addWidget(butoane);
    QObject::connect(butoane, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(butoane, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    if (dialoguri().arataModal(d) != QDialog::Accepted || camp->text().trimmed().isEmpty()) return false;
    text = camp->text().trimmed();
    return true;
}
