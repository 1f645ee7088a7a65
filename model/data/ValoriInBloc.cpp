#include "data/ValoriInBloc.h"

#include "data/UDm.h"
#include "data/UTabele.h"
#include "data/UValoareCamp.h"
#include "platform/Eroare.h"

#include <QVarLengthArray>
#include <algorithm>

namespace {

// Firebird refuses longer IN lists.
constexpr size_t MaxInLista = 1000;
constexpr qsizetype MaxCoduriFiltrate = 24;

QString faraBlancuriFinale(const QString& cod) {
    qsizetype n = cod.size();
    while (n > 0 && cod[n - 1] == u' ')
        --n;
    return n == cod.size() ? cod : cod.left(n);
}

ValoriInBloc::Cheie normal(const QString& formular, const QString& pagina, const QString& camp) {
    return {faraBlancuriFinale(formular), faraBlancuriFinale(pagina), faraBlancuriFinale(camp)};
}
ValoriInBloc::Cheie normal(const CheieCamp& c) {
    return normal(c.formular, c.pagina, c.camp);
}

// Conditions selecting the rows of these ids: one range when they lie close together, otherwise
// lists short enough for the engine.
QStringList conditiiIduri(const QString& coloana, std::vector<int> iduri) {
    std::sort(iduri.begin(), iduri.end());
    iduri.erase(std::unique(iduri.begin(), iduri.end()), iduri.end());
    if (iduri.empty()) return {};
    const qint64 intindere = qint64(iduri.back()) - iduri.front() + 1;
    if (intindere <= 2 * qint64(iduri.size()) + 64)
        return {QStringLiteral("%1 between %2 and %3").arg(coloana).arg(iduri.front()).arg(iduri.back())};
    QStringList conditii;
    for (size_t i = 0; i < iduri.size(); i += MaxInLista) {
        QStringList bucata;
        for (size_t j = i; j < std::min(iduri.size(), i + MaxInLista); ++j)
            bucata << QString::number(iduri[j]);
        conditii << QStringLiteral("%1 in (%2)").arg(coloana, bucata.join(u','));
    }
    return conditii;
}

// Conditions on the field codes. The engine tests every row against the whole list, so a long
// list costs more than the rows it leaves out: past a few dozen codes every row is read.
QStringList conditiiCoduri(const QStringList& coduri) {
    if (coduri.size() > MaxCoduriFiltrate) return {QString()};
    QStringList conditii;
    for (qsizetype i = 0; i < coduri.size(); i += qsizetype(MaxInLista)) {
        QStringList bucata;
        for (const QString& cod : coduri.mid(i, qsizetype(MaxInLista)))
            bucata << u'\'' + QString(cod).replace(u'\'', QStringLiteral("''")) + u'\'';
        conditii << QStringLiteral("COD_CAMP in (%1)").arg(bucata.join(u','));
    }
    return conditii;
}

// Runs `select` for every pair of conditions, calling `rand` on each row.
template <class F>
void pentruFiecareRand(FbInterogare& q, const QString& select, const QStringList& conditiiA,
                       const QStringList& conditiiB, F rand) {
    for (const QString& a : conditiiA)
        for (const QString& b : conditiiB) {
            q.seteazaSql(select + QStringLiteral(" where ") + a +
                         (b.isEmpty() ? QString() : QStringLiteral(" and ") + b));
            InchideLaIesire inchide(q);
            for (q.deschide(); !q.eof(); q.urmator())
                rand(q);
        }
}

} // namespace

size_t qHash(const ValoriInBloc::Cheie& c, size_t seed) noexcept {
    return qHashMulti(seed, c.formular, c.pagina, c.camp);
}

ValoriInBloc ValoriInBloc::citeste(const std::vector<int>& idElevi, const std::vector<CheieCamp>& chei) {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    ValoriInBloc v;
    v.citesteProfilul(chei);
    v.citesteColoaneleDate();
    v.citesteRandurileElevilor(idElevi);
    v.citesteRandurileLegate();
    return v;
}

