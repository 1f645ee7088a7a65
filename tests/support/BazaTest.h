#pragma once

#include "MediuTest.h"
#include "data/UDm.h"

#include <QVariant>
#include <memory>

// A real embedded database in a test's temporary folder, made from the built template by the
// data module's own start-up, with the certificate's profile registered.
class BazaTest {
public:
    BazaTest();
    ~BazaTest();

    // Creates the data module and runs its start-up (again, after Opreste).
    void Porneste();
    // Closes the connection, as at the end of the program.
    void Opreste();
    void Reporneste() {
        Opreste();
        Porneste();
    }

    MediuTest& mediu() { return mediu_; }
    TDM& dm() { return *dm_; }

    // Runs one statement in a transaction of its own.
    void executa(const QString& sql);
    // The first column of the first row of a query, or an invalid QVariant without rows.
    QVariant valoare(const QString& sql);
    // Every row's first column.
    QVariantList coloana(const QString& sql);

private:
    MediuTest mediu_;
    std::unique_ptr<TDM> dm_;
};

// "with ... n(i) as (...) ": the numbers 1 to 10,000 as the rows of n, made by a cross join of
// digits, so that filling many students is one statement ("insert ... " + this + "select i from n").
QString NumerePanaLa10000();

// Registers the certificate's profile once per test program.
void AsiguraProfilulInregistrat();
