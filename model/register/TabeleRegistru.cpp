#include "register/TabeleRegistru.h"

#include "data/UDm.h"
#include "data/UValoareCamp.h"
#include "platform/Eroare.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

QString data(const QDate& d) {
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QString campCsv(const QString& text) {
    if (!text.contains(u';') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString t = text;
    return u'"' + t.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

QString linieCsv(const QStringList& campuri) {
    QStringList r;
    for (const QString& c : campuri)
        r << campCsv(c);
    return r.join(u';') + QStringLiteral("\r\n");
}

void scrieCsv(const QList<TabelText>& tabele, const QString& cale) {
    QString text;
    for (const TabelText& t : tabele) {
        if (!text.isEmpty()) text += QStringLiteral("\r\n");
        text += linieCsv({t.titlu});
        text += linieCsv(t.antet);
        for (const QStringList& l : t.linii)
            text += linieCsv(l);
    }
    QSaveFile f(cale);
    if (!f.open(QIODevice::WriteOnly))
        throw Eroare(QStringLiteral("Nu pot scrie fisierul %1: %2").arg(cale, f.errorString()));
    f.write("\xEF\xBB\xBF");
    f.write(text.toUtf8());
    if (!f.commit()) throw Eroare(QStringLiteral("Nu pot scrie fisierul %1: %2").arg(cale, f.errorString()));
}

} // namespace

QStringList randRegistru(const IntrareRegistru& i) {
    return {QStringLiteral("%1/%2").arg(i.nr).arg(i.an),
            data(i.dataTiparirii),
            i.nume,
            i.cnp,
            i.calificarea,
            i.seria,
            QString::number(i.numarul),
            textStare(i.stare),
            data(i.dataEliberarii),
            mentiuniIntrare(i)};
}

TabelText tabelRegistru(const std::vector<IntrareRegistru>& intrari) {
    TabelText t;
    t.titlu = QStringLiteral("Registrul actelor de studii");
    t.antet = QStringList{
        QStringLiteral("Nr. crt."), QStringLiteral("Data"),        QStringLiteral("Numele si prenumele"),
        QStringLiteral("CNP"),      QStringLiteral("Calificarea"), QStringLiteral("Seria"),
        QStringLiteral("Numarul"),  QStringLiteral("Starea"),      QStringLiteral("Data eliberarii"),
        QStringLiteral("Mentiuni")};
    for (const IntrareRegistru& i : intrari)
        t.linii << randRegistru(i);
    return t;
}

TabelText tabelSituatie(const std::vector<SituatieSerie>& situatie) {
    TabelText t;
    t.titlu = QStringLiteral("Situatia formularelor");
    t.antet = QStringList{QStringLiteral("Seria"),     QStringLiteral("Primite"),
                          QStringLiteral("Eliberate"), QStringLiteral("Tiparite, neeliberate"),
                          QStringLiteral("Anulate"),   QStringLiteral("Numerele anulate"),
                          QStringLiteral("Ramase")};
    for (const SituatieSerie& s : situatie)
        t.linii << QStringList{s.seria,
                               QString::number(s.primite),
                               QString::number(s.eliberate),
                               QString::number(s.tipariteNeeliberate),
                               QString::number(s.anulate),
                               s.numereAnulate,
                               QString::number(s.ramase)};
    return t;
}

QString numeleScolii() {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    Q4().seteazaSql(QStringLiteral("SELECT MIN(ID_SCOALA) AS ID FROM SCOALA"));
    Q4().deschide();
    const int id = Q4().esteNull(QStringLiteral("ID")) ? 0 : int(Q4().intreg(QStringLiteral("ID")));
    Q4().inchide();
    if (!id) return {};
    const auto rand = [id](const char* camp) {
        return ValoareCamp(QStringLiteral("Vardolin"), QStringLiteral("FATA"), QLatin1String(camp), id)
            .trimmed();
    };
    return (rand("C_SCOALA_PROVENIENTA_L1") + u' ' + rand("C_SCOALA_PROVENIENTA_L2")).trimmed();
}

int tiparesteRegistrul(Imprimanta& imprimanta, int an) {
    FiltruRegistru filtru;
    filtru.an = an;
    TabelTiparit t;
    t.scoala = numeleScolii();
    t.titlu = QStringLiteral("Registrul actelor de studii");
    t.subtitlu = an ? QStringLiteral("Anul %1").arg(an) : QStringLiteral("Toti anii");
    t.coloane = QStringList{QStringLiteral("Nr. crt."),
                            QStringLiteral("Data"),
                            QStringLiteral("Numele si prenumele"),
                            QStringLiteral("CNP"),
                            QStringLiteral("Calificarea"),
                            QStringLiteral("Seria"),
                            QStringLiteral("Numarul"),
                            QStringLiteral("Data eliberarii"),
                            QStringLiteral("Semnatura de primire"),
                            QStringLiteral("Mentiuni")};
    t.latimi = {14, 19, 45, 27, 38, 13, 16, 19, 30, 56};
    // The state's column gives its place to the pen's; the mentions say what the state adds.
    for (const IntrareRegistru& i : Registru::intrari(filtru)) {
        QStringList rand = randRegistru(i);
        rand[7] = rand[8];
        rand[8].clear();
        t.linii << rand;
    }
    return tiparesteTabel(imprimanta, t);
}

int tiparesteSituatia(Imprimanta& imprimanta) {
    const TabelText text = tabelSituatie(situatiaFormularelor());
    TabelTiparit t;
    t.scoala = numeleScolii();
    t.titlu = text.titlu;
    t.subtitlu = QStringLiteral("la data de %1").arg(data(QDate::currentDate()));
    t.coloane = text.antet;
    t.latimi = {20, 18, 18, 24, 18, 100, 18};
    t.linii = text.linii;
    t.inaltimeRandMm = 9.0;
    return tiparesteTabel(imprimanta, t);
}

// The spreadsheet writers (.xlsx, .ods) plug in here, by extension, beside CSV.
void exportaTabele(const QList<TabelText>& tabele, const QString& cale) {
    const QString extensie = QFileInfo(cale).suffix().toLower();
    if (extensie == u"csv") return scrieCsv(tabele, cale);
    throw Eroare(
        QStringLiteral("Formatul \"%1\" nu este inca disponibil pentru export; alegeti un fisier .csv.")
            .arg(extensie));
}
