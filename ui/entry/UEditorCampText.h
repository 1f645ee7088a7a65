#pragma once

#include "entry/UEditorGeneric.h"

class QComboBox;

// The editor of a free text: an editable drop-down offering every text any record holds for
// the same field.
class TEditorCampText : public TEditorGeneric {
    Q_OBJECT
public:
    explicit TEditorCampText(QWidget* owner = nullptr);

    QComboBox* Combo;

    void Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp,
                 const QString& tabel, int idElev, int idEntitate) override;
    bool PotSalva() override { return true; }
    void Salveaza(int idElev, int idEntitate, const QString& tabel) override;
    void LaAfisare() override;

private:
    void IncarcaValorileAnterioare();
};
