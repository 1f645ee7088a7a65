// CitesteNota: any text gives a grade in whole hundredths.
#include "FuzzComun.h"
#include "entry/Nota.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Currency nota = CitesteNota(QString::fromUtf8(fuzz::octeti(data, size)));
    if (nota.zeciMii % 100 != 0) std::abort();
    return 0;
}
