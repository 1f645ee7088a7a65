#pragma once

#include "entry/UModelLinii.h"
#include "printing/TiparireInBloc.h"

#include <QDialog>
#include <vector>

class QListWidget;
class QPushButton;

// The students of a batch whose certificate cannot be printed, each with why, shown before
// anything prints: the secretary prints the others or gives up.
class TEleviOmisiForm : public QDialog {
    Q_OBJECT
public:
    TEleviOmisiForm(const std::vector<ElevOmis>& omisi, const std::vector<TLinieDescrisa>& elevi,
                    int tiparibili, QWidget* parinte = nullptr);

    QListWidget* Lista;
    QPushButton* ButonCeilalti; // accepts; hidden when nobody can be printed
    QPushButton* ButonRenunt;
};

// True when the batch goes on with the printable students.
bool TiparesteCeilalti(QWidget* parinte, const std::vector<ElevOmis>& omisi,
                       const std::vector<TLinieDescrisa>& elevi, int tiparibili);
