#pragma once

#include "platform/Dialoguri.h"

#include <QSet>
#include <QString>
#include <functional>
#include <map>

class QWidget;

// Lets the program's events run for a moment (layouts, pictures loaded, timers).
void Asteapta(int ms = 150);

// Every modal window the program opens passes here instead of waiting for a user: a window with
// a follow-up runs it (it takes its picture when it looks right, and may open the windows that
// live inside it); any other window has its picture taken as it opens. Then it is closed as
// cancelled. Messages go to the standard error, questions are answered "Nu".
class DialoguriCaptura : public Dialoguri {
public:
    explicit DialoguriCaptura(QString dosarImagini);

    void mesaj(QWidget*, const QString& text) override;
    void avertisment(QWidget*, const QString& text) override;
    bool intrebare(QWidget*, const QString& text) override;
    void eroare(QWidget*, const QString& text) override;
    QString fisierDeDeschis(QWidget*, const QString&, const QString&) override { return DeDeschis; }
    using Dialoguri::fisierDeSalvat;
    QString fisierDeSalvat(QWidget*, const QString&, const QString&) override { return DeSalvat; }
    int arataModal(QDialog& fereastra) override;

    // Saves the window's picture as <class>.png, once per class.
    void Captureaza(QWidget& fereastra);

    std::map<QString, std::function<void(QDialog&)>> Urmari; // class name -> follow-up
    QString DeDeschis;
    QString DeSalvat;
    QSet<QString> Salvate;
    QStringList Mesaje;

private:
    QString dosar_;
};
