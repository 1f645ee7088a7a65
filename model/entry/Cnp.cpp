#include "entry/Cnp.h"

#include <QDate>
#include <algorithm>
#include <array>

namespace {

bool doarCifre(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

int cifra(const QString& text, int pozitie) {
    return text.at(pozitie).unicode() - u'0';
}

int numar(const QString& text, int pozitie) {
    return cifra(text, pozitie) * 10 + cifra(text, pozitie + 1);
}

// Years up to 04 are this century's, the rest the last one's, whatever the sex digit says.
bool dataExista(int yy, int mm, int dd) {
    const int an = yy <= 4 ? 2000 + yy : 1900 + yy;
    if (mm < 1 || mm > 12) return false;
    return dd >= 1 && dd <= QDate(an, mm, 1).daysInMonth();
}

bool cifraDeControlCorecta(const QString& text) {
    static constexpr std::array<int, 12> ponderi{2, 7, 9, 1, 4, 6, 3, 5, 8, 2, 7, 9};
    int suma = 0;
    for (int i = 0; i < 12; ++i)
        suma += cifra(text, i) * ponderi[size_t(i)];
    int rest = suma % 11;
    if (rest == 10) rest = 1;
    return rest == cifra(text, 12);
}

} // namespace

bool CnpValid(const QString& text) {
    if (text.size() != 13 || !doarCifre(text)) return false;
    const int sex = cifra(text, 0);
    if (sex != 1 && sex != 2 && sex != 5 && sex != 6) return false;
    if (!dataExista(numar(text, 1), numar(text, 3), numar(text, 5))) return false;
    return cifraDeControlCorecta(text);
}
