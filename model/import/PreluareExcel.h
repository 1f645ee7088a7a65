#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class TListaColoaneExcel;

// How a field's value is made for one row (the order of the wizard's drop-down list).
enum TModGenerare {
    mgDinColoana = 0,
    mgConstanta = 1,
    mgDinCnp = 2,
    mgPrimaParte = 3,
    mgADouaParte = 4,
};

// Where one student field takes its value from.
struct TCampPreluat {
    QString Cheie;    // Vardolin.FATA.C_NUME_L1
    QString Eticheta; // the profile's label, cleaned
    bool NuImport = false;
    int Mod = mgDinColoana;
    QString Coloana;
    QString Constanta;
    QString TextFete;
    QString TextBaieti;

    QString CodFormular() const;
    bool FolosesteColoana() const {
        return Mod == mgDinColoana || Mod == mgPrimaParte || Mod == mgADouaParte;
    }
};

// The student fields the import can fill, in profile order: every line of the students' table
// that is not similar to another and is not the CNP. Starts and rolls back its own reading.
std::vector<TCampPreluat> CampuriDePreluat();
// The label without the parts in brackets or braces.
QString EtichetaCurata(const QString& eticheta);
// The first word of a name and the rest.
QString PrimaParte(const QString& text);
QString ADouaParte(const QString& text);

// The profile's CNP line that the import matches students by.
struct CheieCamp;
CheieCamp CheiaCnp();

// The value a field gets for kept row `rand`; nullopt when the field is not imported.
std::optional<QString> ValoareaCampului(const TCampPreluat& camp, const TListaColoaneExcel& lista, int rand,
                                        const QString& cnp);

// Refuses a column the sheet does not have, naming the field (`pentru`): taken as empty text, it
// would blank the field of every student.
void VerificaColoana(const TListaColoaneExcel& lista, const QString& litere, const QString& pentru);

// What an import of the sheet would do, counted before anything is written.
struct TPrevizualizare {
    int Randuri = 0;     // kept rows
    int Noi = 0;         // codes not stored yet
    int Actualizati = 0; // codes of stored students
    int FaraCod = 0;     // kept rows whose CNP cell holds no 13-digit code
};
TPrevizualizare Previzualizeaza(const TListaColoaneExcel& lista, const QString& coloanaCnp);

// Why a row was not imported, or what was odd about it.
struct TRandSemnalat {
    int RandFoaie;
    QString Motiv;
};

// What an import did.
struct TRezumatPreluare {
    int Randuri = 0; // kept rows of the sheet
    int Adaugati = 0;
    int Actualizati = 0;
    std::vector<TRandSemnalat> Sarite;     // not imported
    std::vector<TRandSemnalat> CnpEronat;  // imported, but the code fails the check
    std::vector<TRandSemnalat> CnpGresit;  // left out by the filter, yet a student's: digits or an
                                           // empty code beside the name
    std::vector<int> FaraCod;              // other rows with text but no 13-digit cell anywhere
    std::vector<TRandSemnalat> Trunchiate; // a value cut to the length a value row holds
    bool Oprita = false;
    std::optional<int> IdJurnal; // its entry in the import journal
    QString Eroare;              // the failure that ended it
    std::optional<int> OpritLa;  // the worksheet row not written because of the stop or failure
    bool Completa() const { return !Oprita && Eroare.isEmpty(); }

    QString Text() const;
};

// Writes the kept rows of the sheet into the database in groups of up to 500 rows or one second,
// each group one transaction and each row a savepoint in it, so a failing row or a stop loses only
// the row in hand and a crash only the uncommitted group. A caller that already holds Tr gets
// every row in it instead (the benchmark's floor).
class TPreluareExcel {
public:
    static constexpr int RanduriPeGrupImplicit = 500;
    // Rows per transaction at most (a group also ends after one second).
    int RanduriPeGrup = RanduriPeGrupImplicit;
    // Called before each row (index from 0, of n); false stops the import there.
    std::function<bool(int i, int n)> Progres;
    // Where the rows come from, as the import journal names them.
    QString Fisier, Foaie;

    // Fails before writing anything when the profile has no CNP line or the CNP column is not
    // among the read columns; a failure while writing ends in the summary instead.
    TRezumatPreluare Executa(const TListaColoaneExcel& lista, const QString& coloanaCnp,
                             const std::vector<TCampPreluat>& campuri);
};
