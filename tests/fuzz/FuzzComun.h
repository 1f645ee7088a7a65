#pragma once
// What the fuzz targets share: a scratch folder and files written into it.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace fuzz {

inline QByteArray octeti(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// A private folder for this process, made once.
inline const QString& dosar() {
    static const QString d = [] {
        // In memory when the system has it: a file truncated on every run costs more than the run.
        const QDir baza(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                  : QDir::tempPath());
        const QString cale =
            baza.filePath(QStringLiteral("vardolin-fuzz-%1").arg(QCoreApplication::applicationPid()));
        QDir().mkpath(cale);
        return cale;
    }();
    return d;
}

inline QString scrie(const QString& nume, const QByteArray& continut) {
    const QString cale = QDir(dosar()).filePath(nume);
    QFile f(cale);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    f.write(continut);
    return cale;
}

} // namespace fuzz
