#pragma once

#include <QString>
#include <vector>

// The forms' report for the inspectorate, per series: received, issued, printed and not yet
// issued, cancelled (with their numbers as ranges) and still blank.
struct SituatieSerie {
    QString seria;
    int primite = 0;
    int eliberate = 0;
    int tipariteNeeliberate = 0;
    int anulate = 0;
    QString numereAnulate; // "7, 12-14"
    int ramase = 0;
};

std::vector<SituatieSerie> situatiaFormularelor();
// Sorted numbers as ranges: 1, 2, 3, 7 -> "1-3, 7".
QString caIntervale(const std::vector<int>& numere);
// The report as text, one series a line, for the command line.
QString textSituatie(const std::vector<SituatieSerie>& situatie);
