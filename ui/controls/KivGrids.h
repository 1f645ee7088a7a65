#pragma once

#include "controls/UKivEditors.h"
#include "entry/URomana.h"

#include <QAbstractScrollArea>
#include <QElapsedTimer>
#include <QFlags>
#include <QPointer>
#include <functional>
#include <vector>

// The control library's grid: a scrollable surface of cells with fixed rows and columns, a
// current cell, per-column widths and per-row heights. Nothing is kept per cell: every painted
// cell is drawn on request by DrawCell, so the amount of data does not matter.

enum class TGridOption {
    goFixedVertLine = 0x1,
    goFixedHorzLine = 0x2,
    goVertLine = 0x4,
    goHorzLine = 0x8,
    goRangeSelect = 0x10,
    goDrawFocusSelected = 0x20,
    goRowSizing = 0x40,
    goColSizing = 0x80,
    goRowMoving = 0x100,
    goColMoving = 0x200,
    goEditing = 0x400,
    goTabs = 0x800,
    goRowSelect = 0x1000,
    goAlwaysShowEditor = 0x2000,
    goThumbTracking = 0x4000,
};
Q_DECLARE_FLAGS(TGridOptions, TGridOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridOptions)

enum class TGridDrawStateFlag { gdSelected = 0x1, gdFocused = 0x2, gdFixed = 0x4 };
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridDrawState)

struct TGridCoord {
    int X = -1; // column
    int Y = -1; // row
    bool operator==(const TGridCoord&) const = default;
};

class TKivCustomGrid;

// The numeric edit that serves as the in-place editor; its keys follow the grid's rules.
class TKivInPlaceNumEdit : public TKivNumEdit {
    Q_OBJECT
public:
    TKivInPlaceNumEdit(TKivCustomGrid* grila, QWidget* parinte);
    // Caret to the end, nothing selected.
    void Deselecteaza();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    bool tastaMergeLaGrila(QKeyEvent* e) const;
    void trateazaCaracter(QKeyEvent* e);

    TKivCustomGrid* grila_;
};

// The in-place editor: forwards every editor operation to its numeric edit.
class TKivInplaceEdit : public QObject {
    Q_OBJECT
public:
    explicit TKivInplaceEdit(TKivCustomGrid* grila);

    QString Text() const { return edit_->Text(); }
    void SetText(const QString& text) { edit_->SetText(text); }
    QWidget* Handle() const { return edit_; }
    void Move(const QRect& unde);
    void Hide();
    bool Visible() const { return edit_->isVisible(); }
    void SetFont(const QFont& font) { edit_->setFont(font); }
    TKivCustomGrid* Grid() const { return grila_; }
    void SelectAll() { edit_->SelecteazaTot(); }
    void Deselect();
    TKivInPlaceNumEdit* Edit() const { return edit_; }

private:
    TKivCustomGrid* grila_;
    TKivInPlaceNumEdit* edit_;
};

class TKivCustomGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TKivCustomGrid(QWidget* parinte = nullptr);

    int ColCount() const { return int(latimi_.size()); }
    void SetColCount(int n);
    int RowCount() const { return int(inaltimi_.size()); }
    void SetRowCount(int n);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int n);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int n);
    int DefaultColWidth() const { return latimeImplicita_; }
    void SetDefaultColWidth(int latime);
    int DefaultRowHeight() const { return inaltimeImplicita_; }
    void SetDefaultRowHeight(int inaltime);
    int GridLineWidth() const { return latimeLinie_; }
    void SetGridLineWidth(int latime);
    int ColWidths(int c) const { return latimi_[size_t(c)]; }
    void SetColWidths(int c, int latime);
    int RowHeights(int r) const { return inaltimi_[size_t(r)]; }
    void SetRowHeights(int r, int inaltime);
    TGridOptions Options() const { return optiuni_; }
    void SetOptions(TGridOptions optiuni);
    TColor FixedColor() const { return culoareFixa_; }
    void SetFixedColor(TColor c);
    TColor Color() const { return culoare_; }
    void SetColor(TColor c);
    bool DefaultDrawing() const { return desenImplicit_; }
    void SetDefaultDrawing(bool da) { desenImplicit_ = da; }

    // The current cell and its move (asks SelectCell; a refused move changes nothing).
    int Col() const { return curent_.X; }
    int Row() const { return curent_.Y; }
    void SetCol(int c) { MoveCurrent(c, curent_.Y); }
    void SetRow(int r) { MoveCurrent(curent_.X, r); }
    bool MoveCurrent(int c, int r, bool extindeSelectia = false);
    // The selected range (the current cell alone unless range selection extended it).
    QRect Selection() const;

    int TopRow() const { return sus_; }
    void SetTopRow(int r);
    int LeftCol() const { return stanga_; }
    void SetLeftCol(int c);
    // The last rows and columns that can still be the top-left cell.
    int MaxTopRow() const;
    int MaxLeftCol() const;
    int VisibleRowCount() const;
    int VisibleColCount() const;
    // Scrolling by cells (skipping cells of size 0) and by pages.
    void ScrollRows(int pasi);
    void ScrollCols(int pasi);
    void ScrollRowPage(int sens);
    void ScrollColPage(int sens);
    // The pixel offset of a single-column grid.
    int OffsetOrizontal() const { return offsetPixeli_; }
    void SetOffsetOrizontal(int offset);

    // The rectangle of a visible cell in the viewport; empty for a cell out of view.
    QRect CellRect(int c, int r) const;
    // The cell under a viewport position; (-1, -1) when none is.
    TGridCoord MouseCoord(int x, int y) const;
    void InvalidateCell(int c, int r);
    void InvalidateRow(int r);
    void InvalidateGrid();

    // The in-place editor (shown only with goEditing).
    TKivInplaceEdit* InplaceEditor() const { return editor_; }
    void ShowEditor();
    void HideEditor();
    bool EditorMode() const { return editor_ && editor_->Visible(); }

    // Paints the visible cells (the paint event and anyone drawing the grid elsewhere).
    void DeseneazaCelule(QPainter& p, const QRect& zona);

    // Keyboard of the editor and of the grid.
    virtual bool CanEditAcceptKey(QChar) const { return true; }
    virtual bool CanEditModify() const { return optiuni_.testFlag(TGridOption::goEditing); }
    void TrateazaTasta(QKeyEvent* e) { keyPressEvent(e); }
    std::function<void(QKeyEvent*)> OnKeyDown;
    // The press time of the grid's last click: a press on the editor soon after is a double click.
    bool ClicRecent() const;
    void TrateazaDubluClic();

