#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class TDM;

// What a backup or restore is doing, line by line as the engine reports it; the other windows
// wait meanwhile.
class TProgresSalvare : public QDialog {
    Q_OBJECT
public:
    TProgresSalvare(QWidget* owner, const QString& titlu);
    void Adauga(const QString& linie);

    QLabel* LblStare;
    QProgressBar* Bara;
};

// "Salvare baza de date...": a backup to a file the user picks (on a server on another computer:
// beside the database on the server).
void SalveazaBazaDeDate(QWidget* parinte, TDM& dm);
// "Restaurare din salvare...": true when the database was replaced. A damaged database goes the
// way of RestaureazaBazaDeteriorata.
bool RestaureazaBazaDeDate(QWidget* parinte, TDM& dm);
// A damaged database, also at start without the main window: the restore runs in a new process
// (this one's engine refuses work after its consistency check) and only files are swapped here;
// the program must then start again. True when the database was replaced.
bool RestaureazaBazaDeteriorata(QWidget* parinte, TDM& dm);
