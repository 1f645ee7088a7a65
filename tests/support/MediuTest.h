#pragma once

#include "platform/Dialoguri.h"

#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>

// Dialogs that record what they were asked and answer from a script, so nothing blocks.
class DialoguriInregistrate : public Dialoguri {
public:
    struct Mesaj {
        QString fel; // "mesaj", "avertisment", "intrebare", "eroare", "deschide", "salveaza"
        QString text;
    };

    void mesaj(QWidget*, const QString& text) override { mesaje.push_back({"mesaj", text}); }
    void avertisment(QWidget*, const QString& text) override { mesaje.push_back({"avertisment", text}); }
    bool intrebare(QWidget*, const QString& text) override;
    void eroare(QWidget*, const QString& text) override { mesaje.push_back({"eroare", text}); }
    QString fisierDeDeschis(QWidget*, const QString& titlu, const QString&) override;
    using Dialoguri::fisierDeSalvat;
    QString fisierDeSalvat(QWidget*, const QString& titlu, const QString&) override;

    // Runs the next scripted window handler (it fills the window and presses its buttons, then
    // returns the result); without one the window is recorded and rejected.
    int arataModal(QDialog& fereastra) override;

    // The texts of the messages of one kind, in order.
    QStringList texte(const QString& fel) const;

    std::vector<Mesaj> mesaje;
    std::deque<bool> raspunsuri;                       // answers to questions; No when empty
    std::deque<QString> fisiere;                       // answers to file dialogs; none when empty
    std::deque<std::function<int(QDialog&)>> ferestre; // scripts for modal windows
};

// A test's own world: data folder, settings file and recorded dialogs, all in a temporary
// folder that goes with the object.
class MediuTest {
public:
    MediuTest();
    ~MediuTest();

    QString dosar() const { return dir_.path(); }
    QString cale(const QString& nume) const { return dir_.filePath(nume); }
    DialoguriInregistrate& dialoguri() { return *dialoguri_; }

    // The folder of the built program (where BLANK.FDB lies).
    static QString dosarProgram();

private:
    QTemporaryDir dir_;
    DialoguriInregistrate* dialoguri_;
    QByteArray dataDirVechi_;
};

// While it lives, standard input is a pipe that stays open and says nothing, as when the program
// is started from a terminal: whatever reads it waits.
class IntrareTacuta {
public:
    IntrareTacuta();
    ~IntrareTacuta();
    IntrareTacuta(const IntrareTacuta&) = delete;
    IntrareTacuta& operator=(const IntrareTacuta&) = delete;

private:
    int vechi_ = -1, scriere_ = -1;
};
