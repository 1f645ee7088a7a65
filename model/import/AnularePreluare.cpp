#include "import/AnularePreluare.h"

#include "data/StocElevi.h"
#include "data/UDm.h"
#include "data/UTabele.h"
#include "import/JurnalPreluari.h"
#include "import/PreluareExcel.h"
#include "platform/Eroare.h"
#include "platform/Sistem.h"

#include <QDateTime>
#include <utility>

namespace {

const QString ColoanePreluare = QStringLiteral(
    "ID_PRELUARE, CAST(MOMENT AS VARCHAR(24)) AS MOMENT, UTILIZATOR, CALCULATOR, FISIER, FOAIA, STAREA, "
    "RANDURI, ADAUGATI, ACTUALIZATI");

TPreluareJurnalizata preluareCitita() {
    TPreluareJurnalizata p;
    p.Id = int(Q6().intreg(QStringLiteral("ID_PRELUARE")));
    p.Moment = Q6().text(QStringLiteral("MOMENT"));
    p.Utilizator = Q6().text(QStringLiteral("UTILIZATOR"));
    p.Calculator = Q6().text(QStringLiteral("CALCULATOR"));
    p.Fisier = Q6().text(QStringLiteral("FISIER"));
    p.Foaia = Q6().text(QStringLiteral("FOAIA"));
    p.Starea = Q6().text(QStringLiteral("STAREA"));
    p.Randuri = int(Q6().intreg(QStringLiteral("RANDURI")));
    p.Adaugati = int(Q6().intreg(QStringLiteral("ADAUGATI")));
    p.Actualizati = int(Q6().intreg(QStringLiteral("ACTUALIZATI")));
    return p;
}

// The entry, locked against a second undo at the same moment.
TPreluareJurnalizata preluareBlocata(int id) {
    InchideLaIesire inchide(Q6());
    Q6().seteazaSql(
        QStringLiteral("SELECT %1 FROM PRELUARI WHERE ID_PRELUARE = :ID WITH LOCK").arg(ColoanePreluare));
    Q6().param(QStringLiteral("ID"), id);
    Q6().deschide();
    if (Q6().eof())
        throw Eroare(QStringLiteral("Preluarea nr. %1 nu exista in jurnalul preluarilor.").arg(id));
    const TPreluareJurnalizata p = preluareCitita();
    if (p.Starea == StarePreluare::Anulata)
        throw Eroare(QStringLiteral("Preluarea nr. %1 a fost deja anulata.").arg(id));
    return p;
}

std::vector<std::pair<int, QString>> eleviCreati(int idPreluare) {
    InchideLaIesire inchide(Q6());
    Q6().seteazaSql(QStringLiteral(
        "SELECT ID_ELEV, AMPRENTA FROM PRELUARI_ELEVI WHERE ID_PRELUARE = :ID ORDER BY ID_ELEV"));
    Q6().param(QStringLiteral("ID"), idPreluare);
    std::vector<std::pair<int, QString>> r;
    for (Q6().deschide(); !Q6().eof(); Q6().urmator())
        r.emplace_back(int(Q6().intreg(QStringLiteral("ID_ELEV"))), Q6().text(QStringLiteral("AMPRENTA")));
    return r;
}

struct ValoareSchimbata {
    TAnularePreluare::Valoare valoare;
    QString noua, eticheta;
};

std::vector<ValoareSchimbata> valoriSchimbate(int idPreluare) {
    InchideLaIesire inchide(Q6());
    Q6().seteazaSql(QStringLiteral(
        "SELECT v.ID_ELEV, v.COD_FORMULAR, v.COD_PAGINA, v.COD_CAMP, v.VALOARE_VECHE, v.VALOARE_NOUA, "
        "p.ETICHETA_EDITOR FROM PRELUARI_VALORI v LEFT JOIN PROFIL_DIPLOMA p ON p.COD_FORMULAR = "
        "v.COD_FORMULAR AND p.COD_PAGINA = v.COD_PAGINA AND p.COD_CAMP = v.COD_CAMP WHERE v.ID_PRELUARE = "
        ":ID "
        "ORDER BY v.ID_ELEV"));
    Q6().param(QStringLiteral("ID"), idPreluare);
    std::vector<ValoareSchimbata> r;
    for (Q6().deschide(); !Q6().eof(); Q6().urmator()) {
        const CheieCamp cheie{Q6().text(QStringLiteral("COD_FORMULAR")),
                              Q6().text(QStringLiteral("COD_PAGINA")), Q6().text(QStringLiteral("COD_CAMP"))};
        const QString veche = QStringLiteral("VALOARE_VECHE");
        const QString eticheta = QStringLiteral("ETICHETA_EDITOR");
        r.push_back({{int(Q6().intreg(QStringLiteral("ID_ELEV"))), cheie,
                      Q6().esteNull(veche) ? std::nullopt : std::optional<QString>(Q6().text(veche))},
                     Q6().text(QStringLiteral("VALOARE_NOUA")),
                     Q6().esteNull(eticheta) ? cheie.camp : EtichetaCurata(Q6().text(eticheta)).trimmed()});
    }
    return r;
}

bool inRegistru(int idElev) {
    InchideLaIesire inchide(Q6());
    Q6().seteazaSql(QStringLiteral("SELECT COUNT(*) AS N FROM REGISTRU WHERE ID_ELEV = :ID"));
    Q6().param(QStringLiteral("ID"), idElev);
    Q6().deschide();
    return Q6().intreg(QStringLiteral("N")) > 0;
}

class Planificare {
public:
    explicit Planificare(const TPreluareJurnalizata& p) : cnp_(CheiaCnp()) { a_.Preluare = p; }

