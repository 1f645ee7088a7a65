#include "data/UDm.h"

#include "data/SetariConexiune.h"
#include "data/UProfilDiploma.h"
#include "data/UTabele.h"
#include "import/JurnalPreluari.h"
#include "platform/Cai.h"
#include "platform/Dialoguri.h"
#include "platform/Eroare.h"
#include "platform/SirConexiune.h"
#include "register/SchemaRegistru.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>
#include <cstdlib>

namespace {

TDM* dmCurent = nullptr;

std::function<void(const QString&)>& ecranePornire() {
    static std::function<void(const QString&)> f;
    return f;
}

std::function<void(int)>& terminare() {
    static std::function<void(int)> f = [](int cod) { std::exit(cod); };
    return f;
}

TDM& dm() {
    if (!dmCurent || !dmCurent->Db.conectata())
        throw Eroare(QStringLiteral("Baza de date nu este deschisa. Reporniti programul."));
    return *dmCurent;
}

// Another program starting on the same server database may be making the same objects at the
// same moment; every step looks first, so a step that lost that race is simply run again.
template <class F> void repetaDacaEsueaza(F&& pasi) {
    constexpr int incercari = 8;
    for (int i = 1;; ++i) {
        try {
            pasi();
            return;
        } catch (const Eroare&) {
            if (i == incercari) throw;
            QThread::msleep(50 + QRandomGenerator::global()->bounded(50 * i));
        }
    }
}

// The statements of one upgrade step run in one transaction with the version row locked.
void treceLaVersiuneaCu(FbInterogare& q, int versiune, const QStringList& instructiuni) {
    GardaTranzactie garda;
    q.seteazaSql(QStringLiteral("SELECT VERSIUNE FROM CONFID_DB WITH LOCK"));
    q.deschide();
    const int acum = int(q.intreg(QStringLiteral("VERSIUNE")));
    q.inchide();
    if (acum >= versiune) return;
    for (const QString& instructiune : instructiuni) {
        q.seteazaSql(instructiune);
        q.executa();
    }
    q.seteazaSql(QStringLiteral("UPDATE CONFID_DB SET VERSIUNE=%1").arg(versiune));
    q.executa();
    garda.Commit();
}

} // namespace

TDM::TDM(QObject* owner) : QObject(owner) {
    dmCurent = this;
}

TDM::~TDM() {
    if (dmCurent == this) dmCurent = nullptr;
}

void TDM::seteazaEcranePornire(std::function<void(const QString&)> ecrane) {
    ecranePornire() = std::move(ecrane);
}

void TDM::seteazaTerminare(std::function<void(int)> f) {
    terminare() = f ? std::move(f) : [](int cod) { std::exit(cod); };
}

// Makes sure a local database file exists, copying the template when it does not.
QString TDM::pregatesteFisierulLocal(const QString& caleBaza) {
    QDir().mkpath(QFileInfo(caleBaza).absolutePath());
    if (QFileInfo::exists(caleBaza)) return caleBaza;
    const QString sablon = QDir(Cai::dosarResurse()).filePath(QStringLiteral("BLANK.FDB"));
    if (!QFileInfo::exists(sablon)) {
        dialoguri().avertisment(
            nullptr,
            QStringLiteral("Nu exista baza de date curenta si nu gasesc baza de date \"BLANK\" pentru "
                           "initializare.\r\nDB Curent:") +
                QDir::toNativeSeparators(caleBaza) + QStringLiteral("\r\nDB Blank:") +
                QDir::toNativeSeparators(sablon));
        terminare()(1);
        throw Eroare(QStringLiteral("Lipseste baza de date BLANK")); // only when a test keeps the process
    }
    // A failed copy shows up as a failure to connect.
    QFile::copy(sablon, caleBaza);
    QFile::setPermissions(caleBaza,
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup);
    return caleBaza;
}

void TDM::DataModuleCreate() {
    if (ecranePornire()) ecranePornire()(QStringLiteral("Comun"));
    const TClasaProfilDiploma* profil = ProfilInregistrat();
    if (!profil) throw Eroare(QStringLiteral("NU ai definit profilul diplomei"));
    const QString numeBaza = profil->NumeBazaDeDate();

    const SetariConexiune c = SetariConexiuneEfective();
    QString baza = c.baza.trimmed();
    if (baza.isEmpty())
        baza = QDir(Cai::inDosarDate(QStringLiteral("DB"))).filePath(numeBaza + QStringLiteral(".FDB"));
    // Only a plain local file gets the template; a server name is never a folder here.
    if (!EsteBazaPeServer(baza)) baza = pregatesteFisierulLocal(baza);

    Db.deconecteaza();
    Db.seteazaNumeBazaDeDate(baza);
    Db.parametri().clear();
    Db.parametri() << QStringLiteral("USER_NAME=") + c.utilizator.trimmed()
                   << QStringLiteral("password=") + c.parola;
    ConecteazaExplicat(Db);

    AsiguraStructura();
}

