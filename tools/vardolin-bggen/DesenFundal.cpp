#include "DesenFundal.h"

#include <QHash>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

const QColor culoareHartie(250, 248, 240);
const QColor culoareModel(214, 228, 220);
const QColor culoareChenar(70, 92, 84);
const QColor culoareGhidaj(120, 128, 140);
const QColor culoareLegenda(40, 40, 48);

// The field code without its page part, as the captions are shared by stub and certificate.
QString codFaraParte(const ArieMacheta& a) {
    const QString cod = a.Denumire1.section(u'.', 2);
    return cod.mid(2);
}

bool esteCasuta(const ArieMacheta& a) {
    const QString cod = codFaraParte(a);
    return cod == u"CNP" || cod == u"COD_SIRUES";
}

bool esteInTabel(const ArieMacheta& a) {
    const QString cod = codFaraParte(a);
    return cod.startsWith(u"PROBA_") || a.Denumire2 == u"cifre" || a.Denumire2 == u"litere";
}

bool peAcelasiRand(const ArieMacheta& a, const ArieMacheta& b) {
    const double sus = std::max(a._Top, b._Top);
    const double jos = std::min(a._Top + a._Height, b._Top + b._Height);
    return jos - sus > 0.4 * std::min(a._Height, b._Height);
}

struct TextLegenda {
    const char* inainte;
    const char* dupa;
    const char* sub;
};

// Printed captions by field code (without the C_/D_ part).
const QHash<QString, TextLegenda>& legende() {
    static const QHash<QString, TextLegenda> l = {
        {"ABREVIERE", {"", "", "Dl./D-na"}},
        {"NUME_L1", {"", "", "numele și prenumele"}},
        {"NUME", {"", "", "numele și prenumele titularului"}},
        {"NIVEL_INVATAMANT", {"", "", "nivelul de învățământ absolvit"}},
        {"DURATA_CURSURI", {"cu durata de", "ani", ""}},
        {"AN_ABSOLVIRE", {"în anul 200", "", ""}},
        {"SCOALA_PROVENIENTA_L1", {"la", "", ""}},
        {"SCOALA_PROVENIENTA_L2", {"", "", "unitatea de învățământ"}},
        {"COD_SIRUES", {"cod SIRUES", "", ""}},
        {"LOCALITATEA", {"localitatea", "", ""}},
        {"LOCALITATEA_L1", {"din localitatea", "", ""}},
        {"LOCALITATEA_L2", {"", "", "localitatea"}},
        {"JUDETUL", {"județul", "", ""}},
        {"CNP", {"CNP", "", ""}},
        {"FORMA_ABSOLVIRE_L1", {"a susținut examenul de certificare", "", ""}},
        {"FORMA_ABSOLVIRE_L2", {"", "", "forma"}},
        {"FORMA_ABSOLVIRE", {"forma", "", ""}},
        {"SESIUNEA", {"sesiunea", "", ""}},
        {"ANUL_SESIUNII", {"200", "", ""}},
        {"ANUL", {"anul 200", "", ""}},
        {"SCOALA_ORGANIZATOARE_L1", {"organizat la", "", ""}},
        {"SCOALA_ORGANIZATOARE_L2", {"", "", "unitatea de învățământ organizatoare"}},
        {"SCOALA_ORGANIZATOARE", {"organizat la", "", ""}},
        {"UNITATEA_SCOLARA", {"", "", "unitatea de învățământ"}},
        {"UNITATEA_SCOLARA_3_L1", {"organizat la", "", ""}},
        {"UNITATEA_SCOLARA_3_L2", {"", "", "unitatea de învățământ organizatoare"}},
        {"LOCALITATEA_SCOALA_ORGANIZATOARE", {"localitatea", "", ""}},
        {"JUDETUL_SCOALA_ORGANIZATOARE", {"județul", "", ""}},
        {"CALIFICARE", {"calificat(ă) în", "", ""}},
        {"CALIFICARE_L1", {"fiind declarat(ă) calificat(ă) în", "", ""}},
        {"CALIFICARE_L2", {"", "", "calificarea"}},
        {"DOMENIUL", {"domeniul", "", ""}},
        {"PRESEDINTE_COMISIE", {"Președintele comisiei,", "", "numele, prenumele și semnătura"}},
        {"SECRETAR_COMISIE", {"Secretarul comisiei,", "", "numele, prenumele și semnătura"}},
        {"CALIFICARE_PROFESIONALA", {"Calificarea", "", ""}},
        {"CALIFICARE_PROFESIONALA_L1", {"Calificarea", "", ""}},
        {"COMPETENTA_PROFESIONALA_L1", {"Competențe", "", ""}},
    };
    return l;
}

} // namespace

