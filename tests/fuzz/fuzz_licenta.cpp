// "licenta.lic": whatever is read back is saved and read again to the same records.
#include "FuzzComun.h"
#include "platform/Eroare.h"
#include "printing/UParticularizare.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString cale = fuzz::scrie(QStringLiteral("licenta.lic"), fuzz::octeti(data, size));
    TListaParticularizareTextArea lista(cale);
    try {
        lista.IncarcaFisier(cale);
    } catch (const Eroare&) {
    }
    const QByteArray salvat = lista.serializeaza();
    TListaParticularizareTextArea recitita(fuzz::scrie(QStringLiteral("recitit.lic"), salvat));
    recitita.IncarcaFisier(recitita.caleFisier());
    if (recitita.serializeaza() != salvat) std::abort();
    return 0;
}
