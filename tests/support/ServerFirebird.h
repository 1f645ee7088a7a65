#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>

// A private Firebird server for the tests, unattended and without systemd: its own folder with
// firebird.conf (a free port on 127.0.0.1), its own security database with SYSDBA made through
// the embedded engine before the server starts, started in the background and stopped by its
// pid. Only this server is used; a system server, if any, is left alone.
class ServerFirebird {
public:
    ServerFirebird();
    ~ServerFirebird();
    ServerFirebird(const ServerFirebird&) = delete;
    ServerFirebird& operator=(const ServerFirebird&) = delete;

    static constexpr const char* utilizator = "SYSDBA";
    static constexpr const char* parola = "parolaDeTest";

    bool pornit() const { return pid_ > 0; }
    // Why the server could not start.
    const QString& eroare() const { return eroare_; }
    int port() const { return port_; }
    // A file of the server's folder, as the server names it: 127.0.0.1/port:/path.
    QString nume(const QString& numeFisier) const;
    QString cale(const QString& numeFisier) const { return dir_.filePath(numeFisier); }
    // A copy of the built template in the server's folder, at schema version 1.
    QString copieSablon(const QString& numeFisier) const;

    void opreste();

private:
    void porneste();

    QTemporaryDir dir_;
    std::unique_ptr<QProcess> proces_;
    qint64 pid_ = 0;
    int port_ = 0;
    QString eroare_;
};

// A child program of a test with a server: its own settings, the data module started as the
// program starts it, then the work; the exit code 1 with the message on stderr when it fails.
int RuleazaCopilCuBaza(const std::function<void()>& lucru);
