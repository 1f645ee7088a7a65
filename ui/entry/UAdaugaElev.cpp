#include "entry/UAdaugaElev.h"

#include "data/StocElevi.h"
#include "data/UDm.h"
#include "data/UProfilDiploma.h"
#include "data/UTabele.h"
#include "data/UValoareCamp.h"
#include "entry/UEditorGenericComplex.h"
#include "entry/UModelLinii.h"
#include "platform/Ecran.h"
#include "platform/Protejat.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString Elevi = QStringLiteral("ELEVI");
const QString Scoala = QStringLiteral("SCOALA");

} // namespace

TAdaugaElev::TAdaugaElev(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("AdaugaElev"));
    setWindowTitle(QStringLiteral("Adauga elev"));
    resize(585, 330);
    auto* l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);

    auto* stanga = new QVBoxLayout;
    stanga->setSpacing(0);
    PanelScoala = new QWidget(this);
    PanelScoala->setObjectName(QStringLiteral("PanelScoala"));
    auto* ls = new QHBoxLayout(PanelScoala);
    ls->setContentsMargins(8, 4, 4, 4);
    auto* eticheta = new QLabel(QStringLiteral("Scoala:"), PanelScoala);
    CbScoala = new QComboBox(PanelScoala);
    CbScoala->setObjectName(QStringLiteral("CbScoala"));
    ls->addWidget(eticheta);
    ls->addWidget(CbScoala, 1);
    PanelScoala->hide();
    stanga->addWidget(PanelScoala);
    Editor = new TEditorGenericComplex(this);
    stanga->addWidget(Editor, 1);
    l->addLayout(stanga, 1);

    const ColoanaOkRenunt dreapta = CreeazaColoanaOkRenunt(this, 81);
    RzBitBtn1 = dreapta.ok;
    RzBitBtn2 = dreapta.renunt;
    l->addWidget(dreapta.coloana);

    connect(RzBitBtn1, &QPushButton::clicked, this, &TAdaugaElev::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    CentreazaFereastra(this);
}

void TAdaugaElev::Nou() {
    Editor->Incarca(-1, -1, Elevi);
    IncarcaScolile();
}

void TAdaugaElev::Deschide(int id) {
    IdElev = id;
    Editor->Incarca(id, -1, Elevi);
    IncarcaScolile();
}

// With one school there is nothing to choose; the links go to it without asking.
void TAdaugaElev::IncarcaScolile() {
    CbScoala->clear();
    const auto* profil = ProfilInregistrat();
    if (!profil || !TabeleLegateDeElevi().contains(Scoala)) return;
    GardaTranzactie garda;
    for (const int id : StocElevi::Randuri(Scoala, StocElevi::Ordine::DupaId))
        CbScoala->addItem(ParseExp(profil->ListaCampuriGeneric(), id, Scoala), id);
    const std::optional<int> legata = IdElev == -1 ? std::nullopt : RandulLegat(Scoala, IdElev);
    const int index = legata ? CbScoala->findData(*legata) : 0;
    CbScoala->setCurrentIndex(std::max(index, 0));
    PanelScoala->setVisible(CbScoala->count() > 1);
}

std::optional<int> TAdaugaElev::ScoalaAleasa() const {
    if (CbScoala->count() <= 1 || CbScoala->currentIndex() < 0) return std::nullopt;
    return CbScoala->currentData().toInt();
}

void TAdaugaElev::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (afisata_) return;
    afisata_ = true;
    Editor->LaAfisare();
}

// All or nothing: the student row, every value and the school links in one transaction.
void TAdaugaElev::RzBitBtn1Click() {
    protejat(this, [&] {
        if (!Editor->PotSalva()) return;
        GardaTranzactie garda;
        const int id = IdElev == -1 ? StocElevi::RandNou(Elevi) : IdElev;
        Editor->Salveaza(id, -1, Elevi);
        for (const QString& tabel : TabeleLegateDeElevi())
            AsiguraLegaturi(tabel, id, tabel == Scoala ? ScoalaAleasa() : std::nullopt);
        garda.Commit();
        accept();
    });
}
