#include "controls/ExportaTabel.h"

#include "controls/KivVirtualGrid.h"
#include "platform/Dialoguri.h"
#include "platform/Protejat.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QFileInfo>
#include <QProgressDialog>
#include <QPushButton>

namespace {
const QString Filtru = QStringLiteral("Excel (*.xlsx);;OpenDocument (*.ods);;Text CSV (*.csv)");
}

bool ExportaTabel(QWidget* parinte, const TabelDeExportat& tabel, const QString& fisierPropus,
                  OptiuniExport optiuni) {
    QString cale = dialoguri().fisierDeSalvat(parinte, QStringLiteral("Exporta"), Filtru, fisierPropus);
    if (cale.isEmpty()) return false;
    if (QFileInfo(cale).suffix().isEmpty()) cale += QStringLiteral(".xlsx");
    const bool cp1250 = optiuni.format == ScriitorFoaie::Format::Csv1250;
    optiuni.format = ScriitorFoaie::formatDupaNume(cale);
    if (cp1250 && optiuni.format == ScriitorFoaie::Format::Csv)
        optiuni.format = ScriitorFoaie::Format::Csv1250;

    QProgressDialog progres(QStringLiteral("Se exporta %1 randuri...").arg(tabel.randuri),
                            QStringLiteral("Opreste"), 0, std::max(1, tabel.randuri), parinte);
    progres.setWindowTitle(QStringLiteral("Exporta"));
    progres.setWindowModality(Qt::WindowModal);
    progres.setMinimumDuration(500);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    RezumatExport rezumat;
    try {
        rezumat = exporta(tabel, cale, optiuni, [&](int facute, int) {
            progres.setValue(facute);
            QApplication::processEvents();
            return !progres.wasCanceled();
        });
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
    progres.reset();
    dialoguri().mesaj(parinte, rezumat.text());
    return !rezumat.oprit;
}

QPushButton* AdaugaExporta(QWidget* bara, QAbstractItemView* lista, std::function<void()> exporta) {
    auto* buton = new QPushButton(QStringLiteral("Exporta..."), bara);
    buton->setObjectName(QStringLiteral("BtnExporta"));
    if (auto* rand = qobject_cast<QBoxLayout*>(bara->layout())) {
        // After the last button, before the stretch that closes the row.
        const int stretch = rand->count() - 1;
        rand->insertWidget(stretch >= 0 && rand->itemAt(stretch)->spacerItem() ? stretch : rand->count(),
                           buton);
    }
    auto* actiune = new QAction(QStringLiteral("Exporta..."), lista);
    actiune->setObjectName(QStringLiteral("ActExporta"));
    lista->addAction(actiune);
    lista->setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto ruleaza = [bara, exporta] { protejat(bara, exporta); };
    QObject::connect(buton, &QPushButton::clicked, bara, ruleaza);
    QObject::connect(actiune, &QAction::triggered, bara, ruleaza);
    return buton;
}

TabelDeExportat TabelDinModel(const QAbstractItemModel& model, const QString& numeFoaie) {
    TabelDeExportat t;
    t.numeFoaie = numeFoaie;
    for (int c = 0; c < model.columnCount(); ++c)
        t.coloane.push_back({model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), false});
    t.randuri = model.rowCount();
    t.rand = [&model](int r, QStringList& texte) {
        for (int c = 0; c < model.columnCount(); ++c)
            texte << model.data(model.index(r, c), Qt::DisplayRole).toString();
    };
    return t;
}

QPushButton* AdaugaExportaModel(QWidget* bara, QAbstractItemView& lista, const QString& numeFoaie) {
    return AdaugaExporta(bara, &lista, [bara, &lista, numeFoaie] {
        ExportaTabel(bara->window(), TabelDinModel(*lista.model(), numeFoaie),
                     InDocumente(numeFoaie + ".xlsx"));
    });
}

TabelDeExportat TabelDinGrila(TKivVirtualGrid& grila, const QString& numeFoaie) {
    TabelDeExportat t;
    t.numeFoaie = numeFoaie;
    for (int c = 0; c < grila.Coloane.Count(); ++c)
        t.coloane.push_back({grila.Coloane[c]->DisplayName(), false});
    t.randuri = grila.Linii.Count();
    t.rand = [&grila](int r, QStringList& texte) {
        for (int c = 0; c < grila.Coloane.Count(); ++c)
            texte << grila.TextCelula(c, r);
    };
    return t;
}

void AdaugaExportaGrila(TKivVirtualGrid& grila, const QString& numeFoaie) {
    auto* actiune = new QAction(QStringLiteral("Exporta..."), &grila);
    actiune->setObjectName(QStringLiteral("ActExporta"));
    grila.addAction(actiune);
    grila.setContextMenuPolicy(Qt::ActionsContextMenu);
    QObject::connect(actiune, &QAction::triggered, &grila, [&grila, numeFoaie] {
        protejat(&grila, [&] {
            ExportaTabel(&grila, TabelDinGrila(grila, numeFoaie), InDocumente(numeFoaie + ".xlsx"));
        });
    });
}
