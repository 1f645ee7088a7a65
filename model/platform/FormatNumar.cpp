#include "platform/FormatNumar.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const QChar virgulaZecimala = u',';
const QChar separatorMii = u'.';
const QChar separatorData = u'.';

// ---- Decimal digits, rounded as people round: half away from zero, on the 15 significant
// digits a spreadsheet keeps.

struct Cifre {
    std::string intreg;   // at least "0"
    std::string zecimale; // exactly as many as asked
};

Cifre rotunjeste(double valoare, int zecimale) {
    Cifre rezultat{"0", std::string(size_t(std::max(zecimale, 0)), '0')};
    const double a = std::fabs(valoare);
    if (!(a > 0) || !std::isfinite(a)) return rezultat;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", a);
    std::string d;
    d += buf[0];
    d.append(buf + 2, 14);
    int exp = std::atoi(std::strchr(buf, 'e') + 1);
    // digit i weighs 10^(exp - i)
    const int pastrate = exp + 1 + zecimale;
    if (pastrate < 0) return rezultat;
    if (pastrate < int(d.size())) {
        const bool inSus = d[size_t(pastrate)] >= '5';
        d.resize(size_t(pastrate));
        if (inSus) {
            int i = pastrate - 1;
            while (i >= 0 && d[size_t(i)] == '9')
                d[size_t(i--)] = '0';
            if (i < 0) {
                d.insert(d.begin(), '1');
                ++exp;
            } else {
                ++d[size_t(i)];
            }
        }
    }
    auto cifra = [&](int putere) {
        const int i = exp - putere;
        return i >= 0 && i < int(d.size()) ? d[size_t(i)] : '0';
    };
    rezultat.intreg.clear();
    for (int p = exp; p >= 0; --p)
        rezultat.intreg += cifra(p);
    if (rezultat.intreg.empty()) rezultat.intreg.push_back('0');
    for (int p = -1; p >= -zecimale; --p)
        rezultat.zecimale[size_t(-p - 1)] = cifra(p);
    return rezultat;
}

QString grupeaza(const QString& cifre) {
    QString rezultat;
    for (qsizetype i = 0; i < cifre.size(); ++i) {
        if (i > 0 && (cifre.size() - i) % 3 == 0) rezultat += separatorMii;
        rezultat += cifre[i];
    }
    return rezultat;
}

// ---- Format codes: sections of tokens.

enum class Tip {
    Literal,
    Cifra,   // 0 # ?
    Punct,   // decimal point
    Virgula, // thousands separator or scaling
    Procent,
    Exponent, // E+ E-
    Bara,     // fraction bar
    Text,     // @
    General,
    An,
    Luna,
    Zi,
    Ora,
    Minut,
    Secunda,
    Zecimi, // fractions of a second: .0 .00 .000
    AmPm,
    OreScurse, // [h]
    MinuteScurse,
    SecundeScurse,
};

struct Simbol {
    Tip tip;
    QString text; // literal text, or the placeholder character
    int lungime = 1;
};

struct Sectiune {
    QList<Simbol> simboluri;
    bool areConditie = false;
    QString operatorConditie;
    double valoareConditie = 0;
    bool data = false;
    bool text = false;
    bool cifre = false;
};

bool conditiaTine(const Sectiune& s, double v) {
    const QString& op = s.operatorConditie;
    const double c = s.valoareConditie;
    if (op == "<") return v < c;
    if (op == "<=") return v <= c;
    if (op == ">") return v > c;
    if (op == ">=") return v >= c;
    if (op == "<>") return v != c;
    return v == c;
}

QStringList imparteSectiuni(const QString& cod) {
    QStringList sectiuni{QString()};
    for (qsizetype i = 0; i < cod.size(); ++i) {
        const QChar c = cod[i];
        if (c == u';') {
            sectiuni << QString();
            continue;
        }
        sectiuni.last() += c;
        if ((c == u'\\' || c == u'_' || c == u'*') && i + 1 < cod.size()) {
            sectiuni.last() += cod[++i];
        } else if (c == u'"' || c == u'[') {
            const QChar sfarsit = c == u'"' ? u'"' : u']';
            while (++i < cod.size()) {
                sectiuni.last() += cod[i];
                if (cod[i] == sfarsit) break;
            }
        }
    }
    return sectiuni;
}

