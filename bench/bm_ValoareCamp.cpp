// Reading every field of the certificate for one student, as filling a form does.
#include "BazaTest.h"
#include "data/UProfilDiploma.h"
#include "data/UValoareCamp.h"
#include "printing/UMachetaVardolin.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

struct Date {
    BazaTest baza;
    std::vector<CheieCamp> chei;

    Date() {
        baza.executa("insert into ELEVI (ID_ELEVI) values (1)");
        baza.executa("insert into SCOALA (ID_SCOALA) values (1)");
        baza.executa(
            "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, ID_ELEVI) "
            "select COD_FORMULAR, COD_PAGINA, COD_CAMP, 'valoare ' || COD_CAMP, 0, 1 from PROFIL_DIPLOMA "
            "where ASOCIAT_CU = 'ELEVI'");
        baza.executa(
            "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, ID_SCOALA) "
            "select COD_FORMULAR, COD_PAGINA, COD_CAMP, 'scoala ' || COD_CAMP, 0, 1 from PROFIL_DIPLOMA "
            "where ASOCIAT_CU = 'SCOALA'");
        {
            GardaTranzactie garda;
            AsiguraLegaturi("SCOALA", std::nullopt);
            garda.Commit();
        }
        const MachetaVardolin macheta = MachetaVardolin::citeste();
        for (const auto& pagina : macheta.pagini)
            for (const auto& arie : pagina.arii)
                chei.push_back(DesparteCheie(arie.Denumire1));
    }
};

void BM_ValoareCampToateAriile(benchmark::State& state) {
    static Date date;
    for (auto _ : state) {
        GardaTranzactie garda;
        for (const CheieCamp& c : date.chei)
            benchmark::DoNotOptimize(ValoareCamp(c.formular, c.pagina, c.camp, 1));
    }
    state.counters["chei"] = double(date.chei.size());
}
BENCHMARK(BM_ValoareCampToateAriile)->Unit(benchmark::kMillisecond);

} // namespace
