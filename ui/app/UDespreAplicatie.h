#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "Ajutor" > "Despre aplicatie": the version and where the program keeps its data, with a
// button that copies all of it for whoever helps.
class TDespreAplicatie : public QDialog {
    Q_OBJECT
public:
    explicit TDespreAplicatie(QWidget* owner = nullptr);

    // Puts the rows on the clipboard as text.
    void Copiaza();

    QPushButton* BtnCopiaza;
    QPushButton* BtnInchide;
    QLabel* LblCopiat;

private:
    QString text_;
};