DesenFundal::DesenFundal(const PaginaMacheta& pagina, QSize pixeli)
    : pagina_(pagina), fata_(pagina.codPagina == u"FATA"), imagine_(pixeli, QImage::Format_RGB32),
      sx_(pixeli.width() / pagina.Latime), sy_(pixeli.height() / pagina.Inaltime) {
    // About 200 pixels per inch, as the scans were.
    const int ppm = int(std::lround(sx_ * 1000.0));
    imagine_.setDotsPerMeterX(ppm);
    imagine_.setDotsPerMeterY(int(std::lround(sy_ * 1000.0)));
}

QImage DesenFundal::deseneaza() {
    p_.begin(&imagine_);
    p_.setRenderHint(QPainter::Antialiasing);
    p_.setRenderHint(QPainter::TextAntialiasing);
    hartie();
    texteFixe();
    for (const ArieMacheta& a : pagina_.arii)
        arie(a);
    p_.end();
    return imagine_;
}

// Paper, the guilloche of the certificate part, frames and the perforation between stub and
// certificate; the stub is left on the front and right on the back.
void DesenFundal::hartie() {
    imagine_.fill(culoareHartie);
    const QRectF cotor = fata_ ? QRectF(12, 18, 81, 174) : QRectF(201, 4, 82, 201);
    const QRectF certificat = fata_ ? QRectF(110, 14, 173, 182) : QRectF(16, 4, 169, 201);
    model(certificat);
    chenar(cotor, false);
    chenar(certificat, true);
    perforatie(fata_ ? 101.5 : 193.0);
}

void DesenFundal::model(const QRectF& zonaMm) {
    p_.save();
    p_.setClipRect(px(zonaMm));
    p_.setPen(QPen(culoareModel, 0.18 * sx_));
    for (int i = 0; i < 48; ++i) {
        QPainterPath unda;
        const double y0 = zonaMm.top() + i * zonaMm.height() / 47.0;
        for (double x = zonaMm.left(); x <= zonaMm.right(); x += 0.5) {
            const double y = y0 + 2.2 * std::sin(x / 6.0 + i * 0.7) + 1.1 * std::sin(x / 2.3 - i);
            x == zonaMm.left() ? unda.moveTo(px(x, y)) : unda.lineTo(px(x, y));
        }
        p_.drawPath(unda);
    }
    p_.restore();
}

void DesenFundal::chenar(const QRectF& zonaMm, bool dublu) {
    p_.setBrush(Qt::NoBrush);
    p_.setPen(QPen(culoareChenar, 0.5 * sx_));
    p_.drawRect(px(zonaMm));
    if (dublu) {
        p_.setPen(QPen(culoareChenar, 0.2 * sx_));
        p_.drawRect(px(zonaMm.adjusted(1.2, 1.2, -1.2, -1.2)));
    }
}

void DesenFundal::perforatie(double xMm) {
    QPen pen(QColor(150, 150, 150), 0.25 * sx_, Qt::DashLine);
    p_.setPen(pen);
    p_.drawLine(px(xMm, 3), px(xMm, pagina_.Inaltime - 3));
}

