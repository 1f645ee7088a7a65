#pragma once

#include "controls/KivVirtualGrid.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class TListaColoaneExcel;

// A grid line that shows one kept row of the sheet.
class TLinieGrid : public TKivVirtualGridLine {
public:
    TLinieGrid(TKivVirtualGridList* proprietar, int rand) : TKivVirtualGridLine(proprietar), Rand(rand) {}
    int Rand;
};

// The grid of the selection window: it tells the window which column the user went to.
class TGrilaSelectie : public TKivVirtualGrid {
    Q_OBJECT
public:
    using TKivVirtualGrid::TKivVirtualGrid;
    std::function<void(int coloana)> OnSelectCell;

protected:
    bool SelectCell(int c, int r) override;
    void mousePressEvent(QMouseEvent* e) override;
};

// "Selectie coloana EXCEL": the kept rows of the sheet; the user clicks into a column and
// confirms it. One window serves the CNP page and every field page, and remembers the choice.
class TExcelSelectieColoana : public QDialog {
    Q_OBJECT
public:
    explicit TExcelSelectieColoana(QWidget* owner = nullptr);

    // Keeps a reference to the list; it must outlive the window.
    void IncarcaColoane(const TListaColoaneExcel& lista);
    // Marks a column as chosen (the grid's own selection does the same).
    void SelecteazaColoana(int coloana);
    const TListaColoaneExcel* Lista() const { return lista_; }

    QString ColoanaSelectata;

    QLabel* LabelSelectie;
    TGrilaSelectie* G;
    QPushButton* BtnOk;
    QPushButton* BtnRenunt;

private:
    void BtnOkClick();

    const TListaColoaneExcel* lista_ = nullptr;
};

// Opens the window and, on Ok, puts the chosen column's letters into the text; false otherwise.
bool AlegeColoana(QWidget* parinte, TExcelSelectieColoana* fereastra, QString& litere);
