#pragma once

#include "data/UProfilDiploma.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

// The schema version that brings the import journal.
constexpr int VersiuneSchemaJurnal = 5;

// The statements that add the import journal (schema version 5), run together in the upgrade's
// one transaction.
QStringList instructiuniSchemaJurnal();

// The states of a journal entry. An import killed while it wrote stays "in curs".
namespace StarePreluare {
inline const QString InCurs = QStringLiteral("in curs");
inline const QString Incheiata = QStringLiteral("incheiata");
inline const QString Oprita = QStringLiteral("oprita");
inline const QString Intrerupta = QStringLiteral("intrerupta");
inline const QString Anulata = QStringLiteral("anulata");
} // namespace StarePreluare

// A student's non-empty texts (key "F.P.C" -> text) reduced to one short text: equal texts give
// equal prints, and any edit of a value changes it.
QString AmprentaTextelor(const QHash<QString, QString>& texte);

// One import's entry in the journal: the students it created and, for each value it changed on a
// student stored before, the old text (none when the value row did not exist). Every write joins
// the transaction the caller holds, so the entry commits with the rows it describes.
class TJurnalPreluare {
public:
    // Opens the entry "in curs", in a transaction of its own unless the caller holds one.
    TJurnalPreluare(const QString& fisier, const QString& foaie, int randuri);

    int Id() const { return id_; }
    // A student made by this import, with the print of the texts it wrote (again when a later row of
    // the same sheet rewrites it).
    void ElevCreat(int idElev, const QString& amprenta);
    // A value of a student stored before; a second change of the same value keeps the first old text.
    void ValoareSchimbata(int idElev, const CheieCamp& cheie, const std::optional<QString>& veche,
                          const QString& noua);
    // The counts so far and the state; fails when the entry was undone meanwhile (from another
    // computer), so the group being written is not committed.
    void Numara(int adaugati, int actualizati, const QString& stare);

private:
    int id_ = 0;
};
