#pragma once

#include "entry/Currency.h"
#include "entry/UEditorGeneric.h"

class TKivNumEdit;

// Reads a stored grade text: the digits before the first comma or full stop are the integer
// part, the first two after it the hundredths; everything else is ignored. 9,5 is 9.50.
Currency CitesteNota(const QString& text);

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
