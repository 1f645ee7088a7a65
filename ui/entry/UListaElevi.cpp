#include "entry/UListaElevi.h"

#include "controls/ExportaTabel.h"
#include "data/StocElevi.h"
#include "data/UDm.h"
#include "data/UProfilDiploma.h"
#include "data/ValoriInBloc.h"
#include "entry/UAdaugaElev.h"
#include "entry/UEditorGeneric.h"
#include "entry/UExportaElevi.h"
#include "platform/Protejat.h"

#include <QHBoxLayout>
#include <QItemSelection>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

namespace {
const QString SelectatiElevul = QStringLiteral("Va rog selectati un elev!");

TListaElevi::CreatorButonFormular& creatorButon() {
    static TListaElevi::CreatorButonFormular creator;
    return creator;
}

QString descriereElev() {
    const auto* profil = ProfilInregistrat();
    if (!profil) throw Eroare(QStringLiteral("Nu ai inclus nici o \"lista profil\""));
    return profil->ListaCampuriElev();
}
// One student keeps the short question; several are named, the first few of a long selection.
QString IntrebareStergere(const std::vector<TLinieDescrisa>& elevi) {
    if (elevi.size() == 1) return QStringLiteral("Doriti sa stergeti elevul: ");
    constexpr size_t Numiti = 15;
    QStringList nume;
    for (size_t i = 0; i < std::min(elevi.size(), Numiti); ++i)
        nume << QStringLiteral("  ") + elevi[i].Descriere;
    if (elevi.size() > Numiti) nume << QStringLiteral("  ... si inca %1").arg(elevi.size() - Numiti);
    return QStringLiteral("Doriti sa stergeti cei %1 elevi selectati?\n").arg(elevi.size()) +
           nume.join(u'\n');
}
} // namespace

void TListaElevi::seteazaCreatorButonFormular(CreatorButonFormular creator) {
    creatorButon() = std::move(creator);
}

TListaElevi::TListaElevi(QWidget* owner) : QFrame(owner) {
    resize(581, 305);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);

    auto* sus = new QWidget(this);
    sus->setFixedHeight(49);
    auto* ls = new QHBoxLayout(sus);
    ls->setContentsMargins(0, 0, 8, 0);
    Panel2 = new QFrame(sus);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    ls->addWidget(Panel2);
    ls->addStretch();
    Label1 = new QLabel(QStringLiteral("Cauta:"), sus);
    Label1->setObjectName(QStringLiteral("Label1"));
    RzEdit1 = new QLineEdit(sus);
    RzEdit1->setObjectName(QStringLiteral("RzEdit1"));
    RzEdit1->setFixedSize(257, 21);
    ls->addWidget(Label1);
    ls->addWidget(RzEdit1);
    l->addWidget(sus);

    Model = new TModelLinii(
        QStringLiteral("Nume si prenume"), [this](const TLinieDescrisa& linie) { return VTGetText(linie); },
        this);
    VT = CreeazaListaVT(this, Model, 512);
    l->addWidget(VT, 1);

    const BaraButoaneLista jos = CreeazaBaraButoaneLista(this, 30, 2);
    RzBitBtn1 = jos.adauga;
    RzBitBtn2 = jos.modifica;
    RzBitBtn3 = jos.sterge;
    l->addWidget(jos.bara);

    connect(RzBitBtn1, &QPushButton::clicked, this, &TListaElevi::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TListaElevi::RzBitBtn2Click);
    connect(RzBitBtn3, &QPushButton::clicked, this, &TListaElevi::RzBitBtn3Click);
    connect(RzEdit1, &QLineEdit::textChanged, this, &TListaElevi::RzEdit1Change);
    AdaugaExporta(jos.bara, VT, [this] { ExportaListaElevi(this, *Model, EleviSelectati()); });
    CreeazaButoaneleFormularelor();
}

void TListaElevi::CreeazaButoaneleFormularelor() {
    int butoane = 0;
    if (creatorButon()) {
        for (auto& handler : HandlereFormulare()) {
            QWidget* buton = creatorButon()(*handler, *this);
            if (!buton) continue;
            buton->setParent(Panel2);
            buton->setGeometry(4 + 132 * butoane, 4, 128, 40);
            buton->show();
            ++butoane;
        }
    }
    Panel2->setFixedWidth(4 + 132 * butoane + 4);
}

