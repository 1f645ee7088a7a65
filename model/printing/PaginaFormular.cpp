#include "printing/PaginaFormular.h"

#include "printing/FontFormular.h"

#include <QSet>

FontAjustare::FontAjustare(const TFontFormular* font) {
    if (font) emplace(font->pagina());
}

AriePagina* PaginaFormular::arie(const QString& numeArie) {
    for (AriePagina& a : arii)
        if (a.nume == numeArie) return &a;
    return nullptr;
}

int NumarExactArie(const QString& nume) {
    static const QString prefix = QStringLiteral("FormularTextArea");
    if (!nume.startsWith(prefix)) return 0;
    const QString rest = nume.mid(prefix.size());
    if (rest.isEmpty() || rest.startsWith(u'0')) return 0;
    bool ok = false;
    const int n = rest.toInt(&ok);
    return ok && rest == QString::number(n) ? n : 0;
}

void PaginaFormular::NumeroteazaAriile() {
    QSet<QString> vazute;
    for (AriePagina& a : arii) {
        const int n = NumarExactArie(a.nume);
        if (n < 1 || vazute.contains(a.nume)) continue;
        vazute.insert(a.nume);
        a.text = QStringLiteral("<%1>").arg(n);
    }
}

CerereFont StilArie::cerere(int inaltime, int inclinare) const {
    if (!font) return {};
    return {font->familie, inaltime, font->bold ? 700 : 400, font->italic, font->setCaractere, inclinare};
}

namespace {
void aplicaAjustarea(StilArie& stil, const AriePagina& arie, const AjustarePagina& a) {
    // A one-letter text is a marker of the layout, never replaced.
    if (!a.TextRedefinit.isEmpty() && arie.text.size() != 1) stil.text = a.TextRedefinit;
    if (a.Font) stil.font = a.Font;
    if (a.Aliniere == 1) stil.aliniere = AliniereArie::Stanga;
    if (a.Aliniere == 2) stil.aliniere = AliniereArie::Centru;
    if (a.Aliniere == 3) stil.aliniere = AliniereArie::Dreapta;
    stil.nudgeX = a.DeplasareOrizontala * 0.5;
    stil.nudgeY = a.DeplasareVerticala * 0.5;
    if (!stil.font) return;
    if (a.StilBold == 1) stil.font->bold = true;
    if (a.StilBold == 2) stil.font->bold = false;
    if (a.StilItalic == 1) stil.font->italic = true;
    if (a.StilItalic == 2) stil.font->italic = false;
    if (!a.FontSpecificat.isEmpty()) stil.font->familie = a.FontSpecificat;
}
} // namespace

StilArie StilEfectiv(const AriePagina& arie) {
    StilArie stil;
    stil.text = arie.text;
    stil.font = arie.font;
    stil.aliniere = arie.aliniere;
    if (arie.ajustare) aplicaAjustarea(stil, arie, *arie.ajustare);
    return stil;
}