// The whole profile in one statement; kept are the lines the keys reach through their links.
void ValoriInBloc::citesteProfilul(const std::vector<CheieCamp>& chei) {
    QHash<Cheie, LinieProfil> profil;
    FbInterogare& q = Q1();
    q.seteazaSql(QStringLiteral("select COD_FORMULAR, COD_PAGINA, COD_CAMP, ONOREZ_SIMILAR, SIMILAR_CU, "
                                "ASOCIAT_CU from PROFIL_DIPLOMA"));
    {
        InchideLaIesire inchide(q);
        for (q.deschide(); !q.eof(); q.urmator()) {
            LinieProfil l;
            l.onorez = q.text(QStringLiteral("ONOREZ_SIMILAR"));
            l.asociatCu = q.text(QStringLiteral("ASOCIAT_CU"));
            const QString similarCu = q.text(QStringLiteral("SIMILAR_CU"));
            const QString h = l.onorez.toUpper();
            l.urmeaza = !(h == u"NU" || h.isEmpty() || FaraMargini(similarCu).isEmpty());
            l.propriu = !l.urmeaza || l.onorez == u"OPTIONAL";
            if (l.urmeaza) l.legat = DesparteCheie(similarCu);
            profil.insert(normal(q.text(QStringLiteral("COD_FORMULAR")), q.text(QStringLiteral("COD_PAGINA")),
                                 q.text(QStringLiteral("COD_CAMP"))),
                          l);
        }
    }
    std::vector<Cheie> deVazut;
    for (const CheieCamp& c : chei)
        deVazut.push_back(normal(c));
    while (!deVazut.empty()) {
        const Cheie k = std::move(deVazut.back());
        deVazut.pop_back();
        if (indiceLinie_.contains(k)) continue;
        const auto it = profil.constFind(k);
        if (it == profil.cend()) {
            indiceLinie_.insert(k, Absent);
            continue;
        }
        indiceLinie_.insert(k, int(linii_.size()));
        linii_.push_back(*it);
        if (it->urmeaza) deVazut.push_back(normal(it->legat));
    }
}

void ValoriInBloc::citesteColoaneleDate() {
    FbInterogare& q = Q1();
    q.seteazaSql(QStringLiteral("select trim(RDB$FIELD_NAME) as NUME from RDB$RELATION_FIELDS where "
                                "RDB$RELATION_NAME = 'DATE'"));
    InchideLaIesire inchide(q);
    for (q.deschide(); !q.eof(); q.urmator())
        coloaneDate_ << q.text(QStringLiteral("NUME")).toUpper();
}

// The students' own rows for the keys whose own value may count, with their links.
void ValoriInBloc::citesteRandurileElevilor(const std::vector<int>& idElevi) {
    for (const int id : idElevi)
        if (!indiceElev_.contains(id)) indiceElev_.insert(id, int(indiceElev_.size()));
    randuri_.assign(size_t(indiceElev_.size()) * linii_.size(), -1);

    QStringList coduri;
    for (const LinieProfil& l : linii_) {
        if (!l.propriu || l.asociatCu == TabelulElevilor) continue;
        // Only a table with its link column is read; the others fail as ValoareCamp fails.
        if (!coloaneDate_.contains((QStringLiteral("IDF_") + l.asociatCu).toUpper())) continue;
        try {
            VerificaNumeTabel(l.asociatCu);
        } catch (const Eroare&) {
            continue;
        }
        if (!tabeleLegate_.contains(l.asociatCu)) tabeleLegate_ << l.asociatCu;
    }
    for (auto it = indiceLinie_.cbegin(); it != indiceLinie_.cend(); ++it)
        if (*it != Absent && linii_[size_t(*it)].propriu && !coduri.contains(it.key().camp))
            coduri << it.key().camp;
    if (coduri.isEmpty()) return;

    QString select = QStringLiteral("select COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, VALOARE_TEXT");
    for (const QString& t : tabeleLegate_)
        select += QStringLiteral(", IDF_") + t;
    select += QStringLiteral(" from \"DATE\"");
    const qsizetype nrTabele = tabeleLegate_.size();
    std::vector<int> iduri(idElevi.begin(), idElevi.end());
    pentruFiecareRand(Q2(), select, conditiiIduri(QStringLiteral("ID_ELEVI"), iduri), conditiiCoduri(coduri),
                      [&](FbInterogare& q) {
                          const auto elev = indiceElev_.constFind(int(q.intreg(QStringLiteral("ID_ELEVI"))));
                          if (elev == indiceElev_.cend()) return;
                          const int linie = indiceLinie_.value(normal(q.text(QStringLiteral("COD_FORMULAR")),
                                                                      q.text(QStringLiteral("COD_PAGINA")),
                                                                      q.text(QStringLiteral("COD_CAMP"))),
                                                               Absent);
                          if (linie == Absent) return;
                          int& rand = randuri_[size_t(*elev) * linii_.size() + size_t(linie)];
                          if (rand >= 0) return; // the first row is the one ValoareCamp reads
                          rand = int(texte_.size());
                          texte_.push_back(q.text(QStringLiteral("VALOARE_TEXT")));
                          for (const QString& t : tabeleLegate_) {
                              const QVariant legat = q.camp(QStringLiteral("IDF_") + t);
                              legaturi_.push_back(legat.isNull() ? std::nullopt
                                                                 : std::optional<int>(legat.toInt()));
                          }
                      });
    Q_ASSERT(legaturi_.size() == texte_.size() * size_t(nrTabele));
}

