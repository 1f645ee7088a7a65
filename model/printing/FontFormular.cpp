#include "printing/FontFormular.h"

#include <algorithm>

TFontFormular::TFontFormular(QObject* owner) : QObject(owner) {
    valori_.FontName = QStringLiteral("Arial");
}

// The areas forget the font on its destroyed() signal.
TFontFormular::~TFontFormular() = default;

void TFontFormular::setFontName(const QString& valoare) {
    valori_.FontName = valoare;
    anuntaZonele();
}

void TFontFormular::setSize(double valoare) {
    valori_.Size = valoare;
    anuntaZonele();
}

void TFontFormular::setBold(bool valoare) {
    valori_.Bold = valoare;
    anuntaZonele();
}

void TFontFormular::setItalic(bool valoare) {
    valori_.Italic = valoare;
    anuntaZonele();
}

void TFontFormular::setCharSet(int valoare) {
    valori_.CharSet = valoare;
    anuntaZonele();
}

void TFontFormular::setCodePage(int valoare) {
    valori_.CodePage = valoare;
    anuntaZonele();
}

void TFontFormular::setValori(const FontMacheta& valori) {
    valori_ = valori;
    setObjectName(valori.nume);
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