void TListaElevi::IncarcaLista() {
    Linii.clear();
    Model->Goleste();
    const QString expresie = descriereElev();
    {
        GardaTranzactie garda;
        const std::vector<int> iduri = StocElevi::Randuri(QStringLiteral("ELEVI"));
        // The descriptions ParseExp gives, read for all students at once.
        std::vector<QString> descrieri = ValoriInBloc::descrieri(expresie, iduri);
        for (size_t i = 0; i < iduri.size(); ++i) {
            auto linie = std::make_unique<TLinieElev>();
            linie->Id = iduri[i];
            linie->Descriere = std::move(descrieri[i]);
            Linii.push_back(std::move(linie));
        }
    }
    Filtreaza();
}

void TListaElevi::Filtreaza() {
    // The students still shown stay selected; the ones the search hides drop out.
    const std::vector<TLinieDescrisa> selectati = EleviSelectati();
    const QString cautat = RzEdit1->text();
    const bool toti = cautat.trimmed().isEmpty();
    std::vector<const TLinieDescrisa*> randuri;
    for (const auto& linie : Linii)
        if (toti || linie->Descriere.contains(cautat, Qt::CaseSensitive)) randuri.push_back(linie.get());
    Model->Seteaza(std::move(randuri));
    Selecteaza(selectati);
}

void TListaElevi::Selecteaza(const std::vector<TLinieDescrisa>& linii) {
    if (linii.empty() || !VT->selectionModel()) return;
    std::set<int> iduri;
    for (const TLinieDescrisa& l : linii)
        iduri.insert(l.Id);
    QItemSelection selectie;
    for (int rand = 0; rand < Model->rowCount(); ++rand)
        if (iduri.count(Model->Linie(rand)->Id)) selectie.select(Model->index(rand), Model->index(rand));
    VT->selectionModel()->select(selectie, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

std::vector<TLinieDescrisa> TListaElevi::EleviSelectati() const {
    std::vector<TLinieDescrisa> selectati;
    if (!VT->selectionModel()) return selectati;
    QModelIndexList randuri = VT->selectionModel()->selectedRows();
    std::sort(randuri.begin(), randuri.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& r : randuri)
        selectati.push_back(*Model->Linie(r.row()));
    return selectati;
}

std::optional<int> TListaElevi::ElevSelectat() const {
    const TLinieDescrisa* linie = PrimaLinieSelectata(VT);
    return linie ? std::optional<int>(linie->Id) : std::nullopt;
}

void TListaElevi::Editeaza(std::optional<int> id) {
    auto fereastra = std::make_unique<TAdaugaElev>(this);
    if (id)
        fereastra->Deschide(*id);
    else
        fereastra->Nou();
    if (dialoguri().arataModal(*fereastra) == QDialog::Accepted) IncarcaLista();
}

void TListaElevi::RzBitBtn1Click() {
    protejat(this, [&] { Editeaza(std::nullopt); });
}

void TListaElevi::RzBitBtn2Click() {
    protejat(this, [&] {
        const auto id = ElevSelectat();
        if (!id) return dialoguri().mesaj(this, SelectatiElevul);
        Editeaza(*id);
    });
}

// The students' values and links go with their rows through the cascading foreign keys; several
// selected students go together or not at all.
void TListaElevi::RzBitBtn3Click() {
    protejat(this, [&] {
        const std::vector<TLinieDescrisa> selectati = EleviSelectati();
        if (selectati.empty()) return dialoguri().mesaj(this, SelectatiElevul);
        if (!dialoguri().intrebare(this, IntrebareStergere(selectati))) return;
        std::vector<int> iduri;
        for (const TLinieDescrisa& l : selectati)
            iduri.push_back(l.Id);
        StocElevi::Sterge(QStringLiteral("ELEVI"), iduri);
        IncarcaLista();
    });
}

void TListaElevi::RzEdit1Change() {
    protejat(this, [&] { Filtreaza(); });
}
