#include "platform/Eroare.h"

Eroare Eroare::format(const QString& tipar, std::initializer_list<QString> argumente) {
    QString rezultat;
    auto arg = argumente.begin();
    for (qsizetype i = 0; i < tipar.size(); ++i) {
        if (tipar[i] == u'%' && i + 1 < tipar.size() && tipar[i + 1] == u's' && arg != argumente.end()) {
            rezultat += *arg++;
            ++i;
        } else {
            rezultat += tipar[i];
        }
    }
    return Eroare(rezultat);
}
