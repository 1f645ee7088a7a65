#include "platform/CititorOds.h"

#include "platform/ArhivaGsf.h"
#include "platform/Eroare.h"
#include "platform/FormatNumar.h"

#include <QDateTime>
#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <algorithm>
#include <optional>

namespace {

constexpr QLatin1StringView nsTable("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
constexpr QLatin1StringView nsText("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
constexpr QLatin1StringView nsOffice("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
constexpr QLatin1StringView nsStyle("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
constexpr QLatin1StringView nsNumber("urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0");

QStringView atribut(const QXmlStreamReader& xml, QLatin1StringView ns, const char* nume) {
    return xml.attributes().value(ns, QLatin1StringView(nume));
}

// The number styles of a document turned into format codes, so a number shows by its value and
// style as in the other formats, whatever locale saved the cached text. A style holding a part
// the codes cannot say stays unknown: its cells keep the cached text.
class StiluriNumar {
public:
    void citeste(QXmlStreamReader& xml) {
        const QStringView nume = xml.name();
        if (xml.namespaceUri() == nsStyle && nume == u"style") {
            const QString stil = atribut(xml, nsStyle, "name").toString();
            celule_[stil] = {atribut(xml, nsStyle, "parent-style-name").toString(),
                             atribut(xml, nsStyle, "data-style-name").toString()};
            xml.skipCurrentElement();
        } else if (xml.namespaceUri() == nsNumber && nume.endsWith(u"-style")) {
            citesteStilNumar(xml);
        } else {
            xml.skipCurrentElement();
        }
    }

    // The code of a cell style: empty for General; nullopt when unknown.
    std::optional<QString> cod(const QString& stilCelula) const {
        QString stil = stilCelula;
        for (int pas = 0; pas < 16 && !stil.isEmpty(); ++pas) {
            const auto celula = celule_.constFind(stil);
            if (celula == celule_.constEnd()) return QString();
            if (!celula->date.isEmpty()) return codNumar(celula->date, 0);
            stil = celula->parinte;
        }
        return QString();
    }

private:
    struct Celula {
        QString parinte, date;
    };
    struct Numar {
        QString cod;
        bool cunoscut = true;
        QList<std::pair<QString, QString>> conditii; // condition, style
    };

    std::optional<QString> codNumar(const QString& nume, int adancime) const {
        const auto n = numere_.constFind(nume);
        if (n == numere_.constEnd() || !n->cunoscut || adancime > 4) return std::nullopt;
        if (n->conditii.isEmpty()) return n->cod;
        QStringList sectiuni;
        for (const auto& [conditie, stil] : n->conditii) {
            const auto sectiune = codNumar(stil, adancime + 1);
            if (!sectiune) return std::nullopt;
            sectiuni << QStringLiteral("[%1]%2").arg(conditie, *sectiune);
        }
        return sectiuni.join(u';') + u';' + n->cod;
    }

    static QString intreg(const QXmlStreamReader& xml) {
        const int minim = std::clamp(atribut(xml, nsNumber, "min-integer-digits").toInt(), 0, 30);
        if (atribut(xml, nsNumber, "grouping") == u"true")
            return minim > 0 ? QStringLiteral("#,##0") : QStringLiteral("#,###");
        return minim > 0 ? QString(minim, u'0') : QStringLiteral("#");
    }

    static QString zecimale(const QXmlStreamReader& xml) {
        const QStringView textZecimale = atribut(xml, nsNumber, "decimal-places");
        const int zecimale = std::clamp(textZecimale.toInt(), 0, 30);
        const QStringView textMinim = atribut(xml, nsNumber, "min-decimal-places");
        const int minim = textMinim.isEmpty() ? zecimale : std::clamp(textMinim.toInt(), 0, zecimale);
        if (zecimale == 0) return {};
        return u'.' + QString(minim, u'0') + QString(zecimale - minim, u'#');
    }

    static QString lung(const QXmlStreamReader& xml, const QString& scurt, const QString& lung) {
        return atribut(xml, nsNumber, "style") == u"long" ? lung : scurt;
    }

    // Every character escaped: a quoted text beside a month would read as minutes.
    static QString literal(const QString& text) {
        QString cod;
        for (const QChar c : text)
            cod += u'\\' + QString(c);
        return cod;
    }

    // A condition LibreOffice writes for a style's other sections.
    static std::optional<QString> conditie(QStringView c) {
        QString t = c.toString().remove(u' ');
        if (!t.startsWith(QStringLiteral("value()"))) return std::nullopt;
        t = t.mid(7);
        if (t.startsWith(u"!=")) return std::nullopt;
        return t;
    }

    void citesteStilNumar(QXmlStreamReader& xml) {
        const bool procent = xml.name() == u"percentage-style";
        const bool timp = xml.name() == u"time-style";
        const bool durata = timp && atribut(xml, nsNumber, "truncate-on-overflow") == u"false";
        Numar n;
        const QString nume = atribut(xml, nsStyle, "name").toString();
        const bool limbaImplicita =
            xml.name() == u"date-style" && atribut(xml, nsNumber, "format-source") == u"language";
        bool ore = false;
        while (xml.readNextStartElement()) {
            const QStringView e = xml.name();
            if (xml.namespaceUri() == nsStyle && e == u"map") {
                const auto c = conditie(atribut(xml, nsStyle, "condition"));
                if (c)
                    n.conditii.push_back({*c, atribut(xml, nsStyle, "apply-style-name").toString()});
                else
                    n.cunoscut = false;
                xml.skipCurrentElement();
                continue;
            }
            if (xml.namespaceUri() != nsNumber) {
                xml.skipCurrentElement();
                continue;
            }
            if (e == u"number") {
                if (!atribut(xml, nsNumber, "display-factor").isEmpty() ||
                    !atribut(xml, nsNumber, "decimal-replacement").isEmpty())
                    n.cunoscut = false;
                n.cod += intreg(xml) + zecimale(xml);
            } else if (e == u"scientific-number") {
                // engineering notation (exponents in steps of three) has no format code
                if (!atribut(xml, nsNumber, "exponent-interval").isEmpty() &&
                    atribut(xml, nsNumber, "exponent-interval") != u"1")
                    n.cunoscut = false;
                const int exponent = std::clamp(atribut(xml, nsNumber, "min-exponent-digits").toInt(), 1, 5);
                n.cod += intreg(xml) + zecimale(xml) + QStringLiteral("E+") + QString(exponent, u'0');
            } else if (e == u"fraction") {
                const int numarator =
                    std::clamp(atribut(xml, nsNumber, "min-numerator-digits").toInt(), 1, 9);
                const QStringView valoare = atribut(xml, nsNumber, "denominator-value");
                const int numitor =
                    std::clamp(atribut(xml, nsNumber, "min-denominator-digits").toInt(), 1, 9);
                const bool intregi = !atribut(xml, nsNumber, "min-integer-digits").isEmpty();
                n.cod += (intregi ? QStringLiteral("# ") : QString()) + QString(numarator, u'?') + u'/' +
                         (valoare.isEmpty() ? QString(numitor, u'?') : valoare.toString());
            } else if (e == u"text") {
                // the percent sign of a percentage style is the one that multiplies by 100
                const QString t = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                const QStringList parti = procent ? t.split(u'%') : QStringList{t};
                for (qsizetype i = 0; i < parti.size(); ++i)
                    n.cod += (i ? QStringLiteral("%") : QString()) +
                             (parti[i].isEmpty() ? QString() : literal(parti[i]));
                continue;
            } else if (e == u"currency-symbol") {
                n.cod += literal(xml.readElementText());
                continue;
            } else if (e == u"day") {
                n.cod += lung(xml, QStringLiteral("D"), QStringLiteral("DD"));
            } else if (e == u"day-of-week") {
                n.cod += lung(xml, QStringLiteral("DDD"), QStringLiteral("DDDD"));
            } else if (e == u"month") {
                const bool text = atribut(xml, nsNumber, "textual") == u"true";
                n.cod +=
                    text ? lung(xml, QStringLiteral("MMM"), QStringLiteral("MMMM")) : QStringLiteral("MM");
                // a short numeric month would read as minutes in places: such dates keep the cached text
                if (!text && atribut(xml, nsNumber, "style") != u"long") n.cunoscut = false;
            } else if (e == u"year") {
                n.cod += lung(xml, QStringLiteral("YY"), QStringLiteral("YYYY"));
            } else if (e == u"hours") {
                const QString h = lung(xml, QStringLiteral("H"), QStringLiteral("HH"));
                n.cod += durata ? u'[' + h + u']' : h;
                ore = true;
            } else if (e == u"minutes") {
                // minutes read as months unless they follow the hours
                const QString m = lung(xml, QStringLiteral("M"), QStringLiteral("MM"));
                n.cod += ore ? m : (durata ? u'[' + m + u']' : m);
                if (!ore && !durata) n.cunoscut = false;
            } else if (e == u"seconds") {
                const int zecimale = std::clamp(atribut(xml, nsNumber, "decimal-places").toInt(), 0, 9);
                n.cod += lung(xml, QStringLiteral("S"), QStringLiteral("SS")) +
                         (zecimale ? u'.' + QString(zecimale, u'0') : QString());
            } else if (e == u"am-pm") {
                n.cod += QStringLiteral("AM/PM");
            } else if (e == u"boolean" || e == u"text-content") {
                n.cunoscut = false;
            } else if (e != u"fill-character") {
                n.cunoscut = false; // eras, quarters, weeks
            }
            xml.skipCurrentElement();
        }
        // the saving locale's own date: shown as Romanian settings show theirs
        if (limbaImplicita) n.cod = QStringLiteral("DD.MM.YYYY");
        numere_[nume] = n;
    }

    QHash<QString, Celula> celule_;
    QHash<QString, Numar> numere_;
};

int repetare(const QXmlStreamReader& xml, QLatin1StringView nume) {
    const auto valoare = xml.attributes().value(nsTable, nume);
    if (valoare.isEmpty()) return 1;
    bool ok = false;
    const long long n = valoare.toLongLong(&ok);
    if (!ok || n < 1)
        throw Eroare::format("o repetare de celule (%s) nu este valida", {valoare.left(40).toString()});
    return int(std::min<long long>(n, FoaieDeCalcul::maxRanduri));
}

// Text of one paragraph: runs of blanks in the XML count as one, <text:s/> gives its blanks.
class TextParagraf {
public:
    static constexpr qsizetype lungimeMaxima = 1'000'000;

    void adauga(QStringView bucata) {
        for (QChar c : bucata) {
            if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r') {
                if (!blancAnterior_) text_ += u' ';
                blancAnterior_ = true;
            } else {
                text_ += c;
                blancAnterior_ = false;
            }
        }
    }
    void adaugaExact(const QString& bucata) {
        if (text_.size() + bucata.size() > lungimeMaxima)
            throw Eroare("o celula are un text mai lung de un milion de caractere");
        text_ += bucata;
        blancAnterior_ = false;
    }
    const QString& text() const { return text_; }

private:
    QString text_;
    bool blancAnterior_ = false;
};

constexpr int adancimeMaxima = 64;

void verificaAdancime(int adancime) {
    if (adancime > adancimeMaxima) throw Eroare("continutul unei celule este imbricat prea adanc");
}

void citesteInParagraf(QXmlStreamReader& xml, TextParagraf& paragraf, int adancime = 0) {
    verificaAdancime(adancime);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters()) {
            paragraf.adauga(xml.text());
        } else if (xml.isStartElement()) {
            if (xml.namespaceUri() == nsText && xml.name() == u"s") {
                bool ok = false;
                const int n = xml.attributes().value(nsText, QLatin1StringView("c")).toInt(&ok);
                paragraf.adaugaExact(QString(ok ? std::clamp(n, 0, 65535) : 1, u' '));
                xml.skipCurrentElement();
            } else if (xml.namespaceUri() == nsText && xml.name() == u"tab") {
                paragraf.adaugaExact(QStringLiteral("\t"));
                xml.skipCurrentElement();
            } else if (xml.namespaceUri() == nsText && xml.name() == u"line-break") {
                paragraf.adaugaExact(QStringLiteral("\n"));
                xml.skipCurrentElement();
            } else if (xml.namespaceUri() == nsOffice && xml.name() == u"annotation") {
                xml.skipCurrentElement();
            } else {
                citesteInParagraf(xml, paragraf, adancime + 1);
            }
        } else if (xml.isEndElement()) {
            return;
        }
    }
}

QString valoareFaraParagraf(const QXmlStreamReader& xml) {
    const auto a = xml.attributes();
    const auto tip = a.value(nsOffice, QLatin1StringView("value-type"));
    if (tip == u"boolean")
        return FormatNumar::boolean(a.value(nsOffice, QLatin1StringView("boolean-value")) == u"true");
    if (tip == u"string") return a.value(nsOffice, QLatin1StringView("string-value")).toString();
    if (tip == u"float" || tip == u"percentage" || tip == u"currency")
        return FormatNumar::general(a.value(nsOffice, QLatin1StringView("value")).toDouble());
    if (tip == u"date") return a.value(nsOffice, QLatin1StringView("date-value")).toString();
    if (tip == u"time") return a.value(nsOffice, QLatin1StringView("time-value")).toString();
    return {};
}

// Days from 30.12.1899, the serial the format codes take; nullopt for a value not understood.
std::optional<double> serialData(QStringView iso) {
    QDateTime moment = QDateTime::fromString(iso.toString(), Qt::ISODateWithMs);
    if (!moment.isValid()) moment = QDateTime(QDate::fromString(iso.toString(), Qt::ISODate), QTime(0, 0));
    if (!moment.isValid()) return std::nullopt;
    moment.setTimeSpec(Qt::UTC);
    return double(QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC).msecsTo(moment)) / 86400000.0;
}

// "PT08H30M00S", "-PT1H", "P1DT2H": a duration in days.
std::optional<double> serialDurata(QStringView durata) {
    static const QRegularExpression forma(
        QStringLiteral("^(-)?P(?:(\\d+)D)?(?:T(?:(\\d+)H)?(?:(\\d+)M)?(?:(\\d+(?:\\.\\d+)?)S)?)?$"));
    const auto m = forma.match(durata.toString());
    if (!m.hasMatch()) return std::nullopt;
    const double secunde = m.capturedView(2).toDouble() * 86400 + m.capturedView(3).toDouble() * 3600 +
                           m.capturedView(4).toDouble() * 60 + m.capturedView(5).toDouble();
    return (m.capturedView(1).isEmpty() ? 1 : -1) * secunde / 86400;
}

// A number, percentage, currency, date or time shown from its value and style, as the other
// readers show it; nullopt keeps the text the saving program cached (strings, unknown styles).
std::optional<QString> dinValoare(const QXmlStreamReader& xml, const StiluriNumar& stiluri,
                                  const QString& stil) {
    const QStringView tip = atribut(xml, nsOffice, "value-type");
    std::optional<double> valoare;
    if (tip == u"float" || tip == u"percentage" || tip == u"currency") {
        bool ok = false;
        valoare = atribut(xml, nsOffice, "value").toDouble(&ok);
        if (!ok) return std::nullopt;
    } else if (tip == u"date") {
        valoare = serialData(atribut(xml, nsOffice, "date-value"));
    } else if (tip == u"time") {
        valoare = serialDurata(atribut(xml, nsOffice, "time-value"));
    }
    if (!valoare) return std::nullopt;
    const auto cod = stiluri.cod(stil);
    if (!cod || (cod->isEmpty() && tip != u"float")) return std::nullopt;
    return cod->isEmpty() ? FormatNumar::general(*valoare) : FormatNumar::numar(*valoare, *cod);
}

// The paragraphs of a cell, one line each.
QString textCelula(QXmlStreamReader& xml, const StiluriNumar& stiluri, const QString& stil) {
    const QString faraParagraf = valoareFaraParagraf(xml);
    const std::optional<QString> formatat = dinValoare(xml, stiluri, stil);
    QStringList paragrafe;
    while (xml.readNextStartElement()) {
        if (xml.namespaceUri() == nsText && (xml.name() == u"p" || xml.name() == u"h")) {
            TextParagraf paragraf;
            citesteInParagraf(xml, paragraf);
            paragrafe << paragraf.text();
        } else {
            xml.skipCurrentElement();
        }
    }
    if (formatat) return *formatat;
    return paragrafe.isEmpty() ? faraParagraf : paragrafe.join(u'\n');
}

class CititorFoaie {
public:
    CititorFoaie(QXmlStreamReader& xml, FoaieDeCalcul& foaie, const StiluriNumar& stiluri)
        : xml_(xml), foaie_(foaie), stiluri_(stiluri) {}

