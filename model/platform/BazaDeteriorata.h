#pragma once

#include <QString>

namespace Firebird {
class IStatus;
}

// A consistency check of the engine (a bugcheck) or a damaged page: the database file is damaged.
// After a bugcheck the embedded engine of this process refuses all further work, so what remains
// to be done (restoring a backup) runs in a new process.

// Whether an engine failure seen by this process said the database is damaged.
bool BazaGasitaDeteriorata();

// Notes a failure of the engine; true when it says the database is damaged.
bool NoteazaDeteriorarea(const Firebird::IStatus* status);

// What the user is told about a damaged database, without the engine's own words.
QString MesajBazaDeteriorata();
