#include "entry/URomana.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

const std::array<QString, 11> cuvinteIntregi = {QString(),
                                                QStringLiteral("UNU"),
                                                QStringLiteral("DOI"),
                                                QStringLiteral("TREI"),
                                                QStringLiteral("PATRU"),
                                                QStringLiteral("CINCI"),
                                                QStringLiteral("ŞASE"),
                                                QStringLiteral("ŞAPTE"),
                                                QStringLiteral("OPT"),
                                                QStringLiteral("NOUĂ"),
                                                QStringLiteral("ZECE")};

// 16 is written correctly here: the old table printed "ŞAISPREZECET" on certificates.
const std::array<QString, 10> cuvinteSprezece = {
    QStringLiteral("ZECE"),         QStringLiteral("UNSPREZECE"),    QStringLiteral("DOISPREZECE"),
    QStringLiteral("TREISPREZECE"), QStringLiteral("PAISPREZECE"),   QStringLiteral("CINCISPREZECE"),
    QStringLiteral("ŞAISPREZECE"),  QStringLiteral("ŞAPTESPREZECE"), QStringLiteral("OPTSPREZECE"),
    QStringLiteral("NOUĂSPREZECE")};

const std::array<QString, 10> cuvinteZeci = {QString(),
                                             QString(),
                                             QStringLiteral("DOUĂZECI"),
                                             QStringLiteral("TREIZECI"),
                                             QStringLiteral("PATRUZECI"),
                                             QStringLiteral("CINCIZECI"),
                                             QStringLiteral("ŞAIZECI"),
                                             QStringLiteral("ŞAPTEZECI"),
                                             QStringLiteral("OPTZECI"),
                                             QStringLiteral("NOUĂZECI")};

QString cuvantIntreg(int i) {
    return i >= 1 && i <= 10 ? cuvinteIntregi[i] : QString();
}

// F from 1 to 99 as one word.
QString cuvantFractie(int F) {
    const int zeci = F / 10, unitati = F % 10;
    if (zeci == 0) return QStringLiteral("ZERO") + cuvantIntreg(unitati);
    if (zeci == 1) return cuvinteSprezece[unitati];
    if (unitati == 0) return cuvinteZeci[zeci];
    return cuvinteZeci[zeci] + QStringLiteral("ŞI") + cuvantIntreg(unitati);
}

// The Romanian letters with their other case; ș and ț (comma below) as typed today keep their form.
struct PerecheLitere {
    QString mici, mari;
};

const PerecheLitere& litereRomanesti() {
    static const PerecheLitere litere{
        DecodeazaDiacritice(QStringLiteral("@a@h@i@s@t")) + QStringLiteral("șț"),
        DecodeazaDiacritice(QStringLiteral("@A@H@I@S@T")) + QStringLiteral("ȘȚ")};
    return litere;
}

QString schimbaLitere(const QString& text, char16_t primaSursa, char16_t ultimaSursa, int deplasare,
                      const QString& sursa, const QString& tinta) {
    QString rezultat = text;
    for (QChar& c : rezultat) {
        if (c.unicode() >= primaSursa && c.unicode() <= ultimaSursa) {
            c = QChar(char16_t(c.unicode() + deplasare));
        } else if (const qsizetype poz = sursa.indexOf(c); poz >= 0) {
            c = tinta[poz];
        }
    }
    return rezultat;
}

QString cuPuncteLaMii(quint64 intreg) {
    QString cifre = QString::number(intreg);
    for (qsizetype i = cifre.size() - 3; i > 0; i -= 3)
        cifre.insert(i, u'.');
    return cifre;
}

QString douaCifre(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QChar(u'0'));
}

