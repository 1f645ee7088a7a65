#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

// One worksheet held in memory: the displayed text of its cells. Rows and columns repeated in the
// file stay one run each, so a row repeated a million times costs one entry.
class FoaieDeCalcul {
public:
    static constexpr int maxRanduri = 1048576;
    static constexpr int maxColoane = 16384;

    explicit FoaieDeCalcul(QString nume = {}) : nume_(std::move(nume)) {}

    const QString& nume() const { return nume_; }

    // Rows and columns counted from 0; the empty text outside the cells in use.
    QString text(int rand, int coloana) const;
    // Address as in "B12": column letters, then the row counted from 1.
    QString text(const QString& adresa) const;

    // The used range: one past the last row and the last column holding text.
    int randuri() const;
    int coloane() const { return coloane_; }

    // Walks every non-empty cell in row order, left to right.
    template <typename F> void pentruFiecare(F&& f) const {
        for (const auto& bloc : blocuri_)
            for (int r = 0; r < bloc.numar; ++r)
                for (const auto& c : bloc.celule)
                    for (int k = 0; k < c.numar; ++k)
                        f(bloc.primulRand + r, c.primaColoana + k, c.text);
    }

    // Filling, while a reader builds the sheet. Rows must come in increasing order through
    // adaugaRand; adaugaCelula adds to the last row added. Empty texts are not kept.
    void adaugaRand(int rand, int numar);
    void adaugaCelula(int coloana, int numar, const QString& text);
    // Any order; the last text given for a cell wins. termina() sorts them into rows.
    void puneCelula(int rand, int coloana, const QString& text);
    // Cells covered by a merge show nothing: all of the range but its top-left cell.
    void imbina(int rand1, int coloana1, int rand2, int coloana2);
    void termina();

    static QString numeColoana(int coloana);
    // "AB12" -> row 11, column 27; false when the address is not one of a sheet's cells.
    static bool citesteAdresa(const QString& adresa, int& rand, int& coloana);

private:
    struct Rulare {
        int primaColoana;
        int numar;
        QString text;
    };
    struct Bloc {
        int primulRand;
        int numar;
        std::vector<Rulare> celule;
    };
    struct Celula {
        int rand;
        int coloana;
        QString text;
    };

    void stergeAcoperite();

    QString nume_;
    std::vector<Bloc> blocuri_;
    std::vector<Celula> risipite_;
    std::vector<std::array<int, 4>> imbinari_;
    int coloane_ = 0;
};

// A workbook read whole into memory: its worksheets in workbook order.
class RegistruDeCalcul {
public:
    std::vector<FoaieDeCalcul> foi;
    // What a damaged file cost, as a spreadsheet program reading it would lose it: cells of
    // damaged records, texts missing from the shared table, the rest of a file that ends early.
    // Empty for a sound file.
    QStringList deteriorari;
    // "Fisierul X este deteriorat; s-a pastrat ce s-a putut citi: ..." or empty.
    QString mesajDeteriorare(const QString& numeFisier) const;

    QStringList numeFoi() const;
    // The sheet of that name; nullptr when there is none.
    const FoaieDeCalcul* foaie(const QString& nume) const;

    // Reads the file, choosing the reader by its content, not by its extension.
    static RegistruDeCalcul deschide(const QString& cale);
    // The same, from bytes already read; the name is the file's, for messages and for the CSV
    // sheet.
    static RegistruDeCalcul citeste(const QByteArray& continut, const QString& numeFisier);
};

// "Fisierul X nu poate fi citit: motiv" for every reader.
[[noreturn]] void fisierStricat(const QString& numeFisier, const QString& motiv);
