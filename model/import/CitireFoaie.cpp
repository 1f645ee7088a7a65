#include "import/CitireFoaie.h"

#include "platform/Eroare.h"
#include "platform/FoaieDeCalcul.h"

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

// "Media de absolvire (cotor)" -> "media de absolvire": what two spellings of a name share.
QString numeSimplu(const QString& text) {
    QString simplu;
    int paranteze = 0;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c == u'(' || c == u'[' || c == u'{') ++paranteze;
        if (paranteze == 0) {
            if (c.isLetterOrNumber() && c.category() != QChar::Mark_NonSpacing)
                simplu += c.toLower();
            else if (c.isSpace() || c.isPunct())
                simplu += u' ';
        }
        if ((c == u')' || c == u']' || c == u'}') && paranteze > 0) --paranteze;
    }
    return simplu.simplified();
}

} // namespace

QString TListaColoaneExcel::ColoanaCuAntetul(const QString& eticheta) const {
    const QString camp = numeSimplu(eticheta);
    if (camp.isEmpty()) return {};
    for (int c = 0; c < Antet.size() && c < Count(); ++c) {
        const QString antet = numeSimplu(Antet[c]);
        if (!antet.isEmpty() && (antet == camp || camp.startsWith(antet + u' '))) return Items(c).Litere;
    }
    return {};
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