bool esteData(const QString& s) {
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i].toLower();
        if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;
        } else if (c == u'"') {
            while (++i < s.size() && s[i] != u'"') {
            }
        } else if (c == u'[') {
            const qsizetype sfarsit = s.indexOf(u']', i);
            const QString interior = s.mid(i + 1, sfarsit < 0 ? -1 : sfarsit - i - 1).toLower();
            if (!interior.isEmpty() && interior.count(interior[0]) == interior.size() &&
                QStringLiteral("hms").contains(interior[0]))
                return true;
            i = sfarsit < 0 ? s.size() : sfarsit;
        } else if (s.mid(i, 7).compare(u"general", Qt::CaseInsensitive) == 0) {
            i += 6;
        } else if (QStringLiteral("ymdhs").contains(c)) {
            return true;
        }
    }
    return false;
}

int repetari(const QString& s, qsizetype i) {
    int n = 1;
    while (i + n < s.size() && s[i + n].toLower() == s[i].toLower())
        ++n;
    return n;
}

void citesteParanteza(Sectiune& sectiune, const QString& interior) {
    if (interior.startsWith(u'$')) {
        const qsizetype minus = interior.indexOf(u'-');
        const QString simbol = interior.mid(1, minus < 0 ? -1 : minus - 1);
        if (!simbol.isEmpty()) sectiune.simboluri.append({Tip::Literal, simbol});
        return;
    }
    const QString mic = interior.toLower();
    if (!mic.isEmpty() && mic.count(mic[0]) == mic.size()) {
        if (mic[0] == u'h') return sectiune.simboluri.append({Tip::OreScurse, {}, int(mic.size())});
        if (mic[0] == u'm') return sectiune.simboluri.append({Tip::MinuteScurse, {}, int(mic.size())});
        if (mic[0] == u's') return sectiune.simboluri.append({Tip::SecundeScurse, {}, int(mic.size())});
    }
    if (!interior.isEmpty() && QStringLiteral("<>=").contains(interior[0])) {
        qsizetype n = 0;
        while (n < interior.size() && QStringLiteral("<>=").contains(interior[n]))
            ++n;
        bool ok = false;
        const double valoare = interior.mid(n).trimmed().toDouble(&ok);
        if (ok) {
            sectiune.areConditie = true;
            sectiune.operatorConditie = interior.left(n);
            sectiune.valoareConditie = valoare;
        }
    }
    // colours, locales and the rest change nothing in the text
}

