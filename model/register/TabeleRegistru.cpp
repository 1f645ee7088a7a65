#include "register/TabeleRegistru.h"

#include "data/UDm.h"
#include "data/UValoareCamp.h"
#include "platform/Eroare.h"
#include "platform/ScriitorFoaie.h"

namespace {

QString data(const QDate& d) {
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
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

// One sheet: each table's title, header and lines, a blank row between tables, so that the
// register and the forms' report go out together in any format.
void exportaTabele(const QList<TabelText>& tabele, const QString& cale) {
    const auto foaie =
        ScriitorFoaie::creeaza(cale, ScriitorFoaie::formatDupaNume(cale), QStringLiteral("Registru"));
    const auto rand = [&](const QStringList& texte) {
        std::vector<CelulaDeScris> celule;
        for (const QString& t : texte)
            celule.push_back({t, std::nullopt});
        foaie->scrieRand(celule);
    };
    for (qsizetype k = 0; k < tabele.size(); ++k) {
        if (k) rand({QString()});
        rand({tabele[k].titlu});
        rand(tabele[k].antet);
        for (const QStringList& l : tabele[k].linii)
            rand(l);
    }
    foaie->termina();
}
