#pragma once

#include <QString>

class FbConexiune;

// The client library's version ("3.0").
QString VersiuneClientFirebird();
// The version of the engine that holds the connection's database, as it names itself
// ("LI-V3.0.11.33703 Firebird 3.0"); empty when not connected.
QString VersiuneMotorFirebird(const FbConexiune& conexiune);
