#pragma once

#include "printing/PaginaFormular.h"

#include <functional>
#include <vector>

class Imprimanta;

// Printing one side of the certificate for many students in one job. Every student is filled
// first, so the students that cannot be printed are known before anything prints.

struct ElevOmis {
    int idElev = 0;
    QString motiv; // the Romanian text of the filling rule that failed
};

// The filled pages of a batch, in list order.
struct PaginiLot {
    std::vector<int> elevi;             // the printable students
    std::vector<PaginaFormular> pagini; // one page each, beside its student
    std::vector<ElevOmis> omisi;        // the others, with why
};

// Fills a copy of the page for one student; fails with an Eroare when a filling rule fails.
using UmplereElev = std::function<void(PaginaFormular& pagina, int idElev)>;
PaginiLot UmpleLotul(const PaginaFormular& sablon, const std::vector<int>& elevi, const UmplereElev& umple);

// The order the sheets of a batch are printed in.
enum class OrdineLot { CaLista, Inversa };

// The order of the backs that puts each back behind its own front. The fronts come out with
// the last one on top: face up from the inkjet paths (FeedMode 1 and 2), face down from an
// internal tray (3 and 4). The printer prints on the face seen in the tray when OppositeSide
// is off, on the hidden one when it is on, and takes the top sheet first. The pile goes back
// either as it came out (the last front is taken first: the backs go in reverse) or turned
// over (the first front is now on top: the backs go in list order).
OrdineLot OrdineaVersourilor(int feedMode, bool oppositeSide);
// "in ordinea listei" or "in ordine inversa", for the paper dialog's caption.
QString TextOrdine(OrdineLot ordine);
// The positions 0..n-1 in the printing order.
std::vector<size_t> PozitiiInOrdine(size_t n, OrdineLot ordine);

struct OptiuniLot {
    QString titlu;
    bool rotit = false;
    double stanga = 0, sus = 0; // mm
    // A failure ends the job with what was drawn instead of cancelling it: one sheet printed
    // alone, as its user asked.
    bool terminaLaEsec = false;
};

// Told before the page i (from 1) of n is printed; false stops the batch.
using ProgresLot = std::function<bool(int i, int n)>;
// Told after the page i (from 1) has been drawn into the job; an Eroare thrown cancels the job.
using PaginaTiparita = std::function<void(int i)>;
// Told once every page is drawn, just before the job goes to the printer: nothing of it has left
// yet (the spooler and the PDF printer take a job whole when it ends). An Eroare thrown cancels it.
using PredareLot = std::function<void()>;

struct RezultatLot {
    int tiparite = 0;
    bool oprit = false;
};

// One job on the printer with one page per page given, in their order. Stopping, or a
// failure, cancels the job: nothing of it is printed or kept.
RezultatLot TiparesteLotul(const std::vector<const PaginaFormular*>& pagini, Imprimanta& dispozitiv,
                           const OptiuniLot& optiuni, const ProgresLot& progres = {},
                           const PaginaTiparita& tiparita = {}, const PredareLot& predare = {});
