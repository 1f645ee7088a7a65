// The "all" print-settings text: a value read is written and read back to the same value.
#include "FuzzComun.h"
#include "platform/Eroare.h"
#include "platform/StocSetari.h"
#include "printing/InsertPaper.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TAllStuffReg* setari = [] {
        StocSetari::redirectioneaza(QDir(fuzz::dosar()).filePath(QStringLiteral("setari.ini")));
        return new TAllStuffReg; // lives for the whole run
    }();
    try {
        setari->CitesteAll(QString::fromUtf8(fuzz::octeti(data, size)));
    } catch (const Eroare&) {
        return 0;
    }
    const QString scris = setari->TextAll();
    setari->CitesteAll(scris);
    if (setari->TextAll() != scris) std::abort();
    return 0;
}
