#pragma once

#include <QString>
#include <QStringList>

// How the program reaches its database: the stored settings (the key ...\2006\Baza of the
// settings store) and the environment variables that take precedence over them.
struct SetariConexiune {
    QString baza; // empty: the default file next to the program; else a file or a server name
    QString utilizator = QStringLiteral("sysdba");
    QString parola = QStringLiteral("plumbarte");
    // For a database on a server: the folder on the server the backups go to, as the server names
    // it; empty: the database's own folder.
    QString dosarSalvari;
};

// What the settings store holds, without the environment.
SetariConexiune CitesteSetariConexiune();
void ScrieSetariConexiune(const SetariConexiune& setari);
// Only the backup folder on the server, without asking the keyring.
QString DosarSalvariPeServer();
// What the program uses: the stored settings with the environment variables over them. Fails,
// saying so, when the keyring keeping the password did not answer.
SetariConexiune SetariConexiuneEfective();
// The environment variables that are set and hide a stored value.
QStringList VariabileConexiuneDinMediu();

// Opens and closes a connection with these settings; fails with the explained message. A local
// file that does not exist yet is not an error: the template is copied there at start.
void IncearcaConexiunea(const SetariConexiune& setari);

class FbConexiune;
// Connects; a failure carries an explanation a secretary can act on.
void ConecteazaExplicat(FbConexiune& db);
