#include "import/PreluareExcel.h"

#include "data/StocElevi.h"
#include "data/UDm.h"
#include "data/UProfilDiploma.h"
#include "data/UTabele.h"
#include "data/UValoareCamp.h"
#include "entry/Cnp.h"
#include "import/CitireFoaie.h"
#include "import/JurnalPreluari.h"
#include "platform/Eroare.h"

#include <QElapsedTimer>
#include <QHash>
#include <QSet>
#include <algorithm>

namespace {

// VALOARE_TEXT holds at most this many characters; the editors cut text there too.
constexpr int LungimeValoare = 256;

// Closes a shared query on the way out, also after a failure.
struct Inchide {
    FbInterogare& q;
    ~Inchide() { q.inchide(); }
};

// The CNP line not similar to another (the one the editors fill), else the first one.
} // namespace

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

namespace {

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

// A code typed with a digit too many or too few; a count or a total has fewer digits.
bool pareCod(const QString& text) {
    return std::count_if(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }) >= 7;
}

// The columns whose cells name the student: the fields labelled "Nume", else the first two read
// from a column.
QStringList coloaneDeNume(const std::vector<TCampPreluat>& campuri) {
    QStringList nume, toate;
    for (const TCampPreluat& c : campuri) {
        if (c.NuImport || !c.FolosesteColoana() || toate.contains(c.Coloana)) continue;
        toate << c.Coloana;
        if (c.Eticheta.contains(QStringLiteral("nume"), Qt::CaseInsensitive)) nume << c.Coloana;
    }
    return nume.isEmpty() ? toate.mid(0, 2) : nume;
}

// A row the filter dropped is a student's when its code cell holds a code's digits, or is empty while the
// name cells are filled (a title or a header has neither).
std::vector<TRandSemnalat> CnpuriGresite(const TListaColoaneExcel& lista, const QString& coloanaCnp,
                                         const std::vector<TCampPreluat>& campuri,
                                         std::vector<int>& faraCod) {
    int indiceCnp = -1;
    std::vector<int> indiciNume;
    const QStringList nume = coloaneDeNume(campuri);
    for (int c = 0; c < lista.Count(); ++c) {
        if (lista.Items(c).Litere == coloanaCnp) indiceCnp = c;
        if (nume.contains(lista.Items(c).Litere)) indiciNume.push_back(c);
    }
    std::vector<TRandSemnalat> gresite;
    QSet<int> scoase;
    for (const auto& rand : lista.RanduriDeVerificat) {
        const QString cod = rand.Texte.value(indiceCnp);
        QStringList numele;
        for (int c : indiciNume)
            if (!rand.Texte.value(c).isEmpty()) numele << rand.Texte.value(c);
        const bool alElevului = pareCod(cod) || (cod.isEmpty() && !indiciNume.empty() &&
                                                 numele.size() == qsizetype(indiciNume.size()));
        if (!alElevului) continue;
        gresite.push_back(
            {rand.RandFoaie,
             QStringLiteral("in coloana %1 scrie \"%2\"; %3").arg(coloanaCnp, cod, numele.join(u' '))});
        scoase.insert(rand.RandFoaie);
    }
    std::erase_if(faraCod, [&](int r) { return scoase.contains(r); });
    return gresite;
}

// The rows go in groups, each one transaction: a commit with forced writes costs the engine
// tens of page writes, once per group instead of once per row. A savepoint per row keeps a
// failing row from taking the group with it. A crash loses at most the uncommitted group, which
// running the import again writes anew (students are found by their CNP).
class GrupDeRanduri {
public:
    static constexpr qint64 MilisecundePeGrup = 1000;

