#pragma once

#include "register/Registru.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

// The paper dialog's part for fronts: "Proba pe hartie alba", or the series, the number of the
// form on top of the pile (the next unused one proposed) and whether the numbers go up or down.
class TTeancFormulare : public QGroupBox {
    Q_OBJECT
public:
    explicit TTeancFormulare(QWidget* parinte = nullptr);

    void Arata(const AlegereTeanc& propunere);
    AlegereTeanc Alegerea() const;
    // Refuses a pile whose next forms are not received or already used (the message proposes
    // the next free number); a proof always passes.
    void Verifica(int foi) const;

    QLabel* FaraFormulare; // shown while no form has been received
    QPushButton* Primite;  // "Formulare primite...": records a receipt without leaving the dialog
    QCheckBox* Proba;
    QComboBox* Seria;
    QSpinBox* Primul;
    QRadioButton* Crescator;
    QRadioButton* Descrescator;

private:
    void activeaza();
    void primiteClick();
};
