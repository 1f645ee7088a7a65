#include "data/SalvariAutomate.h"

#include "data/SalvareBaza.h"
#include "data/SetariConexiune.h"
#include "platform/Cai.h"
#include "platform/Eroare.h"
#include "platform/Firebird.h"
#include "platform/SirConexiune.h"
#include "platform/StocSetari.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <functional>
#include <optional>

namespace SalvariAutomate {

namespace {
const QString cheie = QStringLiteral("Software\\Orvanta\\Kalvor\\2006\\SalvariAutomate");
const QString formatMoment = QStringLiteral("yyyy-MM-dd-HHmmss");
const QString cheieListaServer = QStringLiteral("SalvariPeServer");

QString numeSalvare(const QDateTime& moment, int elevi) {
    return QStringLiteral("Vardolin-%1-%2-elevi.fbk").arg(moment.toString(formatMoment)).arg(elevi);
}
QString numeIncomplet(const QDateTime& moment) {
    return QStringLiteral("Vardolin-%1.partial").arg(moment.toString(formatMoment));
}
QString numeDefect(const QDateTime& moment) {
    return QStringLiteral("Vardolin-%1-NEREUSITA.fbk").arg(moment.toString(formatMoment));
}

std::optional<Salvare> dinNume(const QDir& dosar, const QString& nume) {
    static const QRegularExpression tipar(
        QStringLiteral("^Vardolin-(\\d{4}-\\d\\d-\\d\\d-\\d{6})-(\\d+)-elevi\\.fbk$"));
    const QRegularExpressionMatch m = tipar.match(nume);
    if (!m.hasMatch()) return std::nullopt;
    const QDateTime moment = QDateTime::fromString(m.captured(1), formatMoment);
    if (!moment.isValid()) return std::nullopt;
    return Salvare{dosar.filePath(nume), moment, m.captured(2).toInt()};
}

// Half-written files of a backup stopped by a crash; a day old, so never one being written now.
void stergeResturi(const QDir& dosar) {
    const QDateTime ieri = QDateTime::currentDateTime().addDays(-1);
    for (const QFileInfo& f : dosar.entryInfoList(
             {QStringLiteral("Vardolin-*.partial"), QStringLiteral("Vardolin-*-verificare.FDB")},
             QDir::Files))
        if (f.lastModified() < ieri) QFile::remove(f.filePath());
}

void aplicaRegulaDePastrare(const QString& dosar, const Setari& setari) {
    QList<QDateTime> momente;
    const QList<Salvare> salvari = Lista(dosar);
    for (const Salvare& s : salvari)
        momente << s.moment;
    const QList<QDateTime> deSters = DeSters(momente, setari.zilnice, setari.lunare);
    for (const Salvare& s : salvari)
        if (deSters.contains(s.moment)) QFile::remove(s.fisier);
}

// "host/port:" of a server name, which names a path on that server; empty for a local file.
QString prefixServer(const QString& baza) {
    if (!EsteBazaPeServer(baza)) return {};
    const QString b = baza.trimmed();
    return b.left(b.size() - CaleaPeServer(baza).size());
}

// A file of a folder on the server, with the server's own separator.
QString inDosarPeServer(QString dosar, const QString& nume) {
    const QChar separator = dosar.contains(u'\\') && !dosar.contains(u'/') ? u'\\' : u'/';
    while (dosar.endsWith(u'/') || dosar.endsWith(u'\\'))
        dosar.chop(1);
    return dosar + separator + nume;
}

// The test restore's database removed: a file here, dropped through the server there.
void stergeProba(const FbServicii::Acces& acces, const QString& proba) {
    if (!EsteBazaPeServer(acces.baza)) {
        QFile::remove(proba);
        return;
    }
    try {
        FbConexiune db;
        db.seteazaNumeBazaDeDate(prefixServer(acces.baza) + proba);
        db.parametri() << QStringLiteral("USER_NAME=") + acces.utilizator
                       << QStringLiteral("password=") + acces.parola;
        db.conecteaza();
        db.stergeBaza();
    } catch (const Eroare&) {
        // There is none: the restore did not get to make it.
    }
}

// The test restore: into a database beside the backup (a path as the engine doing the work sees
// it), removed afterwards.
int verificaPrinRestaurare(const FbServicii::Acces& acces, const QString& fisier, const QString& proba) {
    stergeProba(acces, proba);
    try {
        FbServicii::Restaureaza(acces, fisier, prefixServer(acces.baza) + proba, {});
        const int elevi = SalvareBaza::EleviInBazaRestaurata(acces, prefixServer(acces.baza) + proba);
        stergeProba(acces, proba);
        return elevi;
    } catch (...) {
        stergeProba(acces, proba);
        throw;
    }
}

QString numeProba(const QDateTime& moment) {
    return QStringLiteral("Vardolin-%1-verificare.FDB").arg(moment.toString(formatMoment));
}

Eroare eroareVerificare(const QString& fisier, const Eroare& e) {
    return Eroare(QStringLiteral("Salvarea automata %1 nu a trecut verificarea (restaurarea de proba nu a "
                                 "reusit) si nu poate fi folosita. Faceti o salvare din Configurare > "
                                 "Salvari automate > Salveaza acum; daca nici ea nu reuseste, folositi "
                                 "Configurare > Verifica baza de date.\n\n%2")
                      .arg(QDir::toNativeSeparators(fisier), e.text()));
}

// What this computer recorded of the backups on servers: database, file, moment, student count.
QList<QStringList> inregistrari() {
    QList<QStringList> r;
    for (const QString& rand : StocSetari::deschide(cheie)->value(cheieListaServer).toStringList())
        if (const QStringList c = rand.split(u'\t'); c.size() == 4) r << c;
    return r;
}

// The record of one file on the server replaced by `salvare`, or dropped when there is none.
void noteazaPeServer(const QString& baza, const QString& fisier, const std::optional<Salvare>& salvare) {
    QStringList r;
    for (const QStringList& c : inregistrari())
        if (c[0] != baza.trimmed() || c[1] != fisier) r << c.join(u'\t');
    if (salvare)
        r << QStringList{baza.trimmed(), fisier, salvare->moment.toString(Qt::ISODate),
                         QString::number(salvare->elevi)}
                 .join(u'\t');
    const auto stoc = StocSetari::deschide(cheie);
    stoc->setValue(cheieListaServer, r);
    stoc->sync();
}

// The fixed name a backup takes on the server: the first of a month the month's, any other its
// day's; each comes round again after as many months or days as are kept.
QString numePeServer(const Setari& setari, const QString& baza, const QDate& zi) {
    const auto luna = [](const QDate& d) { return d.year() * 12 + d.month() - 1; };
    bool primaDinLuna = setari.lunare > 0;
    for (const Salvare& s : ListaPeServer(baza))
        if (luna(s.moment.date()) == luna(zi)) primaDinLuna = false;
    return primaDinLuna
               ? QStringLiteral("Vardolin-luna-%1.fbk").arg(luna(zi) % setari.lunare + 1, 2, 10, QChar(u'0'))
               : QStringLiteral("Vardolin-zi-%1.fbk")
                     .arg(zi.toJulianDay() % std::max(1, setari.zilnice) + 1, 2, 10, QChar(u'0'));
}

// The server writes the backup in its folder and checks it there; this computer records it.
Salvare faPeServer(const FbServicii::Acces& acces, const Setari& setari, const QDateTime& moment,
                   const FbServicii::Progres& progres) {
    const QString dosar = DosarPeServer(setari, acces.baza);
    if (dosar.isEmpty())
        throw Eroare(QStringLiteral("Nu se stie in ce dosar de pe server sa fie scrise salvarile. Scrieti "
                                    "dosarul salvarilor pe server in Configurare > Baza de date."));
    const QString fisier = inDosarPeServer(dosar, numePeServer(setari, acces.baza, moment.date()));
    // Not listed while it is rewritten: a backup stopped midway is never offered.
    noteazaPeServer(acces.baza, fisier, std::nullopt);
    try {
        FbServicii::Salveaza(acces, fisier, progres);
    } catch (const Eroare& e) {
        if (!e.text().contains(QStringLiteral("cannot open backup file"))) throw;
        throw Eroare(QStringLiteral("Serverul %1 nu a putut scrie salvarea in %2, pe discul lui. Dosarul "
                                    "trebuie sa existe pe server si serverul sa poata scrie in el: cereti "
                                    "administratorului serverului sa-l creeze sau alegeti altul in "
                                    "Configurare > Baza de date.\n\n%3")
                         .arg(ServerulBazei(acces.baza), fisier, e.text()));
    }
    Salvare s{fisier, moment, 0};
    try {
        s.elevi = verificaPrinRestaurare(acces, fisier, inDosarPeServer(dosar, numeProba(moment)));
    } catch (const Eroare& e) {
        throw eroareVerificare(fisier, e);
    }
    noteazaPeServer(acces.baza, fisier, s);
    return s;
}
} // namespace

Setari Citeste() {
    const auto stoc = StocSetari::deschide(cheie);
    Setari s;
    s.activ = stoc->value(QStringLiteral("Activ"), s.activ).toBool();
    s.dosar = stoc->value(QStringLiteral("Dosar")).toString();
    s.dosarCopie = stoc->value(QStringLiteral("DosarCopie")).toString();
    s.zilnice = std::max(1, stoc->value(QStringLiteral("Zilnice"), s.zilnice).toInt());
    s.lunare = std::max(0, stoc->value(QStringLiteral("Lunare"), s.lunare).toInt());
    s.ultimaSalvare = QDate::fromString(stoc->value(QStringLiteral("UltimaSalvare")).toString(), Qt::ISODate);
    s.ultimaCopie = QDateTime::fromString(stoc->value(QStringLiteral("UltimaCopie")).toString(), Qt::ISODate);
    s.copieLipsaAnuntata =
        QDate::fromString(stoc->value(QStringLiteral("CopieLipsaAnuntata")).toString(), Qt::ISODate);
    s.dosarPeServer = DosarSalvariPeServer();
    return s;
}

void Scrie(const Setari& s) {
    const auto stoc = StocSetari::deschide(cheie);
    stoc->setValue(QStringLiteral("Activ"), s.activ);
    stoc->setValue(QStringLiteral("Dosar"), s.dosar.trimmed());
    stoc->setValue(QStringLiteral("DosarCopie"), s.dosarCopie.trimmed());
    stoc->setValue(QStringLiteral("Zilnice"), s.zilnice);
    stoc->setValue(QStringLiteral("Lunare"), s.lunare);
    stoc->setValue(QStringLiteral("UltimaSalvare"), s.ultimaSalvare.toString(Qt::ISODate));
    stoc->setValue(QStringLiteral("UltimaCopie"), s.ultimaCopie.toString(Qt::ISODate));
    stoc->setValue(QStringLiteral("CopieLipsaAnuntata"), s.copieLipsaAnuntata.toString(Qt::ISODate));
    stoc->sync();
    if (stoc->status() != QSettings::NoError)
        throw Eroare(
            QStringLiteral("Nu pot salva setarile salvarilor automate in %1").arg(StocSetari::fisier()));
}

QString Dosar(const Setari& s) {
    return s.dosar.trimmed().isEmpty() ? Cai::inDosarDate(QStringLiteral("Salvari")) : s.dosar.trimmed();
}

QString DosarPeServer(const Setari& s, const QString& baza) {
    if (!s.dosarPeServer.trimmed().isEmpty()) return s.dosarPeServer.trimmed();
    const QString cale = CaleaPeServer(baza);
    const qsizetype separator = std::max(cale.lastIndexOf(u'/'), cale.lastIndexOf(u'\\'));
    return separator < 0 ? QString() : cale.left(std::max<qsizetype>(separator, 1));
}

bool EsteDatorata(const Setari& s, const QDate& azi) {
    return s.activ && (!s.ultimaSalvare.isValid() || s.ultimaSalvare < azi);
}

QDateTime Momentul(const QString& fisier) {
    const QFileInfo i(fisier);
    if (const auto s = dinNume(i.dir(), i.fileName())) return s->moment;
    return i.lastModified();
}

QList<Salvare> Lista(const QString& cale) {
    const QDir dosar(cale);
    QList<Salvare> r;
    for (const QString& nume : dosar.entryList({QStringLiteral("Vardolin-*-elevi.fbk")}, QDir::Files))
        if (auto s = dinNume(dosar, nume)) r << *s;
    std::sort(r.begin(), r.end(), [](const Salvare& a, const Salvare& b) { return a.moment > b.moment; });
    return r;
}

QList<Salvare> ListaPeServer(const QString& baza) {
    QList<Salvare> r;
    for (const QStringList& c : inregistrari())
        if (c[0] == baza.trimmed())
            r << Salvare{c[1], QDateTime::fromString(c[2], Qt::ISODate), c[3].toInt()};
    std::sort(r.begin(), r.end(), [](const Salvare& a, const Salvare& b) { return a.moment > b.moment; });
    return r;
}

QList<Salvare> Salvarile(const Setari& setari, const QString& baza) {
    return EsteBazaPeServer(baza) ? ListaPeServer(baza) : Lista(Dosar(setari));
}

QList<QDateTime> DeSters(QList<QDateTime> momente, int zilnice, int lunare) {
    std::sort(momente.begin(), momente.end(), std::greater<>());
    QSet<QDate> zile;
    QList<QDateTime> primaDinLuna; // oldest first within each month, newest month first
    for (const QDateTime& m : momente) {
        if (zile.size() < zilnice || zile.contains(m.date())) zile.insert(m.date());
        const auto luna = [](const QDateTime& t) { return t.date().year() * 12 + t.date().month(); };
        if (!primaDinLuna.isEmpty() && luna(primaDinLuna.last()) == luna(m))
            primaDinLuna.last() = m;
        else
            primaDinLuna << m;
    }
    primaDinLuna = primaDinLuna.mid(0, lunare);
    QList<QDateTime> r;
    for (const QDateTime& m : momente)
        if (!zile.contains(m.date()) && !primaDinLuna.contains(m)) r << m;
    return r;
}

QString ScrieNeverificata(const FbServicii::Acces& acces, const Setari& setari, const QDateTime& moment,
                          const FbServicii::Progres& progres) {
    if (!SalvareBaza::FisiereleSuntPeAcestCalculator(acces.baza))
        throw Eroare(QStringLiteral("Baza de date este pe un server de pe alt calculator: salvarile automate "
                                    "se fac acolo, de catre administratorul serverului."));
    const QDir dosar(Dosar(setari));
    if (!QDir().mkpath(dosar.path()))
        throw Eroare(QStringLiteral("Nu pot crea dosarul salvarilor automate %1. Alegeti alt dosar in "
                                    "Configurare > Salvari automate.")
                         .arg(QDir::toNativeSeparators(dosar.path())));
    stergeResturi(dosar);
    const QString incomplet = dosar.filePath(numeIncomplet(moment));
    QFile::remove(incomplet);
    try {
        FbServicii::Salveaza(acces, incomplet, progres);
    } catch (...) {
        QFile::remove(incomplet);
        throw;
    }
    return incomplet;
}

Salvare Verifica(const FbServicii::Acces& acces, const Setari& setari, const QDateTime& moment) {
    const QDir dosar(Dosar(setari));
    const QString incomplet = dosar.filePath(numeIncomplet(moment));
    Salvare s{{}, moment, 0};
    try {
        s.elevi = verificaPrinRestaurare(acces, incomplet, dosar.filePath(numeProba(moment)));
    } catch (const Eroare& e) {
        const QString defect = dosar.filePath(numeDefect(moment));
        QFile::rename(incomplet, defect);
        throw eroareVerificare(defect, e);
    }
    s.fisier = dosar.filePath(numeSalvare(moment, s.elevi));
    if (!QFile::rename(incomplet, s.fisier))
        throw Eroare(QStringLiteral("Nu pot scrie salvarea in %1").arg(QDir::toNativeSeparators(s.fisier)));
    return s;
}

Salvare Fa(const FbServicii::Acces& acces, const Setari& setari, const QDateTime& cerut,
           const FbServicii::Progres& progres) {
    if (EsteBazaPeServer(acces.baza)) return faPeServer(acces, setari, cerut, progres);
    // Two backups in the same second (one before a restore just after the daily one) get
    // different names.
    QDateTime moment = cerut;
    while (!QDir(Dosar(setari))
                .entryList({QStringLiteral("Vardolin-%1*").arg(moment.toString(formatMoment))})
                .isEmpty())
        moment = moment.addSecs(1);
    ScrieNeverificata(acces, setari, moment, progres);
    const Salvare s = Verifica(acces, setari, moment);
    aplicaRegulaDePastrare(Dosar(setari), setari);
    return s;
}

namespace {
// The copy carries the original's modification time, so a name the program did not give still
// tells when the backup was made.
bool copiazaCuData(const QString& din, const QString& in) {
    if (!QFile::copy(din, in)) return false;
    QFile copie(in);
    return copie.open(QIODevice::ReadWrite) &&
           copie.setFileTime(QFileInfo(din).lastModified(), QFileDevice::FileModificationTime);
}

QString dosarNativ(const QString& cale) {
    return QDir::toNativeSeparators(cale);
}
} // namespace

void VerificaDosarulCopiei(const QString& dosarCopie) {
    const QFileInfo i(dosarCopie.trimmed());
    if (!dosarCopie.trimmed().isEmpty() && i.exists() && !i.isDir())
        throw Eroare(QStringLiteral("%1 este un fisier, nu un dosar. Alegeti un dosar pentru a doua copie a "
                                    "salvarilor (de exemplu un stick USB).")
                         .arg(dosarNativ(dosarCopie.trimmed())));
}

bool Copiaza(const Setari& setari, QString* motiv) {
    const QString copie = setari.dosarCopie.trimmed();
    const auto esuat = [&](const QString& text) {
        if (motiv) *motiv = text.arg(dosarNativ(copie));
        return false;
    };
    if (copie.isEmpty()) return esuat(QStringLiteral("Nu este ales un dosar pentru a doua copie."));
    if (!QFileInfo(copie).isDir())
        return esuat(QStringLiteral("Dosarul %1 nu exista acum (discul sau stick-ul nu este conectat?)."));
    if (!QFileInfo(copie).isWritable()) return esuat(QStringLiteral("In dosarul %1 nu se poate scrie."));
    const QDir tinta(copie);
    QSet<QString> aici;
    for (const Salvare& s : Lista(Dosar(setari))) {
        const QString nume = QFileInfo(s.fisier).fileName();
        aici.insert(nume);
        if (tinta.exists(nume)) continue;
        // Copied under a temporary name: a stick pulled out midway leaves no half backup.
        const QString temporar = tinta.filePath(nume + QStringLiteral(".partial"));
        QFile::remove(temporar);
        if (!copiazaCuData(s.fisier, temporar) || !QFile::rename(temporar, tinta.filePath(nume))) {
            QFile::remove(temporar);
            return esuat(QStringLiteral("Copierea in dosarul %1 nu a reusit (disc plin sau scos in timpul "
                                        "copierii?)."));
        }
    }
    for (const Salvare& s : Lista(copie))
        if (!aici.contains(QFileInfo(s.fisier).fileName())) QFile::remove(s.fisier);
    return true;
}

QString AvertismentCopie(const Setari& s, const QDate& azi) {
    if (!s.activ || s.dosarCopie.trimmed().isEmpty() || s.copieLipsaAnuntata == azi) return {};
    if (s.ultimaCopie.isValid() && s.ultimaCopie.date().daysTo(azi) < 7) return {};
    return QStringLiteral("Salvarile automate nu au mai putut fi copiate in dosarul %1 %2. Conectati "
                          "discul sau verificati dosarul in Configurare > Salvari automate.")
        .arg(QDir::toNativeSeparators(s.dosarCopie),
             s.ultimaCopie.isValid()
                 ? QStringLiteral("din %1").arg(s.ultimaCopie.toString(QStringLiteral("dd.MM.yyyy")))
                 : QStringLiteral("niciodata"));
}

} // namespace SalvariAutomate
