// Reading every field of the certificate for many students: key by key through ValoareCamp, as
// filling one form does, against the bulk read, on the embedded engine and through a server.
#include "BazaTest.h"
#include "ServerFirebird.h"
#include "data/UProfilDiploma.h"
#include "data/UValoareCamp.h"
#include "data/ValoriInBloc.h"
#include "printing/UMachetaVardolin.h"

#include <benchmark/benchmark.h>

namespace {

// n students with a value for every student field and the link rows to one school that holds
// every school field; the keys are those of the certificate's text areas, both sides.
class Date {
public:
    Date(int n, bool peServer) : n_(n), peServer_(peServer) {
        if (peServer) {
            server_ = std::make_unique<ServerFirebird>();
            qputenv("VARDOLIN_DATABASE", server_->copieSablon("bench.fdb").toUtf8());
            qputenv("VARDOLIN_DB_USER", ServerFirebird::utilizator);
            qputenv("VARDOLIN_DB_PASSWORD", ServerFirebird::parola);
        }
        baza_ = std::make_unique<BazaTest>();
        qunsetenv("VARDOLIN_DATABASE");
        const QString numere = QStringLiteral("with recursive n(i) as (select 1 from rdb$database union all "
                                              "select i + 1 from n where i < %1) ")
                                   .arg(n);
        baza_->executa(QStringLiteral("insert into ELEVI (ID_ELEVI) ") + numere + "select i from n");
        baza_->executa("insert into SCOALA (ID_SCOALA) values (1)");
        baza_->executa(
            QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, "
                           "VALOARE_NUM, ID_ELEVI, IDF_SCOALA) ") +
            numere +
            "select p.COD_FORMULAR, p.COD_PAGINA, p.COD_CAMP, iif(p.ASOCIAT_CU = 'ELEVI', "
            "p.COD_CAMP || ' ' || n.i, ''), 0, n.i, iif(p.ASOCIAT_CU = 'SCOALA', 1, null) "
            "from n, PROFIL_DIPLOMA p");
        baza_->executa(
            "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, ID_SCOALA) "
            "select COD_FORMULAR, COD_PAGINA, COD_CAMP, 'scoala ' || COD_CAMP, 0, 1 from PROFIL_DIPLOMA "
            "where ASOCIAT_CU = 'SCOALA'");
        for (int i = 1; i <= n; ++i)
            elevi.push_back(i);
        for (const auto& pagina : MachetaVardolin::citeste().pagini)
            for (const auto& arie : pagina.arii)
                chei.push_back(DesparteCheie(arie.Denumire1));
    }

    bool pentru(int n, bool peServer) const { return n == n_ && peServer == peServer_; }
    bool pornit() const { return !server_ || server_->pornit(); }

    std::vector<int> elevi;
    std::vector<CheieCamp> chei;

private:
    int n_;
    bool peServer_;
    std::unique_ptr<ServerFirebird> server_;
    std::unique_ptr<BazaTest> baza_;
};

// One database at a time (the data module is one per process), kept while the benchmarks
// that follow ask for the same one.
Date& date(int n, bool peServer) {
    static std::unique_ptr<Date> d;
    if (!d || !d->pentru(n, peServer)) {
        d.reset();
        d = std::make_unique<Date>(n, peServer);
    }
    return *d;
}

void BM_CheieCuCheie(benchmark::State& state, bool peServer) {
    Date& d = date(int(state.range(0)), peServer);
    for (auto _ : state) {
        GardaTranzactie garda;
        for (const int e : d.elevi)
            for (const CheieCamp& c : d.chei)
                benchmark::DoNotOptimize(ValoareCamp(c.formular, c.pagina, c.camp, e));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["chei"] = double(d.chei.size());
}

void BM_InBloc(benchmark::State& state, bool peServer) {
    Date& d = date(int(state.range(0)), peServer);
    for (auto _ : state) {
        GardaTranzactie garda;
        const ValoriInBloc valori = ValoriInBloc::citeste(d.elevi, d.chei);
        for (const int e : d.elevi)
            for (const CheieCamp& c : d.chei)
                benchmark::DoNotOptimize(valori.valoare(e, c));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["chei"] = double(d.chei.size());
}

} // namespace

BENCHMARK_CAPTURE(BM_CheieCuCheie, incorporat, false)
    ->Arg(1000)
    ->ArgName("elevi")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_InBloc, incorporat, false)->Arg(1000)->ArgName("elevi")->Unit(benchmark::kMillisecond);
// Over the server key by key costs a round trip per query: a tenth of the students is enough.
BENCHMARK_CAPTURE(BM_CheieCuCheie, server, true)
    ->Arg(100)
    ->ArgName("elevi")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_InBloc, server, true)->Arg(100)->ArgName("elevi")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_InBloc, server, true)->Arg(1000)->ArgName("elevi")->Unit(benchmark::kMillisecond);
