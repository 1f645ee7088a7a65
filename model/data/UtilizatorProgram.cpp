#include "data/UtilizatorProgram.h"

#include "data/SetariConexiune.h"
#include "platform/Eroare.h"
#include "platform/Firebird.h"

#include <QRegularExpression>
#include <QStringList>

namespace UtilizatorProgram {

namespace {
// Rights on the structure, held in this database only: the upgrade of a later version runs as
// the program's user and leaves it the owner of what it adds.
const char* const drepturiStructura[] = {
    "CREATE TABLE",     "ALTER ANY TABLE",     "CREATE VIEW",      "ALTER ANY VIEW",
    "CREATE GENERATOR", "ALTER ANY GENERATOR", "CREATE PROCEDURE", "ALTER ANY PROCEDURE",
    "CREATE DOMAIN",    "ALTER ANY DOMAIN",    "CREATE EXCEPTION", "ALTER ANY EXCEPTION",
};

QString citat(const QString& nume) {
    return QStringLiteral("\"") + QString(nume).replace(QStringLiteral("\""), QStringLiteral("\"\"")) +
           QStringLiteral("\"");
}

QStringList nume(FbInterogare& q, const QString& sql) {
    QStringList r;
    q.seteazaSql(sql);
    for (q.deschide(); !q.eof(); q.urmator())
        r << q.text(QStringLiteral("N")).trimmed();
    q.inchide();
    return r;
}

QStringList instructiuni(FbInterogare& q, const QString& utilizator) {
    const QString catre = QStringLiteral(" TO USER ") + utilizator;
    QStringList r;
    for (const QString& t : nume(q, QStringLiteral("SELECT RDB$RELATION_NAME AS N FROM RDB$RELATIONS WHERE "
                                                   "COALESCE(RDB$SYSTEM_FLAG, 0) = 0")))
        r << QStringLiteral("GRANT ALL ON ") + citat(t) + catre;
    for (const QString& g : nume(q, QStringLiteral("SELECT RDB$GENERATOR_NAME AS N FROM RDB$GENERATORS WHERE "
                                                   "COALESCE(RDB$SYSTEM_FLAG, 0) = 0")))
        r << QStringLiteral("GRANT USAGE ON GENERATOR ") + citat(g) + catre;
    for (const QString& p : nume(q, QStringLiteral("SELECT RDB$PROCEDURE_NAME AS N FROM RDB$PROCEDURES WHERE "
                                                   "COALESCE(RDB$SYSTEM_FLAG, 0) = 0")))
        r << QStringLiteral("GRANT EXECUTE ON PROCEDURE ") + citat(p) + catre;
    for (const char* drept : drepturiStructura)
        r << QStringLiteral("GRANT %1").arg(QLatin1String(drept)) + catre;
    return r;
}
} // namespace

bool NumeValid(const QString& nume) {
    static const QRegularExpression tipar(QStringLiteral("^[A-Za-z][A-Za-z0-9_]{0,30}$"));
    return tipar.match(nume).hasMatch() && nume.compare(QStringLiteral("SYSDBA"), Qt::CaseInsensitive) != 0;
}

void Creeaza(const QString& baza, const QString& parolaSysdba, const QString& utilizator,
             const QString& parola) {
    if (!NumeValid(utilizator))
        throw Eroare(
            QStringLiteral("Numele utilizatorului \"%1\" nu poate fi folosit: incepe cu o litera, are "
                           "doar litere, cifre si \"_\", cel mult 31 de caractere, si nu este SYSDBA.")
                .arg(utilizator));
    if (parola.size() < 8)
        throw Eroare(QStringLiteral("Parola utilizatorului trebuie sa aiba cel putin 8 caractere."));
    FbConexiune db;
    db.seteazaNumeBazaDeDate(baza.trimmed());
    db.parametri() << QStringLiteral("USER_NAME=SYSDBA") << QStringLiteral("password=") + parolaSysdba;
    ConecteazaExplicat(db);
    FbTranzactie tr(db);
    FbInterogare q(db, tr);
    tr.start();
    try {
        q.seteazaSql(QStringLiteral("CREATE OR ALTER USER %1 PASSWORD '%2'")
                         .arg(utilizator, QString(parola).replace(u'\'', QStringLiteral("''"))));
        q.executa();
        for (const QString& sql : instructiuni(q, utilizator)) {
            q.seteazaSql(sql);
            q.executa();
        }
        tr.commit();
    } catch (const Eroare& e) {
        tr.rollback();
        throw Eroare(QStringLiteral("Utilizatorul %1 nu a putut fi creat pe server; setarile raman cele de "
                                    "dinainte.\n\n%2")
                         .arg(utilizator, e.text()));
    }
}

} // namespace UtilizatorProgram
