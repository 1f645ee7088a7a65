#include "register/UTeancFormulare.h"

#include "platform/Dialoguri.h"
#include "platform/Eroare.h"
#include "platform/Protejat.h"
#include "register/UFormularePrimite.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

TTeancFormulare::TTeancFormulare(QWidget* parinte)
    : QGroupBox(QStringLiteral("Formularele din imprimanta"), parinte) {
    setObjectName(QStringLiteral("TeancFormulare"));
    FaraFormulare = new QLabel(QStringLiteral(
        "Nu este inregistrat niciun formular primit. Pentru tiparirea pe formulare inregistrati "
        "intai formularele primite de la inspectorat; pana atunci puteti tipari o proba pe hartie alba."));
    FaraFormulare->setObjectName(QStringLiteral("FaraFormulare"));
    FaraFormulare->setWordWrap(true);
    Primite = new QPushButton(QStringLiteral("Formulare primite..."));
    Primite->setObjectName(QStringLiteral("Primite"));
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
    forma->addRow(FaraFormulare);
    forma->addRow(Proba, Primite);
    forma->addRow(QStringLiteral("Seria"), Seria);
    forma->addRow(QStringLiteral("Numarul formularului de deasupra"), Primul);
    forma->addRow(QStringLiteral("Numerele teancului sunt"), sens);
    connect(Primite, &QPushButton::clicked, this, [this] { primiteClick(); });
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
    if (a.proba) return;
    if (Registru::serii().isEmpty())
        throw Eroare(
            QStringLiteral("Nu este inregistrat niciun formular primit, deci foile nu pot fi trecute "
                           "in registru. Apasati \"Formulare primite...\" si inregistrati seria si "
                           "numerele primite, sau bifati \"Proba pe hartie alba\"."));
    if (a.seria.isEmpty()) throw Eroare(QStringLiteral("Alegeti seria formularelor din imprimanta."));
    Registru::verificaTeancul(a.seria, a.primul, a.crescator, foi);
}

void TTeancFormulare::primiteClick() {
    protejat(this, [this] {
        TFormularePrimite primite(this);
        primite.Incarca();
        dialoguri().arataModal(primite);
        AlegereTeanc propunere = propunereTeanc(false);
        if (propunere.seria.isEmpty()) propunere.proba = Proba->isChecked();
        Arata(propunere);
    });
}

void TTeancFormulare::activeaza() {
    FaraFormulare->setVisible(Seria->count() == 0);
    for (QWidget* w : std::initializer_list<QWidget*>{Seria, Primul, Crescator, Descrescator})
        w->setEnabled(!Proba->isChecked());
}
