#pragma once

#include "data/UProfilDiploma.h" // CheieCamp
#include "entry/UScrieNota.h"
#include "printing/PaginaFormular.h"

#include <QHash>
#include <QString>
#include <functional>
#include <vector>

class ValoriInBloc;

// Filling a page description with one student's values: every area gets the value of its
// field key, the part of it chosen by Denumire2 (start, from 1) and Denumire3 (length), or,
// for grades, the wording of the global settings in the area pair named by Denumire3.
// The first error stops the filling: the areas filled before keep their text, those after it
// the number the page's preparation wrote.

// Where the filling takes a field's value from; by default ValoareCamp for the student.
using SursaValori = std::function<QString(const CheieCamp& cheie)>;

// The data type of every field of the profile, read at once.
class TipuriCampuri {
public:
    // Reads the profile through Q1; the caller holds Tr.
    static TipuriCampuri citeste();
    // The data type of the area's field: "X" when its key is empty; fails when the profile has
    // no such field.
    QString tipul(const AriePagina& arie) const;

private:
    QHash<QString, QString> tipuri_;
};

// Fills every area of the page with the student's values (the caller holds Tr). Throws Eroare
// with the Romanian reason when a filling rule fails (e.g. a grade that is not a number).
void UmplePagina(PaginaFormular& pagina, int idElev);
// The field keys of the page's areas, each once, in the order of the areas.
std::vector<CheieCamp> CheileCampurilor(const PaginaFormular& pagina);
// A student's values from a bulk read of the page's keys (which must outlive the source).
SursaValori SursaDinBloc(const ValoriInBloc& valori, int idElev);
void UmplePagina(PaginaFormular& pagina, const SursaValori& valoare);
// The same with the field types and grade settings already read, for many pages in a row.
void UmplePagina(PaginaFormular& pagina, const SursaValori& valoare, const TipuriCampuri& tipuri,
                 const SetariNote& setari);

// The part of a value shown for the area's two keys; fails when a given key is not a whole number.
QString ParteDinValoare(const QString& valoare, const AriePagina& arie);

// The areas of the page that show the same grade as this one, upper first (the lower one may
// be absent).
struct PerecheNota {
    AriePagina* sus = nullptr;
    AriePagina* jos = nullptr;
};
PerecheNota PerecheaNotei(PaginaFormular& pagina, const AriePagina& arie);
