#include "register/InregistrareLaTiparire.h"

void InregistrareLaTiparire::folosesteTeancul(const AlegereTeanc& teanc,
                                              std::optional<CerereDuplicat> duplicat, qint64 deAnulat) {
    teanc_.reset();
    foi_.clear();
    deAnulat_ = 0;
    if (teanc.proba) return;
    teanc_ =
        std::make_unique<InregistrareTeanc>(teanc.seria, teanc.primul, teanc.crescator, std::move(duplicat));
    deAnulat_ = deAnulat;
}

void InregistrareLaTiparire::incepe(int latura, const std::vector<int>& elevi) {
    Q_UNUSED(elevi);
    fata_ = latura == LaturaFata;
    foi_.clear();
}

void InregistrareLaTiparire::foaieTiparita(const FoaieTiparita& foaie) {
    if (teanc_ && fata_ && foaie.idElev != 0) foi_.push_back(foaie.idElev);
}

void InregistrareLaTiparire::predare() {
    if (foi_.empty()) return;
    if (vestea_) vestea_(foi_);
    const std::vector<ElevDeInregistrat> elevi = eleviDinBaza(foi_);
    teanc_->foiTiparite(elevi, deAnulat_);
    foi_.clear();
    deAnulat_ = 0;
}
