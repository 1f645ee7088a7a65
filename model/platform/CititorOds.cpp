#include "platform/CititorOds.h"

#include "platform/ArhivaGsf.h"
#include "platform/Eroare.h"
#include "platform/FormatNumar.h"

#include <QXmlStreamReader>
#include <algorithm>

namespace {

constexpr QLatin1StringView nsTable("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
constexpr QLatin1StringView nsText("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
constexpr QLatin1StringView nsOffice("urn:oasis:names:tc:opendocument:xmlns:office:1.0");

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

// The paragraphs of a cell, one line each.
QString textCelula(QXmlStreamReader& xml) {
    const QString faraParagraf = valoareFaraParagraf(xml);
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
    return paragrafe.isEmpty() ? faraParagraf : paragrafe.join(u'\n');
}

class CititorFoaie {
public:
    CititorFoaie(QXmlStreamReader& xml, FoaieDeCalcul& foaie) : xml_(xml), foaie_(foaie) {}

    void citesteTabel(int adancime = 0) {
        verificaAdancime(adancime);
        while (xml_.readNextStartElement()) {
            if (xml_.namespaceUri() != nsTable) {
                xml_.skipCurrentElement();
            } else if (xml_.name() == u"table-row") {
                citesteRand();
            } else if (xml_.name() == u"table-row-group" || xml_.name() == u"table-header-rows" ||
                       xml_.name() == u"table-rows") {
                citesteTabel(adancime + 1);
            } else {
                xml_.skipCurrentElement();
            }
        }
    }

private:
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
            const QString text = acoperita ? (xml_.skipCurrentElement(), QString()) : textCelula(xml_);
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
    int rand_ = 0;
};

} // namespace

RegistruDeCalcul citesteOds(const ArhivaGsf& arhiva) {
    if (!arhiva.are(QStringLiteral("content.xml")))
        throw Eroare("nu este un registru de calcul (lipseste content.xml)");
    QXmlStreamReader xml(arhiva.citeste(QStringLiteral("content.xml")));
    RegistruDeCalcul registru;
    bool foaieDeCalcul = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.namespaceUri() == nsOffice && xml.name() == u"spreadsheet") {
            foaieDeCalcul = true;
        } else if (foaieDeCalcul && xml.namespaceUri() == nsTable && xml.name() == u"table") {
            FoaieDeCalcul foaie(xml.attributes().value(nsTable, QLatin1StringView("name")).toString());
            CititorFoaie(xml, foaie).citesteTabel();
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
