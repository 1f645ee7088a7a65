// One side of the certificate for 1,000 students into one PDF: both sides filled from the
// database in bulk and the side printed in one job, with the process's peak memory.
#include "BazaTest.h"
#include "platform/ImprimantaSistem.h"
#include "printing/LotDinBaza.h"
#include "printing/UParticularizare.h"

#include <QElapsedTimer>
#include <QFile>
#include <benchmark/benchmark.h>
#include <ctime>
#include <sys/resource.h>

namespace {

constexpr int elevi = 1000;

struct Date {
    BazaTest baza;
    std::vector<int> iduri;

    Date() {
        {
            GardaTranzactie garda;
            Q1().seteazaSql("insert into ELEVI (ID_ELEVI) values (:ID)");
            for (int id = 1; id <= elevi; ++id) {
                Q1().param("ID", id);
                Q1().executa();
            }
            garda.Commit();
        }
        // Every field of every student, grades as numbers.
        baza.executa(
            "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, "
            "ID_ELEVI) select p.COD_FORMULAR, p.COD_PAGINA, p.COD_CAMP, case when p.TIP_DE_DATE = 'NOTA' "
            "then '9,' || mod(e.ID_ELEVI, 100) else 'Valoare ' || e.ID_ELEVI end, 0, e.ID_ELEVI "
            "from PROFIL_DIPLOMA p cross join ELEVI e where p.ASOCIAT_CU = 'ELEVI'");
        for (int id = 1; id <= elevi; ++id)
            iduri.push_back(id);
        IncarcaParticularizarile();
    }
};

double memorieDeVarfMb() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return double(r.ru_maxrss) / 1024.0; // kilobytes on Linux
}

void BM_LotPdf(benchmark::State& state, const QString& codPagina) {
    static Date date;
    auto& pdf = ImprimantaSistem::instanta();
    pdf.selecteaza(pdf.indexImprimantaPdf());
    pdf.pregatesteSetari(SetariDispozitiv{});
    // Wall and processor time of each phase: this machine is shared, so both are told.
    double umplere = 0, tiparire = 0, umplereCpu = 0, tiparireCpu = 0;
    for (auto _ : state) {
        QElapsedTimer ceas;
        ceas.start();
        std::clock_t cpu = std::clock();
        // Both sides are filled, as the print window does, the other one only to check it.
        const PaginaFormular cealalta = SablonLatura(codPagina == u"FATA" ? "SPATE" : "FATA");
        const PaginiLot lot = UmpleLotulDinBaza(SablonLatura(codPagina), date.iduri, &cealalta);
        umplere += double(ceas.nsecsElapsed()) / 1e6;
        umplereCpu += double(std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC;
        ceas.restart();
        cpu = std::clock();
        std::vector<const PaginaFormular*> pagini;
        for (const PaginaFormular& p : lot.pagini)
            pagini.push_back(&p);
        TiparesteLotul(pagini, pdf, {"Lot " + codPagina});
        tiparire += double(ceas.nsecsElapsed()) / 1e6;
        tiparireCpu += double(std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC;
        if (lot.pagini.size() != size_t(elevi)) state.SkipWithError("elevi lasati deoparte");
        state.counters["pdf_MB"] = double(QFile(pdf.ultimulFisierPdf()).size()) / 1e6;
        QFile::remove(pdf.ultimulFisierPdf());
    }
    state.counters["umplere_ms"] = umplere / double(state.iterations());
    state.counters["tiparire_ms"] = tiparire / double(state.iterations());
    state.counters["umplere_cpu_ms"] = umplereCpu / double(state.iterations());
    state.counters["tiparire_cpu_ms"] = tiparireCpu / double(state.iterations());
    state.counters["varf_MB"] = memorieDeVarfMb();
}
BENCHMARK_CAPTURE(BM_LotPdf, fete, QStringLiteral("FATA"))->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_CAPTURE(BM_LotPdf, versouri, QStringLiteral("SPATE"))->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
