#pragma once

#include "platform/FirebirdServicii.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

// Backups made without asking: on the first start of each day and before every restore, into a
// folder of their own, each checked by a test restore, the old ones removed by the keeping rule,
// and copied to a second folder when that is reachable.
namespace SalvariAutomate {

struct Setari {
    bool activ = true;
    QString dosar;      // empty: "Salvari" in the data folder
    QString dosarCopie; // empty: no second copy
    int zilnice = 14;   // days whose backups are all kept
    int lunare = 12;    // months whose first backup is kept
    QDate ultimaSalvare;
    QDateTime ultimaCopie;
    QDate copieLipsaAnuntata; // the last day the unreachable copy folder was reported
    QString dosarPeServer;    // from the connection settings; empty: the database's own folder
};

Setari Citeste();
void Scrie(const Setari& setari);
// The folder the backups go to.
QString Dosar(const Setari& setari);

// For a database on a server: the folder the server writes the backups into, as the server names
// it; empty when it cannot be known (a database named by an alias and no folder set).
QString DosarPeServer(const Setari& setari, const QString& baza);

// The first start of a day owes a backup; a later start of the same day does not.
bool EsteDatorata(const Setari& setari, const QDate& azi);

// A checked backup, found by its name: Vardolin-AAAA-LL-ZZ-hhmmss-<elevi>-elevi.fbk.
struct Salvare {
    QString fisier;
    QDateTime moment;
    int elevi = 0;
};
// When a backup was made: the moment in the program's own name, else the file's modification time
// (kept on the copies in the second folder).
QDateTime Momentul(const QString& fisier);

// The checked backups of a folder, newest first; half-written and failed ones are not listed.
QList<Salvare> Lista(const QString& dosar);

// The checked backups of a database on a server, newest first, as this computer recorded them
// (the program cannot list a folder of another computer). On the server the backups have fixed
// names, one per day of the kept days and one per kept month, each overwritten in its turn, so
// the server keeps as many as the keeping rule without deleting any file.
QList<Salvare> ListaPeServer(const QString& baza);

// The checked backups of the database, newest first: those in the folder, or on a server those
// recorded.
QList<Salvare> Salvarile(const Setari& setari, const QString& baza);

// The moments the keeping rule removes: every backup of the `zilnice` most recent days that have
// one is kept, and the first backup of each of the `lunare` most recent months.
QList<QDateTime> DeSters(QList<QDateTime> momente, int zilnice, int lunare);

// For a database on a server the backup is written by the server into DosarPeServer under the
// name of its day or month, checked there by a test restore, and recorded; else:
// writes a backup into the folder under a temporary name, checks it by a test restore, and only
// then gives it its name; a backup failing the check is kept renamed as failed and the error says
// so. The old ones are removed by the keeping rule. Runs on any thread.
Salvare Fa(const FbServicii::Acces& acces, const Setari& setari, const QDateTime& moment,
           const FbServicii::Progres& progres = {});

// Fa's two steps: the backup written under its temporary name (returned), then checked and named.
QString ScrieNeverificata(const FbServicii::Acces& acces, const Setari& setari, const QDateTime& moment,
                          const FbServicii::Progres& progres = {});
Salvare Verifica(const FbServicii::Acces& acces, const Setari& setari, const QDateTime& moment);

// Copies to the second folder the backups it lacks, each with its modification time, and removes
// there the ones removed here; false when the folder cannot be reached now, with the reason in
// `motiv`.
bool Copiaza(const Setari& setari, QString* motiv = nullptr);

// Refuses a second folder that is a file (a folder missing now is allowed: a stick not plugged in).
void VerificaDosarulCopiei(const QString& dosarCopie);

// The text to show once today when the second folder has not been reached for 7 days; empty
// when there is nothing to say.
QString AvertismentCopie(const Setari& setari, const QDate& azi);

} // namespace SalvariAutomate
