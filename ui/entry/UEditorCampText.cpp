#include "entry/UEditorCampText.h"

#include "data/StocElevi.h"

#include <QComboBox>
#include <QLineEdit>

TEditorCampText::TEditorCampText(QWidget* owner) : TEditorGeneric(owner) {
    Combo = new QComboBox(this);
    Combo->setObjectName(QStringLiteral("Combo"));
    Combo->setEditable(true);
    Combo->setInsertPolicy(QComboBox::NoInsert); // the list holds stored values only
    PuneControlul(Combo);
}

void TEditorCampText::Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp,
                              const QString& tabel, int idElev, int idEntitate) {
    TEditorGeneric::Incarca(codFormular, codPagina, codCamp, tabel, idElev, idEntitate);
    IncarcaValorileAnterioare();
    Combo->setEditText(CitesteValoarea().value_or(QString()));
    LaAfisare();
}

// Empty texts and NULLs are left out: choosing "nothing" from a list helps nobody.
void TEditorCampText::IncarcaValorileAnterioare() {
    Combo->addItems(StocElevi::ValoriFolosite({CodFormular, CodPagina, CodCamp}));
}

void TEditorCampText::LaAfisare() {
    Combo->lineEdit()->setCursorPosition(int(Combo->currentText().size()));
    Combo->lineEdit()->deselect();
}

void TEditorCampText::Salveaza(int idElev, int idEntitate, const QString& tabel) {
    ScrieValoarea(Combo->currentText(), LungimeText, idElev, idEntitate, tabel);
}
