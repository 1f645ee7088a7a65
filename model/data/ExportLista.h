#pragma once

#include "platform/ScriitorFoaie.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// A list as it goes out to a spreadsheet: a header row with the columns' titles, then one row per
// list row. Any list (students, schools, the certificates' register) describes itself this way.
struct TabelDeExportat {
    struct Coloana {
        QString titlu;
        bool nota = false; // a grade: written as a number with two decimals when asked for
    };
    QString numeFoaie;
    std::vector<Coloana> coloane;
    int randuri = 0;
    // Rows are asked for in blocks, in order: the list may read a block's values at once.
    std::function<void(int primul, int numar)> pregatesteBloc;
    // The texts of a row of the last block prepared, one per column.
    std::function<void(int rand, QStringList& texte)> rand;
};

struct OptiuniExport {
    ScriitorFoaie::Format format = ScriitorFoaie::Format::Xlsx;
    bool noteCaNumere = false;
    int marimeBloc = 500;
};

struct RezumatExport {
    QString fisier;
    int randuri = 0;
    int coloane = 0;
    int celuleTaiate = 0;
    int caractereInlocuite = 0;
    bool oprit = false;
    // What the user is told at the end, in Romanian.
    QString text() const;
};

// Called after every block with the rows written; false stops the export and leaves no file.
using ProgresExport = std::function<bool(int facute, int total)>;

// Writes the table into the file; an Eroare when the file cannot be written (the file that was
// there before then stays as it was).
RezumatExport exporta(const TabelDeExportat& tabel, const QString& cale, const OptiuniExport& optiuni,
                      const ProgresExport& progres = {});

// A grade as the certificate shows it ("9,50", "10") as a number; nullopt for anything else.
std::optional<double> notaCaNumar(const QString& text);

// The file of that name in the user's documents folder (the home folder when there is none).
QString InDocumente(const QString& numeFisier);
