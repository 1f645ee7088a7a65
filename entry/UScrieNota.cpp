#include "entry/UScrieNota.h"

#include "entry/URomana.h"
#include "entry/UKivQuickRegStuff.h"
#include "printing/QFormularTextArea.h"

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

namespace {

QString modulFelului(const TInfoGlobal2005& setari, TFelNota fel) {
    switch (fel) {
    case TFelNota::NOTA_DIPLOMA:
        return setari.NotaDiploma();
    case TFelNota::NOTA_COTOR:
        return setari.NotaCotor();
    case TFelNota::MEDIE_DIPLOMA:
        return setari.MedieDiploma();
    case TFelNota::MEDIE_COTOR:
        return setari.MedieCotor();
    }
    return {};
}

bool peDouaRanduri(int mod) {
    return mod == ModProcentDedesubt || mod == ModLitereDedesubt;
}

void aseaza(TFormularTextArea* sus, TFormularTextArea* jos, int mod) {
    if (peDouaRanduri(mod)) {
        sus->set_Top(sus->TopInitial());
        sus->ApplyGeometry();
        jos->setVisible(true);
    } else if (jos) {
        // One line, half-way between the two printed lines.
        jos->setVisible(false);
        sus->set_Top((sus->TopInitial() + jos->TopInitial()) / 2.0);
        sus->ApplyGeometry();
    }
}

void scrieTextele(TFormularTextArea* sus, TFormularTextArea* jos, const std::optional<Currency>& nota,
                  int mod) {
    if (!nota) {
        sus->setText(QStringLiteral("----"));
        if (peDouaRanduri(mod)) jos->setText(QStringLiteral(" "));
        return;
    }
    const int H = int(nota->zeciMii / 10000);
    const QString D = FormateazaSuma(2, Currency::dinZeciMii(nota->zeciMii / 100));
    QString W;
    if (mod == ModProcent || mod == ModProcentDedesubt) W = NotaInCuvinte(H, NotaProcent);
    if (mod == ModLitereDedesubt) W = NotaInCuvinte(H, NotaLitere);
    if (peDouaRanduri(mod)) {
        sus->setText(D);
        jos->setText(W);
    } else {
        sus->setText(W.isEmpty() ? D : D + u' ' + W);
    }
}

void schimbaLiterele(TFormularTextArea* zona, bool mari) {
    if (zona) zona->setText(mari ? LitereMari(zona->Text()) : LitereMici(zona->Text()));
}

} // namespace

void ScrieNota(TFormularTextArea* sus, TFormularTextArea* jos, std::optional<Currency> nota, TFelNota fel) {
    for (TFormularTextArea* zona : {sus, jos})
        if (zona) zona->setText(QStringLiteral(" "));
    const TInfoGlobal2005 setari;
    if (!sus) std::swap(sus, jos);
    if (!sus) return;
    for (TFormularTextArea* zona : {sus, jos})
        if (zona) zona->InregistreazaTopInitial();

    int mod = NumarulModului(modulFelului(setari, fel));
    if (peDouaRanduri(mod) && !jos) mod = ModProcent;
    aseaza(sus, jos, mod);
    scrieTextele(sus, jos, nota, mod);
    const bool mari = setari.ScriuCuLitereMari() == QLatin1String("1");
    schimbaLiterele(sus, mari);
    schimbaLiterele(jos, mari);
}
