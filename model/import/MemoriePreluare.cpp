#include "import/MemoriePreluare.h"

#include "platform/StocSetari.h"

namespace {

const QString Cheie = QStringLiteral("Software\\Orvanta\\Kalvor\\2006\\ImportExcel");
const QString NuImport = QStringLiteral("NuImport");

// Dots and slashes would split the key into groups.
QString grup(const QString& cheieCamp) {
    return QStringLiteral("Camp_") + QString(cheieCamp).replace(u'.', u'_').replace(u'/', u'_');
}

} // namespace

void MemoreazaAlegerile(const QString& coloanaCnp, const std::vector<TCampPreluat>& campuri) {
    const auto s = StocSetari::deschide(Cheie);
    s->setValue(QStringLiteral("ColoanaCnp"), coloanaCnp);
    for (const TCampPreluat& c : campuri) {
        s->beginGroup(grup(c.Cheie));
        if (c.NuImport) {
            // the column and texts it had stay, for the day it is imported again
            s->setValue(NuImport, true);
        } else {
            // absent means imported: files written before the tick was kept read the same
            s->remove(NuImport);
            s->setValue(QStringLiteral("Mod"), c.Mod);
            s->setValue(QStringLiteral("Coloana"), c.Coloana);
            s->setValue(QStringLiteral("Constanta"), c.Constanta);
            s->setValue(QStringLiteral("Fete"), c.TextFete);
            s->setValue(QStringLiteral("Baieti"), c.TextBaieti);
        }
        s->endGroup();
    }
}

QString ColoanaCnpMemorata() {
    return StocSetari::deschide(Cheie)->value(QStringLiteral("ColoanaCnp")).toString();
}

std::optional<TCampPreluat> CampMemorat(const QString& cheie) {
    const auto s = StocSetari::deschide(Cheie);
    s->beginGroup(grup(cheie));
    if (!s->contains(QStringLiteral("Mod")) && !s->contains(NuImport)) return std::nullopt;
    TCampPreluat c;
    c.Cheie = cheie;
    c.NuImport = s->value(NuImport, false).toBool();
    c.Mod = s->value(QStringLiteral("Mod"), int(mgDinColoana)).toInt();
    c.Coloana = s->value(QStringLiteral("Coloana")).toString();
    c.Constanta = s->value(QStringLiteral("Constanta")).toString();
    c.TextFete = s->value(QStringLiteral("Fete")).toString();
    c.TextBaieti = s->value(QStringLiteral("Baieti")).toString();
    return c;
}
