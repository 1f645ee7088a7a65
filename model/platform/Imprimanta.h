#pragma once

#include <QPageLayout>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

class QSvgRenderer;

// The printable area of the page of the current job: device pixels and millimetres.
// The millimetres are exact (not whole), so HORZRES / HORZSIZE is the true resolution.
struct ZonaTiparibila {
    int horzRes = 0;       // HORZRES
    int vertRes = 0;       // VERTRES
    double horzSize = 0.0; // HORZSIZE, mm
    double vertSize = 0.0; // VERTSIZE, mm
};

// The whole sheet in the same device pixels, and where the printable area begins on it.
struct PaginaFizica {
    int latime = 0;   // PHYSICALWIDTH
    int inaltime = 0; // PHYSICALHEIGHT
    int offsetX = 0;  // PHYSICALOFFSETX
    int offsetY = 0;  // PHYSICALOFFSETY
};

// Device settings for the next job; custom paper sizes are never used.
struct SetariDispozitiv {
    QPageLayout::Orientation orientare = QPageLayout::Landscape;
    bool hartieA4 = true;
    bool calitateInalta = true;
    bool monocrom = true;
};

// A font asked for by its character-cell height (ascent + descent) in device pixels.
struct CerereFont {
    QString nume = QStringLiteral("Arial");
    int inaltime = 0;   // cell height, device pixels
    int greutate = 400; // 400 or 700
    bool italic = false;
    int setCaractere = 238; // East European
    int inclinare = 0;      // escapement in tenths of a degree: 0 or 1800

    bool operator==(const CerereFont&) const = default;
};

// What printing needs of a printer. Coordinates of the drawing operations are device pixels
// from the top left corner of the printable area, as on the native spooler.
class Imprimanta {
public:
    virtual ~Imprimanta() = default;

    // The printers' names in the system's order (the PDF file printer last).
    virtual QStringList imprimante() const = 0;
    virtual int indexCurent() const = 0;
    // Later jobs go to the printer at this index; an index outside the list is an error.
    virtual void selecteaza(int index) = 0;
    virtual void pregatesteSetari(const SetariDispozitiv& setari) = 0;

    // A new job with one empty page; fails with an Eroare when the job cannot begin.
    virtual void incepeLucrare(const QString& titlu) = 0;
    // Prints the page and closes the job; harmless when no job is open.
    virtual void terminaLucrare() = 0;
    // Ends the page of the open job and starts an empty one in the same job.
    virtual void paginaNoua() = 0;
    // Closes the open job without printing it: the spooler drops what it has, the PDF printer
    // keeps no file. Harmless when no job is open.
    virtual void anuleazaLucrare() = 0;
    virtual bool inLucru() const = 0;

    virtual ZonaTiparibila zonaTiparibila() const = 0;
    virtual PaginaFizica paginaFizica() const = 0;

    // Makes a font current; later measuring and drawing use it.
    virtual void creeazaFont(const CerereFont& cerere) = 0;
    // Width and cell height of the text in the current font, device pixels.
    virtual QSize masoaraText(const QString& text) = 0;
    // The text from the top left of its cell (of the turned cell at 1800), cut at the
    // rectangle (right and bottom edges excluded), in black without background.
    virtual void scrieText(QPoint punct, const QRect& taiere, const QString& text) = 0;
    // The picture scaled into the rectangle.
    virtual void intindeImagine(QSvgRenderer& imagine, const QRect& dreptunghi) = 0;
};

// The printer the program prints on: the one installed, else the default one (the system's
// printers, named by the program at its start); fails with an Eroare when there is neither.
Imprimanta& imprimanta();
// Installs another printer (tests, tools); nullptr puts the default back. Not owned.
void instaleazaImprimanta(Imprimanta* alta);
// Names the default printer; the printer layer sits above the model, so it is told from above.
void alegeImprimantaImplicita(Imprimanta& (*implicita)());