void TDM::AsiguraStructura() {
    repetaDacaEsueaza([this] {
        ActualizeazaStructura();
        SincronizeazaTabele();
        AsiguraStructuraTabele();
        SincronizeazaTipuri();
        SincronizeazaProfil();
    });
}

int TDM::NumarElevi() {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    Q4.seteazaSql(QStringLiteral("SELECT COUNT(*) AS NUMAR FROM ELEVI"));
    Q4.deschide();
    const int numar = int(Q4.intreg(QStringLiteral("NUMAR")));
    Q4.inchide();
    return numar;
}

void TDM::CitesteTotiElevii() {
    GardaTranzactie garda(GardaTranzactie::Imbricata);
    Q4.seteazaSql(QStringLiteral("SELECT * FROM ELEVI"));
    InchideLaIesire inchide(Q4);
    Q4.deschide();
    while (!Q4.eof())
        Q4.urmator();
}

void TDM::ActualizeazaStructura() {
    int versiune = 0;
    {
        GardaTranzactie garda;
        Q1.seteazaSql(QStringLiteral("SELECT VERSIUNE FROM CONFID_DB"));
        Q1.deschide();
        versiune = int(Q1.intreg(QStringLiteral("VERSIUNE")));
        Q1.inchide();
    }
    if (versiune < 2)
        treceLaVersiunea(
            2, QStringLiteral(
                   "ALTER TABLE PROFIL_DIPLOMA ADD LATIME_SUGERATA INTEGER, ADD COD_LINIE VARCHAR(32)"));
    if (versiune < 3) treceLaVersiunea(3, QStringLiteral("ALTER TABLE PROFIL_DIPLOMA ADD ORDINE INTEGER"));
    if (versiune < VersiuneSchemaRegistru)
        treceLaVersiuneaCu(Q1, VersiuneSchemaRegistru, instructiuniSchemaRegistru());
    if (versiune < VersiuneSchemaJurnal)
        treceLaVersiuneaCu(Q1, VersiuneSchemaJurnal, instructiuniSchemaJurnal());
    if (versiune < VersiuneSchemaFormulareRestituite)
        treceLaVersiuneaCu(Q1, VersiuneSchemaFormulareRestituite, instructiuniSchemaFormulareRestituite());
}

// One upgrade step with the version row locked: a second program upgrading at the same moment
// waits for this one and then finds the step done (or fails and is run again).
void TDM::treceLaVersiunea(int versiune, const QString& alter) {
    treceLaVersiuneaCu(Q1, versiune, {alter});
}

void TDM::AsiguraStructuraTabele() {
    QStringList tabele;
    {
        GardaTranzactie garda;
        Q1.seteazaSql(QStringLiteral("select NUME_TABEL from TABELE"));
        Q1.deschide();
        for (; !Q1.eof(); Q1.urmator())
            tabele << Q1.text(QStringLiteral("NUME_TABEL"));
        Q1.inchide();
        garda.Commit();
    }
    for (const QString& tabel : tabele) {
        VerificaNumeTabel(tabel);
        for (auto pas : {&TDM::AsiguraTabel, &TDM::AsiguraCheiePrimara, &TDM::AsiguraGenerator,
                         &TDM::AsiguraColoaneDate, &TDM::AsiguraCheiExterne, &TDM::AsiguraIndexValori}) {
            GardaTranzactie garda;
            (this->*pas)(tabel);
            garda.Commit();
        }
    }
}

// Looks an object up on the given query and runs the creation when it is not there.
void TDM::executaDacaLipseste(FbInterogare& cautare, const QString& sqlCautare, const QString& parametru,
                              const QVariant& valoare, const std::function<void()>& creeaza) {
    cautare.seteazaSql(sqlCautare);
    cautare.param(parametru, valoare);
    cautare.deschide();
    const bool exista = !cautare.eof();
    cautare.inchide();
    if (!exista) creeaza();
}

bool TDM::lipsesteConstrangerea(const QString& nume) {
    bool lipseste = false;
    executaDacaLipseste(
        Q2,
        QStringLiteral("select    RDB$CONSTRAINT_NAME from    RDB$RELATION_CONSTRAINTS where    "
                       "RDB$CONSTRAINT_NAME = :RDB$CONSTRAINT_NAME"),
        QStringLiteral("RDB$CONSTRAINT_NAME"), nume, [&] { lipseste = true; });
    return lipseste;
}

void TDM::AsiguraTabel(const QString& t) {
    executaDacaLipseste(Q2,
                        QStringLiteral("select    RDB$RELATION_NAME from    RDB$RELATIONS where    "
                                       "RDB$RELATION_NAME = :RDB$RELATION_NAME"),
                        QStringLiteral("RDB$RELATION_NAME"), t, [&] {
                            Q2.seteazaSql(QStringLiteral("create table ") + t + QStringLiteral("(") +
                                          QStringLiteral("    ID_") + t +
                                          QStringLiteral(" INTEGER NOT NULL ") + QStringLiteral(");"));
                            Q2.executa();
                        });
}

