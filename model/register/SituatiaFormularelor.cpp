#include "register/SituatiaFormularelor.h"

#include "data/UDm.h"

#include <QMap>
#include <QStringList>

namespace {

// Counts per series from one pass over the forms and the entries holding them: a form whose
// sheet never came out of the printer is still blank, so it counts as remaining.
std::vector<SituatieSerie> numaratori() {
    Q4().seteazaSql(QStringLiteral(
        "SELECT f.SERIA, COUNT(*) AS PRIMITE, "
        "SUM(CASE WHEN r.STAREA = 'eliberat' THEN 1 ELSE 0 END) AS ELIBERATE, "
        "SUM(CASE WHEN r.STAREA IN ('tiparit', 'neconfirmat', 'duplicat') THEN 1 ELSE 0 END) AS TIPARITE, "
        "SUM(CASE WHEN r.STAREA = 'anulat' THEN 1 ELSE 0 END) AS ANULATE, "
        "SUM(CASE WHEN r.ID_REGISTRU IS NULL THEN 1 ELSE 0 END) AS RAMASE "
        "FROM FORMULARE f LEFT JOIN REGISTRU r ON r.SERIA = f.SERIA AND r.NUMARUL = f.NUMARUL AND "
        "r.RESTITUIT = 0 "
        "GROUP BY f.SERIA ORDER BY f.SERIA"));
    Q4().deschide();
    InchideLaIesire inchide(Q4());
    std::vector<SituatieSerie> r;
    for (; !Q4().eof(); Q4().urmator()) {
        SituatieSerie s;
        s.seria = Q4().text(QStringLiteral("SERIA"));
        s.primite = int(Q4().intreg(QStringLiteral("PRIMITE")));
        s.eliberate = int(Q4().intreg(QStringLiteral("ELIBERATE")));
        s.tipariteNeeliberate = int(Q4().intreg(QStringLiteral("TIPARITE")));
        s.anulate = int(Q4().intreg(QStringLiteral("ANULATE")));
        s.ramase = int(Q4().intreg(QStringLiteral("RAMASE")));
        r.push_back(s);
    }
    return r;
}

QMap<QString, std::vector<int>> numereAnulate() {
    Q4().seteazaSql(QStringLiteral(
        "SELECT SERIA, NUMARUL FROM REGISTRU WHERE STAREA = 'anulat' ORDER BY SERIA, NUMARUL"));
    Q4().deschide();
    InchideLaIesire inchide(Q4());
    QMap<QString, std::vector<int>> r;
    for (; !Q4().eof(); Q4().urmator())
        r[Q4().text(QStringLiteral("SERIA"))].push_back(int(Q4().intreg(QStringLiteral("NUMARUL"))));
    return r;
}

} // namespace

std::vector<SituatieSerie> situatiaFormularelor() {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    std::vector<SituatieSerie> situatie = numaratori();
    const auto anulate = numereAnulate();
    for (auto& s : situatie)
        s.numereAnulate = caIntervale(anulate.value(s.seria));
    return situatie;
}

QString caIntervale(const std::vector<int>& numere) {
    QStringList parti;
    for (size_t i = 0; i < numere.size();) {
        size_t j = i;
        while (j + 1 < numere.size() && numere[j + 1] == numere[j] + 1)
            ++j;
        parti << (i == j ? QString::number(numere[i])
                         : QStringLiteral("%1-%2").arg(numere[i]).arg(numere[j]));
        i = j + 1;
    }
    return parti.join(QStringLiteral(", "));
}

QString textSituatie(const std::vector<SituatieSerie>& situatie) {
    QString t =
        QStringLiteral("Seria\tPrimite\tEliberate\tTiparite neeliberate\tAnulate\tNumere anulate\tRamase\n");
    for (const auto& s : situatie)
        t += QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t%7\n")
                 .arg(s.seria)
                 .arg(s.primite)
                 .arg(s.eliberate)
                 .arg(s.tipariteNeeliberate)
                 .arg(s.anulate)
                 .arg(s.numereAnulate)
                 .arg(s.ramase);
    return t;
}
