// Any bytes given to the .xlsx reader: an Eroare or sheets, never a crash or a hang.
#include "platform/ArhivaGsf.h"
#include "platform/CititorXlsx.h"
#include "platform/Eroare.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        const ArhivaGsf arhiva(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)),
                               ArhivaGsf::Tip::Zip);
        const RegistruDeCalcul registru = citesteXlsx(arhiva);
        for (const auto& foaie : registru.foi)
            (void)foaie.text(0, 0);
    } catch (const Eroare&) {
    }
    return 0;
}
