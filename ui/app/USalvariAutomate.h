#pragma once

#include "data/SalvariAutomate.h"

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QThread>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;
class TDM;

// "Salvari automate": on or off, the folders, how many to keep, when the last backup and the last
// copy were made, and "Salveaza acum".
class TSalvariAutomate : public QDialog {
    Q_OBJECT
public:
    TSalvariAutomate(QWidget* owner, TDM& dm);

    QCheckBox* ChkActiv;
    QLineEdit* EdDosar;
    QLineEdit* EdDosarCopie;
    QSpinBox* SpinZilnice;
    QSpinBox* SpinLunare;
    QLabel* LblUltima;
    // For a database on a server: where the server writes the backups.
    QLabel* LblPeServer;

    void accept() override;
    void SalveazaAcum();

private:
    TDM& dm_;
    SalvariAutomate::Setari setari_;
    QString baza_;
    bool peServer_;
    void citesteCampurile();
    void arataUltimele();
};

// The daily automatic backup, made in the background on the first start of a day; nothing is
// shown unless it fails or the second folder has been out of reach for a week.
class TSalvareZilnica : public QObject {
    Q_OBJECT
public:
    explicit TSalvareZilnica(QWidget* fereastra);
    ~TSalvareZilnica() override;

    // Starts today's backup when it is owed; false when none was started.
    bool PornesteDacaEDatorata(TDM& dm);
    // Waits for a backup in progress (at the end of the program, with a small window when it
    // takes more than a moment), then records and copies it.
    void Asteapta();

signals:
    void Terminata();

private:
    void Incheie();

    QPointer<QWidget> fereastra_;
    QThread* fir_ = nullptr;
    QString eroare_; // written by the worker, read after it ended
    QString baza_;   // the database the running backup is of
};

// A backup now, in the foreground with its progress; also made before every restore. Updates the
// date of the last backup and copies it to the second folder.
SalvariAutomate::Salvare SalvareAutomataAcum(QWidget* parinte, TDM& dm);
// The same with settings not stored (the ones typed in the window); `faraCopie` gets why a second
// folder chosen got no copy.
SalvariAutomate::Salvare SalvareAutomataAcum(QWidget* parinte, TDM& dm, SalvariAutomate::Setari setari,
                                             QString* faraCopie = nullptr);

// The automatic backups, newest first, with their date and student count; the chosen file, or
// the one the user picks elsewhere with "Alt fisier...", or empty.
QString AlegeSalvarea(QWidget* parinte, const QList<SalvariAutomate::Salvare>& salvari);

// "Verifica baza de date": validation with its progress, the result in words.
void VerificaBazaDeDate(QWidget* parinte, TDM& dm);
