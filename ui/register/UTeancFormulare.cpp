#include "register/UTeancFormulare.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSpinBox>

TTeancFormulare::TTeancFormulare(QWidget* parinte)
    : QGroupBox(QStringLiteral("Formularele din imprimanta"), parinte) {
    setObjectName(QStringLiteral("TeancFormulare"));
    Proba = new QCheckBox(QStringLiteral("Proba pe hartie alba (nu se inregistreaza)"));
    Proba->setObjectName(QStringLiteral("Proba"));
    Seria = new QComboBox;
    Seria->setObjectName(QStringLiteral("Seria"));
    Seria->setEditable(true);
    Primul = new QSpinBox;
    Primul->setObjectName(QStringLiteral("Primul"));
    Primul->setRange(1, 99999999);
    Crescator = new QRadioButton(QStringLiteral("crescatoare"));
    Crescator->setObjectName(QStringLiteral("Crescator"));
    Descrescator = new QRadioButton(QStringLiteral("descrescatoare"));
    Descrescator->setObjectName(QStringLiteral("Descrescator"));
    Crescator->setChecked(true);
    auto* sens = new QHBoxLayout;
    sens->addWidget(Crescator);
    sens->addWidget(Descrescator);
    auto* forma = new QFormLayout(this);
    forma->addRow(Proba);
    forma->addRow(QStringLiteral("Seria"), Seria);
    forma->addRow(QStringLiteral("Numarul formularului de deasupra"), Primul);
    forma->addRow(QStringLiteral("Numerele teancului sunt"), sens);
    connect(Proba, &QCheckBox::toggled, this, [this] { activeaza(); });
    connect(Seria, &QComboBox::currentTextChanged, this, [this](const QString& seria) {
        if (const auto n = Registru::numarPropus(seria)) Primul->setValue(*n);
    });
}

void TTeancFormulare::Arata(const AlegereTeanc& p) {
    const QSignalBlocker blocare(Seria);
    Seria->clear();
    Seria->addItems(Registru::serii());
    Seria->setCurrentText(p.seria);
    if (p.primul > 0) Primul->setValue(p.primul);
    (p.crescator ? Crescator : Descrescator)->setChecked(true);
    Proba->setChecked(p.proba);
    activeaza();
}

AlegereTeanc TTeancFormulare::Alegerea() const {
    return {Proba->isChecked(), Seria->currentText().trimmed().toUpper(), Primul->value(),
            Crescator->isChecked()};
}

void TTeancFormulare::Verifica(int foi) const {
    const AlegereTeanc a = Alegerea();
    if (!a.proba) Registru::verificaTeancul(a.seria, a.primul, a.crescator, foi);
}

void TTeancFormulare::activeaza() {
    for (QWidget* w : std::initializer_list<QWidget*>{Seria, Primul, Crescator, Descrescator})
        w->setEnabled(!Proba->isChecked());
}
