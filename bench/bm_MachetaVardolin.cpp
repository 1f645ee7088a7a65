#include "MediuTest.h"
#include "platform/ImprimantaSistem.h"
#include "printing/ComponenteMacheta.h"
#include "printing/FormularDePrintat.h"
#include "printing/UMachetaVardolin.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

// The certificate's real layout over its blank-form pictures, every area numbered.
struct Certificat {
    QWidget fereastra;
    ComponenteMacheta componente;

    Certificat() : componente(creeazaComponente(MachetaVardolin::citeste(), &fereastra)) {
        for (TFormularDePrintat* p : componente.pagini)
            p->NumberTextAreas();
    }
};

void BM_RedesenareCertificat(benchmark::State& state) {
    Certificat c;
    TFormularDePrintat* pagina = c.componente.pagini[size_t(state.range(0))];
    pagina->setZoom(double(state.range(1)));
    QImage tinta(pagina->size(), QImage::Format_ARGB32_Premultiplied);
    pagina->render(&tinta); // the stretched background is made once per size
    for (auto _ : state) {
        pagina->render(&tinta);
        benchmark::ClobberMemory();
    }
    state.SetLabel(QStringLiteral("%1, %2x%3 px, %4 zone")
                       .arg(pagina->objectName())
                       .arg(tinta.width())
                       .arg(tinta.height())
                       .arg(pagina->zone().size())
                       .toStdString());
}
BENCHMARK(BM_RedesenareCertificat)
    ->Args({0, 100})
    ->Args({0, 200})
    ->Args({1, 100})
    ->Args({1, 200})
    ->Unit(benchmark::kMillisecond);

// A changed zoom rebuilds the stretched background and lays every area out again.
void BM_SchimbareZoom(benchmark::State& state) {
    Certificat c;
    TFormularDePrintat* pagina = c.componente.pagini[0];
    QImage tinta(QSize(2400, 1700), QImage::Format_ARGB32_Premultiplied);
    bool mare = false;
    for (auto _ : state) {
        pagina->setZoom((mare = !mare) ? 200 : 100);
        pagina->render(&tinta);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SchimbareZoom)->Unit(benchmark::kMillisecond);

void BM_TiparireCertificatPdf(benchmark::State& state) {
    Certificat c;
    TFormularDePrintat* pagina = c.componente.pagini[size_t(state.range(0))];
    auto& imprimanta = ImprimantaSistem::instanta();
    imprimanta.selecteaza(imprimanta.indexImprimantaPdf());
    imprimanta.pregatesteSetari({});
    for (auto _ : state) {
        imprimanta.incepeLucrare(QStringLiteral("Vardolin ") + pagina->objectName());
        pagina->PrintPage(imprimanta, state.range(1) != 0, 2.0, 1.5);
        imprimanta.terminaLucrare();
        QFile::remove(imprimanta.ultimulFisierPdf());
    }
}
BENCHMARK(BM_TiparireCertificatPdf)->Args({0, 0})->Args({0, 1})->Args({1, 0})->Unit(benchmark::kMillisecond);

} // namespace
