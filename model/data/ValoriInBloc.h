#pragma once

#include "data/UProfilDiploma.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The values of many students for many field keys, read in a few statements (the profile, the
// students' value rows, the rows of the schools they link to) and resolved in memory by the same
// rules as ValoareCamp: similar-with links, OPTIONAL own values, links to other entity tables.
class ValoriInBloc {
public:
    // Reads the values of the students for the keys (formular, pagina, camp) in a few
    // statements; the caller holds Tr.
    static ValoriInBloc citeste(const std::vector<int>& idElevi, const std::vector<CheieCamp>& chei);
    // Equal to ValoareCamp(formular, pagina, camp, idElev) for every student and key read: it
    // fails (Eroare) where ValoareCamp fails, and for a student or key that was not read.
    QString valoare(int idElev, const CheieCamp& cheie) const;

    // ParseExp of a display expression for each student, in the order given, read in bulk.
    static std::vector<QString> descrieri(const QString& expresie, const std::vector<int>& idElevi);

    // A key as the database compares it: trailing blanks do not count.
    struct Cheie {
        QString formular, pagina, camp;
        friend bool operator==(const Cheie&, const Cheie&) = default;
    };

private:
    struct LinieProfil {
        QString onorez, asociatCu;
        CheieCamp legat;      // the similar-with key, as the line names it
        bool urmeaza = false; // the link is considered (DA, SELECTIV, OPTIONAL...)
        bool propriu = false; // the own value may be the result
    };
    static constexpr int Absent = -1; // a key reached that has no profile line

    void citesteProfilul(const std::vector<CheieCamp>& chei);
    void citesteColoaneleDate();
    void citesteRandurileElevilor(const std::vector<int>& idElevi);
    void citesteRandurileLegate();
    QString valoareProprie(int elev, int linie, const CheieCamp& cerut) const;
    int randElev(int elev, int linie) const { return randuri_[size_t(elev) * linii_.size() + size_t(linie)]; }

    QHash<Cheie, int> indiceLinie_; // every key reached; Absent without a profile line
    std::vector<LinieProfil> linii_;
    QHash<int, int> indiceElev_;               // student id -> its place
    std::vector<int> randuri_;                 // (student, line) -> the student's first value row, or -1
    std::vector<QString> texte_;               // value rows' texts
    QStringList tabeleLegate_;                 // entity tables whose IDF_ column the students' rows carry
    std::vector<std::optional<int>> legaturi_; // (row, linked table) -> its IDF_ value
    QStringList coloaneDate_;                  // the columns of "DATE", upper case
    std::vector<QHash<QPair<int, int>, QString>> valoriLegate_; // per linked table: (row id, line)
};

size_t qHash(const ValoriInBloc::Cheie& c, size_t seed = 0) noexcept;