Sectiune citesteSectiune(const QString& s) {
    Sectiune sectiune;
    sectiune.data = esteData(s);
    auto literal = [&](const QString& t) { sectiune.simboluri.append({Tip::Literal, t}); };
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        const QChar mic = c.toLower();
        if (c == u'"') {
            const qsizetype sfarsit = s.indexOf(u'"', i + 1);
            literal(s.mid(i + 1, sfarsit < 0 ? -1 : sfarsit - i - 1));
            i = sfarsit < 0 ? s.size() : sfarsit;
        } else if (c == u'\\') {
            if (i + 1 < s.size()) literal(s[++i]);
        } else if (c == u'_') {
            ++i;
            literal(QStringLiteral(" "));
        } else if (c == u'*') {
            ++i;
        } else if (c == u'[') {
            const qsizetype sfarsit = s.indexOf(u']', i);
            citesteParanteza(sectiune, s.mid(i + 1, sfarsit < 0 ? -1 : sfarsit - i - 1));
            i = sfarsit < 0 ? s.size() : sfarsit;
        } else if (s.mid(i, 7).compare(u"general", Qt::CaseInsensitive) == 0) {
            sectiune.simboluri.append({Tip::General, {}});
            sectiune.cifre = true;
            i += 6;
        } else if (c == u'@') {
            sectiune.simboluri.append({Tip::Text, {}});
            sectiune.text = true;
        } else if (sectiune.data) {
            if (s.mid(i, 5).compare(u"am/pm", Qt::CaseInsensitive) == 0) {
                sectiune.simboluri.append({Tip::AmPm, {}, 5});
                i += 4;
            } else if (s.mid(i, 3).compare(u"a/p", Qt::CaseInsensitive) == 0) {
                sectiune.simboluri.append({Tip::AmPm, {}, 3});
                i += 2;
            } else if (QStringLiteral("ymdhs").contains(mic)) {
                const int n = repetari(s, i);
                const Tip tip = mic == u'y'   ? Tip::An
                                : mic == u'm' ? Tip::Luna
                                : mic == u'd' ? Tip::Zi
                                : mic == u'h' ? Tip::Ora
                                              : Tip::Secunda;
                sectiune.simboluri.append({tip, {}, n});
                i += n - 1;
            } else if (c == u'.' && i + 1 < s.size() && s[i + 1] == u'0') {
                int n = 0;
                while (i + 1 < s.size() && s[i + 1] == u'0' && n < 3) {
                    ++i;
                    ++n;
                }
                sectiune.simboluri.append({Tip::Zecimi, {}, n});
            } else if (c == u'/') {
                literal(separatorData);
            } else {
                literal(c);
            }
        } else if (c.isDigit() && !sectiune.simboluri.isEmpty() &&
                   (sectiune.simboluri.last().tip == Tip::Bara ||
                    (sectiune.simboluri.last().tip == Tip::Cifra &&
                     sectiune.simboluri.last().text[0].isDigit() &&
                     sectiune.simboluri.last().text[0] != u'0'))) {
            // a fixed denominator, as in "# ?/4"
            sectiune.simboluri.append({Tip::Cifra, c});
        } else if (c == u'0' || c == u'#' || c == u'?') {
            sectiune.simboluri.append({Tip::Cifra, c});
            sectiune.cifre = true;
        } else if (c == u'.') {
            sectiune.simboluri.append({Tip::Punct, {}});
        } else if (c == u',') {
            sectiune.simboluri.append({Tip::Virgula, {}});
        } else if (c == u'%') {
            sectiune.simboluri.append({Tip::Procent, {}});
        } else if (c == u'/') {
            sectiune.simboluri.append({Tip::Bara, {}});
        } else if (mic == u'e' && i + 1 < s.size() && (s[i + 1] == u'+' || s[i + 1] == u'-')) {
            sectiune.simboluri.append({Tip::Exponent, s[++i]});
        } else {
            literal(c);
        }
    }
    // 'm' is minutes right after hours or right before seconds
    QList<Simbol>& t = sectiune.simboluri;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i].tip != Tip::Luna || t[i].lungime > 2) continue;
        qsizetype inainte = i - 1, dupa = i + 1;
        while (inainte >= 0 && t[inainte].tip == Tip::Literal)
            --inainte;
        while (dupa < t.size() && t[dupa].tip == Tip::Literal)
            ++dupa;
        const bool dupaOra = inainte >= 0 && (t[inainte].tip == Tip::Ora || t[inainte].tip == Tip::OreScurse);
        const bool inaintedeSecunde =
            dupa < t.size() && (t[dupa].tip == Tip::Secunda || t[dupa].tip == Tip::SecundeScurse);
        if (dupaOra || inaintedeSecunde) t[i].tip = Tip::Minut;
    }
    return sectiune;
}

// A workbook uses a handful of codes for thousands of cells: each is read once.
const QList<Sectiune>& citesteCod(const QString& cod) {
    thread_local QHash<QString, QList<Sectiune>> citite;
    if (const auto it = citite.constFind(cod); it != citite.constEnd()) return *it;
    if (citite.size() > 4096) citite.clear();
    QList<Sectiune> sectiuni;
    for (const QString& s : imparteSectiuni(cod).mid(0, 4))
        sectiuni << citesteSectiune(s);
    return *citite.insert(cod, sectiuni);
}

// ---- Numbers

QString exponentGeneral(int exp) {
    // positive exponents with three digits, as the reference spreadsheet shows them
    QString cifre = QString::number(std::abs(exp)).rightJustified(exp >= 0 ? 3 : 2, u'0');
    return QStringLiteral("E") + (exp >= 0 ? u'+' : u'-') + cifre;
}

QString generalFaraSemn(double a) {
    if (!std::isfinite(a)) return QStringLiteral("#NUM!");
    if (a == 0) return QStringLiteral("0");
    if (a == std::floor(a) && a < 1e16) return QString::number(a, 'f', 0);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", a);
    std::string d;
    d += buf[0];
    d.append(buf + 2, 14);
    const int exp = std::atoi(std::strchr(buf, 'e') + 1);
    while (d.size() > 1 && d.back() == '0')
        d.pop_back();
    if (exp >= 16 || exp < -9) {
        QString mantisa = QString(QChar(d[0]));
        if (d.size() > 1) mantisa += virgulaZecimala + QString::fromLatin1(d.substr(1));
        return mantisa + exponentGeneral(exp);
    }
    std::string intreg, zecimale;
    for (int p = exp; p >= 0; --p)
        intreg += exp - p < int(d.size()) ? d[size_t(exp - p)] : '0';
    for (int p = -1; exp - p < int(d.size()); --p)
        zecimale += exp - p >= 0 ? d[size_t(exp - p)] : '0';
    QString rezultat = intreg.empty() ? QStringLiteral("0") : QString::fromLatin1(intreg);
    if (!zecimale.empty()) rezultat += virgulaZecimala + QString::fromLatin1(zecimale);
    return rezultat;
}

