#include "printing/UMachetaVardolin.h"

#include "platform/Eroare.h"
#include "printing/UParticularizare.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <limits>

namespace {

const QString prefixArie = QStringLiteral("FormularTextArea");

// Reads the members of one JSON object, remembering where it sits for the error text.
class Cititor {
public:
    Cititor(const QJsonObject& obiect, QString unde) : obiect_(obiect), unde_(std::move(unde)) {}

    QString text(const char* cheie, bool obligatoriu = true) const {
        const QJsonValue v = valoare(cheie, obligatoriu);
        if (v.isUndefined()) return {};
        if (!v.isString()) throw gresit(cheie);
        return v.toString();
    }
    double numar(const char* cheie, double implicit, bool obligatoriu = true) const {
        const QJsonValue v = valoare(cheie, obligatoriu);
        if (v.isUndefined()) return implicit;
        if (!v.isDouble()) throw gresit(cheie);
        return v.toDouble();
    }
    // A whole number an int holds: a code page or a character set of any other size is a fault.
    int intreg(const char* cheie, int implicit) const {
        const double n = numar(cheie, implicit, false);
        if (!(n >= std::numeric_limits<int>::min() && n <= std::numeric_limits<int>::max()))
            throw gresit(cheie);
        return int(n);
    }
    bool logic(const char* cheie, bool implicit) const {
        const QJsonValue v = valoare(cheie, false);
        if (v.isUndefined()) return implicit;
        if (!v.isBool()) throw gresit(cheie);
        return v.toBool();
    }
    QJsonArray lista(const char* cheie) const {
        const QJsonValue v = valoare(cheie, true);
        if (!v.isArray()) throw gresit(cheie);
        return v.toArray();
    }
    Eroare gresit(const char* cheie) const {
        return Eroare::format("Macheta formularului: valoarea \"%s\" din %s este gresita.",
                              {QString::fromLatin1(cheie), unde_});
    }

private:
    QJsonValue valoare(const char* cheie, bool obligatoriu) const {
        const QJsonValue v = obiect_.value(QLatin1String(cheie));
        if (v.isUndefined() && obligatoriu)
            throw Eroare::format("Macheta formularului: lipseste \"%s\" din %s.",
                                 {QString::fromLatin1(cheie), unde_});
        return v;
    }

