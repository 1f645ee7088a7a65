#pragma once

#include <QString>
#include <optional>

// The database password in the system's keyring (Secret Service, KWallet; the Windows
// credentials), when one answers. Every call waits for the keyring's answer.
namespace ParolaPastrata {

// The stored password; none when the keyring does not answer or holds none for this name.
std::optional<QString> Citeste(const QString& cheie);
// False when no keyring took it (the caller keeps it elsewhere).
bool Scrie(const QString& cheie, const QString& parola);
void Sterge(const QString& cheie);

} // namespace ParolaPastrata
