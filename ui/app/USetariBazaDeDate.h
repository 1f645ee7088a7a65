#pragma once

#include "data/SetariConexiune.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The connection settings: the file on this computer or a database on a Firebird server, with
// the user name and password; kept in the settings store.
class TSetariBazaDeDate : public QDialog {
    Q_OBJECT
public:
    explicit TSetariBazaDeDate(QWidget* owner = nullptr);

    // What the controls hold now.
    SetariConexiune Setari() const;

    QRadioButton* RbFisier;
    QLineEdit* EdFisier;
    QPushButton* BtnAlegeFisier;
    QRadioButton* RbServer;
    QLineEdit* EdServer;
    QLineEdit* EdDosarSalvari;
    QLineEdit* EdUtilizator;
    QLineEdit* EdParola;
    QLabel* LblMediu;
    QPushButton* BtnIncearca;
    QPushButton* BtnUtilizatorPropriu;
    QPushButton* BtnOk;
    QPushButton* BtnRenunta;

public slots:
    void BtnIncearcaClick();
    void BtnOkClick();
    void BtnAlegeFisierClick();
    // Creates the program's own user on the server, given SYSDBA's password, and switches to it.
    void BtnUtilizatorPropriuClick();

private:
    void arata(const SetariConexiune& s);
    void actualizeazaStarea();
};
