#include "BazaTest.h"
#include "ServerFirebird.h"
#include "data/UDm.h"
#include "import/CitireFoaie.h"
#include "import/PreluareExcel.h"
#include "platform/FoaieDeCalcul.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

namespace {

constexpr int Randuri = 1000;
constexpr int CampuriMapate = 12;

// A sheet as a school sends it: a title, headers, then one graduate per row: the CNP in
// column A and twelve more columns.
TListaColoaneExcel foaieGenerata() {
    FoaieDeCalcul f;
    f.puneCelula(0, 0, QStringLiteral("Absolventi"));
    for (int c = 0; c <= CampuriMapate; ++c)
        f.puneCelula(1, c, QStringLiteral("Coloana %1").arg(c));
    for (int r = 0; r < Randuri; ++r) {
        f.puneCelula(r + 2, 0, QString::number(1990101000000LL + r));
        for (int c = 1; c <= CampuriMapate; ++c)
            f.puneCelula(r + 2, c, QStringLiteral("Valoare %1 %2").arg(r).arg(c));
    }
    f.termina();
    TListaColoaneExcel lista;
    CitesteFoaia(f, lista);
    return lista;
}

std::vector<TCampPreluat> campuri() {
    auto campuri = CampuriDePreluat();
    for (size_t i = 0; i < campuri.size(); ++i) {
        campuri[i].NuImport = i >= size_t(CampuriMapate);
        campuri[i].Coloana = FoaieDeCalcul::numeColoana(int(i) + 1);
    }
    return campuri;
}

// n students with a value row for every profile line of theirs and their school links.
void umple(BazaTest& baza, int n) {
    const QString numere = QStringLiteral(
        "with c(x) as (select 0 from rdb$database union all select 1 from rdb$database union all select 2 "
        "from "
        "rdb$database union all select 3 from rdb$database union all select 4 from rdb$database union all "
        "select 5 from rdb$database union all select 6 from rdb$database union all select 7 from "
        "rdb$database "
        "union all select 8 from rdb$database union all select 9 from rdb$database), "
        "n(i) as (select a.x + 10 * b.x + 100 * c.x + 1000 * d.x + 10000 * e.x + 1 from c a, c b, c c, c d, "
        "c e) ");
    const QString pana = QStringLiteral(" and n.i <= %1").arg(n);
    baza.executa("insert into ELEVI (ID_ELEVI) " + numere + "select i from n where 1 = 1" + pana);
    baza.executa(
        "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, VALOARE_TEXT, VALOARE_NUM) " +
        numere +
        "select p.COD_FORMULAR, p.COD_PAGINA, p.COD_CAMP, n.i, case when p.TIP_DE_DATE = 'CNP' then "
        "'2800101' || lpad(n.i, 6, '0') else 'text' end, 0 from n, PROFIL_DIPLOMA p where p.ASOCIAT_CU = "
        "'ELEVI'" +
        pana);
    baza.executa(
        "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, IDF_SCOALA, VALOARE_TEXT, "
        "VALOARE_NUM) " +
        numere +
        "select p.COD_FORMULAR, p.COD_PAGINA, p.COD_CAMP, n.i, 1, '', 0 from n, PROFIL_DIPLOMA p where "
        "p.ASOCIAT_CU = 'SCOALA'" +
        pana);
    baza.executa(QStringLiteral("set generator G_ID_ELEVI to %1").arg(n));
}

// Imports the 1,000 rows as new students and takes them out again; in one transaction held
// here (the floor: the same statements without a commit per group) or as the wizard does.
double importa(BazaTest& baza, const TListaColoaneExcel& lista, const std::vector<TCampPreluat>& mapate,
               int existenti, bool podea, bool& toti) {
    QElapsedTimer ceas;
    ceas.start();
    TRezumatPreluare r;
    if (podea) {
        GardaTranzactie garda;
        r = TPreluareExcel().Executa(lista, QStringLiteral("A"), mapate);
        garda.Commit();
    } else {
        r = TPreluareExcel().Executa(lista, QStringLiteral("A"), mapate);
    }
    const double secunde = double(ceas.nsecsElapsed()) / 1e9;
    toti = toti && r.Adaugati == Randuri;
    baza.executa(QStringLiteral("delete from ELEVI where ID_ELEVI > %1").arg(existenti));
    baza.executa(QStringLiteral("set generator G_ID_ELEVI to %1").arg(existenti));
    return secunde;
}

void masoara(benchmark::State& state) {
    BazaTest baza;
    baza.executa("insert into SCOALA (ID_SCOALA) values (1)");
    const int existenti = int(state.range(0));
    umple(baza, existenti);
    const TListaColoaneExcel lista = foaieGenerata();
    const auto mapate = campuri();
    double podea = 0, grupuri = 0;
    bool toti = true;
    for (auto _ : state) {
        // floor and groups alternate in the same run, so the ratio holds whatever the machine's load
        podea += importa(baza, lista, mapate, existenti, true, toti);
        const double t = importa(baza, lista, mapate, existenti, false, toti);
        grupuri += t;
        state.SetIterationTime(t);
    }
    if (!toti) state.SkipWithError("nu s-au adaugat toti elevii");
    state.counters["podea_ms"] = benchmark::Counter(podea * 1000 / double(state.iterations()));
    state.counters["fata_de_podea"] = benchmark::Counter(grupuri / podea);
    state.SetItemsProcessed(state.iterations() * Randuri);
}

// range(0) students already stored; range(1) = 1 through a private Firebird server on this
// computer. Timed: the import as the wizard runs it (groups of rows, a savepoint each); counters:
// the single-transaction floor and the ratio to it.
void BM_PreluareExcel(benchmark::State& state) {
    std::unique_ptr<ServerFirebird> server;
    if (state.range(1)) {
        server = std::make_unique<ServerFirebird>();
        if (!server->pornit()) {
            state.SkipWithError(qPrintable(server->eroare()));
            return;
        }
        qputenv("VARDOLIN_DATABASE", server->copieSablon("preluare.fdb").toUtf8());
        qputenv("VARDOLIN_DB_USER", ServerFirebird::utilizator);
        qputenv("VARDOLIN_DB_PASSWORD", ServerFirebird::parola);
    }
    masoara(state);
    qunsetenv("VARDOLIN_DATABASE");
}
BENCHMARK(BM_PreluareExcel)
    ->ArgsProduct({{0, 10000}, {0, 1}})
    ->ArgNames({"elevi", "server"})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace
