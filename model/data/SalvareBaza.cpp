#include "data/SalvareBaza.h"

#include "data/SalvariAutomate.h"
#include "data/SetariConexiune.h"
#include "data/UDm.h"
#include "platform/Eroare.h"
#include "platform/Firebird.h"
#include "platform/SirConexiune.h"
#include "register/SchemaRegistru.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTextStream>
#include <cstdio>

namespace SalvareBaza {

FbServicii::Acces Accesul(TDM& dm) {
    FbServicii::Acces a{dm.caleBazaDeDate(), {}, {}};
    for (const QString& p : dm.Db.parametri()) {
        const QString cheie = p.section(u'=', 0, 0).trimmed().toUpper();
        if (cheie == u"USER_NAME") a.utilizator = p.section(u'=', 1);
        if (cheie == u"PASSWORD") a.parola = p.section(u'=', 1);
    }
    return a;
}

namespace {

// The database file as this computer sees it, and the prefix that names a file of the same server.
QString fisierLocal(const QString& baza) {
    return EsteBazaPeServer(baza) ? CaleaPeServer(baza) : baza;
}
QString numeDeAcelasiFel(const QString& baza, const QString& fisier) {
    if (!EsteBazaPeServer(baza)) return fisier;
    return baza.trimmed().left(baza.trimmed().size() - CaleaPeServer(baza).size()) + fisier;
}

QString cuSufix(const QString& fisier, const QString& sufix) {
    const QFileInfo i(fisier);
    return i.dir().filePath(i.completeBaseName() + sufix + QStringLiteral(".FDB"));
}

// Restoring swaps files, which only this computer can do safely.
void cerePeAcestCalculator(const QString& baza) {
    if (!FisiereleSuntPeAcestCalculator(baza))
        throw Eroare(QStringLiteral("Baza de date este pe serverul %1, pe alt calculator. Programul nu poate "
                                    "inlocui in siguranta fisierele de acolo: restaurarea se face pe server, "
                                    "de catre administratorul lui (gbak -c intr-un fisier nou, apoi "
                                    "inlocuirea fisierului cu serverul oprit).")
                         .arg(ServerulBazei(baza)));
}

// What a restore starts from: the backup, when it was made, and the new file beside the database.
Restaurare inceputul(const QString& baza, const QString& fisierSalvare) {
    if (!QFileInfo::exists(fisierSalvare))
        throw Eroare(QStringLiteral("Fisierul %1 nu exista.").arg(fisierSalvare));
    Restaurare r;
    r.fisierSalvare = fisierSalvare;
    r.dataSalvarii = SalvariAutomate::Momentul(fisierSalvare);
    r.bazaNoua = numeDeAcelasiFel(
        baza, cuSufix(fisierLocal(baza),
                      QStringLiteral("-restaurata-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"))));
    return r;
}

int alteConexiuni(TDM& dm) {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    dm.Q4.seteazaSql(
        QStringLiteral("SELECT COUNT(*) AS NUMAR FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID <> "
                       "CURRENT_CONNECTION AND MON$SYSTEM_FLAG = 0"));
    dm.Q4.deschide();
    const int n = int(dm.Q4.intreg(QStringLiteral("NUMAR")));
    dm.Q4.inchide();
    return n;
}

} // namespace

int EleviInBazaRestaurata(const FbServicii::Acces& acces, const QString& bazaNoua) {
    FbConexiune db;
    db.seteazaNumeBazaDeDate(bazaNoua);
    db.parametri() << QStringLiteral("USER_NAME=") + acces.utilizator
                   << QStringLiteral("password=") + acces.parola;
    db.conecteaza();
    FbTranzactie tr(db);
    FbInterogare q(db, tr);
    const auto numar = [&](const QString& sql) {
        q.seteazaSql(sql);
        q.deschide();
        const qint64 n = q.eof() ? -1 : q.intreg(QStringLiteral("N"));
        q.inchide();
        return n;
    };
    tr.start();
    try {
        const qint64 versiune = numar(QStringLiteral("SELECT MAX(VERSIUNE) AS N FROM CONFID_DB"));
        // The newest version the upgrade steps know; a newer program's backup is refused.
        if (versiune < 1 || versiune > VersiuneSchemaFormulareRestituite)
            throw Eroare(QStringLiteral("Salvarea are versiunea de structura %1, pe care programul nu o "
                                        "cunoaste.")
                             .arg(versiune));
        if (numar(QStringLiteral(
                "SELECT COUNT(*) AS N FROM PROFIL_DIPLOMA WHERE COD_FORMULAR = 'Vardolin'")) <= 0)
            throw Eroare(QStringLiteral("Salvarea nu contine profilul diplomei."));
        const int elevi = int(numar(QStringLiteral("SELECT COUNT(*) AS N FROM ELEVI")));
        tr.rollback();
        return elevi;
    } catch (const Eroare& e) {
        throw Eroare(QStringLiteral("Fisierul restaurat nu este o baza de date a programului Vardolin; baza "
                                    "de date folosita ramane neschimbata.\n\n") +
                     e.text());
    }
}

