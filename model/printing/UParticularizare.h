#pragma once

#include "printing/FontFormular.h"
#include "printing/PaginaFormular.h"

#include <QByteArray>
#include <QHash>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// One user adjustment of one text area of a form window, kept in "licenta.lic". Every field
// at its zero value changes nothing.
class TParticularizareTextArea : public AlegeriAjustare {
public:
    QString NumeFormular; // component name of the window that owns the area
    QString NumeTextArea; // component name of the area
    QString NumeFont;     // a TFontFormular of the same window; empty: none

    // Not stored: the font named by NumeFont, resolved again on every lookup.
    QPointer<TFontFormular> Font;

    // What painting and printing take from it, with the font its name stands for.
    AjustarePagina ajustare(FontAjustare font) const { return {*this, std::move(font)}; }
};

// The adjustments in file order, with the path of their file. Names compare exactly; when a
// key occurs more than once the last record wins.
class TListaParticularizareTextArea {
public:
    explicit TListaParticularizareTextArea(QString caleFisier);

    const QString& caleFisier() const { return cale_; }
    int numar() const { return static_cast<int>(inregistrari_.size()); }
    TParticularizareTextArea& operator[](int i) { return *inregistrari_[static_cast<size_t>(i)]; }

    // The last record with this key; when there is none and creeaza is set, a new empty one is
    // appended and the file saved at once.
    TParticularizareTextArea* CautaParticularizare(const QString& numeFereastra, const QString& numeZona,
                                                   bool creeaza);

    // Appends the records of the file one by one; on a damaged file throws Eroare with the
    // records read before the fault already appended.
    void IncarcaFisier(const QString& cale);
    // Writes every record as version 2 to a temporary file that then replaces the old one.
    void SalveazaFisier() const;

    // Loads the list's own file when it exists. A damaged file is moved aside under a new name
    // (never overwritten), the user is told, and the records read before the fault are kept
    // and saved as the new file.
    void IncarcaSauPuneDeoparte();

    // The file's bytes for these records.
    QByteArray serializeaza() const;

private:
    QString cale_;
    // A damaged file that could not be moved aside is never written over.
    bool salvareBlocata_ = false;
    // ...nor one that could not be opened.
    bool necitit_ = false;
    std::vector<std::unique_ptr<TParticularizareTextArea>> inregistrari_;
    // The last record of every key; every paint of every area looks one up.
    QHash<QString, TParticularizareTextArea*> ultimaDupaCheie_;

    void adauga(std::unique_ptr<TParticularizareTextArea> rec);
};

// The process-wide list; on first use it is made for "licenta.lic" in the data folder and that
// file is loaded. It also installs the lookup used by painting and printing.
TListaParticularizareTextArea& Particularizari();
// At start-up: the process-wide list afresh from the data folder, with the lookup installed.
void IncarcaParticularizarile();

// The process-wide list when it was made already, else none (nothing is read).
TListaParticularizareTextArea* ParticularizariIncarcate();

// A page's font by its component name; none when the page has no such font.
using FonturiDupaNume = std::function<std::optional<FontPagina>(const QString& nume)>;
// The adjustment of an area keyed by the form's and the area's component names, its font taken
// from the form's fonts; none when there is no record.
std::optional<AjustarePagina> AjustareaAriei(TListaParticularizareTextArea& lista,
                                             const QString& numeFormular, const QString& numeArie,
                                             const FonturiDupaNume& fonturi);
