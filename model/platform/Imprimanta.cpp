#include "platform/Imprimanta.h"

#include "platform/Eroare.h"

namespace {
Imprimanta* instalata = nullptr;
Imprimanta& (*implicita)() = nullptr;
} // namespace

Imprimanta& imprimanta() {
    if (instalata) return *instalata;
    if (implicita) return implicita();
    throw Eroare(QStringLiteral("Programul nu are nicio imprimanta."));
}

void instaleazaImprimanta(Imprimanta* alta) {
    instalata = alta;
}

void alegeImprimantaImplicita(Imprimanta& (*functie)()) {
    implicita = functie;
}
