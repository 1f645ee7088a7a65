#pragma once

#include <QDialog>

class QPushButton;
class TEditorGenericComplex;

// The window of one row of an entity table other than the students (the school).
class TEditeaza : public QDialog {
    Q_OBJECT
public:
    explicit TEditeaza(QWidget* owner = nullptr);

    TEditorGenericComplex* Editor;
    QPushButton* RzBitBtn1; // Ok
    QPushButton* RzBitBtn2; // Renunt

    QString Tabel;
    int IdEntitate = -1;

    void Nou();
    void Deschide(int id);

public slots:
    void RzBitBtn1Click();
};
