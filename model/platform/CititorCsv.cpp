#include "platform/CititorCsv.h"

#include "platform/Eroare.h"
#include "platform/PaginaCod.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>

namespace {

QString decodifica(const QByteArray& continut) {
    QByteArrayView octeti(continut);
    if (octeti.startsWith("\xFF\xFE") || octeti.startsWith("\xFE\xFF")) {
        // "Unicode text" as spreadsheets save it
        QStringDecoder decodor(octeti[0] == '\xFF' ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        return decodor.decode(octeti.sliced(2));
    }
    if (octeti.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(octeti.sliced(3));
    if (PaginaCod::esteUtf8Valid(octeti)) return QString::fromUtf8(octeti);
    return PaginaCod::din1250(octeti);
}

// How often the separator occurs outside quotes in each of the first lines.
QList<int> aparitiiPeLinii(const QString& text, QChar separator) {
    QList<int> linii{0};
    bool inGhilimele = false;
    for (qsizetype i = 0; i < text.size() && linii.size() <= 20; ++i) {
        const QChar c = text[i];
        if (c == u'"')
            inGhilimele = !inGhilimele;
        else if (!inGhilimele && c == separator)
            ++linii.last();
        else if (!inGhilimele && c == u'\n')
            linii << 0;
    }
    if (linii.size() > 1 && linii.last() == 0) linii.removeLast();
    return linii;
}

// The separator found on every line, most often; ';' first on a tie, as Romanian settings save.
QChar ghicesteSeparator(const QString& text) {
    QChar ales = u';';
    std::pair<int, int> celMaiBun{-1, -1};
    for (QChar separator : {QChar(u';'), QChar(u','), QChar(u'\t')}) {
        const QList<int> linii = aparitiiPeLinii(text, separator);
        int minim = *std::min_element(linii.begin(), linii.end());
        int total = 0;
        for (int n : linii)
            total += n;
        if (std::pair{minim, total} > celMaiBun) {
            celMaiBun = {minim, total};
            ales = separator;
        }
    }
    return ales;
}

} // namespace

RegistruDeCalcul citesteCsv(const QByteArray& continut, const QString& numeFoaie) {
    const bool utf16 = continut.startsWith("\xFF\xFE") || continut.startsWith("\xFE\xFF");
    if (!utf16 && continut.contains('\0'))
        throw Eroare("nu este un registru de calcul si nici un fisier text (CSV)");
    const QString text = decodifica(continut);
    const QChar separator = ghicesteSeparator(text);
    FoaieDeCalcul foaie(numeFoaie);
    int rand = 0, coloana = 0;
    QString camp;
    bool inGhilimele = false;
    auto incheieCamp = [&] {
        if (coloana >= FoaieDeCalcul::maxColoane)
            throw Eroare("un rand are mai multe coloane decat incap intr-o foaie");
        if (coloana == 0) foaie.adaugaRand(rand, 1);
        foaie.adaugaCelula(coloana++, 1, camp);
        camp.clear();
    };
    auto incheieRand = [&] {
        incheieCamp();
        if (++rand >= FoaieDeCalcul::maxRanduri)
            throw Eroare("are mai multe randuri decat incap intr-o foaie");
        coloana = 0;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inGhilimele) {
            if (c != u'"')
                camp += c;
            else if (i + 1 < text.size() && text[i + 1] == u'"')
                camp += text[++i];
            else
                inGhilimele = false;
        } else if (c == u'"') {
            inGhilimele = true;
        } else if (c == separator) {
            incheieCamp();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            incheieRand();
        } else {
            camp += c;
        }
    }
    if (coloana > 0 || !camp.isEmpty()) incheieCamp();
    foaie.termina();
    RegistruDeCalcul registru;
    registru.foi.push_back(std::move(foaie));
    return registru;
}