// Digits of an integer part spread over its placeholders, right to left; the first one takes
// whatever is left.
QStringList imparteIntreg(const QString& cifre, const QList<QChar>& locuri) {
    QStringList rezultat;
    qsizetype ramase = cifre.size();
    for (qsizetype j = locuri.size() - 1; j >= 0; --j) {
        QString bucata;
        if (j == 0 && ramase > 0) {
            bucata = cifre.left(ramase);
            ramase = 0;
        } else if (ramase > 0) {
            bucata = cifre[--ramase];
        } else if (locuri[j] == u'0') {
            bucata = QStringLiteral("0");
        } else if (locuri[j] == u'?') {
            bucata = QStringLiteral(" ");
        }
        rezultat.prepend(bucata);
    }
    return rezultat;
}

struct Forma {
    QList<QChar> intregi, zecimale, exponent;
    QList<qsizetype> pozitiiIntregi, pozitiiZecimale, pozitiiExponent;
    bool grupare = false;
    int scalare = 0;
    int procente = 0;
    qsizetype exponentLa = -1;
    qsizetype baraLa = -1;
};

Forma analizeaza(const Sectiune& s) {
    Forma f;
    bool dupaPunct = false;
    const auto& t = s.simboluri;
    for (qsizetype i = 0; i < t.size(); ++i) {
        switch (t[i].tip) {
        case Tip::Cifra:
            if (f.exponentLa >= 0) {
                f.exponent << t[i].text[0];
                f.pozitiiExponent << i;
            } else if (dupaPunct) {
                f.zecimale << t[i].text[0];
                f.pozitiiZecimale << i;
            } else {
                f.intregi << t[i].text[0];
                f.pozitiiIntregi << i;
            }
            break;
        case Tip::Punct:
            dupaPunct = f.exponentLa < 0;
            break;
        case Tip::Virgula: {
            const bool cifraDupa = i + 1 < t.size() && t[i + 1].tip == Tip::Cifra;
            if (!dupaPunct && !f.intregi.isEmpty() && cifraDupa)
                f.grupare = true;
            else if (!f.intregi.isEmpty() || !f.zecimale.isEmpty())
                ++f.scalare;
            break;
        }
        case Tip::Procent:
            ++f.procente;
            break;
        case Tip::Exponent:
            f.exponentLa = i;
            break;
        case Tip::Bara:
            f.baraLa = i;
            break;
        default:
            break;
        }
    }
    return f;
}

QString zecimaleAfisate(const std::string& cifre, const QList<QChar>& locuri) {
    QString rezultat = QString::fromLatin1(cifre);
    for (qsizetype j = locuri.size() - 1; j >= 0 && rezultat[j] == u'0' && locuri[j] != u'0'; --j)
        rezultat[j] = locuri[j] == u'?' ? u' ' : QChar();
    rezultat.remove(QChar());
    return rezultat;
}

QString cuExponent(const Sectiune& s, const Forma& f, double a) {
    const int intregi = std::max<int>(1, int(f.intregi.size()));
    const bool inginer = intregi > 1 && f.intregi.contains(u'#');
    int exp = 0;
    Cifre mantisa;
    if (a > 0) {
        const int e = int(std::floor(std::log10(a)));
        exp = inginer ? int(std::floor(double(e) / intregi)) * intregi : e - (intregi - 1);
        for (int incercare = 0; incercare < 2; ++incercare) {
            mantisa = rotunjeste(a / std::pow(10.0, exp), int(f.zecimale.size()));
            const int permise = inginer ? intregi : intregi;
            if (int(mantisa.intreg.size()) <= permise) break;
            exp += inginer ? intregi : 1;
        }
    } else {
        mantisa = rotunjeste(0, int(f.zecimale.size()));
    }
    QString intreg = mantisa.intreg == "0" ? QString() : QString::fromLatin1(mantisa.intreg);
    const QStringList bucatiIntreg = imparteIntreg(intreg, f.intregi);
    const QString zecimale = zecimaleAfisate(mantisa.zecimale, f.zecimale);
    QString cifreExp = QString::number(std::abs(exp));
    cifreExp = cifreExp.rightJustified(f.exponent.count(u'0'), u'0');
    QString rezultat;
    const auto& t = s.simboluri;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (const qsizetype k = f.pozitiiIntregi.indexOf(i); k >= 0)
            rezultat += bucatiIntreg[k];
        else if (const qsizetype z = f.pozitiiZecimale.indexOf(i); z >= 0)
            rezultat += z < zecimale.size() ? QString(zecimale[z]) : QString();
        else if (const qsizetype x = f.pozitiiExponent.indexOf(i); x >= 0)
            rezultat += x == 0 ? cifreExp : QString();
        else if (t[i].tip == Tip::Punct)
            rezultat += virgulaZecimala;
        else if (t[i].tip == Tip::Exponent)
            rezultat += QStringLiteral("E") + (exp < 0 ? QStringLiteral("-") : t[i].text == u"+" ? "+" : "");
        else if (t[i].tip == Tip::Literal)
            rezultat += t[i].text;
        else if (t[i].tip == Tip::Procent)
            rezultat += u'%';
    }
    return rezultat;
}

