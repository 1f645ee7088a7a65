#include "UneltaFoaie.h"

#include "platform/Eroare.h"
#include "platform/FoaieDeCalcul.h"

const char* const utilizareUneltaFoaie =
    "Utilizare:\n"
    "  vardolin-sheet sheets FISIER               numele foilor, cate unul pe linie\n"
    "  vardolin-sheet dump FISIER --sheet NUME    A1<TAB>text pentru fiecare celula cu text\n";

namespace {

QString cuEscape(const QString& text) {
    QString rezultat;
    rezultat.reserve(text.size());
    for (QChar c : text) {
        if (c == u'\\')
            rezultat += QStringLiteral("\\\\");
        else if (c == u'\t')
            rezultat += QStringLiteral("\\t");
        else if (c == u'\n')
            rezultat += QStringLiteral("\\n");
        else if (c == u'\r')
            rezultat += QStringLiteral("\\r");
        else
            rezultat += c;
    }
    return rezultat;
}

} // namespace

QString liniiFoaie(const FoaieDeCalcul& foaie) {
    QString iesire;
    foaie.pentruFiecare([&](int rand, int coloana, const QString& text) {
        iesire +=
            FoaieDeCalcul::numeColoana(coloana) + QString::number(rand + 1) + u'\t' + cuEscape(text) + u'\n';
    });
    return iesire;
}

void ruleazaUneltaFoaie(const QStringList& argumente, QString& iesire) {
    QString avertisment;
    ruleazaUneltaFoaie(argumente, iesire, avertisment);
}

void ruleazaUneltaFoaie(const QStringList& argumente, QString& iesire, QString& avertisment) {
    if (argumente.size() == 2 && argumente[0] == u"sheets") {
        const RegistruDeCalcul registru = RegistruDeCalcul::deschide(argumente[1]);
        avertisment = registru.mesajDeteriorare(argumente[1]);
        for (const QString& nume : registru.numeFoi())
            iesire += nume + u'\n';
        return;
    }
    if (argumente.size() == 4 && argumente[0] == u"dump" && argumente[2] == u"--sheet") {
        const RegistruDeCalcul registru = RegistruDeCalcul::deschide(argumente[1]);
        avertisment = registru.mesajDeteriorare(argumente[1]);
        const FoaieDeCalcul* foaie = registru.foaie(argumente[3]);
        if (!foaie) throw Eroare::format("Fisierul %s nu are foaia %s", {argumente[1], argumente[3]});
        iesire = liniiFoaie(*foaie);
        return;
    }
    throw Eroare("Comanda nu este recunoscuta");
}
