#include "entry/UConfigurareDiploma.h"

#include "controls/ExportaTabel.h"
#include "data/UDm.h"
#include "entry/UModelLinii.h"
#include "entry/UModificaLinieProfil.h"
#include "platform/Ecran.h"
#include "platform/Protejat.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString Anteturi[] = {QStringLiteral("Eticheta editor"), QStringLiteral("Onorez similar"),
                            QStringLiteral("Asociat cu")};
constexpr int NumarColoane = 3;
} // namespace

TModelLiniiProfil::TModelLiniiProfil(const TListaLiniiTProfil& linii, TextCelula text, QObject* parinte)
    : QAbstractTableModel(parinte), linii_(linii), text_(std::move(text)) {}

int TModelLiniiProfil::rowCount(const QModelIndex& parinte) const {
    return parinte.isValid() ? 0 : int(linii_.size());
}

int TModelLiniiProfil::columnCount(const QModelIndex& parinte) const {
    return parinte.isValid() ? 0 : NumarColoane;
}

QVariant TModelLiniiProfil::data(const QModelIndex& index, int rol) const {
    if (rol != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    return text_(*linii_[size_t(index.row())], index.column());
}

QVariant TModelLiniiProfil::headerData(int sectiune, Qt::Orientation o, int rol) const {
    if (o != Qt::Horizontal || rol != Qt::DisplayRole || sectiune < 0 || sectiune >= NumarColoane) return {};
    return Anteturi[sectiune];
}

TConfigurareDiploma::TConfigurareDiploma(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("ConfigurareDiploma"));
    setWindowTitle(QStringLiteral("Configurare Diploma"));
    resize(640, 480);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);

    Model = new TModelLiniiProfil(
        Linii, [this](const TLinieProfil& linie, int coloana) { return VTGetText(linie, coloana); }, this);
    VT = new QTableView(this);
    VT->setObjectName(QStringLiteral("VT"));
    VT->setModel(Model);
    VT->setSelectionBehavior(QAbstractItemView::SelectRows);
    VT->setSelectionMode(QAbstractItemView::SingleSelection);
    VT->setEditTriggers(QAbstractItemView::NoEditTriggers);
    VT->setShowGrid(true);
    VT->setWordWrap(false);
    VT->verticalHeader()->hide();
    VT->verticalHeader()->setDefaultSectionSize(VT->fontMetrics().height() + 6);
    QHeaderView* antet = VT->horizontalHeader();
    antet->setSectionsMovable(true);
    antet->setSectionResizeMode(QHeaderView::Interactive);
    antet->setHighlightSections(false);
    antet->setStretchLastSection(true); // no empty strip right of the last column
    antet->resizeSection(0, 360);
    antet->resizeSection(1, 120);
    antet->resizeSection(2, 120);
    l->addWidget(VT, 1);

    auto* bara = new QWidget(this);
    bara->setStyleSheet(StilButoane());
    bara->setFixedHeight(33);
    auto* lb = new QHBoxLayout(bara);
    lb->setContentsMargins(4, 3, 4, 3);
    RzBitBtn3 = new QPushButton(QStringLiteral("Modifica"), bara);
    RzBitBtn3->setObjectName(QStringLiteral("RzBitBtn3"));
    lb->addWidget(RzBitBtn3);
    lb->addStretch(1);
    AdaugaExportaModel(bara, *VT, QStringLiteral("Configurare diploma"));
    l->addWidget(bara);

    connect(RzBitBtn3, &QPushButton::clicked, this, &TConfigurareDiploma::RzBitBtn3Click);
    connect(VT, &QAbstractItemView::doubleClicked, this, &TConfigurareDiploma::RzBitBtn3Click);
    FormCreate();
}

void TConfigurareDiploma::FormCreate() {
    CentreazaFereastra(this);
    IncarcaLinii();
}

void TConfigurareDiploma::IncarcaLinii() {
    Model->IncepeSchimbarea();
    Linii.clear();
    try {
        for (const TLinieProfil& l : LiniiProfilStocate())
            Linii.push_back(std::make_unique<TLinieProfil>(l));
    } catch (...) {
        Model->TerminaSchimbarea();
        throw;
    }
    Model->TerminaSchimbarea();
}

QString TConfigurareDiploma::VTGetText(const TLinieProfil& linie, int coloana) const {
    switch (coloana) {
    case 0:
        return linie.ETICHETA_EDITOR;
    case 1:
        return linie.ONOREZ_SIMILAR;
    case 2:
        return linie.ASOCIAT_CU;
    default:
        return {};
    }
}

const TLinieProfil* TConfigurareDiploma::LiniaSelectata() const {
    const QModelIndexList randuri = VT->selectionModel()->selectedRows();
    if (randuri.isEmpty()) return nullptr;
    const int rand = randuri.first().row();
    return rand < int(Linii.size()) ? Linii[size_t(rand)].get() : nullptr;
}

void TConfigurareDiploma::RzBitBtn3Click() {
    protejat(this, [&] {
        const TLinieProfil* linie = LiniaSelectata();
        if (!linie) {
            dialoguri().mesaj(this, QStringLiteral("Va rog selectati o linie pentru a o modifica!"));
            return;
        }
        const TLinieProfil cod = *linie; // the list is rebuilt below
        auto fereastra = std::make_unique<TModificaLinieProfil>(this);
        fereastra->IncarcaLinie(cod.COD_FORMULAR, cod.COD_PAGINA, cod.COD_CAMP);
        if (dialoguri().arataModal(*fereastra) == QDialog::Accepted) {
            IncarcaLinii();
            Selecteaza(cod.COD_FORMULAR, cod.COD_PAGINA, cod.COD_CAMP);
        }
    });
}

// Keeps the user on the row just changed after the list is reread.
void TConfigurareDiploma::Selecteaza(const QString& codFormular, const QString& codPagina,
                                     const QString& codCamp) {
    for (size_t i = 0; i < Linii.size(); ++i) {
        const TLinieProfil& l = *Linii[i];
        if (l.COD_FORMULAR == codFormular && l.COD_PAGINA == codPagina && l.COD_CAMP == codCamp) {
            const QModelIndex index = Model->index(int(i), 0);
            VT->selectionModel()->select(index,
                                         QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            VT->scrollTo(index);
            return;
        }
    }
}
