// CnpValid: only thirteen digits can pass.
#include "FuzzComun.h"
#include "entry/Cnp.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(fuzz::octeti(data, size));
    if (CnpValid(text) && (text.size() != 13 || text.toLongLong() <= 0)) std::abort();
    return 0;
}
