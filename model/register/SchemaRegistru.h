#pragma once

#include <QStringList>

// The schema version that brings the register, the newest one.
constexpr int VersiuneSchemaRegistru = 4;

// The statements that add the register of issued certificates and the stock of blank forms
// (schema version 4), run together in the upgrade's one transaction.
QStringList instructiuniSchemaRegistru();
