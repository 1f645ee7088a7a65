#include "platform/ImprimantaFont.h"

#include <QFontMetrics>
#include <QHash>
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

namespace {
QFont rezolvaFontul(const CerereFont& cerere, const QPaintDevice* dispozitiv) {
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

// Finding the pixel size takes several measurements; a page asks for the same few fonts again
// and again (every area, every shrink step, every repaint), so each is resolved once.
struct CheieFont {
    QString nume;
    int inaltime, greutate, dpi;
    bool italic;
    bool operator==(const CheieFont&) const = default;
};
size_t qHash(const CheieFont& c, size_t seed = 0) {
    return qHashMulti(seed, c.nume, c.inaltime, c.greutate, c.dpi, c.italic);
}
} // namespace

QFont fontDupaCelula(const CerereFont& cerere, const QPaintDevice* dispozitiv) {
    static QHash<CheieFont, QFont> rezolvate;
    const CheieFont cheie{cerere.nume, std::max(1, cerere.inaltime), cerere.greutate >= 700 ? 700 : 400,
                          dispozitiv ? dispozitiv->logicalDpiY() : 0, cerere.italic};
    const auto gasit = rezolvate.constFind(cheie);
    if (gasit != rezolvate.constEnd()) return *gasit;
    return *rezolvate.insert(cheie, rezolvaFontul(cerere, dispozitiv));
}
