#pragma once

#include "platform/ImprimantaPdf.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class InregistrareTeanc;
class LucrareTiparire;
class QImage;
struct PaginaFormular;
struct RezultatLucrare;

// What one run of the form tool is asked to do.
struct OptiuniUnealta {
    enum Comanda { Png, Pdf };
    Comanda comanda = Png;
    QString codPagina; // FATA or SPATE
    double zoom = 100;
    QString iesire;
    double stanga = 0, sus = 0; // print margins, mm
    bool rotit = false;
    bool numere = false;
    std::optional<int> elev; // filled with this student's values from the database
    // A batch, one page per student: the ids as given, or every student (toti).
    bool lot = false;
    bool toti = false;
    std::vector<int> elevi;
    // Fronts on forms: the series and the number of the form on top of the pile, recorded in the
    // register and confirmed at once; a proof (or neither) records nothing.
    QString seria;
    int primulNumar = 0;
    bool descrescator = false;
    bool proba = false;

    // Reads the arguments (without the program's name); throws Eroare with the usage fault.
    static OptiuniUnealta citeste(const QStringList& argumente);
};

// Renders or prints one side of the certificate's layout, empty, numbered or filled with a
// student's values, as the options say; throws Eroare.
class UneltaFormular {
public:
    explicit UneltaFormular(const OptiuniUnealta& optiuni) : optiuni_(optiuni) {}
    // 0 when everything asked for was written; 2 when students were left out of a batch.
    int ruleaza();

private:
    // The side for the student or every student of the batch in one PDF; the students left
    // out of a batch go to stderr.
    int tiparesteElevii();
    // The side as the preview shows it at the zoom, over the blank form's picture.
    void scriePng(const PaginaFormular& pagina, const QImage& fundal);
    // The job on the PDF printer with the command line's margins and turn, its file moved to
    // the output.
    RezultatLucrare tipareste(LucrareTiparire& lucrare, int foi);
    // The recorded fronts confirmed, one "series TAB number TAB name" line each on stdout.
    static void confirmaSiScrie(const InregistrareTeanc& teanc);

    OptiuniUnealta optiuni_;
    ImprimantaPdf pdf_;
};

extern const char* const utilizareUnealta;