    QJsonObject obiect_;
    QString unde_;
};

QJsonObject obiect(const QJsonValue& v, const QString& unde) {
    if (!v.isObject()) throw Eroare::format("Macheta formularului: %s nu este un obiect.", {unde});
    return v.toObject();
}

AliniereMacheta aliniere(const Cititor& c) {
    const QString a = c.text("Alignment", false);
    if (a.isEmpty() || a == u"stanga") return AliniereMacheta::Stanga;
    if (a == u"dreapta") return AliniereMacheta::Dreapta;
    if (a == u"centru") return AliniereMacheta::Centru;
    throw c.gresit("Alignment");
}

FontMacheta citesteFont(const QJsonValue& v, int index) {
    const QString unde = QStringLiteral("fontul %1").arg(index + 1);
    const Cititor c(obiect(v, unde), unde);
    FontMacheta f;
    f.nume = c.text("nume");
    f.familie = c.text("FontName", false);
    if (f.familie.isEmpty()) f.familie = QStringLiteral("Arial");
    f.inaltimeMm = c.numar("Size", 3.0);
    f.bold = c.logic("Bold", false);
    f.italic = c.logic("Italic", false);
    f.setCaractere = c.intreg("CharSet", 238);
    f.CodePage = c.intreg("CodePage", 1250);
    f.DescrierePentruEditor = c.text("DescrierePentruEditor", false);
    if (f.nume.isEmpty() || f.inaltimeMm <= 0) throw c.gresit(f.nume.isEmpty() ? "nume" : "Size");
    return f;
}

ArieMacheta citesteArie(const QJsonValue& v, const QString& pagina, int index) {
    const QString unde = QStringLiteral("aria %1 a paginii %2").arg(index + 1).arg(pagina);
    const Cititor c(obiect(v, unde), unde);
    ArieMacheta a;
    a.nume = c.text("nume");
    a.Denumire1 = c.text("Denumire1");
    a.Denumire2 = c.text("Denumire2", false);
    a.Denumire3 = c.text("Denumire3", false);
    a._Left = c.numar("_Left", 0);
    a._Top = c.numar("_Top", 0);
    a._Width = c.numar("_Width", 0);
    a._Height = c.numar("_Height", 0);
    a.Font = c.text("Font");
    a.Alignment = aliniere(c);
    a.ZoomLock = c.numar("ZoomLock", 0, false);
    a.Text = c.text("Text", false);
    return a;
}

PaginaMacheta citestePagina(const QJsonValue& v, int index, const QString& dosar) {
    const QString unde = QStringLiteral("pagina %1").arg(index + 1);
    const Cititor c(obiect(v, unde), unde);
    PaginaMacheta p;
    p.nume = c.text("nume");
    p.titlu = c.text("titlu");
    p.codPagina = c.text("codPagina");
    p.Latime = c.numar("Latime", 10);
    p.Inaltime = c.numar("Inaltime", 10);
    p.Zoom = c.numar("Zoom", 100, false);
    p.TextAreaBaseLine2_delta = c.numar("TextAreaBaseLine2_delta", 1.0, false);
    p.TextAreaTopLine1_delta = c.numar("TextAreaTopLine1_delta", 1.0, false);
    p.DeltaStanga = c.numar("DeltaStanga", 0, false);
    p.DeltaSus = c.numar("DeltaSus", 0, false);
    const QString imagine = c.text("BkImage", false);
    if (!imagine.isEmpty()) p.BkImage = dosar + u'/' + imagine;
    const QJsonArray arii = c.lista("arii");
    for (int i = 0; i < arii.size(); ++i)
        p.arii.push_back(citesteArie(arii[i], p.nume, i));
    return p;
}

// A layout that would print outside the sheet or refer to nothing is refused whole: better
// no print window than a certificate spoiled by a typing error in the layout.
void verifica(const MachetaVardolin& m) {
    QSet<QString> nume;
    auto unic = [&](const QString& n) {
        if (nume.contains(n))
            throw Eroare::format("Macheta formularului: numele \"%s\" apare de doua ori.", {n});
        nume.insert(n);
    };
    for (const FontMacheta& f : m.fonturi)
        unic(f.nume);
    for (const PaginaMacheta& p : m.pagini) {
        unic(p.nume);
        if (p.Latime <= 0 || p.Inaltime <= 0 || p.Zoom <= 0)
            throw Eroare::format("Macheta formularului: pagina %s are dimensiuni gresite.", {p.nume});
        const QString prefixCheie = m.formular + u'.' + p.codPagina + u'.';
        for (const ArieMacheta& a : p.arii) {
            unic(a.nume);
            if (!m.font(a.Font))
                throw Eroare::format("Macheta formularului: aria %s foloseste fontul necunoscut \"%s\".",
                                     {a.nume, a.Font});
            if (!a.Denumire1.startsWith(prefixCheie) || a.Denumire1.size() == prefixCheie.size())
                throw Eroare::format("Macheta formularului: aria %s are cheia gresita \"%s\".",
                                     {a.nume, a.Denumire1});
            const bool inPagina = a._Left >= 0 && a._Top >= 0 && a._Width > 0 && a._Height > 0 &&
                                  a._Left + a._Width <= p.Latime && a._Top + a._Height <= p.Inaltime;
            if (!inPagina)
                throw Eroare::format("Macheta formularului: aria %s iese din pagina %s.", {a.nume, p.nume});
        }
    }
}

} // namespace

int ArieMacheta::numar() const {
    if (!nume.startsWith(prefixArie)) return 0;
    bool ok = false;
    const int n = nume.mid(prefixArie.size()).toInt(&ok);
    return ok ? n : 0;
}

