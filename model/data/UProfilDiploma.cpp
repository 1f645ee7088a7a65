#include "data/UProfilDiploma.h"

#include "data/UDm.h"
#include "platform/Eroare.h"

#include <QSet>

CheieCamp DesparteCheie(const QString& cheie) {
    CheieCamp rezultat;
    int segment = 1;
    for (const QChar c : cheie) {
        if (c == u'.') {
            ++segment;
            continue;
        }
        if (segment == 1)
            rezultat.formular += c;
        else if (segment == 2)
            rezultat.pagina += c;
        else if (segment == 3)
            rezultat.camp += c;
    }
    return rezultat;
}

QString SeparaCuvinte(const QString& text) {
    QString rezultat;
    rezultat.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i > 0 && text[i - 1].isLower() && text[i].isUpper()) rezultat += u' ';
        rezultat += text[i];
    }
    return rezultat;
}

void TListaLiniiProfilDiploma::AdaugaLinie(const QString& COD_FORMULAR, const QString& COD_PAGINA,
                                           const QString& COD_CAMP, const QString& ETICHETA_EDITOR,
                                           const QString& FORMULA, const QString& VIZIBIL,
                                           const QString& TIP_DE_DATE, const QString& ASOCIAT_CU,
                                           const QString& SIMILAR_CU, int LATIME_SUGERATA,
                                           const QString& COD_LINIE) {
    TLinieProfilDiploma linie{
        COD_FORMULAR, COD_PAGINA, COD_CAMP,  SIMILAR_CU,      ETICHETA_EDITOR, FORMULA, VIZIBIL,
        TIP_DE_DATE,  ASOCIAT_CU, QString(), LATIME_SUGERATA, COD_LINIE,       0};
    linii_.push_back(std::move(linie));
    linii_.back().ORDINE = int(linii_.size());
}

QString TClasaProfilDiploma::ListaCampuriElev() const {
    throw Eroare::format(QStringLiteral("Nu ai definit %s.ListaCampuriElev; Lista trebuie sa fie de tipul "
                                        "\"{FORMULAR.PAG.CAMP} {FORMULAR.PAG.CAMP}\""),
                         {NumeClasa()});
}

QString TClasaProfilDiploma::ListaCampuriGeneric() const {
    throw Eroare::format(QStringLiteral("Nu ai definit %s.ListaCampuriGeneric; Lisra trebuie sa fie de tipul "
                                        "\"{FORMULAR.PAG.CAMP} {FORMULAR.PAG.CAMP}\""),
                         {NumeClasa()});
}

namespace {
std::unique_ptr<TClasaProfilDiploma>& profilInregistrat() {
    static std::unique_ptr<TClasaProfilDiploma> p;
    return p;
}
} // namespace

void InregistreazaProfil(std::unique_ptr<TClasaProfilDiploma> clasa) {
    if (profilInregistrat())
        throw Eroare(QStringLiteral("Am inregistrat deja un profil de diploma: ") +
                     profilInregistrat()->NumeClasa());
    profilInregistrat() = std::move(clasa);
}

const TClasaProfilDiploma* ProfilInregistrat() {
    return profilInregistrat().get();
}

void AnuleazaInregistrareaProfilului() {
    profilInregistrat().reset();
}

TListaHandlerFormularDePrintat& HandlereFormulare() {
    static TListaHandlerFormularDePrintat registru;
    return registru;
}

void SincronizeazaTipuri() {
    GardaTranzactie garda;
    for (const QString& tip : TipuriDeDate()) {
        Q1().seteazaSql(QStringLiteral("select * from TIPURI_DE_DATE where TIP_DE_DATE = :TIP_DE_DATE"));
        Q1().param(QStringLiteral("TIP_DE_DATE"), tip);
        Q1().deschide();
        const bool exista = !Q1().eof();
        Q1().inchide();
        if (exista) continue;
        Q1().seteazaSql(QStringLiteral("insert into TIPURI_DE_DATE (TIP_DE_DATE) values (:TIP_DE_DATE)"));
        Q1().param(QStringLiteral("TIP_DE_DATE"), tip);
        Q1().executa();
    }
    garda.Commit();
}

