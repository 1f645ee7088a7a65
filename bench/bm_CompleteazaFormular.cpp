// Filling the certificate's page descriptions for one student, without any widget.
#include "BazaTest.h"
#include "data/UValoareCamp.h"
#include "entry/UCompleteazaFormular.h"
#include "printing/UMachetaVardolin.h"

#include <QHash>
#include <benchmark/benchmark.h>

namespace {

// A student and a school with every field of the profile filled, grades as grades.
struct Date {
    BazaTest baza;
    MachetaVardolin macheta = MachetaVardolin::citeste();

    Date() {
        baza.executa("insert into ELEVI (ID_ELEVI) values (1)");
        baza.executa("insert into SCOALA (ID_SCOALA) values (1)");
        for (const char* tabel : {"ELEVI", "SCOALA"})
            baza.executa(QString("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, "
                                 "VALOARE_NUM, ID_%1) select COD_FORMULAR, COD_PAGINA, COD_CAMP, "
                                 "iif(TIP_DE_DATE = 'NOTA', '9,63', 'valoare ' || COD_CAMP), 0, 1 from "
                                 "PROFIL_DIPLOMA where ASOCIAT_CU = '%1'")
                             .arg(tabel));
        GardaTranzactie garda;
        AsiguraLegaturi("SCOALA", std::nullopt);
        garda.Commit();
    }
};

Date& date() {
    static Date d;
    return d;
}

// From the database, as the print window and the form tool fill.
void BM_UmplereDinBaza(benchmark::State& state) {
    const PaginaFormular gol = date().macheta.descriere(date().macheta.pagini[size_t(state.range(0))]);
    for (auto _ : state) {
        PaginaFormular pagina = gol;
        GardaTranzactie garda;
        UmplePagina(pagina, 1);
        benchmark::DoNotOptimize(pagina.arii.data());
    }
    state.counters["arii"] = double(gol.arii.size());
}
BENCHMARK(BM_UmplereDinBaza)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The rules alone: values, field types and grade settings already read, as a batch fills.
void BM_UmplereValoriCitite(benchmark::State& state) {
    const PaginaFormular gol = date().macheta.descriere(date().macheta.pagini[size_t(state.range(0))]);
    QHash<QString, QString> valori;
    TipuriCampuri tipuri;
    {
        GardaTranzactie garda;
        for (const AriePagina& a : gol.arii) {
            const CheieCamp c = DesparteCheie(a.Denumire1);
            valori.insert(a.Denumire1, ValoareCamp(c.formular, c.pagina, c.camp, 1));
        }
        tipuri = TipuriCampuri::citeste();
    }
    const SetariNote setari = SetariNote::citeste();
    const SursaValori sursa = [&](const CheieCamp& c) {
        return valori.value(c.formular + u'.' + c.pagina + u'.' + c.camp);
    };
    for (auto _ : state) {
        PaginaFormular pagina = gol;
        UmplePagina(pagina, sursa, tipuri, setari);
        benchmark::DoNotOptimize(pagina.arii.data());
    }
}
BENCHMARK(BM_UmplereValoriCitite)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
