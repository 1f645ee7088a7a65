#pragma once

#include "import/CitireFoaie.h"
#include "import/PreluareExcel.h"
#include "platform/FoaieDeCalcul.h"

#include <QDialog>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class QToolButton;
class TButonPaginaOk;
class TExcelSelectieColoana;
class TKivExcelImportFrame;

// "Preluare date: randul i din N" with "Opresc": shown while the rows are written.
class TProgresPreluare : public QDialog {
    Q_OBJECT
public:
    explicit TProgresPreluare(QWidget* owner);
    // Shows row i of n and lets the interface breathe; false once the user asked to stop.
    bool Arata(int i, int n);

    QLabel* LabelRand;
    QProgressBar* Bara;
    QPushButton* BtnOpresc;
    bool Oprit = false;
};

// The import's summary in a window that scrolls and can be copied: a long list of rows would make
// a message box taller than the screen.
class TRezumatFereastra : public QDialog {
    Q_OBJECT
public:
    TRezumatFereastra(QWidget* owner, const QString& titlu, const QString& text);

    QPlainTextEdit* Text;
    QPushButton* BtnCopiaza;
    QPushButton* BtnOk;
};

// "Import de date din Excel": the wizard that fills students from one worksheet.
class TImportExcelExpert : public QDialog {
    Q_OBJECT
public:
    enum Pagina {
        PgIntroducere = 0,
        PgFisier = 1,
        PgCnp = 2,
        PgFinal = 3,
        PgFormulare = 4,
        PgPrimulCamp = 5
    };

    explicit TImportExcelExpert(QWidget* owner = nullptr);

    void ConstruiestePagini();
    void BtnInainteClick();
    void BtnInapoiClick();
    void BtnCautaClick();
    void CitesteFoaia();
    void ExecutaPreluarea();
    void PaginaOkClick();

    int PaginaCurenta() const;
    std::vector<TKivExcelImportFrame*> Cadre() const { return cadre_; }
    TExcelSelectieColoana* Selectie() const { return selectie_; }
    const TListaColoaneExcel& Coloane() const { return coloane_; }
    // What the last import did, when it ran.
    const std::optional<TRezumatPreluare>& Rezumat() const { return rezumat_; }
    // Called for each row of the import with its progress window (tests press "Opresc" there).
    std::function<void(TProgresPreluare&, int)> LaRand;

    QStackedWidget* Pagini;
    QPushButton* BtnInapoi;
    QPushButton* BtnInainte;
    QPushButton* BtnRenunt;
    QLineEdit* EdFisier;
    QPushButton* BtnCauta;
    QComboBox* CbFoaie;
    QLineEdit* EdCnp;
    QToolButton* BtnCnp;
    QListWidget* ListaFormulare;
    // The review before writing: one line per field; a double click opens the field's page.
    QLabel* LabelPrevizualizare;
    QTableWidget* TabelRevizuire;

protected:
    bool eventFilter(QObject* obiect, QEvent* e) override;

private:
    QWidget* paginaIntroducere();
    QWidget* paginaFisier();
    QWidget* paginaCnp();
    QWidget* paginaFinala();
    QWidget* paginaFormulare();
    QWidget* antet();
    void mergiLa(int pagina);
    bool paginaDeCamp(int pagina) const { return pagina >= PgPrimulCamp; }
    TKivExcelImportFrame* cadru(int pagina) const { return cadre_.at(size_t(pagina - PgPrimulCamp)); }
    std::vector<TCampPreluat> campuri() const;
    void umpleRevizuirea();
    void latimiRevizuire();
    void propuneColoane();

    std::optional<RegistruDeCalcul> registru_;
    TListaColoaneExcel coloane_;
    TExcelSelectieColoana* selectie_ = nullptr;
    std::vector<TKivExcelImportFrame*> cadre_;
    QStringList formulare_;       // each form code once, in the order of the field pages
    QStringList formulareBifate_; // sorted
    std::optional<TRezumatPreluare> rezumat_;
    QStringList memorate_; // fields whose last choices were remembered: no proposal overrides them
};

// "Anuleaza ultima preluare": asks with what undoing the newest import will do, undoes it and shows
// what was done and what was left alone. True when something was undone.
bool AnuleazaUltimaPreluare(QWidget* parinte);
