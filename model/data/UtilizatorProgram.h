#pragma once

#include <QString>

// The program's own Firebird user on a server, so that no computer connects as SYSDBA.
namespace UtilizatorProgram {

// A user name the server takes as it is: a letter, then letters, digits or "_", at most 31.
bool NumeValid(const QString& nume);

// Creates the user (or gives it the new password) with SYSDBA's password, used for this only and
// never stored, and gives it the rights on this database: everything on each of its tables,
// generators and procedures, and the right to create and change tables, generators and
// procedures so that the program, connected as it, upgrades the structure itself and owns the
// tables a later version adds. It gets no right to drop the database, and no right on any other
// database of the server.
void Creeaza(const QString& baza, const QString& parolaSysdba, const QString& utilizator,
             const QString& parola);

} // namespace UtilizatorProgram
