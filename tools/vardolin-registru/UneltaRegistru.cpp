#include "UneltaRegistru.h"

#include "data/UDm.h"
#include "data/UProfilVardolin.h"
#include "platform/Eroare.h"
#include "platform/ImprimantaSistem.h"
#include "register/Registru.h"
#include "register/SituatiaFormularelor.h"
#include "register/TabeleRegistru.h"

#include <QFile>
#include <QHash>

const char* const utilizareUneltaRegistru =
    "Utilizare: vardolin-registru COMANDA [OPTIUNI]\n"
    "  primeste --serie S --de-la N --pana-la M [--document TEXT]\n"
    "  list\n"
    "  anuleaza --serie S --numar N --motiv TEXT\n"
    "  elibereaza --serie S --numar N [--catre TEXT [--act TEXT] [--procura TEXT]]\n"
    "  stoc\n"
    "  export FISIER.xlsx|.ods|.csv\n"
    "  tipareste registru|stoc --out FISIER.pdf [--an AN]\n"
    "  Lucreaza pe baza de date din dosarul de date (VARDOLIN_DATA_DIR).\n";

namespace {

struct Comanda {
    QString verb;
    QStringList libere;
    QHash<QString, QString> optiuni;

    QString text(const char* nume) const {
        const QString v = optiuni.value(QLatin1String(nume)).trimmed();
        if (v.isEmpty()) throw Eroare(QStringLiteral("Lipseste %1.").arg(QLatin1String(nume)));
        return v;
    }
    int numar(const char* nume) const {
        bool ok = false;
        const int n = text(nume).toInt(&ok);
        if (!ok || n <= 0)
            throw Eroare(QStringLiteral("%1 trebuie sa fie un numar pozitiv.").arg(QLatin1String(nume)));
        return n;
    }
};

Comanda citesteComanda(const QStringList& argumente) {
    if (argumente.isEmpty()) throw Eroare(QStringLiteral("Comanda nu este recunoscuta"));
    Comanda c;
    c.verb = argumente.front();
    for (int i = 1; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (a.startsWith(u"--") && i + 1 < argumente.size())
            c.optiuni.insert(a, argumente[++i]);
        else if (!a.startsWith(u"--"))
            c.libere << a;
        else
            throw Eroare(QStringLiteral("Comanda nu este recunoscuta"));
    }
    return c;
}

const IntrareRegistru intrareCeruta(const Comanda& c) {
    const auto i = Registru::intrareDupaFormular(c.text("--serie"), c.numar("--numar"));
    if (!i)
        throw Eroare(QStringLiteral("Formularul seria %1 nr. %2 nu are inregistrare in registru.")
                         .arg(c.text("--serie"))
                         .arg(c.numar("--numar")));
    return *i;
}

QString linieLista(const IntrareRegistru& i) {
    return QStringList{QStringLiteral("%1/%2").arg(i.nr).arg(i.an),
                       i.dataTiparirii.toString(Qt::ISODate),
                       i.seria,
                       QString::number(i.numarul),
                       textStare(i.stare),
                       i.cnp,
                       i.nume}
               .join(u'\t') +
           u'\n';
}

// The printed register or forms' report through the PDF printer, moved where asked.
QString tiparestePdf(const Comanda& c) {
    if (c.libere.size() != 1 || !QStringList{"registru", "stoc"}.contains(c.libere.front()))
        throw Eroare(QStringLiteral("Comanda nu este recunoscuta"));
    const QString iesire = c.text("--out");
    ImprimantaSistem& imprimanta = ImprimantaSistem::instanta();
    imprimanta.selecteaza(imprimanta.indexImprimantaPdf());
    const int pagini = c.libere.front() == u"registru"
                           ? tiparesteRegistrul(imprimanta, c.optiuni.value(QStringLiteral("--an")).toInt())
                           : tiparesteSituatia(imprimanta);
    QFile::remove(iesire);
    if (!QFile::rename(imprimanta.ultimulFisierPdf(), iesire) &&
        !QFile::copy(imprimanta.ultimulFisierPdf(), iesire))
        throw Eroare(QStringLiteral("Nu pot scrie %1.").arg(iesire));
    return QStringLiteral("Am tiparit %1 pagini in %2.\n").arg(pagini).arg(iesire);
}

} // namespace

void ruleazaUneltaRegistru(const QStringList& argumente, QString& iesire) {
    const Comanda c = citesteComanda(argumente);
    static const QStringList verbe{"primeste", "list",   "anuleaza", "elibereaza",
                                   "stoc",     "export", "tipareste"};
    if (!verbe.contains(c.verb)) throw Eroare(QStringLiteral("Comanda nu este recunoscuta"));

    InregistreazaProfilVardolin();
    FbConexiune::pregatesteMotorulIncorporat();
    TDM dm;
    TDM::seteazaEcranePornire(nullptr);
    dm.DataModuleCreate();

    if (c.verb == u"primeste") {
        Registru::primesteFormulare({0, c.text("--serie"), c.numar("--de-la"), c.numar("--pana-la"),
                                     QDate::currentDate(), c.optiuni.value(QStringLiteral("--document"))});
        iesire += QStringLiteral("Am inregistrat formularele seria %1 nr. %2-%3.\n")
                      .arg(c.text("--serie").toUpper(), c.text("--de-la"), c.text("--pana-la"));
    } else if (c.verb == u"list") {
        for (const IntrareRegistru& i : Registru::intrari())
            iesire += linieLista(i);
    } else if (c.verb == u"anuleaza") {
        Registru::anuleazaFormularul(c.text("--serie"), c.numar("--numar"), c.text("--motiv"));
        iesire += QStringLiteral("Am anulat formularul seria %1 nr. %2.\n")
                      .arg(c.text("--serie").toUpper(), c.text("--numar"));
    } else if (c.verb == u"elibereaza") {
        const IntrareRegistru i = intrareCeruta(c);
        Predare p;
        p.data = QDate::currentDate();
        p.primitor = c.optiuni.value(QStringLiteral("--catre")).trimmed();
        p.actIdentitate = c.optiuni.value(QStringLiteral("--act")).trimmed();
        p.procura = c.optiuni.value(QStringLiteral("--procura")).trimmed();
        Registru::elibereaza(i.id, p);
        iesire += QStringLiteral("Am eliberat formularul seria %1 nr. %2.\n").arg(i.seria).arg(i.numarul);
    } else if (c.verb == u"stoc") {
        iesire += textSituatie(situatiaFormularelor());
    } else if (c.verb == u"export") {
        if (c.libere.size() != 1) throw Eroare(QStringLiteral("Comanda nu este recunoscuta"));
        exportaTabele({tabelRegistru(Registru::intrari()), tabelSituatie(situatiaFormularelor())},
                      c.libere.front());
        iesire += QStringLiteral("Am scris %1.\n").arg(c.libere.front());
    } else if (c.verb == u"tipareste") {
        iesire += tiparestePdf(c);
    }
}
