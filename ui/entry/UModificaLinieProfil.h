#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QLineEdit;
class QPushButton;

// Changes the two user settings of one profile row: whether its similar-with link is honoured
// and which entity table owns its values.
class TModificaLinieProfil : public QDialog {
    Q_OBJECT
public:
    explicit TModificaLinieProfil(QWidget* owner = nullptr);

    QComboBox* RzComboBox1; // Onorez similar: DA, SELECTIV, NU
    QLineEdit* RzEdit2;     // Asociat cu
    QPushButton* RzBitBtn1; // Ok
    QPushButton* RzBitBtn2; // Renunt

    // The row being edited.
    QString COD_FORMULAR;
    QString COD_PAGINA;
    QString COD_CAMP;

    void IncarcaLinie(const QString& codFormular, const QString& codPagina, const QString& codCamp);

public slots:
    void RzBitBtn1Click();

private:
    void FormCreate();
    void SelecteazaOnorez(const QString& onorez);
    void Salveaza();
};
