#include "entry/UCompleteazaFormular.h"

#include "data/UDm.h"
#include "data/UProfilDiploma.h"
#include "data/UValoareCamp.h"
#include "entry/UEditorCampNota.h"
#include "entry/UEditorGeneric.h"
#include "entry/UScrieNota.h"
#include "platform/Eroare.h"
#include "printing/FormularDePrintat.h"
#include "printing/QFormularTextArea.h"

#include <optional>

namespace {

QString numeClasa(const TFormularTextArea& zona) {
    return QString::fromLatin1(zona.metaObject()->className());
}

// A key's whole number; none for an empty key. -1234 stands for "not a number" in the layouts'
// tradition, so it is refused as well.
std::optional<int> numarDinCheie(const QString& text, const char* tipar, const TFormularTextArea& zona) {
    if (text.isEmpty()) return std::nullopt;
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n == -1234)
        throw Eroare::format(QString::fromUtf8(tipar), {zona.objectName(), numeClasa(zona), text});
    return n;
}

// As the classic Copy: a start below 1 counts as 1, a start past the end or a length of 0 or
// less gives nothing, and the part is cut at the end of the value.
QString parte(const QString& valoare, int start, int lungime) {
    start = std::max(start, 1);
    if (start > valoare.size() || lungime <= 0) return {};
    return valoare.mid(start - 1, lungime);
}

TFelNota felulNotei(const TFormularTextArea& zona) {
    const auto fel = FelNotaDupaNume(zona.Denumire3().trimmed().toUpper());
    if (!fel)
        throw Eroare::format(
            QStringLiteral(
                "%s.%s specifica un camp \"NOTA\" cu Denumire3 = \"%s\"; Denumire3 ar trebui sa fie "
                "NOTA_DIPLOMA, NOTA_COTOR, MEDIE_DIPLOMA sau MEDIE_COTOR!"),
            {zona.objectName(), numeClasa(zona), zona.Denumire3()});
    return *fel;
}

// The grade times 100 as the wording takes it (9,63 is 963.00); none for an empty value.
std::optional<Currency> valoareNota(const QString& valoare) {
    if (valoare.isEmpty()) return std::nullopt;
    return Currency::dinZeciMii(CitesteNota(valoare).zeciMii * 100);
}

void scrieNota(TFormularTextArea& zona, const QString& valoare) {
    const TFelNota fel = felulNotei(zona);
    const PerecheNota pereche = PerecheaNotei(zona);
    ScrieNota(pereche.sus, pereche.jos, valoareNota(valoare), fel);
}

} // namespace

QString ParteDinValoare(const QString& valoare, const TFormularTextArea& zona) {
    const auto start =
        numarDinCheie(zona.Denumire2(), "%s.%s are denumire2=\"%s\" (adica nu un numar)", zona);
    const auto lungime =
        numarDinCheie(zona.Denumire3(), "%s.%s are Denumire3=\"%s\" (adica nu un numar)", zona);
    if (!start) return valoare;
    return parte(valoare, *start, lungime.value_or(1));
}

QString TipulCampului(const TFormularTextArea& zona) {
    const CheieCamp cheie = DesparteCheie(zona.Denumire1());
    if (cheie.formular.isEmpty() && cheie.pagina.isEmpty() && cheie.camp.isEmpty())
        return QStringLiteral("X");
    FbInterogare& q = Q1();
    InchideLaIesire inchide(q);
    q.seteazaSql(
        QStringLiteral("SELECT TIP_DE_DATE FROM PROFIL_DIPLOMA WHERE (COD_FORMULAR=:COD_FORMULAR) AND "
                       "(COD_PAGINA=:COD_PAGINA) AND (COD_CAMP=:COD_CAMP)"));
    q.param(QStringLiteral("COD_FORMULAR"), cheie.formular);
    q.param(QStringLiteral("COD_PAGINA"), cheie.pagina);
    q.param(QStringLiteral("COD_CAMP"), cheie.camp);
    q.deschide();
    if (q.eof())
        throw Eroare::format(QStringLiteral("%s.%s face referire la campul inexistent %s.%s.%s"),
                             {zona.objectName(), numeClasa(zona), cheie.formular, cheie.pagina, cheie.camp});
    return q.text(QStringLiteral("TIP_DE_DATE"));
}

PerecheNota PerecheaNotei(const TFormularTextArea& zona) {
    PerecheNota pereche;
    const QString denumire1 = zona.Denumire1().toUpper();
    const QString denumire3 = zona.Denumire3().toUpper();
    for (QObject* copil : zona.parent()->children()) {
        auto* alta = qobject_cast<TFormularTextArea*>(copil);
        if (!alta || alta->Denumire1().toUpper() != denumire1 || alta->Denumire3().toUpper() != denumire3)
            continue;
        if (!pereche.sus) {
            pereche.sus = alta;
        } else if (alta->_Top() > pereche.sus->_Top()) {
            pereche.jos = alta;
        } else {
            pereche.jos = pereche.sus;
            pereche.sus = alta;
        }
    }
    return pereche;
}

void UmpleZona(TFormularTextArea& zona, int idElev) {
    zona.setSursaText({});
    zona.setText(QString());
    const CheieCamp cheie = DesparteCheie(zona.Denumire1());
    const QString valoare = ValoareCamp(cheie.formular, cheie.pagina, cheie.camp, idElev);
    if (TipulCampului(zona) == u"NOTA")
        scrieNota(zona, valoare);
    else
        zona.setText(ParteDinValoare(valoare, zona));
}

void UmplePagina(TFormularDePrintat& pagina, int idElev) {
    // Numbers every area, makes them transparent and puts the page back at zoom 100; the
    // filling then writes over every area's text.
    pagina.NumberTextAreas();
    for (QObject* copil : pagina.children())
        if (auto* zona = qobject_cast<TFormularTextArea*>(copil)) UmpleZona(*zona, idElev);
}

void UmpleFereastra(QWidget& fereastra, int idElev) {
    for (TFormularDePrintat* pagina : fereastra.findChildren<TFormularDePrintat*>())
        UmplePagina(*pagina, idElev);
}
