#include "BazaTest.h"
#include "data/UDm.h"
#include "entry/UAdaugaElev.h"
#include "entry/UListaElevi.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// A database holding n students, each with both name lines and a CNP, and one school linked to
// every student, as after an import.
class BazaCuElevi {
public:
    explicit BazaCuElevi(int n) {
        baza_.executa(QStringLiteral("insert into SCOALA (ID_SCOALA) values (1)"));
        const QString numere = NumerePanaLa10000();
        const QString pana = QStringLiteral(" where n.i <= %1").arg(n);
        baza_.executa(QStringLiteral("insert into ELEVI (ID_ELEVI) ") + numere + "select i from n" + pana);
        const auto valoare = [&](const QString& camp, const QString& text) {
            baza_.executa(
                QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, "
                               "VALOARE_TEXT, VALOARE_NUM) ") +
                numere + QStringLiteral("select 'Vardolin', 'FATA', '%1', i, %2, 0 from n").arg(camp, text) +
                pana);
        };
        valoare("C_NUME_L1", "'Popescu' || i");
        valoare("C_NUME_L2", "'Ion'");
        valoare("C_CNP", "'1800101220011'");
        baza_.executa(
            QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, IDF_SCOALA, "
                           "VALOARE_TEXT, VALOARE_NUM) ") +
            numere +
            "select p.COD_FORMULAR, p.COD_PAGINA, p.COD_CAMP, n.i, 1, '', 0 from n, PROFIL_DIPLOMA p "
            "where p.ASOCIAT_CU = 'SCOALA' and n.i <= " +
            QString::number(n));
        baza_.executa(QStringLiteral("set generator G_ID_ELEVI to %1").arg(n));
    }

private:
    BazaTest baza_;
};

void BM_IncarcaListaElevilor(benchmark::State& state) {
    BazaCuElevi baza(int(state.range(0)));
    TListaElevi lista;
    for (auto _ : state) {
        lista.IncarcaLista();
        benchmark::DoNotOptimize(lista.Linii.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_IncarcaListaElevilor)->Arg(1000)->Arg(10000)->ArgName("elevi")->Unit(benchmark::kMillisecond);

// The same descriptions from one statement with joins: the floor any list load could reach.
void BM_DescrieriCuJoin(benchmark::State& state) {
    BazaCuElevi baza(int(state.range(0)));
    const QString camp = QStringLiteral(
        "left join \"DATE\" %1 on %1.ID_ELEVI = e.ID_ELEVI and %1.COD_FORMULAR = 'Vardolin' and "
        "%1.COD_PAGINA = 'FATA' and %1.COD_CAMP = '%2' ");
    const QString sql = QStringLiteral("select e.ID_ELEVI, n1.VALOARE_TEXT as N1, n2.VALOARE_TEXT as N2, "
                                       "c.VALOARE_TEXT as C from ELEVI e ") +
                        camp.arg("n1", "C_NUME_L1") + camp.arg("n2", "C_NUME_L2") + camp.arg("c", "C_CNP");
    for (auto _ : state) {
        std::vector<QString> descrieri;
        GardaTranzactie garda;
        Q5().seteazaSql(sql);
        Q5().deschide();
        for (; !Q5().eof(); Q5().urmator()) {
            const QString n1 = Q5().text("N1"), n2 = Q5().text("N2");
            descrieri.push_back(n1 + u' ' + n2 + QStringLiteral(" / ") + n1 + u' ' + n2 +
                                QStringLiteral(" (") + Q5().text("C") + u')');
        }
        Q5().inchide();
        benchmark::DoNotOptimize(descrieri.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DescrieriCuJoin)->Arg(1000)->Arg(10000)->ArgName("elevi")->Unit(benchmark::kMillisecond);

// Building the student window for an existing student: 36 editors, their values and earlier
// values, the school choice.
void BM_FereastraElevului(benchmark::State& state) {
    BazaCuElevi baza(int(state.range(0)));
    for (auto _ : state) {
        TAdaugaElev fereastra;
        fereastra.Deschide(1);
        benchmark::DoNotOptimize(fereastra.IdElev);
    }
}
BENCHMARK(BM_FereastraElevului)->Arg(1000)->Arg(10000)->ArgName("elevi")->Unit(benchmark::kMillisecond);

} // namespace
