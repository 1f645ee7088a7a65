#pragma once

#include "printing/PaginaFormular.h"

#include <functional>
#include <optional>

class QImage;
class QPainter;

// Drawing a page description. Printing and the preview share the fitting of a text to its
// area: only the device's resolution differs.

// The cell height an area's text starts from: the font's at the resolution, at least one pixel
// (0 would ask for the system's default size). Paper also keeps it within the area's height;
// the preview lets it stand taller, so a layout fault stays visible there.
int InaltimeDePornire(double fontMm, double dpi, std::optional<double> arieMm = std::nullopt);
// The tallest cell from the start down whose text is no wider than the width (never below 2
// pixels): what shrinking one pixel at a time finds, as a text's width never shrinks while its
// cell grows. The height returned is the one measured last (the one drawn with).
int PotrivesteInaltimea(int inaltimeStart, int latime, const std::function<int(int inaltime)>& latimeText);

// Where a text of the width starts in a span, by the alignment.
int PozitieOrizontala(AliniereArie aliniere, int stanga, int latime, int latimeText);

// Where an area's fitted text sits on a device: the cell height it is drawn with, the top left
// corner of its cell and its size.
struct TextAsezat {
    int inaltime = 0;
    QPoint colt;
    QSize masura;
};
// Fits the text to the width from the start height and sets its cell on the bottom edge (jos,
// the first pixel below the span) by the alignment; the font stays current on the device.
TextAsezat AsazaText(const StilArie& stil, Imprimanta& dispozitiv, int stanga, int jos, int latime,
                     int inaltimeStart, int inclinare = 0);

// The pixels an area covers on a screen at the resolution, as the preview lays it out.
QRect DreptunghiEcran(const AriePagina& arie, double dpi);
// Draws an area's text into the rectangle of a screen at the resolution, as the preview shows
// it: fitted as on paper, from the font's cell at that resolution. None without a font.
std::optional<TextAsezat> DeseneazaArie(const StilArie& stil, Imprimanta& ecran, const QRect& unde,
                                        double dpi);
// The blank form's picture stretched over a page of the size, as the preview shows it.
void DeseneazaFundal(QPainter& pictor, const QImage& fundal, QSize marime);
// A page on a screen at the resolution as the preview shows it without its aids: the text of
// every visible area in its rectangle.
void DeseneazaPagina(const PaginaFormular& pagina, Imprimanta& ecran, double dpi);

// Where the area lands on the printer page (margins and nudge in millimetres).
DreptunghiTiparire ComputePrintRect(const AriePagina& arie, const ZonaTiparibila& zona,
                                    const PaginaFizica& pagina, double L, double T, double nudgeX = 0.0,
                                    double nudgeY = 0.0);
// Prints one area on the page of the printer's open job, offset by L and T millimetres and
// turned half round about the sheet's centre when rotate is set.
void PrintArea(const AriePagina& arie, Imprimanta& dispozitiv, bool rotate, double L, double T);
// Prints every area, with the page's own margins added to L and T.
void PrintPage(const PaginaFormular& pagina, Imprimanta& dispozitiv, bool rotate, double L, double T);
