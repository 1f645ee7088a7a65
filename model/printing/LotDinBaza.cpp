#include "printing/LotDinBaza.h"

#include "data/UDm.h"
#include "data/UProfilDiploma.h"
#include "platform/Eroare.h"
#include "printing/UMachetaVardolin.h"
#include "printing/UParticularizare.h"

#include "data/ValoriInBloc.h"
#include "entry/UCompleteazaFormular.h"

#include <algorithm>
#include <set>

namespace {

std::set<int> eleviExistenti() {
    std::set<int> iduri;
    InchideLaIesire inchide(Q1());
    Q1().seteazaSql(QStringLiteral("select ID_ELEVI from ELEVI"));
    Q1().deschide();
    for (; !Q1().eof(); Q1().urmator())
        iduri.insert(int(Q1().intreg(QStringLiteral("ID_ELEVI"))));
    return iduri;
}

} // namespace

PaginaFormular SablonLatura(const QString& codPagina) {
    const MachetaVardolin macheta = MachetaVardolin::citeste();
    const PaginaMacheta* parte = macheta.pagina(codPagina);
    if (!parte) throw Eroare::format("Macheta nu are pagina %s.", {codPagina});
    PaginaFormular pagina = macheta.descriere(*parte);
    macheta.aplicaParticularizarile(pagina, Particularizari());
    return pagina;
}

PaginiLot UmpleLotulDinBaza(const PaginaFormular& sablon, const std::vector<int>& elevi,
                            const PaginaFormular* cealaltaLatura) {
    // Only read: rolled back on the way out.
    GardaTranzactie garda;
    const std::set<int> existenti = eleviExistenti();
    std::vector<int> gasiti;
    std::vector<ElevOmis> lipsa;
    for (const int id : elevi) {
        if (existenti.count(id))
            gasiti.push_back(id);
        else
            lipsa.push_back({id, QStringLiteral("Elevul %1 nu exista in baza de date.").arg(id)});
    }
    std::vector<CheieCamp> chei = CheileCampurilor(sablon);
    if (cealaltaLatura) {
        const std::vector<CheieCamp> alte = CheileCampurilor(*cealaltaLatura);
        chei.insert(chei.end(), alte.begin(), alte.end());
    }
    const ValoriInBloc valori = ValoriInBloc::citeste(gasiti, chei);
    const TipuriCampuri tipuri = TipuriCampuri::citeste();
    const SetariNote setari = SetariNote::citeste();
    PaginiLot lot = UmpleLotul(sablon, gasiti, [&](PaginaFormular& pagina, int id) {
        const SursaValori sursa = SursaDinBloc(valori, id);
        if (cealaltaLatura) {
            PaginaFormular verificare = *cealaltaLatura;
            UmplePagina(verificare, sursa, tipuri, setari);
        }
        UmplePagina(pagina, sursa, tipuri, setari);
    });
    // Listed in the batch's order.
    lot.omisi.insert(lot.omisi.end(), lipsa.begin(), lipsa.end());
    const auto pozitie = [&](const ElevOmis& o) { return std::find(elevi.begin(), elevi.end(), o.idElev); };
    std::stable_sort(lot.omisi.begin(), lot.omisi.end(),
                     [&](const ElevOmis& a, const ElevOmis& b) { return pozitie(a) < pozitie(b); });
    return lot;
}