    // A caller that already holds the transaction keeps it: nothing is committed here. `laCommit`
    // runs in each group's transaction just before its commit (and once at the end).
    GrupDeRanduri(int marime, std::function<void()> laCommit)
        : marime_(marime), proprie_(!Tr().activa()), laCommit_(std::move(laCommit)) {}
    ~GrupDeRanduri() {
        if (!proprie_ || !Tr().activa()) return;
        try {
            Tr().rollback();
        } catch (...) {
            // unwinding: the engine drops it with the connection
        }
    }
    GrupDeRanduri(const GrupDeRanduri&) = delete;
    GrupDeRanduri& operator=(const GrupDeRanduri&) = delete;

    void incepeRand() {
        if (!Tr().activa()) {
            Tr().start();
            ceas_.start();
            randuri_ = 0;
        }
        executa(QStringLiteral("SAVEPOINT RAND_PRELUAT"));
    }
    // True when the row's group was committed with it.
    bool randScris() {
        executa(QStringLiteral("RELEASE SAVEPOINT RAND_PRELUAT ONLY"));
        ++randuri_;
        if (!proprie_ || (randuri_ < marime_ && ceas_.elapsed() < MilisecundePeGrup)) return false;
        laCommit_();
        Tr().commit();
        return true;
    }
    void randRefuzat() {
        if (Tr().activa()) executa(QStringLiteral("ROLLBACK TO SAVEPOINT RAND_PRELUAT"));
    }
    // Commits what is left, with the last call of `laCommit`.
    void termina() {
        if (proprie_ && !Tr().activa()) Tr().start();
        laCommit_();
        if (proprie_) Tr().commit();
    }

private:
    static void executa(const QString& sql) {
        Q4().seteazaSql(sql);
        Q4().executa();
    }

    int marime_;
    bool proprie_;
    std::function<void()> laCommit_;
    QElapsedTimer ceas_;
    int randuri_ = 0;
};

// Students written in the group not yet committed: counted once the group is.
struct InAsteptare {
    int adaugati = 0, actualizati = 0;
    std::optional<int> primulRand;
    void scris(bool nou, int randFoaie) {
        (nou ? adaugati : actualizati) += 1;
        if (!primulRand) primulRand = randFoaie;
    }
    void salvat(TRezumatPreluare& r) {
        r.Adaugati += adaugati;
        r.Actualizati += actualizati;
        *this = {};
    }
};

