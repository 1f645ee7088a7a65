#include "register/Registru.h"

#include "data/UDm.h"
#include "data/ValoriInBloc.h"
#include "platform/Eroare.h"
#include "platform/Sistem.h"

#include <QThread>
#include <algorithm>
#include <array>
#include <type_traits>
#include <utility>

namespace {

constexpr std::array<std::pair<StareAct, const char*>, 6> numeStari{{{StareAct::Neconfirmat, "neconfirmat"},
                                                                     {StareAct::Tiparit, "tiparit"},
                                                                     {StareAct::Eliberat, "eliberat"},
                                                                     {StareAct::Anulat, "anulat"},
                                                                     {StareAct::Duplicat, "duplicat"},
                                                                     {StareAct::Netiparit, "netiparit"}}};

// The register works on Q4 only: the value readers it calls use Q1 to Q3, the lists Q5.
FbInterogare& q() {
    return Q4();
}

// Dates cross the client layer as ISO text.
QString dataParam(const char* nume) {
    return QStringLiteral("CAST(CAST(:%1 AS VARCHAR(10)) AS DATE)").arg(QLatin1String(nume));
}
QVariant textData(const QDate& d) {
    return d.isValid() ? QVariant(d.toString(Qt::ISODate)) : QVariant();
}
QDate dataCitita(const QString& camp) {
    return q().esteNull(camp) ? QDate() : QDate::fromString(q().text(camp), Qt::ISODate);
}
QVariant textSauNull(const QString& t) {
    return t.trimmed().isEmpty() ? QVariant() : QVariant(t.trimmed());
}
QString textCitit(const QString& camp) {
    return q().esteNull(camp) ? QString() : q().text(camp);
}
QString normalizeazaSeria(const QString& seria) {
    return seria.trimmed().toUpper();
}

qint64 valoareGenerator(const char* generator) {
    q().seteazaSql(
        QStringLiteral("SELECT GEN_ID(%1, 1) AS ID FROM RDB$DATABASE").arg(QLatin1String(generator)));
    q().deschide();
    InchideLaIesire inchide(q());
    return q().intreg(QStringLiteral("ID"));
}

// One line of the journal, in the transaction of the change it describes.
void jurnalizeaza(qint64 idRegistru, qint64 idPrimire, const QString& ce) {
    const qint64 id = valoareGenerator("G_ID_JURNAL");
    q().seteazaSql(
        QStringLiteral("INSERT INTO JURNAL_REGISTRU (ID_JURNAL, UTILIZATOR, CALCULATOR, ID_REGISTRU, "
                       "ID_PRIMIRE, CE) VALUES (:ID, :UTILIZATOR, :CALCULATOR, :REG, :PRIM, :CE)"));
    q().param(QStringLiteral("ID"), id);
    // Who and where do not change while the program runs; asked once, not per printed sheet.
    static const QString utilizator = UtilizatorulSistemului().left(100);
    static const QString calculator = CalculatorulSistemului().left(100);
    q().param(QStringLiteral("UTILIZATOR"), utilizator);
    q().param(QStringLiteral("CALCULATOR"), calculator);
    q().param(QStringLiteral("REG"), idRegistru ? QVariant(idRegistru) : QVariant());
    q().param(QStringLiteral("PRIM"), idPrimire ? QVariant(idPrimire) : QVariant());
    q().param(QStringLiteral("CE"), ce.left(1000));
    q().executa();
}

bool incalca(const Eroare& e, const char* constrangere) {
    return e.text().contains(QLatin1String(constrangere));
}

// Runs one change in a transaction of its own, again when another computer's change to the same
// rows got in the way (a lock conflict or an entry number taken meanwhile).
template <class F> auto inTranzactie(F&& pasi) {
    constexpr int incercari = 20;
    for (int i = 1;; ++i) {
        try {
            GardaTranzactie garda;
            if constexpr (std::is_void_v<decltype(pasi())>) {
                pasi();
                garda.Commit();
                return;
            } else {
                auto rezultat = pasi();
                garda.Commit();
                return rezultat;
            }
        } catch (const Eroare& e) {
            const bool conflict =
                incalca(e, "UQ_REGISTRU_NR") || e.text().contains(QLatin1String("conflict"));
            if (!conflict || i == incercari) throw;
            QThread::msleep(2 * i);
        }
    }
}

const QString selectIntrari = QStringLiteral(
    "SELECT r.ID_REGISTRU, r.AN, r.NR_INREGISTRARE, CAST(r.DATA_TIPARIRII AS VARCHAR(10)) AS DATA_TIPARIRII, "
    "r.ID_ELEV, r.NUME, r.CNP, r.CALIFICAREA, r.SERIA, r.NUMARUL, r.STAREA, r.ID_ORIGINAL, "
    "o.SERIA AS SERIA_ORIGINAL, o.NUMARUL AS NUMARUL_ORIGINAL, r.MOTIV_DUPLICAT, r.NR_APROBARE, "
    "CAST(r.DATA_APROBARII AS VARCHAR(10)) AS DATA_APROBARII, "
    "CAST(r.DATA_ELIBERARII AS VARCHAR(10)) AS DATA_ELIBERARII, r.PRIMITOR, r.ACT_IDENTITATE, r.PROCURA, "
    "r.MENTIUNI, CAST(r.DATA_ANULARII AS VARCHAR(10)) AS DATA_ANULARII, r.MOTIV_ANULARE "
    "FROM REGISTRU r LEFT JOIN REGISTRU o ON o.ID_REGISTRU = r.ID_ORIGINAL");

// Fills the entry in place: a register of thousands is read into one growing list.
void citesteIntrarea(IntrareRegistru& i) {
    i.id = q().intreg(QStringLiteral("ID_REGISTRU"));
    i.an = int(q().intreg(QStringLiteral("AN")));
    i.nr = int(q().intreg(QStringLiteral("NR_INREGISTRARE")));
    i.dataTiparirii = dataCitita(QStringLiteral("DATA_TIPARIRII"));
    i.idElev = q().esteNull(QStringLiteral("ID_ELEV")) ? 0 : q().intreg(QStringLiteral("ID_ELEV"));
    i.nume = textCitit(QStringLiteral("NUME"));
    i.cnp = textCitit(QStringLiteral("CNP"));
    i.calificarea = textCitit(QStringLiteral("CALIFICAREA"));
    i.seria = q().text(QStringLiteral("SERIA"));
    i.numarul = int(q().intreg(QStringLiteral("NUMARUL")));
    i.stare = stareDinText(q().text(QStringLiteral("STAREA")));
    if (!q().esteNull(QStringLiteral("ID_ORIGINAL"))) {
        i.idOriginal = q().intreg(QStringLiteral("ID_ORIGINAL"));
        i.seriaOriginal = q().text(QStringLiteral("SERIA_ORIGINAL"));
        i.numarulOriginal = int(q().intreg(QStringLiteral("NUMARUL_ORIGINAL")));
    }
    i.motivDuplicat = textCitit(QStringLiteral("MOTIV_DUPLICAT"));
    i.nrAprobare = textCitit(QStringLiteral("NR_APROBARE"));
    i.dataAprobarii = dataCitita(QStringLiteral("DATA_APROBARII"));
    i.dataEliberarii = dataCitita(QStringLiteral("DATA_ELIBERARII"));
    i.primitor = textCitit(QStringLiteral("PRIMITOR"));
    i.actIdentitate = textCitit(QStringLiteral("ACT_IDENTITATE"));
    i.procura = textCitit(QStringLiteral("PROCURA"));
    i.mentiuni = textCitit(QStringLiteral("MENTIUNI"));
    i.dataAnularii = dataCitita(QStringLiteral("DATA_ANULARII"));
    i.motivAnulare = textCitit(QStringLiteral("MOTIV_ANULARE"));
}

// The entries a query with the given condition finds, in register order.
std::vector<IntrareRegistru> intrariCu(const QString& conditie, const QVariantMap& parametri) {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    q().seteazaSql(selectIntrari + (conditie.isEmpty() ? QString() : QStringLiteral(" WHERE ") + conditie) +
                   QStringLiteral(" ORDER BY r.AN, r.NR_INREGISTRARE"));
    for (auto p = parametri.begin(); p != parametri.end(); ++p)
        q().param(p.key(), p.value());
    q().deschide();
    InchideLaIesire inchide(q());
    std::vector<IntrareRegistru> r;
    for (; !q().eof(); q().urmator())
        citesteIntrarea(r.emplace_back());
    return r;
}

IntrareRegistru intrareSigura(qint64 id) {
    const auto i = Registru::intrare(id);
    if (!i) throw Eroare(QStringLiteral("Inregistrarea %1 nu exista in registru.").arg(id));
    return *i;
}

QString descriere(const IntrareRegistru& i) {
    return QStringLiteral("nr. %1/%2, seria %3 nr. %4, %5")
        .arg(i.nr)
        .arg(i.an)
        .arg(i.seria)
        .arg(i.numarul)
        .arg(i.nume);
}

// Changes an entry's state with the columns that go with it, and journals what changed.
void schimbaStarea(const IntrareRegistru& i, StareAct stare, const QString& coloane,
                   const QVariantMap& parametri, const QString& ce) {
    q().seteazaSql(QStringLiteral("UPDATE REGISTRU SET STAREA = :STAREA") +
                   (coloane.isEmpty() ? QString() : QStringLiteral(", ") + coloane) +
                   QStringLiteral(" WHERE ID_REGISTRU = :ID"));
    q().param(QStringLiteral("STAREA"), textStare(stare));
    q().param(QStringLiteral("ID"), i.id);
    for (auto p = parametri.begin(); p != parametri.end(); ++p)
        q().param(p.key(), p.value());
    q().executa();
    jurnalizeaza(i.id, 0, ce + QStringLiteral(": ") + descriere(i));
}

bool formularPrimit(const QString& seria, int numarul) {
    q().seteazaSql(QStringLiteral("SELECT COUNT(*) AS N FROM FORMULARE WHERE SERIA = :S AND NUMARUL = :N"));
    q().param(QStringLiteral("S"), seria);
    q().param(QStringLiteral("N"), numarul);
    q().deschide();
    InchideLaIesire inchide(q());
    return q().intreg(QStringLiteral("N")) > 0;
}

// The entry holding the form; entries that gave it back do not.
std::optional<IntrareRegistru> intrareCuFormularul(const QString& seria, int numarul) {
    const auto r = intrariCu(QStringLiteral("r.SERIA = :S AND r.NUMARUL = :N AND r.RESTITUIT = 0"),
                             {{QStringLiteral("S"), seria}, {QStringLiteral("N"), numarul}});
    if (r.empty()) return std::nullopt;
    return r.front();
}

// Why a form cannot take an entry, or empty when it can.
QString motivFormularIndisponibil(const QString& seria, int numarul) {
    if (!formularPrimit(seria, numarul))
        return QStringLiteral("Formularul seria %1 nr. %2 nu face parte din formularele primite.")
            .arg(seria)
            .arg(numarul);
    if (const auto i = intrareCuFormularul(seria, numarul))
        return QStringLiteral("Formularul seria %1 nr. %2 este deja folosit (inregistrarea nr. %3/%4, %5).")
            .arg(seria)
            .arg(numarul)
            .arg(i->nr)
            .arg(i->an)
            .arg(i->nume.isEmpty() ? textStare(i->stare) : i->nume);
    return {};
}

QString propunere(const QString& seria) {
    const auto p = Registru::numarPropus(seria);
    return p ? QStringLiteral(" Urmatorul numar liber din seria %1 este %2.").arg(seria).arg(*p)
             : QStringLiteral(" In seria %1 nu mai este niciun formular liber.").arg(seria);
}

int urmatorulNumarDeOrdine(int an) {
    q().seteazaSql(QStringLiteral("SELECT FIRST 1 NR_INREGISTRARE FROM REGISTRU WHERE AN = :AN "
                                  "ORDER BY AN DESC, NR_INREGISTRARE DESC"));
    q().param(QStringLiteral("AN"), an);
    q().deschide();
    InchideLaIesire inchide(q());
    return q().eof() ? 1 : int(q().intreg(QStringLiteral("NR_INREGISTRARE"))) + 1;
}

// Writes a new entry; the caller's transaction commits it.
IntrareRegistru scrieIntrare(IntrareRegistru i) {
    i.id = valoareGenerator("G_ID_REGISTRU");
    i.an = i.dataTiparirii.year();
    i.nr = urmatorulNumarDeOrdine(i.an);
    q().seteazaSql(
        QStringLiteral("INSERT INTO REGISTRU (ID_REGISTRU, AN, NR_INREGISTRARE, DATA_TIPARIRII, ID_ELEV, "
                       "NUME, CNP, CALIFICAREA, SERIA, NUMARUL, STAREA, ID_ORIGINAL, MOTIV_DUPLICAT, "
                       "NR_APROBARE, DATA_APROBARII, DATA_ANULARII, MOTIV_ANULARE) VALUES (:ID, :AN, :NR, ") +
        dataParam("DATA") +
        QStringLiteral(", :ELEV, :NUME, :CNP, :CALIFICAREA, :SERIA, :NUMARUL, :STAREA, :ORIGINAL, "
                       ":MOTIV_DUPLICAT, :NR_APROBARE, ") +
        dataParam("DATA_APROBARII") + QStringLiteral(", ") + dataParam("DATA_ANULARII") +
        QStringLiteral(", :MOTIV_ANULARE)"));
    q().param(QStringLiteral("ID"), i.id);
    q().param(QStringLiteral("AN"), i.an);
    q().param(QStringLiteral("NR"), i.nr);
    q().param(QStringLiteral("DATA"), textData(i.dataTiparirii));
    q().param(QStringLiteral("ELEV"), i.idElev ? QVariant(i.idElev) : QVariant());
    q().param(QStringLiteral("NUME"), textSauNull(i.nume.left(200)));
    q().param(QStringLiteral("CNP"), textSauNull(i.cnp.left(20)));
    q().param(QStringLiteral("CALIFICAREA"), textSauNull(i.calificarea.left(300)));
    q().param(QStringLiteral("SERIA"), i.seria);
    q().param(QStringLiteral("NUMARUL"), i.numarul);
    q().param(QStringLiteral("STAREA"), textStare(i.stare));
    q().param(QStringLiteral("ORIGINAL"), i.idOriginal ? QVariant(i.idOriginal) : QVariant());
    q().param(QStringLiteral("MOTIV_DUPLICAT"), textSauNull(i.motivDuplicat.left(300)));
    q().param(QStringLiteral("NR_APROBARE"), textSauNull(i.nrAprobare.left(50)));
    q().param(QStringLiteral("DATA_APROBARII"), textData(i.dataAprobarii));
    q().param(QStringLiteral("DATA_ANULARII"), textData(i.dataAnularii));
    q().param(QStringLiteral("MOTIV_ANULARE"), textSauNull(i.motivAnulare.left(300)));
    q().executa();
    return i;
}

// The numbers free in a series, in order (received, no entry holding them).
std::vector<int> numereLibere(const QString& seria) {
    q().seteazaSql(QStringLiteral(
        "SELECT f.NUMARUL FROM FORMULARE f WHERE f.SERIA = :S AND NOT EXISTS (SELECT 1 FROM REGISTRU r WHERE "
        "r.SERIA = f.SERIA AND r.NUMARUL = f.NUMARUL AND r.RESTITUIT = 0) ORDER BY f.NUMARUL"));
    q().param(QStringLiteral("S"), seria);
    q().deschide();
    InchideLaIesire inchide(q());
    std::vector<int> r;
    for (; !q().eof(); q().urmator())
        r.push_back(int(q().intreg(QStringLiteral("NUMARUL"))));
    return r;
}

// A printed front's entry, waiting for its check.
IntrareRegistru intrareTiparita(const ElevDeInregistrat& elev, const QString& seria, int numarul,
                                const std::optional<CerereDuplicat>& duplicat) {
    IntrareRegistru i;
    i.dataTiparirii = QDate::currentDate();
    i.idElev = elev.id;
    i.nume = elev.nume;
    i.cnp = elev.cnp;
    i.calificarea = elev.calificarea;
    i.seria = seria;
    i.numarul = numarul;
    i.stare = StareAct::Neconfirmat;
    if (duplicat) {
        i.idOriginal = duplicat->idOriginal;
        i.motivDuplicat = duplicat->motiv;
        i.nrAprobare = duplicat->nrAprobare;
        i.dataAprobarii = duplicat->dataAprobarii;
    }
    return i;
}

// Writes a printed front's entry and its journal line; the caller's transaction commits them.
IntrareRegistru scrieTiparita(const IntrareRegistru& i) {
    const IntrareRegistru scrisa = scrieIntrare(i);
    jurnalizeaza(scrisa.id, 0,
                 (i.idOriginal ? QStringLiteral("tiparit duplicat: ") : QStringLiteral("tiparit: ")) +
                     descriere(scrisa));
    return scrisa;
}

// An entry found never printed is history only: nothing changes it any more.
void refuzaNetiparita(const IntrareRegistru& i) {
    if (i.stare == StareAct::Netiparit)
        throw Eroare(
            QStringLiteral("Foaia inregistrarii nr. %1/%2 nu a iesit din imprimanta, iar formularul %3 "
                           "a ramas liber; inregistrarea nu se mai schimba. Alegeti inregistrarea "
                           "care foloseste acum formularul.")
                .arg(i.nr)
                .arg(i.an)
                .arg(formularIntrare(i)));
}

bool formularRefuzat(const Eroare& e) {
    return incalca(e, "UQ_REGISTRU_FORMULAR") || incalca(e, "FK_REGISTRU_FORMULAR");
}

// In the caller's transaction.
void confirmaIntrarea(qint64 id) {
    const IntrareRegistru i = intrareSigura(id);
    if (i.stare != StareAct::Neconfirmat) return;
    schimbaStarea(i, i.idOriginal ? StareAct::Duplicat : StareAct::Tiparit, {}, {},
                  QStringLiteral("confirmat"));
}

// In the caller's transaction.
void anuleazaIntrarea(qint64 id, const QString& motiv) {
    const IntrareRegistru i = intrareSigura(id);
    refuzaNetiparita(i);
    if (i.stare == StareAct::Anulat)
        throw Eroare(QStringLiteral("Formularul %1 este deja anulat.").arg(formularIntrare(i)));
    schimbaStarea(i, StareAct::Anulat,
                  QStringLiteral("MOTIV_ANULARE = :MOTIV, DATA_ANULARII = ") + dataParam("DATA"),
                  {{QStringLiteral("MOTIV"), motiv.trimmed().left(300)},
                   {QStringLiteral("DATA"), textData(QDate::currentDate())}},
                  QStringLiteral("anulat (%1)").arg(motiv.trimmed()));
}

} // namespace

