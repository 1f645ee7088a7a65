#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <tuple>
#include <vector>

class QWidget;

// A field is named by form, page and field code, written joined by dots: Vardolin.FATA.C_CNP.
struct CheieCamp {
    QString formular;
    QString pagina;
    QString camp;
};

// Splits a key at its dots; codes past the third are dropped, missing ones stay empty.
CheieCamp DesparteCheie(const QString& cheie);
// Puts a blank where a lower-case letter meets a capital: "ElevScoala" reads "Elev Scoala".
QString SeparaCuvinte(const QString& text);

// The data type names, in their order.
inline const QStringList& TipuriDeDate() {
    static const QStringList tipuri{
        "TEXT", "CF", "SIRUES", "CNP", "NOTA", "CALIFICATIV", "NOTA sau CALIFICATIV"};
    return tipuri;
}

// One printable field as the code holds it (ONOREZ_SIMILAR lives only in the database).
struct TLinieProfilDiploma {
    QString COD_FORMULAR;
    QString COD_PAGINA;
    QString COD_CAMP;
    QString SIMILAR_CU;
    QString ETICHETA_EDITOR;
    QString FORMULA;
    QString VIZIBIL;
    QString TIP_DE_DATE;
    QString ASOCIAT_CU;
    QString GRUP;
    int LATIME_SUGERATA = 0;
    QString COD_LINIE;
    int ORDINE = 0;
};

// The profile: every printable field of a form, in order. Derived classes fill it in their
// constructor.
class TListaLiniiProfilDiploma {
public:
    virtual ~TListaLiniiProfilDiploma() = default;

    const std::vector<TLinieProfilDiploma>& linii() const { return linii_; }
    int count() const { return int(linii_.size()); }

protected:
    void AdaugaLinie(const QString& COD_FORMULAR, const QString& COD_PAGINA, const QString& COD_CAMP,
                     const QString& ETICHETA_EDITOR, const QString& FORMULA, const QString& VIZIBIL,
                     const QString& TIP_DE_DATE, const QString& ASOCIAT_CU, const QString& SIMILAR_CU,
                     int LATIME_SUGERATA, const QString& COD_LINIE);

private:
    std::vector<TLinieProfilDiploma> linii_;
};

// The class-level side of a profile: what is answered without an instance, and how to make one.
// The base answers the display expressions with the errors a profile that forgot them deserves.
class TClasaProfilDiploma {
public:
    virtual ~TClasaProfilDiploma() = default;
    virtual QString NumeClasa() const = 0;
    virtual std::unique_ptr<TListaLiniiProfilDiploma> Creeaza() const = 0;
    virtual QString NumeBazaDeDate() const = 0;
    virtual QString ListaCampuriElev() const;
    virtual QString ListaCampuriGeneric() const;
};

// Registration, once, at program start. A second one raises an error.
void InregistreazaProfil(std::unique_ptr<TClasaProfilDiploma> clasa);
// The registered profile class, or nullptr.
const TClasaProfilDiploma* ProfilInregistrat();
// Forgets the registration (tests that register other profiles).
void AnuleazaInregistrareaProfilului();

// A printable form's handler: its button caption and the print window it makes.
class THandlerFormularDePrintat {
public:
    explicit THandlerFormularDePrintat(const QString& titlu) : Titlu(titlu) {}
    virtual ~THandlerFormularDePrintat() = default;
    virtual QWidget* CreeazaFereastra(QWidget* owner) = 0;

    QString Titlu;
};

using TListaHandlerFormularDePrintat = std::vector<std::unique_ptr<THandlerFormularDePrintat>>;

// The process-wide handler registry, addressed by position only.
TListaHandlerFormularDePrintat& HandlereFormulare();

// Brings the database's copy of the data type names and of the profile in line with the code.
void SincronizeazaTipuri();
void SincronizeazaProfil();

// The lines as the database holds them, for the configuration windows: the key, the editor's
// label and the link settings a user may change.
struct TLinieProfil {
    QString COD_FORMULAR;
    QString COD_PAGINA;
    QString COD_CAMP;
    QString ETICHETA_EDITOR;
    QString ONOREZ_SIMILAR;
    QString ASOCIAT_CU;
};
std::vector<TLinieProfil> LiniiProfilStocate();
// One line's link settings; fails with a clear message when the line is gone.
TLinieProfil LiniaProfilStocata(const CheieCamp& cheie);
void ScrieLegaturaLiniei(const CheieCamp& cheie, const QString& onorezSimilar, const QString& asociatCu);

// The lines a record editor of `tabel` shows, in the profile's order: those owned by the table
// and not similar to another. Only the editor's columns are filled.
std::vector<TLinieProfilDiploma> LiniiDeEditat(const QString& tabel);
