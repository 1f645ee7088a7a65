#include "register/TabelTiparit.h"

#include "platform/Eroare.h"
#include "platform/Imprimanta.h"

#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr double margineMm = 8.0;
constexpr double antetMm = 24.0;
constexpr double subsolMm = 8.0;
constexpr double randTitluriMm = 10.0;
constexpr double textMm = 3.4;

// Millimetres of the printable area to device pixels.
struct Scara {
    double pxPeMm;
    int px(double mm) const { return int(std::lround(mm * pxPeMm)); }
};

// The words of a text in lines that fit the width; with a limit, the last line keeps what does
// not fit. A word wider than the width has a line of its own.
QStringList randuriText(Imprimanta& imp, const QString& text, int latime, int maxRanduri = 0) {
    QStringList randuri;
    QString curent;
    for (const QString& cuvant : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString incercare = curent.isEmpty() ? cuvant : curent + u' ' + cuvant;
        if (curent.isEmpty() || imp.masoaraText(incercare).width() <= latime ||
            randuri.size() + 1 == maxRanduri) {
            curent = incercare;
        } else {
            randuri << curent;
            curent = cuvant;
        }
    }
    if (!curent.isEmpty()) randuri << curent;
    return randuri;
}

int inaltimeRandText(Imprimanta& imp) {
    return imp.masoaraText(QStringLiteral("Ag")).height();
}

// The lines of text centred in the cell.
void scrieCelula(Imprimanta& imp, const Scara& s, const QRect& celula, const QStringList& randuri) {
    const int inaltimeRand = inaltimeRandText(imp);
    int y = celula.top() + (celula.height() - inaltimeRand * int(randuri.size())) / 2;
    for (const QString& r : randuri) {
        imp.scrieText(QPoint(celula.left() + s.px(1.0), y), celula.adjusted(1, 1, -1, -1), r);
        y += inaltimeRand;
    }
}

int latimeText(const Scara& s, const std::vector<double>& xMm, int c) {
    return s.px(xMm[size_t(c) + 1] - xMm[size_t(c)]) - s.px(2.0);
}

// A line of the table as printed: each cell's text wrapped to its column, and the row's height,
// grown to the cell with the most lines (a long remark is never cut).
struct RandAsezat {
    std::vector<QStringList> celule;
    double inaltimeMm;
};

std::vector<RandAsezat> aseazaRandurile(Imprimanta& imp, const Scara& s, const TabelTiparit& t,
                                        const std::vector<double>& xMm) {
    const double randTextMm = inaltimeRandText(imp) / s.pxPeMm;
    std::vector<RandAsezat> r;
    r.reserve(size_t(t.linii.size()));
    for (const QStringList& linie : t.linii) {
        RandAsezat rand{{}, t.inaltimeRandMm};
        for (int c = 0; c < int(t.coloane.size()) && c < int(linie.size()); ++c) {
            rand.celule.push_back(randuriText(imp, linie[c], latimeText(s, xMm, c)));
            rand.inaltimeMm = std::max(rand.inaltimeMm, double(rand.celule.back().size()) * randTextMm + 2.0);
        }
        r.push_back(std::move(rand));
    }
    return r;
}

// The first row of each page: as many rows as fit, a row never split; a row taller than a page
// has one of its own.
std::vector<int> imparteInPagini(const std::vector<RandAsezat>& randuri, double locMm) {
    std::vector<int> prime{0};
    double ocupat = 0;
    for (int r = 0; r < int(randuri.size()); ++r) {
        const double h = randuri[size_t(r)].inaltimeMm;
        if (r > prime.back() && ocupat + h > locMm + 1e-6) {
            prime.push_back(r);
            ocupat = 0;
        }
        ocupat += h;
    }
    return prime;
}

// The table's grid as a picture in millimetres, stretched over its place on the page.
void deseneazaGrila(Imprimanta& imp, const QRect& unde, const std::vector<double>& xMm,
                    const std::vector<double>& yMm) {
    const double latime = xMm.back(), inaltime = yMm.back();
    QString svg = QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 %1 %2' width='%1mm' "
                                 "height='%2mm'><g stroke='black' stroke-width='0.2' fill='none'>")
                      .arg(latime)
                      .arg(inaltime);
    for (double x : xMm)
        svg += QStringLiteral("<line x1='%1' y1='0' x2='%1' y2='%2'/>").arg(x).arg(inaltime);
    for (double y : yMm)
        svg += QStringLiteral("<line x1='0' y1='%1' x2='%2' y2='%1'/>").arg(y).arg(latime);
    svg += QStringLiteral("</g></svg>");
    QSvgRenderer imagine(svg.toUtf8());
    imp.intindeImagine(imagine, unde);
}