QString textStare(StareAct stare) {
    for (const auto& [s, nume] : numeStari)
        if (s == stare) return QLatin1String(nume);
    return {};
}

StareAct stareDinText(const QString& text) {
    // The database compares strings blank-padded, so its check lets "tiparit " in (a CASE over
    // literals of different lengths pads them); the state is the same.
    const QString stare = text.trimmed();
    for (const auto& [s, nume] : numeStari)
        if (stare == QLatin1String(nume)) return s;
    throw Eroare(QStringLiteral("Starea \"%1\" nu este cunoscuta.").arg(text));
}

ElevDeInregistrat elevDinBaza(qint64 idElev) {
    return eleviDinBaza({int(idElev)}).front();
}

std::vector<ElevDeInregistrat> eleviDinBaza(const std::vector<int>& idElevi) {
    const CheieCamp nume{QStringLiteral("Vardolin"), QStringLiteral("FATA"), QStringLiteral("D_NUME")};
    const CheieCamp cnp{QStringLiteral("Vardolin"), QStringLiteral("FATA"), QStringLiteral("D_CNP")};
    const CheieCamp calificarea{QStringLiteral("Vardolin"), QStringLiteral("SPATE"),
                                QStringLiteral("D_CALIFICARE_PROFESIONALA")};
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    const ValoriInBloc valori = ValoriInBloc::citeste(idElevi, {nume, cnp, calificarea});
    std::vector<ElevDeInregistrat> elevi;
    for (const int id : idElevi)
        elevi.push_back({id, valori.valoare(id, nume).trimmed(), valori.valoare(id, cnp).trimmed(),
                         valori.valoare(id, calificarea).trimmed()});
    return elevi;
}

