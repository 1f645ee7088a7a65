#pragma once

#include "data/UProfilDiploma.h"
#include "platform/StocSetari.h"
#include "printing/SetariTiparire.h"

#include <QString>
#include <memory>

// Print settings as the print window would have saved them.
inline void ConfigureazaTiparirea(int feedMode, bool opus, const QString& oglindescFata = "*",
                                  const QString& oglindescVerso = "*") {
    TAllStuffReg s;
    s.Configured = true;
    s.FeedMode = feedMode;
    s.OppositeSide = opus;
    s.OglindescFata = oglindescFata;
    s.OglindescVerso = oglindescVerso;
}

// One value of the stored print settings, as text.
inline QString SetareTiparireStocata(const QString& nume) {
    return StocSetari::deschide(TAllStuffReg::Cheie())->value(nume).toString();
}

// A diploma profile with no field expressions, for the profile registry's checks.
class ProfilFaraExpresii : public TClasaProfilDiploma {
public:
    QString NumeClasa() const override { return "TProfilDeProba"; }
    std::unique_ptr<TListaLiniiProfilDiploma> Creeaza() const override { return nullptr; }
    QString NumeBazaDeDate() const override { return "Proba"; }
};