signals:
    void TopLeftChanged();

protected:
    virtual void DrawCell(QPainter& p, int c, int r, const QRect& dreptunghi, TGridDrawState stare);
    virtual bool SelectCell(int, int) { return true; }
    virtual void CurrentCellMoved(TGridCoord vechi) { Q_UNUSED(vechi) }
    virtual void ColWidthsChanged() {}
    virtual void TopLeftMoved() { emit TopLeftChanged(); }
    virtual QString GetEditText(int, int) { return {}; }
    virtual void SetEditText(int, int, const QString&) {}
    virtual void DblClick() {}

    // Replaces every row height at once (a large grid is laid out in one pass).
    void SeteazaInaltimi(std::vector<int> inaltimi);
    void SeteazaLatimi(std::vector<int> latimi);
    // Called after any change of sizes or counts.
    void DimensiuniSchimbate();

    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void scrollContentsBy(int, int) override;

    int latimeLinieVerticala(bool fixa) const;
    int latimeLinieOrizontala(bool fixa) const;
    int latimeFixa() const;
    int inaltimeFixa() const;
    bool oColoana() const { return ColCount() == 1; }
    // Scrolls just enough for the cell to be shown whole.
    void facVizibila(int c, int r);

private:
    void actualizeazaBare();
    void pasBara(Qt::Orientation o, int actiune);
    void coloanaSauRandAjustat();
    int urmatorulVizibil(const std::vector<int>& marimi, int de, int sens, int minim) const;
    int maximSusStanga(const std::vector<int>& marimi, int fixe, int spatiu, bool coloane) const;
    int margineColoanaLa(int x, int y) const;
    void deseneazaImplicit(QPainter& p, int c, int r, const QRect& d, TGridDrawState stare);

    std::vector<int> latimi_;
    std::vector<int> inaltimi_;
    int fixedCols_ = 1, fixedRows_ = 1;
    int latimeImplicita_ = 64, inaltimeImplicita_ = 24, latimeLinie_ = 1;
    TGridOptions optiuni_;
    TColor culoareFixa_ = clBtnFace, culoare_ = clWindow;
    bool desenImplicit_ = true;
    TGridCoord curent_{1, 1}, ancora_{1, 1};
    int sus_ = 1, stanga_ = 1, offsetPixeli_ = 0;
    bool ajustezBare_ = false;
    int coloanaRedimensionata_ = -1;
    QElapsedTimer ultimulClic_;
    TKivInplaceEdit* editor_ = nullptr;
};

// The grid whose cell painting and cell events are open to the owner.
class TKivCustomDrawGrid : public TKivCustomGrid {
    Q_OBJECT
public:
    explicit TKivCustomDrawGrid(QWidget* parinte = nullptr) : TKivCustomGrid(parinte) {}

    std::function<void(QObject* Sender, int ACol, int ARow, bool& CanSelect)> OnSelectCell;
    std::function<void(QObject* Sender, int ACol, int ARow, QPainter& p, const QRect& Rect,
                       TGridDrawState State)>
        OnDrawCell;
    std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)> OnGetEditText;
    std::function<void(QObject* Sender, int ACol, int ARow, const QString& Value)> OnSetEditText;
    std::function<void(QObject* Sender)> OnTopLeftChanged;
    // Nothing here moves rows or columns; the events are kept for clients that will.
    std::function<void(QObject* Sender, int FromIndex, int ToIndex)> OnColumnMoved;
    std::function<void(QObject* Sender, int FromIndex, int ToIndex)> OnRowMoved;

protected:
    void DrawCell(QPainter& p, int c, int r, const QRect& dreptunghi, TGridDrawState stare) override;
    bool SelectCell(int c, int r) override;
    void TopLeftMoved() override;
    QString GetEditText(int c, int r) override;
    void SetEditText(int c, int r, const QString& text) override;
};
