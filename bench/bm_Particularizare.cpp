#include "MediuTest.h"
#include "printing/ComponenteMacheta.h"
#include "printing/FormularDePrintat.h"
#include "printing/UMachetaVardolin.h"
#include "printing/UParticularizare.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {
// The certificate's window with its 168 areas, the first n of them adjusted (with a font).
struct FereastraAjustata {
    QWidget w;
    QList<TFormularTextArea*> zone;

    explicit FereastraAjustata(int ajustate) {
        const MachetaVardolin macheta = MachetaVardolin::citeste();
        w.setObjectName(macheta.fereastra);
        creeazaComponente(macheta, &w);
        zone = w.findChildren<TFormularTextArea*>();
        IncarcaParticularizarile();
        for (int i = 0; i < ajustate && i < zone.size(); ++i) {
            TParticularizareTextArea* rec = FindCustomisation(*zone[i], true);
            rec->NumeFont = QStringLiteral("Stanga");
            rec->DeplasareOrizontala = 1;
        }
    }
};

// The lookups of one paint of every area of both pages.
void BM_CautareaPentruToateZonele(benchmark::State& state) {
    FereastraAjustata f(static_cast<int>(state.range(0)));
    for (auto _ : state)
        for (const TFormularTextArea* z : f.zone)
            benchmark::DoNotOptimize(FindCustomisation(*z));
}
BENCHMARK(BM_CautareaPentruToateZonele)->Arg(0)->Arg(20)->Arg(168)->Unit(benchmark::kMicrosecond);

// Saving after a dialog: the whole file written and put in place.
void BM_SalvareaFisierului(benchmark::State& state) {
    FereastraAjustata f(static_cast<int>(state.range(0)));
    for (auto _ : state)
        Particularizari().SalveazaFisier();
}
BENCHMARK(BM_SalvareaFisierului)->Arg(1)->Arg(168)->Unit(benchmark::kMicrosecond);

void BM_IncarcareaFisierului(benchmark::State& state) {
    FereastraAjustata f(static_cast<int>(state.range(0)));
    for (auto _ : state)
        IncarcaParticularizarile();
}
BENCHMARK(BM_IncarcareaFisierului)->Arg(1)->Arg(168)->Unit(benchmark::kMicrosecond);
} // namespace
