#pragma once

#include <QString>

// What a database name given to the Firebird client means: a plain local file, opened by the
// embedded engine, or a database reached through a server in one of Firebird's connection-string
// forms (host:path, host/port:path, [ipv6]:path, inet://, inet4://, inet6://, xnet://, wnet://,
// \\host\path).
bool EsteBazaPeServer(const QString& numeBaza);

// The server part of a server name ("127.0.0.1/3051" of "127.0.0.1/3051:/srv/x.fdb"); empty for
// a local file and for forms without a host (xnet://).
QString ServerulBazei(const QString& numeBaza);

// The path of the database file as the server (or the local engine) sees it.
QString CaleaPeServer(const QString& numeBaza);

// Where the data is, for the user: "fisierul ..." or "serverul ..., baza ...".
QString DescriereLocatieBaza(const QString& numeBaza);

// A connection failure explained so that a secretary can act on it; the engine's own text
// follows the explanation.
QString ExplicaEseculConectarii(const QString& numeBaza, const QString& textulMotorului);
