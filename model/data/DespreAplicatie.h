#pragma once

#include <QList>
#include <QString>

class TDM;

// What support asks first: the program's version and where its data and settings are.
struct RandDespre {
    QString eticheta;
    QString valoare;
};

// The rows "Despre aplicatie" shows; the database's rows from the data module when one is open.
QList<RandDespre> DespreAplicatie(TDM* dm);

// The rows as text to paste into a message, one "eticheta: valoare" a line.
QString DespreAplicatieCaText(const QList<RandDespre>& randuri);
