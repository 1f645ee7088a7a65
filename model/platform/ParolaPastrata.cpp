#include "platform/ParolaPastrata.h"

#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <qt6keychain/keychain.h>

namespace ParolaPastrata {

namespace {
const QString serviciu = QStringLiteral("Vardolin");
std::atomic<bool> nuRaspunde{false};
std::atomic<std::chrono::milliseconds::rep> limita{60000};

// Runs the job to its end; true when it succeeded. The event loop runs meanwhile (the keyring
// may be asking for its own password); a job still waiting at the limit is left to delete
// itself if its answer ever comes.
bool ruleaza(QKeychain::Job* job) {
    if (nuRaspunde) {
        delete job;
        return false;
    }
    // The settings file already holds what a keyring-less system keeps: no plain-text copy here.
    job->setInsecureFallback(false);
    job->setAutoDelete(false);
    QEventLoop bucla;
    bool terminat = false;
    QObject::connect(job, &QKeychain::Job::finished, &bucla, [&] {
        terminat = true;
        bucla.quit();
    });
    QTimer::singleShot(Limita(), &bucla, &QEventLoop::quit);
    job->start();
    if (!terminat) bucla.exec(QEventLoop::ExcludeUserInputEvents);
    if (!terminat) {
        nuRaspunde = true;
        job->setAutoDelete(true);
        return false;
    }
    const bool reusit = job->error() == QKeychain::NoError;
    delete job;
    return reusit;
}

bool dezactivat() {
    // A system without a session (a service, a remote shell) has no keyring to ask.
    return qEnvironmentVariableIsSet("VARDOLIN_FARA_KEYRING");
}
} // namespace

std::optional<QString> Citeste(const QString& cheie) {
    if (dezactivat()) return std::nullopt;
    auto* job = new QKeychain::ReadPasswordJob(serviciu);
    job->setKey(cheie);
    // Read before ruleaza deletes the job; never after this function, when the answer comes late.
    std::optional<QString> parola;
    const QObject aici;
    QObject::connect(job, &QKeychain::Job::finished, &aici, [&parola, job] {
        if (job->error() == QKeychain::NoError) parola = job->textData();
    });
    ruleaza(job);
    return parola;
}

bool Scrie(const QString& cheie, const QString& parola) {
    if (dezactivat()) return false;
    auto* job = new QKeychain::WritePasswordJob(serviciu);
    job->setKey(cheie);
    job->setTextData(parola);
    return ruleaza(job);
}

void Sterge(const QString& cheie) {
    if (dezactivat()) return;
    auto* job = new QKeychain::DeletePasswordJob(serviciu);
    job->setKey(cheie);
    ruleaza(job);
}

bool NuRaspunde() {
    return nuRaspunde;
}

std::chrono::milliseconds Limita() {
    return std::chrono::milliseconds(limita.load());
}

void SeteazaLimita(std::chrono::milliseconds l) {
    limita = l.count();
}

} // namespace ParolaPastrata
