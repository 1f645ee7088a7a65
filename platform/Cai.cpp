#include "platform/Cai.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString& dosarExecutabilFortat() {
    static QString dosar;
    return dosar;
}

bool sePoateScrieIn(const QString& dosar) {
    const QFileInfo info(dosar);
    return info.isDir() && info.isWritable();
}
} // namespace

QString Cai::dosarExecutabil() {
    if (!dosarExecutabilFortat().isEmpty()) return dosarExecutabilFortat();
    return QCoreApplication::applicationDirPath();
}

QString Cai::dosarDate() {
    const QString dinMediu = qEnvironmentVariable("VARDOLIN_DATA_DIR");
    if (!dinMediu.isEmpty()) return QDir::cleanPath(dinMediu);
    const QString exe = dosarExecutabil();
    if (sePoateScrieIn(exe)) return exe;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString Cai::inDosarDate(const QString& nume) {
    return QDir(dosarDate()).filePath(nume);
}

void Cai::seteazaDosarExecutabil(const QString& dosar) {
    dosarExecutabilFortat() = dosar;
}