    void citesteTabel(int adancime = 0) {
        verificaAdancime(adancime);
        while (xml_.readNextStartElement()) {
            if (xml_.namespaceUri() != nsTable) {
                xml_.skipCurrentElement();
            } else if (xml_.name() == u"table-row") {
                citesteRand();
            } else if (xml_.name() == u"table-column") {
                citesteColoana();
            } else if (xml_.name() == u"table-row-group" || xml_.name() == u"table-header-rows" ||
                       xml_.name() == u"table-rows" || xml_.name() == u"table-column-group" ||
                       xml_.name() == u"table-header-columns" || xml_.name() == u"table-columns") {
                citesteTabel(adancime + 1);
            } else {
                xml_.skipCurrentElement();
            }
        }
    }

private:
    // A column's default style applies to its cells that name none.
    void citesteColoana() {
        const int numar = repetare(xml_, QLatin1StringView("number-columns-repeated"));
        const QString stil = atribut(xml_, nsTable, "default-cell-style-name").toString();
        const qsizetype pana = std::min<qsizetype>(FoaieDeCalcul::maxColoane, stiluriColoane_.size() + numar);
        while (stiluriColoane_.size() < pana)
            stiluriColoane_ << stil;
        xml_.skipCurrentElement();
    }

    void citesteRand() {
        const int numar = repetare(xml_, QLatin1StringView("number-rows-repeated"));
        const int randuriRamase = FoaieDeCalcul::maxRanduri - rand_;
        bool adaugat = false;
        int coloana = 0;
        while (xml_.readNextStartElement()) {
            const bool acoperita = xml_.name() == u"covered-table-cell";
            if (xml_.namespaceUri() != nsTable || (xml_.name() != u"table-cell" && !acoperita)) {
                xml_.skipCurrentElement();
                continue;
            }
            const int coloane = repetare(xml_, QLatin1StringView("number-columns-repeated"));
            QString stil = atribut(xml_, nsTable, "style-name").toString();
            if (stil.isEmpty()) stil = stiluriColoane_.value(coloana);
            const QString text =
                acoperita ? (xml_.skipCurrentElement(), QString()) : textCelula(xml_, stiluri_, stil);
            if (!text.isEmpty()) {
                if (randuriRamase <= 0 || coloana >= FoaieDeCalcul::maxColoane)
                    throw Eroare("o celula cu continut este in afara foii");
                if (!adaugat) foaie_.adaugaRand(rand_, std::min(numar, randuriRamase));
                adaugat = true;
                foaie_.adaugaCelula(coloana, std::min(coloane, FoaieDeCalcul::maxColoane - coloana), text);
            }
            coloana = int(std::min<long long>(FoaieDeCalcul::maxColoane, (long long)coloana + coloane));
        }
        rand_ = int(std::min<long long>(FoaieDeCalcul::maxRanduri, (long long)rand_ + numar));
    }