void DesenFundal::texteFixe() {
    if (fata_) {
        text({12, 24, 81, 5}, "CERTIFICAT DE CALIFICARE", 3.4, Qt::AlignHCenter, true);
        text({12, 29.5, 81, 5}, "PROFESIONALĂ", 3.4, Qt::AlignHCenter, true);
        text({12, 37, 81, 4}, "Seria ........  Nr. ..............", 2.6, Qt::AlignHCenter);
        text({12, 46, 81, 4}, "COTOR", 2.8, Qt::AlignHCenter, true);
        text({15, 60, 75, 4}, "Se eliberează titularului", 2.4, Qt::AlignLeft);
        text({15, 180, 75, 4}, "Data eliberării ....................", 2.4, Qt::AlignLeft);
        text({15, 186, 75, 4}, "Semnătura titularului ..............", 2.4, Qt::AlignLeft);
        text({110, 32, 173, 9}, "CERTIFICAT DE CALIFICARE PROFESIONALĂ", 7.0, Qt::AlignHCenter, true, true);
        text({110, 44, 173, 5}, "Seria ........  Nr. ..............", 3.2, Qt::AlignHCenter);
        text({122, 64, 150, 4}, "Prin prezentul se certifică faptul că", 3.0, Qt::AlignLeft);
        text({122, 180, 60, 4}, "L.S.", 3.0, Qt::AlignHCenter);
        text({205, 180, 70, 4}, "Data eliberării ....................", 2.8, Qt::AlignLeft);
        text({205, 186, 70, 4}, "Directorul unității,", 2.8, Qt::AlignLeft);
    } else {
        text({16, 27.5, 169, 5}, "REZULTATELE EXAMENULUI DE CERTIFICARE", 3.2, Qt::AlignHCenter, true, true);
        text({201, 27.5, 82, 5}, "REZULTATELE EXAMENULUI", 2.8, Qt::AlignHCenter, true, true);
        text({20, 196, 30, 4}, "L.S.", 3.0, Qt::AlignLeft);
        text({205, 201, 70, 3}, "COTOR", 2.4, Qt::AlignLeft, true);
        tabelNote(16, 185, false);
        tabelNote(201, 283, true);
    }
}

// The grid of the examination results, drawn round the areas of the probes and grades of
// one part of the back side.
void DesenFundal::tabelNote(double stanga, double dreapta, bool cotor) {
    std::vector<const ArieMacheta*> probe, note;
    for (const ArieMacheta& a : pagina_.arii) {
        if (a._Left < stanga || a._Left > dreapta || !esteInTabel(a)) continue;
        (codFaraParte(a).startsWith(u"PROBA_") ? probe : note).push_back(&a);
    }
    if (probe.empty() || note.empty()) return;
    std::sort(probe.begin(), probe.end(), [](auto* a, auto* b) { return a->_Top < b->_Top; });
    double colStanga = 1e9, colMijloc = 1e9, colDreapta = 0, jos = 0, susMedia = 1e9;
    for (auto* a : probe)
        colStanga = std::min(colStanga, a->_Left - 1.5);
    for (auto* a : note) {
        colMijloc = std::min(colMijloc, a->_Left - 0.1);
        colDreapta = std::max(colDreapta, a->_Left + a->_Width + 0.6);
        jos = std::max(jos, a->_Top + a->_Height + 0.4);
        if (codFaraParte(*a).startsWith(u"MEDIA")) susMedia = std::min(susMedia, a->_Top - 0.3);
    }
    std::vector<double> randuri{probe.front()->_Top - 5.5};
    for (auto* a : probe)
        randuri.push_back(a->_Top - 0.2);
    randuri.push_back(susMedia);
    randuri.push_back(jos);

    p_.setPen(QPen(culoareChenar, 0.25 * sx_));
    for (double y : randuri)
        p_.drawLine(px(colStanga, y), px(colDreapta, y));
    for (double x : {colStanga, colMijloc, colDreapta})
        p_.drawLine(px(x, randuri.front()), px(x, randuri.back()));
    const double hCap = cotor ? 2.0 : 2.4;
    const double yCap = randuri.front() + 1.4;
    text({colStanga, yCap, colMijloc - colStanga, 3}, cotor ? "Proba" : "Proba de examen", hCap,
         Qt::AlignHCenter, true);
    text({colMijloc, yCap, colDreapta - colMijloc, 3}, cotor ? "Nota" : "Nota obținută", hCap,
         Qt::AlignHCenter, true);
    text({colStanga, susMedia + 1.5, colMijloc - colStanga, 3}, "Media de absolvire", cotor ? 2.2 : 2.8,
         Qt::AlignHCenter, true);
}

void DesenFundal::arie(const ArieMacheta& a) {
    if (esteCasuta(a)) {
        casuta(a);
    } else if (!esteInTabel(a)) {
        liniaDeGhidare(a);
    }
    const auto l = legende().constFind(codFaraParte(a));
    if (l == legende().constEnd()) return;
    if (esteCasuta(a) && a.Denumire2 != u"1") return; // one caption for the row of boxes
    legenda(a, {QString::fromUtf8(l->inainte), QString::fromUtf8(l->dupa), QString::fromUtf8(l->sub)});
}

