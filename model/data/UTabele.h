#pragma once

#include <QString>
#include <memory>
#include <vector>

// The students' own table: a student's values belong to its rows.
inline const QString TabelulElevilor = QStringLiteral("ELEVI");

// An entity table whose rows own field values (students, school).
struct TLinieTabel {
    QString NUME_TABEL;
    QString EXP_DENUMIRE;
};

// The entity tables of a profile; derived classes fill it in their constructor.
class TListaLiniiTabel {
public:
    virtual ~TListaLiniiTabel() = default;
    const std::vector<TLinieTabel>& linii() const { return linii_; }

protected:
    void AdaugaTabel(const QString& NUME_TABEL, const QString& EXP_DENUMIRE);

private:
    std::vector<TLinieTabel> linii_;
};

class TClasaListaTabele {
public:
    virtual ~TClasaListaTabele() = default;
    virtual QString NumeClasa() const = 0;
    virtual std::unique_ptr<TListaLiniiTabel> Creeaza() const = 0;
};

void InregistreazaListaTabele(std::unique_ptr<TClasaListaTabele> clasa);
const TClasaListaTabele* ListaTabeleInregistrata();
void AnuleazaInregistrareaListeiTabele();

// Writes the code's entity tables into TABELE.
void SincronizeazaTabele();

// A table name enters an SQL text only when it is a plain identifier; anything else fails here.
void VerificaNumeTabel(const QString& nume);
// Fails unless the name is an entity table listed in TABELE (reads on Q4, inside Tr).
void VerificaTabelEntitate(const QString& nume);

// Registers a class whose constructor fills the list, named as the class.
template <class T> class ClasaListaTabele : public TClasaListaTabele {
public:
    explicit ClasaListaTabele(QString nume) : nume_(std::move(nume)) {}
    QString NumeClasa() const override { return nume_; }
    std::unique_ptr<TListaLiniiTabel> Creeaza() const override { return std::make_unique<T>(); }

private:
    QString nume_;
};