    QXmlStreamReader& xml_;
    FoaieDeCalcul& foaie_;
    const StiluriNumar& stiluri_;
    QStringList stiluriColoane_;
    int rand_ = 0;
};

// The styles of styles.xml and content.xml, both at the start of the document.
void citesteStiluri(QXmlStreamReader& xml, StiluriNumar& stiluri) {
    while (xml.readNextStartElement())
        stiluri.citeste(xml);
}

void citesteStiluriComune(const ArhivaGsf& arhiva, StiluriNumar& stiluri) {
    if (!arhiva.are(QStringLiteral("styles.xml"))) return;
    QXmlStreamReader xml(arhiva.citeste(QStringLiteral("styles.xml")));
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.namespaceUri() == nsOffice &&
            (xml.name() == u"styles" || xml.name() == u"automatic-styles"))
            citesteStiluri(xml, stiluri);
    }
    // a damaged styles part costs the number styles only: the cached texts remain
}

} // namespace

RegistruDeCalcul citesteOds(const ArhivaGsf& arhiva) {
    if (!arhiva.are(QStringLiteral("content.xml")))
        throw Eroare("nu este un registru de calcul (lipseste content.xml)");
    StiluriNumar stiluri;
    citesteStiluriComune(arhiva, stiluri);
    QXmlStreamReader xml(arhiva.citeste(QStringLiteral("content.xml")));
    RegistruDeCalcul registru;
    bool foaieDeCalcul = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.namespaceUri() == nsOffice && xml.name() == u"automatic-styles") {
            citesteStiluri(xml, stiluri);
        } else if (xml.namespaceUri() == nsOffice && xml.name() == u"spreadsheet") {
            foaieDeCalcul = true;
        } else if (foaieDeCalcul && xml.namespaceUri() == nsTable && xml.name() == u"table") {
            FoaieDeCalcul foaie(xml.attributes().value(nsTable, QLatin1StringView("name")).toString());
            CititorFoaie(xml, foaie, stiluri).citesteTabel();
            foaie.termina();
            registru.foi.push_back(std::move(foaie));
        }
    }
    if (xml.hasError())
        throw Eroare::format("partea content.xml nu este XML valid (%s)", {xml.errorString()});
    if (!foaieDeCalcul)
        throw Eroare("nu este un registru de calcul (documentul OpenDocument nu este o foaie de calcul)");
    return registru;
}
