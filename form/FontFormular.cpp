#include "printing/FontFormular.h"

#include "printing/QFormularTextArea.h"

#include <algorithm>

TFontFormular::TFontFormular(QObject* owner) : QObject(owner) {}

TFontFormular::~TFontFormular() {
    // Each area leaves the list as it forgets the font, so work on a copy.
    const auto zone = zone_;
    for (TFormularTextArea* zona : zone)
        zona->FontReleased();
    zone_.clear();
}

void TFontFormular::setFontName(const QString& valoare) {
    fontName_ = valoare;
    anuntaZonele();
}

void TFontFormular::setSize(double valoare) {
    size_ = valoare;
    anuntaZonele();
}

void TFontFormular::setBold(bool valoare) {
    bold_ = valoare;
    anuntaZonele();
}

void TFontFormular::setItalic(bool valoare) {
    italic_ = valoare;
    anuntaZonele();
}

void TFontFormular::setCharSet(int valoare) {
    charSet_ = valoare;
    anuntaZonele();
}

void TFontFormular::setCodePage(int valoare) {
    codePage_ = valoare;
    anuntaZonele();
}

void TFontFormular::adaugaZona(TFormularTextArea* zona) {
    if (std::find(zone_.begin(), zone_.end(), zona) == zone_.end()) zone_.push_back(zona);
}

void TFontFormular::scoateZona(TFormularTextArea* zona) {
    std::erase(zone_, zona);
}

void TFontFormular::anuntaZonele() {
    for (TFormularTextArea* zona : zone_)
        zona->FontChanged();
}
