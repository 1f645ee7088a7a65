#include "printing/RandarePagina.h"

#include "platform/NumarExtins.h"
#include "printing/Milimetri.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Rounding to nearest with halves to the even neighbour, in the extended format on every compiler.
NumarExtins E(double v) {
    return NumarExtins::din(v);
}
int N(NumarExtins v) {
    return v.rotunjit();
}

} // namespace

int PozitieOrizontala(AliniereArie aliniere, int stanga, int latime, int latimeText) {
    switch (aliniere) {
    case AliniereArie::Dreapta:
        return stanga + latime - latimeText;
    case AliniereArie::Centru:
        return stanga + (latime - latimeText) / 2;
    case AliniereArie::Stanga:
        break;
    }
    return stanga;
}

int InaltimeDePornire(double fontMm, double dpi, std::optional<double> arieMm) {
    int h = std::max(1, MmToPixels(fontMm, dpi));
    if (arieMm) h = std::min(h, MmToPixels(*arieMm, dpi));
    return std::max(1, h);
}

int PotrivesteInaltimea(int inaltimeStart, int latime, const std::function<int(int)>& latimeText) {
    const int latimeStart = latimeText(inaltimeStart);
    if (latimeStart <= latime || inaltimeStart <= 2) return inaltimeStart;
    // Unhinted widths never shrink as the cell grows, so the first height that fits on the way
    // down is the tallest that fits: found between 2 and the start, first near the height the
    // widths' proportion suggests, without measuring every pixel on the way (each size measured
    // loads a font of its own).
    int incape = 2;               // the answer is at least this (2 also when nothing fits)
    int preaMare = inaltimeStart; // known not to fit
    int ultima = inaltimeStart;   // the height measured last
    int proba = std::clamp(int(std::int64_t(inaltimeStart) * latime / std::max(1, latimeStart)), incape,
                           preaMare - 1);
    while (preaMare - incape > 1) {
        ultima = proba;
        if (latimeText(proba) <= latime)
            incape = proba;
        else
            preaMare = proba;
        proba = incape + (preaMare - incape) / 2;
    }
    // The caller draws with what was measured last.
    if (ultima != incape) latimeText(incape);
    return incape;
}

TextAsezat AsazaText(const StilArie& stil, Imprimanta& dispozitiv, int stanga, int jos, int latime,
                     int inaltimeStart, int inclinare) {
    TextAsezat t;
    t.inaltime = PotrivesteInaltimea(inaltimeStart, latime, [&](int h) {
        dispozitiv.creeazaFont(stil.cerere(h, inclinare));
        t.masura = dispozitiv.masoaraText(stil.text);
        return t.masura.width();
    });
    t.colt =
        QPoint(PozitieOrizontala(stil.aliniere, stanga, latime, t.masura.width()), jos - t.masura.height());
    return t;
}

QRect DreptunghiEcran(const AriePagina& arie, double dpi) {
    return QRect(MmToPixels(arie.stanga, dpi), MmToPixels(arie.sus, dpi), MmToPixels(arie.latime, dpi),
                 MmToPixels(arie.inaltime, dpi));
}

std::optional<TextAsezat> DeseneazaArie(const StilArie& stil, Imprimanta& ecran, const QRect& unde,
                                        double dpi) {
    if (!stil.font) return std::nullopt;
    // Unlike paper the cell is not kept within the area's height: a layout fault stays visible.
    const TextAsezat t = AsazaText(stil, ecran, unde.left(), unde.top() + unde.height(), unde.width(),
                                   InaltimeDePornire(stil.font->inaltimeMm, dpi));
    ecran.scrieText(t.colt, unde, stil.text);
    return t;
}

void DeseneazaFundal(QPainter& pictor, const QImage& fundal, QSize marime) {
    pictor.setRenderHint(QPainter::SmoothPixmapTransform);
    pictor.drawImage(QRect(0, 0, marime.width() - 1, marime.height() - 1), fundal);
}

void DeseneazaPagina(const PaginaFormular& pagina, Imprimanta& ecran, double dpi) {
    for (const AriePagina& arie : pagina.arii)
        if (arie.vizibila) DeseneazaArie(StilEfectiv(arie), ecran, DreptunghiEcran(arie, dpi), dpi);
}

DreptunghiTiparire ComputePrintRect(const AriePagina& arie, const ZonaTiparibila& zona,
                                    const PaginaFizica& pagina, double L, double T, double nudgeX,
                                    double nudgeY) {
    const NumarExtins kx = NumarExtins::din(std::int64_t(zona.horzRes)) / E(zona.horzSize);
    const NumarExtins ky = NumarExtins::din(std::int64_t(zona.vertRes)) / E(zona.vertSize);
    const NumarExtins x = E(arie.stanga) + E(L) + E(nudgeX);
    const NumarExtins y = E(arie.sus) + E(T) + E(nudgeY);
    DreptunghiTiparire r;
    r.left = N(x * kx) - pagina.offsetX;
    r.top = N(y * ky) - pagina.offsetY;
    r.right = r.left + N(E(arie.latime) * kx);
    r.bottom = r.top + N(E(arie.inaltime) * ky);
    return r;
}

void PrintArea(const AriePagina& arie, Imprimanta& dispozitiv, bool rotate, double L, double T) {
    const StilArie stil = StilEfectiv(arie);
    if (!stil.font) return;
    const ZonaTiparibila zona = dispozitiv.zonaTiparibila();
    const PaginaFizica pagina = dispozitiv.paginaFizica();
    const DreptunghiTiparire r = ComputePrintRect(arie, zona, pagina, L, T, stil.nudgeX, stil.nudgeY);

    // Font heights take the sheet as 210 mm high: 8.267716535433071 inches.
    const double dpiY = (NumarExtins::din(std::int64_t(pagina.inaltime)) /
                         NumarExtins::fractie(8267716535433071LL, 1000000000000000LL))
                            .laDouble();
    const TextAsezat t =
        AsazaText(stil, dispozitiv, r.left, r.top + r.hgt(), r.w(),
                  InaltimeDePornire(stil.font->inaltimeMm, dpiY, arie.inaltime), rotate ? 1800 : 0);
    QPoint origine = t.colt;
    QRect taiere(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
    if (rotate) {
        // A half turn about the sheet's centre, in printable-area coordinates.
        const int sumaX = pagina.latime - 2 * pagina.offsetX;
        const int sumaY = pagina.inaltime - 2 * pagina.offsetY;
        origine = QPoint(sumaX - origine.x(), sumaY - origine.y());
        taiere =
            QRect(QPoint(sumaX - r.right, sumaY - r.bottom), QPoint(sumaX - r.left - 1, sumaY - r.top - 1));
    }
    dispozitiv.scrieText(origine, taiere, stil.text);
}

void PrintPage(const PaginaFormular& pagina, Imprimanta& dispozitiv, bool rotate, double L, double T) {
    L += pagina.deltaStanga;
    T += pagina.deltaSus;
    for (const AriePagina& arie : pagina.arii)
        PrintArea(arie, dispozitiv, rotate, L, T);
}
