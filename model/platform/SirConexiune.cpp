#include "platform/SirConexiune.h"

#include <QDir>
#include <QRegularExpression>

namespace {

// Protocol prefixes of the URL-like forms; what follows them is [host[:port]/]path.
const QRegularExpression& protocol() {
    static const QRegularExpression r(QStringLiteral("^(inet|inet4|inet6|xnet|wnet)://"),
                                      QRegularExpression::CaseInsensitiveOption);
    return r;
}

// host:path and host/port:path; a host has at least two characters, so C:\x stays local.
const QRegularExpression& gazdaSiCale() {
    static const QRegularExpression r(
        QStringLiteral("^(\\[[^\\]]+\\]|[^:/\\\\\\[]{2,})(/[^:/\\\\]+)?:(.*)$"));
    return r;
}

bool esteUnc(const QString& nume) {
    return nume.startsWith(QStringLiteral("\\\\")) || nume.startsWith(QStringLiteral("//"));
}

} // namespace

bool EsteBazaPeServer(const QString& numeBaza) {
    const QString nume = numeBaza.trimmed();
    return protocol().match(nume).hasMatch() || esteUnc(nume) || gazdaSiCale().match(nume).hasMatch();
}

QString ServerulBazei(const QString& numeBaza) {
    const QString nume = numeBaza.trimmed();
    const auto p = protocol().match(nume);
    if (p.hasMatch()) {
        if (p.captured(1).compare(QStringLiteral("xnet"), Qt::CaseInsensitive) == 0) return {};
        const QString rest = nume.mid(p.capturedLength());
        const qsizetype bara = rest.indexOf(u'/');
        return bara < 0 ? QString() : rest.left(bara);
    }
    if (esteUnc(nume)) return nume.mid(2).section(QRegularExpression(QStringLiteral("[\\\\/]")), 0, 0);
    const auto g = gazdaSiCale().match(nume);
    return g.hasMatch() ? g.captured(1) + g.captured(2) : QString();
}

QString CaleaPeServer(const QString& numeBaza) {
    const QString nume = numeBaza.trimmed();
    const auto p = protocol().match(nume);
    if (p.hasMatch()) {
        const QString rest = nume.mid(p.capturedLength());
        if (p.captured(1).compare(QStringLiteral("xnet"), Qt::CaseInsensitive) == 0) return rest;
        const qsizetype bara = rest.indexOf(u'/');
        return bara < 0 ? rest : rest.mid(bara + 1);
    }
    if (esteUnc(nume)) {
        const qsizetype separator = nume.indexOf(QRegularExpression(QStringLiteral("[\\\\/]")), 2);
        return separator < 0 ? QString() : nume.mid(separator + 1);
    }
    const auto g = gazdaSiCale().match(nume);
    return g.hasMatch() ? g.captured(3) : nume;
}

QString DescriereLocatieBaza(const QString& numeBaza) {
    if (!EsteBazaPeServer(numeBaza)) return QStringLiteral("fisierul ") + QDir::toNativeSeparators(numeBaza);
    const QString server = ServerulBazei(numeBaza);
    return (server.isEmpty() ? QStringLiteral("serverul local") : QStringLiteral("serverul ") + server) +
           QStringLiteral(", baza ") + CaleaPeServer(numeBaza);
}

QString ExplicaEseculConectarii(const QString& numeBaza, const QString& textulMotorului) {
    const auto are = [&](const char* text) {
        return textulMotorului.contains(QLatin1String(text), Qt::CaseInsensitive);
    };
    QString explicatie;
    if (are("user name and password are not defined") || are("login"))
        explicatie = QStringLiteral("Numele de utilizator sau parola pentru baza de date %1 sunt gresite. "
                                    "Verificati-le in Configurare > Baza de date...");
    else if (are("network request") || are("connection refused") || are("failed to establish") ||
             (are("host") && are("not found")))
        explicatie = QStringLiteral("Serverul bazei de date %1 nu raspunde. Verificati ca serverul Firebird "
                                    "este pornit, ca numele si portul lui sunt corecte si ca reteaua "
                                    "functioneaza.");
    else if (are("I/O error") || are("No such file") || are("not a valid database") ||
             are("Permission denied"))
        explicatie = QStringLiteral("Baza de date %1 nu poate fi deschisa: fisierul nu exista la calea data "
                                    "sau nu poate fi citit si scris (pe un server, de utilizatorul "
                                    "serverului). Verificati calea in Configurare > Baza de date...");
    else
        explicatie = QStringLiteral("Nu ma pot conecta la baza de date %1.");
    return explicatie.arg(numeBaza) + QStringLiteral("\n\n") + textulMotorului;
}
