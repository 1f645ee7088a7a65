#pragma once

#include "printing/LucrareTiparire.h"
#include "register/Registru.h"

#include <functional>
#include <memory>

// Hears a print job and records its fronts printed on forms, each on the next form of the pile,
// in the order the job reports them. Backs and proofs record nothing: a back is the same sheet,
// a proof is plain paper. Until told a pile it records nothing.
class InregistrareLaTiparire : public AscultatorLucrare {
public:
    // The pile the fronts go onto. With `deAnulat` the student's old form is cancelled once the
    // new one is recorded (a reprint); with a duplicate request the new entry is linked to it.
    void folosesteTeancul(const AlegereTeanc& teanc, std::optional<CerereDuplicat> duplicat = std::nullopt,
                          qint64 deAnulat = 0);
    // Told of every sheet the job reports, before it is recorded (the crash test's log).
    void laFiecareFoaie(std::function<void(const FoaieTiparita&)> vestea) { vestea_ = std::move(vestea); }

    // The job's recording, or none when nothing was recorded (a proof, a back, no pile).
    const InregistrareTeanc* teanc() const { return inregistrate_ ? teanc_.get() : nullptr; }

    // The job stopped or failed after some sheets were recorded: the check must say so, since
    // the last of them may not have left the printer.
    bool oprita() const { return oprita_; }

    void incepe(int latura, const std::vector<int>& elevi) override;
    void foaieTiparita(const FoaieTiparita& foaie) override;
    void anulata() override { oprita_ = true; }

private:
    std::unique_ptr<InregistrareTeanc> teanc_;
    qint64 deAnulat_ = 0;
    bool fata_ = false;
    int inregistrate_ = 0;
    bool oprita_ = false;
    std::function<void(const FoaieTiparita&)> vestea_;
};
