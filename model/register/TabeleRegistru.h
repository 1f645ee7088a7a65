#pragma once

#include "register/Registru.h"
#include "register/SituatiaFormularelor.h"
#include "register/TabelTiparit.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

// The register and the forms' report as tables of text: what the register's printed pages,
// its window and its export all show, column for column.
struct TabelText {
    QString titlu;
    QStringList antet;
    QList<QStringList> linii;
};

// One entry's cells, in the columns of tabelRegistru.
QStringList randRegistru(const IntrareRegistru& intrare);
TabelText tabelRegistru(const std::vector<IntrareRegistru>& intrari);
TabelText tabelSituatie(const std::vector<SituatieSerie>& situatie);

// The printed register of a year (0: every year), with the pen's column "Semnatura de primire",
// and the printed forms' report; each is one job on the printer, the number of pages returned.
int tiparesteRegistrul(Imprimanta& imprimanta, int an);
int tiparesteSituatia(Imprimanta& imprimanta);
// The school's name as its certificates show it, for the printed pages' heading.
QString numeleScolii();

// Writes the tables to a file whose format its extension names (.xlsx, .ods, .csv), one after
// another with a blank row between.
void exportaTabele(const QList<TabelText>& tabele, const QString& cale);
