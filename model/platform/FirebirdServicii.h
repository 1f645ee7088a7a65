#pragma once

#include <QString>
#include <functional>

// Firebird's own backup and restore, through the services API of the client library: the
// embedded engine for a local file, the server's service manager for a server database.
namespace FbServicii {

struct Acces {
    QString baza; // the database as the program names it (file or server name)
    QString utilizator;
    QString parola;
};

// Each line the engine reports while it works.
using Progres = std::function<void(const QString&)>;

// Writes a backup of the database to the file (a path as the engine that does the work sees it:
// on a server, a path on the server).
void Salveaza(const Acces& acces, const QString& fisierSalvare, const Progres& progres);

// Restores a backup into a new database file, which must not exist (never replaced).
void Restaureaza(const Acces& acces, const QString& fisierSalvare, const QString& bazaNoua,
                 const Progres& progres);

// Checks every page of the database while it stays in use (the engine's online validation); the
// engine's report comes line by line.
void Valideaza(const Acces& acces, const Progres& progres);

} // namespace FbServicii
