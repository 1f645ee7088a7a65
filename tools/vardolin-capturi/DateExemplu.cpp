#include "DateExemplu.h"

#include "data/StocElevi.h"
#include "data/UDm.h"
#include "register/Registru.h"

#include <QDate>
#include <QString>
#include <utility>
#include <vector>

namespace {

using Valori = std::vector<std::pair<QString, QString>>;

void scrie(const QString& tabel, int id, const Valori& valori) {
    for (const auto& [cheie, text] : valori)
        StocElevi::ScrieValoare(tabel, id, DesparteCheie(cheie), text);
}

QString cheie(const char* pagina, const char* camp) {
    return QStringLiteral("Vardolin.%1.%2").arg(QLatin1String(pagina), QLatin1String(camp));
}

// A CNP with a correct control digit: sex, birth date, county, serial number.
QString cnp(int sex, int an, int luna, int zi, int judet, int serie) {
    const QString primele = QStringLiteral("%1%2%3%4%5%6")
                                .arg(sex)
                                .arg(an % 100, 2, 10, QLatin1Char('0'))
                                .arg(luna, 2, 10, QLatin1Char('0'))
                                .arg(zi, 2, 10, QLatin1Char('0'))
                                .arg(judet, 2, 10, QLatin1Char('0'))
                                .arg(serie, 3, 10, QLatin1Char('0'));
    static const int ponderi[12] = {2, 7, 9, 1, 4, 6, 3, 5, 8, 2, 7, 9};
    int suma = 0;
    for (int i = 0; i < 12; ++i)
        suma += primele[i].digitValue() * ponderi[i];
    const int control = suma % 11 == 10 ? 1 : suma % 11;
    return primele + QString::number(control);
}

void scrieScoala() {
    const int id = StocElevi::RandNou(QStringLiteral("SCOALA"));
    scrie(QStringLiteral("SCOALA"), id,
          {{cheie("FATA", "C_SCOALA_PROVENIENTA_L1"), QStringLiteral("Colegiul Tehnic \"Traian Vuia\"")},
           {cheie("FATA", "D_UNITATEA_SCOLARA"), QStringLiteral("Colegiul Tehnic \"Traian Vuia\"")},
           {cheie("FATA", "C_LOCALITATEA"), QStringLiteral("Oradea")},
           {cheie("FATA", "D_LOCALITATEA_L1"), QStringLiteral("Oradea")},
           {cheie("FATA", "C_JUDETUL"), QStringLiteral("Bihor")},
           {cheie("FATA", "C_COD_SIRUES"), QStringLiteral("123456789")},
           {cheie("FATA", "C_NIVEL_INVATAMANT"), QStringLiteral("liceal")},
           {cheie("FATA", "D_NIVEL_INVATAMANT"), QStringLiteral("liceal")},
           {cheie("FATA", "C_DURATA_CURSURI"), QStringLiteral("4 ani")},
           {cheie("FATA", "D_DURATA_CURSURI"), QStringLiteral("4 ani")},
           {cheie("FATA", "C_AN_ABSOLVIRE"), QStringLiteral("2026")},
           {cheie("FATA", "C_FORMA_ABSOLVIRE_L1"), QStringLiteral("zi")},
           {cheie("FATA", "D_FORMA_ABSOLVIRE"), QStringLiteral("zi")},
           {cheie("FATA", "C_SESIUNEA"), QStringLiteral("iunie-iulie")},
           {cheie("FATA", "C_ANUL_SESIUNII"), QStringLiteral("2026")},
           {cheie("FATA", "C_SCOALA_ORGANIZATOARE_L1"), QStringLiteral("Colegiul Tehnic \"Traian Vuia\"")},
           {cheie("FATA", "C_CALIFICARE"), QStringLiteral("tehnician in automatizari")},
           {cheie("FATA", "D_CALIFICARE_L1"), QStringLiteral("tehnician in automatizari")},
           {cheie("FATA", "C_DOMENIUL"), QStringLiteral("electromecanica")},
           {cheie("FATA", "C_PRESEDINTE_COMISIE"), QStringLiteral("prof. Mihaela Dumitrescu")},
           {cheie("FATA", "D_PRESEDINTE_COMISIE"), QStringLiteral("prof. Mihaela Dumitrescu")},
           {cheie("SPATE", "D_SECRETAR_COMISIE"), QStringLiteral("Elena Stanciu")}});
}

struct Elev {
    const char* nume;
    const char* prenume;
    bool fata;
    int zi, luna;
    const char* note[4]; // three trials and the average
};

const Elev elevi[] = {
    {"Popescu", "Ana-Maria", true, 12, 3, {"9,50", "9,20", "9,80", "9,50"}},
    {"Ionescu", "Andrei", false, 5, 7, {"8,75", "8,40", "9,10", "8,75"}},
    {"Munteanu", "Ioana", true, 23, 11, {"10", "9,90", "10", "9,97"}},
    {"Stan", "Mihai-Alexandru", false, 2, 1, {"7,80", "8,10", "7,50", "7,80"}},
    {"Dumitru", "Elena", true, 17, 9, {"9,10", "8,90", "9,30", "9,10"}},
    {"Georgescu", "Stefan", false, 30, 4, {"8,25", "8,00", "8,50", "8,25"}},
    {"Marin", "Cristina", true, 8, 6, {"9,60", "9,40", "9,80", "9,60"}},
    {"Tudor", "Alexandru", false, 14, 2, {"7,40", "7,00", "7,80", "7,40"}},
    {"Constantin", "Maria", true, 26, 8, {"8,90", "9,00", "8,80", "8,90"}},
    {"Radu", "Bogdan", false, 9, 12, {"9,00", "8,70", "9,30", "9,00"}},
    {"Dobre", "Andreea", true, 19, 5, {"8,60", "8,20", "9,00", "8,60"}},
    {"Nistor", "Vlad", false, 3, 10, {"9,30", "9,50", "9,10", "9,30"}},
};

void scrieElev(const Elev& e, int numar) {
    const int id = StocElevi::ElevNou({QStringLiteral("SCOALA")});
    const QString numeIntreg = QStringLiteral("%1 %2").arg(QLatin1String(e.nume), QLatin1String(e.prenume));
    const QString articol = e.fata ? QStringLiteral("eleva") : QStringLiteral("elevul");
    scrie(QStringLiteral("ELEVI"), id,
          {{cheie("FATA", "C_NUME_L1"), QLatin1String(e.nume)},
           {cheie("FATA", "C_NUME_L2"), QLatin1String(e.prenume)},
           {cheie("FATA", "D_NUME"), numeIntreg},
           {cheie("FATA", "C_CNP"), cnp(e.fata ? 6 : 5, 2008, e.luna, e.zi, 5, 100 + numar)},
           {cheie("FATA", "C_ARTICOL"), articol},
           {cheie("FATA", "D_AN_ABSOLVIRE"), QStringLiteral("2026")},
           {cheie("SPATE", "D_PROBA_1"), QStringLiteral("Proba practica")},
           {cheie("SPATE", "D_NOTA_1"), QLatin1String(e.note[0])},
           {cheie("SPATE", "D_PROBA_2"), QStringLiteral("Proba scrisa")},
           {cheie("SPATE", "D_NOTA_2"), QLatin1String(e.note[1])},
           {cheie("SPATE", "D_PROBA_3"), QStringLiteral("Proiectul")},
           {cheie("SPATE", "D_NOTA_3"), QLatin1String(e.note[2])},
           {cheie("SPATE", "D_MEDIA_ABSOLVIRE"), QLatin1String(e.note[3])}});
}

} // namespace

void ScrieDateleDeExemplu() {
    {
        GardaTranzactie garda;
        scrieScoala();
        int numar = 0;
        for (const Elev& e : elevi)
            scrieElev(e, ++numar);
        garda.Commit();
    }
    Registru::primesteFormulare(
        {0, QStringLiteral("AB"), 1, 100, QDate::currentDate(), QStringLiteral("ISJ Bihor nr. 1250")});
    // The first four printed and checked.
    InregistrareTeanc lot(QStringLiteral("AB"), 1, true);
    const std::vector<int> iduri = StocElevi::Randuri(QStringLiteral("ELEVI"), StocElevi::Ordine::DupaId);
    for (size_t i = 0; i < 4 && i < iduri.size(); ++i)
        lot.foaieTiparita(elevDinBaza(iduri[i]));
    lot.confirmaToate();
}