QString NumeImplicit(const QDate& zi) {
    return QStringLiteral("Vardolin-%1.fbk").arg(zi.toString(QStringLiteral("yyyy-MM-dd")));
}

bool FisiereleSuntPeAcestCalculator(const QString& baza) {
    if (!EsteBazaPeServer(baza)) return true;
    if (baza.trimmed().startsWith(QStringLiteral("xnet://"), Qt::CaseInsensitive)) return true;
    QString gazda = ServerulBazei(baza).section(u'/', 0, 0);
    if (gazda.startsWith(u'['))
        gazda = gazda.section(u']', 0, 0).mid(1);
    else
        gazda = gazda.section(u':', 0, 0);
    return gazda == u"127.0.0.1" || gazda.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0 ||
           gazda == u"::1";
}

QString FisierPeServer(const QString& baza, const QDate& zi) {
    const QString cale = CaleaPeServer(baza);
    const qsizetype separator = std::max(cale.lastIndexOf(u'/'), cale.lastIndexOf(u'\\'));
    return cale.left(separator + 1) + NumeImplicit(zi);
}

void Salveaza(TDM& dm, const QString& fisierSalvare, const FbServicii::Progres& progres) {
    if (!dm.Db.conectata()) throw Eroare(QStringLiteral("Baza de date nu este deschisa."));
    // A backup is written whole or not at all under the chosen name.
    const bool local = FisiereleSuntPeAcestCalculator(dm.caleBazaDeDate());
    const QString temporar = fisierSalvare + QStringLiteral(".partial");
    if (local) QFile::remove(temporar);
    FbServicii::Salveaza(Accesul(dm), local ? temporar : fisierSalvare, progres);
    if (!local) return;
    QFile::remove(fisierSalvare);
    if (!QFile::rename(temporar, fisierSalvare))
        throw Eroare(QStringLiteral("Nu pot scrie salvarea in %1").arg(fisierSalvare));
}

Restaurare Pregateste(TDM& dm, const QString& fisierSalvare, const FbServicii::Progres& progres) {
    const QString baza = dm.caleBazaDeDate();
    if (!dm.Db.conectata()) throw Eroare(QStringLiteral("Baza de date nu este deschisa."));
    cerePeAcestCalculator(baza);
    if (const int n = alteConexiuni(dm); n > 0)
        throw Eroare(
            QStringLiteral("Baza de date este folosita acum si de alte %1 programe (alte calculatoare). "
                           "Inchideti-le si incercati din nou: restaurarea inlocuieste baza de date "
                           "pentru toate.")
                .arg(n));
    Restaurare r = inceputul(baza, fisierSalvare);
    const FbServicii::Acces acces = Accesul(dm);
    try {
        FbServicii::Restaureaza(acces, fisierSalvare, r.bazaNoua, progres);
        r.elevi = EleviInBazaRestaurata(acces, r.bazaNoua);
    } catch (...) {
        Abandoneaza(r);
        throw;
    }
    return r;
}

Restaurare PregatesteInAltProces(const FbServicii::Acces& acces, const QString& fisierSalvare,
                                 const FbServicii::Progres& progres) {
    cerePeAcestCalculator(acces.baza);
    Restaurare r = inceputul(acces.baza, fisierSalvare);
    const QString program = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("vardolin"));
    QProcess copil;
    copil.start(program, {QString::fromLatin1(OptiuneRestaurare), fisierSalvare, r.bazaNoua});
    if (!copil.waitForStarted())
        throw Eroare(QStringLiteral("Nu pot porni programul %1 pentru restaurare. Reinstalati programul.")
                         .arg(QDir::toNativeSeparators(program)));
    copil.write((acces.utilizator + u'\n' + acces.parola + u'\n').toUtf8());
    copil.closeWriteChannel();
    int elevi = -1;
    const auto citeste = [&] {
        while (copil.canReadLine()) {
            const QString linie = QString::fromUtf8(copil.readLine()).trimmed();
            if (linie.startsWith(QStringLiteral("ELEVI ")))
                elevi = linie.mid(6).toInt();
            else if (progres)
                progres(linie);
        }
    };
    while (copil.state() != QProcess::NotRunning) {
        copil.waitForFinished(100);
        citeste();
    }
    citeste();
    if (copil.exitStatus() != QProcess::NormalExit || copil.exitCode() != 0 || elevi < 0) {
        Abandoneaza(r);
        const QString motiv = QString::fromUtf8(copil.readAllStandardError()).trimmed();
        throw Eroare(motiv.isEmpty() ? QStringLiteral("Restaurarea din %1 nu a reusit; baza de date a ramas "
                                                      "neschimbata.")
                                           .arg(QDir::toNativeSeparators(fisierSalvare))
                                     : motiv);
    }
    r.elevi = elevi;
    return r;
}

