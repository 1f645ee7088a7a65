#pragma once

#include "platform/Firebird.h"

#include <QObject>
#include <functional>
#include <memory>

// The data module: the one connection, the one transaction and the six shared queries.
class TDM : public QObject {
    Q_OBJECT
public:
    explicit TDM(QObject* owner = nullptr);
    ~TDM() override;

    // The creation step, run once at start-up: start-up screens, database file, connection,
    // schema upgrade, entity tables and profile.
    void DataModuleCreate();

    // Steps 7 to 11 of the start-up (upgrade, entity tables, profile), run again as a whole when a
    // program starting at the same moment on a server database got in the way.
    void AsiguraStructura();
    void ActualizeazaStructura();
    void AsiguraStructuraTabele();
    void AsiguraTabel(const QString& tabel);
    void AsiguraCheiePrimara(const QString& tabel);
    void AsiguraGenerator(const QString& tabel);
    void AsiguraColoaneDate(const QString& tabel);
    void AsiguraCheiExterne(const QString& tabel);
    // The index every lookup of a row's values uses: owner first, then the field key.
    void AsiguraIndexValori(const QString& tabel);

    FbConexiune Db;
    FbTranzactie Tr{Db};
    FbInterogare Q1{Db, Tr}, Q2{Db, Tr}, Q3{Db, Tr}, Q4{Db, Tr}, Q5{Db, Tr}, Q6{Db, Tr};

    // How many students the database holds.
    int NumarElevi();
    // Reads every student row once, so damage in their pages shows at start, not as an empty list.
    void CitesteTotiElevii();

    // Where the working database is, as chosen by DataModuleCreate.
    QString caleBazaDeDate() const { return Db.numeBazaDeDate(); }

    // The start-up screens (code page check and splash); tests replace them.
    static void seteazaEcranePornire(std::function<void(const QString&)> ecrane);
    // What ends the process when the template is missing; tests replace it.
    static void seteazaTerminare(std::function<void(int)> terminare);

private:
    void treceLaVersiunea(int versiune, const QString& alter);
    QString pregatesteFisierulLocal(const QString& numeBaza);
    void executaDacaLipseste(FbInterogare& cautare, const QString& sqlCautare, const QString& parametru,
                             const QVariant& valoare, const std::function<void()>& creeaza);
    bool lipsesteConstrangerea(const QString& nume);
};

// The published handles; they fail with a clear message while no database is open.
FbTranzactie& Tr();
FbInterogare& Q1();
FbInterogare& Q2();
FbInterogare& Q3();
FbInterogare& Q4();
FbInterogare& Q5();
FbInterogare& Q6();
// The data module, when one exists.
TDM* DM();

// Runs one database operation in Tr: started here, committed by Commit(), rolled back on the
// way out otherwise (also when an error leaves it). With Imbricata it joins a transaction the
// caller already holds and ends only one it started itself.
class GardaTranzactie {
public:
    enum Fel { Proprie, Imbricata };
    explicit GardaTranzactie(Fel fel = Proprie);
    ~GardaTranzactie();
    GardaTranzactie(const GardaTranzactie&) = delete;
    GardaTranzactie& operator=(const GardaTranzactie&) = delete;

    void Commit();

private:
    bool amPornit_ = false;
};
