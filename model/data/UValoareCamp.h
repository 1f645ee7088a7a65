#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The text a field of the form shows for a student, following the profile's similar-with links
// and, for fields owned by another entity table (the school), the student's link rows.
// Works with or without Tr active and leaves it as it found it. Uses Q1 to Q3.
QString ValoareCamp(const QString& formular, const QString& pagina, const QString& camp, int id);

// Blanks and control characters dropped at both ends, as a trimmed text would lose them.
QString FaraMargini(const QString& text);

// Expands a display expression ("{FORM.PAG.CAMP} / {FORM.PAG.CAMP}") for one row. Tr must be
// active. For the students' table the row is a student; for another entity table (the school
// list) a field owned by that table is read from the row itself.
QString ParseExp(const QString& expresie, int id, const QString& tabel = QStringLiteral("ELEVI"));

// The pieces of a display expression in order: plain text, and the keys written in braces.
// The text after a brace that is never closed is dropped.
struct ParteExpresie {
    bool cheie = false;
    QString text;
};
std::vector<ParteExpresie> DesparteExpresia(const QString& expresie);

// Link rows: for every profile line owned by another entity table T, each student has one "DATE"
// row with that line's key, ID_ELEVI = the student, IDF_T = the student's T row and an empty
// text. These make and correct them, inside the caller's transaction (Tr active).
//
// For one student (idElev) or for all (std::nullopt). The T row is idRand when given; otherwise
// the one the student's links already name, or the T row with the lowest id. Without any T row
// the student's links to T are removed.
void AsiguraLegaturi(const QString& tabel, std::optional<int> idElev,
                     std::optional<int> idRand = std::nullopt);
// The T row a student's links name, if any.
std::optional<int> RandulLegat(const QString& tabel, int idElev);
// The entity tables other than the students', whose rows a student links to.
QStringList TabeleLegateDeElevi();
