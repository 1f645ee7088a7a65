#include "data/StocElevi.h"

#include "data/UDm.h"
#include "data/UTabele.h"
#include "data/UValoareCamp.h"

namespace StocElevi {

namespace {

void parametriCheie(FbInterogare& q, const CheieCamp& cheie) {
    q.param(QStringLiteral("COD_FORMULAR"), cheie.formular);
    q.param(QStringLiteral("COD_PAGINA"), cheie.pagina);
    q.param(QStringLiteral("COD_CAMP"), cheie.camp);
}

void deschideRandurile(FbInterogare& q, const QString& tabel, int id, const CheieCamp& cheie) {
    VerificaNumeTabel(tabel);
    q.seteazaSql(
        QStringLiteral("SELECT * FROM \"DATE\" WHERE (ID_%1=:ID) AND (COD_FORMULAR=:COD_FORMULAR) AND "
                       "(COD_PAGINA=:COD_PAGINA) AND (COD_CAMP=:COD_CAMP)")
            .arg(tabel));
    parametriCheie(q, cheie);
    q.param(QStringLiteral("ID"), id);
    q.deschide();
}

void insereaza(const QString& tabel, int id, const CheieCamp& cheie, const QString& text) {
    Q2().seteazaSql(QStringLiteral("INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_%1, "
                                   "VALOARE_TEXT, VALOARE_NUM) VALUES (:COD_FORMULAR, :COD_PAGINA, "
                                   ":COD_CAMP, :ID, :VALOARE_TEXT, 0)")
                        .arg(tabel));
    Q2().param(QStringLiteral("VALOARE_TEXT"), text);
    parametriCheie(Q2(), cheie);
    Q2().param(QStringLiteral("ID"), id);
    Q2().executa();
}

// The UPDATE of a value row also clears its owner columns of every other entity table.
QString textActualizare(const QString& tabel) {
    QString sql = QStringLiteral("UPDATE \"DATE\" SET VALOARE_TEXT=:VAL, VALOARE_NUM=0");
    {
        InchideLaIesire inchide(Q2());
        Q2().seteazaSql(QStringLiteral("SELECT NUME_TABEL FROM TABELE WHERE NUME_TABEL <> :TAB"));
        Q2().param(QStringLiteral("TAB"), tabel);
        Q2().deschide();
        for (; !Q2().eof(); Q2().urmator()) {
            const QString altul = Q2().text(QStringLiteral("NUME_TABEL"));
            VerificaNumeTabel(altul);
            sql += QStringLiteral(", ID_") + altul + QStringLiteral(" = NULL");
        }
    }
    return sql + QStringLiteral(" WHERE (ID_") + tabel +
           QStringLiteral("=:ID) AND (COD_FORMULAR=:COD_FORMULAR) AND (COD_PAGINA=:COD_PAGINA) AND "
                          "(COD_CAMP=:COD_CAMP)");
}

} // namespace

int RandNou(const QString& tabel) {
    VerificaNumeTabel(tabel);
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    int id = 0;
    {
        InchideLaIesire inchide(Q1());
        Q1().seteazaSql(QStringLiteral("SELECT GEN_ID(G_ID_%1,1) AS \"ID\" FROM RDB$DATABASE").arg(tabel));
        Q1().deschide();
        id = int(Q1().intreg(QStringLiteral("ID")));
    }
    Q1().seteazaSql(QStringLiteral("insert into %1 (ID_%1) values (:id)").arg(tabel));
    Q1().param(QStringLiteral("id"), id);
    Q1().executa();
    garda.Commit();
    return id;
}

int ElevNou(const QStringList& legate) {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    const int id = RandNou(TabelulElevilor);
    Q3().seteazaSql(QStringLiteral(
        "INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, ID_ELEVI) "
        "SELECT COD_FORMULAR, COD_PAGINA, COD_CAMP, '', 0, :ID_ELEVI FROM PROFIL_DIPLOMA WHERE ASOCIAT_CU = "
        "'ELEVI'"));
    Q3().param(QStringLiteral("ID_ELEVI"), id);
    Q3().executa();
    for (const QString& tabel : legate)
        AsiguraLegaturi(tabel, id);
    garda.Commit();
    return id;
}

std::vector<int> Randuri(const QString& tabel, Ordine ordine) {
    VerificaNumeTabel(tabel);
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    InchideLaIesire inchide(Q5());
    Q5().seteazaSql(QStringLiteral("select ID_%1 as \"ID\" from %1").arg(tabel) +
                    (ordine == Ordine::DupaId ? QStringLiteral(" order by ID_%1").arg(tabel) : QString()));
    std::vector<int> iduri;
    for (Q5().deschide(); !Q5().eof(); Q5().urmator())
        iduri.push_back(int(Q5().intreg(QStringLiteral("ID"))));
    return iduri;
}

bool Exista(const QString& tabel, int id) {
    VerificaNumeTabel(tabel);
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    InchideLaIesire inchide(Q1());
    Q1().seteazaSql(QStringLiteral("select count(*) as N from %1 where ID_%1 = :ID").arg(tabel));
    Q1().param(QStringLiteral("ID"), id);
    Q1().deschide();
    return Q1().intreg(QStringLiteral("N")) > 0;
}

void Sterge(const QString& tabel, const std::vector<int>& iduri) {
    VerificaNumeTabel(tabel);
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    Q1().seteazaSql(QStringLiteral("delete from %1 where ID_%1 = :ID").arg(tabel));
    for (const int id : iduri) {
        Q1().param(QStringLiteral("ID"), id);
        Q1().executa();
    }
    if (tabel != TabelulElevilor) AsiguraLegaturi(tabel, std::nullopt);
    garda.Commit();
}

std::optional<QString> Valoare(const QString& tabel, int id, const CheieCamp& cheie) {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    InchideLaIesire inchide(Q1());
    deschideRandurile(Q1(), tabel, id, cheie);
    if (Q1().eof() || Q1().esteNull(QStringLiteral("VALOARE_TEXT"))) return std::nullopt;
    return Q1().text(QStringLiteral("VALOARE_TEXT"));
}

// Only inside the caller's transaction: a record's values are saved all together or not at all.
void ScrieValoare(const QString& tabel, int id, const CheieCamp& cheie, const QString& text) {
    InchideLaIesire inchide(Q1());
    deschideRandurile(Q1(), tabel, id, cheie);
    if (Q1().eof()) {
        insereaza(tabel, id, cheie, text);
    } else {
        Q2().seteazaSql(textActualizare(tabel));
        Q2().param(QStringLiteral("VAL"), text);
        parametriCheie(Q2(), cheie);
        Q2().param(QStringLiteral("ID"), id);
        Q2().executa();
    }
}

QStringList ValoriFolosite(const CheieCamp& cheie) {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    InchideLaIesire inchide(Q1());
    Q1().seteazaSql(
        QStringLiteral("select DISTINCT(VALOARE_TEXT) from \"DATE\" where (COD_FORMULAR=:COD_FORMULAR) and "
                       "(COD_PAGINA=:COD_PAGINA) and (COD_CAMP=:COD_CAMP)"));
    parametriCheie(Q1(), cheie);
    Q1().deschide();
    QStringList valori;
    for (; !Q1().eof(); Q1().urmator()) {
        const QVariant v = Q1().camp(Q1().numeCamp(0));
        if (!v.isNull() && !v.toString().isEmpty()) valori << v.toString();
    }
    return valori;
}

QString TextCheie(const CheieCamp& cheie) {
    return cheie.formular + u'.' + cheie.pagina + u'.' + cheie.camp;
}

QSet<QString> CheiStocate(int idElev) {
    const QHash<QString, QString> texte = TexteStocate(idElev);
    return QSet<QString>(texte.keyBegin(), texte.keyEnd());
}

QHash<QString, QString> TexteStocate(int idElev) {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    InchideLaIesire inchide(Q1());
    Q1().seteazaSql(QStringLiteral(
        "SELECT COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT FROM \"DATE\" WHERE ID_ELEVI=:ID"));
    Q1().param(QStringLiteral("ID"), idElev);
    Q1().deschide();
    QHash<QString, QString> texte;
    for (; !Q1().eof(); Q1().urmator())
        texte.insert(
            TextCheie({Q1().text(QStringLiteral("COD_FORMULAR")), Q1().text(QStringLiteral("COD_PAGINA")),
                       Q1().text(QStringLiteral("COD_CAMP"))}),
            Q1().text(QStringLiteral("VALOARE_TEXT")));
    return texte;
}

void AdaugaRandGol(int idElev, const CheieCamp& cheie) {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    insereaza(TabelulElevilor, idElev, cheie, QStringLiteral(""));
    garda.Commit();
}

void RescrieTextul(int idElev, const CheieCamp& cheie, const QString& text) {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    Q2().seteazaSql(QStringLiteral("UPDATE \"DATE\" SET VALOARE_TEXT=:VAL WHERE (ID_ELEVI=:ID) AND "
                                   "(COD_FORMULAR=:COD_FORMULAR) AND (COD_PAGINA=:COD_PAGINA) AND "
                                   "(COD_CAMP=:COD_CAMP)"));
    Q2().param(QStringLiteral("VAL"), text);
    Q2().param(QStringLiteral("ID"), idElev);
    parametriCheie(Q2(), cheie);
    Q2().executa();
    garda.Commit();
}

} // namespace StocElevi