QString textEroare(const std::exception& e) {
    const auto* eroare = dynamic_cast<const Eroare*>(&e);
    return eroare ? eroare->text() : QString::fromLocal8Bit(e.what());
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

TPrevizualizare Previzualizeaza(const TListaColoaneExcel& lista, const QString& coloanaCnp) {
    TPrevizualizare p;
    const TColoanaExcel* coloana = lista.Coloana(coloanaCnp);
    p.Randuri = lista.NrRanduri();
    if (!coloana) return p;
    const QHash<QString, int> stocate = CnpuriStocate(CheiaCnp());
    QSet<QString> vazute;
    for (const QString& cnp : coloana->Texte) {
        if (!EsteCodDe13Cifre(cnp))
            ++p.FaraCod;
        else if (stocate.contains(cnp) || vazute.contains(cnp))
            ++p.Actualizati;
        else
            ++p.Noi, vazute.insert(cnp);
    }
    return p;
}

void VerificaColoana(const TListaColoaneExcel& lista, const QString& litere, const QString& pentru) {
    if (lista.Coloana(litere)) return;
    const QString ultima = lista.Count() ? lista.Items(lista.Count() - 1).Litere : QStringLiteral("A");
    throw Eroare(QStringLiteral("Coloana %1 aleasa pentru %2 nu exista in aceasta foaie (foaia are coloanele "
                                "A-%3). Alegeti alta coloana.")
                     .arg(litere.isEmpty() ? QStringLiteral("\"\"") : litere, pentru, ultima));
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

namespace {

// Writes one kept row's student, new or stored, and notes in the journal what undoing it takes.
class ScriitorElevi {
public:
    ScriitorElevi(const TListaColoaneExcel& lista, const std::vector<TCampPreluat>& campuri,
                  TJurnalPreluare& jurnal, TRezumatPreluare& rezumat)
        : lista_(lista), cheieCnp_(CheiaCnp()), cnpuri_(CnpuriStocate(cheieCnp_)),
          legate_(TabeleLegateDeElevi()), jurnal_(jurnal), rezumat_(rezumat) {
        for (const TCampPreluat& camp : campuri)
            if (!camp.NuImport) deScris_.emplace_back(&camp, DesparteCheie(camp.Cheie));
    }

    // True when the row made a new student.
    bool scrie(int i, int randFoaie, const QString& cnp) {
        const auto gasit = cnpuri_.constFind(cnp);
        const bool nou = gasit == cnpuri_.constEnd();
        const int id = nou ? StocElevi::ElevNou(legate_) : *gasit;
        QHash<QString, QString> texte;
        if (nou) {
            StocElevi::RescrieTextul(id, cheieCnp_, cnp);
            texte.insert(StocElevi::TextCheie(cheieCnp_), cnp);
        } else {
            texte = StocElevi::TexteStocate(id);
        }
        // a student this import made is undone whole: its values need no old texts
        const bool alAcesteiPreluari = nou || creati_.contains(id);
        for (const auto& [camp, cheie] : deScris_) {
            const QString valoare = valoareaTaiata(*camp, i, randFoaie, cnp);
            const QString textCheie = StocElevi::TextCheie(cheie);
            const auto vechi = texte.constFind(textCheie);
            const bool lipsea = !nou && vechi == texte.constEnd();
            if (!nou && !lipsea && *vechi == valoare) continue;
            if (lipsea) StocElevi::AdaugaRandGol(id, cheie);
            StocElevi::RescrieTextul(id, cheie, valoare);
            if (!alAcesteiPreluari)
                jurnal_.ValoareSchimbata(id, cheie, lipsea ? std::nullopt : std::optional<QString>(*vechi),
                                         valoare);
            texte.insert(textCheie, valoare);
        }
        if (alAcesteiPreluari) jurnal_.ElevCreat(id, AmprentaTextelor(texte));
        if (nou) cnpuri_.insert(cnp, id), creati_.insert(id);
        return nou;
    }

private:
    QString valoareaTaiata(const TCampPreluat& camp, int i, int randFoaie, const QString& cnp) {
        const QString valoare = *ValoareaCampului(camp, lista_, i, cnp);
        if (valoare.size() > LungimeValoare)
            rezumat_.Trunchiate.push_back(
                {randFoaie, QStringLiteral("campul \"%1\" are %2 caractere; s-au pastrat primele %3")
                                .arg(camp.Eticheta)
                                .arg(valoare.size())
                                .arg(LungimeValoare)});
        return valoare.left(LungimeValoare);
    }

    const TListaColoaneExcel& lista_;
    const CheieCamp cheieCnp_;
    QHash<QString, int> cnpuri_;
    const QStringList legate_;
    std::vector<std::pair<const TCampPreluat*, CheieCamp>> deScris_;
    QSet<int> creati_;
    TJurnalPreluare& jurnal_;
    TRezumatPreluare& rezumat_;
};

QString stareaFinala(const TRezumatPreluare& r) {
    return r.Oprita              ? StarePreluare::Oprita
           : !r.Eroare.isEmpty() ? StarePreluare::Intrerupta
                                 : StarePreluare::Incheiata;
}

} // namespace

TRezumatPreluare TPreluareExcel::Executa(const TListaColoaneExcel& lista, const QString& coloanaCnp,
                                         const std::vector<TCampPreluat>& campuri) {
    CheiaCnp(); // a profile without a CNP line fails first
    VerificaColoana(lista, coloanaCnp, QStringLiteral("CNP"));
    const TColoanaExcel* coloana = lista.Coloana(coloanaCnp);
    for (const TCampPreluat& camp : campuri)
        if (!camp.NuImport && camp.FolosesteColoana())
            VerificaColoana(lista, camp.Coloana, QStringLiteral("campul \"%1\"").arg(camp.Eticheta));

    TRezumatPreluare rezumat;
    TJurnalPreluare jurnal(Fisier, Foaie, lista.NrRanduri());
    rezumat.IdJurnal = jurnal.Id();
    ScriitorElevi scriitor(lista, campuri, jurnal, rezumat);
    InAsteptare asteptare;
    QString stare = StarePreluare::InCurs;
    // each group's commit carries the counts it makes true, so a crash leaves them right
    GrupDeRanduri grup(RanduriPeGrup, [&] {
        jurnal.Numara(rezumat.Adaugati + asteptare.adaugati, rezumat.Actualizati + asteptare.actualizati,
                      stare);
    });
    rezumat.Randuri = lista.NrRanduri();
    rezumat.FaraCod = lista.RanduriFaraCod;
    rezumat.CnpGresit = CnpuriGresite(lista, coloanaCnp, campuri, rezumat.FaraCod);
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
            grup.incepeRand();
            asteptare.scris(scriitor.scrie(i, randFoaie, cnp), randFoaie);
            if (grup.randScris()) asteptare.salvat(rezumat);
        } catch (const std::exception& e) {
            try {
                grup.randRefuzat();
            } catch (const std::exception&) {
                // the group's commit below reports what still fails
            }
            rezumat.Eroare = textEroare(e);
            rezumat.OpritLa = randFoaie;
            break;
        }
        if (!CnpValid(cnp))
            rezumat.CnpEronat.push_back(
                {randFoaie, QStringLiteral("CNP-ul %1 nu trece verificarea").arg(cnp)});
    }
    try {
        stare = stareaFinala(rezumat);
        grup.termina();
        asteptare.salvat(rezumat);
    } catch (const std::exception& e) {
        // the whole last group is lost: the summary starts the loss at its first row
        rezumat.Eroare = textEroare(e);
        rezumat.OpritLa = asteptare.primulRand ? asteptare.primulRand : rezumat.OpritLa;
    }
    return rezumat;
}

