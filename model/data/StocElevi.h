#pragma once

#include "data/UProfilDiploma.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The rows of the entity tables (the students, the school) and their field values in "DATE".
// Each function joins the transaction the caller holds; without one it runs in its own, except
// ScrieValoare, which a record editor runs only inside its save.
namespace StocElevi {

// Draws the next id of an entity table from its generator and inserts the row with only that id.
int RandNou(const QString& tabel);
// A student as the import makes it: one empty value row per profile line of the students'
// table and the links to the rows of each table in `legate`.
int ElevNou(const QStringList& legate);

enum class Ordine { CaStocate, DupaId };
// The ids of a table's rows.
std::vector<int> Randuri(const QString& tabel, Ordine ordine = Ordine::CaStocate);
bool Exista(const QString& tabel, int id);
// Deletes the rows all together; their values and links go with them (cascade). Students linked
// to a deleted row of another table are linked again to a remaining one.
void Sterge(const QString& tabel, const std::vector<int>& iduri);

// The stored text of a row's field, when its first value row holds one.
std::optional<QString> Valoare(const QString& tabel, int id, const CheieCamp& cheie);
// Writes the text into the row's value rows, adding the row when missing. The rewritten rows get
// VALOARE_NUM 0 and lose any owner column of another entity table.
void ScrieValoare(const QString& tabel, int id, const CheieCamp& cheie, const QString& text);
// The different non-empty texts stored for a field, for any owner.
QStringList ValoriFolosite(const CheieCamp& cheie);

// The import's writes of a student's fields: which keys have a value row ("F.P.C") and their
// texts, adding an empty row, and rewriting only the text of an existing row.
QString TextCheie(const CheieCamp& cheie);
QSet<QString> CheiStocate(int idElev);
QHash<QString, QString> TexteStocate(int idElev);
void AdaugaRandGol(int idElev, const CheieCamp& cheie);
void RescrieTextul(int idElev, const CheieCamp& cheie, const QString& text);

} // namespace StocElevi
