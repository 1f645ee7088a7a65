// The named parameters of an SQL text: one "?" for each name found.
#include "FuzzComun.h"
#include "platform/Firebird.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString sql = QString::fromUtf8(fuzz::octeti(data, size));
    QByteArray motor;
    std::vector<QString> pozitii;
    desparteParametrii(sql, motor, pozitii);
    if (qsizetype(pozitii.size()) > motor.count('?')) std::abort();
    for (const QString& nume : pozitii)
        if (nume.isEmpty()) std::abort();
    return 0;
}