namespace {

// One line per reason, its rows as ranges: a wrong column on a whole sheet is one line.
void randuriPeMotive(QStringList& r, const std::vector<TRandSemnalat>& semnalate) {
    QStringList motive;
    QHash<QString, std::vector<int>> randuri;
    for (const TRandSemnalat& s : semnalate) {
        if (!randuri.contains(s.Motiv)) motive << s.Motiv;
        randuri[s.Motiv].push_back(s.RandFoaie);
    }
    for (const QString& motiv : motive) {
        const std::vector<int>& lista = randuri[motiv];
        r << QStringLiteral("  %1 %2: %3")
                 .arg(lista.size() == 1 ? QStringLiteral("randul") : QStringLiteral("randurile"),
                      listaRanduri(lista), motiv);
    }
}

void randuriPeRand(QStringList& r, const std::vector<TRandSemnalat>& semnalate) {
    for (const TRandSemnalat& s : semnalate)
        r << QStringLiteral("  randul %1: %2").arg(s.RandFoaie).arg(s.Motiv);
}

} // namespace

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
    randuriPeMotive(r, Sarite);
    if (!CnpGresit.empty()) {
        r << QStringLiteral("Randuri cu CNP gresit, nepreluate (corectati-le si reluati preluarea): %1")
                 .arg(CnpGresit.size());
        randuriPeRand(r, CnpGresit);
    }
    if (!CnpEronat.empty()) {
        r << QStringLiteral("Preluate, dar cu CNP eronat: %1").arg(CnpEronat.size());
        randuriPeRand(r, CnpEronat);
    }
    if (!Trunchiate.empty()) {
        r << QStringLiteral("Texte prea lungi, taiate: %1").arg(Trunchiate.size());
        randuriPeRand(r, Trunchiate);
    }
    if (!FaraCod.empty())
        r << QStringLiteral(
                 "Randuri fara niciun cod de 13 cifre, neluate in seama (titluri, antete, note): %1")
                 .arg(listaRanduri(FaraCod));
    return r.join(u'\n');
}
