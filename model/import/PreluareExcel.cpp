#include "import/PreluareExcel.h"

#include "data/StocElevi.h"
#include "data/UDm.h"
#include "data/UProfilDiploma.h"
#include "data/UTabele.h"
#include "data/UValoareCamp.h"
#include "entry/Cnp.h"
#include "import/CitireFoaie.h"
#include "platform/Eroare.h"

#include <QHash>
#include <QSet>

namespace {

// VALOARE_TEXT holds at most this many characters; the editors cut text there too.
constexpr int LungimeValoare = 256;

// Closes a shared query on the way out, also after a failure.
struct Inchide {
    FbInterogare& q;
    ~Inchide() { q.inchide(); }
};

// The CNP line not similar to another (the one the editors fill), else the first one.
CheieCamp CheiaCnp() {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    Inchide inchide{Q1()};
    Q1().seteazaSql(QStringLiteral("SELECT * FROM PROFIL_DIPLOMA WHERE TIP_DE_DATE = 'CNP'"));
    Q1().deschide();
    if (Q1().eof()) throw Eroare(QStringLiteral("NU exista CNP in profil diploma!"));
    std::optional<CheieCamp> prima;
    for (; !Q1().eof(); Q1().urmator()) {
        const CheieCamp cheie{Q1().text(QStringLiteral("COD_FORMULAR")),
                              Q1().text(QStringLiteral("COD_PAGINA")), Q1().text(QStringLiteral("COD_CAMP"))};
        if (Q1().text(QStringLiteral("SIMILAR_CU")).trimmed().isEmpty()) return cheie;
        if (!prima) prima = cheie;
    }
    return *prima;
}

QString textCheie(const QString& f, const QString& p, const QString& c) {
    return f + u'.' + p + u'.' + c;
}

// Every stored CNP with its student; with several students of one code, the lowest id. Sorted
// on an expression: ordered by the column, the engine walks its index through every value row.
QHash<QString, int> CnpuriStocate(const CheieCamp& cnp) {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    Inchide inchide{Q1()};
    Q1().seteazaSql(
        QStringLiteral("SELECT ID_ELEVI, VALOARE_TEXT FROM \"DATE\" WHERE (COD_FORMULAR=:FORMULAR) AND "
                       "(COD_PAGINA=:PAGINA) AND (COD_CAMP=:CAMP) AND ID_ELEVI IS NOT NULL "
                       "ORDER BY ID_ELEVI + 0"));
    Q1().param(QStringLiteral("FORMULAR"), cnp.formular);
    Q1().param(QStringLiteral("PAGINA"), cnp.pagina);
    Q1().param(QStringLiteral("CAMP"), cnp.camp);
    Q1().deschide();
    QHash<QString, int> cnpuri;
    for (; !Q1().eof(); Q1().urmator()) {
        const QString cod = Q1().text(QStringLiteral("VALOARE_TEXT"));
        if (!cnpuri.contains(cod)) cnpuri.insert(cod, int(Q1().intreg(QStringLiteral("ID_ELEVI"))));
    }
    return cnpuri;
}

QString listaRanduri(const std::vector<int>& randuri) {
    QStringList parti;
    for (size_t i = 0; i < randuri.size();) {
        size_t j = i;
        while (j + 1 < randuri.size() && randuri[j + 1] == randuri[j] + 1)
            ++j;
        parti << (j == i ? QString::number(randuri[i])
                         : QStringLiteral("%1-%2").arg(randuri[i]).arg(randuri[j]));
        i = j + 1;
    }
    return parti.join(QStringLiteral(", "));
}

} // namespace

QString TCampPreluat::CodFormular() const {
    return DesparteCheie(Cheie).formular;
}

QString EtichetaCurata(const QString& eticheta) {
    QString rezultat;
    int adancime = 1;
    for (const QChar c : eticheta) {
        if (c == u'[' || c == u'{')
            ++adancime;
        else if (c == u']' || c == u'}')
            --adancime;
        else if (adancime == 1)
            rezultat += c;
    }
    return rezultat;
}

std::vector<TCampPreluat> CampuriDePreluat() {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    Inchide inchide{Q1()};
    Q1().seteazaSql(
        QStringLiteral("SELECT * FROM PROFIL_DIPLOMA WHERE (ASOCIAT_CU = 'ELEVI') AND (SIMILAR_CU = '') "
                       "ORDER BY ORDINE"));
    Q1().deschide();
    std::vector<TCampPreluat> campuri;
    for (; !Q1().eof(); Q1().urmator()) {
        if (Q1().text(QStringLiteral("TIP_DE_DATE")).trimmed() == u"CNP") continue;
        TCampPreluat camp;
        camp.Cheie = textCheie(Q1().text(QStringLiteral("COD_FORMULAR")).trimmed(),
                               Q1().text(QStringLiteral("COD_PAGINA")).trimmed(),
                               Q1().text(QStringLiteral("COD_CAMP")).trimmed());
        camp.Eticheta = EtichetaCurata(Q1().text(QStringLiteral("ETICHETA_EDITOR")));
        campuri.push_back(camp);
    }
    return campuri;
}

namespace {
// 1 and 2 for those born in 1900-1999; 3/4, 5/6 and 7/8 for 1800-1899, 2000-2099 and residents:
// boys odd, girls even. Today's graduates begin with 5 or 6.
bool EsteBaiat(const QString& cnp) {
    static const QString Baieti = QStringLiteral("1357");
    return !cnp.isEmpty() && Baieti.contains(cnp.front());
}
} // namespace

