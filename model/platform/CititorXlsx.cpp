#include "platform/CititorXlsx.h"

#include "platform/ArhivaGsf.h"
#include "platform/Eroare.h"
#include "platform/FormatNumar.h"

#include <QDateTime>
#include <QHash>
#include <QXmlStreamReader>

namespace {

QString atribut(const QXmlStreamReader& xml, QLatin1StringView nume) {
    for (const auto& a : xml.attributes())
        if (a.name() == nume) return a.value().toString();
    return {};
}

void verificaXml(const QXmlStreamReader& xml, const QString& parte) {
    if (xml.hasError()) throw Eroare::format("partea %s nu este XML valid (%s)", {parte, xml.errorString()});
}

// "_x000D_" and the like: characters XML cannot carry, as the format writes them.
QString decodificaEscape(const QString& text) {
    if (!text.contains(u"_x")) return text;
    QString rezultat;
    for (qsizetype i = 0; i < text.size(); ++i) {
        bool ok = false;
        if (text[i] == u'_' && i + 6 < text.size() && text[i + 1] == u'x' && text[i + 6] == u'_') {
            const ushort cod = text.mid(i + 2, 4).toUShort(&ok, 16);
            if (ok) {
                rezultat += QChar(cod);
                i += 6;
                continue;
            }
        }
        rezultat += text[i];
    }
    return rezultat;
}

// The text of an <si> or <is>: every <t>, runs joined, phonetic hints left out.
QString textBogat(QXmlStreamReader& xml) {
    QString text;
    const QString element = xml.name().toString();
    int fonetic = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"rPh")
                ++fonetic;
            else if (xml.name() == u"t" && fonetic == 0)
                text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.isEndElement()) {
            if (xml.name() == u"rPh")
                --fonetic;
            else if (xml.name() == element)
                break;
        }
    }
    return decodificaEscape(text);
}

QStringList citesteSiruri(const ArhivaGsf& arhiva, const QString& parte) {
    QStringList siruri;
    if (parte.isEmpty() || !arhiva.are(parte)) return siruri;
    QXmlStreamReader xml(arhiva.citeste(parte));
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"si") siruri << textBogat(xml);
    }
    verificaXml(xml, parte);
    return siruri;
}

struct Stiluri {
    QStringList coduri; // per cell format index
};

Stiluri citesteStiluri(const ArhivaGsf& arhiva, const QString& parte) {
    Stiluri stiluri;
    if (parte.isEmpty() || !arhiva.are(parte)) return stiluri;
    QHash<int, QString> coduri;
    QList<int> idFormate;
    QXmlStreamReader xml(arhiva.citeste(parte));
    bool inCellXfs = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == u"numFmt")
                coduri.insert(atribut(xml, QLatin1StringView("numFmtId")).toInt(),
                              atribut(xml, QLatin1StringView("formatCode")));
            else if (xml.name() == u"cellXfs")
                inCellXfs = true;
            else if (inCellXfs && xml.name() == u"xf")
                idFormate << atribut(xml, QLatin1StringView("numFmtId")).toInt();
        } else if (xml.isEndElement() && xml.name() == u"cellXfs") {
            inCellXfs = false;
        }
    }
    verificaXml(xml, parte);
    for (int id : idFormate)
        stiluri.coduri << coduri.value(id, FormatNumar::codImplicit(id));
    return stiluri;
}

struct FoaieDeCitit {
    QString nume;
    QString parte;
};

QString caleParte(const QString& tinta) {
    if (tinta.startsWith(u'/')) return tinta.mid(1);
    return "xl/" + tinta;
}

double serialDinData(const QString& iso, bool sistem1904) {
    QDateTime moment = QDateTime::fromString(iso, Qt::ISODateWithMs);
    if (!moment.isValid()) moment = QDateTime(QDate::fromString(iso, Qt::ISODate), QTime(0, 0));
    if (!moment.isValid()) throw Eroare::format("data %s dintr-o celula nu este valida", {iso});
    moment.setTimeSpec(Qt::UTC);
    const QDateTime baza(sistem1904 ? QDate(1904, 1, 1) : QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
    return double(baza.msecsTo(moment)) / 86400000.0;
}

struct Registru {
    QStringList siruri;
    Stiluri stiluri;
    bool sistem1904 = false;
    // cells whose shared text is missing: they stay empty, the workbook is still read
    mutable int siruriLipsa = 0;
};

QString textCelula(const Registru& r, const QString& tip, int stil, const QString& valoare, bool areValoare,
                   const QString& textInline) {
    const QString cod = stil >= 0 && stil < r.stiluri.coduri.size() ? r.stiluri.coduri[stil] : QString();
    const QString codEfectiv = cod.isEmpty() ? QStringLiteral("General") : cod;
    if (tip == u"inlineStr") return FormatNumar::text(textInline, codEfectiv);
    if (!areValoare) return {};
    if (tip == u"s") {
        bool ok = false;
        const int index = valoare.toInt(&ok);
        if (!ok || index < 0 || index >= r.siruri.size()) {
            ++r.siruriLipsa;
            return {};
        }
        return FormatNumar::text(r.siruri[index], codEfectiv);
    }
    if (tip == u"str") return FormatNumar::text(decodificaEscape(valoare), codEfectiv);
    if (tip == u"b") return FormatNumar::boolean(valoare.trimmed() != u"0" && !valoare.trimmed().isEmpty());
    if (tip == u"e") return valoare;
    if (valoare.isEmpty()) return {};
    bool ok = false;
    const double numar = tip == u"d" ? serialDinData(valoare, r.sistem1904) : valoare.toDouble(&ok);
    if (tip != u"d" && !ok)
        throw Eroare::format("valoarea %s dintr-o celula nu este un numar", {valoare.left(40)});
    return FormatNumar::numar(numar, codEfectiv, r.sistem1904);
}

void citesteAdresaSauEroare(const QString& adresa, int& rand, int& coloana) {
    if (!FoaieDeCalcul::citesteAdresa(adresa, rand, coloana))
        throw Eroare::format("adresa de celula %s este in afara foii", {adresa.left(40)});
}

void citesteCelula(QXmlStreamReader& xml, const Registru& r, FoaieDeCalcul& foaie, int rand, int& coloana) {
    const QString adresa = atribut(xml, QLatin1StringView("r"));
    if (!adresa.isEmpty()) {
        int randCelula = 0;
        citesteAdresaSauEroare(adresa, randCelula, coloana);
        if (randCelula != rand) throw Eroare::format("celula %s nu sta in randul ei", {adresa.left(40)});
    } else if (++coloana >= FoaieDeCalcul::maxColoane) {
        throw Eroare("un rand are mai multe coloane decat incap intr-o foaie");
    }
    const QString tip = atribut(xml, QLatin1StringView("t"));
    const int stil = atribut(xml, QLatin1StringView("s")).toInt();
    QString valoare, textInline;
    bool areValoare = false;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"v") {
            valoare = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            areValoare = true;
        } else if (xml.name() == u"is") {
            textInline = textBogat(xml);
        } else {
            xml.skipCurrentElement();
        }
    }
    foaie.puneCelula(rand, coloana, textCelula(r, tip, stil, valoare, areValoare, textInline));
}