    TAnularePreluare planifica() {
        for (const auto& [id, amprenta] : eleviCreati(a_.Preluare.Id))
            elevCreat(id, amprenta);
        for (const ValoareSchimbata& v : valoriSchimbate(a_.Preluare.Id))
            valoare(v);
        return std::move(a_);
    }

private:
    // A student deleted since leaves nothing to undo.
    void elevCreat(int id, const QString& amprenta) {
        if (!StocElevi::Exista(TabelulElevilor, id)) return;
        if (inRegistru(id))
            a_.Lasate
                << QStringLiteral("%1: este trecut in registrul actelor de studii; ramane").arg(elev(id));
        else if (AmprentaTextelor(StocElevi::TexteStocate(id)) != amprenta)
            a_.Lasate
                << QStringLiteral("%1: adaugat de preluare, dar modificat dupa ea; ramane").arg(elev(id));
        else
            a_.DeSters.push_back(id);
    }

    void valoare(const ValoareSchimbata& v) {
        const int id = v.valoare.IdElev;
        if (!StocElevi::Exista(TabelulElevilor, id)) return;
        const std::optional<QString> acum = StocElevi::Valoare(TabelulElevilor, id, v.valoare.Cheie);
        if (acum == v.noua)
            a_.DeRepus.push_back(v.valoare);
        else
            a_.Lasate << QStringLiteral("%1, campul \"%2\": acum \"%3\", preluarea scrisese \"%4\"; ramane")
                             .arg(elev(id), v.eticheta, acum.value_or(QString()), v.noua);
    }

    QString elev(int id) const {
        const std::optional<QString> cnp = StocElevi::Valoare(TabelulElevilor, id, cnp_);
        return cnp && !cnp->isEmpty() ? QStringLiteral("elevul cu CNP %1").arg(*cnp)
                                      : QStringLiteral("elevul nr. %1").arg(id);
    }