void DesenFundal::casuta(const ArieMacheta& a) {
    p_.setBrush(QColor(255, 255, 255, 150));
    p_.setPen(QPen(culoareChenar, 0.22 * sx_));
    p_.drawRect(px(QRectF(a._Left, a._Top, a._Width, a._Height)));
}

void DesenFundal::liniaDeGhidare(const ArieMacheta& a) {
    p_.setPen(QPen(culoareGhidaj, 0.2 * sx_, Qt::DotLine));
    const double y = a._Top + a._Height;
    p_.drawLine(px(a._Left, y), px(a._Left + a._Width, y));
}

void DesenFundal::legenda(const ArieMacheta& a, const Legenda& l) {
    const double inaltime = std::min(2.8, std::max(2.0, a._Height * 0.6));
    const double y = a._Top + a._Height - inaltime - 0.3;
    const double pana = a._Width < 4 ? 0.3 : 1.0;
    if (!l.inainte.isEmpty()) {
        const double de = capatStang(a);
        if (a._Left - pana - de >= latimeText(l.inainte, 1.8))
            text({de, y, a._Left - pana - de, inaltime + 0.6}, l.inainte, inaltime, Qt::AlignRight);
    }
    if (!l.dupa.isEmpty()) {
        const double x = a._Left + a._Width + 0.6;
        if (capatDrept(a) - x >= latimeText(l.dupa, 1.8))
            text({x, y, capatDrept(a) - x, inaltime + 0.6}, l.dupa, inaltime, Qt::AlignLeft);
    }
    if (!l.sub.isEmpty()) {
        const QRectF loc(a._Left, a._Top + a._Height + 0.3, a._Width, 2.0);
        const bool liber = std::none_of(pagina_.arii.begin(), pagina_.arii.end(), [&](const ArieMacheta& b) {
            return &b != &a && QRectF(b._Left, b._Top, b._Width, b._Height).intersects(loc);
        });
        if (liber) text(loc, "(" + l.sub + ")", 1.7, Qt::AlignHCenter, false, false, culoareGhidaj);
    }
}

double DesenFundal::capatStang(const ArieMacheta& a) const {
    double capat = fata_ ? (a._Left < 101.5 ? 14.0 : 112.0) : (a._Left < 193.0 ? 18.0 : 203.0);
    for (const ArieMacheta& b : pagina_.arii)
        if (&b != &a && peAcelasiRand(a, b) && b._Left + b._Width <= a._Left + 0.1)
            capat = std::max(capat, b._Left + b._Width + 0.8);
    return capat;
}

double DesenFundal::capatDrept(const ArieMacheta& a) const {
    double capat = fata_ ? (a._Left < 101.5 ? 91.0 : 281.0) : (a._Left < 193.0 ? 183.0 : 281.0);
    for (const ArieMacheta& b : pagina_.arii)
        if (&b != &a && peAcelasiRand(a, b) && b._Left >= a._Left + a._Width - 0.1)
            capat = std::min(capat, b._Left - 0.8);
    return capat;
}

QFont DesenFundal::font(double inaltimeMm, bool aldin, bool serif) const {
    QFont f(serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("Liberation Sans"));
    f.setPixelSize(std::max(6, int(std::lround(inaltimeMm * sy_))));
    f.setBold(aldin);
    return f;
}

double DesenFundal::latimeText(const QString& text, double inaltimeMm, bool aldin) const {
    return QFontMetricsF(font(inaltimeMm, aldin, false)).horizontalAdvance(text) / sx_;
}

void DesenFundal::text(const QRectF& cutieMm, const QString& text, double inaltimeMm, Qt::Alignment aliniere,
                       bool aldin, bool serif, QColor culoare) {
    double h = inaltimeMm;
    QFont f = font(h, aldin, serif);
    while (h > 1.2 && QFontMetricsF(f).horizontalAdvance(text) > cutieMm.width() * sx_) {
        h -= 0.1;
        f = font(h, aldin, serif);
    }
    p_.setFont(f);
    p_.setPen(culoare);
    p_.drawText(px(cutieMm), int(aliniere | Qt::AlignTop | Qt::TextDontClip), text);
}
