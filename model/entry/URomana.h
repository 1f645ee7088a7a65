#pragma once

#include "entry/Currency.h"

#include <QColor>
#include <QDate>
#include <QString>
#include <cstdint>
#include <vector>

// Romanian wording of grades, case conversion covering the Romanian letters, the @-escapes,
// amounts, dates and the colour arithmetic of the control library. No state is kept.

// A colour as the rest of the program stores it: red in the low byte, then green and blue.
// A negative value (high byte 0xFF) names a system colour by its index in the low byte; it is
// resolved through the application palette.
using TColor = std::int32_t;

constexpr TColor culoareSistem(int index) {
    return static_cast<TColor>(0xFF000000u | unsigned(index));
}
constexpr TColor culoareRgb(int r, int g, int b) {
    return TColor(r | (g << 8) | (b << 16));
}

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clScrollBar = culoareSistem(0);
inline constexpr TColor clWindow = culoareSistem(5);
inline constexpr TColor clWindowText = culoareSistem(8);
inline constexpr TColor clHighlight = culoareSistem(13);
inline constexpr TColor clHighlightText = culoareSistem(14);
inline constexpr TColor clBtnFace = culoareSistem(15);
inline constexpr TColor clBtnShadow = culoareSistem(16);
inline constexpr TColor clGrayText = culoareSistem(17);
inline constexpr TColor clBtnText = culoareSistem(18);
inline constexpr TColor clBtnHighlight = culoareSistem(20);
inline constexpr TColor clInfoText = culoareSistem(23);
inline constexpr TColor clInfoBk = culoareSistem(24);

struct CuloareRGB {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const CuloareRGB&) const = default;
};

struct CuloareHSV {
    double h = 0, s = 0, v = 0;
};

// Grade wording forms.
enum FormaNota { NotaLitere = 1, NotaCifre = 2, NotaProcent = 3 };

// The grade H (times 100: 9,63 is 963) in parentheses: in words, in digits or with a percent.
QString NotaInCuvinte(int H, int forma);

QString LitereMari(const QString& text);
QString LitereMici(const QString& text);
// "@s" gives ş, "@T" Ţ, "@@" one "@"; an unknown escape and a final lone "@" give nothing.
QString DecodeazaDiacritice(const QString& text);

// The amount with full stops between thousands and d decimals after a comma (cut, not rounded).
QString FormateazaSuma(int zecimale, Currency valoare);

QString DataLunaInLitere(const QDate& data); // 5 ianuarie 2006
QString DataZiLuna(const QDate& data);       // 05/01
QString DataScurta(const QDate& data);       // 05/01/06

// A system colour becomes its present red, green and blue; any other colour stays as it is.
TColor CuloareRezolvata(TColor culoare);
CuloareRGB CuloareInRGB(TColor culoare);
TColor RGBInCuloare(CuloareRGB rgb);
QColor CuloareInQColor(TColor culoare);
TColor QColorInCuloare(const QColor& culoare);

CuloareHSV RgbInHsv(std::uint8_t R, std::uint8_t G, std::uint8_t B);
CuloareRGB HsvInRgb(double H, double S, double V);
// n + 1 colours from c1 towards c2 (the last one a step short of c2); none when n < 0.
std::vector<TColor> Degrade(TColor c1, TColor c2, int n);
// Adds the offsets to red, green and blue, each kept within 0 to 255.
TColor DeplaseazaCuloare(int dR, int dG, int dB, TColor culoare);
int LimiteazaOctet(int valoare);