QColor culoarePaleta(int index) {
    // Classic desktop colours, for code running before the application object exists.
    static const std::array<QRgb, 31> clasice = {
        0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
        0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x0078D7, 0xFFFFFF, 0xF0F0F0,
        0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
        0xFFFFE1, 0x000000, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x0078D7, 0xF0F0F0};
    if (!qGuiApp) return QColor::fromRgb(clasice[size_t(index) % clasice.size()]);
    const QPalette paleta = QGuiApplication::palette();
    switch (index) {
    case 5:
    case 4:
    case 30:
        return paleta.color(QPalette::Base);
    case 8:
    case 7:
        return paleta.color(QPalette::Text);
    case 13:
    case 2:
    case 27:
    case 29:
        return paleta.color(QPalette::Highlight);
    case 14:
    case 9:
        return paleta.color(QPalette::HighlightedText);
    case 15:
    case 0:
    case 1:
    case 3:
    case 28:
        return paleta.color(QPalette::Button);
    case 16:
    case 12:
        return paleta.color(QPalette::Dark);
    case 17:
    case 19:
        return paleta.color(QPalette::Disabled, QPalette::Text);
    case 18:
        return paleta.color(QPalette::ButtonText);
    case 20:
        return paleta.color(QPalette::Light);
    case 21:
    case 6:
        return paleta.color(QPalette::Shadow);
    case 22:
    case 10:
    case 11:
        return paleta.color(QPalette::Midlight);
    case 23:
        return paleta.color(QPalette::ToolTipText);
    case 24:
        return paleta.color(QPalette::ToolTipBase);
    case 26:
        return paleta.color(QPalette::Link);
    default:
        return paleta.color(QPalette::Window);
    }
}

} // namespace

QString NotaInCuvinte(int H, int forma) {
    const int I = H / 100;
    const int F = std::abs(H % 100);
    const QString W = cuvantIntreg(I);
    QString litere = W, cifre = W;
    const bool fractionara = I != 10 && F != 0;
    if (fractionara) {
        cifre = W + QStringLiteral(", ") + QString::number(F / 10) + QString::number(F % 10);
        litere = W + QStringLiteral(", ") + cuvantFractie(F);
    }
    switch (forma) {
    case NotaLitere:
        return u'(' + litere + u')';
    case NotaProcent:
        return u'(' + cifre + (fractionara ? QStringLiteral("%)") : QStringLiteral(")"));
    default:
        return u'(' + cifre + u')';
    }
}

QString LitereMari(const QString& text) {
    return schimbaLitere(text, u'a', u'z', 'A' - 'a', litereRomanesti().mici, litereRomanesti().mari);
}

QString LitereMici(const QString& text) {
    return schimbaLitere(text, u'A', u'Z', 'a' - 'A', litereRomanesti().mari, litereRomanesti().mici);
}

QString DecodeazaDiacritice(const QString& text) {
    static const QString coduri = QStringLiteral("AHISTahist@");
    static const QString litere = QStringLiteral("ĂÂÎŞŢăâîşţ@");
    QString rezultat;
    rezultat.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'@') {
            rezultat += text[i];
            continue;
        }
        if (++i >= text.size()) break;
        if (const qsizetype poz = coduri.indexOf(text[i]); poz >= 0) rezultat += litere[poz];
    }
    return rezultat;
}

QString FormateazaSuma(int zecimale, Currency valoare) {
    const quint64 absolut = valoare.negativ() ? 0 - quint64(valoare.zeciMii) : quint64(valoare.zeciMii);
    QString text = cuPuncteLaMii(absolut / 10000);
    if (zecimale > 0) {
        const QString fractie = QStringLiteral("%1").arg(absolut % 10000, 4, 10, QChar(u'0'));
        text += u',' + fractie.left(zecimale);
    }
    return valoare.negativ() ? u'-' + text : text;
}

// A date that is not valid (a NULL field) is written as nothing rather than read out of the tables.
QString DataLunaInLitere(const QDate& data) {
    if (!data.isValid()) return {};
    static const std::array<const char*, 12> luni = {"ianuarie",   "februarie", "martie",    "aprilie",
                                                     "mai",        "iunie",     "iulie",     "august",
                                                     "septembrie", "octombrie", "noiembrie", "decembrie"};
    return QStringLiteral("%1 %2 %3")
        .arg(data.day())
        .arg(QLatin1String(luni[data.month() - 1]))
        .arg(data.year());
}

QString DataZiLuna(const QDate& data) {
    return data.isValid() ? douaCifre(data.day()) + u'/' + douaCifre(data.month()) : QString();
}

QString DataScurta(const QDate& data) {
    if (!data.isValid()) return {};
    const QString an = QString::number(data.year()).leftJustified(4, u'?');
    return DataZiLuna(data) + u'/' + an.mid(2, 2);
}