// Best fraction num/den with den below the limit; ties go to the smaller denominator.
void aproximeaza(double x, long long limita, long long& num, long long& den) {
    num = 0;
    den = 1;
    double eroare = x;
    for (long long d = 1; d <= limita; ++d) {
        const long long n = std::llround(x * double(d));
        const double e = std::fabs(x - double(n) / double(d));
        if (e < eroare - 1e-12) {
            eroare = e;
            num = n;
            den = d;
        }
    }
}

QString cuFractie(const Sectiune& s, const Forma& f, double a) {
    // beyond this a fraction has no room left in 15 digits, and its arithmetic would overflow
    if (!(a < 1e14)) return generalFaraSemn(a);
    const auto& t = s.simboluri;
    // numerator: the placeholders right before the bar; denominator: right after it
    QList<qsizetype> numarator, numitor, intreg;
    qsizetype i = f.baraLa - 1;
    while (i >= 0 && t[i].tip == Tip::Cifra)
        numarator.prepend(i--);
    for (qsizetype j = f.baraLa + 1; j < t.size() && t[j].tip == Tip::Cifra; ++j)
        numitor << j;
    for (qsizetype j = 0; j <= i; ++j)
        if (t[j].tip == Tip::Cifra) intreg << j;
    QString numitorFix;
    for (qsizetype j : numitor)
        if (t[j].text[0].isDigit()) numitorFix += t[j].text;
    long long parteIntreaga = intreg.isEmpty() ? 0 : (long long)std::floor(a);
    const double rest = a - double(parteIntreaga);
    long long num = 0, den = 1;
    if (!numitorFix.isEmpty() && numitorFix.size() == numitor.size()) {
        den = std::clamp(numitorFix.toLongLong(), 1LL, 99999LL);
        num = std::llround(rest * double(den));
    } else {
        long long limita = 1;
        for (qsizetype k = 0; k < numitor.size() && k < 4; ++k)
            limita *= 10;
        aproximeaza(rest, std::max(1LL, limita - 1), num, den);
    }
    if (num == den && !intreg.isEmpty()) {
        ++parteIntreaga;
        num = 0;
    }
    const bool faraFractie = num == 0 && !intreg.isEmpty();
    QList<QChar> locuriIntreg;
    for (qsizetype j : intreg)
        locuriIntreg << t[j].text[0];
    const QString cifreIntreg = parteIntreaga == 0 ? QString() : QString::number(parteIntreaga);
    QStringList bucatiIntreg = imparteIntreg(cifreIntreg, locuriIntreg);
    const bool nimicInainte = cifreIntreg.isEmpty() && faraFractie;
    if (nimicInainte && !bucatiIntreg.isEmpty()) bucatiIntreg.last() = QStringLiteral("0");
    QString textNum = QString::number(num).rightJustified(numarator.size(), u' ');
    QString textDen = QString::number(den).leftJustified(numitor.size(), u' ');
    QString rezultat, fractie;
    const qsizetype inceputFractie = intreg.isEmpty() ? 0 : intreg.last() + 1;
    for (qsizetype j = 0; j < t.size(); ++j) {
        QString bucata;
        if (const qsizetype k = intreg.indexOf(j); k >= 0)
            bucata = bucatiIntreg[k];
        else if (!numarator.isEmpty() && j == numarator.first())
            bucata = textNum;
        else if (!numitor.isEmpty() && j == numitor.first())
            bucata = textDen;
        else if (t[j].tip == Tip::Bara)
            bucata = QStringLiteral("/");
        else if (t[j].tip == Tip::Literal && (j < inceputFractie || j > f.baraLa))
            bucata = t[j].text;
        else if (t[j].tip == Tip::Literal)
            bucata = t[j].text;
        const bool inFractie = j >= inceputFractie && j <= (numitor.isEmpty() ? f.baraLa : numitor.last());
        if (inFractie && faraFractie) bucata = QString(bucata.size(), u' ');
        rezultat += bucata;
    }
    return rezultat;
}

