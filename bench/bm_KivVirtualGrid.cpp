#include "controls/KivVirtualGrid.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <memory>

namespace {

struct LinieDate : TKivVirtualGridLine {
    LinieDate(TKivVirtualGridList* lista, int i) : TKivVirtualGridLine(lista), index(i) {}
    int index;
};

// A shown grid of 1024 x 768 pixels with the given columns and n lines; the client answers
// every cell from a small table, as a client with its own records would.
struct Grila {
    std::unique_ptr<TKivVirtualGrid> g = std::make_unique<TKivVirtualGrid>();
    std::vector<QString> nume;

    Grila(const std::vector<TKivTipDeDateColoana>& tipuri, int n) {
        for (int i = 0; i < 1000; ++i)
            nume.push_back(QStringLiteral("Popescu Ion %1").arg(i));
        g->BeginUpdate();
        for (size_t c = 0; c < tipuri.size(); ++c) {
            TKivVirtualGridColumn* col = g->Coloane.Add();
            col->TipDeDate = tipuri[c];
            col->SetWidth(110);
            col->SetNumeColoana(QStringLiteral("Coloana numarul %1").arg(c));
            col->SetUmbrela1(c < 3 ? QStringLiteral("Grup") : QString());
        }
        for (int i = 0; i < n; ++i)
            g->Linii.Adauga<LinieDate>(i);
        g->EndUpdate();
        g->OnGetCellValue = [this](TKivVirtualGridLine* obj, int c, TKivValoareDate& v) {
            const int i = static_cast<LinieDate*>(obj)->index;
            switch (g->Coloane[c]->TipDeDate) {
            case TKivTipDeDateColoana::atCurrency:
                v.SetValCurrency(Currency::dinZeciMii(qint64(i) * 12345));
                break;
            case TKivTipDeDateColoana::atIntegerDouaZecimale:
                v.SetValIntegerDouaZecimale(500 + i % 501);
                break;
            case TKivTipDeDateColoana::atInteger:
                v.SetValInteger(i + 1);
                break;
            case TKivTipDeDateColoana::atDataLung:
                v.SetValDataLung(QDateTime(QDate(1990, 1, 1).addDays(i % 5000), QTime()));
                break;
            default:
                v.SetValString(nume[size_t(i % 1000)]);
                break;
            }
        };
        g->resize(1024, 768);
        g->show();
    }

    void deseneaza(QImage& img) {
        QPainter p(&img);
        g->DeseneazaCelule(p, img.rect());
    }
};

QImage imagine(const TKivVirtualGrid& g) {
    QImage img(g.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    return img;
}

void BM_DeseneazaSiruri1000x30(benchmark::State& state) {
    Grila g(std::vector<TKivTipDeDateColoana>(30, TKivTipDeDateColoana::atString), 1000);
    QImage img = imagine(*g.g);
    for (auto _ : state)
        g.deseneaza(img);
}
BENCHMARK(BM_DeseneazaSiruri1000x30)->Unit(benchmark::kMillisecond);

const std::vector<TKivTipDeDateColoana> tipuri = {
    TKivTipDeDateColoana::atInteger,  TKivTipDeDateColoana::atString,
    TKivTipDeDateColoana::atDataLung, TKivTipDeDateColoana::atIntegerDouaZecimale,
    TKivTipDeDateColoana::atCurrency, TKivTipDeDateColoana::atString,
    TKivTipDeDateColoana::atString,   TKivTipDeDateColoana::atCurrency,
    TKivTipDeDateColoana::atInteger};

void BM_Deseneaza100000Tipizate(benchmark::State& state) {
    Grila g(tipuri, 100000);
    g.g->SetTopRow(50000);
    QImage img = imagine(*g.g);
    for (auto _ : state)
        g.deseneaza(img);
}
BENCHMARK(BM_Deseneaza100000Tipizate)->Unit(benchmark::kMillisecond);

// A page down and the repaint it needs, back to the top when the end is reached.
void BM_DerulareOPagina(benchmark::State& state) {
    Grila g(tipuri, 100000);
    QImage img = imagine(*g.g);
    for (auto _ : state) {
        const int inainte = g.g->TopRow();
        g.g->ScrollRowPage(1);
        if (g.g->TopRow() == inainte) g.g->SetTopRow(1);
        g.deseneaza(img);
    }
}
BENCHMARK(BM_DerulareOPagina)->Unit(benchmark::kMillisecond);

void BM_Adauga100000(benchmark::State& state) {
    Grila g(tipuri, 0);
    double octetiPeLinie = 0;
    for (auto _ : state) {
        const size_t inainte = mallinfo2().uordblks;
        g.g->BeginUpdate();
        for (int i = 0; i < 100000; ++i)
            g.g->Linii.Adauga<LinieDate>(i);
        g.g->EndUpdate();
        state.PauseTiming();
        octetiPeLinie = double(mallinfo2().uordblks - inainte) / 100000.0;
        g.g->Linii.Clear();
        state.ResumeTiming();
    }
    state.counters["octeti_pe_linie"] = octetiPeLinie;
    state.counters["sizeof_linie"] = double(sizeof(LinieDate));
}
BENCHMARK(BM_Adauga100000)->Unit(benchmark::kMillisecond);

} // namespace
