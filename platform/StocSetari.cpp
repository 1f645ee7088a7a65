#include "platform/StocSetari.h"

#include "platform/Eroare.h"

#include <QDir>
#include <QStandardPaths>

namespace {
QString& redirectionare() {
    static QString cale;
    return cale;
}
} // namespace

QString StocSetari::fisier() {
    if (!redirectionare().isEmpty()) return redirectionare();
    const QString dinMediu = qEnvironmentVariable("VARDOLIN_SETTINGS");
    if (!dinMediu.isEmpty()) return dinMediu;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("vardolin/vardolin.ini"));
}

void StocSetari::redirectioneaza(const QString& fisierIni) {
    redirectionare() = fisierIni;
}

std::unique_ptr<QSettings> StocSetari::deschide(const QString& cheie) {
#ifdef Q_OS_WIN
    if (redirectionare().isEmpty() && qEnvironmentVariableIsEmpty("VARDOLIN_SETTINGS"))
        return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\") + cheie,
                                           QSettings::NativeFormat);
#endif
    auto s = std::make_unique<QSettings>(fisier(), QSettings::IniFormat);
    QString grup = cheie;
    grup.replace(u'\\', u'/');
    s->beginGroup(grup);
    return s;
}

void StocSetari::verificaScrierea(QSettings& cheie) {
    cheie.sync();
    if (cheie.status() == QSettings::NoError) return;
    throw Eroare::format("Setarile nu au putut fi salvate in \"%s\" (disc plin sau fara drept de scriere). "
                         "Ce ati ales acum nu a fost pastrat.",
                         {QDir::toNativeSeparators(cheie.fileName())});
}
