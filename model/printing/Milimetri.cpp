#include "printing/Milimetri.h"

#include "platform/NumarExtins.h"

namespace {
// The decimal constants as the extended format holds them.
const NumarExtins milimetriPeInch = NumarExtins::fractie(254, 10);
const NumarExtins corectieEcran = NumarExtins::fractie(1051403996, 1000000000);
} // namespace

double RezolutieEcran(double zoom) {
    const double scalat =
        (NumarExtins::din(std::int64_t(96)) * NumarExtins::din(zoom) / NumarExtins::din(std::int64_t(100)))
            .laDouble();
    return (NumarExtins::din(scalat) * corectieEcran).laDouble();
}

int MmToPixels(double mm, double dpi) {
    const double px = (NumarExtins::din(mm) * NumarExtins::din(dpi) / milimetriPeInch).laDouble();
    return NumarExtins::din(px).trunchiat();
}

double PixelsToMm(int px, double dpi) {
    return (NumarExtins::din(std::int64_t(px)) * milimetriPeInch / NumarExtins::din(dpi)).laDouble();
}
