#pragma once

#include "platform/FirebirdServicii.h"

#include <QDate>
#include <QDateTime>
#include <QString>

class TDM;

// Backups of the working database with Firebird's own backup, and putting one back in its place
// without ever overwriting the database in use.
namespace SalvareBaza {

// "Vardolin-AAAA-LL-ZZ.fbk".
QString NumeImplicit(const QDate& zi);

// Whether the database's files are reachable from this computer: a local file, or a server
// running here. Only then can a backup go to a file the user picks and a restore swap files.
bool FisiereleSuntPeAcestCalculator(const QString& baza);

// Where a backup goes without asking: for a server on another computer, beside the database on
// the server.
QString FisierPeServer(const QString& baza, const QDate& zi);

// The database of the data module and the account it is opened with.
FbServicii::Acces Accesul(TDM& dm);

// Opens a restored file on its own and returns its student count once it proves a database of
// this program (schema version and certificate profile); else throws why not.
int EleviInBazaRestaurata(const FbServicii::Acces& acces, const QString& bazaRestaurata);

void Salveaza(TDM& dm, const QString& fisierSalvare, const FbServicii::Progres& progres);

struct Restaurare {
    QString fisierSalvare;
    QString bazaNoua; // the restored file, beside the database in use
    QDateTime dataSalvarii;
    int elevi = 0;
};

// Restores the backup into a new file beside the database in use and checks that it is a
// database of this program (schema version and certificate profile); the database in use is not
// touched. Refused, with the reason, where it cannot be done safely.
Restaurare Pregateste(TDM& dm, const QString& fisierSalvare, const FbServicii::Progres& progres);

// Puts the restored file in place of the database in use and reopens it; the replaced file is kept
// beside it as ...-inainte-de-restaurare-<data>.FDB, whose path is returned. On failure the old
// file is put back and reopened.
QString Inlocuieste(TDM& dm, const Restaurare& restaurare);

// Checks every page of the database in use (online, others may keep working) and says the result
// in words: no errors, or what is damaged and that restoring the last backup is the remedy.
struct RezultatVerificare {
    bool faraErori = true;
    QString text;
};
RezultatVerificare VerificaBaza(const FbServicii::Acces& acces, const FbServicii::Progres& progres);

// A damaged database: this process's engine may refuse all work after its consistency check, so
// the restore and its check run in a new process of the program (its binary with this switch).
inline constexpr char OptiuneRestaurare[] = "--restaureaza-in-fisier-nou";
Restaurare PregatesteInAltProces(const FbServicii::Acces& acces, const QString& fisierSalvare,
                                 const FbServicii::Progres& progres);
// The new process's side: arguments backup and new file, the account on standard input (two
// lines); the engine's lines on standard output, the last "ELEVI <n>"; the error on standard error.
int RestaureazaCaProcesCopil(const QStringList& argumente);

// Puts the restored file in place of the database by renaming files only (the engine is not
// used); the replaced file is kept as in Inlocuieste, whose path is returned.
QString InlocuiesteFisierul(const QString& baza, const Restaurare& restaurare);

// Removes a restored file that will not be used.
void Abandoneaza(const Restaurare& restaurare);

} // namespace SalvareBaza
