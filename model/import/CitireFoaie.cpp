#include "import/CitireFoaie.h"

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
    for (int c = 0; c <= ultimaColoana; ++c)
        lista.Adauga(FoaieDeCalcul::numeColoana(c)).Texte.reserve(ultimulRand);

    QStringList randul(ultimaColoana + 1);
    for (int rand = 1; rand <= ultimulRand; ++rand) {
        bool areCod = false, areText = false;
        for (int c = 0; c <= ultimaColoana; ++c) {
            randul[c] = TextCelula(foaie, rand, c);
            areCod = areCod || EsteCodDe13Cifre(randul[c]);
            areText = areText || !randul[c].isEmpty();
        }
        if (!areCod) {
            if (areText) lista.RanduriFaraCod.push_back(rand);
            continue;
        }
        for (int c = 0; c <= ultimaColoana; ++c)
            lista.Items(c).Texte.append(randul[c]);
        lista.RanduriFoaie.push_back(rand);
    }
}
