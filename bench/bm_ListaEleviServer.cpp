// The student list read by the embedded engine and through a Firebird server on this computer:
// what the network round trips cost a secretariat that shares one database.
#include "BazaTest.h"
#include "ServerFirebird.h"
#include "data/UDm.h"
#include "entry/UListaElevi.h"

#include <benchmark/benchmark.h>

namespace {

// n students with both name lines and a CNP, as after an import.
void umpleCuElevi(BazaTest& b, int n) {
    const QString numere =
        QStringLiteral(
            "with recursive n(i) as (select 1 from rdb$database union all select i + 1 from n where i < %1) ")
            .arg(n);
    b.executa(QStringLiteral("insert into ELEVI (ID_ELEVI) ") + numere + QStringLiteral("select i from n"));
    for (const auto& [camp, text] : {std::pair{"C_NUME_L1", "'Popescu' || i"},
                                     std::pair{"C_NUME_L2", "'Ion'"}, std::pair{"C_CNP", "'1800101220011'"}})
        b.executa(QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, "
                                 "VALOARE_TEXT, VALOARE_NUM) ") +
                  numere +
                  QStringLiteral("select 'Vardolin', 'FATA', '%1', i, %2, 0 from n").arg(camp, text));
    b.executa(QStringLiteral("set generator G_ID_ELEVI to %1").arg(n));
}

void masoaraLista(benchmark::State& state, BazaTest& b) {
    umpleCuElevi(b, int(state.range(0)));
    TListaElevi lista;
    for (auto _ : state) {
        lista.IncarcaLista();
        benchmark::DoNotOptimize(lista.Linii.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ListaElevi_Incorporat(benchmark::State& state) {
    BazaTest b;
    masoaraLista(state, b);
}

void BM_ListaElevi_Server(benchmark::State& state) {
    ServerFirebird server;
    if (!server.pornit()) {
        state.SkipWithError(qPrintable(server.eroare()));
        return;
    }
    qputenv("VARDOLIN_DATABASE", server.copieSablon("bench.fdb").toUtf8());
    qputenv("VARDOLIN_DB_USER", ServerFirebird::utilizator);
    qputenv("VARDOLIN_DB_PASSWORD", ServerFirebird::parola);
    {
        BazaTest b;
        masoaraLista(state, b);
    }
    qunsetenv("VARDOLIN_DATABASE");
}

// The whole start-up of the data module (upgrade checks and profile synchronisation).
void BM_Pornire(benchmark::State& state, bool peServer) {
    std::unique_ptr<ServerFirebird> server;
    if (peServer) {
        server = std::make_unique<ServerFirebird>();
        qputenv("VARDOLIN_DATABASE", server->copieSablon("pornire.fdb").toUtf8());
        qputenv("VARDOLIN_DB_USER", ServerFirebird::utilizator);
        qputenv("VARDOLIN_DB_PASSWORD", ServerFirebird::parola);
    }
    BazaTest b;
    for (auto _ : state)
        b.Reporneste();
    qunsetenv("VARDOLIN_DATABASE");
}

} // namespace

BENCHMARK(BM_ListaElevi_Incorporat)->Arg(1000)->ArgName("elevi")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListaElevi_Server)->Arg(1000)->ArgName("elevi")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Pornire, incorporat, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Pornire, server, true)->Unit(benchmark::kMillisecond);