void font(Imprimanta& imp, const Scara& s, double mm, bool gros = false) {
    CerereFont f;
    f.nume = QStringLiteral("Liberation Sans");
    f.inaltime = s.px(mm);
    f.greutate = gros ? 700 : 400;
    imp.creeazaFont(f);
}

void tiparestePagina(Imprimanta& imp, const Scara& s, const TabelTiparit& t, const std::vector<double>& xMm,
                     const std::vector<RandAsezat>& randuri, int prima, int cate, int pagina, int pagini,
                     double latimeMm, double inaltimeMm) {
    const QRect tot(0, 0, s.px(latimeMm), s.px(inaltimeMm));
    font(imp, s, 3.6);
    imp.scrieText(QPoint(s.px(margineMm), s.px(margineMm)), tot, t.scoala);
    font(imp, s, 5.0, true);
    const int latimeTitlu = imp.masoaraText(t.titlu).width();
    imp.scrieText(QPoint((tot.width() - latimeTitlu) / 2, s.px(margineMm + 5)), tot, t.titlu);
    font(imp, s, 3.6);
    const int latimeSub = imp.masoaraText(t.subtitlu).width();
    imp.scrieText(QPoint((tot.width() - latimeSub) / 2, s.px(margineMm + 12)), tot, t.subtitlu);
    const QString numar = QStringLiteral("Pagina %1 din %2").arg(pagina).arg(pagini);
    imp.scrieText(QPoint(tot.width() - s.px(margineMm) - imp.masoaraText(numar).width(),
                         tot.height() - s.px(margineMm + 2)),
                  tot, numar);

    const double sus = margineMm + antetMm - 8;
    std::vector<double> yMm{0, randTitluriMm};
    for (int r = 0; r < cate; ++r)
        yMm.push_back(yMm.back() + randuri[size_t(prima + r)].inaltimeMm);
    const auto celula = [&](int c, double y0, double y1) {
        return QRect(QPoint(s.px(margineMm + xMm[c]), s.px(sus + y0)),
                     QPoint(s.px(margineMm + xMm[c + 1]), s.px(sus + y1)));
    };
    deseneazaGrila(imp,
                   QRect(QPoint(s.px(margineMm), s.px(sus)),
                         QPoint(s.px(margineMm + xMm.back()), s.px(sus + yMm.back()))),
                   xMm, yMm);
    font(imp, s, textMm - 0.2, true);
    for (int c = 0; c < int(t.coloane.size()); ++c)
        scrieCelula(imp, s, celula(c, 0, randTitluriMm),
                    randuriText(imp, t.coloane[c], latimeText(s, xMm, c), 2));
    font(imp, s, textMm);
    for (int r = 0; r < cate; ++r) {
        const auto& celule = randuri[size_t(prima + r)].celule;
        for (int c = 0; c < int(celule.size()); ++c)
            scrieCelula(imp, s, celula(c, yMm[r + 1], yMm[r + 2]), celule[size_t(c)]);
    }
}

} // namespace

int tiparesteTabel(Imprimanta& imp, const TabelTiparit& t) {
    if (t.coloane.size() != qsizetype(t.latimi.size()))
        throw Eroare(QStringLiteral("Tabelul de tiparit are coloane fara latime."));
    SetariDispozitiv setari;
    setari.orientare = QPageLayout::Landscape;
    imp.pregatesteSetari(setari);
    imp.incepeLucrare(t.titlu);
    try {
        const ZonaTiparibila zona = imp.zonaTiparibila();
        const Scara s{zona.horzRes / zona.horzSize};
        const double latimeMm = zona.horzSize, inaltimeMm = zona.vertSize;
        const double latimeTabel = latimeMm - 2 * margineMm;
        double suma = 0;
        for (double l : t.latimi)
            suma += l;
        std::vector<double> xMm{0};
        for (double l : t.latimi)
            xMm.push_back(xMm.back() + l * latimeTabel / suma);
        const double locRanduri = inaltimeMm - 2 * margineMm - antetMm - subsolMm - randTitluriMm + 8;
        font(imp, s, textMm);
        const std::vector<RandAsezat> randuri = aseazaRandurile(imp, s, t, xMm);
        const std::vector<int> prime = imparteInPagini(randuri, locRanduri);
        const int pagini = int(prime.size());
        for (int p = 0; p < pagini; ++p) {
            if (p > 0) imp.paginaNoua();
            const int urmatoarea = p + 1 < pagini ? prime[size_t(p) + 1] : int(randuri.size());
            tiparestePagina(imp, s, t, xMm, randuri, prime[size_t(p)], urmatoarea - prime[size_t(p)], p + 1,
                            pagini, latimeMm, inaltimeMm);
        }
        imp.terminaLucrare();
        return pagini;
    } catch (...) {
        imp.anuleazaLucrare();
        throw;
    }
}
