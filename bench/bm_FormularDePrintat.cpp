#include "MediuTest.h"
#include "platform/ImprimantaSistem.h"
#include "printing/FormularDePrintat.h"
#include "printing/RandarePagina.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>

namespace {
// A front-sized page with a scanned-like background and 100 areas in a grid, in two fonts.
struct PaginaSintetica {
    TFormularDePrintat pagina;
    TFontFormular mare, mic;

    PaginaSintetica() {
        pagina.setLatime(297);
        pagina.setInaltime(209.73);
        QImage fundal(2308, 1654, QImage::Format_RGB32);
        fundal.fill(QColor(245, 240, 225));
        QPainter p(&fundal);
        for (int y = 40; y < fundal.height(); y += 40)
            p.drawLine(30, y, fundal.width() - 30, y);
        p.end();
        pagina.setBkImage(fundal);
        mare.setSize(5.7);
        mare.setBold(true);
        mic.setSize(3.0);
        for (int i = 0; i < 100; ++i) {
            auto* z = new TFormularTextArea(&pagina);
            z->setObjectName(QStringLiteral("FormularTextArea%1").arg(i + 1));
            z->set_Left(10 + (i % 5) * 56.0);
            z->set_Top(10 + (i / 5) * 9.5);
            z->set_Width(i % 7 == 0 ? 4.5 : 50);
            z->set_Height(i % 3 == 0 ? 6.3 : 4.4);
            z->setFontFormular(i % 2 ? &mare : &mic);
            z->setAlignment(TFormularTextArea::TAlignment(i % 3));
            z->setZoomLock(200);
            z->ApplyGeometry();
        }
        pagina.NumberTextAreas();
        for (TFormularTextArea* z : pagina.zone())
            if (z->Text().size() > 3) z->setText(QStringLiteral("Popescu Ion Alexandru ") + z->Text());
    }
};

void BM_RedesenarePagina(benchmark::State& state) {
    PaginaSintetica s;
    s.pagina.setZoom(static_cast<double>(state.range(0)));
    QImage tinta(s.pagina.size(), QImage::Format_ARGB32_Premultiplied);
    s.pagina.render(&tinta); // builds the stretched background once
    for (auto _ : state) {
        s.pagina.render(&tinta);
        benchmark::ClobberMemory();
    }
    state.SetLabel(QStringLiteral("%1x%2 px, 100 zone").arg(tinta.width()).arg(tinta.height()).toStdString());
}
BENCHMARK(BM_RedesenarePagina)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_TiparirePdf(benchmark::State& state) {
    PaginaSintetica s;
    auto& sistem = ImprimantaSistem::instanta();
    sistem.selecteaza(sistem.indexImprimantaPdf());
    sistem.pregatesteSetari({});
    for (auto _ : state) {
        sistem.incepeLucrare(QStringLiteral("Diploma de examen national - fata"));
        s.pagina.PrintPage(sistem, state.range(0) != 0, 2.0, 1.5);
        sistem.terminaLucrare();
    }
}
BENCHMARK(BM_TiparirePdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same side printed from its page description, as tools and batch jobs print.
void BM_TiparirePdfDescriere(benchmark::State& state) {
    PaginaSintetica s;
    const PaginaFormular pagina = s.pagina.Descriere();
    auto& sistem = ImprimantaSistem::instanta();
    sistem.selecteaza(sistem.indexImprimantaPdf());
    sistem.pregatesteSetari({});
    for (auto _ : state) {
        sistem.incepeLucrare(QStringLiteral("Diploma de examen national - fata"));
        PrintPage(pagina, sistem, state.range(0) != 0, 2.0, 1.5);
        sistem.terminaLucrare();
    }
}
BENCHMARK(BM_TiparirePdfDescriere)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_DescrierePagina(benchmark::State& state) {
    PaginaSintetica s;
    for (auto _ : state)
        benchmark::DoNotOptimize(s.pagina.Descriere());
}
BENCHMARK(BM_DescrierePagina)->Unit(benchmark::kMillisecond);
} // namespace
