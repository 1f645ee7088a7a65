#include "import/CitireFoaie.h"

#include "platform/Eroare.h"
#include "platform/FoaieDeCalcul.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <optional>

namespace {

bool areText(const FoaieDeCalcul& foaie, int rand, int coloana) {
    return !TextCelula(foaie, rand, coloana).isEmpty();
}

// Rows 2, 4, ..., 20 only: a title or a lone note in odd rows does not make a column count.
bool coloanaFolosita(const FoaieDeCalcul& foaie, int coloana) {
    for (int rand = 2; rand <= 20; rand += 2)
        if (areText(foaie, rand, coloana)) return true;
    return false;
}

bool randFolosit(const FoaieDeCalcul& foaie, int rand) {
    for (int coloana = 0; coloana < 8; ++coloana)
        if (areText(foaie, rand, coloana)) return true;
    return false;
}

} // namespace

TColoanaExcel& TListaColoaneExcel::Adauga(const QString& litere) {
    coloane_.push_back(std::make_unique<TColoanaExcel>(TColoanaExcel{litere, {}}));
    return *coloane_.back();
}

void TListaColoaneExcel::Clear() {
    coloane_.clear();
    RanduriFoaie.clear();
    RanduriFaraCod.clear();
    RanduriDeVerificat.clear();
    Antet.clear();
}

namespace {

// "[Scoala]Media de absolvire (cotor){certificat}" -> "media de absolvire cotor": the words of a
// name without case, diacritics or punctuation; what is in square brackets or braces never counts,
// what is in parentheses only when `cuParanteze`.
QStringList cuvinte(const QString& text, bool cuParanteze) {
    QString simplu;
    QString inchideri; // the closing bracket of each open one
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c == u'(' || c == u'[' || c == u'{') {
            inchideri += c == u'(' ? u')' : c == u'[' ? u']' : u'}';
            simplu += u' ';
        } else if (!inchideri.isEmpty() && c == inchideri.back()) {
            inchideri.chop(1);
            simplu += u' ';
        } else if (!inchideri.isEmpty() &&
                   (!cuParanteze || inchideri.contains(u']') || inchideri.contains(u'}'))) {
            continue;
        } else if (c.isLetterOrNumber() && c.category() != QChar::Mark_NonSpacing) {
            simplu += c.toLower();
        } else if (c.isSpace() || c.isPunct()) {
            simplu += u' ';
        }
    }
    return simplu.split(u' ', Qt::SkipEmptyParts);
}

// The line a name names ("Nume (linia 2)", "Nume linie 2"): its number, 0 when none; the words
// without it in `rest`.
int linia(QStringList cuv, QStringList* rest = nullptr) {
    int numar = 0;
    for (qsizetype i = 0; i + 1 < cuv.size(); ++i)
        if ((cuv[i] == u"linia" || cuv[i] == u"linie" || cuv[i] == u"randul") && cuv[i + 1].toInt() > 0) {
            numar = cuv[i + 1].toInt();
            cuv.remove(i, 2);
            break;
        }
    if (rest) *rest = cuv;
    return numar;
}

// The name without brackets or line, as a header usually spells it.
QString baza(const QString& text) {
    QStringList rest;
    linia(cuvinte(text, false), &rest);
    return rest.join(u' ');
}

// Headers that schools write for a field under another name.
QString numeUzual(const QString& antet) {
    static const QHash<QString, QString> uzuale{
        {QStringLiteral("numele"), QStringLiteral("nume")},
        {QStringLiteral("nume si prenume"), QStringLiteral("nume")},
        {QStringLiteral("numele si prenumele"), QStringLiteral("nume")},
        {QStringLiteral("nume prenume"), QStringLiteral("nume")},
        {QStringLiteral("numele complet"), QStringLiteral("nume")},
        {QStringLiteral("nume elev"), QStringLiteral("nume")},
        {QStringLiteral("numele elevului"), QStringLiteral("nume")},
        {QStringLiteral("numele si prenumele elevului"), QStringLiteral("nume")},
        {QStringLiteral("cod numeric personal"), QStringLiteral("cnp")},
        {QStringLiteral("c n p"), QStringLiteral("cnp")},
        {QStringLiteral("medie"), QStringLiteral("media")},
        {QStringLiteral("media generala"), QStringLiteral("media")},
    };
    return uzuale.value(antet, antet);
}

// How well a header names a field, lower being better: the whole label, the label without its
// brackets, a usual name of it, the start of it ("Media" for "Media de absolvire"); nullopt when
// it does not. A
// field of a second line takes only a header that names that line, and a header naming a line only
// that line's field: "Nume" is the first line's column, never the second's.
std::optional<int> potrivire(const QString& eticheta, const QString& antet) {
    const QStringList camp = cuvinte(eticheta, true), cap = cuvinte(antet, true);
    const QString bazaCamp = baza(eticheta), bazaAntet = baza(antet);
    if (bazaCamp.isEmpty() || bazaAntet.isEmpty()) return std::nullopt;
    const int linieCamp = linia(camp), linieAntet = linia(cap);
    if ((linieCamp > 1 || linieAntet > 0) && linieCamp != linieAntet) return std::nullopt;
    if (camp == cap) return 0;
    // among equal matches, a plain label ("Nume") before one with more in brackets
    const int inParanteze = camp.join(u' ') != bazaCamp ? 1 : 0;
    if (bazaCamp == bazaAntet) return 2 + inParanteze;
    const QString uzual = numeUzual(bazaAntet);
    if (uzual == bazaCamp) return 4 + inParanteze;
    if (bazaCamp.startsWith(uzual + u' ')) return 6 + inParanteze;
    return std::nullopt;
}

} // namespace

