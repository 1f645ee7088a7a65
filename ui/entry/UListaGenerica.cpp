#include "entry/UListaGenerica.h"

#include "controls/ExportaTabel.h"
#include "data/StocElevi.h"
#include "data/UDm.h"
#include "data/UProfilDiploma.h"
#include "data/UTabele.h"
#include "data/UValoareCamp.h"
#include "entry/UEditeaza.h"
#include "entry/UEditorGeneric.h"
#include "entry/UExportaElevi.h"
#include "platform/Ecran.h"
#include "platform/Protejat.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
const QString SelectatiLinia = QStringLiteral("Va rog selectati o linie!");

QString descriereGenerica() {
    const auto* profil = ProfilInregistrat();
    if (!profil) throw Eroare(QStringLiteral("Nu ai inclus nici o \"lista profil\""));
    return profil->ListaCampuriGeneric();
}
} // namespace

TListaGenerica::TListaGenerica(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("ListaGenerica"));
    setWindowTitle(QStringLiteral("Lista generica"));
    resize(784, 446);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    Model = new TModelLinii(
        QStringLiteral("Denumire"), [this](const TLinieDescrisa& linie) { return VTGetText(linie); }, this);
    VT = CreeazaListaVT(this, Model, 512);
    l->addWidget(VT, 1);

    const BaraButoaneLista jos = CreeazaBaraButoaneLista(this, 33, 3);
    RzBitBtn1 = jos.adauga;
    RzBitBtn2 = jos.modifica;
    RzBitBtn3 = jos.sterge;
    l->addWidget(jos.bara);

    connect(RzBitBtn1, &QPushButton::clicked, this, &TListaGenerica::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TListaGenerica::RzBitBtn2Click);
    connect(RzBitBtn3, &QPushButton::clicked, this, &TListaGenerica::RzBitBtn3Click);
    AdaugaExporta(jos.bara, VT, [this] {
        const QString nume = Tabel.left(1) + Tabel.mid(1).toLower();
        ExportaTabel(this, TabelDinLista(*Model, QStringLiteral("Denumire"), nume),
                     InDocumente(nume + ".xlsx"));
    });
    CentreazaFereastra(this);
}

void TListaGenerica::IncarcaLista() {
    Model->Goleste();
    Linii.clear();
    VerificaNumeTabel(Tabel);
    const QString expresie = descriereGenerica();
    {
        GardaTranzactie garda;
        for (const int id : StocElevi::Randuri(Tabel)) {
            auto linie = std::make_unique<TLinieGenerica>();
            linie->Id = id;
            linie->Descriere = ParseExp(expresie, linie->Id, Tabel);
            Linii.push_back(std::move(linie));
        }
    }
    std::vector<const TLinieDescrisa*> randuri;
    for (const auto& linie : Linii)
        randuri.push_back(linie.get());
    Model->Seteaza(std::move(randuri));
}

void TListaGenerica::Editeaza(std::optional<int> id) {
    auto fereastra = std::make_unique<TEditeaza>(this);
    fereastra->Tabel = Tabel;
    if (id)
        fereastra->Deschide(*id);
    else
        fereastra->Nou();
    if (dialoguri().arataModal(*fereastra) == QDialog::Accepted) IncarcaLista();
}

void TListaGenerica::RzBitBtn1Click() {
    protejat(this, [&] { Editeaza(std::nullopt); });
}

void TListaGenerica::RzBitBtn2Click() {
    protejat(this, [&] {
        const TLinieDescrisa* linie = PrimaLinieSelectata(VT);
        if (!linie) return dialoguri().mesaj(this, SelectatiLinia);
        Editeaza(linie->Id);
    });
}

// The students linked to a deleted row lose their links with it (cascade) and are linked again
// to a remaining row in the same transaction.
void TListaGenerica::RzBitBtn3Click() {
    protejat(this, [&] {
        const TLinieDescrisa* linie = PrimaLinieSelectata(VT);
        if (!linie) return dialoguri().mesaj(this, SelectatiLinia);
        if (!dialoguri().intrebare(this, QStringLiteral("Doriti sa stergeti linia: "))) return;
        StocElevi::Sterge(Tabel, {linie->Id});
        IncarcaLista();
    });
}
