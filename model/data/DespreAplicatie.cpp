#include "data/DespreAplicatie.h"

#include "Versiune.h"
#include "data/UDm.h"
#include "platform/Cai.h"
#include "platform/Eroare.h"
#include "platform/SirConexiune.h"
#include "platform/StocSetari.h"
#include "platform/VersiuneFirebird.h"

#include <QDir>
#include <QSysInfo>

namespace {

QString versiuneaFirebird(TDM* dm) {
    QString r = QStringLiteral("biblioteca client %1").arg(VersiuneClientFirebird());
    if (!dm || !dm->Db.conectata()) return r;
    try {
        const QString motor = VersiuneMotorFirebird(dm->Db);
        if (!motor.isEmpty()) r += QStringLiteral(", motorul bazei %1").arg(motor);
    } catch (const Eroare& e) {
        r += QStringLiteral(", motorul bazei nu a raspuns (%1)").arg(e.text());
    }
    return r;
}

QString bazaDeDate(TDM* dm) {
    if (!dm || dm->caleBazaDeDate().isEmpty()) return QStringLiteral("nicio baza de date deschisa");
    const QString nume = dm->caleBazaDeDate();
    return EsteBazaPeServer(nume) ? nume : QDir::toNativeSeparators(nume);
}

} // namespace

QList<RandDespre> DespreAplicatie(TDM* dm) {
    return {
        {QStringLiteral("Versiunea"), QStringLiteral("Vardolin " VARDOLIN_VERSIUNE)},
        {QStringLiteral("Baza de date"), bazaDeDate(dm)},
        {QStringLiteral("Dosarul de date"), QDir::toNativeSeparators(Cai::dosarDate())},
        {QStringLiteral("Fisierul de setari"), QDir::toNativeSeparators(StocSetari::fisier())},
        {QStringLiteral("Firebird"), versiuneaFirebird(dm)},
        {QStringLiteral("Sistemul"),
         QStringLiteral("%1, Qt %2").arg(QSysInfo::prettyProductName(), qVersion())},
    };
}

QString DespreAplicatieCaText(const QList<RandDespre>& randuri) {
    QString text;
    for (const RandDespre& r : randuri)
        text += r.eticheta + QStringLiteral(": ") + r.valoare + QLatin1Char('\n');
    return text;
}
