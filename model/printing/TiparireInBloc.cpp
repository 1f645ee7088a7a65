#include "printing/TiparireInBloc.h"

#include "platform/Eroare.h"
#include "platform/Imprimanta.h"
#include "printing/RandarePagina.h"

#include <numeric>

PaginiLot UmpleLotul(const PaginaFormular& sablon, const std::vector<int>& elevi, const UmplereElev& umple) {
    PaginiLot lot;
    lot.pagini.reserve(elevi.size());
    for (const int id : elevi) {
        PaginaFormular pagina = sablon;
        try {
            umple(pagina, id);
        } catch (const Eroare& e) {
            lot.omisi.push_back({id, e.text()});
            continue;
        }
        lot.elevi.push_back(id);
        lot.pagini.push_back(std::move(pagina));
    }
    return lot;
}

OrdineLot OrdineaVersourilor(int feedMode, bool oppositeSide) {
    const bool fataInSusLaIesire = feedMode == 1 || feedMode == 2;
    // For the back to be printed the front must lie on the face the printer does not print.
    const bool fataInSusLaIntrare = oppositeSide;
    const bool teancRasturnat = fataInSusLaIesire != fataInSusLaIntrare;
    return teancRasturnat ? OrdineLot::CaLista : OrdineLot::Inversa;
}

QString TextOrdine(OrdineLot ordine) {
    return ordine == OrdineLot::CaLista ? QStringLiteral("in ordinea listei")
                                        : QStringLiteral("in ordine inversa");
}

std::vector<size_t> PozitiiInOrdine(size_t n, OrdineLot ordine) {
    std::vector<size_t> pozitii(n);
    std::iota(pozitii.begin(), pozitii.end(), size_t(0));
    if (ordine == OrdineLot::Inversa) std::reverse(pozitii.begin(), pozitii.end());
    return pozitii;
}

RezultatLot TiparesteLotul(const std::vector<const PaginaFormular*>& pagini, Imprimanta& dispozitiv,
                           const OptiuniLot& optiuni, const ProgresLot& progres,
                           const PaginaTiparita& tiparita, const PredareLot& predare) {
    RezultatLot rezultat;
    const int n = int(pagini.size());
    if (n == 0) return rezultat;
    // The job leaves for the printer only here, with every sheet told and handed over.
    const auto trimite = [&] {
        if (predare) predare();
        dispozitiv.terminaLucrare();
    };
    dispozitiv.incepeLucrare(optiuni.titlu);
    try {
        for (int i = 0; i < n; ++i) {
            if (progres && !progres(i + 1, n)) {
                dispozitiv.anuleazaLucrare();
                rezultat.oprit = true;
                return rezultat;
            }
            if (i > 0) dispozitiv.paginaNoua();
            try {
                PrintPage(*pagini[size_t(i)], dispozitiv, optiuni.rotit, optiuni.stanga, optiuni.sus);
            } catch (...) {
                if (!optiuni.terminaLaEsec) throw;
                // What was drawn prints all the same: a sheet of the job like any other.
                ++rezultat.tiparite;
                if (tiparita) tiparita(i + 1);
                trimite();
                throw;
            }
            ++rezultat.tiparite;
            if (tiparita) tiparita(i + 1);
        }
        trimite();
    } catch (...) {
        dispozitiv.anuleazaLucrare();
        throw;
    }
    return rezultat;
}
