#include "entry/UCompleteazaFormular.h"

#include "data/UDm.h"
#include "data/UValoareCamp.h"
#include "data/ValoriInBloc.h"
#include "entry/Nota.h"
#include "platform/Eroare.h"

#include <QRegularExpression>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace {

// Messages name an area as its widget class did.
const QString clasaArie = QStringLiteral("TFormularTextArea");

// A key's whole number; none for an empty key. -1234 stands for "not a number" in the layouts'
// tradition, so it is refused as well.
std::optional<int> numarDinCheie(const QString& text, const char* tipar, const AriePagina& arie) {
    if (text.isEmpty()) return std::nullopt;
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n == -1234) throw Eroare::format(QString::fromUtf8(tipar), {arie.nume, clasaArie, text});
    return n;
}

// As the classic Copy: a start below 1 counts as 1, a start past the end or a length of 0 or
// less gives nothing, and the part is cut at the end of the value.
QString parte(const QString& valoare, int start, int lungime) {
    start = std::max(start, 1);
    if (start > valoare.size() || lungime <= 0) return {};
    return valoare.mid(start - 1, lungime);
}

TFelNota felulNotei(const AriePagina& arie) {
    const auto fel = FelNotaDupaNume(arie.Denumire3.trimmed().toUpper());
    if (!fel)
        throw Eroare::format(
            QStringLiteral(
                "%s.%s specifica un camp \"NOTA\" cu Denumire3 = \"%s\"; Denumire3 ar trebui sa fie "
                "NOTA_DIPLOMA, NOTA_COTOR, MEDIE_DIPLOMA sau MEDIE_COTOR!"),
            {arie.nume, clasaArie, arie.Denumire3});
    return *fel;
}

// The grade times 100 as the wording takes it (9,63 is 963.00); none for an empty value. A
// text that is not a grade (nine in letters, a typing slip) must not print as some other grade.
std::optional<Currency> valoareNota(const QString& valoare, const AriePagina& arie) {
    if (valoare.isEmpty()) return std::nullopt;
    static const QRegularExpression nota(QStringLiteral("^\\s*(\\d+([.,]\\d*)?)?\\s*$"));
    if (!nota.match(valoare).hasMatch())
        throw Eroare::format(QStringLiteral("Nota \"%s\" (campul %s) nu este un numar."),
                             {valoare, arie.Denumire1});
    return Currency::dinZeciMii(CitesteNota(valoare).zeciMii * 100);
}

bool cheieGoala(const CheieCamp& cheie) {
    return cheie.formular.isEmpty() && cheie.pagina.isEmpty() && cheie.camp.isEmpty();
}

// The database compares codes without their trailing blanks.
QString fara(const QString& text) {
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1) == u' ')
        --n;
    return text.left(n);
}

QString cheiaTipului(const QString& formular, const QString& pagina, const QString& camp) {
    return fara(formular) + u'\x1f' + fara(pagina) + u'\x1f' + fara(camp);
}

[[noreturn]] void campInexistent(const AriePagina& arie, const CheieCamp& cheie) {
    throw Eroare::format(QStringLiteral("%s.%s face referire la campul inexistent %s.%s.%s"),
                         {arie.nume, clasaArie, cheie.formular, cheie.pagina, cheie.camp});
}

// The upper-cased keys that pair grade areas, Denumire1 and Denumire3 of each area in order.
std::vector<std::pair<QString, QString>> cheiMari(const PaginaFormular& pagina) {
    std::vector<std::pair<QString, QString>> chei;
    chei.reserve(pagina.arii.size());
    for (const AriePagina& a : pagina.arii)
        chei.emplace_back(a.Denumire1.toUpper(), a.Denumire3.toUpper());
    return chei;
}

PerecheNota perecheaDupaChei(PaginaFormular& pagina, const std::vector<std::pair<QString, QString>>& chei,
                             const AriePagina& arie) {
    PerecheNota pereche;
    const std::pair<QString, QString> cheie(arie.Denumire1.toUpper(), arie.Denumire3.toUpper());
    for (size_t i = 0; i < pagina.arii.size(); ++i) {
        if (chei[i] != cheie) continue;
        AriePagina& alta = pagina.arii[i];
        if (!pereche.sus) {
            pereche.sus = &alta;
        } else if (alta.sus > pereche.sus->sus) {
            pereche.jos = &alta;
        } else {
            pereche.jos = pereche.sus;
            pereche.sus = &alta;
        }
    }
    return pereche;
}

// What a filling reads once: the field types, and the grade settings when a grade needs them.
struct Umplere {
    const SursaValori& valori;
    const TipuriCampuri& tipuri;
    const SetariNote* setariDate = nullptr;
    std::optional<SetariNote> setariCitite;
    std::vector<std::pair<QString, QString>> chei;

