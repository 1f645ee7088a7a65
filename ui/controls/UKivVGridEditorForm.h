#pragma once

#include "controls/KivVirtualGrid.h"
#include "controls/UKivEditors.h"

#include <QDateEdit>
#include <QDialog>
#include <QToolButton>

// The borderless pop-up laid over a cell of the virtual grid while its value is edited: one
// editor for the value's type, and the OK and cancel buttons at its right edge.
class TKivVGridEditorForm : public QDialog {
    Q_OBJECT
public:
    explicit TKivVGridEditorForm(QWidget* parinte = nullptr);

    // Loads the value and lays the window over the cell; "Nu cunosc tipul" for a type without
    // an editor. A typed first digit (numbers) or character (text) replaces the value.
    void Pregateste(const TKivValoareDate& v, QChar primul, QPoint stangaSus, int inaltime,
                    int latimeColoana);
    // The edited value, of the type it was loaded with.
    TKivValoareDate Valoare() const;
    // The editor shown for the value's type.
    QWidget* EditorActiv() const { return activ_; }

    TKivNumEdit* Num;
    TKivTextEdit* Ed;
    QDateEdit* Date;
    QToolButton* BtnOk;
    QToolButton* BtnRenunta;

protected:
    bool eventFilter(QObject* obiect, QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void aseaza(int latime, int inaltime);
    void incarcaNumar(const TKivValoareDate& v, QChar primul);
    void incarcaText(const TKivValoareDate& v, QChar primul);

    TKivTipDeDateColoana tip_ = TKivTipDeDateColoana::atAuto;
    QWidget* activ_ = nullptr;
};
