#pragma once

#include <QString>
#include <QStringList>

extern const char* const utilizareUneltaRegistru;

// Runs one verb on the database of the data folder; what it prints goes to iesire. Refusals
// and failures are Eroare.
void ruleazaUneltaRegistru(const QStringList& argumente, QString& iesire);
