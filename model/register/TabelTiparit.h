#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

class Imprimanta;

// A table printed on A4 landscape pages through the printer layer: a heading (the school, the
// title, a line under it) and "Pagina i din n" on every page, the column titles repeated, each
// cell's text wrapped to its width (a row grows to its longest cell and never splits across
// pages) and the grid drawn around the cells.
struct TabelTiparit {
    QString scoala;
    QString titlu;
    QString subtitlu;
    QStringList coloane;
    std::vector<double> latimi; // relative widths, scaled to the page
    QList<QStringList> linii;
    double inaltimeRandMm = 10.0; // the least; a row with more lines of text grows
};

// Prints the table as one job and returns the number of pages; the job is dropped when it fails.
int tiparesteTabel(Imprimanta& imprimanta, const TabelTiparit& tabel);
