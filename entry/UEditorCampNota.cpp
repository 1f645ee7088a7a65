#include "entry/UEditorCampNota.h"

#include "controls/UKivEditors.h"
#include "platform/Dialoguri.h"

Currency CitesteNota(const QString& text) {
    int parte = 1;
    QString intregi;
    QString fractie;
    for (const QChar c : text) {
        if (c == u',' || c == u'.')
            ++parte;
        else if (c >= u'0' && c <= u'9') {
            if (parte == 1) intregi += c;
            if (parte == 2) fractie += c;
        }
    }
    bool ok = false;
    qint64 intreg = intregi.toInt(&ok);
    if (!ok) intreg = 0;
    const qint64 sutimi = fractie.isEmpty() ? 0 : fractie.left(2).leftJustified(2, u'0').toInt();
    return Currency::dinZeciMii(intreg * 10000 + sutimi * 100);
}

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