namespace {

void scrieLinia(const TLinieProfilDiploma& l) {
    FbInterogare& q = Q1();
    q.seteazaSql(
        QStringLiteral("select    * from    PROFIL_DIPLOMA where    (COD_FORMULAR = :COD_FORMULAR) and "
                       "(COD_PAGINA = :COD_PAGINA) and (COD_CAMP = :COD_CAMP)"));
    q.param(QStringLiteral("COD_FORMULAR"), l.COD_FORMULAR);
    q.param(QStringLiteral("COD_PAGINA"), l.COD_PAGINA);
    q.param(QStringLiteral("COD_CAMP"), l.COD_CAMP);
    q.deschide();
    const bool exista = !q.eof();
    q.inchide();
    q.seteazaSql(
        exista ? QStringLiteral(
                     "update    PROFIL_DIPLOMA set    SIMILAR_CU = :SIMILAR_CU, ETICHETA_EDITOR = "
                     ":ETICHETA_EDITOR,    FORMULA = :FORMULA, VIZIBIL = :VIZIBIL, TIP_DE_DATE = "
                     ":TIP_DE_DATE,    ASOCIAT_CU = :ASOCIAT_CU, GRUP = :GRUP, "
                     "LATIME_SUGERATA=:LATIME_SUGERATA, COD_LINIE=:COD_LINIE, ORDINE=:ORDINE where    "
                     "(COD_FORMULAR = :COD_FORMULAR) and (COD_PAGINA = :COD_PAGINA) and (COD_CAMP = "
                     ":COD_CAMP)")
               : QStringLiteral(
                     "insert into    PROFIL_DIPLOMA    (COD_FORMULAR, COD_PAGINA, COD_CAMP, SIMILAR_CU, "
                     "ONOREZ_SIMILAR,    ETICHETA_EDITOR, FORMULA, VIZIBIL, TIP_DE_DATE, ASOCIAT_CU, GRUP, "
                     "LATIME_SUGERATA, COD_LINIE, ORDINE) values    (:COD_FORMULAR, :COD_PAGINA, "
                     ":COD_CAMP, :SIMILAR_CU, 'DA',    :ETICHETA_EDITOR, :FORMULA, :VIZIBIL, "
                     ":TIP_DE_DATE, :ASOCIAT_CU, :GRUP, :LATIME_SUGERATA, :COD_LINIE, :ORDINE)"));
    q.param(QStringLiteral("COD_FORMULAR"), l.COD_FORMULAR);
    q.param(QStringLiteral("COD_PAGINA"), l.COD_PAGINA);
    q.param(QStringLiteral("COD_CAMP"), l.COD_CAMP);
    q.param(QStringLiteral("SIMILAR_CU"), l.SIMILAR_CU);
    q.param(QStringLiteral("ETICHETA_EDITOR"), l.ETICHETA_EDITOR);
    q.param(QStringLiteral("FORMULA"), l.FORMULA);
    q.param(QStringLiteral("VIZIBIL"), l.VIZIBIL);
    q.param(QStringLiteral("TIP_DE_DATE"), l.TIP_DE_DATE);
    q.param(QStringLiteral("ASOCIAT_CU"), l.ASOCIAT_CU);
    q.param(QStringLiteral("GRUP"), l.GRUP);
    q.param(QStringLiteral("LATIME_SUGERATA"), l.LATIME_SUGERATA);
    q.param(QStringLiteral("COD_LINIE"), l.COD_LINIE);
    q.param(QStringLiteral("ORDINE"), l.ORDINE);
    q.executa();
}

QString cheieText(const QString& formular, const QString& pagina, const QString& camp) {
    return formular + QChar(0) + pagina + QChar(0) + camp;
}

// Deletes the rows whose key no line of the code has, whatever their form code.
void stergeLiniileStraine(const TListaLiniiProfilDiploma& profil) {
    QSet<QString> chei;
    for (const auto& l : profil.linii())
        chei.insert(cheieText(l.COD_FORMULAR, l.COD_PAGINA, l.COD_CAMP));
    Q1().seteazaSql(QStringLiteral("select COD_FORMULAR, COD_PAGINA, COD_CAMP from PROFIL_DIPLOMA"));
    Q1().deschide();
    for (; !Q1().eof(); Q1().urmator()) {
        const QString f = Q1().text(QStringLiteral("COD_FORMULAR"));
        const QString p = Q1().text(QStringLiteral("COD_PAGINA"));
        const QString c = Q1().text(QStringLiteral("COD_CAMP"));
        if (chei.contains(cheieText(f, p, c))) continue;
        Q2().seteazaSql(QStringLiteral("delete from PROFIL_DIPLOMA where (COD_FORMULAR = :COD_FORMULAR) and "
                                       "(COD_PAGINA = :COD_PAGINA) and (COD_CAMP = :COD_CAMP)"));
        Q2().param(QStringLiteral("COD_FORMULAR"), f);
        Q2().param(QStringLiteral("COD_PAGINA"), p);
        Q2().param(QStringLiteral("COD_CAMP"), c);
        Q2().executa();
    }
    Q1().inchide();
}

} // namespace

void SincronizeazaProfil() {
    if (!profilInregistrat()) throw Eroare(QStringLiteral("Nu ai inclus nici o \"lista profil\""));
    const auto profil = profilInregistrat()->Creeaza();
    GardaTranzactie garda;
    for (const auto& linie : profil->linii())
        scrieLinia(linie);
    stergeLiniileStraine(*profil);
    garda.Commit();
}

