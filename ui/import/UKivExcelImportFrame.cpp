#include "import/UKivExcelImportFrame.h"

#include "data/UProfilDiploma.h"
#include "import/UExcelSelectieColoana.h"
#include "platform/Eroare.h"
#include "platform/Protejat.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

enum { PaginaColoana = 0, PaginaConstanta = 1, PaginaCnp = 2 };

QLineEdit* camp(QWidget* parinte, QVBoxLayout* l, const QString& eticheta, const QString& nume) {
    l->addWidget(new QLabel(eticheta, parinte));
    auto* e = new QLineEdit(parinte);
    e->setObjectName(nume);
    l->addWidget(e);
    return e;
}

QWidget* paginaNoua(QStackedWidget* pagini, QVBoxLayout*& l) {
    auto* p = new QWidget(pagini);
    l = new QVBoxLayout(p);
    l->setContentsMargins(0, 0, 0, 0);
    pagini->addWidget(p);
    return p;
}

} // namespace

TButonPaginaOk::TButonPaginaOk(QWidget* parinte, std::function<void()> verificare)
    : QPushButton(parinte), PaginaOkClick(std::move(verificare)) {
    setObjectName(QStringLiteral("PaginaOk"));
    hide();
}

bool VerificaPagina(QWidget* pagina) {
    const auto butoane = pagina->findChildren<TButonPaginaOk*>(QStringLiteral("PaginaOk"));
    if (butoane.isEmpty() || !butoane.first()->PaginaOkClick) return true;
    return protejat(pagina, butoane.first()->PaginaOkClick);
}

TKivExcelImportFrame::TKivExcelImportFrame(QWidget* owner) : QFrame(owner) {
    setObjectName(QStringLiteral("KivExcelImportFrame"));
    auto* l = new QVBoxLayout(this);
    l->addWidget(new QLabel(QStringLiteral("Va rugam specificati coloana de pe care se va prelua:"), this));
    LabelCheie = new QLabel(this);
    LabelCheie->setObjectName(QStringLiteral("LabelCheie"));
    LabelEticheta = new QLabel(this);
    LabelEticheta->setObjectName(QStringLiteral("LabelEticheta"));
    QFont gros = LabelEticheta->font();
    gros.setBold(true);
    LabelEticheta->setFont(gros);
    l->addWidget(LabelEticheta);
    l->addWidget(LabelCheie);
    l->addSpacing(8);

    l->addWidget(new QLabel(QStringLiteral("Cum generez date pentru aceasta coloana:"), this));
    CbMod = new QComboBox(this);
    CbMod->setObjectName(QStringLiteral("CbMod"));
    CbMod->addItems({QStringLiteral("Preiau direct dintr-o coloana Excel"),
                     QStringLiteral("Valoare constanta pentru toate diplomele"),
                     QStringLiteral("Valoare derivata din CNP-ul elevului"),
                     QStringLiteral("Preiau prima parte a numelui din coloana Excel"),
                     QStringLiteral("Preiau a doua parte a numelui din coloana Excel")});
    l->addWidget(CbMod);
    CbNuImport = new QCheckBox(QStringLiteral("NU import date pentru aceasta coloana"), this);
    CbNuImport->setObjectName(QStringLiteral("CbNuImport"));
    l->addWidget(CbNuImport);

    PaginiMod = new QStackedWidget(this);
    PaginiMod->setObjectName(QStringLiteral("PaginiMod"));
    QVBoxLayout* lp = nullptr;
    QWidget* p = paginaNoua(PaginiMod, lp);
    lp->addWidget(new QLabel(QStringLiteral("Coloana pentru preluarea acestui camp de date:"), p));
    auto* rand = new QHBoxLayout;
    EdColoana = new QLineEdit(p);
    EdColoana->setObjectName(QStringLiteral("EdColoana"));
    EdColoana->setReadOnly(true);
    BtnColoana = new QToolButton(p);
    BtnColoana->setObjectName(QStringLiteral("BtnColoana"));
    BtnColoana->setArrowType(Qt::DownArrow);
    rand->addWidget(EdColoana);
    rand->addWidget(BtnColoana);
    lp->addLayout(rand);
    lp->addStretch();
    p = paginaNoua(PaginiMod, lp);
    EdConstanta = camp(p, lp, QStringLiteral("Ce scriu in aceasta coloana:"), QStringLiteral("EdConstanta"));
    lp->addStretch();
    p = paginaNoua(PaginiMod, lp);
    EdFete = camp(p, lp, QStringLiteral("Ce scriu pentru fete (prima cifra din CNP para: 2, 4, 6, 8)"),
                  QStringLiteral("EdFete"));
    EdBaieti = camp(p, lp, QStringLiteral("Ce scriu pentru baieti (prima cifra din CNP impara: 1, 3, 5, 7)"),
                    QStringLiteral("EdBaieti"));
    lp->addStretch();
    l->addWidget(PaginiMod, 1);

    PaginaOk = new TButonPaginaOk(this, [this] { PaginaOkClick(); });

    connect(CbMod, &QComboBox::currentIndexChanged, this, [this] { CbModChange(); });
    connect(CbNuImport, &QCheckBox::toggled, this, [this] { CbNuImportClick(); });
    connect(BtnColoana, &QToolButton::clicked, this, [this] {
        protejat(this, [&] {
            QString litere;
            if (AlegeColoana(this, Selectie, litere)) EdColoana->setText(litere);
        });
    });
}

