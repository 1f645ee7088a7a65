// The global grade settings, read from the settings file as it lies on disk.
#include "FuzzComun.h"
#include "entry/UKivQuickRegStuff.h"
#include "entry/UScrieNota.h"
#include "platform/Eroare.h"
#include "platform/StocSetari.h"

#include <QGuiApplication>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The program reads its settings with its application running: a stored picture value
    // needs it to be read at all.
    static int argc = 1;
    static char nume[] = "fuzz";
    static char* argv[] = {nume, nullptr};
    static QGuiApplication aplicatie(argc, argv);
    // A new name each time: the store caches what it read of a file.
    static int numar = 0;
    const QString cale = fuzz::scrie(QStringLiteral("globale-%1.ini").arg(++numar), fuzz::octeti(data, size));
    StocSetari::redirectioneaza(cale);
    try {
        TInfoGlobal2005 setari;
        for (const QString& mod :
             {setari.NotaDiploma(), setari.MedieDiploma(), setari.NotaCotor(), setari.MedieCotor()})
            NumarulModului(mod);
    } catch (const Eroare&) {
    }
    QFile::remove(cale);
    QFile::remove(cale + QStringLiteral(".deteriorat")); // kept when the file had to be mended
    return 0;
}
