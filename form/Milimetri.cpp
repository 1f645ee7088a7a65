#include "form/Milimetri.h"

double RezolutieEcran(double zoom) {
    const double scalat = static_cast<double>(96.0L * zoom / 100.0L);
    return static_cast<double>(scalat * 1.051403996L);
}

int MmToPixels(double mm, double dpi) {
    const double px = static_cast<double>(static_cast<long double>(mm) * dpi / 25.4L);
    return static_cast<int>(px);
}

double PixelsToMm(int px, double dpi) {
    return static_cast<double>(static_cast<long double>(px) * 25.4L / dpi);
}
