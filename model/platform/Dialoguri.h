#pragma once

#include <QString>
#include <memory>

class QDialog;
class QWidget;

// Every message box and file dialog of the program goes through this interface, so that
// tests can answer them without anything blocking.
class Dialoguri {
public:
    virtual ~Dialoguri() = default;

    // A hint: a plain box, one OK button.
    virtual void mesaj(QWidget* parinte, const QString& text) = 0;
    // Refused input: warning icon, one OK button.
    virtual void avertisment(QWidget* parinte, const QString& text) = 0;
    // A confirmation with Yes and No; true for Yes.
    virtual bool intrebare(QWidget* parinte, const QString& text) = 0;
    // The general error box.
    virtual void eroare(QWidget* parinte, const QString& text) = 0;
    // A file to open; the empty text when the user gives up.
    virtual QString fisierDeDeschis(QWidget* parinte, const QString& titlu, const QString& filtru) = 0;
    // A file to write; the empty text when the user gives up.
    virtual QString fisierDeSalvat(QWidget* parinte, const QString& titlu, const QString& filtru) = 0;
    // The same, with a proposed file (name or path); sets that only record the question answer it
    // as the call without a proposal.
    virtual QString fisierDeSalvat(QWidget* parinte, const QString& titlu, const QString& filtru,
                                   const QString& propus) {
        Q_UNUSED(propus);
        return fisierDeSalvat(parinte, titlu, filtru);
    }
    // Shows one of the program's own windows modally and returns its result (QDialog::exec).
    virtual int arataModal(QDialog& fereastra) = 0;
};

// The dialogs in use. Until a set is installed (the program installs the windowed one at
// start-up, tests their recording one) messages go to the standard error stream, questions are
// answered No and no file is chosen, so code without a window never blocks.
Dialoguri& dialoguri();
// Installs another set; nullptr goes back to the set without windows. Returns the one replaced.
std::unique_ptr<Dialoguri> instaleazaDialoguri(std::unique_ptr<Dialoguri> noi);
