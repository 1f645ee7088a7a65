#include "entry/UEditorCampText.h"

#include "data/UDm.h"

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
    InchideLaIesire inchide(Q1());
    Q1().seteazaSql(
        QStringLiteral("select DISTINCT(VALOARE_TEXT) from \"DATE\" where (COD_FORMULAR=:COD_FORMULAR) and "
                       "(COD_PAGINA=:COD_PAGINA) and (COD_CAMP=:COD_CAMP)"));
    Q1().param(QStringLiteral("COD_FORMULAR"), CodFormular);
    Q1().param(QStringLiteral("COD_PAGINA"), CodPagina);
    Q1().param(QStringLiteral("COD_CAMP"), CodCamp);
    Q1().deschide();
    QStringList valori;
    for (; !Q1().eof(); Q1().urmator()) {
        const QVariant v = Q1().camp(Q1().numeCamp(0));
        if (!v.isNull() && !v.toString().isEmpty()) valori << v.toString();
    }
    Combo->addItems(valori);
}

void TEditorCampText::LaAfisare() {
    Combo->lineEdit()->setCursorPosition(int(Combo->currentText().size()));
    Combo->lineEdit()->deselect();
}

void TEditorCampText::Salveaza(int idElev, int idEntitate, const QString& tabel) {
    ScrieValoarea(Combo->currentText(), LungimeText, idElev, idEntitate, tabel);
}
