#pragma once

#include "printing/LucrareTiparire.h"
#include "register/Registru.h"

#include <functional>
#include <memory>

// Hears a print job and records its fronts printed on forms, each on the next form of the pile,
// in the order the job prints them. Nothing leaves for the printer before the job ends, so the
// job's sheets are recorded together in one transaction just before it is handed over: a job
// that fails, is stopped or is killed before then prints nothing and records nothing, and one
// whose recording fails does not print. Backs and proofs record nothing: a back is the same
// sheet, a proof is plain paper. Until told a pile it records nothing.
class InregistrareLaTiparire : public AscultatorLucrare {
public:
    // The pile the fronts go onto. With `deAnulat` the student's old form is cancelled together
    // with the new one's recording (a reprint); with a duplicate request the new entry is linked to it.
    void folosesteTeancul(const AlegereTeanc& teanc, std::optional<CerereDuplicat> duplicat = std::nullopt,
                          qint64 deAnulat = 0);
    // Told of the students of the sheets about to be recorded and handed to the printer, in
    // their order, before they are recorded (the crash test's log).
    void laPredare(std::function<void(const std::vector<int>& elevi)> vestea) { vestea_ = std::move(vestea); }

    // The job's recording, or none when nothing was recorded (a proof, a back, no pile, a job
    // that never reached the printer).
    const InregistrareTeanc* teanc() const {
        return teanc_ && !teanc_->intrari().empty() ? teanc_.get() : nullptr;
    }

    // The job failed after its sheets were recorded: the check must say so, since they may not
    // all have left the printer.
    bool oprita() const { return oprita_; }

    void incepe(int latura, const std::vector<int>& elevi) override;
    void foaieTiparita(const FoaieTiparita& foaie) override;
    void predare() override;
    void anulata() override { oprita_ = true; }

private:
    std::unique_ptr<InregistrareTeanc> teanc_;
    qint64 deAnulat_ = 0;
    bool fata_ = false;
    std::vector<int> foi_; // the students of the fronts drawn, waiting for the handover
    bool oprita_ = false;
    std::function<void(const std::vector<int>&)> vestea_;
};
