#include "entry/UExportaElevi.h"

#include "controls/ExportaTabel.h"
#include "platform/Dialoguri.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TExportaElevi::TExportaElevi(QWidget* owner, std::vector<CampDeExportat> campuri, int listati, int selectati)
    : QDialog(owner), campuri_(std::move(campuri)) {
    setObjectName(QStringLiteral("ExportaElevi"));
    setWindowTitle(QStringLiteral("Exporta elevii"));
    resize(460, 520);
    auto* l = new QVBoxLayout(this);
    l->addWidget(new QLabel(QStringLiteral("Campurile de exportat, in ordinea coloanelor:"), this));
    Campuri = new QListWidget(this);
    Campuri->setObjectName(QStringLiteral("Campuri"));
    const QStringList alese = UltimeleCampuriExportate();
    const auto linie = [&](const QString& text, const QString& cheie) {
        auto* item = new QListWidgetItem(text, Campuri);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(alese.contains(cheie) ? Qt::Checked : Qt::Unchecked);
    };
    linie(QStringLiteral("Nume si prenume (cum apare in lista)"), CheieDescriere);
    if (alese.isEmpty()) Campuri->item(0)->setCheckState(Qt::Checked);
    for (const auto& c : campuri_)
        linie(c.eticheta, c.text());
    l->addWidget(Campuri, 1);

    RbListati = new QRadioButton(QStringLiteral("Toti elevii din lista (%1)").arg(listati), this);
    RbSelectati = new QRadioButton(QStringLiteral("Doar elevii selectati (%1)").arg(selectati), this);
    RbListati->setObjectName(QStringLiteral("RbListati"));
    RbSelectati->setObjectName(QStringLiteral("RbSelectati"));
    RbSelectati->setEnabled(selectati > 0);
    (selectati > 1 ? RbSelectati : RbListati)->setChecked(true);
    CbNote = new QCheckBox(QStringLiteral("Notele ca numere cu doua zecimale (se pot sorta si aduna)"), this);
    CbNote->setObjectName(QStringLiteral("CbNote"));
    Cb1250 =
        new QCheckBox(QStringLiteral("Fisierele .csv in pagina de cod 1250 (pentru programe vechi)"), this);
    Cb1250->setObjectName(QStringLiteral("Cb1250"));
    for (QWidget* w : std::initializer_list<QWidget*>{RbListati, RbSelectati, CbNote, Cb1250})
        l->addWidget(w);

    auto* jos = new QWidget(this);
    jos->setStyleSheet(StilButoane());
    auto* rand = new QHBoxLayout(jos);
    rand->addStretch();
    BtnExporta = new QPushButton(QStringLiteral("Exporta..."), jos);
    BtnExporta->setObjectName(QStringLiteral("BtnExporta"));
    BtnRenunta = new QPushButton(QStringLiteral("Renunt"), jos);
    BtnRenunta->setObjectName(QStringLiteral("BtnRenunta"));
    rand->addWidget(BtnExporta);
    rand->addWidget(BtnRenunta);
    l->addWidget(jos);
    connect(BtnExporta, &QPushButton::clicked, this, &TExportaElevi::Exporta);
    connect(BtnRenunta, &QPushButton::clicked, this, &QDialog::reject);
}

bool TExportaElevi::CuDescriere() const {
    return Campuri->item(0)->checkState() == Qt::Checked;
}

std::vector<CampDeExportat> TExportaElevi::Alese() const {
    std::vector<CampDeExportat> r;
    for (size_t i = 0; i < campuri_.size(); ++i)
        if (Campuri->item(int(i) + 1)->checkState() == Qt::Checked) r.push_back(campuri_[i]);
    return r;
}

QStringList TExportaElevi::CheiAlese() const {
    QStringList r;
    if (CuDescriere()) r << CheieDescriere;
    for (const auto& c : Alese())
        r << c.text();
    return r;
}

void TExportaElevi::Exporta() {
    if (CheiAlese().isEmpty())
        return dialoguri().avertisment(this, QStringLiteral("Bifati cel putin un camp de exportat."));
    accept();
}

void ExportaListaElevi(QWidget* parinte, const std::vector<int>& listati, const std::vector<int>& selectati) {
    TExportaElevi fereastra(parinte, CampuriDeExportat(), int(listati.size()), int(selectati.size()));
    if (dialoguri().arataModal(fereastra) != QDialog::Accepted) return;
    PastreazaCampurileExportate(fereastra.CheiAlese());
    const std::vector<int>& elevi = fereastra.RbSelectati->isChecked() ? selectati : listati;
    if (elevi.empty())
        return dialoguri().mesaj(parinte, QStringLiteral("Lista nu are nici un elev de exportat."));
    OptiuniExport optiuni;
    optiuni.noteCaNumere = fereastra.CbNote->isChecked();
    if (fereastra.Cb1250->isChecked()) optiuni.format = ScriitorFoaie::Format::Csv1250;
    ExportaTabel(parinte, TabelElevi(elevi, fereastra.Alese(), fereastra.CuDescriere()), FisierPropusElevi(),
                 optiuni);
}

void ExportaListaElevi(QWidget* parinte, const TModelLinii& listati,
                       const std::vector<TLinieDescrisa>& selectati) {
    std::vector<int> toti, alesi;
    for (int r = 0; r < listati.rowCount(); ++r)
        toti.push_back(listati.Linie(r)->Id);
    for (const auto& l : selectati)
        alesi.push_back(l.Id);
    ExportaListaElevi(parinte, toti, alesi);
}

TabelDeExportat TabelDinLista(const TModelLinii& lista, const QString& titlu, const QString& numeFoaie) {
    TabelDeExportat t;
    t.numeFoaie = numeFoaie;
    t.coloane.push_back({titlu, false});
    t.randuri = lista.rowCount();
    t.rand = [&lista](int r, QStringList& texte) { texte << lista.Linie(r)->Descriere; };
    return t;
}
