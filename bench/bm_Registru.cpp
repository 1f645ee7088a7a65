#include "BazaTest.h"
#include "controls/KivVirtualGrid.h"
#include "data/UDm.h"
#include "platform/Eroare.h"
#include "platform/ImprimantaPdf.h"
#include "printing/LotDinBaza.h"
#include "printing/LucrareTiparire.h"
#include "register/InregistrareLaTiparire.h"
#include "register/Registru.h"
#include "register/SituatiaFormularelor.h"
#include "register/URegistruActe.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalBlocker>
#include <QSpinBox>
#include <benchmark/benchmark.h>
#include <ctime>
#include <numeric>

// The register of 10,000 entries: opening its window and scrolling it, the forms' report, and
// what recording costs a printed sheet, alone and in a batch of 1,000 fronts. Each is set
// beside a floor measured in the same run.

namespace {

constexpr int intrari = 10000;
constexpr int eleviLot = 1000;

// 10,000 entries of one year on series A (received 1-20000), one in ten cancelled and one in
// five issued, written as one statement each.
class BazaCuRegistru {
public:
    BazaCuRegistru() {
        Registru::primesteFormulare(
            {0, QStringLiteral("A"), 1, 20000, QDate(2026, 9, 1), QStringLiteral("ISJ")});
        Registru::primesteFormulare(
            {0, QStringLiteral("B"), 1, 99999, QDate(2026, 9, 1), QStringLiteral("ISJ")});
        const QString numere = QStringLiteral(
            "with c(x) as (select 0 from rdb$database union all select 1 from rdb$database union all select "
            "2 from "
            "rdb$database union all select 3 from rdb$database union all select 4 from rdb$database union "
            "all "
            "select 5 from rdb$database union all select 6 from rdb$database union all select 7 from "
            "rdb$database "
            "union all select 8 from rdb$database union all select 9 from rdb$database), "
            "n(i) as (select a.x + 10 * b.x + 100 * c.x + 1000 * d.x + 1 from c a, c b, c c, c d) ");
        baza_.executa(
            QStringLiteral("insert into REGISTRU (ID_REGISTRU, AN, NR_INREGISTRARE, DATA_TIPARIRII, ID_ELEV, "
                           "NUME, CNP, CALIFICAREA, SERIA, NUMARUL, STAREA, MOTIV_ANULARE) ") +
            numere +
            QStringLiteral("select i, 2026, i, date '2026-06-30', i, 'Popescu Ion ' || i, '1800101220011', "
                           "'Tehnician in informatica', 'A', i, case when mod(i, 10) = 0 then 'anulat' when "
                           "mod(i, 5) = 0 then 'eliberat' else 'tiparit' end, case when mod(i, 10) = 0 then "
                           "'patat' end from n where i <= %1")
                .arg(intrari));
        baza_.executa(QStringLiteral("set generator G_ID_REGISTRU to %1").arg(intrari));
        // 1,000 students with every field filled, for the batch of fronts.
        baza_.executa(QStringLiteral("insert into ELEVI (ID_ELEVI) ") + numere +
                      QStringLiteral("select i from n where i <= %1").arg(eleviLot));
        baza_.executa(
            "insert into \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, VALOARE_TEXT, VALOARE_NUM, "
            "ID_ELEVI) select p.COD_FORMULAR, p.COD_PAGINA, p.COD_CAMP, case when p.TIP_DE_DATE = 'NOTA' "
            "then '9,' || mod(e.ID_ELEVI, 100) else 'Valoare ' || e.ID_ELEVI end, 0, e.ID_ELEVI "
            "from PROFIL_DIPLOMA p cross join ELEVI e where p.ASOCIAT_CU = 'ELEVI'");
    }

private:
    BazaTest baza_;
};

BazaCuRegistru& baza() {
    static BazaCuRegistru b;
    return b;
}

// Floor: the same rows read by one bare statement.
void BM_CitireBruta(benchmark::State& state) {
    baza();
    for (auto _ : state) {
        GardaTranzactie garda;
        Q4().seteazaSql(QStringLiteral("SELECT * FROM REGISTRU"));
        Q4().deschide();
        int n = 0;
        for (; !Q4().eof(); Q4().urmator())
            n += Q4().camp(QStringLiteral("NUME")).toString().size();
        Q4().inchide();
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_CitireBruta)->Unit(benchmark::kMillisecond);

// The window opened on every year, painted, then scrolled to the end a page at a time
// (a hundred pages, painted each).
void BM_DeschideSiDeruleazaRegistrul(benchmark::State& state) {
    baza();
    for (auto _ : state) {
        TRegistruActe f;
        {
            // As the main window opens it: the filters set, then one load (not one per filter).
            const QSignalBlocker faraReincarcare(f.An);
            f.An->setValue(0);
        }
        f.resize(1100, 620);
        f.Incarca();
        f.Grila->grab();
        const int pas = std::max(1, f.Grila->RowCount() / 100);
        for (int r = 0; r < f.Grila->RowCount(); r += pas) {
            f.Grila->SetTopRow(r);
            f.Grila->grab();
        }
        benchmark::DoNotOptimize(f.Intrari().size());
    }
}
BENCHMARK(BM_DeschideSiDeruleazaRegistrul)->Unit(benchmark::kMillisecond);

void BM_SituatiaFormularelor(benchmark::State& state) {
    baza();
    for (auto _ : state)
        benchmark::DoNotOptimize(situatiaFormularelor());
}
BENCHMARK(BM_SituatiaFormularelor)->Unit(benchmark::kMillisecond);

// Floor: one committed transaction that writes one row, as the printed sheet's own commit.
void BM_TranzactieGoala(benchmark::State& state) {
    baza();
    for (auto _ : state) {
        GardaTranzactie garda;
        Q4().seteazaSql(QStringLiteral("SELECT GEN_ID(G_ID_JURNAL, 0) AS N FROM RDB$DATABASE"));
        Q4().deschide();
        Q4().inchide();
        garda.Commit();
    }
}
BENCHMARK(BM_TranzactieGoala)->Unit(benchmark::kMicrosecond);

// One printed front recorded: its entry and its journal line, committed.
void BM_InregistrareFoaie(benchmark::State& state) {
    baza();
    InregistrareTeanc teanc(QStringLiteral("B"), *Registru::numarPropus("B"), true);
    const ElevDeInregistrat elev{1, QStringLiteral("Popescu Ion"), QStringLiteral("1800101220011"),
                                 QStringLiteral("Tehnician")};
    for (auto _ : state)
        teanc.foaieTiparita(elev);
}
BENCHMARK(BM_InregistrareFoaie)->Unit(benchmark::kMicrosecond)->Iterations(1000);

// The print job's questions answered at once.
class FaraIntrebari : public IntrebariLucrare {
public:
    void mesaj(const QString&) override {}
    bool continuaFaraOmisi(const std::vector<ElevOmis>&, int) override { return true; }
    std::optional<AsezareFoaie> asezare(int, const AsezareFoaie& propusa, const QString&) override {
        return propusa;
    }
};

// One job of 1,000 fronts filled from the database into a PDF, recorded on series B or not.
struct Durata {
    double ms = 0, cpuMs = 0; // wall, and processor time of the whole process
};
Durata lotDeFete(ImprimantaPdf& pdf, bool inregistrat) {
    std::vector<int> elevi(eleviLot);
    std::iota(elevi.begin(), elevi.end(), 1);
    QElapsedTimer ceas;
    ceas.start();
    const std::clock_t cpu = std::clock();
    LucrareTiparire lucrare = LucrareTiparire::dinBaza(std::move(elevi), LaturaFata, SablonLatura("FATA"),
                                                       SablonLatura("SPATE"), pdf);
    lucrare.folosesteSetarile(false);
    InregistrareLaTiparire inregistrare;
    if (inregistrat) {
        inregistrare.folosesteTeancul({false, QStringLiteral("B"), *Registru::numarPropus("B"), true});
        lucrare.adaugaAscultator(inregistrare);
    }
    FaraIntrebari intrebari;
    const RezultatLucrare r = lucrare.ruleaza(intrebari);
    const Durata d{double(ceas.nsecsElapsed()) / 1e6, double(std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC};
    QFile::remove(pdf.ultimulFisier());
    const int asteptate = inregistrat ? eleviLot : 0;
    if (r.tiparite != eleviLot ||
        (inregistrare.teanc() ? int(inregistrare.teanc()->intrari().size()) : 0) != asteptate)
        throw Eroare(QStringLiteral("Lotul nu s-a tiparit intreg."));
    return d;
}

// The batch recorded, beside its floor: the same batch unrecorded, run just before it in each
// iteration. The goal: under 1 ms added per sheet. The machine is shared, so the processor
// time is told too.
void BM_LotDeFeteInregistrat(benchmark::State& state) {
    baza();
    ImprimantaPdf pdf;
    Durata podea, inregistrat;
    for (auto _ : state) {
        const Durata p = lotDeFete(pdf, false);
        const Durata i = lotDeFete(pdf, true);
        state.SetIterationTime(i.ms / 1000.0);
        podea.ms += p.ms, podea.cpuMs += p.cpuMs;
        inregistrat.ms += i.ms, inregistrat.cpuMs += i.cpuMs;
    }
    const double n = double(state.iterations());
    state.counters["podea_ms"] = podea.ms / n;
    state.counters["raport"] = inregistrat.ms / podea.ms;
    state.counters["adaos_ms_pe_foaie"] = (inregistrat.ms - podea.ms) / n / eleviLot;
    state.counters["adaos_cpu_ms_pe_foaie"] = (inregistrat.cpuMs - podea.cpuMs) / n / eleviLot;
}
BENCHMARK(BM_LotDeFeteInregistrat)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);

} // namespace
