#include "entry/UScrieNota.h"

#include "entry/UKivQuickRegStuff.h"
#include "entry/URomana.h"

#include <array>

std::optional<TFelNota> FelNotaDupaNume(const QString& nume) {
    static const std::array<std::pair<const char*, TFelNota>, 4> nume_ = {{
        {"NOTA_DIPLOMA", TFelNota::NOTA_DIPLOMA},
        {"NOTA_COTOR", TFelNota::NOTA_COTOR},
        {"MEDIE_DIPLOMA", TFelNota::MEDIE_DIPLOMA},
        {"MEDIE_COTOR", TFelNota::MEDIE_COTOR},
    }};
    for (const auto& [text, fel] : nume_)
        if (nume == QLatin1String(text)) return fel;
    return std::nullopt;
}

int NumarulModului(const QString& mod) {
    if (mod == QLatin1String("NOTA(PROCENT)")) return ModProcent;
    if (mod == QLatin1String("NOTA/PROCENT")) return ModProcentDedesubt;
    if (mod == QLatin1String("NOTA/LITERE")) return ModLitereDedesubt;
    return ModNumai;
}

SetariNote SetariNote::implicite() {
    return {QStringLiteral("NOTA/LITERE"), QStringLiteral("NOTA/LITERE"), QStringLiteral("NOTA(PROCENT)"),
            QStringLiteral("NOTA(PROCENT)"), QStringLiteral("1")};
}

SetariNote SetariNote::citeste() {
    const TInfoGlobal2005 g;
    const SetariNote i = implicite();
    const auto sau = [](const QString& valoare, const QString& implicit) {
        return valoare.isEmpty() ? implicit : valoare;
    };
    // A fresh install prints as the settings window shows it would.
    return {sau(g.NotaDiploma(), i.NotaDiploma), sau(g.MedieDiploma(), i.MedieDiploma),
            sau(g.NotaCotor(), i.NotaCotor), sau(g.MedieCotor(), i.MedieCotor),
            sau(g.ScriuCuLitereMari(), i.ScriuCuLitereMari)};
}

QString SetariNote::modul(TFelNota fel) const {
    switch (fel) {
    case TFelNota::NOTA_DIPLOMA:
        return NotaDiploma;
    case TFelNota::NOTA_COTOR:
        return NotaCotor;
    case TFelNota::MEDIE_DIPLOMA:
        return MedieDiploma;
    case TFelNota::MEDIE_COTOR:
        return MedieCotor;
    }
    return {};
}

namespace {

bool peDouaRanduri(int mod) {
    return mod == ModProcentDedesubt || mod == ModLitereDedesubt;
}

void aseaza(AriePagina* sus, AriePagina* jos, int mod) {
    if (peDouaRanduri(mod)) {
        sus->sus = *sus->topInitial;
        jos->vizibila = true;
    } else if (jos) {
        // One line, half-way between the two printed lines.
        jos->vizibila = false;
        sus->sus = (*sus->topInitial + *jos->topInitial) / 2.0;
    }
}

void scrieTextele(AriePagina* sus, AriePagina* jos, const std::optional<Currency>& nota, int mod) {
    if (!nota) {
        sus->text = QStringLiteral("----");
        if (peDouaRanduri(mod)) jos->text = QStringLiteral(" ");
        return;
    }
    const int H = int(nota->zeciMii / 10000);
    const QString D = FormateazaSuma(2, Currency::dinZeciMii(nota->zeciMii / 100));
    QString W;
    if (mod == ModProcent || mod == ModProcentDedesubt) W = NotaInCuvinte(H, NotaProcent);
    if (mod == ModLitereDedesubt) W = NotaInCuvinte(H, NotaLitere);
    if (peDouaRanduri(mod)) {
        sus->text = D;
        jos->text = W;
    } else {
        sus->text = W.isEmpty() ? D : D + u' ' + W;
    }
}

void schimbaLiterele(AriePagina* arie, bool mari) {
    if (arie) arie->text = mari ? LitereMari(arie->text) : LitereMici(arie->text);
}

void golesteTextele(AriePagina* sus, AriePagina* jos) {
    for (AriePagina* arie : {sus, jos})
        if (arie) arie->text = QStringLiteral(" ");
}

} // namespace

void ScrieNota(AriePagina* sus, AriePagina* jos, std::optional<Currency> nota, TFelNota fel) {
    golesteTextele(sus, jos);
    ScrieNota(sus, jos, nota, fel, SetariNote::citeste());
}

void ScrieNota(AriePagina* sus, AriePagina* jos, std::optional<Currency> nota, TFelNota fel,
               const SetariNote& setari) {
    golesteTextele(sus, jos);
    if (!sus) std::swap(sus, jos);
    if (!sus) return;
    for (AriePagina* arie : {sus, jos})
        if (arie && !arie->topInitial) arie->topInitial = arie->sus;

    int mod = NumarulModului(setari.modul(fel));
    if (peDouaRanduri(mod) && !jos) mod = ModProcent;
    aseaza(sus, jos, mod);
    scrieTextele(sus, jos, nota, mod);
    const bool mari = setari.ScriuCuLitereMari == QLatin1String("1");
    schimbaLiterele(sus, mari);
    schimbaLiterele(jos, mari);
}
