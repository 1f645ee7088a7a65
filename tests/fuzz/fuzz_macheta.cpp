// The certificate layout file.
#include "FuzzComun.h"
#include "platform/Eroare.h"
#include "printing/UMachetaVardolin.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        const MachetaVardolin m =
            MachetaVardolin::dinJson(fuzz::octeti(data, size), QStringLiteral("/nu-exista/macheta.json"));
        m.numarArii();
        for (const auto& p : m.pagini)
            m.pagina(p.codPagina);
    } catch (const Eroare&) {
    }
    return 0;
}
