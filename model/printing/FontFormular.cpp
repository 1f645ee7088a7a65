#include "printing/FontFormular.h"

#include <algorithm>

TFontFormular::TFontFormular(QObject* owner) : QObject(owner) {
    valori_.familie = QStringLiteral("Arial");
}

// The areas forget the font on its destroyed() signal.
TFontFormular::~TFontFormular() = default;

void TFontFormular::setFontName(const QString& valoare) {
    valori_.familie = valoare;
    anuntaZonele();
}

void TFontFormular::setSize(double valoare) {
    valori_.inaltimeMm = valoare;
    anuntaZonele();
}

void TFontFormular::setBold(bool valoare) {
    valori_.bold = valoare;
    anuntaZonele();
}

void TFontFormular::setItalic(bool valoare) {
    valori_.italic = valoare;
    anuntaZonele();
}

void TFontFormular::setCharSet(int valoare) {
    valori_.setCaractere = valoare;
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
