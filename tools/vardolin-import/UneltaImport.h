#pragma once

#include "import/PreluareExcel.h"

#include <QHash>
#include <QString>
#include <QStringList>

extern const char* const utilizareUneltaImport;

// An INI text: section -> key -> value. Lines starting with ';' or '#' are comments; a value in
// double quotes keeps its blanks.
using TextIni = QHash<QString, QHash<QString, QString>>;
TextIni CitesteIni(const QString& text);

// The fields of the profile with the choices of the map; fields not named, named with
// skip=true or of a form not in `formulare` (when given) are not imported.
std::vector<TCampPreluat> CampuriDinHarta(std::vector<TCampPreluat> campuri, const TextIni& harta,
                                          const QStringList& formulare);

// Runs the import; the summary goes to iesire. Returns false when the import did not end
// (a stop or a failure: the summary says where). Fails with an Eroare before writing anything.
// "--undo" alone undoes the newest import not undone yet and writes what it did.
bool ruleazaUneltaImport(const QStringList& argumente, QString& iesire);
