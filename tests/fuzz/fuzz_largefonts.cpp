// "LargeFonts.txt": any first line gives a usable factor.
#include "FuzzComun.h"
#include "controls/UKivMouse.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool gata = [] {
        qputenv("VARDOLIN_DATA_DIR", QFile::encodeName(fuzz::dosar()));
        LargeFonts::SeteazaPixeliPeInch(96);
        return true;
    }();
    (void)gata;
    fuzz::scrie(QStringLiteral("LargeFonts.txt"), fuzz::octeti(data, size));
    LargeFonts::Reseteaza();
    Scale(1000);
    if (LargeFonts::Numarator() <= 0 || LargeFonts::Numitor() <= 0) std::abort();
    return 0;
}