QString mentiuniIntrare(const IntrareRegistru& i) {
    QStringList m;
    if (i.idOriginal)
        m << QStringLiteral("duplicat al formularului seria %1 nr. %2%3%4")
                 .arg(i.seriaOriginal)
                 .arg(i.numarulOriginal)
                 .arg(i.motivDuplicat.isEmpty()
                          ? QString()
                          : QStringLiteral(" (") + i.motivDuplicat + QStringLiteral(")"))
                 .arg(i.nrAprobare.isEmpty()
                          ? QString()
                          : QStringLiteral(", aprobare nr. %1 din %2")
                                .arg(i.nrAprobare, i.dataAprobarii.toString(QStringLiteral("dd.MM.yyyy"))));
    if (!i.primitor.isEmpty())
        m << QStringLiteral("ridicat prin %1%2%3")
                 .arg(i.primitor)
                 .arg(i.actIdentitate.isEmpty() ? QString()
                                                : QStringLiteral(", act de identitate ") + i.actIdentitate)
                 .arg(i.procura.isEmpty() ? QString() : QStringLiteral(", procura ") + i.procura);
    if (i.stare == StareAct::Anulat) m << QStringLiteral("anulat: ") + i.motivAnulare;
    if (i.stare == StareAct::Netiparit)
        m << QStringLiteral("netiparit: formularul a ramas nefolosit, ") + i.motivAnulare;
    if (i.stare == StareAct::Neconfirmat) m << QStringLiteral("neconfirmat dupa tiparire");
    if (!i.mentiuni.isEmpty()) m << i.mentiuni;
    return m.join(QStringLiteral("; "));
}

