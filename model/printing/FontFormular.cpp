#include "printing/FontFormular.h"

#include <algorithm>

TFontFormular::TFontFormular(QObject* owner) : QObject(owner) {}

// The areas forget the font on its destroyed() signal.
TFontFormular::~TFontFormular() = default;

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
    emit FontSchimbat();
}
