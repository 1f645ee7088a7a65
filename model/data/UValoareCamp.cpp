#include "data/UValoareCamp.h"

#include "data/UDm.h"
#include "data/UProfilDiploma.h"
#include "data/UTabele.h"
#include "platform/Eroare.h"

#include <QSet>
#include <utility>

namespace {

void paramCheie(FbInterogare& q, const QString& formular, const QString& pagina, const QString& camp) {
    q.param(QStringLiteral("COD_FORMULAR"), formular);
    q.param(QStringLiteral("COD_PAGINA"), pagina);
    q.param(QStringLiteral("COD_CAMP"), camp);
}

QString sqlValoare(const QString& tabel) {
    return QStringLiteral(
               "SELECT * FROM \"DATE\" WHERE (COD_FORMULAR=:COD_FORMULAR) AND (COD_PAGINA=:COD_PAGINA) "
               "AND (COD_CAMP=:COD_CAMP) AND (ID_") +
           tabel + QStringLiteral("=:ID)");
}

// The value row's text for the key owned by row `id` of `tabel`, read on `q`.
QString textulRandului(FbInterogare& q, const QString& tabel, const QString& formular, const QString& pagina,
                       const QString& camp, int id) {
    q.seteazaSql(sqlValoare(tabel));
    paramCheie(q, formular, pagina, camp);
    q.param(QStringLiteral("ID"), id);
    q.deschide();
    const QString text = q.eof() ? QString() : q.text(QStringLiteral("VALOARE_TEXT"));
    q.inchide();
    return text;
}

// One resolution: the row it describes (a student, or a row of another entity table) and the
// keys already followed, so that a cycle of links ends instead of recursing for ever.
struct Rezolvare {
    QString tabelRand;
    int id;
    QSet<QString> vizitate;

    QString valoareProprie(const QString& asociatCu, const QString& f, const QString& p, const QString& c) {
        if (asociatCu == tabelRand) {
            if (tabelRand != TabelulElevilor) VerificaNumeTabel(tabelRand);
            return textulRandului(Q2(), tabelRand, f, p, c, id);
        }
        if (tabelRand != TabelulElevilor) return {}; // a student's field has no value for a school row
        return valoarePrinLegatura(asociatCu, f, p, c);
    }

    // A field owned by another entity table T: the student's row for the key names T's row.
    QString valoarePrinLegatura(const QString& t, const QString& f, const QString& p, const QString& c) {
        FbInterogare& q2 = Q2();
        q2.seteazaSql(sqlValoare(TabelulElevilor));
        paramCheie(q2, f, p, c);
        q2.param(QStringLiteral("ID"), id);
        q2.deschide();
        if (q2.eof()) {
            q2.inchide();
            return {};
        }
        // Only an entity table has its link column in the value table; nothing else reaches SQL.
        const QString coloana = QStringLiteral("IDF_") + t;
        if (!q2.areCamp(coloana)) {
            q2.inchide();
            throw Eroare(
                QStringLiteral("Campul %1.%2.%3 este asociat cu \"%4\", care nu este un tabel de entitati")
                    .arg(f, p, c, t));
        }
        VerificaNumeTabel(t);
        const QVariant legat = q2.camp(coloana);
        q2.inchide();
        if (legat.isNull()) return {};
        return textulRandului(Q3(), t, f, p, c, legat.toInt());
    }

    QString valoare(const QString& f, const QString& p, const QString& c) {
        const QString cheie = f + u'.' + p + u'.' + c;
        if (vizitate.contains(cheie)) return {};
        vizitate.insert(cheie);

        FbInterogare& q1 = Q1();
        q1.seteazaSql(QStringLiteral("SELECT * FROM PROFIL_DIPLOMA WHERE (COD_FORMULAR=:COD_FORMULAR) AND "
                                     "(COD_PAGINA=:COD_PAGINA) AND (COD_CAMP=:COD_CAMP)"));
        paramCheie(q1, f, p, c);
        q1.deschide();
        if (q1.eof()) {
            q1.inchide();
            return {};
        }
        const QString onorez = q1.text(QStringLiteral("ONOREZ_SIMILAR"));
        const QString similarCu = q1.text(QStringLiteral("SIMILAR_CU"));
        const QString asociatCu = q1.text(QStringLiteral("ASOCIAT_CU"));
        q1.inchide();

        const QString h = onorez.toUpper();
        if (h == u"NU" || h.isEmpty() || FaraMargini(similarCu).isEmpty())
            return valoareProprie(asociatCu, f, p, c);

        const QString r = onorez == u"OPTIONAL" ? valoareProprie(asociatCu, f, p, c) : QString();
        if (!r.isEmpty() && onorez != u"DA") return r;
        const CheieCamp legat = DesparteCheie(similarCu);
        return valoare(legat.formular, legat.pagina, legat.camp);
    }
};

} // namespace

QString FaraMargini(const QString& text) {
    qsizetype inceput = 0, sfarsit = text.size();
    while (inceput < sfarsit && text[inceput] <= u' ')
        ++inceput;
    while (sfarsit > inceput && text[sfarsit - 1] <= u' ')
        --sfarsit;
    return text.mid(inceput, sfarsit - inceput);
}

QString ValoareCamp(const QString& formular, const QString& pagina, const QString& camp, int id) {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    Rezolvare r{TabelulElevilor, id, {}};
    return r.valoare(formular, pagina, camp);
}

