#include "platform/ImprimantaInregistrata.h"

#include "platform/Eroare.h"
#include "platform/ImprimantaFont.h"

#include <QFontMetrics>
#include <algorithm>

ImprimantaInregistrata::ImprimantaInregistrata(const ZonaTiparibila& zona, const PaginaFizica& pagina)
    : zona_(zona), pagina_(pagina) {}

ImprimantaInregistrata ImprimantaInregistrata::a4(int dpi, QPageLayout::Orientation orientare, int offsetX,
                                                  int offsetY, int margineDreapta, int margineJos) {
    // Drivers report whole device pixels, cut off.
    const int scurt = static_cast<int>(210.0 * dpi / 25.4);
    const int lung = static_cast<int>(297.0 * dpi / 25.4);
    PaginaFizica pagina;
    pagina.latime = orientare == QPageLayout::Landscape ? lung : scurt;
    pagina.inaltime = orientare == QPageLayout::Landscape ? scurt : lung;
    pagina.offsetX = offsetX;
    pagina.offsetY = offsetY;
    ZonaTiparibila zona;
    zona.horzRes = pagina.latime - offsetX - margineDreapta;
    zona.vertRes = pagina.inaltime - offsetY - margineJos;
    zona.horzSize = zona.horzRes * 25.4 / dpi;
    zona.vertSize = zona.vertRes * 25.4 / dpi;
    return ImprimantaInregistrata(zona, pagina);
}

void ImprimantaInregistrata::selecteaza(int index) {
    if (index != 0) throw Eroare::format("Imprimanta cu numarul %s nu exista.", {QString::number(index)});
}

void ImprimantaInregistrata::incepeLucrare(const QString& titlu) {
    inLucru_ = true;
    inregistrari_.push_back({Inregistrare::Inceput, {}, titlu, {}, {}});
}

void ImprimantaInregistrata::terminaLucrare() {
    if (!inLucru_) return;
    inLucru_ = false;
    inregistrari_.push_back({Inregistrare::Sfarsit, {}, {}, {}, {}});
}

void ImprimantaInregistrata::paginaNoua() {
    if (inLucru_) inregistrari_.push_back({Inregistrare::Pagina, {}, {}, {}, {}});
}

void ImprimantaInregistrata::anuleazaLucrare() {
    if (!inLucru_) return;
    inLucru_ = false;
    inregistrari_.push_back({Inregistrare::Anulare, {}, {}, {}, {}});
}

void ImprimantaInregistrata::creeazaFont(const CerereFont& cerere) {
    font_ = cerere;
    inregistrari_.push_back({Inregistrare::Font, cerere, {}, {}, {}});
}

QSize ImprimantaInregistrata::masoaraText(const QString& text) {
    const QFontMetrics m(fontDupaCelula(font_));
    return {m.horizontalAdvance(text), m.ascent() + m.descent()};
}

void ImprimantaInregistrata::scrieText(QPoint punct, const QRect& taiere, const QString& text) {
    inregistrari_.push_back({Inregistrare::Text, font_, text, punct, taiere});
}

void ImprimantaInregistrata::intindeImagine(QSvgRenderer&, const QRect& dreptunghi) {
    inregistrari_.push_back({Inregistrare::Imagine, {}, {}, {}, dreptunghi});
}

std::vector<ImprimantaInregistrata::Inregistrare> ImprimantaInregistrata::doar(Inregistrare::Fel fel) const {
    std::vector<Inregistrare> rezultat;
    std::copy_if(inregistrari_.begin(), inregistrari_.end(), std::back_inserter(rezultat),
                 [fel](const Inregistrare& r) { return r.fel == fel; });
    return rezultat;
}
