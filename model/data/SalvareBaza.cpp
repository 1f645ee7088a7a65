#include "data/SalvareBaza.h"

#include "data/SetariConexiune.h"
#include "data/UDm.h"
#include "import/JurnalPreluari.h"
#include "platform/Eroare.h"
#include "platform/Firebird.h"
#include "platform/SirConexiune.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

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
        if (versiune < 1 || versiune > VersiuneSchemaJurnal)
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
    if (!FisiereleSuntPeAcestCalculator(baza))
        throw Eroare(QStringLiteral("Baza de date este pe serverul %1, pe alt calculator. Programul nu poate "
                                    "inlocui in siguranta fisierele de acolo: restaurarea se face pe server, "
                                    "de catre administratorul lui (gbak -c intr-un fisier nou, apoi "
                                    "inlocuirea fisierului cu serverul oprit).")
                         .arg(ServerulBazei(baza)));
    if (const int n = alteConexiuni(dm); n > 0)
        throw Eroare(
            QStringLiteral("Baza de date este folosita acum si de alte %1 programe (alte calculatoare). "
                           "Inchideti-le si incercati din nou: restaurarea inlocuieste baza de date "
                           "pentru toate.")
                .arg(n));
    if (!QFileInfo::exists(fisierSalvare))
        throw Eroare(QStringLiteral("Fisierul %1 nu exista.").arg(fisierSalvare));

    Restaurare r;
    r.fisierSalvare = fisierSalvare;
    r.dataSalvarii = QFileInfo(fisierSalvare).lastModified();
    const QString nou = cuSufix(fisierLocal(baza),
                                QStringLiteral("-restaurata-") +
                                    QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    r.bazaNoua = numeDeAcelasiFel(baza, nou);
    const FbServicii::Acces acces = Accesul(dm);
    try {
        FbServicii::Restaureaza(acces, fisierSalvare, r.bazaNoua, progres);
        r.elevi = EleviInBazaRestaurata(acces, r.bazaNoua);
    } catch (...) {
        QFile::remove(nou);
        throw;
    }
    return r;
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

QString Inlocuieste(TDM& dm, const Restaurare& r) {
    if (dm.Tr.activa()) throw Eroare(QStringLiteral("O operatie cu baza de date este inca in curs."));
    const QString curent = fisierLocal(dm.caleBazaDeDate());
    const QString nou = fisierLocal(r.bazaNoua);
    const QString vechi =
        cuSufix(curent, QStringLiteral("-inainte-de-restaurare-") +
                            QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
    dm.Db.deconecteaza();
    const auto redeschideVechea = [&] {
        if (!QFileInfo::exists(curent)) QFile::rename(vechi, curent);
        ConecteazaExplicat(dm.Db);
    };
    if (!QFile::rename(curent, vechi)) {
        ConecteazaExplicat(dm.Db);
        throw Eroare(
            QStringLiteral("Nu pot redenumi baza de date %1; nimic nu a fost inlocuit.").arg(curent));
    }
    if (!QFile::rename(nou, curent)) {
        redeschideVechea();
        throw Eroare(QStringLiteral("Nu pot pune baza restaurata in locul celei vechi; baza veche a ramas "
                                    "neschimbata."));
    }
    try {
        ConecteazaExplicat(dm.Db);
        dm.AsiguraStructura();
    } catch (const Eroare& e) {
        dm.Db.deconecteaza();
        QFile::rename(curent, nou);
        redeschideVechea();
        throw Eroare(
            QStringLiteral("Baza restaurata nu poate fi folosita; baza veche a fost pusa la loc.\n\n") +
            e.text());
    }
    return vechi;
}

} // namespace SalvareBaza
