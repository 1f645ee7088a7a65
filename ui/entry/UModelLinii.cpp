#include "entry/UModelLinii.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

TModelLinii::TModelLinii(QString antet, TextLinie text, QObject* parinte)
    : QAbstractListModel(parinte), antet_(std::move(antet)), text_(std::move(text)) {}

int TModelLinii::rowCount(const QModelIndex& parinte) const {
    return parinte.isValid() ? 0 : int(randuri_.size());
}

QVariant TModelLinii::data(const QModelIndex& index, int rol) const {
    if (rol != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    return text_(*Linie(index.row()));
}

QVariant TModelLinii::headerData(int sectiune, Qt::Orientation o, int rol) const {
    if (o == Qt::Horizontal && sectiune == 0 && rol == Qt::DisplayRole) return antet_;
    return {};
}

void TModelLinii::Goleste() {
    Seteaza({});
}

void TModelLinii::Seteaza(std::vector<const TLinieDescrisa*> randuri) {
    beginResetModel();
    randuri_ = std::move(randuri);
    endResetModel();
}

QTreeView* CreeazaListaVT(QWidget* parinte, TModelLinii* model, int latimeColoana) {
    auto* vt = new QTreeView(parinte);
    vt->setObjectName(QStringLiteral("VT"));
    vt->setModel(model);
    vt->setRootIsDecorated(false);
    vt->setUniformRowHeights(true); // thousands of rows
    vt->setSelectionBehavior(QAbstractItemView::SelectRows);
    vt->setSelectionMode(QAbstractItemView::ExtendedSelection);
    vt->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vt->header()->setSectionsMovable(true);
    vt->header()->setStretchLastSection(false);
    vt->header()->setSectionResizeMode(QHeaderView::Interactive);
    vt->header()->resizeSection(0, latimeColoana);
    return vt;
}

const TLinieDescrisa* PrimaLinieSelectata(const QTreeView* vt) {
    if (!vt->selectionModel()) return nullptr;
    const QModelIndexList randuri = vt->selectionModel()->selectedRows();
    if (randuri.isEmpty()) return nullptr;
    const auto prim =
        std::min_element(randuri.begin(), randuri.end(),
                         [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    return static_cast<const TModelLinii*>(vt->model())->Linie(prim->row());
}

QString StilButoane() {
    return QStringLiteral("QPushButton { background: #F4F4F0; border: 1px solid #A0A0A0; border-radius: 3px;"
                          " padding: 3px 12px; }"
                          "QPushButton:hover { background: #FFC73C; }"
                          "QPushButton:focus { border: 1px solid #6A8DF4; }"
                          "QPushButton:pressed { background: #6A8DF4; color: white; }");
}

BaraButoaneLista CreeazaBaraButoaneLista(QWidget* parinte, int inaltime, int margineVerticala) {
    auto* bara = new QWidget(parinte);
    bara->setFixedHeight(inaltime);
    bara->setStyleSheet(StilButoane());
    auto* rand = new QHBoxLayout(bara);
    rand->setContentsMargins(4, margineVerticala, 4, margineVerticala);
    const auto buton = [&](const QString& text, const QString& nume) {
        auto* b = new QPushButton(text, bara);
        b->setObjectName(nume);
        rand->addWidget(b);
        return b;
    };
    BaraButoaneLista r{bara, buton(QStringLiteral("Adauga"), QStringLiteral("RzBitBtn1")),
                       buton(QStringLiteral("Modifica"), QStringLiteral("RzBitBtn2")),
                       buton(QStringLiteral("Sterge"), QStringLiteral("RzBitBtn3"))};
    rand->addStretch();
    return r;
}

ColoanaOkRenunt CreeazaColoanaOkRenunt(QWidget* parinte, int latime) {
    auto* coloana = new QWidget(parinte);
    coloana->setFixedWidth(latime);
    coloana->setStyleSheet(StilButoane());
    auto* butoane = new QVBoxLayout(coloana);
    butoane->setContentsMargins(6, 8, 6, 8);
    ColoanaOkRenunt r{coloana, new QPushButton(QStringLiteral("Ok"), coloana),
                      new QPushButton(QStringLiteral("Renunt"), coloana)};
    r.ok->setObjectName(QStringLiteral("RzBitBtn1"));
    r.renunt->setObjectName(QStringLiteral("RzBitBtn2"));
    butoane->addWidget(r.ok);
    butoane->addWidget(r.renunt);
    butoane->addStretch();
    return r;
}
