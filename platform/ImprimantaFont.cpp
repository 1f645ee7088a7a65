#include "platform/ImprimantaFont.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <algorithm>
#include <cmath>

namespace {
int celula(const QFont& font, const QPaintDevice* dispozitiv) {
    // QPaintDevice is not const in QFontMetrics' constructor, though nothing is changed.
    const QFontMetrics m =
        dispozitiv ? QFontMetrics(font, const_cast<QPaintDevice*>(dispozitiv)) : QFontMetrics(font);
    return m.ascent() + m.descent();
}
} // namespace

QFont fontDupaCelula(const CerereFont& cerere, const QPaintDevice* dispozitiv) {
    QFont font(cerere.nume);
    font.setWeight(cerere.greutate >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(cerere.italic);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferOutline | QFont::PreferQuality));
    // Hinting would move the cell by a pixel between screen and paper.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);

    const int inaltime = std::max(1, cerere.inaltime);
    // A first guess from the face's own cell, then whole pixel steps.
    font.setPixelSize(100);
    const double raport = std::max(0.5, celula(font, dispozitiv) / 100.0);
    int px = std::max(1, static_cast<int>(std::lround(inaltime / raport)));
    font.setPixelSize(px);
    while (px > 1 && celula(font, dispozitiv) > inaltime)
        font.setPixelSize(--px);
    for (;;) {
        font.setPixelSize(px + 1);
        if (celula(font, dispozitiv) > inaltime) break;
        ++px;
    }
    font.setPixelSize(px);
    return font;
}