QString cuZecimale(const Sectiune& s, const Forma& f, double a) {
    const Cifre c = rotunjeste(a, int(f.zecimale.size()));
    QString intreg = c.intreg == "0" ? QString() : QString::fromLatin1(c.intreg);
    QStringList bucati;
    if (f.grupare) {
        const QStringList simple = imparteIntreg(intreg, f.intregi);
        bucati = QStringList(QString());
        for (qsizetype k = 1; k < simple.size(); ++k)
            bucati << QString();
        if (!bucati.isEmpty()) bucati[0] = grupeaza(simple.join(QString()).trimmed()).rightJustified(0);
    } else {
        bucati = imparteIntreg(intreg, f.intregi);
    }
    const QString zecimale = zecimaleAfisate(c.zecimale, f.zecimale);
    QString rezultat;
    const auto& t = s.simboluri;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (const qsizetype k = f.pozitiiIntregi.indexOf(i); k >= 0)
            rezultat += bucati[k];
        else if (const qsizetype z = f.pozitiiZecimale.indexOf(i); z >= 0)
            rezultat += z < zecimale.size() ? QString(zecimale[z]) : QString();
        else if (t[i].tip == Tip::Punct)
            rezultat += virgulaZecimala;
        else if (t[i].tip == Tip::Literal)
            rezultat += t[i].text;
        else if (t[i].tip == Tip::Procent)
            rezultat += u'%';
        else if (t[i].tip == Tip::General)
            rezultat += generalFaraSemn(a);
    }
    return rezultat;
}

QString formateazaNumar(const Sectiune& s, double a) {
    const Forma f = analizeaza(s);
    for (int k = 0; k < f.procente; ++k)
        a *= 100;
    for (int k = 0; k < f.scalare; ++k)
        a /= 1000;
    if (!std::isfinite(a)) return QStringLiteral("#NUM!");
    if (f.exponentLa >= 0) return cuExponent(s, f, a);
    if (f.baraLa >= 0 && !f.intregi.isEmpty()) return cuFractie(s, f, a);
    return cuZecimale(s, f, a);
}

// ---- Dates and times

const char16_t* const luni[] = {u"ianuarie",   u"februarie", u"martie",    u"aprilie",
                                u"mai",        u"iunie",     u"iulie",     u"august",
                                u"septembrie", u"octombrie", u"noiembrie", u"decembrie"};
const char16_t* const zile[] = {u"luni", u"marţi", u"miercuri", u"joi", u"vineri", u"sâmbătă", u"duminică"};

struct Moment {
    int an = 0, luna = 0, zi = 0, ziSaptamana = 1; // 1 = Monday
    long long zileTotal = 0;
    long long unitati = 0; // within the day, in units of 10^-zecimi seconds
    int zecimi = 0;
};

bool momentDin(double serial, bool sistem1904, int zecimi, Moment& m) {
    if (!std::isfinite(serial) || serial < -693593 || serial > 2958466) return false;
    long long unitatiPeZi = 86400;
    for (int k = 0; k < zecimi; ++k)
        unitatiPeZi *= 10;
    const long long total = std::llround(serial * double(unitatiPeZi));
    long long zile = total / unitatiPeZi;
    long long unitati = total % unitatiPeZi;
    if (unitati < 0) {
        unitati += unitatiPeZi;
        --zile;
    }
    m.zileTotal = zile;
    m.unitati = unitati;
    m.zecimi = zecimi;
    QDate data;
    if (sistem1904) {
        data = QDate(1904, 1, 1).addDays(zile);
    } else if (zile == 60) {
        // the day that never was, kept by the 1900 system for compatibility
        m.an = 1900;
        m.luna = 2;
        m.zi = 29;
        m.ziSaptamana = 3;
        return true;
    } else if (zile > 0 && zile < 60) {
        data = QDate(1899, 12, 31).addDays(zile);
    } else {
        data = QDate(1899, 12, 30).addDays(zile);
    }
    m.an = data.year();
    m.luna = data.month();
    m.zi = data.day();
    m.ziSaptamana = data.dayOfWeek();
    return true;
}

QString doua(long long n, int lungime) {
    return QString::number(n).rightJustified(lungime >= 2 ? 2 : 1, u'0');
}

