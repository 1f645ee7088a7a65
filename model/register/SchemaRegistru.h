#pragma once

#include <QStringList>

// The schema version that brings the register.
constexpr int VersiuneSchemaRegistru = 4;
// The schema version that lets an entry give its blank form back (a sheet that never came out of
// the printer), the newest one.
constexpr int VersiuneSchemaFormulareRestituite = 6;

// The statements that add the register of issued certificates and the stock of blank forms
// (schema version 4), run together in the upgrade's one transaction.
QStringList instructiuniSchemaRegistru();

// The statements that let an entry give its form back (schema version 6), run together in the
// upgrade's one transaction; every entry is kept.
QStringList instructiuniSchemaFormulareRestituite();
