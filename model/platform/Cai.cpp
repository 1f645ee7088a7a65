#include "platform/Cai.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
// Where the install rules put the read-only files, seen from the installed executable.
constexpr auto resurseInstalate = "../share/vardolin";

QString& dosarExecutabilFortat() {
    static QString dosar;
    return dosar;
}

bool sePoateScrieIn(const QString& dosar) {
    const QFileInfo info(dosar);
    return info.isDir() && info.isWritable();
}

QString dosarResurseInstalate() {
    return QDir::cleanPath(QDir(Cai::dosarExecutabil()).filePath(QString::fromLatin1(resurseInstalate)));
}
} // namespace

QString Cai::dosarExecutabil() {
    if (!dosarExecutabilFortat().isEmpty()) return dosarExecutabilFortat();
    return QCoreApplication::applicationDirPath();
}

bool Cai::esteInstalat() {
    return QFileInfo(dosarResurseInstalate()).isDir();
}

QString Cai::dosarResurse() {
    return esteInstalat() ? dosarResurseInstalate() : dosarExecutabil();
}

QString Cai::dosarDate() {
    const QString dinMediu = qEnvironmentVariable("VARDOLIN_DATA_DIR");
    if (!dinMediu.isEmpty()) return QDir::cleanPath(dinMediu);
    const QString exe = dosarExecutabil();
    // A copy installed before its files moved under share keeps its database where it was;
    // otherwise an installed copy never writes beside its executable (not even as root).
    const bool dateLangaExecutabil =
        !esteInstalat() || QFileInfo(QDir(exe).filePath(QStringLiteral("DB"))).isDir();
    if (dateLangaExecutabil && sePoateScrieIn(exe)) return exe;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString Cai::inDosarDate(const QString& nume) {
    return QDir(dosarDate()).filePath(nume);
}

void Cai::seteazaDosarExecutabil(const QString& dosar) {
    dosarExecutabilFortat() = dosar;
}
