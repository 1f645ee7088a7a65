// The student list read by the embedded engine and through a Firebird server on this computer:
// what the network round trips cost a secretariat that shares one database.
#include "BazaTest.h"
#include "ServerFirebird.h"
#include "data/UDm.h"
#include "entry/UListaElevi.h"

#include <benchmark/benchmark.h>

namespace {

// n students (up to 10,000) with both name lines and a CNP, as after an import.
void umpleCuElevi(BazaTest& b, int n) {
    // Numbers 1 to n from a cross join of digits: one statement per insert, and no recursion limit.
    const QString cifre = QStringLiteral(
        "(select 0 as x from rdb$database union all select 1 from rdb$database union all select 2 from "
        "rdb$database union all select 3 from rdb$database union all select 4 from rdb$database union all "
        "select 5 from rdb$database union all select 6 from rdb$database union all select 7 from "
        "rdb$database union all select 8 from rdb$database union all select 9 from rdb$database)");
    const QString numere =
        QStringLiteral("with c as %1, n(i) as (select a.x + 10 * b.x + 100 * c.x + 1000 * d.x + 1 from c a, "
                       "c b, c c, c d) ")
            .arg(cifre);
    const QString pana = QStringLiteral(" where i <= %1").arg(n);
    b.executa(QStringLiteral("insert into ELEVI (ID_ELEVI) ") + numere + QStringLiteral("select i from n") +
              pana);
    for (const auto& [camp, text] : {std::pair{"C_NUME_L1", "'Popescu' || i"},
                                     std::pair{"C_NUME_L2", "'Ion'"}, std::pair{"C_CNP", "'1800101220011'"}})
        b.executa(QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, "
                                 "VALOARE_TEXT, VALOARE_NUM) ") +
                  numere +
                  QStringLiteral("select 'Vardolin', 'FATA', '%1', i, %2, 0 from n").arg(camp, text) + pana);
    b.executa(QStringLiteral("set generator G_ID_ELEVI to %1").arg(n));
}

// The same descriptions from one statement with joins: the floor any list load could reach.
std::vector<QString> descrieriCuJoin() {
    const QString camp = QStringLiteral(
        "left join \"DATE\" %1 on %1.ID_ELEVI = e.ID_ELEVI and %1.COD_FORMULAR = 'Vardolin' and "
        "%1.COD_PAGINA = 'FATA' and %1.COD_CAMP = '%2' ");
    std::vector<QString> descrieri;
    GardaTranzactie garda;
    Q5().seteazaSql(QStringLiteral("select e.ID_ELEVI, n1.VALOARE_TEXT as N1, n2.VALOARE_TEXT as N2, "
                                   "c.VALOARE_TEXT as C from ELEVI e ") +
                    camp.arg("n1", "C_NUME_L1") + camp.arg("n2", "C_NUME_L2") + camp.arg("c", "C_CNP"));
    for (Q5().deschide(); !Q5().eof(); Q5().urmator()) {
        const QString n1 = Q5().text("N1"), n2 = Q5().text("N2");
        descrieri.push_back(n1 + u' ' + n2 + QStringLiteral(" / ") + n1 + u' ' + n2 + QStringLiteral(" (") +
                            Q5().text("C") + u')');
    }
    Q5().inchide();
    return descrieri;
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

void masoaraJoin(benchmark::State& state, BazaTest& b) {
    umpleCuElevi(b, int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(descrieriCuJoin().size());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The list (or, with `join`, the joined statement) on a database of the embedded engine or of a
// private server.
void BM_Descrieri(benchmark::State& state, bool peServer, bool join) {
    std::unique_ptr<ServerFirebird> server;
    if (peServer) {
        server = std::make_unique<ServerFirebird>();
        if (!server->pornit()) {
            state.SkipWithError(qPrintable(server->eroare()));
            return;
        }
        qputenv("VARDOLIN_DATABASE", server->copieSablon("bench.fdb").toUtf8());
        qputenv("VARDOLIN_DB_USER", ServerFirebird::utilizator);
        qputenv("VARDOLIN_DB_PASSWORD", ServerFirebird::parola);
    }
    {
        BazaTest b;
        join ? masoaraJoin(state, b) : masoaraLista(state, b);
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

BENCHMARK_CAPTURE(BM_Descrieri, lista_incorporat, false, false)
    ->Arg(1000)
    ->ArgName("elevi")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Descrieri, lista_server, true, false)
    ->Arg(1000)
    ->Arg(10000)
    ->ArgName("elevi")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Descrieri, join_server, true, true)
    ->Arg(1000)
    ->Arg(10000)
    ->ArgName("elevi")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Pornire, incorporat, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Pornire, server, true)->Unit(benchmark::kMillisecond);
