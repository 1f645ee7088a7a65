// Any bytes given to the workbook opener as a file of unknown kind (CSV when nothing else).
#include "platform/Eroare.h"
#include "platform/FoaieDeCalcul.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        const RegistruDeCalcul registru = RegistruDeCalcul::citeste(
            QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), "f.csv");
        for (const auto& foaie : registru.foi)
            (void)foaie.text(foaie.randuri() / 2, foaie.coloane() / 2);
    } catch (const Eroare&) {
    }
    return 0;
}