// The values of the rows the students link to, one statement per linked table.
void ValoriInBloc::citesteRandurileLegate() {
    const size_t nrTabele = size_t(tabeleLegate_.size());
    valoriLegate_.resize(nrTabele);
    for (size_t t = 0; t < nrTabele; ++t) {
        const QString& tabel = tabeleLegate_[qsizetype(t)];
        std::vector<int> iduri;
        for (size_t r = t; r < legaturi_.size(); r += nrTabele)
            if (legaturi_[r]) iduri.push_back(*legaturi_[r]);
        QStringList coduri;
        for (auto it = indiceLinie_.cbegin(); it != indiceLinie_.cend(); ++it)
            if (*it != Absent && linii_[size_t(*it)].propriu && linii_[size_t(*it)].asociatCu == tabel &&
                !coduri.contains(it.key().camp))
                coduri << it.key().camp;
        const QString coloana = QStringLiteral("ID_") + tabel;
        pentruFiecareRand(
            Q3(),
            QStringLiteral("select COD_FORMULAR, COD_PAGINA, COD_CAMP, %1 as RAND, VALOARE_TEXT "
                           "from \"DATE\"")
                .arg(coloana),
            conditiiIduri(coloana, iduri), conditiiCoduri(coduri), [&](FbInterogare& q) {
                const int linie = indiceLinie_.value(normal(q.text(QStringLiteral("COD_FORMULAR")),
                                                            q.text(QStringLiteral("COD_PAGINA")),
                                                            q.text(QStringLiteral("COD_CAMP"))),
                                                     Absent);
                if (linie == Absent) return;
                const QPair<int, int> cheie{int(q.intreg(QStringLiteral("RAND"))), linie};
                if (!valoriLegate_[t].contains(cheie))
                    valoriLegate_[t].insert(cheie, q.text(QStringLiteral("VALOARE_TEXT")));
            });
    }
}

QString ValoriInBloc::valoare(int idElev, const CheieCamp& cheie) const {
    const auto elev = indiceElev_.constFind(idElev);
    if (elev == indiceElev_.cend())
        throw Eroare(QStringLiteral("Valorile elevului %1 nu au fost citite").arg(idElev));
    // The same steps as ValoareCamp; a line met again closes a cycle of links.
    CheieCamp curenta = cheie;
    QVarLengthArray<int, 8> vazute;
    for (;;) {
        const auto it = indiceLinie_.constFind(normal(curenta));
        if (it == indiceLinie_.cend())
            throw Eroare(QStringLiteral("Campul %1.%2.%3 nu a fost citit")
                             .arg(curenta.formular, curenta.pagina, curenta.camp));
        const int linie = *it;
        if (linie == Absent || std::find(vazute.begin(), vazute.end(), linie) != vazute.end()) return {};
        vazute.push_back(linie);
        const LinieProfil& l = linii_[size_t(linie)];
        if (!l.urmeaza) return valoareProprie(*elev, linie, curenta);
        const QString r = l.onorez == u"OPTIONAL" ? valoareProprie(*elev, linie, curenta) : QString();
        if (!r.isEmpty() && l.onorez != u"DA") return r;
        curenta = l.legat;
    }
}

QString ValoriInBloc::valoareProprie(int elev, int linie, const CheieCamp& cerut) const {
    const LinieProfil& l = linii_[size_t(linie)];
    const int rand = randElev(elev, linie);
    if (rand < 0) return {};
    if (l.asociatCu == TabelulElevilor) return texte_[size_t(rand)];
    if (!coloaneDate_.contains((QStringLiteral("IDF_") + l.asociatCu).toUpper()))
        throw Eroare(
            QStringLiteral("Campul %1.%2.%3 este asociat cu \"%4\", care nu este un tabel de entitati")
                .arg(cerut.formular, cerut.pagina, cerut.camp, l.asociatCu));
    VerificaNumeTabel(l.asociatCu);
    const qsizetype t = tabeleLegate_.indexOf(l.asociatCu);
    const std::optional<int>& legat = legaturi_[size_t(rand) * size_t(tabeleLegate_.size()) + size_t(t)];
    if (!legat) return {};
    return valoriLegate_[size_t(t)].value({*legat, linie});
}

std::vector<QString> ValoriInBloc::descrieri(const QString& expresie, const std::vector<int>& idElevi) {
    if (!Tr().activa())
        throw Eroare(
            QStringLiteral("Tranzactia trebuie sa fie activa in momentul apelarii procedurii ParseExp"));
    const std::vector<ParteExpresie> parti = DesparteExpresia(expresie);
    std::vector<CheieCamp> chei;
    for (const ParteExpresie& p : parti)
        if (p.cheie) chei.push_back(DesparteCheie(p.text));
    const ValoriInBloc valori = citeste(idElevi, chei);

    std::vector<QString> rezultat;
    rezultat.reserve(idElevi.size());
    for (const int id : idElevi) {
        QString descriere;
        auto cheie = chei.cbegin();
        for (const ParteExpresie& p : parti)
            descriere += p.cheie ? valori.valoare(id, *cheie++) : p.text;
        rezultat.push_back(std::move(descriere));
    }
    return rezultat;
}
