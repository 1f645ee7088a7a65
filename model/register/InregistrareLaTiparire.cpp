#include "register/InregistrareLaTiparire.h"

#include "platform/Eroare.h"

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
    try {
        teanc_->foiTiparite(eleviDinBaza(foi_), deAnulat_);
    } catch (const Eroare& e) {
        // The job is cancelled before any of it leaves, on every printer.
        throw Eroare(QStringLiteral("Foile nu au putut fi inregistrate in registru, asa ca tiparirea a fost "
                                    "anulata si nu s-a tiparit nimic. Tipariti din nou dupa ce rezolvati "
                                    "problema de mai jos. ") +
                     e.text());
    }
    foi_.clear();
    deAnulat_ = 0;
}
