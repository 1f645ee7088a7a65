#pragma once

#include "platform/Imprimanta.h"

#include <QString>
#include <optional>
#include <vector>

class TFontFormular;

// One filled side of a form as printing and the preview see it: plain values, copied freely,
// drawn by PrintPage on any device. Millimetres from the sheet's top left corner.

// How a text sits in its area's width: one set for the layout, the page and the preview. The
// values are the layout's and the preview's from the start (left 0, right 1, centre 2).
namespace aliniere {
enum AliniereArie { Stanga, Dreapta, Centru };
}
using aliniere::AliniereArie;

// A font of the page: face, character-cell height in millimetres, weight and slant.
struct FontPagina {
    QString familie = QStringLiteral("Arial");
    double inaltimeMm = 3.0;
    bool bold = false;
    bool italic = false;
    int setCaractere = 238;
    bool operator==(const FontPagina&) const = default;
};

// The choices of the adjustment dialog for one area; every field at its zero value changes
// nothing.
struct AlegeriAjustare {
    int Aliniere = 0;            // 0 keep, 1 left, 2 centre, 3 right
    int DeplasareOrizontala = 0; // -1, 0, +1 half millimetres
    int DeplasareVerticala = 0;  // -1, 0, +1 half millimetres
    QString TextRedefinit;       // replaces the area's text; empty: none
    int StilItalic = 0;          // 0 keep, 1 italic, 2 upright
    int StilBold = 0;            // 0 keep, 1 bold, 2 normal
    QString FontSpecificat;      // installed typeface replacing the font's face; empty: none
};

// The font an adjustment puts in place of the area's, as values: a named font of the window
// (taken as it is at the lookup) or of the layout; none keeps the area's.
struct FontAjustare : std::optional<FontPagina> {
    using std::optional<FontPagina>::optional;
    FontAjustare() = default;
    FontAjustare(std::optional<FontPagina> font) : std::optional<FontPagina>(std::move(font)) {}
    FontAjustare(const TFontFormular* font); // none for no font
};

// An area's adjustment as painting and printing take it: the choices and the font they name.
struct AjustarePagina : AlegeriAjustare {
    FontAjustare Font;
};
// The name the preview's areas know it by.
using TAjustareTextArea = AjustarePagina;

struct AriePagina {
    QString nume;      // component name, "FormularTextArea" + number
    QString Denumire1; // field key
    QString Denumire2, Denumire3;
    double stanga = 0, sus = 0, latime = 0, inaltime = 0;
    std::optional<FontPagina> font; // an area without a font prints nothing
    AliniereArie aliniere = AliniereArie::Stanga;
    QString text;
    std::optional<AjustarePagina> ajustare;
    // A grade's second line is hidden when the grade takes one line; paper prints its blank.
    bool vizibila = true;
    // The top at the first grade placement: placing starts from it, so refilling never moves.
    std::optional<double> topInitial;
};

struct PaginaFormular {
    QString numeFormular; // the form's component name, first half of the adjustments' key
    QString nume;         // the page's component name
    double latime = 10, inaltime = 10;
    double deltaStanga = 0, deltaSus = 0; // the page's own print margins, mm
    std::vector<AriePagina> arii;         // in the order of filling and printing

    AriePagina* arie(const QString& nume);
    // Every area named exactly "FormularTextArea" and a number shows "<number>" (the first of
    // each name), to check a layout on paper.
    void NumeroteazaAriile();
};

// The number of an area's name written exactly as "FormularTextArea" + n, n from 1 without
// leading zeros; 0 for any other name.
int NumarExactArie(const QString& nume);

// What is drawn for an area once its adjustment is applied.
struct StilArie {
    QString text;
    std::optional<FontPagina> font;
    AliniereArie aliniere = AliniereArie::Stanga;
    double nudgeX = 0, nudgeY = 0; // mm

    // The font asked of a device for a cell height in its pixels.
    CerereFont cerere(int inaltime, int inclinare = 0) const;
};
StilArie StilEfectiv(const AriePagina& arie);

// The rectangle of an area on the printer page, device pixels from the printable area's corner.
struct DreptunghiTiparire {
    int left = 0, top = 0, right = 0, bottom = 0;
    int w() const { return right - left + 1; }
    int hgt() const { return bottom - top + 1; }
    bool operator==(const DreptunghiTiparire&) const = default;
};
