#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The register of issued certificates and the stock of blank forms. Every form received is
// counted by series and number; every printed front takes one and gets an entry; an entry is
// later confirmed, issued or cancelled, and a duplicate is a new entry linked to its original.
// An entry whose sheet never came out of the printer ("netiparit") stays in the register but
// gives its form back, blank, for a later entry. Nothing is deleted, and every change goes to the
// journal with the user and the computer.

enum class StareAct { Neconfirmat, Tiparit, Eliberat, Anulat, Duplicat, Netiparit };
QString textStare(StareAct stare);
StareAct stareDinText(const QString& text);

struct PrimireFormulare {
    qint64 id = 0;
    QString seria;
    int deLa = 0;
    int panaLa = 0;
    QDate data;
    QString document;
};

// A student as the certificate shows them, copied into the entry so that later edits of the
// student do not rewrite the register.
struct ElevDeInregistrat {
    qint64 id = 0;
    QString nume;
    QString cnp;
    QString calificarea;
};
// The student's name, CNP and qualification as the certificate prints them.
ElevDeInregistrat elevDinBaza(qint64 idElev);
// The same for many students, read together, in the order given.
std::vector<ElevDeInregistrat> eleviDinBaza(const std::vector<int>& idElevi);

// Who received an issued certificate: the graduate when primitor is empty, else a proxy.
struct Predare {
    QDate data;
    QString primitor;
    QString actIdentitate;
    QString procura;
    QString mentiuni;
};

struct CerereDuplicat {
    qint64 idOriginal = 0;
    QString motiv;
    QString nrAprobare;
    QDate dataAprobarii;
};

struct IntrareRegistru {
    qint64 id = 0;
    int an = 0;
    int nr = 0;
    QDate dataTiparirii;
    qint64 idElev = 0;
    QString nume;
    QString cnp;
    QString calificarea;
    QString seria;
    int numarul = 0;
    StareAct stare = StareAct::Neconfirmat;
    qint64 idOriginal = 0;
    QString seriaOriginal;
    int numarulOriginal = 0;
    QString motivDuplicat;
    QString nrAprobare;
    QDate dataAprobarii;
    QDate dataEliberarii;
    QString primitor;
    QString actIdentitate;
    QString procura;
    QString mentiuni;
    // When and why the entry was cancelled, or found never printed.
    QDate dataAnularii;
    QString motivAnulare;
};
// The register's "Mentiuni" column: proxy, duplicate of, cancelled or never printed with its
// reason, remarks.
QString mentiuniIntrare(const IntrareRegistru& intrare);
// "seria/numarul" as the lists show it.
QString formularIntrare(const IntrareRegistru& intrare);

struct FiltruRegistru {
    int an = 0; // 0: every year
    std::optional<StareAct> stare;
    QString nume;    // part of the name, any case
    QString cnp;     // start of the CNP
    QString seria;   // exact
    int numarul = 0; // 0: any
};

struct LinieJurnal {
    QString moment;
    QString utilizator;
    QString calculator;
    qint64 idRegistru = 0;
    qint64 idPrimire = 0;
    QString ce;
};

namespace Registru {

// Receives a range of forms; refuses a number already received.
qint64 primesteFormulare(const PrimireFormulare& primire);
std::vector<PrimireFormulare> primiri();
// The series received, in order.
QStringList serii();
// The number the next form on the pile most likely has: the first unused number after the last
// one used in the series, else the first unused one; none when every form is used.
std::optional<int> numarPropus(const QString& seria);
// Checks that the pile's next forms are received and unused; the message names the first that
// is not and proposes the next free number.
void verificaTeancul(const QString& seria, int primul, bool crescator, int cate);

// One printed front: an entry waiting for its check ("neconfirmat").
IntrareRegistru inregistreaza(const ElevDeInregistrat& elev, const QString& seria, int numarul,
                              const std::optional<CerereDuplicat>& duplicat = std::nullopt);
// The check after printing found the sheet good.
void confirma(qint64 idIntrare);
// The check after printing found a job's sheets good: all confirmed in one transaction, or none.
// Entries no longer waiting for their check are left as they are.
void confirmaToate(const std::vector<qint64>& idIntrari);
// The check after printing found that the entry's sheet never came out of the printer: the entry
// stays, "netiparit" with the reason, and its form, still blank, is free for a later entry.
void foaieNetiparita(qint64 idIntrare, const QString& motiv);
// The check after printing found another number on the sheet (a jam shifted the pile).
void corecteazaNumarul(qint64 idIntrare, int numarNou);
// Cancels an entry's form (spoiled, lost, reprinted); the number is never used again.
void anuleaza(qint64 idIntrare, const QString& motiv);
// Cancels a form by its number, also one never printed on (spoiled blank); returns the entry.
qint64 anuleazaFormularul(const QString& seria, int numarul, const QString& motiv);
void elibereaza(qint64 idIntrare, const Predare& predare);

std::vector<IntrareRegistru> intrari(const FiltruRegistru& filtru = {});
std::optional<IntrareRegistru> intrare(qint64 idIntrare);
// The entry that holds the form (not one that gave it back), if any.
std::optional<IntrareRegistru> intrareDupaFormular(const QString& seria, int numarul);
// The student's entries that stand (printed, waiting, issued or duplicate), oldest first.
std::vector<IntrareRegistru> acteValabile(qint64 idElev);
// Why a student already has a certificate, or empty when they have none.
QString motivDejaTiparit(qint64 idElev);
std::vector<LinieJurnal> jurnal();

} // namespace Registru

// What the paper dialog asks before fronts print: a proof on plain paper records nothing; on
// forms, the series, the number of the form on top of the pile and whether the pile's numbers
// go up or down.
struct AlegereTeanc {
    bool proba = true;
    QString seria;
    int primul = 0;
    bool crescator = true;
};
// The proposal: a proof on the PDF printer, forms on a real one, with the next unused number
// of the series used last (else the first series with forms left).
AlegereTeanc propunereTeanc(bool imprimantaPdf);

// Records one job's printed fronts in its order, each on the next form of the pile.
class InregistrareTeanc {
public:
    InregistrareTeanc(QString seria, int primul, bool crescator,
                      std::optional<CerereDuplicat> duplicat = std::nullopt);

    // The sheets of a job about to go to the printer, in the order they print: recorded in one
    // transaction, all or none. A number another computer took meanwhile is passed over. With
    // `deAnulat` that entry is cancelled with them (a reprint's old form).
    void foiTiparite(const std::vector<ElevDeInregistrat>& foi, qint64 deAnulat = 0);
    // One printed front, recorded alone.
    const IntrareRegistru& foaieTiparita(const ElevDeInregistrat& elev);
    const std::vector<IntrareRegistru>& intrari() const { return intrari_; }
    // What the check after printing should know (numbers passed over).
    const QStringList& observatii() const { return observatii_; }
    // The job's entries confirmed in one transaction, all or none.
    void confirmaToate() const;

private:
    // The sheet's entry on the next form of the pile that can take it, in the caller's transaction.
    IntrareRegistru scrieFoaia(const ElevDeInregistrat& elev, int& urmator, QStringList& observatii) const;

    QString seria_;
    int urmator_;
    int pas_;
    std::optional<CerereDuplicat> duplicat_;
    std::vector<IntrareRegistru> intrari_;
    QStringList observatii_;
};
