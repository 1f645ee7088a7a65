#pragma once

#include "register/Registru.h"

#include <QDialog>
#include <QTimer>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TKivVirtualGrid;

// "Registrul actelor de studii": the register on the program's grid, filtered by year, state,
// name, CNP and series/number, with the actions on the selected entry and the printed register,
// the forms' report and the export.
class TRegistruActe : public QDialog {
    Q_OBJECT
public:
    explicit TRegistruActe(QWidget* parinte = nullptr);

    // Reads the entries the filter keeps (also what a text filter still waits to apply).
    void Incarca();
    // The entry on the grid's current row, if any.
    const IntrareRegistru* Selectata() const;
    const std::vector<IntrareRegistru>& Intrari() const { return intrari_; }

    QSpinBox* An;
    QComboBox* Stare;
    QLineEdit* Nume;
    QLineEdit* Cnp;
    QLineEdit* Seria;
    QSpinBox* Numarul;
    TKivVirtualGrid* Grila;
    QLabel* Rezumat;
    QPushButton* Confirma;
    QPushButton* Elibereaza;
    QPushButton* Anuleaza;
    QPushButton* Tipareste;
    QPushButton* Situatia;
    QPushButton* Exporta;

private:
    void coloane();
    void confirmaClick();
    void elibereazaClick();
    void anuleazaClick();
    void tiparesteClick(bool registrul);
    void exportaClick();
    // Runs an action on the selected entry and reads the register again.
    template <class F> void peSelectata(F&& actiune);

    // Typing in a text filter reloads once the typing pauses, not once per key.
    QTimer filtruText_;
    std::vector<IntrareRegistru> intrari_;
    // Each entry's texts, made when its row is first painted: scrolling repaints the same rows.
    std::vector<QStringList> texte_;
};

// Asks for what an issue records: the graduate or a proxy (name, identity document, power of
// attorney) and remarks. False when the user gives up.
bool CerePredarea(QWidget* parinte, const IntrareRegistru& intrare, Predare& predare);
// Asks for one line of text (a reason); false when the user gives up or leaves it empty.
bool CereText(QWidget* parinte, const QString& titlu, const QString& eticheta, QString& text);
