#include "platform/ParolaPastrata.h"

#include <QEventLoop>
#include <qt6keychain/keychain.h>

namespace ParolaPastrata {

namespace {
const QString serviciu = QStringLiteral("Vardolin");

// Runs the job to its end; true when it succeeded.
bool ruleaza(QKeychain::Job& job) {
    // The settings file already holds what a keyring-less system keeps: no plain-text copy here.
    job.setInsecureFallback(false);
    job.setAutoDelete(false);
    QEventLoop bucla;
    QObject::connect(&job, &QKeychain::Job::finished, &bucla, &QEventLoop::quit);
    job.start();
    bucla.exec(QEventLoop::ExcludeUserInputEvents);
    return job.error() == QKeychain::NoError;
}

bool dezactivat() {
    // A system without a session (a service, a remote shell) has no keyring to ask.
    return qEnvironmentVariableIsSet("VARDOLIN_FARA_KEYRING");
}
} // namespace

std::optional<QString> Citeste(const QString& cheie) {
    if (dezactivat()) return std::nullopt;
    QKeychain::ReadPasswordJob job(serviciu);
    job.setKey(cheie);
    if (!ruleaza(job)) return std::nullopt;
    return job.textData();
}

bool Scrie(const QString& cheie, const QString& parola) {
    if (dezactivat()) return false;
    QKeychain::WritePasswordJob job(serviciu);
    job.setKey(cheie);
    job.setTextData(parola);
    return ruleaza(job);
}

void Sterge(const QString& cheie) {
    if (dezactivat()) return;
    QKeychain::DeletePasswordJob job(serviciu);
    job.setKey(cheie);
    ruleaza(job);
}

} // namespace ParolaPastrata
