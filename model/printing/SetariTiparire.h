#pragma once

#include "platform/Eroare.h"
#include "printing/PaginaFormular.h"

#include <QLocale>
#include <QString>
#include <QStringList>

// The comma-text form of a list: an item holding a blank, a comma, a double quote or a control
// character is put in double quotes with its inner quotes doubled.
QString TextCuVirgule(const QStringList& elemente);
// Reads it back: quoted items as written, unquoted ones end at a comma or a blank.
QStringList DesparteTextCuVirgule(const QString& text);

// The user's locale for numbers, without group separators.
QLocale LocalaNumerelor();
// The error of a text that is not such a number.
Eroare NuEsteNumarReal(const QString& text);
// A number as the user writes it: the shortest form with up to 15 significant digits and the
// decimal separator of the user's locale.
QString TextNumarReal(double valoare);
// Reads such a text; anything else fails with "'%s' is not a valid floating point value".
double CitesteNumarReal(const QString& text);
// Reads a stored margin whichever decimal separator it was written with ("2,5" or "2.5"):
// the regional settings may have changed since.
double CitesteMargineStocata(const QString& text);

// The largest margin, either way, that still leaves something of an A4 sheet to print on.
inline constexpr double MargineMaxima = 297.0;
// Fails with a Romanian message for a margin the sheet cannot take.
void VerificaMargine(double milimetri);

// The two sides of the sheet.
enum LaturaDiploma { LaturaFata = 0, LaturaVerso = 1 };

// What the printer preparation found out and the per-side margins and turns, kept under
// "SOFTWARE\Orvanta\Kalvor\2006\Comun". Loaded when created, written back when released.
class TAllStuffReg {
public:
    // Stored values that cannot be read leave the defaults, with the text kept in AllNecitit.
    TAllStuffReg();
    ~TAllStuffReg();
    TAllStuffReg(const TAllStuffReg&) = delete;
    TAllStuffReg& operator=(const TAllStuffReg&) = delete;

    static QString Cheie();

    bool Configured = false;
    bool OppositeSide = false;
    bool LineRight = false;
    bool LineBottom = false;
    int FeedMode = 0;
    double FrontLeft = 0.0, FrontTop = 0.0;
    double BackLeft = 0.0, BackTop = 0.0;
    QString PrinterName;
    int PrinterIndex = 0;
    QString OglindescFata = QStringLiteral("*");
    QString OglindescVerso = QStringLiteral("*");
    // The stored "all" value that could not be read; empty when it was read. While it is kept,
    // release writes nothing and the printer must be configured again.
    QString AllNecitit;

    // The turn choice of a side: "*" never chosen, "D" turned, "N" not; "*" for another side.
    QString Oglindire(int latura) const;
    void SeteazaOglindire(int latura, const QString& alegere);
    // The margins of a side, millimetres.
    double MargineStanga(int latura) const { return latura == LaturaVerso ? BackLeft : FrontLeft; }
    double MargineSus(int latura) const { return latura == LaturaVerso ? BackTop : FrontTop; }
    void SeteazaMargini(int latura, double stanga, double sus);

    // The stored "all" value of these fields.
    QString TextAll() const;
    // Reads a stored "all" value into these fields; fails when it cannot be read.
    void CitesteAll(const QString& all);
    // Writes the three values now, an unreadable old "all" kept under "all_necitit"; fails with
    // a Romanian message when the store cannot be written. Release writes too, silently.
    void Scrie();

private:
    void incarca();
};

// The settings object in use, or nullptr: the first one created while none is.
TAllStuffReg* SetariCurente();

// Sets the printer up for the next job: A4, portrait or landscape, high quality, monochrome.
void PregatesteImprimanta(bool portret);
void PregatesteImprimanta(Imprimanta& dispozitiv, bool portret);

// The title of a side's print job.
QString TitluLucrare(int latura);