QString formularIntrare(const IntrareRegistru& i) {
    return QStringLiteral("%1/%2").arg(i.seria).arg(i.numarul);
}

namespace Registru {

qint64 primesteFormulare(const PrimireFormulare& p) {
    const QString seria = normalizeazaSeria(p.seria);
    if (seria.isEmpty() || seria.size() > 20)
        throw Eroare(QStringLiteral("Scrieti seria formularelor (cel mult 20 de caractere)."));
    if (p.deLa <= 0 || p.panaLa < p.deLa || p.panaLa - p.deLa >= 100000)
        throw Eroare(
            QStringLiteral("Numerele formularelor primite trebuie sa fie de la un numar pozitiv pana la "
                           "unul cel putin egal cu el (cel mult 100000 de formulare odata)."));
    return inTranzactie([&] {
        q().seteazaSql(
            QStringLiteral("SELECT FIRST 1 NUMARUL FROM FORMULARE WHERE SERIA = :S AND NUMARUL BETWEEN "
                           ":A AND :B ORDER BY NUMARUL"));
        q().param(QStringLiteral("S"), seria);
        q().param(QStringLiteral("A"), p.deLa);
        q().param(QStringLiteral("B"), p.panaLa);
        q().deschide();
        if (!q().eof()) {
            const qint64 numarul = q().intreg(QStringLiteral("NUMARUL"));
            q().inchide();
            throw Eroare(QStringLiteral("Formularul seria %1 nr. %2 a fost deja primit; un formular se "
                                        "inregistreaza o singura data. Nimic nu a fost adaugat.")
                             .arg(seria)
                             .arg(numarul));
        }
        q().inchide();
        const qint64 id = valoareGenerator("G_ID_PRIMIRE");
        q().seteazaSql(QStringLiteral("INSERT INTO FORMULARE_PRIMITE (ID_PRIMIRE, SERIA, DE_LA, PANA_LA, "
                                      "DATA_PRIMIRII, DOCUMENT) VALUES (:ID, :S, :A, :B, ") +
                       dataParam("DATA") + QStringLiteral(", :DOC)"));
        q().param(QStringLiteral("ID"), id);
        q().param(QStringLiteral("S"), seria);
        q().param(QStringLiteral("A"), p.deLa);
        q().param(QStringLiteral("B"), p.panaLa);
        q().param(QStringLiteral("DATA"), textData(p.data.isValid() ? p.data : QDate::currentDate()));
        q().param(QStringLiteral("DOC"), textSauNull(p.document.left(200)));
        q().executa();
        q().seteazaSql(
            QStringLiteral("INSERT INTO FORMULARE (SERIA, NUMARUL, ID_PRIMIRE) VALUES (:S, :N, :ID)"));
        for (int n = p.deLa; n <= p.panaLa; ++n) {
            q().param(QStringLiteral("S"), seria);
            q().param(QStringLiteral("N"), n);
            q().param(QStringLiteral("ID"), id);
            try {
                q().executa();
            } catch (const Eroare& e) {
                if (!incalca(e, "PK_FORMULARE")) throw;
                throw Eroare(QStringLiteral("Formularul seria %1 nr. %2 a fost primit chiar acum de pe alt "
                                            "calculator. Nimic nu a fost adaugat.")
                                 .arg(seria)
                                 .arg(n));
            }
        }
        jurnalizeaza(0, id,
                     QStringLiteral("primire formulare: seria %1 nr. %2-%3, documentul %4")
                         .arg(seria)
                         .arg(p.deLa)
                         .arg(p.panaLa)
                         .arg(p.document.isEmpty() ? QStringLiteral("-") : p.document));
        return id;
    });
}

std::vector<PrimireFormulare> primiri() {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    q().seteazaSql(
        QStringLiteral("SELECT ID_PRIMIRE, SERIA, DE_LA, PANA_LA, CAST(DATA_PRIMIRII AS VARCHAR(10)) AS "
                       "DATA_PRIMIRII, DOCUMENT FROM FORMULARE_PRIMITE ORDER BY SERIA, DE_LA"));
    q().deschide();
    InchideLaIesire inchide(q());
    std::vector<PrimireFormulare> r;
    for (; !q().eof(); q().urmator())
        r.push_back({q().intreg(QStringLiteral("ID_PRIMIRE")), q().text(QStringLiteral("SERIA")),
                     int(q().intreg(QStringLiteral("DE_LA"))), int(q().intreg(QStringLiteral("PANA_LA"))),
                     dataCitita(QStringLiteral("DATA_PRIMIRII")), textCitit(QStringLiteral("DOCUMENT"))});
    return r;
}

QStringList serii() {
    QStringList r;
    for (const auto& p : primiri())
        if (!r.contains(p.seria)) r << p.seria;
    return r;
}

std::optional<int> numarPropus(const QString& seriaData) {
    const QString seria = normalizeazaSeria(seriaData);
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    // A form given back is still on the pile: the last one used is the last one an entry holds.
    q().seteazaSql(
        QStringLiteral("SELECT MAX(NUMARUL) AS N FROM REGISTRU WHERE SERIA = :S AND RESTITUIT = 0"));
    q().param(QStringLiteral("S"), seria);
    q().deschide();
    const int ultimul = q().esteNull(QStringLiteral("N")) ? 0 : int(q().intreg(QStringLiteral("N")));
    q().inchide();
    const std::vector<int> libere = numereLibere(seria);
    if (libere.empty()) return std::nullopt;
    const auto dupa = std::upper_bound(libere.begin(), libere.end(), ultimul);
    return dupa != libere.end() ? *dupa : libere.front();
}

void verificaTeancul(const QString& seriaData, int primul, bool crescator, int cate) {
    const QString seria = normalizeazaSeria(seriaData);
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    for (int k = 0; k < cate; ++k) {
        const int numarul = crescator ? primul + k : primul - k;
        const QString motiv = numarul <= 0 ? QStringLiteral("Numerele teancului ajung sub 1.")
                                           : motivFormularIndisponibil(seria, numarul);
        if (!motiv.isEmpty()) throw Eroare(motiv + propunere(seria));
    }
}

IntrareRegistru inregistreaza(const ElevDeInregistrat& elev, const QString& seriaData, int numarul,
                              const std::optional<CerereDuplicat>& duplicat) {
    const IntrareRegistru i = intrareTiparita(elev, normalizeazaSeria(seriaData), numarul, duplicat);
    try {
        return inTranzactie([&] { return scrieTiparita(i); });
    } catch (const Eroare& e) {
        if (!formularRefuzat(e)) throw;
        GardaTranzactie garda;
        throw Eroare(motivFormularIndisponibil(i.seria, numarul) + propunere(i.seria));
    }
}

void confirma(qint64 id) {
    inTranzactie([&] {
        refuzaNetiparita(intrareSigura(id));
        confirmaIntrarea(id);
    });
}

void confirmaToate(const std::vector<qint64>& idIntrari) {
    inTranzactie([&] {
        for (const qint64 id : idIntrari)
            confirmaIntrarea(id);
    });
}

void foaieNetiparita(qint64 id, const QString& motiv) {
    if (motiv.trimmed().isEmpty())
        throw Eroare(QStringLiteral("Scrieti de ce nu a iesit foaia din imprimanta."));
    inTranzactie([&] {
        const IntrareRegistru i = intrareSigura(id);
        refuzaNetiparita(i);
        if (i.stare != StareAct::Neconfirmat)
            throw Eroare(QStringLiteral("Formularul %1 este %2: doar o foaie inca neconfirmata dupa tiparire "
                                        "poate fi trecuta ca netiparita. Daca formularul nu mai este bun, "
                                        "anulati-l.")
                             .arg(formularIntrare(i), textStare(i.stare)));
        schimbaStarea(i, StareAct::Netiparit,
                      QStringLiteral("RESTITUIT = ID_REGISTRU, MOTIV_ANULARE = :MOTIV, DATA_ANULARII = ") +
                          dataParam("DATA"),
                      {{QStringLiteral("MOTIV"), motiv.trimmed().left(300)},
                       {QStringLiteral("DATA"), textData(QDate::currentDate())}},
                      QStringLiteral("netiparit, formularul ramane nefolosit (%1)").arg(motiv.trimmed()));
    });
}

void corecteazaNumarul(qint64 id, int numarNou) {
    try {
        inTranzactie([&] {
            const IntrareRegistru i = intrareSigura(id);
            refuzaNetiparita(i);
            if (i.stare != StareAct::Neconfirmat)
                throw Eroare(
                    QStringLiteral("Numarul se corecteaza doar la verificarea de dupa tiparire; "
                                   "formularul %1 a fost deja confirmat. Anulati-l si inregistrati altul.")
                        .arg(formularIntrare(i)));
            schimbaStarea(i, StareAct::Neconfirmat, QStringLiteral("NUMARUL = :NOU"),
                          {{QStringLiteral("NOU"), numarNou}},
                          QStringLiteral("numar corectat in %1").arg(numarNou));
        });
    } catch (const Eroare& e) {
        if (!incalca(e, "UQ_REGISTRU_FORMULAR") && !incalca(e, "FK_REGISTRU_FORMULAR")) throw;
        const IntrareRegistru i = intrareSigura(id);
        GardaTranzactie garda;
        throw Eroare(motivFormularIndisponibil(i.seria, numarNou));
    }
}

void anuleaza(qint64 id, const QString& motiv) {
    if (motiv.trimmed().isEmpty()) throw Eroare(QStringLiteral("Scrieti motivul anularii."));
    inTranzactie([&] { anuleazaIntrarea(id, motiv); });
}

qint64 anuleazaFormularul(const QString& seriaData, int numarul, const QString& motiv) {
    const QString seria = normalizeazaSeria(seriaData);
    if (const auto i = intrareDupaFormular(seria, numarul)) {
        anuleaza(i->id, motiv);
        return i->id;
    }
    if (motiv.trimmed().isEmpty()) throw Eroare(QStringLiteral("Scrieti motivul anularii."));
    IntrareRegistru i;
    i.dataTiparirii = QDate::currentDate();
    i.seria = seria;
    i.numarul = numarul;
    i.stare = StareAct::Anulat;
    i.dataAnularii = i.dataTiparirii;
    i.motivAnulare = motiv.trimmed();
    try {
        return inTranzactie([&] {
            const IntrareRegistru scrisa = scrieIntrare(i);
            jurnalizeaza(
                scrisa.id, 0,
                QStringLiteral("anulat formular netiparit (%1): %2").arg(i.motivAnulare, descriere(scrisa)));
            return scrisa.id;
        });
    } catch (const Eroare& e) {
        if (!incalca(e, "UQ_REGISTRU_FORMULAR") && !incalca(e, "FK_REGISTRU_FORMULAR")) throw;
        GardaTranzactie garda;
        throw Eroare(motivFormularIndisponibil(seria, numarul));
    }
}

void elibereaza(qint64 id, const Predare& p) {
    inTranzactie([&] {
        const IntrareRegistru i = intrareSigura(id);
        refuzaNetiparita(i);
        if (i.stare == StareAct::Anulat || i.stare == StareAct::Eliberat)
            throw Eroare(QStringLiteral("Formularul %1 este %2; nu se mai elibereaza.")
                             .arg(formularIntrare(i), textStare(i.stare)));
        schimbaStarea(i, StareAct::Eliberat,
                      QStringLiteral("DATA_ELIBERARII = ") + dataParam("DATA") +
                          QStringLiteral(
                              ", PRIMITOR = :PRIMITOR, ACT_IDENTITATE = :ACT, PROCURA = :PROCURA, MENTIUNI = "
                              ":MENTIUNI"),
                      {{QStringLiteral("DATA"), textData(p.data.isValid() ? p.data : QDate::currentDate())},
                       {QStringLiteral("PRIMITOR"), textSauNull(p.primitor.left(200))},
                       {QStringLiteral("ACT"), textSauNull(p.actIdentitate.left(100))},
                       {QStringLiteral("PROCURA"), textSauNull(p.procura.left(100))},
                       {QStringLiteral("MENTIUNI"), textSauNull(p.mentiuni.left(500))}},
                      p.primitor.trimmed().isEmpty()
                          ? QStringLiteral("eliberat absolventului")
                          : QStringLiteral("eliberat prin %1").arg(p.primitor.trimmed()));
    });
}

std::vector<IntrareRegistru> intrari(const FiltruRegistru& f) {
    QStringList conditii;
    QVariantMap p;
    if (f.an) {
        conditii << QStringLiteral("r.AN = :AN");
        p[QStringLiteral("AN")] = f.an;
    }
    if (f.stare) {
        conditii << QStringLiteral("r.STAREA = :STAREA");
        p[QStringLiteral("STAREA")] = textStare(*f.stare);
    }
    if (!f.nume.trimmed().isEmpty()) {
        conditii << QStringLiteral("UPPER(r.NUME) CONTAINING UPPER(:NUME)");
        p[QStringLiteral("NUME")] = f.nume.trimmed();
    }
    if (!f.cnp.trimmed().isEmpty()) {
        conditii << QStringLiteral("r.CNP STARTING WITH :CNP");
        p[QStringLiteral("CNP")] = f.cnp.trimmed();
    }
    if (!f.seria.trimmed().isEmpty()) {
        conditii << QStringLiteral("r.SERIA = :SERIA");
        p[QStringLiteral("SERIA")] = normalizeazaSeria(f.seria);
    }
    if (f.numarul) {
        conditii << QStringLiteral("r.NUMARUL = :NUMARUL");
        p[QStringLiteral("NUMARUL")] = f.numarul;
    }
    return intrariCu(conditii.join(QStringLiteral(" AND ")), p);
}

std::optional<IntrareRegistru> intrare(qint64 id) {
    const auto r = intrariCu(QStringLiteral("r.ID_REGISTRU = :ID"), {{QStringLiteral("ID"), id}});
    if (r.empty()) return std::nullopt;
    return r.front();
}

std::optional<IntrareRegistru> intrareDupaFormular(const QString& seria, int numarul) {
    return intrareCuFormularul(normalizeazaSeria(seria), numarul);
}

std::vector<IntrareRegistru> acteValabile(qint64 idElev) {
    return intrariCu(QStringLiteral("r.ID_ELEV = :ELEV AND r.STAREA NOT IN ('anulat', 'netiparit')"),
                     {{QStringLiteral("ELEV"), idElev}});
}

QString motivDejaTiparit(qint64 idElev) {
    const auto acte = acteValabile(idElev);
    if (acte.empty()) return {};
    const IntrareRegistru& i = acte.back();
    return QStringLiteral("are deja certificatul seria %1 nr. %2 (%3, registrul nr. %4/%5)")
        .arg(i.seria)
        .arg(i.numarul)
        .arg(textStare(i.stare))
        .arg(i.nr)
        .arg(i.an);
}

std::vector<LinieJurnal> jurnal() {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    q().seteazaSql(
        QStringLiteral("SELECT CAST(MOMENT AS VARCHAR(24)) AS MOMENT, UTILIZATOR, CALCULATOR, ID_REGISTRU, "
                       "ID_PRIMIRE, CE FROM JURNAL_REGISTRU ORDER BY ID_JURNAL"));
    q().deschide();
    InchideLaIesire inchide(q());
    std::vector<LinieJurnal> r;
    for (; !q().eof(); q().urmator())
        r.push_back(
            {q().text(QStringLiteral("MOMENT")), q().text(QStringLiteral("UTILIZATOR")),
             q().text(QStringLiteral("CALCULATOR")),
             q().esteNull(QStringLiteral("ID_REGISTRU")) ? 0 : q().intreg(QStringLiteral("ID_REGISTRU")),
             q().esteNull(QStringLiteral("ID_PRIMIRE")) ? 0 : q().intreg(QStringLiteral("ID_PRIMIRE")),
             q().text(QStringLiteral("CE"))});
    return r;
}

} // namespace Registru

