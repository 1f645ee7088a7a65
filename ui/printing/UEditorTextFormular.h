#pragma once

#include <QDialog>
#include <optional>
#include <utility>
#include <vector>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class TFormularTextArea;
class TParticularizareTextArea;

// Radio buttons side by side, each standing for a number (-1 is a value here, so the numbers
// are not the button group's ids).
class GrupValori {
public:
    void adauga(QRadioButton* buton, int valoare) { butoane_.emplace_back(buton, valoare); }
    // Selects the button of the value; a value without a button selects none.
    void selecteaza(int valoare);
    std::optional<int> selectata() const;

private:
    std::vector<std::pair<QRadioButton*, int>> butoane_;
};

// "Informatii camp": the user's adjustment of one text area of a form window.
class TEditorTextFormular : public QDialog {
    Q_OBJECT

public:
    explicit TEditorTextFormular(QWidget* owner);

    // Shows the record over the area it adjusts (the area's source, the window's fonts).
    void Incarca(const TParticularizareTextArea& rec, const TFormularTextArea& zona);
    // Takes the choices shown into the record.
    void Aplica(TParticularizareTextArea& rec) const;

    static constexpr const char* textMostra = "Text informativ pentru aspectul fontului";

private:
    void FormCreate();
    void RzBitBtn1Click();
    void RzBitBtn2Click();

    QWidget* creeazaInformatii();
    QWidget* creeazaRedefinire();
    QWidget* creeazaAsezare();
    QWidget* grupRadio(const QString& titlu, const QString& nume, GrupValori& grup,
                       const std::vector<std::pair<QString, int>>& butoane);
    void incarcaFonturileFerestrei(const TParticularizareTextArea& rec, const TFormularTextArea& zona);
    void incarcaFontulSpecificat(const QString& numeFont);

    QTabWidget* PageControl1 = nullptr;
    QPlainTextEdit* MemoSursa = nullptr;
    QComboBox* ComboFontFormular = nullptr;
    QComboBox* ComboItalic = nullptr;
    QComboBox* ComboBold = nullptr;
    QRadioButton* RadioFontImplicit = nullptr;
    QRadioButton* RadioFontSpecificat = nullptr;
    QListWidget* ListaFonturi = nullptr;
    QLineEdit* EditTextRedefinit = nullptr;
    GrupValori aliniere_, orizontal_, vertical_;
    QPushButton* RzBitBtn1 = nullptr;
    QPushButton* RzBitBtn2 = nullptr;
};

// What a click on an area of a print window does: opens the area's adjustment (made and saved
// on the first click), applies it on Ok and saves the list either way. Errors are shown in the
// general error box; returns false when it failed.
bool EditeazaParticularizare(TFormularTextArea& zona);
// Connects the click of every text area of the window to EditeazaParticularizare; loads the
// adjustments when no one has yet.
void ConecteazaParticularizarile(QWidget* fereastra);
