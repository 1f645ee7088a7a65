#include "entry/UEditorCampSimplu.h"

#include <QLineEdit>

TEditorCampSimplu::TEditorCampSimplu(QWidget* owner) : TEditorGeneric(owner) {
    Edit = new QLineEdit(this);
    Edit->setObjectName(QStringLiteral("Edit"));
    PuneControlul(Edit);
}

void TEditorCampSimplu::Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp,
                                const QString& tabel, int idElev, int idEntitate) {
    TEditorGeneric::Incarca(codFormular, codPagina, codCamp, tabel, idElev, idEntitate);
    if (const auto valoare = CitesteValoarea()) Edit->setText(*valoare);
}

void TEditorCampSimplu::Salveaza(int idElev, int idEntitate, const QString& tabel) {
    ScrieValoarea(Edit->text(), LungimeScurta, idElev, idEntitate, tabel);
}