TColor CuloareRezolvata(TColor culoare) {
    if (culoare >= 0) return culoare;
    return QColorInCuloare(culoarePaleta(culoare & 0xFF));
}

CuloareRGB CuloareInRGB(TColor culoare) {
    const TColor c = CuloareRezolvata(culoare);
    return {std::uint8_t(c & 0xFF), std::uint8_t((c >> 8) & 0xFF), std::uint8_t((c >> 16) & 0xFF)};
}

TColor RGBInCuloare(CuloareRGB rgb) {
    return culoareRgb(rgb.r, rgb.g, rgb.b);
}

QColor CuloareInQColor(TColor culoare) {
    const CuloareRGB rgb = CuloareInRGB(culoare);
    return QColor(rgb.r, rgb.g, rgb.b);
}

TColor QColorInCuloare(const QColor& culoare) {
    return culoareRgb(culoare.red(), culoare.green(), culoare.blue());
}

CuloareHSV RgbInHsv(std::uint8_t R, std::uint8_t G, std::uint8_t B) {
    const double r = R / 255.0, g = G / 255.0, b = B / 255.0;
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
    const double delta = mx - mn;
    CuloareHSV hsv{0, 0, mx};
    if (delta == 0) return hsv;
    hsv.s = delta / mx;
    const auto abatere = [&](double c) { return ((mx - c) / 6 + delta / 2) / delta; };
    const double dR = abatere(r), dG = abatere(g), dB = abatere(b);
    const auto egal = [](double x, double y) { return std::abs(x - y) < 0.001; };
    if (egal(mx, r))
        hsv.h = dB - dG;
    else if (egal(mx, g))
        hsv.h = 1.0 / 3 + dR - dB;
    else
        hsv.h = 2.0 / 3 + dG - dR;
    if (hsv.h < 0) hsv.h += 1;
    if (hsv.h > 1) hsv.h -= 1;
    return hsv;
}

CuloareRGB HsvInRgb(double H, double S, double V) {
    double r = V, g = V, b = V;
    if (S != 0) {
        const double h = 6 * H;
        const double i = std::floor(h);
        const double p = V * (1 - S), q = V * (1 - S * (h - i)), t = V * (1 - S * (1 - (h - i)));
        switch (int(i)) {
        case 0:
            r = V, g = t, b = p;
            break;
        case 1:
            r = q, g = V, b = p;
            break;
        case 2:
            r = p, g = V, b = t;
            break;
        case 3:
            r = p, g = q, b = V;
            break;
        case 4:
            r = t, g = p, b = V;
            break;
        default:
            r = V, g = p, b = q;
            break;
        }
    }
    // The tolerance keeps 200/255*255 from landing on 199 before the fraction is cut.
    const auto octet = [](double x) { return std::uint8_t(LimiteazaOctet(int(x * 255 + 1e-9))); };
    return {octet(r), octet(g), octet(b)};
}

std::vector<TColor> Degrade(TColor c1, TColor c2, int n) {
    std::vector<TColor> culori;
    if (n < 0) return culori;
    const CuloareRGB a = CuloareInRGB(c1), b = CuloareInRGB(c2);
    const CuloareHSV x = RgbInHsv(a.r, a.g, a.b), y = RgbInHsv(b.r, b.g, b.b);
    culori.reserve(size_t(n) + 1);
    for (int i = 0; i <= n; ++i) {
        const auto amestec = [&](double u, double v) { return ((n + 1 - i) * u + i * v) / (n + 1); };
        culori.push_back(RGBInCuloare(HsvInRgb(amestec(x.h, y.h), amestec(x.s, y.s), amestec(x.v, y.v))));
    }
    return culori;
}

int LimiteazaOctet(int valoare) {
    return std::clamp(valoare, 0, 255);
}

TColor DeplaseazaCuloare(int dR, int dG, int dB, TColor culoare) {
    const CuloareRGB c = CuloareInRGB(culoare);
    return culoareRgb(LimiteazaOctet(c.r + dR), LimiteazaOctet(c.g + dG), LimiteazaOctet(c.b + dB));
}