QString PrimaParte(const QString& text) {
    const QString t = text.trimmed();
    const qsizetype blanc = t.indexOf(u' ');
    return blanc < 0 ? t : t.left(blanc).trimmed();
}

QString ADouaParte(const QString& text) {
    const QString t = text.trimmed();
    const qsizetype blanc = t.indexOf(u' ');
    return blanc < 0 ? QString() : t.mid(blanc + 1).trimmed();
}

std::optional<QString> ValoareaCampului(const TCampPreluat& camp, const TListaColoaneExcel& lista, int rand,
                                        const QString& cnp) {
    if (camp.NuImport) return std::nullopt;
    QString text;
    if (camp.FolosesteColoana())
        if (const TColoanaExcel* coloana = lista.Coloana(camp.Coloana)) text = coloana->Texte.value(rand);
    switch (camp.Mod) {
    case mgDinColoana:
        return text;
    case mgPrimaParte:
        return PrimaParte(text);
    case mgADouaParte:
        return ADouaParte(text);
    case mgConstanta:
        return camp.Constanta;
    case mgDinCnp:
        return EsteBaiat(cnp) ? camp.TextBaieti : camp.TextFete;
    default:
        return QString();
    }
}

TRezumatPreluare TPreluareExcel::Executa(const TListaColoaneExcel& lista, const QString& coloanaCnp,
                                         const std::vector<TCampPreluat>& campuri) {
    const CheieCamp cheieCnp = CheiaCnp();
    const TColoanaExcel* coloana = lista.Coloana(coloanaCnp);
    if (!coloana) throw Eroare(QStringLiteral("UPS: nu pot identifica CNP-ul"));

    QHash<QString, int> cnpuri = CnpuriStocate(cheieCnp);
    const QStringList legate = TabeleLegateDeElevi();
    std::vector<std::pair<const TCampPreluat*, CheieCamp>> deScris;
    for (const TCampPreluat& camp : campuri)
        if (!camp.NuImport) deScris.emplace_back(&camp, DesparteCheie(camp.Cheie));

    TRezumatPreluare rezumat;
    rezumat.Randuri = lista.NrRanduri();
    rezumat.FaraCod = lista.RanduriFaraCod;
    const int n = lista.NrRanduri();
    for (int i = 0; i < n; ++i) {
        const int randFoaie = lista.RanduriFoaie[size_t(i)];
        if (Progres && !Progres(i, n)) {
            rezumat.Oprita = true;
            rezumat.OpritLa = randFoaie;
            break;
        }
        const QString cnp = coloana->Texte.value(i);
        if (!EsteCodDe13Cifre(cnp)) {
            rezumat.Sarite.push_back(
                {randFoaie, QStringLiteral("coloana CNP nu contine un cod de 13 cifre")});
            continue;
        }
        try {
            GardaTranzactie garda(GardaTranzactie::Imbricata);
            const auto gasit = cnpuri.constFind(cnp);
            const bool nou = gasit == cnpuri.constEnd();
            const int id = nou ? StocElevi::ElevNou(legate) : *gasit;
            if (nou) StocElevi::RescrieTextul(id, cheieCnp, cnp);
            const QSet<QString> existente = nou ? QSet<QString>() : StocElevi::CheiStocate(id);
            for (const auto& [camp, cheie] : deScris) {
                if (!nou && !existente.contains(StocElevi::TextCheie(cheie)))
                    StocElevi::AdaugaRandGol(id, cheie);
                StocElevi::RescrieTextul(id, cheie,
                                         ValoareaCampului(*camp, lista, i, cnp)->left(LungimeValoare));
            }
            garda.Commit();
            if (nou) {
                cnpuri.insert(cnp, id);
                ++rezumat.Adaugati;
            } else {
                ++rezumat.Actualizati;
            }
        } catch (const std::exception& e) {
            const auto* eroare = dynamic_cast<const Eroare*>(&e);
            rezumat.Eroare = eroare ? eroare->text() : QString::fromLocal8Bit(e.what());
            rezumat.OpritLa = randFoaie;
            break;
        }
        if (!CnpValid(cnp))
            rezumat.CnpEronat.push_back(
                {randFoaie, QStringLiteral("CNP-ul %1 nu trece verificarea").arg(cnp)});
    }
    return rezumat;
}

QString TRezumatPreluare::Text() const {
    QStringList r;
    if (OpritLa)
        r << (Oprita
                  ? QStringLiteral("Preluarea a fost oprita la randul %1 din foaie; randurile de dinainte au "
                                   "fost salvate.")
                  : QStringLiteral("Preluarea s-a intrerupt la randul %1 din foaie; randurile de dinainte au "
                                   "fost salvate."))
                 .arg(*OpritLa);
    r << QStringLiteral("Elevi adaugati: %1").arg(Adaugati);
    r << QStringLiteral("Elevi actualizati: %1").arg(Actualizati);
    r << QStringLiteral("Randuri sarite: %1").arg(Sarite.size());
    for (const TRandSemnalat& s : Sarite)
        r << QStringLiteral("  randul %1: %2").arg(s.RandFoaie).arg(s.Motiv);
    if (!CnpEronat.empty()) {
        r << QStringLiteral("Preluate, dar cu CNP eronat: %1").arg(CnpEronat.size());
        for (const TRandSemnalat& s : CnpEronat)
            r << QStringLiteral("  randul %1: %2").arg(s.RandFoaie).arg(s.Motiv);
    }
    if (!FaraCod.empty())
        r << QStringLiteral(
                 "Randuri fara niciun cod de 13 cifre, neluate in seama (titluri, antete, note): %1")
                 .arg(listaRanduri(FaraCod));
    return r.join(u'\n');
}
