#pragma once

#include "data/UProfilDiploma.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// An import as the journal keeps it.
struct TPreluareJurnalizata {
    int Id = 0;
    QString Moment, Utilizator, Calculator, Fisier, Foaia, Starea;
    int Randuri = 0, Adaugati = 0, Actualizati = 0;

    // "preluarea din elevi.xlsx, foaia Absolventi, 10.12.2026 14:05, de ana pe SECRETARIAT"
    QString Descriere() const;
};

// The newest import not undone yet, if any.
std::optional<TPreluareJurnalizata> UltimaPreluare();

// What undoing an import does: the students it created go, unless the register names them or
// they were changed since; each value it overwrote gets its old text back, unless it was changed
// since. A student or a value counts as changed when its stored text differs from what the import
// wrote (for a created student: any of its texts).
struct TAnularePreluare {
    struct Valoare {
        int IdElev;
        CheieCamp Cheie;
        std::optional<QString> Veche; // none: the import made the value row, which goes
    };
    TPreluareJurnalizata Preluare;
    std::vector<int> DeSters;
    std::vector<Valoare> DeRepus;
    QStringList Lasate; // what is left alone and why, one line each

    // The question asked before undoing.
    QString Intrebare() const;
    // The summary of an undo done.
    QString Text() const;
};

// What undoing the import would do now; writes nothing.
TAnularePreluare PlanificaAnularea(const TPreluareJurnalizata& preluare);
// Undoes the import in one transaction and marks its entry undone; an entry undone already, or
// missing, fails with a message and changes nothing.
TAnularePreluare AnuleazaPreluarea(int idPreluare);
