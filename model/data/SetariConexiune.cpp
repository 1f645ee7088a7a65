#include "data/SetariConexiune.h"

#include "platform/Eroare.h"
#include "platform/Firebird.h"
#include "platform/ParolaPastrata.h"
#include "platform/SirConexiune.h"
#include "platform/StocSetari.h"

#include <QFileInfo>

namespace {
const QString cheieBaza = QStringLiteral("Software\\Orvanta\\Kalvor\\2006\\Baza");
const QString cheieParola = QStringLiteral("ParolaBazaDeDate");
const QString cheieDosarSalvari = QStringLiteral("DosarSalvariPeServer");
const char* const variabile[] = {"VARDOLIN_DATABASE", "VARDOLIN_DB_USER", "VARDOLIN_DB_PASSWORD"};

// The stored settings; `parolaNeprimita`, when given, tells that the keyring keeping the password
// did not give it (it did not answer, is locked or lost it).
SetariConexiune citeste(bool* parolaNeprimita) {
    const auto stoc = StocSetari::deschide(cheieBaza);
    SetariConexiune s;
    s.baza = stoc->value(QStringLiteral("BazaDeDate")).toString();
    s.utilizator = stoc->value(QStringLiteral("Utilizator"), s.utilizator).toString();
    s.dosarSalvari = stoc->value(cheieDosarSalvari).toString();
    if (stoc->value(QStringLiteral("ParolaInKeyring"), false).toBool()) {
        // Never the default password in its place: a server would only answer "wrong password".
        if (const auto parola = ParolaPastrata::Citeste(cheieParola)) {
            s.parola = *parola;
        } else {
            s.parola.clear();
            if (parolaNeprimita) *parolaNeprimita = true;
        }
    } else {
        s.parola = stoc->value(QStringLiteral("Parola"), s.parola).toString();
    }
    return s;
}
// Why the password kept in the keyring is not at hand, and what to do.
Eroare parolaNedataDeKeyring() {
    if (ParolaPastrata::NuRaspunde())
        return Eroare(
            QStringLiteral("Keyring-ul sistemului, unde este pastrata parola bazei de date, nu a "
                           "raspuns in %1 de secunde. Scrieti parola in setarile de conectare care "
                           "urmeaza; ea va fi pastrata in fisierul de setari, pe care il poate citi "
                           "doar contul dumneavoastra.")
                .arg(ParolaPastrata::Limita().count() / 1000));
    return Eroare(
        QStringLiteral("Keyring-ul sistemului nu a dat parola bazei de date: este blocat, nu ruleaza "
                       "in aceasta sesiune sau parola nu mai este in el. Scrieti parola in setarile "
                       "de conectare care urmeaza; ea va fi pastrata in keyring, daca acesta o "
                       "primeste, altfel in fisierul de setari, pe care il poate citi doar contul "
                       "dumneavoastra."));
}
} // namespace

SetariConexiune CitesteSetariConexiune() {
    return citeste(nullptr);
}

void ScrieSetariConexiune(const SetariConexiune& setari) {
    const auto stoc = StocSetari::deschide(cheieBaza);
    stoc->setValue(QStringLiteral("BazaDeDate"), setari.baza.trimmed());
    stoc->setValue(QStringLiteral("Utilizator"), setari.utilizator.trimmed());
    stoc->setValue(cheieDosarSalvari, setari.dosarSalvari.trimmed());
    // In the keyring when one takes it; else in the settings file, which only its owner reads. No
    // password is no secret: the file says so and the keyring keeps no old one.
    const bool faraParola = setari.parola.isEmpty();
    if (faraParola) ParolaPastrata::Sterge(cheieParola);
    const bool inKeyring = !faraParola && ParolaPastrata::Scrie(cheieParola, setari.parola);
    stoc->setValue(QStringLiteral("ParolaInKeyring"), inKeyring);
    if (inKeyring)
        stoc->remove(QStringLiteral("Parola"));
    else
        stoc->setValue(QStringLiteral("Parola"), setari.parola);
    stoc->sync();
    if (stoc->status() != QSettings::NoError)
        throw Eroare(QStringLiteral("Nu pot salva setarile bazei de date in %1").arg(StocSetari::fisier()));
}

QString DosarSalvariPeServer() {
    return StocSetari::deschide(cheieBaza)->value(cheieDosarSalvari).toString();
}

SetariConexiune SetariConexiuneEfective() {
    bool parolaNeprimita = false;
    SetariConexiune s = citeste(&parolaNeprimita);
    QString* campuri[] = {&s.baza, &s.utilizator, &s.parola};
    for (int i = 0; i < 3; ++i)
        if (!qEnvironmentVariableIsEmpty(variabile[i])) *campuri[i] = qEnvironmentVariable(variabile[i]);
    // The password is asked for rather than guessed when the keyring keeping it did not give it.
    if (parolaNeprimita && qEnvironmentVariableIsEmpty(variabile[2])) throw parolaNedataDeKeyring();
    return s;
}

QStringList VariabileConexiuneDinMediu() {
    QStringList r;
    for (const char* v : variabile)
        if (!qEnvironmentVariableIsEmpty(v)) r << QString::fromLatin1(v);
    return r;
}

void IncearcaConexiunea(const SetariConexiune& setari) {
    if (setari.baza.trimmed().isEmpty()) return; // the default file, made from the template at start
    if (!EsteBazaPeServer(setari.baza) && !QFileInfo::exists(setari.baza)) return;
    FbConexiune proba;
    proba.seteazaNumeBazaDeDate(setari.baza.trimmed());
    proba.parametri() << QStringLiteral("USER_NAME=") + setari.utilizator.trimmed()
                      << QStringLiteral("password=") + setari.parola;
    ConecteazaExplicat(proba);
    proba.deconecteaza();
}

void ConecteazaExplicat(FbConexiune& db) {
    try {
        db.conecteaza();
    } catch (const Eroare& e) {
        // The engine's text follows the client layer's first line; a database in use is already
        // explained there.
        if (!e.text().startsWith(QStringLiteral("Nu ma pot conecta"))) throw;
        throw Eroare(ExplicaEseculConectarii(db.numeBazaDeDate(), e.text().section(u'\n', 2)));
    }
}
