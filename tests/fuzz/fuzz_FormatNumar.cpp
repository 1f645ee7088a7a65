// A number (the first 8 bytes) shown with any format code (the rest, as UTF-8).
#include "platform/FormatNumar.h"

#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 9) return 0;
    double valoare;
    std::memcpy(&valoare, data, sizeof valoare);
    const QString cod = QString::fromUtf8(reinterpret_cast<const char*>(data + 8), qsizetype(size - 8));
    (void)FormatNumar::numar(valoare, cod, data[8] & 1);
    (void)FormatNumar::text(cod, cod);
    (void)FormatNumar::general(valoare);
    return 0;
}