void imbinaDinReferinta(FoaieDeCalcul& foaie, const QString& referinta) {
    const QStringList capete = referinta.split(u':');
    int r1 = 0, c1 = 0, r2 = 0, c2 = 0;
    if (capete.size() != 2 || !FoaieDeCalcul::citesteAdresa(capete[0], r1, c1) ||
        !FoaieDeCalcul::citesteAdresa(capete[1], r2, c2))
        return;
    foaie.imbina(std::min(r1, r2), std::min(c1, c2), std::max(r1, r2), std::max(c1, c2));
}

FoaieDeCalcul citesteFoaie(const ArhivaGsf& arhiva, const Registru& r, const FoaieDeCitit& deCitit) {
    FoaieDeCalcul foaie(deCitit.nume);
    QXmlStreamReader xml(arhiva.citeste(deCitit.parte));
    int rand = -1, coloana = -1;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"row") {
            const QString numar = atribut(xml, QLatin1StringView("r"));
            bool ok = true;
            rand = numar.isEmpty() ? rand + 1 : numar.toInt(&ok) - 1;
            if (!ok || rand < 0 || rand >= FoaieDeCalcul::maxRanduri)
                throw Eroare::format("randul %s este in afara foii", {numar.left(40)});
            coloana = -1;
        } else if (xml.name() == u"c") {
            citesteCelula(xml, r, foaie, std::max(rand, 0), coloana);
        } else if (xml.name() == u"mergeCell") {
            imbinaDinReferinta(foaie, atribut(xml, QLatin1StringView("ref")));
        }
    }
    verificaXml(xml, deCitit.parte);
    foaie.termina();
    return foaie;
}

QHash<QString, QString> citesteLegaturi(const ArhivaGsf& arhiva, QString& siruri, QString& stiluri) {
    QHash<QString, QString> tinte;
    const QString parte = QStringLiteral("xl/_rels/workbook.xml.rels");
    if (!arhiva.are(parte)) return tinte;
    QXmlStreamReader xml(arhiva.citeste(parte));
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != u"Relationship") continue;
        const QString tinta = caleParte(atribut(xml, QLatin1StringView("Target")));
        const QString tip = atribut(xml, QLatin1StringView("Type"));
        tinte.insert(atribut(xml, QLatin1StringView("Id")), tinta);
        if (tip.endsWith(u"/sharedStrings"))
            siruri = tinta;
        else if (tip.endsWith(u"/styles"))
            stiluri = tinta;
    }
    verificaXml(xml, parte);
    return tinte;
}

} // namespace

RegistruDeCalcul citesteXlsx(const ArhivaGsf& arhiva) {
    const QString parteRegistru = QStringLiteral("xl/workbook.xml");
    if (!arhiva.are(parteRegistru)) throw Eroare("nu este un registru de calcul (lipseste xl/workbook.xml)");
    QString parteSiruri = QStringLiteral("xl/sharedStrings.xml"),
            parteStiluri = QStringLiteral("xl/styles.xml");
    const QHash<QString, QString> tinte = citesteLegaturi(arhiva, parteSiruri, parteStiluri);

    Registru r;
    QList<FoaieDeCitit> deCitit;
    QXmlStreamReader xml(arhiva.citeste(parteRegistru));
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"workbookPr") {
            const QString d = atribut(xml, QLatin1StringView("date1904"));
            r.sistem1904 = d == u"1" || d == u"true";
        } else if (xml.name() == u"sheet") {
            const QString id = atribut(xml, QLatin1StringView("id"));
            if (!tinte.contains(id))
                throw Eroare::format("foaia %s nu are continut", {atribut(xml, QLatin1StringView("name"))});
            deCitit.append({atribut(xml, QLatin1StringView("name")), tinte.value(id)});
        }
    }
    verificaXml(xml, parteRegistru);
    r.siruri = citesteSiruri(arhiva, parteSiruri);
    r.stiluri = citesteStiluri(arhiva, parteStiluri);

    RegistruDeCalcul registru;
    for (const auto& foaie : deCitit)
        registru.foi.push_back(citesteFoaie(arhiva, r, foaie));
    if (r.siruriLipsa)
        registru.deteriorari
            << QStringLiteral("%1 celule trimit la texte care lipsesc, raman goale").arg(r.siruriLipsa);
    return registru;
}