QStringList TListaColoaneExcel::ColoaneCuAntetul(const QStringList& etichete,
                                                 const QStringList& luate) const {
    struct Candidat {
        int scor, camp, coloana;
    };
    std::vector<Candidat> candidati;
    for (int f = 0; f < etichete.size(); ++f)
        for (int c = 0; c < Antet.size() && c < Count(); ++c)
            if (!luate.contains(Items(c).Litere))
                if (const auto scor = potrivire(etichete[f], Antet[c])) candidati.push_back({*scor, f, c});
    std::stable_sort(candidati.begin(), candidati.end(),
                     [](const Candidat& a, const Candidat& b) { return a.scor < b.scor; });
    QStringList propuse(etichete.size());
    QSet<int> date;
    for (const Candidat& k : candidati)
        if (propuse[k.camp].isEmpty() && !date.contains(k.coloana)) {
            propuse[k.camp] = Items(k.coloana).Litere;
            date.insert(k.coloana);
        }
    return propuse;
}

QString TListaColoaneExcel::ColoanaCuAntetul(const QString& eticheta) const {
    return ColoaneCuAntetul({eticheta}, {}).front();
}

const TColoanaExcel* TListaColoaneExcel::Coloana(const QString& litere) const {
    for (auto it = coloane_.rbegin(); it != coloane_.rend(); ++it)
        if ((*it)->Litere == litere) return it->get();
    return nullptr;
}

QString TextCelula(const FoaieDeCalcul& foaie, int rand, int coloana) {
    const QString text = foaie.text(rand - 1, coloana);
    qsizetype inceput = 0, sfarsit = text.size();
    while (inceput < sfarsit && text[inceput] <= u' ')
        ++inceput;
    while (sfarsit > inceput && text[sfarsit - 1] <= u' ')
        --sfarsit;
    return text.mid(inceput, sfarsit - inceput).trimmed();
}

bool EsteCodDe13Cifre(const QString& text) {
    if (text.size() != 13) return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9') return false;
    return true;
}

int UltimaColoana(const FoaieDeCalcul& foaie) {
    int ultima = 0;
    for (int candidat = 0; candidat <= UltimaColoanaPosibila && coloanaFolosita(foaie, candidat); ++candidat)
        ultima = candidat;
    return ultima;
}

// No limit on the number of rows: only the gap ends the data.
int UltimulRand(const FoaieDeCalcul& foaie) {
    int ultimul = 1;
    for (int rand = 1; rand - ultimul < GolDeRanduri; ++rand)
        if (randFolosit(foaie, rand)) ultimul = rand;
    return ultimul;
}

void CitesteFoaia(const FoaieDeCalcul& foaie, TListaColoaneExcel& lista) {
    lista.Clear();
    const int ultimaColoana = UltimaColoana(foaie);
    const int ultimulRand = UltimulRand(foaie);
    // the columns grow with the kept rows only: the filter may drop most of the sheet
    for (int c = 0; c <= ultimaColoana; ++c)
        lista.Adauga(FoaieDeCalcul::numeColoana(c));

    QStringList randul(ultimaColoana + 1), precedent;
    for (int rand = 1; rand <= ultimulRand; ++rand) {
        if (rand > 1) precedent.swap(randul);
        randul = QStringList(ultimaColoana + 1);
        bool areCod = false;
        int cuText = 0;
        for (int c = 0; c <= ultimaColoana; ++c) {
            randul[c] = TextCelula(foaie, rand, c);
            areCod = areCod || EsteCodDe13Cifre(randul[c]);
            cuText += randul[c].isEmpty() ? 0 : 1;
        }
        if (!areCod) {
            if (cuText > 0) lista.RanduriFaraCod.push_back(rand);
            if (cuText > 1 && lista.RanduriDeVerificat.size() < size_t(RanduriDeVerificatMaxim))
                lista.RanduriDeVerificat.push_back({rand, randul});
            continue;
        }
        if (lista.NrRanduri() >= RanduriMaxime)
            throw Eroare(QStringLiteral("Foaia are mai mult de %1 de randuri cu CNP; nu o pot prelua "
                                        "dintr-o data. Impartiti-o in mai multe foi si preluati-le pe rand.")
                             .arg(RanduriMaxime));
        if (lista.NrRanduri() == 0 && rand > 1) lista.Antet = precedent;
        for (int c = 0; c <= ultimaColoana; ++c)
            lista.Items(c).Texte.append(randul[c]);
        lista.RanduriFoaie.push_back(rand);
    }
}
