#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class FoaieDeCalcul;

// One worksheet column as the import sees it: the trimmed text of each kept row.
struct TColoanaExcel {
    QString Litere;
    QStringList Texte;
};

// The columns of the sheet from A to the last one in use, all holding the same kept rows.
class TListaColoaneExcel {
public:
    int Count() const { return int(coloane_.size()); }
    TColoanaExcel& Items(int i) const { return *coloane_.at(size_t(i)); }
    TColoanaExcel& Adauga(const QString& litere);
    void Clear();
    // The column of those letters (the last one, should several match); nullptr when none.
    const TColoanaExcel* Coloana(const QString& litere) const;
    // Kept rows (every column holds as many texts).
    int NrRanduri() const { return int(RanduriFoaie.size()); }
    // The header: the texts of the row just above the first kept row, one per column (empty when
    // that row is blank or there is none).
    QStringList Antet;

    // The worksheet row number (from 1) of each kept row.
    std::vector<int> RanduriFoaie;
    // Rows with text that the filter left out because none of their cells holds 13 digits.
    std::vector<int> RanduriFaraCod;
    // Those of them with text in several cells, with all their texts (a student whose code was
    // mistyped must not vanish among the titles); the first RanduriDeVerificatMaxim only.
    struct TRandFaraCod {
        int RandFoaie;
        QStringList Texte;
    };
    std::vector<TRandFaraCod> RanduriDeVerificat;

    // The column whose header names the field: its label ("Media de absolvire"), a usual name or
    // the start of it ("Media"), without case, diacritics, brackets or punctuation; empty when
    // none does.
    QString ColoanaCuAntetul(const QString& eticheta) const;
    // The same for several fields at once (one column each, in the order of `etichete`; empty for
    // none), a column going to one field only, the one it names best: the whole label, then the
    // label without brackets, then a usual name, then the label's start; on a tie, the first
    // field. A field of a second line ("linia 2") takes only a header naming that line. The
    // columns `luate` (chosen already) are not proposed.
    QStringList ColoaneCuAntetul(const QStringList& etichete, const QStringList& luate) const;

private:
    std::vector<std::unique_ptr<TColoanaExcel>> coloane_;
};

// The last column the import reads: never past "ZZ".
constexpr int UltimaColoanaPosibila = 701;
// More kept rows than this are refused: no school has them, and a sheet filled down to its last
// row would take the memory of the machine.
constexpr int RanduriMaxime = 100000;
constexpr int RanduriDeVerificatMaxim = 10000;
// A gap of this many rows without text in columns A to H ends the data.
constexpr int GolDeRanduri = 20;

// A cell's text as the import takes it: blanks and control characters cut from both ends.
QString TextCelula(const FoaieDeCalcul& foaie, int rand, int coloana);
// Exactly 13 decimal digits.
bool EsteCodDe13Cifre(const QString& text);
// Columns counted from 0 and rows from 1, as a sheet shows them.
int UltimaColoana(const FoaieDeCalcul& foaie);
int UltimulRand(const FoaieDeCalcul& foaie);

// Reads the sheet into the list: columns A to the last one, rows 1 to the last one, keeping only
// the rows in which some cell holds 13 digits. Fails past RanduriMaxime kept rows.
void CitesteFoaia(const FoaieDeCalcul& foaie, TListaColoaneExcel& lista);
