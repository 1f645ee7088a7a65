#include "entry/UEditorGeneric.h"

#include "data/StocElevi.h"
#include "platform/Dialoguri.h"

#include <QLabel>
#include <QVBoxLayout>

void ColoreazaFundal(QWidget* w, TColor culoare) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, CuloareInQColor(culoare));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

TEditorGeneric::TEditorGeneric(QWidget* owner) : QFrame(owner) {
    resize(420, 117);
    ColoreazaFundal(this, CuloareFundal);
    Eticheta = new QLabel(this);
    Eticheta->setObjectName(QStringLiteral("Eticheta"));
    Eticheta->setFixedHeight(13);
    ColoreazaFundal(Eticheta, CuloareFundal);
}

void TEditorGeneric::PuneControlul(QWidget* control) {
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(8, 0, 4, 2);
    l->setSpacing(0);
    l->addWidget(Eticheta);
    control->setFixedHeight(21);
    l->addWidget(control);
    setFixedHeight(Inaltime);
}

int TEditorGeneric::IdProprietar(const QString& tabel, int idElev, int idEntitate) {
    return tabel == QLatin1String("ELEVI") ? idElev : idEntitate;
}

void TEditorGeneric::Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp,
                             const QString& tabel, int idElev, int idEntitate) {
    CodFormular = codFormular;
    CodPagina = codPagina;
    CodCamp = codCamp;
    Tabel = tabel;
    IdElev = idElev;
    IdEntitate = idEntitate;
    Id = IdProprietar(tabel, idElev, idEntitate);
}

bool TEditorGeneric::PotSalva() {
    dialoguri().avertisment(this, QStringLiteral("Functioa \"PotSalva\" nu este implementata pentru ") +
                                      QString::fromLatin1(metaObject()->className()));
    return false;
}

void TEditorGeneric::Salveaza(int, int, const QString&) {}

std::optional<QString> TEditorGeneric::CitesteValoarea() const {
    return StocElevi::Valoare(Tabel, Id, {CodFormular, CodPagina, CodCamp});
}

void TEditorGeneric::ScrieValoarea(const QString& text, int lungime, int idElev, int idEntitate,
                                   const QString& tabel) const {
    QString valoare = text.trimmed().left(lungime);
    if (valoare.isNull()) valoare = QLatin1String(""); // never NULL: an absent text is the empty text
    StocElevi::ScrieValoare(tabel, IdProprietar(tabel, idElev, idEntitate), {CodFormular, CodPagina, CodCamp},
                            valoare);
}
