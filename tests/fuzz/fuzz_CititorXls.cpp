// Any bytes given to the .xls reader: an Eroare or sheets, never a crash or a hang.
#include "platform/ArhivaGsf.h"
#include "platform/CititorXls.h"
#include "platform/Eroare.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        const ArhivaGsf arhiva(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)),
                               ArhivaGsf::Tip::Ole2);
        const RegistruDeCalcul registru = citesteXls(arhiva);
        for (const auto& foaie : registru.foi)
            (void)foaie.text(0, 0);
    } catch (const Eroare&) {
    }
    return 0;
}
