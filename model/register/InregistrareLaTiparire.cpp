#include "register/InregistrareLaTiparire.h"

void InregistrareLaTiparire::folosesteTeancul(const AlegereTeanc& teanc,
                                              std::optional<CerereDuplicat> duplicat, qint64 deAnulat) {
    teanc_.reset();
    deAnulat_ = 0;
    if (teanc.proba) return;
    teanc_ =
        std::make_unique<InregistrareTeanc>(teanc.seria, teanc.primul, teanc.crescator, std::move(duplicat));
    deAnulat_ = deAnulat;
}

void InregistrareLaTiparire::incepe(int latura, const std::vector<int>& elevi) {
    Q_UNUSED(elevi);
    fata_ = latura == LaturaFata;
}

void InregistrareLaTiparire::foaieTiparita(const FoaieTiparita& foaie) {
    if (vestea_) vestea_(foaie);
    if (!teanc_ || !fata_ || foaie.idElev == 0) return;
    const IntrareRegistru& noua = teanc_->foaieTiparita(elevDinBaza(foaie.idElev));
    ++inregistrate_;
    if (deAnulat_) {
        Registru::anuleaza(deAnulat_,
                           QStringLiteral("retiparit pe formularul %1").arg(formularIntrare(noua)));
        deAnulat_ = 0;
    }
}
