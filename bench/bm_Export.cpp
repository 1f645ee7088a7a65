// Exporting 10,000 students x 20 fields to each format, against a floor measured in the same run:
// the bulk read of the same values alone (what any export must do before writing a byte). The
// counter "fata_de_citire" is the export's time over that floor; "crestere_kb" is how much the
// resident memory grew from the first block written to the end (it stays flat: one block of
// values and one row are held, never the file).
#include "BazaTest.h"
#include "data/ExportElevi.h"
#include "data/UDm.h"
#include "data/UValoareCamp.h"
#include "data/ValoriInBloc.h"

#include <QElapsedTimer>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

constexpr int Elevi = 10000;
constexpr int Campuri = 20;

long rezidentKb() {
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    return f.readAll().split(' ').value(1).toLong() * 4;
}

// Every student and school field filled for n students (names with Romanian letters, grades as
// the certificate shows them), one school linked to all, as after an import.
struct BazaCuElevi {
    BazaTest baza;
    std::vector<int> iduri;
    std::vector<CampDeExportat> campuri;

    BazaCuElevi() {
        const QString numere = NumerePanaLa10000();
        baza.executa(QStringLiteral("insert into SCOALA (ID_SCOALA) values (1)"));
        baza.executa(QStringLiteral("insert into ELEVI (ID_ELEVI) ") + numere + "select i from n");
        baza.executa(QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_ELEVI, "
                                    "VALOARE_TEXT, VALOARE_NUM) ") +
                     numere +
                     "select p.COD_FORMULAR, p.COD_PAGINA, p.COD_CAMP, n.i, iif(p.TIP_DE_DATE = 'NOTA', "
                     "'9,63', 'Ştefan-Ţuţea ' || n.i || ' ' || p.COD_CAMP), 0 from n, PROFIL_DIPLOMA p "
                     "where p.ASOCIAT_CU = 'ELEVI'");
        baza.executa(
            QStringLiteral("insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_SCOALA, "
                           "VALOARE_TEXT, VALOARE_NUM) select COD_FORMULAR, COD_PAGINA, COD_CAMP, 1, "
                           "'Liceul ' || COD_CAMP, 0 from PROFIL_DIPLOMA where ASOCIAT_CU = 'SCOALA'"));
        baza.executa(QStringLiteral("set generator G_ID_ELEVI to %1").arg(Elevi));
        GardaTranzactie garda;
        AsiguraLegaturi(QStringLiteral("SCOALA"), std::nullopt);
        garda.Commit();
        iduri = IduriElevi();
        campuri = CampuriDeExportat();
        campuri.resize(Campuri);
    }
};

BazaCuElevi& baza() {
    static BazaCuElevi b;
    return b;
}

// The floor: every value read in blocks as the export reads them, written nowhere.
double citireaSingura() {
    QElapsedTimer ceas;
    ceas.start();
    const TabelDeExportat t = TabelElevi(baza().iduri, baza().campuri, true);
    QStringList texte;
    for (int primul = 0; primul < t.randuri; primul += OptiuniExport{}.marimeBloc) {
        const int numar = std::min(OptiuniExport{}.marimeBloc, t.randuri - primul);
        t.pregatesteBloc(primul, numar);
        for (int r = primul; r < primul + numar; ++r) {
            texte.clear();
            t.rand(r, texte);
        }
    }
    benchmark::DoNotOptimize(texte.size());
    return double(ceas.nsecsElapsed()) / 1e9;
}

void BM_Exporta(benchmark::State& state) {
    const auto format = ScriitorFoaie::Format(state.range(0));
    const QString extensie[] = {"xlsx", "ods", "csv", "csv"};
    const QString cale = baza().baza.mediu().cale(QStringLiteral("export.") + extensie[state.range(0)]);
    const double podea = citireaSingura();
    OptiuniExport optiuni;
    optiuni.format = format;
    long primul = 0, maxim = 0;
    QElapsedTimer ceas;
    ceas.start();
    for (auto _ : state) {
        primul = 0;
        exporta(TabelElevi(baza().iduri, baza().campuri, true), cale, optiuni, [&](int, int) {
            const long acum = rezidentKb();
            if (!primul) primul = acum;
            maxim = std::max(maxim, acum);
            return true;
        });
    }
    state.counters["podea_s"] = podea;
    state.counters["fata_de_citire"] = double(ceas.nsecsElapsed()) / 1e9 / double(state.iterations()) / podea;
    state.counters["crestere_kb"] = double(maxim - primul);
    state.counters["fisier_kb"] = double(QFile(cale).size()) / 1024;
    state.SetItemsProcessed(state.iterations() * Elevi);
}
BENCHMARK(BM_Exporta)
    ->Arg(int(ScriitorFoaie::Format::Xlsx))
    ->Arg(int(ScriitorFoaie::Format::Ods))
    ->Arg(int(ScriitorFoaie::Format::Csv))
    ->Arg(int(ScriitorFoaie::Format::Csv1250))
    ->ArgName("format")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

} // namespace
