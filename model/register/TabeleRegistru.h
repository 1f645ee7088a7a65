#pragma once

#include "register/Registru.h"
#include "register/SituatiaFormularelor.h"

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

TabelText tabelRegistru(const std::vector<IntrareRegistru>& intrari);
TabelText tabelSituatie(const std::vector<SituatieSerie>& situatie);

// Writes the tables to a file whose format its extension names, one sheet per table. CSV
// (UTF-8 with BOM, ';') takes the tables one after another with a blank line between.
void exportaTabele(const QList<TabelText>& tabele, const QString& cale);
