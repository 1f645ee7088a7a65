#pragma once

#include "entry/Nota.h"
#include "entry/UEditorGeneric.h"

class TKivNumEdit;

// The editor of a numeric grade: empty, or from 5 to 10.
class TEditorCampNota : public TEditorGeneric {
    Q_OBJECT
public:
    explicit TEditorCampNota(QWidget* owner = nullptr);

    TKivNumEdit* Edit;

    void Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp,
                 const QString& tabel, int idElev, int idEntitate) override;
    bool PotSalva() override;
    void Salveaza(int idElev, int idEntitate, const QString& tabel) override;
};
