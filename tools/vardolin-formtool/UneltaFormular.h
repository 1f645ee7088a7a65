#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QImage;
struct PaginaFormular;

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
    // The side in the certificate's own print window, filled for the student and printed.
    void tiparesteElevul();
    // The side as the preview shows it at the zoom, over the blank form's picture.
    void scriePng(const PaginaFormular& pagina, const QImage& fundal);
    void scriePdf(const PaginaFormular& pagina);
    // The side for every student of the batch in one PDF; the students left out go to stderr.
    int tiparesteLotul();

    OptiuniUnealta optiuni_;
};

extern const char* const utilizareUnealta;
