// The braces of a display expression and the keys inside them.
#include "FuzzComun.h"
#include "data/UProfilDiploma.h"
#include "data/UValoareCamp.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString expresie = QString::fromUtf8(fuzz::octeti(data, size));
    qsizetype lungime = 0;
    for (const ParteExpresie& parte : DesparteExpresia(expresie)) {
        lungime += parte.text.size();
        if (parte.cheie) DesparteCheie(parte.text);
    }
    if (lungime > expresie.size()) std::abort();
    return 0;
}
