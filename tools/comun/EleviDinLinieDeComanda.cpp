#include "EleviDinLinieDeComanda.h"

#include "platform/Eroare.h"

#include <QStringList>

std::optional<std::vector<int>> EleviDinLinieDeComanda(const QString& text) {
    if (text == u"all") return std::nullopt;
    std::vector<int> iduri;
    for (const QString& bucata : text.split(u',')) {
        const QStringList capete = bucata.split(u'-');
        bool ok1 = false, ok2 = true;
        const int de = capete[0].toInt(&ok1);
        const int la = capete.size() == 2 ? capete[1].toInt(&ok2) : de;
        if (capete.size() > 2 || !ok1 || !ok2 || de <= 0 || la < de || la - de >= 1000000)
            throw Eroare::format("--students trebuie sa fie all sau numere de elevi ca 3,7,10-12, nu \"%s\".",
                                 {text});
        for (int id = de; id <= la; ++id)
            iduri.push_back(id);
    }
    return iduri;
}
