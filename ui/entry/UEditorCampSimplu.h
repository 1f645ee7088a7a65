#pragma once

#include "entry/UEditorGeneric.h"

class QLineEdit;

// An editor over a one-line edit box: loads the stored text unchanged and stores it trimmed,
// cut to 64 characters, without any check.
class TEditorCampSimplu : public TEditorGeneric {
    Q_OBJECT
public:
    explicit TEditorCampSimplu(QWidget* owner = nullptr);

    QLineEdit* Edit;

    void Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp,
                 const QString& tabel, int idElev, int idEntitate) override;
    bool PotSalva() override { return true; }
    void Salveaza(int idElev, int idEntitate, const QString& tabel) override;
};
