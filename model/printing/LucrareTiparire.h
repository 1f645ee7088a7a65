#pragma once

#include "printing/SetariTiparire.h"
#include "printing/TiparireInBloc.h"

#include <functional>
#include <optional>
#include <vector>

class Imprimanta;

// One print job, the only road from students' values to paper: one side of the certificate
// for some students, every student filled before anything prints, the backs ordered to meet
// their fronts, the sheets drawn by the renderer and each one told to whoever listens.

// A sheet of the job.
struct FoaieTiparita {
    int idElev = 0; // 0 for a page that was not filled from a student
    int latura = LaturaFata;
    int pozitie = 0; // from 1, in the order the sheets leave the printer
};

// Hears the sheets of a job as they are printed.
class AscultatorLucrare {
public:
    virtual ~AscultatorLucrare() = default;
    // The job is about to begin: its side and its students in the order their sheets print.
    virtual void incepe(int latura, const std::vector<int>& elevi) {
        Q_UNUSED(latura);
        Q_UNUSED(elevi);
    }
    // A sheet has been drawn into the job; it leaves with the whole job, after predare. An
    // Eroare thrown here stops the job, cancels it and reaches the job's caller with its message.
    virtual void foaieTiparita(const FoaieTiparita& foaie) = 0;
    // Every sheet told is about to go to the printer, none has left yet. An Eroare thrown here
    // cancels the job (nothing prints) and reaches the caller; a kill before it prints nothing.
    virtual void predare() {}
    // The job went to the printer with every sheet told.
    virtual void terminata() {}
    // The job did not reach the printer whole (stopped, failed or refused by a listener): the
    // sheets told are not to be counted as printed.
    virtual void anulata() {}
};

// How the sheets lie in the printer: the margins in millimetres and the half turn.
struct AsezareFoaie {
    double stanga = 0, sus = 0;
    bool rotit = false;
};

// What a job asks of whoever runs it: a window asks the user, the form tool answers from its
// command line.
class IntrebariLucrare {
public:
    virtual ~IntrebariLucrare() = default;
    // A hint ("Configureaza imprimanta", a stopped job).
    virtual void mesaj(const QString& text) = 0;
    // Some students cannot be printed, each with why; true prints the others (there may be none).
    virtual bool continuaFaraOmisi(const std::vector<ElevOmis>& omisi, int tiparibili) = 0;
    // How the paper goes in for the side, starting from the margins kept for it; nothing gives
    // up. For a batch `teanc` says how many sheets go in and in which order; empty for one.
    virtual std::optional<AsezareFoaie> asezare(int latura, const AsezareFoaie& propusa,
                                                const QString& teanc) = 0;
    // Before sheet i (from 1) of n of a batch; false stops the job.
    virtual bool progres(int i, int n) {
        Q_UNUSED(i);
        Q_UNUSED(n);
        return true;
    }
};

struct RezultatLucrare {
    int tiparite = 0;            // sheets drawn into the job
    int deTiparit = 0;           // sheets the job was to print
    bool renuntat = false;       // nothing went to the printer: not prepared, or the user gave up
    bool oprit = false;          // stopped half-way: the job was cancelled
    std::vector<ElevOmis> omisi; // students left out, in list order
};

class LucrareTiparire {
public:
    // A batch filled from the database: the side's page with the adjustments applied, and the
    // other side's. A student whose other side cannot be filled is left out too, so that the
    // fronts and backs of a batch stay one to one in the pile that goes back in.
    static LucrareTiparire dinBaza(std::vector<int> elevi, int latura, PaginaFormular sablon,
                                   std::optional<PaginaFormular> cealaltaLatura, Imprimanta& dispozitiv);
    // One sheet of a page already filled (the preview's, as it is shown); its student, or 0.
    static LucrareTiparire oFoaie(PaginaFormular pagina, int idElev, int latura, Imprimanta& dispozitiv);

    // The stored print settings rule the job (on by default): the printer must have been
    // prepared, the margins kept for the side are offered and the answers kept, the printer
    // chosen then is used and the backs go in the order that meets their fronts. Without them
    // (the form tool) the answers are used as given and the sheets print in list order.
    void folosesteSetarile(bool da) { cuSetari_ = da; }
    // The job's title instead of the side's.
    void seteazaTitlu(const QString& titlu) { titlu_ = titlu; }
    // Students the caller will not have in this job, each with why (empty: printed); they are
    // left out after the filling's own, and shown with them.
    void omite(std::function<QString(int idElev)> motiv) { omite_ = std::move(motiv); }
    // Not owned; told in the order added.
    void adaugaAscultator(AscultatorLucrare& ascultator) { ascultatori_.push_back(&ascultator); }

    // Fills, asks, prints. Failures are Eroare; a job begun is cancelled (one sheet alone is
    // ended with what was drawn) and the settings are still written back.
    RezultatLucrare ruleaza(IntrebariLucrare& intrebari);

private:
    LucrareTiparire(std::function<PaginiLot()> umple, int latura, bool lot, Imprimanta& dispozitiv);
    bool imprimantaPregatita(IntrebariLucrare& intrebari) const;
    QString teanc(int foi, OrdineLot ordine) const;
    RezultatLot tipareste(const PaginiLot& foi, OrdineLot ordine, const AsezareFoaie& asezare,
                          IntrebariLucrare& intrebari);
    void spune(const std::function<void(AscultatorLucrare&)>& vestea);

    std::function<PaginiLot()> umple_;
    int latura_;
    bool lot_;
    Imprimanta* dispozitiv_;
    bool cuSetari_ = true;
    QString titlu_;
    std::function<QString(int)> omite_;
    std::vector<AscultatorLucrare*> ascultatori_;
};

// Later jobs go to the printer chosen when the printer was prepared, while it is installed;
// otherwise they stay on the current one.
void SelecteazaImprimantaAleasa(const TAllStuffReg& setari, Imprimanta& dispozitiv);