    const SetariNote& setari() {
        if (setariDate) return *setariDate;
        if (!setariCitite) setariCitite = SetariNote::citeste();
        return *setariCitite;
    }

    void umple(PaginaFormular& pagina) {
        // Every area first shows its number, then the filling writes over each in turn.
        pagina.NumeroteazaAriile();
        chei = cheiMari(pagina);
        for (AriePagina& arie : pagina.arii)
            umpleArie(pagina, arie);
    }

    void umpleArie(PaginaFormular& pagina, AriePagina& arie) {
        arie.text.clear();
        const QString valoare = valori(DesparteCheie(arie.Denumire1));
        if (tipuri.tipul(arie) != u"NOTA") {
            arie.text = ParteDinValoare(valoare, arie);
            return;
        }
        const TFelNota fel = felulNotei(arie);
        const PerecheNota pereche = perecheaDupaChei(pagina, chei, arie);
        ScrieNota(pereche.sus, pereche.jos, valoareNota(valoare, arie), fel, setari());
    }
};

} // namespace

TipuriCampuri TipuriCampuri::citeste() {
    TipuriCampuri t;
    FbInterogare& q = Q1();
    InchideLaIesire inchide(q);
    q.seteazaSql(
        QStringLiteral("SELECT COD_FORMULAR, COD_PAGINA, COD_CAMP, TIP_DE_DATE FROM PROFIL_DIPLOMA"));
    for (q.deschide(); !q.eof(); q.urmator())
        t.tipuri_.insert(cheiaTipului(q.text(QStringLiteral("COD_FORMULAR")),
                                      q.text(QStringLiteral("COD_PAGINA")),
                                      q.text(QStringLiteral("COD_CAMP"))),
                         q.text(QStringLiteral("TIP_DE_DATE")));
    return t;
}

QString TipuriCampuri::tipul(const AriePagina& arie) const {
    const CheieCamp cheie = DesparteCheie(arie.Denumire1);
    if (cheieGoala(cheie)) return QStringLiteral("X");
    const auto gasit = tipuri_.constFind(cheiaTipului(cheie.formular, cheie.pagina, cheie.camp));
    if (gasit == tipuri_.constEnd()) campInexistent(arie, cheie);
    return *gasit;
}

QString ParteDinValoare(const QString& valoare, const AriePagina& arie) {
    const auto start = numarDinCheie(arie.Denumire2, "%s.%s are denumire2=\"%s\" (adica nu un numar)", arie);
    const auto lungime =
        numarDinCheie(arie.Denumire3, "%s.%s are Denumire3=\"%s\" (adica nu un numar)", arie);
    if (!start) return valoare;
    return parte(valoare, *start, lungime.value_or(1));
}

PerecheNota PerecheaNotei(PaginaFormular& pagina, const AriePagina& arie) {
    return perecheaDupaChei(pagina, cheiMari(pagina), arie);
}

void UmplePagina(PaginaFormular& pagina, const SursaValori& valoare, const TipuriCampuri& tipuri,
                 const SetariNote& setari) {
    Umplere{valoare, tipuri, &setari, std::nullopt, {}}.umple(pagina);
}

void UmplePagina(PaginaFormular& pagina, const SursaValori& valoare) {
    const TipuriCampuri tipuri = TipuriCampuri::citeste();
    Umplere{valoare, tipuri, nullptr, std::nullopt, {}}.umple(pagina);
}

std::vector<CheieCamp> CheileCampurilor(const PaginaFormular& pagina) {
    std::vector<CheieCamp> chei;
    std::set<QString> vazute;
    for (const AriePagina& arie : pagina.arii) {
        const CheieCamp cheie = DesparteCheie(arie.Denumire1);
        if (cheieGoala(cheie)) continue;
        if (vazute.insert(cheie.formular + u'.' + cheie.pagina + u'.' + cheie.camp).second)
            chei.push_back(cheie);
    }
    return chei;
}

SursaValori SursaDinBloc(const ValoriInBloc& valori, int idElev) {
    return [&valori, idElev](const CheieCamp& cheie) {
        // An area without a key shows what resolving the empty key gives; it is never read in bulk.
        if (cheieGoala(cheie)) return ValoareCamp(cheie.formular, cheie.pagina, cheie.camp, idElev);
        return valori.valoare(idElev, cheie);
    };
}

void UmplePagina(PaginaFormular& pagina, int idElev) {
    // The page's values in a few statements, as a batch reads them.
    const ValoriInBloc valori = ValoriInBloc::citeste({idElev}, CheileCampurilor(pagina));
    UmplePagina(pagina, SursaDinBloc(valori, idElev));
}
