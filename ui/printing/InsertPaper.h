#pragma once

#include "printing/SetariTiparire.h"
#include "register/Registru.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class TKivNumEdit;
class TTeancFormulare;

// How the sheet goes in for one side, and its margins.
class TInsertPaperForm : public QDialog {
    Q_OBJECT
public:
    explicit TInsertPaperForm(QWidget* parinte = nullptr);

    // The one dialog of the program, made on first use; it lives until the application ends.
    static TInsertPaperForm& Instanta();

    struct Raspuns {
        int rezultat = QDialog::Rejected;
        bool oglindesc = false;
        double stanga = 0.0;
        double sus = 0.0;
        AlegereTeanc teanc; // a proof unless the pile was asked and forms chosen
    };
    // Asks for a side (LaturaFata, LaturaVerso), starting from the given margins; reads the
    // paper path from SetariCurente() and stores the side's turn choice there. A batch says in
    // the caption, after the sheet's number, how many sheets go in and in which order. With a
    // proposed pile the dialog also asks which forms go in (or a proof) and checks that the
    // pile's `foi` next forms are free.
    Raspuns IntrebaIntroducere(int latura, double stanga, double sus, const QString& lot = {},
                               const std::optional<AlegereTeanc>& teanc = std::nullopt, int foi = 1);

    // The sheet pictures: Image1 front, Image2 back, Image3 and Image4 the same turned;
    // Image5 the sheet upside down, Image6 upright.
    std::array<QLabel*, 6> Imagini{};
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    TKivNumEdit* Edit1;
    TKivNumEdit* Edit2;
    QCheckBox* RzCheckBox1;
    TTeancFormulare* Teanc; // shown when the pile is asked
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

public slots:
    void BitBtn1Click();
    void RzCheckBox1Click();

private:
    void FormCreate();
    void creeazaImaginile();
    void creeazaControalele();
    void aratTeancul(const std::optional<AlegereTeanc>& teanc);

    // The pictures for the clear and the ticked check box.
    int imagineNebifat_ = 2;
    int imagineBifat_ = 0;
    int foi_ = 1;
};

// The paper-insertion dialog of the program (TInsertPaperForm::Instanta()).
TInsertPaperForm::Raspuns IntrebaIntroducere(int latura, double stanga, double sus, const QString& lot = {},
                                             const std::optional<AlegereTeanc>& teanc = std::nullopt,
                                             int foi = 1);