const ArieMacheta* PaginaMacheta::arie(const QString& numeComponenta) const {
    for (const ArieMacheta& a : arii)
        if (a.nume == numeComponenta) return &a;
    return nullptr;
}

MachetaVardolin MachetaVardolin::citeste(const QString& cale) {
    QFile f(cale);
    if (!f.open(QIODevice::ReadOnly))
        throw Eroare::format("Macheta formularului nu poate fi citita din %s: %s", {cale, f.errorString()});
    return dinJson(f.readAll(), cale);
}

MachetaVardolin MachetaVardolin::dinJson(const QByteArray& json, const QString& sursa) {
    QJsonParseError eroare;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &eroare);
    if (doc.isNull())
        throw Eroare::format(
            "Macheta formularului din %s este stricata: %s",
            {sursa, eroare.errorString() + QStringLiteral(" (octetul %1)").arg(eroare.offset)});
    const Cititor c(obiect(doc.object(), sursa), sursa);
    MachetaVardolin m;
    m.fereastra = c.text("fereastra");
    m.formular = c.text("formular");
    const QJsonArray fonturi = c.lista("fonturi");
    for (int i = 0; i < fonturi.size(); ++i)
        m.fonturi.push_back(citesteFont(fonturi[i], i));
    const QString dosar = QFileInfo(sursa).path();
    const QJsonArray pagini = c.lista("pagini");
    for (int i = 0; i < pagini.size(); ++i)
        m.pagini.push_back(citestePagina(pagini[i], i, dosar));
    verifica(m);
    return m;
}

const FontMacheta* MachetaVardolin::font(const QString& nume) const {
    for (const FontMacheta& f : fonturi)
        if (f.nume == nume) return &f;
    return nullptr;
}

const PaginaMacheta* MachetaVardolin::pagina(const QString& codSauNume) const {
    for (const PaginaMacheta& p : pagini)
        if (p.codPagina == codSauNume || p.nume == codSauNume) return &p;
    return nullptr;
}

int MachetaVardolin::numarArii() const {
    int n = 0;
    for (const PaginaMacheta& p : pagini)
        n += int(p.arii.size());
    return n;
}

AriePagina ArieMacheta::descriere(std::optional<FontPagina> font) const {
    AriePagina arie;
    arie.nume = nume;
    arie.Denumire1 = Denumire1;
    arie.Denumire2 = Denumire2;
    arie.Denumire3 = Denumire3;
    arie.stanga = _Left;
    arie.sus = _Top;
    arie.latime = _Width;
    arie.inaltime = _Height;
    arie.font = std::move(font);
    arie.aliniere = Alignment;
    arie.text = Text;
    return arie;
}

std::optional<FontPagina> MachetaVardolin::fontPagina(const QString& nume) const {
    const FontMacheta* f = font(nume);
    if (!f) return std::nullopt;
    return f->pagina();
}

PaginaFormular MachetaVardolin::descriere(const PaginaMacheta& p) const {
    PaginaFormular d;
    d.numeFormular = fereastra;
    d.nume = p.nume;
    d.latime = p.Latime;
    d.inaltime = p.Inaltime;
    d.deltaStanga = p.DeltaStanga;
    d.deltaSus = p.DeltaSus;
    d.arii.reserve(p.arii.size());
    for (const ArieMacheta& a : p.arii)
        d.arii.push_back(a.descriere(fontPagina(a.Font)));
    return d;
}

void MachetaVardolin::aplicaParticularizarile(PaginaFormular& pagina,
                                              TListaParticularizareTextArea& lista) const {
    const FonturiDupaNume fonturi = [this](const QString& nume) { return fontPagina(nume); };
    for (AriePagina& arie : pagina.arii)
        arie.ajustare = AjustareaAriei(lista, pagina.numeFormular, arie.nume, fonturi);
}