namespace {
TLinieProfil linieStocata(FbInterogare& q) {
    return {q.text(QStringLiteral("COD_FORMULAR")),   q.text(QStringLiteral("COD_PAGINA")),
            q.text(QStringLiteral("COD_CAMP")),       q.text(QStringLiteral("ETICHETA_EDITOR")),
            q.text(QStringLiteral("ONOREZ_SIMILAR")), q.text(QStringLiteral("ASOCIAT_CU"))};
}

const QString ColoaneStocate = QStringLiteral(
    "select    COD_FORMULAR, COD_PAGINA, COD_CAMP, ASOCIAT_CU, ONOREZ_SIMILAR, ETICHETA_EDITOR from    "
    "PROFIL_DIPLOMA ");
} // namespace

std::vector<TLinieProfil> LiniiProfilStocate() {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    InchideLaIesire inchide(Q1());
    Q1().seteazaSql(ColoaneStocate);
    std::vector<TLinieProfil> linii;
    for (Q1().deschide(); !Q1().eof(); Q1().urmator())
        linii.push_back(linieStocata(Q1()));
    return linii;
}

TLinieProfil LiniaProfilStocata(const CheieCamp& cheie) {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    InchideLaIesire inchide(Q1());
    Q1().seteazaSql(ColoaneStocate +
                    QStringLiteral("where    (COD_FORMULAR = :COD_FORMULAR) and (COD_PAGINA = "
                                   ":COD_PAGINA) and (COD_CAMP = :COD_CAMP)"));
    Q1().param(QStringLiteral("COD_FORMULAR"), cheie.formular);
    Q1().param(QStringLiteral("COD_PAGINA"), cheie.pagina);
    Q1().param(QStringLiteral("COD_CAMP"), cheie.camp);
    Q1().deschide();
    // Saving a row that is not there would change nothing and still look like success.
    if (Q1().eof())
        throw Eroare(QStringLiteral("Linia de profil %1.%2.%3 nu mai exista")
                         .arg(cheie.formular, cheie.pagina, cheie.camp));
    return linieStocata(Q1());
}

void ScrieLegaturaLiniei(const CheieCamp& cheie, const QString& onorezSimilar, const QString& asociatCu) {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    InchideLaIesire inchide(Q1());
    Q1().seteazaSql(QStringLiteral(
        "update    PROFIL_DIPLOMA set    ONOREZ_SIMILAR = :ONOREZ_SIMILAR, ASOCIAT_CU = :ASOCIAT_CU where    "
        "(COD_FORMULAR = :COD_FORMULAR)    and    (COD_PAGINA = :COD_PAGINA)    and    (COD_CAMP = "
        ":COD_CAMP)"));
    Q1().param(QStringLiteral("ONOREZ_SIMILAR"), onorezSimilar);
    Q1().param(QStringLiteral("ASOCIAT_CU"), asociatCu);
    Q1().param(QStringLiteral("COD_FORMULAR"), cheie.formular);
    Q1().param(QStringLiteral("COD_PAGINA"), cheie.pagina);
    Q1().param(QStringLiteral("COD_CAMP"), cheie.camp);
    Q1().executa();
    garda.Commit();
}

std::vector<TLinieProfilDiploma> LiniiDeEditat(const QString& tabel) {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    InchideLaIesire inchide(Q6());
    // In the profile's own order: the rows' storage order changes once deleted rows' space is
    // reused.
    Q6().seteazaSql(QStringLiteral(
        "select    COD_FORMULAR, COD_PAGINA, COD_CAMP, SIMILAR_CU, ONOREZ_SIMILAR,    ETICHETA_EDITOR, "
        "FORMULA, VIZIBIL, TIP_DE_DATE, ASOCIAT_CU, GRUP, LATIME_SUGERATA, COD_LINIE from    "
        "PROFIL_DIPLOMA where    ASOCIAT_CU = :ASOCIAT_CU order by ORDINE"));
    Q6().param(QStringLiteral("ASOCIAT_CU"), tabel);
    std::vector<TLinieProfilDiploma> linii;
    for (Q6().deschide(); !Q6().eof(); Q6().urmator()) {
        if (Q6().esteNull(QStringLiteral("SIMILAR_CU")) || !Q6().text(QStringLiteral("SIMILAR_CU")).isEmpty())
            continue;
        TLinieProfilDiploma l;
        l.COD_FORMULAR = Q6().text(QStringLiteral("COD_FORMULAR"));
        l.COD_PAGINA = Q6().text(QStringLiteral("COD_PAGINA"));
        l.COD_CAMP = Q6().text(QStringLiteral("COD_CAMP"));
        l.ETICHETA_EDITOR = Q6().text(QStringLiteral("ETICHETA_EDITOR"));
        l.TIP_DE_DATE = Q6().text(QStringLiteral("TIP_DE_DATE"));
        l.LATIME_SUGERATA = Q6().esteNull(QStringLiteral("LATIME_SUGERATA"))
                                ? 0
                                : int(Q6().intreg(QStringLiteral("LATIME_SUGERATA")));
        l.COD_LINIE =
            Q6().esteNull(QStringLiteral("COD_LINIE")) ? QString() : Q6().text(QStringLiteral("COD_LINIE"));
        linii.push_back(l);
    }
    return linii;
}