    const CheieCamp cnp_;
    TAnularePreluare a_;
};

void puneLaLoc(const TAnularePreluare::Valoare& v) {
    if (v.Veche) {
        StocElevi::RescrieTextul(v.IdElev, v.Cheie, *v.Veche);
        return;
    }
    Q6().seteazaSql(QStringLiteral("DELETE FROM \"DATE\" WHERE ID_ELEVI = :ID AND COD_FORMULAR = :F AND "
                                   "COD_PAGINA = :P AND COD_CAMP = :C"));
    Q6().param(QStringLiteral("ID"), v.IdElev);
    Q6().param(QStringLiteral("F"), v.Cheie.formular);
    Q6().param(QStringLiteral("P"), v.Cheie.pagina);
    Q6().param(QStringLiteral("C"), v.Cheie.camp);
    Q6().executa();
}

void marcheazaAnulata(int id) {
    Q6().seteazaSql(
        QStringLiteral("UPDATE PRELUARI SET STAREA = :STAREA, MOMENT_ANULARII = CURRENT_TIMESTAMP, "
                       "ANULATA_DE = :DE WHERE ID_PRELUARE = :ID"));
    Q6().param(QStringLiteral("STAREA"), StarePreluare::Anulata);
    Q6().param(QStringLiteral("DE"),
               (UtilizatorulSistemului() + QStringLiteral(" pe ") + CalculatorulSistemului()).left(200));
    Q6().param(QStringLiteral("ID"), id);
    Q6().executa();
}

QString elevi(qsizetype n) {
    return n == 1 ? QStringLiteral("1 elev") : QStringLiteral("%1 elevi").arg(n);
}
QString valori(qsizetype n) {
    return n == 1 ? QStringLiteral("1 valoare") : QStringLiteral("%1 valori").arg(n);
}

} // namespace

QString TPreluareJurnalizata::Descriere() const {
    const QDateTime cand = QDateTime::fromString(Moment.left(19), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    QString d =
        QStringLiteral("preluarea nr. %1 din %2, foaia %3, facuta la %4 de %5 pe %6")
            .arg(Id)
            .arg(Fisier, Foaia, cand.isValid() ? cand.toString(QStringLiteral("dd.MM.yyyy hh:mm")) : Moment,
                 Utilizator, Calculator);
    if (Starea == StarePreluare::InCurs) d += QStringLiteral(" (neterminata)");
    return d;
}

std::optional<TPreluareJurnalizata> UltimaPreluare() {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    InchideLaIesire inchide(Q6());
    Q6().seteazaSql(
        QStringLiteral("SELECT FIRST 1 %1 FROM PRELUARI WHERE STAREA <> :ANULATA ORDER BY ID_PRELUARE DESC")
            .arg(ColoanePreluare));
    Q6().param(QStringLiteral("ANULATA"), StarePreluare::Anulata);
    Q6().deschide();
    if (Q6().eof()) return std::nullopt;
    return preluareCitita();
}

TAnularePreluare PlanificaAnularea(const TPreluareJurnalizata& preluare) {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    return Planificare(preluare).planifica();
}

TAnularePreluare AnuleazaPreluarea(int idPreluare) {
    GardaTranzactie garda;
    TAnularePreluare a = Planificare(preluareBlocata(idPreluare)).planifica();
    if (!a.DeSters.empty()) StocElevi::Sterge(TabelulElevilor, a.DeSters);
    for (const TAnularePreluare::Valoare& v : a.DeRepus)
        puneLaLoc(v);
    marcheazaAnulata(idPreluare);
    garda.Commit();
    return a;
}

QString TAnularePreluare::Intrebare() const {
    QString t = QStringLiteral("Anulati %1?\n\nSe vor sterge %2 adaugati de ea si se vor pune la loc %3 "
                               "schimbate de ea.")
                    .arg(Preluare.Descriere(), elevi(DeSters.size()), valori(DeRepus.size()));
    if (!Lasate.isEmpty())
        t += QStringLiteral(
                 "\n\nRaman neschimbate, fiind modificate dupa preluare sau trecute in registru: %1 "
                 "(lista apare dupa anulare).")
                 .arg(Lasate.size());
    return t;
}

QString TAnularePreluare::Text() const {
    QStringList r;
    r << QStringLiteral("Anulata: %1").arg(Preluare.Descriere());
    r << QStringLiteral("Elevi stersi: %1").arg(DeSters.size());
    r << QStringLiteral("Valori puse la loc: %1").arg(DeRepus.size());
    r << QStringLiteral("Lasate neschimbate (modificate dupa preluare sau trecute in registru): %1")
             .arg(Lasate.size());
    for (const QString& l : Lasate)
        r << QStringLiteral("  ") + l;
    return r.join(u'\n');
}
