#pragma once

#include "import/PreluareExcel.h"

#include <QFrame>
#include <QPushButton>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QToolButton;
class TExcelSelectieColoana;

// The hidden button of a wizard page whose click checks the page; the check fails by raising an
// error with the message to show.
class TButonPaginaOk : public QPushButton {
    Q_OBJECT
public:
    explicit TButonPaginaOk(QWidget* parinte, std::function<void()> verificare);
    std::function<void()> PaginaOkClick;
};

// Runs the first page check found among the page's controls (depth-first); false when it failed
// (the message has been shown).
bool VerificaPagina(QWidget* pagina);

// One field page of the import wizard: where the field's value comes from.
class TKivExcelImportFrame : public QFrame {
    Q_OBJECT
public:
    explicit TKivExcelImportFrame(QWidget* owner = nullptr);

    void InitCamp(const QString& cheie, const QString& eticheta);
    void PaginaOkClick();

    // The choices as the import needs them; and back, from what was remembered.
    TCampPreluat Camp() const;
    void SeteazaCamp(const TCampPreluat& camp);
    QString CodFormular() const { return codFormular_; }
    bool NuImport() const;
    void SeteazaNuImport(bool nu);

    // The window shared by every page that names a column.
    TExcelSelectieColoana* Selectie = nullptr;

    QLabel* LabelCheie;
    QLabel* LabelEticheta;
    QComboBox* CbMod;
    QCheckBox* CbNuImport;
    QStackedWidget* PaginiMod;
    QLineEdit* EdColoana;
    QToolButton* BtnColoana;
    QLineEdit* EdConstanta;
    QLineEdit* EdFete;
    QLineEdit* EdBaieti;
    TButonPaginaOk* PaginaOk;

private:
    void CbModChange();
    void CbNuImportClick();

    QString cheie_;
    QString eticheta_;
    QString codFormular_;
};