QString formateazaData(const Sectiune& s, double serial, bool sistem1904) {
    int zecimi = 0;
    bool amPm = false;
    for (const auto& x : s.simboluri) {
        if (x.tip == Tip::Zecimi) zecimi = std::max(zecimi, x.lungime);
        amPm = amPm || x.tip == Tip::AmPm;
    }
    Moment m;
    if (!momentDin(serial, sistem1904, zecimi, m)) return QStringLiteral("###");
    long long impartitor = 1;
    for (int k = 0; k < zecimi; ++k)
        impartitor *= 10;
    const long long secundeZi = m.unitati / impartitor;
    const long long ora = secundeZi / 3600, minut = secundeZi / 60 % 60, secunda = secundeZi % 60;
    const long long totalSecunde = m.zileTotal * 86400 + secundeZi;
    QString rezultat;
    for (const auto& x : s.simboluri) {
        switch (x.tip) {
        case Tip::An:
            rezultat += x.lungime <= 2 ? doua(m.an % 100, 2) : QString::number(m.an);
            break;
        case Tip::Luna:
            if (x.lungime <= 2)
                rezultat += doua(m.luna, x.lungime);
            else if (x.lungime == 3)
                rezultat += QString::fromUtf16(luni[m.luna - 1]).left(3);
            else if (x.lungime == 4)
                rezultat += QString::fromUtf16(luni[m.luna - 1]);
            else
                rezultat += QString::fromUtf16(luni[m.luna - 1]).left(1);
            break;
        case Tip::Zi:
            if (x.lungime <= 2)
                rezultat += doua(m.zi, x.lungime);
            else if (x.lungime == 3)
                rezultat += QString::fromUtf16(zile[m.ziSaptamana - 1]).left(3);
            else
                rezultat += QString::fromUtf16(zile[m.ziSaptamana - 1]);
            break;
        case Tip::Ora:
            rezultat += doua(amPm ? (ora % 12 == 0 ? 12 : ora % 12) : ora, x.lungime);
            break;
        case Tip::Minut:
            rezultat += doua(minut, x.lungime);
            break;
        case Tip::Secunda:
            rezultat += doua(secunda, x.lungime);
            break;
        case Tip::Zecimi:
            rezultat += virgulaZecimala +
                        QString::number(m.unitati % impartitor).rightJustified(zecimi, u'0').left(x.lungime);
            break;
        case Tip::AmPm:
            rezultat += x.lungime == 5 ? (ora < 12 ? "AM" : "PM") : (ora < 12 ? "A" : "P");
            break;
        case Tip::OreScurse:
            rezultat += QString::number(totalSecunde / 3600).rightJustified(x.lungime, u'0');
            break;
        case Tip::MinuteScurse:
            rezultat += QString::number(totalSecunde / 60).rightJustified(x.lungime, u'0');
            break;
        case Tip::SecundeScurse:
            rezultat += QString::number(totalSecunde).rightJustified(x.lungime, u'0');
            break;
        case Tip::Literal:
            rezultat += x.text;
            break;
        default:
            break;
        }
    }
    return rezultat;
}

// The section a number is shown with, and whether a minus sign goes in front.
const Sectiune* alegeSectiune(const QList<Sectiune>& sectiuni, double v, bool& minus) {
    QList<const Sectiune*> numerice;
    for (const auto& s : sectiuni)
        numerice << &s;
    if (numerice.size() == 4 || (numerice.size() > 1 && numerice.last()->text && !numerice.last()->cifre))
        numerice.removeLast();
    minus = false;
    if (numerice.isEmpty()) return nullptr;
    if (numerice[0]->areConditie || (numerice.size() > 1 && numerice[1]->areConditie)) {
        if (numerice[0]->areConditie && conditiaTine(*numerice[0], v)) return numerice[0];
        if (numerice.size() > 1 && numerice[1]->areConditie && conditiaTine(*numerice[1], v))
            return numerice[1];
        if (numerice.size() > 2) return numerice[2];
        if (numerice.size() > 1 && !numerice[1]->areConditie) return numerice[1];
        minus = v < 0;
        return numerice[0];
    }
    if (v < 0 && numerice.size() >= 2) return numerice[1];
    if (v == 0 && numerice.size() >= 3) return numerice[2];
    minus = v < 0;
    return numerice[0];
}

} // namespace

