#pragma once

#include "data/UProfilDiploma.h"
#include "data/UTabele.h"

// The two-sided certificate: 120 fields on the front (FATA) and the back (SPATE).
class TListaLiniiProfilVardolin : public TListaLiniiProfilDiploma {
public:
    TListaLiniiProfilVardolin();
};

class TClasaProfilVardolin : public TClasaProfilDiploma {
public:
    QString NumeClasa() const override { return QStringLiteral("TListaLiniiProfilVardolin"); }
    std::unique_ptr<TListaLiniiProfilDiploma> Creeaza() const override {
        return std::make_unique<TListaLiniiProfilVardolin>();
    }
    QString NumeBazaDeDate() const override { return QStringLiteral("Vardolin2006"); }
    QString ListaCampuriElev() const override;
    QString ListaCampuriGeneric() const override;
};

// The certificate's entity tables: students, then the school.
class TListaLiniiTabelVardolin : public TListaLiniiTabel {
public:
    TListaLiniiTabelVardolin();
};

// Registers the certificate's profile and table list (program start).
void InregistreazaProfilVardolin();
