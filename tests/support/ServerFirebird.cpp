#include "ServerFirebird.h"

#include "BazaTest.h"
#include "MediuTest.h"
#include "data/UDm.h"
#include "platform/Eroare.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <cstdio>

#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QString dosarPachet = QStringLiteral("/usr/lib/x86_64-linux-gnu/firebird/3.0");

int portLiber() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t l = sizeof a;
    int port = 0;
    if (::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &l) == 0)
        port = ntohs(a.sin_port);
    ::close(s);
    return port;
}

bool raspunde(int port) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(quint16(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = ::connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    ::close(s);
    return ok;
}

bool scrie(const QString& cale, const QByteArray& continut) {
    QFile f(cale);
    return f.open(QIODevice::WriteOnly) && f.write(continut) == continut.size();
}

} // namespace

ServerFirebird::ServerFirebird() {
    porneste();
}

ServerFirebird::~ServerFirebird() {
    opreste();
}

QString ServerFirebird::nume(const QString& numeFisier) const {
    return QStringLiteral("127.0.0.1/%1:%2").arg(port_).arg(cale(numeFisier));
}

QString ServerFirebird::copieSablon(const QString& numeFisier) const {
    QFile::remove(cale(numeFisier));
    QFile::copy(QDir(MediuTest::dosarProgram()).filePath(QStringLiteral("BLANK.FDB")), cale(numeFisier));
    QFile::setPermissions(cale(numeFisier), QFile::ReadOwner | QFile::WriteOwner);
    return nume(numeFisier);
}

void ServerFirebird::porneste() {
    const QString server = QStandardPaths::findExecutable(
        QStringLiteral("firebird"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
    const QString isql = QStandardPaths::findExecutable(QStringLiteral("isql-fb"));
    if (server.isEmpty() || isql.isEmpty()) {
        eroare_ = QStringLiteral("firebird3.0-server (/usr/sbin/firebird) sau isql-fb lipseste");
        return;
    }
    port_ = portLiber();
    const QDir d(dir_.path());
    d.mkpath(QStringLiteral("lock"));
    for (const char* legatura : {"plugins.conf", "firebird.msg", "intl", "plugins"})
        QFile::link(QDir(dosarPachet).filePath(QLatin1String(legatura)), d.filePath(QLatin1String(legatura)));
    const QString securitate = d.filePath(QStringLiteral("security3.fdb"));
    scrie(d.filePath(QStringLiteral("firebird.conf")),
          QStringLiteral("RemoteServicePort = %1\nRemoteBindAddress = 127.0.0.1\nSecurityDatabase = %2\n")
              .arg(port_)
              .arg(securitate)
              .toUtf8());
    scrie(d.filePath(QStringLiteral("databases.conf")), {});

    QProcessEnvironment mediu = QProcessEnvironment::systemEnvironment();
    mediu.insert(QStringLiteral("FIREBIRD"), d.path());
    mediu.insert(QStringLiteral("FIREBIRD_LOCK"), d.filePath(QStringLiteral("lock")));

    QProcess securitateSql;
    securitateSql.setProcessEnvironment(mediu);
    securitateSql.start(isql, {QStringLiteral("-q"), QStringLiteral("-user"), QStringLiteral("SYSDBA")});
    securitateSql.write(QStringLiteral("create database '%1'; create user %2 password '%3'; commit; quit;\n")
                            .arg(securitate, QLatin1String(utilizator), QLatin1String(parola))
                            .toUtf8());
    securitateSql.closeWriteChannel();
    if (!securitateSql.waitForFinished(30000) || securitateSql.exitCode() != 0) {
        eroare_ = QStringLiteral("Baza de securitate nu a putut fi creata: ") +
                  QString::fromLocal8Bit(securitateSql.readAllStandardError());
        return;
    }

    proces_ = std::make_unique<QProcess>();
    proces_->setProcessEnvironment(mediu);
    proces_->setWorkingDirectory(d.path());
    proces_->setStandardOutputFile(d.filePath(QStringLiteral("server.log")));
    proces_->setStandardErrorFile(d.filePath(QStringLiteral("server.log")), QIODevice::Append);
    // A test program that dies does not leave its server behind.
    proces_->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    proces_->start(server, {});
    if (!proces_->waitForStarted(10000)) {
        eroare_ = QStringLiteral("Serverul nu porneste: ") + proces_->errorString();
        return;
    }
    pid_ = proces_->processId();
    for (int i = 0; i < 200 && !raspunde(port_); ++i)
        QThread::msleep(25);
    if (!raspunde(port_)) {
        eroare_ = QStringLiteral("Serverul nu asculta pe portul %1").arg(port_);
        opreste();
    }
}

void ServerFirebird::opreste() {
    if (pid_ <= 0) return;
    // The server started on its own does not always end on SIGTERM; its databases are
    // throw-away, so it is killed when it does not go at once.
    ::kill(pid_t(pid_), SIGTERM);
    if (!proces_->waitForFinished(300)) {
        ::kill(pid_t(pid_), SIGKILL);
        proces_->waitForFinished(5000);
    }
    pid_ = 0;
}

int RuleazaCopilCuBaza(const std::function<void()>& lucru) {
    MediuTest mediu;
    AsiguraProfilulInregistrat();
    TDM::seteazaEcranePornire(nullptr);
    TDM dm;
    try {
        dm.DataModuleCreate();
        lucru();
    } catch (const Eroare& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return 1;
    }
    return 0;
}
