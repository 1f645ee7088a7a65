#pragma once

#include <functional>

// SIGTERM and SIGINT (a logout, a system shutdown, Ctrl+C) end the program in order. The
// handler only writes a byte to a pipe; the given action then runs on the user-interface thread.
// The Firebird client library puts its own handlers in place at its first connection, which
// would close the database under the program's feet: Reinstaleaza takes the signals back.
namespace SemnaleOprire {
void Instaleaza(std::function<void()> laSemnal);
void Reinstaleaza();
// Whether a signal has arrived (also before the action could run).
bool Primit();
} // namespace SemnaleOprire