void TDM::AsiguraCheiePrimara(const QString& t) {
    if (!lipsesteConstrangerea(QStringLiteral("PK_") + t)) return;
    Q2.seteazaSql(QStringLiteral("ALTER TABLE ") + t + QStringLiteral(" ADD CONSTRAINT PK_") + t +
                  QStringLiteral(" PRIMARY KEY (ID_") + t + QStringLiteral(");"));
    Q2.executa();
}

void TDM::AsiguraGenerator(const QString& t) {
    executaDacaLipseste(Q2,
                        QStringLiteral("select    RDB$GENERATOR_NAME from    RDB$GENERATORS where    "
                                       "RDB$GENERATOR_NAME = :RDB$GENERATOR_NAME"),
                        QStringLiteral("RDB$GENERATOR_NAME"), QStringLiteral("G_ID_") + t, [&] {
                            Q2.seteazaSql(QStringLiteral("CREATE GENERATOR G_ID_") + t + QStringLiteral(";"));
                            Q2.executa();
                            Q2.seteazaSql(QStringLiteral("SET GENERATOR G_ID_") + t +
                                          QStringLiteral(" TO 0;"));
                            Q2.executa();
                        });
}

void TDM::AsiguraColoaneDate(const QString& t) {
    for (const QString& prefix : {QStringLiteral("ID_"), QStringLiteral("IDF_")}) {
        Q2.seteazaSql(QStringLiteral(
            "SELECT * FROM RDB$RELATION_FIELDS WHERE (RDB$RELATION_NAME=:TAB) AND (RDB$FIELD_NAME=:FLD)"));
        Q2.param(QStringLiteral("TAB"), QStringLiteral("DATE"));
        Q2.param(QStringLiteral("FLD"), prefix + t);
        Q2.deschide();
        const bool exista = !Q2.eof();
        Q2.inchide();
        if (!exista) {
            Q3.seteazaSql(QStringLiteral("ALTER TABLE \"DATE\" ADD ") + prefix + t +
                          QStringLiteral(" INTEGER"));
            Q3.executa();
        }
    }
}

void TDM::AsiguraCheiExterne(const QString& t) {
    const QString tipare[] = {
        QStringLiteral("alter table \"DATE\" add constraint FK_%:1s_1 foreign key (ID_%:1s) references "
                       "%:1s(ID_%:1s) on delete CASCADE"),
        QStringLiteral("alter table \"DATE\" add constraint FK_%:1s_2 foreign key (IDF_%:1s) references "
                       "%:1s(ID_%:1s) on delete CASCADE")};
    for (int i = 0; i < 2; ++i) {
        if (!lipsesteConstrangerea(QStringLiteral("FK_%1_%2").arg(t).arg(i + 1))) continue;
        QString sql = tipare[i];
        Q2.seteazaSql(sql.replace(QStringLiteral("%:1s"), t));
        Q2.executa();
    }
}

void TDM::AsiguraIndexValori(const QString& t) {
    executaDacaLipseste(
        Q2, QStringLiteral("select RDB$INDEX_NAME from RDB$INDICES where RDB$INDEX_NAME = :RDB$INDEX_NAME"),
        QStringLiteral("RDB$INDEX_NAME"), QStringLiteral("IX_DATE_") + t, [&] {
            Q2.seteazaSql(
                QStringLiteral(
                    "CREATE INDEX IX_DATE_%1 ON \"DATE\" (ID_%1, COD_CAMP, COD_PAGINA, COD_FORMULAR)")
                    .arg(t));
            Q2.executa();
        });
}

// ---------------------------------------------------------------------------------------------

TDM* DM() {
    return dmCurent;
}
FbTranzactie& Tr() {
    return dm().Tr;
}
FbInterogare& Q1() {
    return dm().Q1;
}
FbInterogare& Q2() {
    return dm().Q2;
}
FbInterogare& Q3() {
    return dm().Q3;
}
FbInterogare& Q4() {
    return dm().Q4;
}
FbInterogare& Q5() {
    return dm().Q5;
}
FbInterogare& Q6() {
    return dm().Q6;
}

GardaTranzactie::GardaTranzactie(Fel fel) {
    if (fel == Imbricata && Tr().activa()) return;
    Tr().start();
    amPornit_ = true;
}

GardaTranzactie::~GardaTranzactie() {
    if (!amPornit_ || !dmCurent || !dmCurent->Tr.activa()) return;
    try {
        dmCurent->Tr.rollback();
    } catch (...) {
        // Nothing more can be done while unwinding; the engine drops it with the connection.
    }
}

void GardaTranzactie::Commit() {
    if (amPornit_) Tr().commit();
}