void TKivExcelImportFrame::InitCamp(const QString& cheie, const QString& eticheta) {
    cheie_ = cheie;
    eticheta_ = eticheta;
    codFormular_ = DesparteCheie(cheie).formular;
    // the key is the profile's own name, for whoever edits the profile: a tooltip only
    const CheieCamp parti = DesparteCheie(cheie);
    LabelCheie->setText(QStringLiteral("Formularul %1, pagina %2")
                            .arg(SeparaCuvinte(parti.formular), parti.pagina.toLower()));
    LabelEticheta->setText(eticheta);
    for (QLabel* l : {LabelCheie, LabelEticheta})
        l->setToolTip(QStringLiteral("Cheia campului in profil: %1").arg(cheie));
    CbMod->setCurrentIndex(mgDinColoana);
    CbModChange();
}

void TKivExcelImportFrame::CbModChange() {
    switch (CbMod->currentIndex()) {
    case mgConstanta:
        PaginiMod->setCurrentIndex(PaginaConstanta);
        break;
    case mgDinCnp:
        PaginiMod->setCurrentIndex(PaginaCnp);
        break;
    default:
        PaginiMod->setCurrentIndex(PaginaColoana);
        break;
    }
}

void TKivExcelImportFrame::CbNuImportClick() {
    PaginiMod->setVisible(!CbNuImport->isChecked());
    CbMod->setEnabled(!CbNuImport->isChecked());
}

bool TKivExcelImportFrame::NuImport() const {
    return CbNuImport->isChecked();
}

void TKivExcelImportFrame::SeteazaNuImport(bool nu) {
    CbNuImport->setChecked(nu);
}

void TKivExcelImportFrame::PaginaOkClick() {
    if (NuImport() || !Camp().FolosesteColoana()) return;
    if (EdColoana->text().isEmpty())
        throw Eroare(QStringLiteral("Va rog selectati coloana din care voi prelua datele"));
    if (Selectie && Selectie->Lista())
        VerificaColoana(*Selectie->Lista(), EdColoana->text(),
                        QStringLiteral("campul \"%1\"").arg(eticheta_));
}

TCampPreluat TKivExcelImportFrame::Camp() const {
    TCampPreluat c;
    c.Cheie = cheie_;
    c.Eticheta = eticheta_;
    c.NuImport = NuImport();
    c.Mod = CbMod->currentIndex();
    c.Coloana = EdColoana->text();
    c.Constanta = EdConstanta->text();
    c.TextFete = EdFete->text();
    c.TextBaieti = EdBaieti->text();
    return c;
}

void TKivExcelImportFrame::SeteazaCamp(const TCampPreluat& c) {
    SeteazaNuImport(c.NuImport);
    CbMod->setCurrentIndex(c.Mod >= 0 && c.Mod < CbMod->count() ? c.Mod : int(mgDinColoana));
    EdColoana->setText(c.Coloana);
    EdConstanta->setText(c.Constanta);
    EdFete->setText(c.TextFete);
    EdBaieti->setText(c.TextBaieti);
}
