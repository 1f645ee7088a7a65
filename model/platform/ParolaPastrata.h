#pragma once

#include <QString>
#include <chrono>
#include <optional>

// The database password in the system's keyring (Secret Service, KWallet; the Windows
// credentials), when one answers. Every call waits for the keyring's answer, at most Limita();
// a keyring that lets that pass is not asked again during this run.
namespace ParolaPastrata {

// The stored password; none when the keyring does not answer or holds none for this name.
std::optional<QString> Citeste(const QString& cheie);
// False when no keyring took it (the caller keeps it elsewhere).
bool Scrie(const QString& cheie, const QString& parola);
void Sterge(const QString& cheie);

// Whether a call of this run waited for the keyring past the limit.
bool NuRaspunde();
// How long a call waits: long enough to type the keyring's own password when it asks for it.
std::chrono::milliseconds Limita();
void SeteazaLimita(std::chrono::milliseconds limita);

} // namespace ParolaPastrata