namespace FormatNumar {

QString codImplicit(int id) {
    switch (id) {
    case 0:
        return QStringLiteral("General");
    case 1:
        return QStringLiteral("0");
    case 2:
        return QStringLiteral("0.00");
    case 3:
        return QStringLiteral("#,##0");
    case 4:
        return QStringLiteral("#,##0.00");
    case 5:
        return QStringLiteral("#,##0\\ \"lei\";\\-#,##0\\ \"lei\"");
    case 6:
        return QStringLiteral("#,##0\\ \"lei\";[Red]\\-#,##0\\ \"lei\"");
    case 7:
        return QStringLiteral("#,##0.00\\ \"lei\";\\-#,##0.00\\ \"lei\"");
    case 8:
        return QStringLiteral("#,##0.00\\ \"lei\";[Red]\\-#,##0.00\\ \"lei\"");
    case 9:
        return QStringLiteral("0%");
    case 10:
        return QStringLiteral("0.00%");
    case 11:
        return QStringLiteral("0.00E+00");
    case 12:
        return QStringLiteral("# ?/?");
    case 13:
        return QStringLiteral("# ?\?/?\?");
    case 14:
        return QStringLiteral("dd/mm/yyyy");
    case 15:
        return QStringLiteral("d/mmm/yy");
    case 16:
        return QStringLiteral("d/mmm");
    case 17:
        return QStringLiteral("mmm/yy");
    case 18:
        return QStringLiteral("h:mm AM/PM");
    case 19:
        return QStringLiteral("h:mm:ss AM/PM");
    case 20:
        return QStringLiteral("hh:mm");
    case 21:
        return QStringLiteral("hh:mm:ss");
    case 22:
        return QStringLiteral("dd/mm/yyyy hh:mm");
    case 37:
        return QStringLiteral("#,##0_);(#,##0)");
    case 38:
        return QStringLiteral("#,##0_);[Red](#,##0)");
    case 39:
        return QStringLiteral("#,##0.00_);(#,##0.00)");
    case 40:
        return QStringLiteral("#,##0.00_);[Red](#,##0.00)");
    case 41:
        return QStringLiteral("_-* #,##0_-;-* #,##0_-;_-* \"-\"_-;_-@_-");
    case 42:
        return QStringLiteral("_-* #,##0\\ \"lei\"_-;-* #,##0\\ \"lei\"_-;_-* \"-\"\\ \"lei\"_-;_-@_-");
    case 43:
        return QStringLiteral("_-* #,##0.00_-;-* #,##0.00_-;_-* \"-\"?\?_-;_-@_-");
    case 44:
        return QStringLiteral(
            "_-* #,##0.00\\ \"lei\"_-;-* #,##0.00\\ \"lei\"_-;_-* \"-\"?\?\\ \"lei\"_-;_-@_-");
    case 45:
        return QStringLiteral("mm:ss");
    case 46:
        return QStringLiteral("[h]:mm:ss");
    case 47:
        return QStringLiteral("mm:ss.0");
    case 48:
        return QStringLiteral("##0.0E+0");
    case 49:
        return QStringLiteral("@");
    default:
        return {};
    }
}

QString general(double valoare) {
    if (!std::isfinite(valoare)) return QStringLiteral("#NUM!");
    const QString text = generalFaraSemn(std::fabs(valoare));
    return valoare < 0 ? u'-' + text : text;
}

QString numar(double valoare, const QString& cod, bool sistem1904) {
    if (!std::isfinite(valoare)) return QStringLiteral("#NUM!");
    const QList<Sectiune> sectiuni = citesteCod(cod);
    bool minus = false;
    const Sectiune* s = alegeSectiune(sectiuni, valoare, minus);
    if (!s || (!s->cifre && !s->data && s->text) || (s->text && !s->cifre && !s->data))
        return general(valoare);
    if (s->data) return formateazaData(*s, valoare, sistem1904);
    QString text;
    if (s->cifre)
        text = formateazaNumar(*s, std::fabs(valoare));
    else
        for (const auto& x : s->simboluri)
            if (x.tip == Tip::Literal)
                text += x.text;
            else if (x.tip == Tip::Procent)
                text += u'%';
    return minus && s->cifre ? u'-' + text : text;
}

QString text(const QString& valoare, const QString& cod) {
    const QList<Sectiune> sectiuni = citesteCod(cod);
    const Sectiune* s = nullptr;
    if (sectiuni.size() == 4)
        s = &sectiuni[3];
    else if (!sectiuni.isEmpty() && sectiuni.last().text)
        s = &sectiuni.last();
    if (!s) return valoare;
    QString rezultat;
    for (const auto& x : s->simboluri)
        if (x.tip == Tip::Text)
            rezultat += valoare;
        else if (x.tip == Tip::Literal)
            rezultat += x.text;
    return rezultat;
}

QString boolean(bool valoare) {
    return valoare ? QStringLiteral("ADEVĂRAT") : QStringLiteral("FALS");
}

} // namespace FormatNumar
