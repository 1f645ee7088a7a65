#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

// A thin layer over Firebird's client library: one connection, transactions and queries with
// named parameters. Failures become Eroare with the engine's text.

namespace Firebird {
class IAttachment;
class ITransaction;
class IStatement;
class IMessageMetadata;
class IResultSet;
} // namespace Firebird

class FbInterogare;

// Splits an SQL text into the engine's text (with "?") and the parameter name at each "?".
void desparteParametrii(const QString& sql, QByteArray& motor, std::vector<QString>& pozitii);

class FbConexiune {
public:
    FbConexiune();
    ~FbConexiune();
    FbConexiune(const FbConexiune&) = delete;
    FbConexiune& operator=(const FbConexiune&) = delete;

    // The database: a file path (opened in-process by the embedded engine) or host:path.
    void seteazaNumeBazaDeDate(const QString& nume) { numeBazaDeDate_ = nume; }
    const QString& numeBazaDeDate() const { return numeBazaDeDate_; }
    // Connection parameters, "NAME=value" each (USER_NAME, password, lc_ctype).
    QStringList& parametri() { return parametri_; }

    void conecteaza();
    void deconecteaza();
    bool conectata() const { return atasare_ != nullptr; }
    // Deletes the connected database's file (a throw-away one: a test restore on a server).
    void stergeBaza();

    // Creates an empty database file (tools and tests).
    static void creeazaBazaDeDate(const QString& cale, const QString& utilizator, const QString& parola);
    // Points the embedded engine's lock files at a folder of the current user; call before the
    // first connection of the process.
    static void pregatesteMotorulIncorporat();

    Firebird::IAttachment* atasare() const { return atasare_; }

private:
    friend class FbInterogare;
    friend class FbTranzactie;
    void inregistreaza(FbInterogare* q) { interogari_.push_back(q); }
    void scoate(FbInterogare* q);
    void inchideCursoarele();
    void elibereazaInstructiunile();

    QString numeBazaDeDate_;
    QStringList parametri_;
    Firebird::IAttachment* atasare_ = nullptr;
    std::vector<FbInterogare*> interogari_;
};

class FbTranzactie {
public:
    explicit FbTranzactie(FbConexiune& conexiune) : conexiune_(conexiune) {}
    ~FbTranzactie();
    FbTranzactie(const FbTranzactie&) = delete;
    FbTranzactie& operator=(const FbTranzactie&) = delete;

    void start();
    void commit();
    void rollback();
    bool activa() const { return tranzactie_ != nullptr; }

    Firebird::ITransaction* handle() const { return tranzactie_; }
    FbConexiune& conexiune() const { return conexiune_; }

private:
    FbConexiune& conexiune_;
    Firebird::ITransaction* tranzactie_ = nullptr;
};

// An SQL query with named parameters (":NUME"; names may hold "$" and may repeat). A parameter
// set but absent from the text, or present but never set, is an error. The statement stays
// prepared while the text stays the same, and the last few texts run on the query keep theirs:
// an operation that takes turns with several statements on one query prepares each once.
class FbInterogare {
public:
    FbInterogare(FbConexiune& conexiune, FbTranzactie& tranzactie);
    ~FbInterogare();
    FbInterogare(const FbInterogare&) = delete;
    FbInterogare& operator=(const FbInterogare&) = delete;

    void seteazaSql(const QString& sql);
    const QString& sql() const { return curenta_.sql; }

    // Sets a named parameter; a null QVariant is NULL.
    void param(const QString& nume, const QVariant& valoare);

    void deschide();
    bool deschisa() const { return cursor_ != nullptr; }
    bool eof() const { return eof_; }
    void urmator();
    void inchide();
    // Runs a statement that returns no rows.
    void executa();

    bool areCamp(const QString& nume) const;
    // The name of the i-th column of the result.
    QString numeCamp(int i) const;
    QVariant camp(const QString& nume) const;
    // The field as text (NULL fails with a conversion error, as the readers expect).
    QString text(const QString& nume) const;
    qint64 intreg(const QString& nume) const;
    bool esteNull(const QString& nume) const;

    // Frees the prepared statements (closing the cursor); the text stays.
    void elibereaza();

private:
    // Where a result column lies in the row buffer, read once when prepared: asking the
    // metadata for every value read costs more than the value itself.
    struct Coloana {
        unsigned offset = 0;
        unsigned offsetNull = 0;
        unsigned tip = 0;
        unsigned lungime = 0;
        int scala = 0;
    };
    struct Parametru {
        QString nume;
        QVariant valoare;
        bool setat = false;
    };
    // A text with its prepared statement: the one the query runs, and those kept while it runs
    // other texts.
    struct Pastrata {
        QString sql;
        QByteArray sqlMotor;              // the text with "?" in place of the names
        std::vector<QString> pozitii;     // parameter name at each "?"
        std::vector<Parametru> parametri; // distinct names, in order of appearance
        Firebird::IStatement* instructiune = nullptr;
        Firebird::IMessageMetadata* intrare = nullptr;
        Firebird::IMessageMetadata* iesire = nullptr;
        unsigned tipInstructiune = 0;
        std::vector<unsigned char> bufferIntrare;
        std::vector<unsigned char> bufferIesire;
        QHash<QString, int> campuri;
        std::vector<Coloana> coloane;
    };
    static constexpr size_t NrPastrate = 8;
    void elibereazaInstructiunea();
    void pregateste();
    void scrieParametrii();
    void verificaTranzactia() const;
    int indiceCamp(const QString& nume) const;
    QVariant valoareCamp(int indice) const;

    FbConexiune& conexiune_;
    FbTranzactie& tranzactie_;
    Pastrata curenta_; // the text the query runs now
    Firebird::IResultSet* cursor_ = nullptr;
    bool eof_ = true;
    std::vector<Pastrata> pastrate_; // the oldest first
};

// Closes a shared query on the way out of a scope, also when an error leaves it.
class InchideLaIesire {
public:
    explicit InchideLaIesire(FbInterogare& q) : q_(q) {}
    ~InchideLaIesire() { q_.inchide(); }
    InchideLaIesire(const InchideLaIesire&) = delete;
    InchideLaIesire& operator=(const InchideLaIesire&) = delete;

private:
    FbInterogare& q_;
};