AlegereTeanc propunereTeanc(bool imprimantaPdf) {
    AlegereTeanc a;
    a.proba = imprimantaPdf;
    const auto toate = Registru::intrari();
    QStringList serii = Registru::serii();
    if (!toate.empty()) {
        serii.removeAll(toate.back().seria);
        serii.prepend(toate.back().seria);
    }
    for (const QString& seria : serii)
        if (const auto numar = Registru::numarPropus(seria)) {
            a.seria = seria;
            a.primul = *numar;
            break;
        }
    if (a.seria.isEmpty()) a.proba = true;
    return a;
}

InregistrareTeanc::InregistrareTeanc(QString seria, int primul, bool crescator,
                                     std::optional<CerereDuplicat> duplicat)
    : seria_(normalizeazaSeria(seria)), urmator_(primul), pas_(crescator ? 1 : -1),
      duplicat_(std::move(duplicat)) {}

const IntrareRegistru& InregistrareTeanc::foaieTiparita(const ElevDeInregistrat& elev) {
    foiTiparite({elev});
    return intrari_.back();
}

void InregistrareTeanc::foiTiparite(const std::vector<ElevDeInregistrat>& foi, qint64 deAnulat) {
    if (foi.empty()) return;
    struct Scrise {
        int urmator;
        std::vector<IntrareRegistru> intrari;
        QStringList observatii;
    };
    // Begun again whole when another computer's entry got in the way.
    Scrise scrise = inTranzactie([&] {
        Scrise s{urmator_, {}, {}};
        for (const ElevDeInregistrat& elev : foi)
            s.intrari.push_back(scrieFoaia(elev, s.urmator, s.observatii));
        if (deAnulat)
            anuleazaIntrarea(
                deAnulat,
                QStringLiteral("retiparit pe formularul %1").arg(formularIntrare(s.intrari.back())));
        return s;
    });
    urmator_ = scrise.urmator;
    intrari_.insert(intrari_.end(), scrise.intrari.begin(), scrise.intrari.end());
    observatii_ << scrise.observatii;
}

