#include "entry/UEditorCampNota.h"

#include "controls/UKivEditors.h"
#include "platform/Dialoguri.h"

TEditorCampNota::TEditorCampNota(QWidget* owner) : TEditorGeneric(owner) {
    Edit = new TKivNumEdit(this);
    Edit->setObjectName(QStringLiteral("Edit"));
    Edit->SetNoDots(true);
    Edit->SetAutoSelectOnEnter(true);
    Edit->SetKeepSelection(false);
    PuneControlul(Edit);
}

void TEditorCampNota::Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp,
                              const QString& tabel, int idElev, int idEntitate) {
    TEditorGeneric::Incarca(codFormular, codPagina, codCamp, tabel, idElev, idEntitate);
    if (const auto valoare = CitesteValoarea()) Edit->SetAsCurrency(CitesteNota(*valoare));
    if (Edit->CuDouaZecimale() == 0) Edit->SetText(QString());
}

bool TEditorCampNota::PotSalva() {
    if (Edit->Text().trimmed().isEmpty()) return true;
    const Currency nota = Edit->AsCurrency();
    if (nota < Currency::dinIntreg(5)) {
        dialoguri().avertisment(this, QStringLiteral("Nota este prea mica"));
        return false;
    }
    if (nota > Currency::dinIntreg(10)) {
        dialoguri().avertisment(this, QStringLiteral("Nota este prea mare"));
        return false;
    }
    return true;
}

void TEditorCampNota::Salveaza(int idElev, int idEntitate, const QString& tabel) {
    ScrieValoarea(Edit->Text(), LungimeScurta, idElev, idEntitate, tabel);
}
