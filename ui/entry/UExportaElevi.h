#pragma once

#include "data/ExportElevi.h"
#include "entry/UModelLinii.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QListWidget;
class QPushButton;
class QRadioButton;

// The fields window of the student list's export: the display expression and the profile's
// fields to tick (the last choice ticked again), which students, and how grades are written.
class TExportaElevi : public QDialog {
    Q_OBJECT
public:
    TExportaElevi(QWidget* owner, std::vector<CampDeExportat> campuri, int listati, int selectati);

    QListWidget* Campuri; // the first line is the display expression
    QRadioButton* RbListati;
    QRadioButton* RbSelectati;
    QCheckBox* CbNote;
    QCheckBox* Cb1250;
    QPushButton* BtnExporta;
    QPushButton* BtnRenunta;

    bool CuDescriere() const;
    std::vector<CampDeExportat> Alese() const;
    // The choice as it is remembered: CheieDescriere and the fields' keys.
    QStringList CheiAlese() const;

private:
    void Exporta();
    std::vector<CampDeExportat> campuri_;
};

// "Exporta..." of the student list: the listed students (the search applies) or the selected ones.
void ExportaListaElevi(QWidget* parinte, const std::vector<int>& listati, const std::vector<int>& selectati);
void ExportaListaElevi(QWidget* parinte, const TModelLinii& listati,
                       const std::vector<TLinieDescrisa>& selectati);

// A one-column list's rows as they show, under the column's title.
TabelDeExportat TabelDinLista(const TModelLinii& lista, const QString& titlu, const QString& numeFoaie);