IntrareRegistru InregistrareTeanc::scrieFoaia(const ElevDeInregistrat& elev, int& urmator,
                                              QStringList& observatii) const {
    for (;;) {
        const int numarul = urmator;
        if (numarul <= 0)
            throw Eroare(QStringLiteral("Numerele teancului seria %1 ajung sub 1.").arg(seria_));
        urmator += pas_;
        try {
            return scrieTiparita(intrareTiparita(elev, seria_, numarul, duplicat_));
        } catch (const Eroare& e) {
            // The failed statement alone is undone; the transaction goes on.
            if (!formularRefuzat(e)) throw;
            if (incalca(e, "FK_REGISTRU_FORMULAR"))
                throw Eroare(motivFormularIndisponibil(seria_, numarul) + propunere(seria_));
            // Only a number another computer took since the paper dialog is passed over: the
            // sheet is shown with the next one, to be checked against the paper.
            observatii << QStringLiteral("Formularul seria %1 nr. %2 era deja inregistrat; foaia lui %3 a "
                                         "primit numarul urmator. Verificati numarul de pe hartie.")
                              .arg(seria_)
                              .arg(numarul)
                              .arg(elev.nume);
        }
    }
}

void InregistrareTeanc::confirmaToate() const {
    std::vector<qint64> id;
    for (const auto& i : intrari_)
        id.push_back(i.id);
    Registru::confirmaToate(id);
}