int RestaureazaCaProcesCopil(const QStringList& argumente) {
    if (argumente.size() != 2) return 2;
    QTextStream intrare(stdin), iesire(stdout);
    const QString utilizator = intrare.readLine(), parola = intrare.readLine();
    const FbServicii::Acces acces{argumente[1], utilizator, parola};
    try {
        FbServicii::Restaureaza(acces, argumente[0], argumente[1],
                                [&](const QString& linie) { iesire << linie.simplified() << Qt::endl; });
        iesire << "ELEVI " << EleviInBazaRestaurata(acces, argumente[1]) << Qt::endl;
        return 0;
    } catch (const Eroare& e) {
        QFile::remove(fisierLocal(argumente[1]));
        std::fputs(e.text().toUtf8().constData(), stderr);
        return 1;
    }
}

RezultatVerificare VerificaBaza(const FbServicii::Acces& acces, const FbServicii::Progres& progres) {
    // The engine reports each damaged object on a line naming its errors ("... 2 ERRORS found").
    static const QRegularExpression eroare(QStringLiteral("[1-9]\\d* errors?\\b|corrupt|damaged|bugcheck"),
                                           QRegularExpression::CaseInsensitiveOption);
    QStringList deteriorate;
    RezultatVerificare r;
    try {
        FbServicii::Valideaza(acces, [&](const QString& linie) {
            if (eroare.match(linie).hasMatch()) deteriorate << linie.trimmed();
            if (progres) progres(linie);
        });
    } catch (const Eroare& e) {
        deteriorate << e.text();
    }
    if (deteriorate.isEmpty()) {
        r.text = QStringLiteral("Baza de date a fost verificata: nu are erori.");
        return r;
    }
    r.faraErori = false;
    r.text =
        QStringLiteral("Baza de date este deteriorata. Nu mai introduceti date: restaurati ultima salvare "
                       "buna din Configurare > Restaurare din salvare (salvarile automate sunt oferite "
                       "acolo, cea mai noua prima).\n\nCe s-a gasit:\n") +
        deteriorate.mid(0, 12).join(u'\n');
    return r;
}

void Abandoneaza(const Restaurare& r) {
    QFile::remove(fisierLocal(r.bazaNoua));
}

QString InlocuiesteFisierul(const QString& baza, const Restaurare& r) {
    const QString curent = fisierLocal(baza);
    const QString vechi =
        cuSufix(curent, QStringLiteral("-inainte-de-restaurare-") +
                            QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
    if (!QFile::rename(curent, vechi))
        throw Eroare(
            QStringLiteral("Nu pot redenumi baza de date %1; nimic nu a fost inlocuit.").arg(curent));
    if (!QFile::rename(fisierLocal(r.bazaNoua), curent)) {
        QFile::rename(vechi, curent);
        throw Eroare(QStringLiteral("Nu pot pune baza restaurata in locul celei vechi; baza veche a ramas "
                                    "neschimbata."));
    }
    return vechi;
}

QString Inlocuieste(TDM& dm, const Restaurare& r) {
    if (dm.Tr.activa()) throw Eroare(QStringLiteral("O operatie cu baza de date este inca in curs."));
    const QString curent = fisierLocal(dm.caleBazaDeDate());
    dm.Db.deconecteaza();
    QString vechi;
    try {
        vechi = InlocuiesteFisierul(dm.caleBazaDeDate(), r);
    } catch (const Eroare&) {
        ConecteazaExplicat(dm.Db);
        throw;
    }
    try {
        ConecteazaExplicat(dm.Db);
        dm.AsiguraStructura();
    } catch (const Eroare& e) {
        dm.Db.deconecteaza();
        QFile::rename(curent, fisierLocal(r.bazaNoua));
        QFile::rename(vechi, curent);
        ConecteazaExplicat(dm.Db);
        throw Eroare(
            QStringLiteral("Baza restaurata nu poate fi folosita; baza veche a fost pusa la loc.\n\n") +
            e.text());
    }
    return vechi;
}

} // namespace SalvareBaza
