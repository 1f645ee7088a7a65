#pragma once

#include <QDialog>

class QDateEdit;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

// "Formulare primite": the receipts of blank forms, and a new receipt (series, from, to, date,
// the receipt document's number).
class TFormularePrimite : public QDialog {
    Q_OBJECT
public:
    explicit TFormularePrimite(QWidget* parinte = nullptr);

    void Incarca();

    QTableWidget* Lista;
    QLineEdit* Seria;
    QSpinBox* DeLa;
    QSpinBox* PanaLa;
    QDateEdit* Data;
    QLineEdit* Document;
    QPushButton* Adauga;

private:
    void adaugaClick();
};