QString ParseExp(const QString& expresie, int id, const QString& tabel) {
    if (!Tr().activa())
        throw Eroare(
            QStringLiteral("Tranzactia trebuie sa fie activa in momentul apelarii procedurii ParseExp"));
    QString rezultat;
    for (const ParteExpresie& parte : DesparteExpresia(expresie)) {
        if (!parte.cheie) {
            rezultat += parte.text;
            continue;
        }
        const CheieCamp c = DesparteCheie(parte.text);
        Rezolvare r{tabel, id, {}};
        rezultat += r.valoare(c.formular, c.pagina, c.camp);
    }
    return rezultat;
}

std::vector<ParteExpresie> DesparteExpresia(const QString& expresie) {
    std::vector<ParteExpresie> parti;
    QString text, cheie;
    bool inAcolade = false;
    for (const QChar ch : expresie) {
        if (!inAcolade) {
            if (ch == u'{') {
                if (!text.isEmpty()) parti.push_back({false, std::exchange(text, {})});
                cheie.clear();
                inAcolade = true;
            } else {
                text += ch;
            }
        } else if (ch == u'}') {
            parti.push_back({true, cheie});
            inAcolade = false;
        } else {
            cheie += ch;
        }
    }
    if (!text.isEmpty()) parti.push_back({false, text});
    return parti;
}

// ---------------------------------------------------------------------------------------------
// Link rows

std::optional<int> RandulLegat(const QString& tabel, int idElev) {
    VerificaNumeTabel(tabel);
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    FbInterogare& q = Q4();
    // Sorting on an expression keeps the engine on the student's index: ordered by the link
    // column itself, it walks that column's index through every student's links.
    q.seteazaSql(QStringLiteral("select first 1 IDF_%1 as RAND from \"DATE\" where ID_ELEVI = :ID_ELEVI and "
                                "IDF_%1 is not null order by IDF_%1 + 0")
                     .arg(tabel));
    q.param(QStringLiteral("ID_ELEVI"), idElev);
    q.deschide();
    std::optional<int> rand;
    if (!q.eof()) rand = int(q.intreg(QStringLiteral("RAND")));
    q.inchide();
    return rand;
}

namespace {

QList<int> iduri(const QString& sql) {
    FbInterogare& q = Q4();
    q.seteazaSql(sql);
    q.deschide();
    QList<int> r;
    for (; !q.eof(); q.urmator())
        r << int(q.intreg(q.numeCamp(0)));
    q.inchide();
    return r;
}

// Points one student's link rows at row `rand` of `tabel`: wrong ones corrected, missing ones
// made, one per profile line that the table owns.
void leagaElevul(const QString& tabel, int idElev, int rand) {
    const QString corecteaza = QStringLiteral(
        "update \"DATE\" d set d.IDF_%1 = :RAND where d.ID_ELEVI = :ID_ELEVI and d.IDF_%1 is distinct from "
        ":RAND "
        "and exists (select 1 from PROFIL_DIPLOMA p where p.ASOCIAT_CU = :TABEL and p.COD_FORMULAR = "
        "d.COD_FORMULAR and p.COD_PAGINA = d.COD_PAGINA and p.COD_CAMP = d.COD_CAMP)");
    const QString adauga = QStringLiteral(
        "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, ID_ELEVI, "
        "IDF_%1) "
        "select p.COD_FORMULAR, p.COD_PAGINA, p.COD_CAMP, '', 0, :ID_ELEVI, :RAND from PROFIL_DIPLOMA p "
        "where "
        "p.ASOCIAT_CU = :TABEL and not exists (select 1 from \"DATE\" d where d.ID_ELEVI = :ID_ELEVI and "
        "d.COD_FORMULAR = p.COD_FORMULAR and d.COD_PAGINA = p.COD_PAGINA and d.COD_CAMP = p.COD_CAMP)");
    FbInterogare& q = Q4();
    for (const QString& sql : {corecteaza, adauga}) {
        q.seteazaSql(sql.arg(tabel));
        q.param(QStringLiteral("RAND"), rand);
        q.param(QStringLiteral("ID_ELEVI"), idElev);
        q.param(QStringLiteral("TABEL"), tabel);
        q.executa();
    }
}

} // namespace

void AsiguraLegaturi(const QString& tabel, std::optional<int> idElev, std::optional<int> idRand) {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    VerificaTabelEntitate(tabel);
    if (tabel == TabelulElevilor) throw Eroare(QStringLiteral("Elevii nu se leaga de ei insisi"));
    const QList<int> randuri = iduri(QStringLiteral("select ID_%1 from %1 order by ID_%1").arg(tabel));
    if (randuri.isEmpty()) return; // nothing to link to; the cascade already took old links
    if (idRand && !randuri.contains(*idRand))
        throw Eroare(QStringLiteral("Inregistrarea %1 din %2 nu exista").arg(*idRand).arg(tabel));

    const QList<int> elevi =
        idElev ? QList<int>{*idElev} : iduri(QStringLiteral("select ID_ELEVI from ELEVI order by ID_ELEVI"));
    for (const int elev : elevi) {
        int rand = randuri.front();
        if (idRand)
            rand = *idRand;
        else if (const auto existent = RandulLegat(tabel, elev))
            rand = *existent;
        leagaElevul(tabel, elev, rand);
    }
    garda.Commit();
}

QStringList TabeleLegateDeElevi() {
    QStringList r;
    const auto* clasa = ListaTabeleInregistrata();
    if (!clasa) return r;
    const auto lista = clasa->Creeaza();
    for (const TLinieTabel& t : lista->linii())
        if (t.NUME_TABEL != QLatin1String("ELEVI")) r << t.NUME_TABEL;
    return r;
}
