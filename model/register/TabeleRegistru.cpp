#include "register/TabeleRegistru.h"

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

TabelText tabelRegistru(const std::vector<IntrareRegistru>& intrari) {
    TabelText t;
    t.titlu = QStringLiteral("Registrul actelor de studii");
    t.antet = QStringList{
        QStringLiteral("Nr. crt."), QStringLiteral("Data"),        QStringLiteral("Numele si prenumele"),
        QStringLiteral("CNP"),      QStringLiteral("Calificarea"), QStringLiteral("Seria"),
        QStringLiteral("Numarul"),  QStringLiteral("Starea"),      QStringLiteral("Data eliberarii"),
        QStringLiteral("Mentiuni")};
    for (const IntrareRegistru& i : intrari)
        t.linii << QStringList{QStringLiteral("%1/%2").arg(i.nr).arg(i.an),
                               data(i.dataTiparirii),
                               i.nume,
                               i.cnp,
                               i.calificarea,
                               i.seria,
                               QString::number(i.numarul),
                               textStare(i.stare),
                               data(i.dataEliberarii),
                               mentiuniIntrare(i)};
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

// The spreadsheet writers (.xlsx, .ods) plug in here, by extension, beside CSV.
void exportaTabele(const QList<TabelText>& tabele, const QString& cale) {
    const QString extensie = QFileInfo(cale).suffix().toLower();
    if (extensie == u"csv") return scrieCsv(tabele, cale);
    throw Eroare(
        QStringLiteral("Formatul \"%1\" nu este inca disponibil pentru export; alegeti un fisier .csv.")
            .arg(extensie));
}
