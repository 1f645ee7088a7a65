#include "printing/SetariTiparire.h"

#include "platform/Eroare.h"
#include "platform/Imprimanta.h"
#include "platform/StocSetari.h"
#include "printing/RandarePagina.h"

#include <QLocale>
#include <cmath>

// ---- comma text ----

namespace {

bool ceredeGhilimele(const QString& element) {
    for (const QChar c : element)
        if (c.unicode() <= u' ' || c == u',' || c == u'"') return true;
    return false;
}

bool spatiu(QChar c) {
    return c.unicode() <= u' ';
}

// From the opening quote at i: the text with doubled quotes made single; i ends after it.
QString extrageCuGhilimele(const QString& text, qsizetype& i) {
    QString rezultat;
    ++i;
    while (i < text.size()) {
        if (text[i] == u'"') {
            if (i + 1 < text.size() && text[i + 1] == u'"') {
                rezultat += u'"';
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        rezultat += text[i++];
    }
    return rezultat;
}

} // namespace

QString TextCuVirgule(const QStringList& elemente) {
    if (elemente.size() == 1 && elemente.front().isEmpty()) return QStringLiteral("\"\"");
    QStringList scrise;
    for (const QString& e : elemente) {
        if (!ceredeGhilimele(e)) {
            scrise << e;
            continue;
        }
        QString dublat = e;
        dublat.replace(u'"', QStringLiteral("\"\""));
        scrise << u'"' + dublat + u'"';
    }
    return scrise.join(u',');
}

QStringList DesparteTextCuVirgule(const QString& text) {
    QStringList rezultat;
    qsizetype i = 0;
    while (i < text.size() && spatiu(text[i]))
        ++i;
    while (i < text.size()) {
        if (text[i] == u'"') {
            rezultat << extrageCuGhilimele(text, i);
        } else {
            const qsizetype inceput = i;
            while (i < text.size() && !spatiu(text[i]) && text[i] != u',')
                ++i;
            rezultat << text.mid(inceput, i - inceput);
        }
        while (i < text.size() && spatiu(text[i]))
            ++i;
        if (i < text.size() && text[i] == u',') {
            if (i + 1 == text.size()) rezultat << QString();
            do
                ++i;
            while (i < text.size() && spatiu(text[i]));
        }
    }
    return rezultat;
}

// ---- numbers as the user writes them ----

namespace {

int citesteIntreg(const QString& text) {
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok) throw Eroare::format("'%s' is not a valid integer value", {text});
    return v;
}

} // namespace

QLocale LocalaNumerelor() {
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return l;
}

Eroare NuEsteNumarReal(const QString& text) {
    return Eroare::format("'%s' is not a valid floating point value", {text});
}

QString TextNumarReal(double valoare) {
    if (valoare == 0.0) valoare = 0.0; // no "-0"
    return LocalaNumerelor().toString(valoare, 'g', 15);
}

double CitesteNumarReal(const QString& text) {
    bool ok = false;
    const double v = LocalaNumerelor().toDouble(text, &ok);
    if (!ok) throw NuEsteNumarReal(text);
    return v;
}

double CitesteMargineStocata(const QString& text) {
    QString cuPunct = text;
    cuPunct.replace(u',', u'.');
    bool ok = false;
    const double v = QLocale::c().toDouble(cuPunct, &ok);
    if (!ok) throw NuEsteNumarReal(text);
    VerificaMargine(v);
    return v;
}

void VerificaMargine(double milimetri) {
    if (!(std::abs(milimetri) <= MargineMaxima))
        throw Eroare::format(
            "Marginea de %s mm nu incape pe foaie: scrieti o valoare intre -%s si %s mm.",
            {TextNumarReal(milimetri), TextNumarReal(MargineMaxima), TextNumarReal(MargineMaxima)});
}

// ---- the stored settings ----

namespace {

TAllStuffReg*& curente() {
    static TAllStuffReg* s = nullptr;
    return s;
}

QString dinBool(bool v) {
    return v ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

TAllStuffReg* SetariCurente() {
    return curente();
}

QString TAllStuffReg::Cheie() {
    return QStringLiteral("SOFTWARE\\Orvanta\\Kalvor\\") + QString::number(2006) + QStringLiteral("\\Comun");
}

TAllStuffReg::TAllStuffReg() {
    incarca();
    // Only a fully loaded object becomes current: a failed one never existed.
    if (!curente()) curente() = this;
}

TAllStuffReg::~TAllStuffReg() {
    if (curente() == this) curente() = nullptr;
    if (!AllNecitit.isEmpty()) return;
    try {
        Scrie();
    } catch (const Eroare&) {
        // Release cannot report; the writes the user asked for were checked when made.
    }
}

void TAllStuffReg::incarca() {
    const auto cheie = StocSetari::deschide(Cheie());
    if (cheie->contains(QStringLiteral("all"))) {
        const QString all = cheie->value(QStringLiteral("all")).toString();
        try {
            CitesteAll(all);
        } catch (const Eroare&) {
            AllNecitit = all.isEmpty() ? QStringLiteral(" ") : all;
        }
    }
    OglindescFata = cheie->value(QStringLiteral("OglindescFata"), QStringLiteral("*")).toString();
    OglindescVerso = cheie->value(QStringLiteral("OglindescVerso"), QStringLiteral("*")).toString();
}

void TAllStuffReg::CitesteAll(const QString& all) {
    const QStringList elemente = DesparteTextCuVirgule(all);
    const auto element = [&](int index) {
        if (index >= elemente.size())
            throw Eroare(QStringLiteral("List index out of bounds (%1)").arg(index));
        return elemente.at(index);
    };
    // Everything is read before anything is taken: a value that fails leaves the fields as they were.
    const int feedMode = citesteIntreg(element(5));
    const double margini[4] = {CitesteMargineStocata(element(6)), CitesteMargineStocata(element(7)),
                               CitesteMargineStocata(element(8)), CitesteMargineStocata(element(9))};
    const int printerIndex = citesteIntreg(element(11));
    Configured = element(1) == QLatin1String("1");
    OppositeSide = element(2) == QLatin1String("1");
    LineRight = element(3) == QLatin1String("1");
    LineBottom = element(4) == QLatin1String("1");
    FeedMode = feedMode;
    FrontLeft = margini[0];
    FrontTop = margini[1];
    BackLeft = margini[2];
    BackTop = margini[3];
    PrinterName = element(10);
    PrinterIndex = printerIndex;
}

QString TAllStuffReg::TextAll() const {
    return TextCuVirgule({QStringLiteral("0"), dinBool(Configured), dinBool(OppositeSide), dinBool(LineRight),
                          dinBool(LineBottom), QString::number(FeedMode), TextNumarReal(FrontLeft),
                          TextNumarReal(FrontTop), TextNumarReal(BackLeft), TextNumarReal(BackTop),
                          PrinterName, QString::number(PrinterIndex)});
}

void TAllStuffReg::Scrie() {
    const auto cheie = StocSetari::deschide(Cheie());
    if (!AllNecitit.isEmpty()) cheie->setValue(QStringLiteral("all_necitit"), AllNecitit);
    cheie->setValue(QStringLiteral("all"), TextAll());
    cheie->setValue(QStringLiteral("OglindescFata"), OglindescFata);
    cheie->setValue(QStringLiteral("OglindescVerso"), OglindescVerso);
    StocSetari::verificaScrierea(*cheie);
    AllNecitit.clear();
}

QString TAllStuffReg::Oglindire(int latura) const {
    if (latura == LaturaFata) return OglindescFata;
    if (latura == LaturaVerso) return OglindescVerso;
    return QStringLiteral("*");
}

void TAllStuffReg::SeteazaOglindire(int latura, const QString& alegere) {
    if (latura == LaturaFata) OglindescFata = alegere;
    if (latura == LaturaVerso) OglindescVerso = alegere;
}

void TAllStuffReg::SeteazaMargini(int latura, double stanga, double sus) {
    if (latura == LaturaFata) {
        FrontLeft = stanga;
        FrontTop = sus;
    } else if (latura == LaturaVerso) {
        BackLeft = stanga;
        BackTop = sus;
    }
}

void PregatesteImprimanta(bool portret) {
    PregatesteImprimanta(imprimanta(), portret);
}

void PregatesteImprimanta(Imprimanta& dispozitiv, bool portret) {
    SetariDispozitiv setari;
    setari.orientare = portret ? QPageLayout::Portrait : QPageLayout::Landscape;
    setari.hartieA4 = true;
    setari.calitateInalta = true;
    setari.monocrom = true;
    dispozitiv.pregatesteSetari(setari);
}

QString TitluLucrare(int latura) {
    return latura == LaturaVerso ? QStringLiteral("Diploma de examen national - verso")
                                 : QStringLiteral("Diploma de examen national - fata");
}
