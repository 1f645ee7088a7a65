#pragma once

#include <QString>
#include <QStringList>

class FoaieDeCalcul;

extern const char* const utilizareUneltaFoaie;

// One line per cell: "A1<TAB>text", with TAB, LF, CR and backslash escaped.
QString liniiFoaie(const FoaieDeCalcul& foaie);

// Runs one command of the tool; what it prints goes to iesire. Fails with an Eroare.
void ruleazaUneltaFoaie(const QStringList& argumente, QString& iesire);
// The same; a damaged file read in part puts what it lost into avertisment.
void ruleazaUneltaFoaie(const QStringList& argumente, QString& iesire, QString& avertisment);
