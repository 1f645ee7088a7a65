#include "printing/LucrareTiparire.h"

#include "platform/Eroare.h"
#include "platform/Imprimanta.h"
#include "printing/LotDinBaza.h"

namespace {

void scoateOmisii(PaginiLot& foi, const std::function<QString(int)>& motivOmitere) {
    PaginiLot raman;
    raman.omisi = std::move(foi.omisi);
    for (size_t i = 0; i < foi.elevi.size(); ++i) {
        const QString motiv = motivOmitere(foi.elevi[i]);
        if (!motiv.isEmpty()) {
            raman.omisi.push_back({foi.elevi[i], motiv});
            continue;
        }
        raman.elevi.push_back(foi.elevi[i]);
        raman.pagini.push_back(std::move(foi.pagini[i]));
    }
    foi = std::move(raman);
}

} // namespace

void SelecteazaImprimantaAleasa(const TAllStuffReg& setari, Imprimanta& dispozitiv) {
    if (setari.PrinterName.isEmpty()) return;
    const int index = int(dispozitiv.imprimante().indexOf(setari.PrinterName));
    if (index >= 0 && index != dispozitiv.indexCurent()) dispozitiv.selecteaza(index);
}

LucrareTiparire::LucrareTiparire(std::function<PaginiLot()> umple, int latura, bool lot,
                                 Imprimanta& dispozitiv)
    : umple_(std::move(umple)), latura_(latura), lot_(lot), dispozitiv_(&dispozitiv) {}

LucrareTiparire LucrareTiparire::dinBaza(std::vector<int> elevi, int latura, PaginaFormular sablon,
                                         std::optional<PaginaFormular> cealaltaLatura,
                                         Imprimanta& dispozitiv) {
    return LucrareTiparire(
        [elevi = std::move(elevi), sablon = std::move(sablon), cealalta = std::move(cealaltaLatura)] {
            return UmpleLotulDinBaza(sablon, elevi, cealalta ? &*cealalta : nullptr);
        },
        latura, true, dispozitiv);
}

LucrareTiparire LucrareTiparire::oFoaie(PaginaFormular pagina, int idElev, int latura,
                                        Imprimanta& dispozitiv) {
    return LucrareTiparire(
        [pagina = std::move(pagina), idElev] {
            PaginiLot foaie;
            foaie.elevi.push_back(idElev);
            foaie.pagini.push_back(pagina);
            return foaie;
        },
        latura, false, dispozitiv);
}

bool LucrareTiparire::imprimantaPregatita(IntrebariLucrare& intrebari) const {
    const TAllStuffReg verificare;
    if (!verificare.AllNecitit.isEmpty())
        throw Eroare(QStringLiteral("Setarile imprimantei nu pot fi citite. Configurati din nou imprimanta "
                                    "din meniul \"Configurare imprimanta\"."));
    if (!verificare.Configured) {
        intrebari.mesaj(QStringLiteral("Configureaza imprimanta"));
        return false;
    }
    return true;
}

QString LucrareTiparire::teanc(int foi, OrdineLot ordine) const {
    if (!lot_) return {};
    return QStringLiteral("%1 certificate, %2 %3")
        .arg(foi)
        .arg(latura_ == LaturaVerso ? QStringLiteral("versourile") : QStringLiteral("fetele"),
             TextOrdine(ordine));
}

void LucrareTiparire::spune(const std::function<void(AscultatorLucrare&)>& vestea) {
    for (AscultatorLucrare* a : ascultatori_)
        vestea(*a);
}

RezultatLot LucrareTiparire::tipareste(const PaginiLot& foi, OrdineLot ordine, const AsezareFoaie& asezare,
                                       IntrebariLucrare& intrebari) {
    std::vector<const PaginaFormular*> pagini;
    std::vector<int> elevi;
    for (const size_t i : PozitiiInOrdine(foi.pagini.size(), ordine)) {
        pagini.push_back(&foi.pagini[i]);
        elevi.push_back(foi.elevi[i]);
    }
    OptiuniLot optiuni{titlu_.isEmpty() ? TitluLucrare(latura_) : titlu_, asezare.rotit, asezare.stanga,
                       asezare.sus};
    optiuni.terminaLaEsec = !lot_;
    ProgresLot progres;
    if (lot_) progres = [&](int i, int n) { return intrebari.progres(i, n); };
    spune([&](AscultatorLucrare& a) { a.incepe(latura_, elevi); });
    RezultatLot rezultat;
    try {
        rezultat = TiparesteLotul(
            pagini, *dispozitiv_, optiuni, progres,
            [&](int i) {
                const FoaieTiparita foaie{elevi[size_t(i - 1)], latura_, i};
                spune([&](AscultatorLucrare& a) { a.foaieTiparita(foaie); });
            },
            [&] { spune([](AscultatorLucrare& a) { a.predare(); }); });
    } catch (...) {
        spune([](AscultatorLucrare& a) { a.anulata(); });
        throw;
    }
    spune([&](AscultatorLucrare& a) { rezultat.oprit ? a.anulata() : a.terminata(); });
    return rezultat;
}

RezultatLucrare LucrareTiparire::ruleaza(IntrebariLucrare& intrebari) {
    RezultatLucrare rezultat;
    rezultat.renuntat = true;
    if (cuSetari_ && !imprimantaPregatita(intrebari)) return rezultat;

    PaginiLot foi = umple_();
    if (omite_) scoateOmisii(foi, omite_);
    rezultat.omisi = foi.omisi;
    rezultat.deTiparit = int(foi.pagini.size());
    if (!foi.omisi.empty() && !intrebari.continuaFaraOmisi(foi.omisi, rezultat.deTiparit)) return rezultat;
    if (foi.pagini.empty()) return rezultat;

    // Written back whichever way printing ends.
    std::optional<TAllStuffReg> setari;
    if (cuSetari_) setari.emplace();
    const OrdineLot ordine = setari && latura_ == LaturaVerso
                                 ? OrdineaVersourilor(setari->FeedMode, setari->OppositeSide)
                                 : OrdineLot::CaLista;
    AsezareFoaie propusa;
    if (setari) propusa = {setari->MargineStanga(latura_), setari->MargineSus(latura_)};
    const std::optional<AsezareFoaie> asezare =
        intrebari.asezare(latura_, propusa, teanc(rezultat.deTiparit, ordine));
    if (!asezare) return rezultat;
    rezultat.renuntat = false;
    if (setari) {
        setari->SeteazaMargini(latura_, asezare->stanga, asezare->sus);
        SelecteazaImprimantaAleasa(*setari, *dispozitiv_);
    }
    PregatesteImprimanta(*dispozitiv_, false);

    const RezultatLot tiparit = tipareste(foi, ordine, *asezare, intrebari);
    rezultat.tiparite = tiparit.tiparite;
    rezultat.oprit = tiparit.oprit;
    if (setari) setari->Scrie();
    if (rezultat.oprit)
        intrebari.mesaj(QStringLiteral("Tiparirea a fost oprita dupa %1 din %2 certificate; lucrarea "
                                       "a fost anulata si nu s-a tiparit nimic.")
                            .arg(rezultat.tiparite)
                            .arg(rezultat.deTiparit));
    return rezultat;
}
