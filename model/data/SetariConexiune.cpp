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
const char* const variabile[] = {"VARDOLIN_DATABASE", "VARDOLIN_DB_USER", "VARDOLIN_DB_PASSWORD"};
} // namespace

SetariConexiune CitesteSetariConexiune() {
    const auto stoc = StocSetari::deschide(cheieBaza);
    SetariConexiune s;
    s.baza = stoc->value(QStringLiteral("BazaDeDate")).toString();
    s.utilizator = stoc->value(QStringLiteral("Utilizator"), s.utilizator).toString();
    if (stoc->value(QStringLiteral("ParolaInKeyring"), false).toBool()) {
        if (const auto parola = ParolaPastrata::Citeste(cheieParola)) s.parola = *parola;
    } else {
        s.parola = stoc->value(QStringLiteral("Parola"), s.parola).toString();
    }
    return s;
}

void ScrieSetariConexiune(const SetariConexiune& setari) {
    const auto stoc = StocSetari::deschide(cheieBaza);
    stoc->setValue(QStringLiteral("BazaDeDate"), setari.baza.trimmed());
    stoc->setValue(QStringLiteral("Utilizator"), setari.utilizator.trimmed());
    // In the keyring when one takes it; else in the settings file, which only its owner reads.
    const bool inKeyring = ParolaPastrata::Scrie(cheieParola, setari.parola);
    stoc->setValue(QStringLiteral("ParolaInKeyring"), inKeyring);
    if (inKeyring)
        stoc->remove(QStringLiteral("Parola"));
    else
        stoc->setValue(QStringLiteral("Parola"), setari.parola);
    stoc->sync();
    if (stoc->status() != QSettings::NoError)
        throw Eroare(QStringLiteral("Nu pot salva setarile bazei de date in %1").arg(StocSetari::fisier()));
}

SetariConexiune SetariConexiuneEfective() {
    SetariConexiune s = CitesteSetariConexiune();
    QString* campuri[] = {&s.baza, &s.utilizator, &s.parola};
    for (int i = 0; i < 3; ++i)
        if (!qEnvironmentVariableIsEmpty(variabile[i])) *campuri[i] = qEnvironmentVariable(variabile[i]);
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
